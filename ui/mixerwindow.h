// What the two mixer windows share: their mixer, their strips and every
// strip operation (read, write, drag, steps, toggles).  The playback window
// and the recording window differ only where the strips say so.
#pragma once

#include "binding/strip.h"
#include "ui/skinwindow.h"

#include <span>

class QLabel;
class QMouseEvent;
class QTimer;
class QWheelEvent;
class TAudioMixer;
class TImage;
class TMaskEdit;
class TPanel;
class TSpeedButton;

class TMixerWindow : public TSkinWindow
{
    Q_OBJECT
public:
    TMixerWindow(const char *name, bool playback, int repeatInterval);

    TAudioMixer *Mixer = nullptr; // follows cardIndex
    QTimer *Timer4 = nullptr;     // step button auto-repeat

    QLabel *Label14 = nullptr;  // title
    TPanel *Panel108 = nullptr; // close panels, top and bottom right
    TPanel *Panel107 = nullptr;
    // The close panels' click: hides the window.
    virtual void Panel108Click() {}

    const bool playback;
    // The destination the strips show: playDest or recDest.
    int destination() const;
    std::span<Strip> stripList() { return FStrips; }
    Strip &stripAt(int s) { return FStrips[static_cast<std::size_t>(s - 1)]; }

    // getc1 ...: reads strip s from the card into its widgets.
    void getc(int s);
    // editc1 ...: writes strip s (main edit, mute, extra switches) to the card.
    void editc(int s);
    // editc12, editc22 ...: writes strip s driven by its right edit.
    void editcRight(int s);
    // One step of the step button whose repeat code is `code`.
    virtual void stepButton(int code);
    // The repeat timer: steps the held button again.
    void Timer4Timer();

    // Presses of the strip's toggles.
    void muteMouseDown(int s);
    void soloMouseDown(int s);
    void linkedMouseDown(int s);
    void extraMouseDown(int s, int which);
    void panelMouseUp(); // release of a mute, select or extra switch panel
    // A press on a strip's meter makes its line the metered one; the release
    // gives the over-peak window this window's frame.
    void meterMouseDown(int s);
    void meterMouseUp();

    // The window became active: the magnet starts docking.  Hidden or no
    // longer active: docking stops.
    void FormActivate();
    void FormHide();
    void FormDeactivate();

protected:
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
    // Connects the widgets of every strip to the operations; called by the
    // windows once their strips exist.
    void wireStrips(std::span<Strip> strips);
    // The title label and the two close panels ("x" or "X" at the top).
    void buildTitleAndClose(const QString &titleHint, const QString &closeHint, const QString &topCaption);
    // A step button: pressed it repeats on Timer4, released it steps once.
    void wireStepButton(TSpeedButton *button, int code);
    // +1 does nothing at "99", -1 nothing at "0"; the edit's change does the rest.
    void stepEdit(TMaskEdit *edit, int direction);

private:
    void cursorPress(Strip &s, bool right, QMouseEvent *e);
    void cursorMove(Strip &s, bool right, QMouseEvent *e);
    void cursorRelease(Strip &s, bool right, QMouseEvent *e);
    int dragPosition(Strip &s, bool right, QMouseEvent *e) const;
    void wheelStep(Strip &s, bool right, QWheelEvent *e);
    void setLinked(Strip &s);
    void setSeparate(Strip &s);
    void nameMouseDown(Strip &s);
    void nameMouseUp(Strip &s);
    void writeExtraSwitches(Strip &s);

    std::span<Strip> FStrips;
    int wheelRemainder = 0;
};
