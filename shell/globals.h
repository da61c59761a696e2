// The state the windows share, one instance per process, and the windows
// themselves.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class TForm1;
class Trec;
class TForm2;
class TForm3;
class TForm4;

extern TForm3 *Form3; // splash
extern TForm1 *Form1; // playback mixer
extern Trec *rec;     // recording mixer
extern TForm2 *Form2; // over-peak window
extern TForm4 *Form4; // visible-channels dialog

// Selected mixer device, 0..4; every MixerId assignment of the main mixers
// uses it.
extern uint8_t cardIndex;
// 0 idle; 1 a set-up, a refresh or a strip's own change is running; 2 a
// volume cursor is being dragged.  Change notices are ignored unless 0.
extern uint8_t busyState;
// True until the tray icons are switched on; the tray handlers do nothing
// meanwhile.
extern bool startingUp;
// The set-up has armed the start timer once.
extern bool timerArmed;
// Product name of the selected card at the end of the last set-up.
extern QString knownCardName;
// Destination positions of the playback and recording destinations, and the
// one discovery is looking at.
extern uint8_t playDest;
extern uint8_t recDest;
extern uint8_t scanDest;
// The playback destination has treble / bass controls; their positions are
// kept in the Tags of the knobs.
extern bool hasTreble;
extern bool hasBass;
// The recording destination has its own volume control.
extern bool hasRecVolume;
// Position of the recording selector (MUX) control, -2 without one.
extern int muxIndex;
// Step of the +1/-1 buttons.
extern uint8_t volStep;
// Left and right are shown and written swapped.
extern bool reverseLR;
// No controller discovery has run yet.
extern bool firstScan;
// The metered line: source position within its destination (255, read as
// -1, for the destination line itself), destination position and name.
extern int8_t meterSel;
extern uint8_t meterDest;
extern QString meterName;
// Cursor drag origin and the code of the held step button.
extern int dragOrigin;
extern int repeatCode;
// The over-peak window's held LED levels and its count of over-peaks; they
// live beside the window so the playback window can reset them before the
// over-peak window exists.
extern int holdLeft;
extern int holdRight;
extern int overPeakCount;

// Windows to show once the start-up is over (--show): play, rec, vu.
extern QStringList windowsToShow;

// Puts every value back to what it is when the program starts.
void resetGlobals();
