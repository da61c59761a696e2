// The playback mixer window.  It also carries the program's routines:
// set-up, refresh, discovery, strip initialisation and the meter set-up.
#pragma once

#include "binding/strip.h"
#include "ui/mixerwindow.h"

#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QTimer;
class TAudioMixer;
struct MIXERCONTROL;
class TImage;
class TLabel;
class TMaskEdit;
class TPanel;
class TRotaryKnob;
class TSpeedButton;
class TTrayIcon;

class TForm1 : public TMixerWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    TAudioMixer *Mixer1 = nullptr; // device 1 (device 0 again with a single device)

    std::array<Strip, PlayStripCount> strips; // strip s at strips[s - 1]
    Strip &strip(int s) { return strips[static_cast<std::size_t>(s - 1)]; }


    // The tone panel.
    TPanel *chatune = nullptr;
    TPanel *toneName = nullptr; // the tone panel's name panel
    TImage *Image5 = nullptr;
    TLabel *Label6 = nullptr;
    TImage *gsleq = nullptr;
    TImage *dsleq = nullptr;
    TRotaryKnob *RotaryKnob1 = nullptr; // treble
    TRotaryKnob *RotaryKnob2 = nullptr; // bass
    TMaskEdit *MaskEdit3 = nullptr;
    TMaskEdit *MaskEdit4 = nullptr;
    TSpeedButton *treplus = nullptr;
    TSpeedButton *tremoins = nullptr;
    TSpeedButton *basplus = nullptr;
    TSpeedButton *bassmoins = nullptr;
    TPanel *lrrl = nullptr; // channel swap switch

    QStringList ComboBox1; // the card's destination names
    QStringList ComboBox2; // playback line names: destination, then its sources
    QStringList ComboBox3; // recording line names: destination, then its sources

    // The lines that have a peak meter, on every device (the hidden list of
    // the meter set-up).
    struct MeterLine
    {
        QString name;
        int device;
        int destination;
        int connection; // -1: the destination line itself
        int control;
    };
    std::vector<MeterLine> ListView;
    int64_t lastPeakTick = 0;
    double masterFraction = 0;
    QTimer *meterTimer = nullptr; // 10 ms: one polling pass
    // Milliseconds of a monotonic clock; tests drive it.
    std::function<int64_t()> meterClock;
    // The meters are drawn at most every this many milliseconds (0: every
    // pass), with the latest pass's levels.
    int meterFrameInterval = 40;
    int64_t lastMeterFrame = 0;
    QString masterLeft, masterRight; // the master strip's meter pictures to draw
    // One polling pass: shows the metered line's levels.
    void PollMeters();

    QTimer *Timer1 = nullptr; // 3000 ms: tray icons on, splash off
    QTimer *Timer2 = nullptr; // 10 ms, one-shot: shows this window

    void FormCreate();

    // Set-up: rebuilds both mixer windows for the card cardIndex.
    void Button1Click();
    // Refresh: reopens the card and reads every strip in use of both windows.
    void Button5Click();
    // Controller discovery: finds the destinations and binds strips and knobs.
    void Button4Click();
    // Strip initialisation: names the strips and sets their layouts.
    void Button3Click();
    // Meter set-up: lists the lines that have a peak meter.
    void button2Click();
    // Loads the configuration file.
    void optionsClick();
    // Playback look refresh: strip pictures and window colour.
    void imageplayClick();
    // Recording look refresh.
    void imagerecClick();
    // The two-window tray icon's click action.
    void trayiconf1bClick();

    TTrayIcon *TrayIconF2 = nullptr; // the two-window icon
    void TrayIconF2Click();
    void TrayIconF2DblClick();
    void TrayIconF1Click();    // shows or hides this window
    void TrayIconF1DblClick(); // mutes or unmutes the master strip
    void Panel108Click() override; // "X": hides this window
    // The playback icon's picture: muted, or sounding and shown or hidden.
    QString soundPicture(bool shown) const;
    bool masterMuted() const;

    void MixerControlChange(TAudioMixer *Sender, uint32_t MixerH, uint32_t ID);
    void Mixer1ControlChange(TAudioMixer *Sender, uint32_t MixerH, uint32_t ID);
    void ComboBox1Change();

    // The channel swap switch: shows and writes left and right exchanged.
    void lrrlMouseDown();
    // A press on the left frame or a click on the right one hides the left
    // frame.
    void Image2MouseDown();

    // The tone knobs: a knob's change writes its control, an edit's change
    // moves its knob, the step buttons step the edit.
    void knobChange(bool treble);      // RotaryKnob1Change, RotaryKnob2Change
    void toneEditChange(bool treble);  // MaskEdit3Change, MaskEdit4Change
    void stepButton(int code) override;
    void readToneKnobs();
    bool showingKnob = false; // a knob change is writing its edit

    void Timer1Timer();
    void Timer2Timer();


protected:
    void wireTonePanel();
    const MIXERCONTROL *toneControl(int tag);
};
