#include "ui/mixerwindow.h"

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "ui/widgets.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

TMixerWindow::TMixerWindow(const char *name, bool playback, int repeatInterval)
    : TSkinWindow(name), playback(playback)
{
    Mixer = new TAudioMixer(this);
    Mixer->setObjectName(QStringLiteral("Mixer"));
    Timer4 = new QTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(repeatInterval);
    connect(Timer4, &QTimer::timeout, this, &TMixerWindow::Timer4Timer);
}

void TMixerWindow::wireStrips(std::span<Strip> strips)
{
    FStrips = strips;
    for (Strip &s : strips) {
        Strip *sp = &s;
        const int n = s.number;
        connect(s.mainEdit, &QLineEdit::textChanged, this, [this, n] { editc(n); });
        connect(s.rightEdit, &QLineEdit::textChanged, this, [this, n] { editcRight(n); });

        for (const bool right : {false, true}) {
            TImage *cursor = right ? s.rightCursor : s.leftCursor;
            TImage *ghost = right ? s.rightGhost : s.leftGhost;
            cursor->OnMouseDown = [this, sp, right](QMouseEvent *e) { cursorPress(*sp, right, e); };
            // The pressed cursor keeps receiving the mouse while it is hidden;
            // where the ghost holds it instead, the ghost passes it on.
            for (TImage *image : {cursor, ghost}) {
                image->OnMouseMove = [this, sp, right](QMouseEvent *e) { cursorMove(*sp, right, e); };
                image->OnMouseUp = [this, sp, right](QMouseEvent *e) { cursorRelease(*sp, right, e); };
            }
            ghost->hide();
            TPanel *panel = right ? s.rightPanel : s.leftPanel;
            panel->OnWheel = [this, sp, right](QWheelEvent *e) { wheelStep(*sp, right, e); };
        }
        s.cursorArea->OnWheel = [this, sp](QWheelEvent *e) { wheelStep(*sp, false, e); };

        struct Step
        {
            TSpeedButton *button;
            int code;
        };
        for (const Step &step : {Step{s.plus, n * 100 + 11}, Step{s.minus, n * 100 + 12},
                                 Step{s.rightPlus, n * 100 + 21}, Step{s.rightMinus, n * 100 + 22}}) {
            const int code = step.code;
            step.button->OnMouseDown = [this, code] {
                repeatCode = code;
                busyState = 1;
                Timer4->start();
            };
            step.button->OnMouseUp = [this] {
                repeatCode = 0;
                Timer4->stop();
                busyState = 0;
            };
            step.button->OnClick = [this, code] { stepButton(code); };
        }

        s.mute->OnMouseDown = [this, n](QMouseEvent *) { muteMouseDown(n); };
        s.mute->OnMouseUp = [this](QMouseEvent *) { panelMouseUp(); };
        if (s.solo)
            s.solo->OnMouseDown = [this, n](QMouseEvent *) { soloMouseDown(n); };
        s.linked->OnMouseDown = [this, n](QMouseEvent *) { linkedMouseDown(n); };
        s.extra1->OnMouseDown = [this, n](QMouseEvent *) { extraMouseDown(n, 1); };
        s.extra2->OnMouseDown = [this, n](QMouseEvent *) { extraMouseDown(n, 2); };
        s.extra1->OnMouseUp = [this](QMouseEvent *) { panelMouseUp(); };
        s.extra2->OnMouseUp = [this](QMouseEvent *) { panelMouseUp(); };
        for (TImage *meter : {s.vul, s.vur}) {
            meter->OnMouseDown = [this, n](QMouseEvent *) { meterMouseDown(n); };
            meter->OnMouseUp = [this](QMouseEvent *) { meterMouseUp(); };
        }
        s.nameLabel->OnMouseDown = [this, sp](QMouseEvent *) { nameMouseDown(*sp); };
        s.nameLabel->OnMouseUp = [this, sp](QMouseEvent *) { nameMouseUp(*sp); };
    }
}

void TMixerWindow::hideEvent(QHideEvent *e)
{
    TSkinWindow::hideEvent(e);
    FormHide();
}

void TMixerWindow::changeEvent(QEvent *e)
{
    TSkinWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            FormActivate();
        else
            FormDeactivate();
    }
}
