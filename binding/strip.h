// One channel strip: the widgets that show one mixer line, made from the
// names of the strip tables.  The state of a strip lives in these widgets
// (Tags, colours, bevels, pictures), so every routine reads it from here.
#pragma once

#include "binding/striptables.h"

class QLabel;
class TLabel;
class QWidget;
class TImage;
class TMaskEdit;
class TPanel;
class TSpeedButton;

struct Strip
{
    int number = 0; // 1 = the master strip (destination line)
    bool playback = true;
    const StripNames *names = nullptr;

    TPanel *cha = nullptr; // strip panel; Tag 0 = in use, 1 = unused
    TImage *gsl = nullptr; // side bars
    TImage *dsl = nullptr;
    TPanel *namePanel = nullptr; // on the window; Tag = home x position
    TImage *nameImage = nullptr;
    TLabel *nameLabel = nullptr;

    TPanel *meterPanel = nullptr;
    QLabel *peakLabel = nullptr;
    TImage *vul = nullptr;
    TImage *vur = nullptr;

    TMaskEdit *mainEdit = nullptr;
    TMaskEdit *rightEdit = nullptr;
    TSpeedButton *plus = nullptr;
    TSpeedButton *minus = nullptr;
    TSpeedButton *rightPlus = nullptr;
    TSpeedButton *rightMinus = nullptr;

    TPanel *cursorArea = nullptr;
    TPanel *leftPanel = nullptr;
    TImage *leftTrack = nullptr;
    TImage *leftTrackC = nullptr;
    TImage *leftGhost = nullptr;
    TImage *leftCursor = nullptr;
    TPanel *rightPanel = nullptr;
    TImage *rightTrack = nullptr;
    TImage *rightTrackC = nullptr;
    TImage *rightGhost = nullptr;
    TImage *rightCursor = nullptr;

    TPanel *mute = nullptr;   // mute, or select on recording strips 2-10
    TPanel *solo = nullptr;   // playback strips 2-12 only
    TPanel *linked = nullptr; // linked (L+R) / separate
    TPanel *extra1 = nullptr;
    TPanel *extra2 = nullptr;
    TImage *poisson = nullptr; // recording strip 1 only

    // Connection position of the strip's line: -1 for the destination line.
    int connection() const { return number == 1 ? -1 : number - 2; }
    bool inUse() const;
};

// Creates the widgets of strip `number` on `window`, at their design
// positions and with their design settings.
void buildStrip(Strip &strip, QWidget *window, int number, bool playback);
