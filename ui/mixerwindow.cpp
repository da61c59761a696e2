#include "ui/mixerwindow.h"

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QEvent>
#include <QAction>
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

        wireStepButton(s.plus, n * 100 + 11);
        wireStepButton(s.minus, n * 100 + 12);
        wireStepButton(s.rightPlus, n * 100 + 21);
        wireStepButton(s.rightMinus, n * 100 + 22);

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

void TMixerWindow::wireStepButton(TSpeedButton *button, int code)
{
    button->OnMouseDown = [this, code] {
        repeatCode = code;
        busyState = 1;
        Timer4->start();
    };
    button->OnMouseUp = [this] {
        repeatCode = 0;
        Timer4->stop();
        busyState = 0;
    };
    button->OnClick = [this, code] { stepButton(code); };
}

void TMixerWindow::buildTitleAndClose(const QString &titleHint, const QString &closeHint, const QString &topCaption)
{
    Label14 = makeLabel(this, "Label14", QStringLiteral("<-- click here to move mixer -->"), QRect(13, 1, 345, 16),
                        11, Qt::AlignLeft | Qt::AlignVCenter);
    Label14->setToolTip(titleHint);
    QPalette titlePalette = Label14->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    Label14->setPalette(titlePalette);

    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(9);
    Panel108 = new TPanel(this, "Panel108");
    Panel108->setGeometry(width() - 14, 0, 14, 20);
    Panel108->setCaption(topCaption);
    Panel107 = new TPanel(this, "Panel107");
    Panel107->setGeometry(width() - 14, height() - 14, 14, 14);
    Panel107->setCaption(QStringLiteral("X"));
    for (TPanel *p : {Panel108, Panel107}) {
        p->setToolTip(closeHint);
        p->setBevelInner(TBevel::bvRaised);
        p->setFont(small);
        p->OnMouseDown = [](QMouseEvent *) {};
        p->OnMouseUp = [this](QMouseEvent *) { Panel108Click(); };
    }
}

void TMixerWindow::FormActivate()
{
    if (rec->magnet->isChecked())
        rec->Timer1->start();
}

void TMixerWindow::FormHide()
{
    rec->Timer1->stop();
}

void TMixerWindow::FormDeactivate()
{
    rec->Timer1->stop();
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
