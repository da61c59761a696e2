#include "ui/form1.h"

#include "mixer/audiomixer.h"
#include "ui/panel.h"

#include <QEvent>
#include <QTimer>

TForm1::TForm1(QWidget *parent) : TSkinWindow("Form1", parent)
{
    setWindowTitle(QStringLiteral("Sonvane by Tarkel"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(373, 173);

    // The window's mixers open their devices as the window is made.
    Mixer = new TAudioMixer(this);
    Mixer->setObjectName(QStringLiteral("Mixer"));
    Mixer->OnControlChange = [this](TAudioMixer *s, uint32_t h, uint32_t id) { MixerControlChange(s, h, id); };
    Mixer1 = new TAudioMixer(this);
    Mixer1->setObjectName(QStringLiteral("Mixer1"));
    Mixer1->setMixerId(1);
    Mixer1->OnControlChange = [this](TAudioMixer *s, uint32_t h, uint32_t id) { Mixer1ControlChange(s, h, id); };

    for (int s = 1; s <= PlayStripCount; ++s)
        buildStrip(strip(s), this, s, true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start(); // enabled when the window is loaded

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(10);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
}

void TForm1::hideEvent(QHideEvent *e)
{
    TSkinWindow::hideEvent(e);
    FormHide();
}

void TForm1::changeEvent(QEvent *e)
{
    TSkinWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            FormActivate();
        else
            FormDeactivate();
    }
}
