#include "ui/form1.h"

#include "mixer/audiomixer.h"
#include "ui/panel.h"
#include "shell/globals.h"
#include "ui/trayicon.h"
#include "ui/widgets.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

TForm1::TForm1(QWidget *) : TMixerWindow("Form1", true, 75)
{
    setWindowTitle(QStringLiteral("Sonvane by Tarkel"));
    resize(373, 173);
    buildFrame(19, 12, 10);

    // The window's mixers open their devices as the window is made.
    Mixer->OnControlChange = [this](TAudioMixer *s, uint32_t h, uint32_t id) { MixerControlChange(s, h, id); };
    Mixer1 = new TAudioMixer(this);
    Mixer1->setObjectName(QStringLiteral("Mixer1"));
    Mixer1->setMixerId(1);
    Mixer1->OnControlChange = [this](TAudioMixer *s, uint32_t h, uint32_t id) { Mixer1ControlChange(s, h, id); };

    // The tone panel: treble and bass knobs, their edits and step buttons.
    chatune = new TPanel(this, "chatune");
    chatune->setGeometry(10, 16, 70, 146);
    chatune->setColor(clSilver);
    gsleq = new TImage(chatune, "gsleq", QRect(0, 16, 18, 130));
    gsleq->Stretch = true;
    dsleq = new TImage(chatune, "dsleq", QRect(52, 16, 18, 130));
    dsleq->Stretch = true;
    toneName = new TPanel(chatune, "toneName");
    toneName->setGeometry(0, 0, 70, 16);
    Image5 = new TImage(toneName, "Image5", QRect(0, 0, 70, 16));
    Image5->Stretch = true;
    Label6 = makeLabel(toneName, "Label6", QStringLiteral("All tune"), QRect(0, 0, 70, 16), 11, Qt::AlignCenter);
    // Pressing the tone panel's name shows it whole, as a strip's name does.
    Label6->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    Label6->OnMouseDown = [this](QMouseEvent *) {
        const int w = 7 * static_cast<int>(Label6->text().trimmed().size()) + 15;
        toneName->resize(std::max(w, toneName->width()), 32);
        Image5->resize(toneName->size());
        Label6->setGeometry(0, 8, toneName->width(), Label6->height());
        toneName->raise();
    };
    Label6->OnMouseUp = [this](QMouseEvent *) {
        toneName->resize(68, 16);
        Image5->setGeometry(0, 0, 68, 16);
        Label6->setGeometry(0, 0, 68, 16);
    };
    makeLabel(chatune, "LabelTreble", QStringLiteral("Treble"), QRect(23, 16, 30, 10), 8, Qt::AlignLeft, QStringLiteral("Serif"));
    makeLabel(chatune, "LabelBass", QStringLiteral("Bass"), QRect(26, 70, 30, 10), 8, Qt::AlignLeft, QStringLiteral("Serif"));
    RotaryKnob1 = new TRotaryKnob(chatune, "RotaryKnob1", QRect(20, 25, 30, 30), 0, 65535);
    RotaryKnob1->setToolTip(QStringLiteral("Turn the knob to ajust the treble..."));
    RotaryKnob2 = new TRotaryKnob(chatune, "RotaryKnob2", QRect(18, 79, 31, 30), 1, 65535);
    RotaryKnob2->setToolTip(QStringLiteral("Turn the knob to ajust the bass..."));
    treplus = new TSpeedButton(chatune, "treplus", QRect(20, 53, 10, 8), TSpeedButton::Arrow::Up);
    treplus->setToolTip(QStringLiteral("Click to set the treble + 1..."));
    tremoins = new TSpeedButton(chatune, "tremoins", QRect(20, 62, 10, 8), TSpeedButton::Arrow::Down);
    tremoins->setToolTip(QStringLiteral("Click to set the volume - 1..."));
    MaskEdit3 = new TMaskEdit(chatune, "MaskEdit3", QRect(33, 56, 16, 13));
    MaskEdit3->setText(QStringLiteral("50"));
    basplus = new TSpeedButton(chatune, "basplus", QRect(21, 109, 10, 8), TSpeedButton::Arrow::Up);
    basplus->setToolTip(QStringLiteral("Click to set the volume + 1..."));
    bassmoins = new TSpeedButton(chatune, "bassmoins", QRect(21, 118, 10, 8), TSpeedButton::Arrow::Down);
    bassmoins->setToolTip(QStringLiteral("Click to set the volume - 1..."));
    MaskEdit4 = new TMaskEdit(chatune, "MaskEdit4", QRect(33, 112, 16, 13));
    MaskEdit4->setText(QStringLiteral("50"));
    for (QWidget *w : std::initializer_list<QWidget *>{treplus, tremoins, basplus, bassmoins})
        w->setEnabled(false);
    lrrl = new TPanel(chatune, "lrrl");
    lrrl->setGeometry(19, 128, 30, 11);
    lrrl->setCaption(QStringLiteral("<L R>"));
    lrrl->OnMouseDown = [this](QMouseEvent *) { lrrlMouseDown(); };
    lrrl->setBevelInner(TBevel::bvRaised);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(9);
    lrrl->setFont(small);

    for (int s = 1; s <= PlayStripCount; ++s)
        buildStrip(strip(s), this, s, true);
    wireStrips(strips);
    wireTonePanel();

    frameLeft->setObjectName(QStringLiteral("Image2"));
    frameRight->setObjectName(QStringLiteral("Image4"));
    frameLeft->OnMouseDown = [this](QMouseEvent *e) {
        Image2MouseDown();
        e->ignore();
    };
    frameRight->OnMouseDown = [](QMouseEvent *) {};
    frameRight->OnMouseUp = [this](QMouseEvent *) { Image2MouseDown(); };

    buildTitleAndClose(QStringLiteral("Click here and drag to move the mixer..."),
                       QStringLiteral("Click to hide the play mixer."), QStringLiteral("x"));
    move(x(), 218);

    makeAnimation(toQColor(8454016));
    TrayIconF1 = new TTrayIcon(this, "TrayIconF1",
                               QStringLiteral("Click to show/hide the play mixer, 2x click mute/nomute all."),
                               QStringLiteral("soundyesi"));
    TrayIconF2 = new TTrayIcon(this, "TrayIconF2", QStringLiteral("Click to show/hide the play and rec mixer..."),
                               QStringLiteral("recplay"));
    setWindowIcon(TrayIconF1->icon());
    TrayIconF1->OnClick = [this] { TrayIconF1Click(); };
    TrayIconF1->OnDblClick = [this] { TrayIconF1DblClick(); };
    TrayIconF2->OnClick = [this] { TrayIconF2Click(); };
    TrayIconF2->OnDblClick = [this] { TrayIconF2DblClick(); };

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start(); // enabled when the window is loaded

    meterTimer = new QTimer(this);
    meterTimer->setObjectName(QStringLiteral("meterTimer"));
    meterTimer->setInterval(10);
    connect(meterTimer, &QTimer::timeout, this, &TForm1::PollMeters);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    meterClock = [clock] { return clock->elapsed(); };

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(10);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
}

void TForm1::lrrlMouseDown()
{
    if (lrrl->Caption() != QLatin1String("<L R>")) {
        lrrl->setCaption(QStringLiteral("<L R>"));
        lrrl->setBevelInner(TBevel::bvRaised);
        reverseLR = false;
    } else {
        lrrl->setCaption(QStringLiteral("<R L>"));
        lrrl->setBevelInner(TBevel::bvLowered);
        reverseLR = true;
    }
}

void TForm1::Image2MouseDown()
{
    frameLeft->hide();
}
