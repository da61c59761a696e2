#include "ui/form2.h"

#include "shell/globals.h"
#include "ui/rec.h"
#include "ui/smoothshow.h"
#include "ui/trayicon.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr TColor lightYellow = 14548991;

QTimer *timer(QObject *parent, const char *name, int interval)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(interval);
    return t;
}

const char *ledPicture(int k) // LED k = 1 .. 10, bottom to top
{
    return k <= 6 ? "ledg" : (k <= 8 ? "ledy" : "ledr");
}

} // namespace

TForm2::TForm2(QWidget *parent) : TSkinWindow("Form2", parent)
{
    setWindowTitle(QStringLiteral("VU by Tarkel"));
    resize(447, 160);
    buildFrame(25, 15, 15);
    setFrame(QStringLiteral("fondverth"), QStringLiteral("fondvertv"));

    Label14 = makeLabel(this, "Label14", windowTitle(), QRect(16, 4, 400, 17), 12);
    QPalette white = Label14->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label14->setPalette(white);

    // LED columns on either side of the display.
    for (const bool right : {false, true}) {
        auto *column = new TImage(this, right ? "ledColumnRight" : "ledColumnLeft", QRect(right ? 410 : 19, 27, 18, 90));
        column->Stretch = true;
        column->setPicture(QStringLiteral("ledbg"));
        for (int k = 1; k <= 10; ++k) {
            const QString name = right ? QStringLiteral("led%11").arg(k) : QStringLiteral("led%1").arg(k);
            auto *led = new TImage(column, qPrintable(name), QRect(0, 90 - 9 * k + 2, 18, 6));
            led->setPicture(QLatin1String(ledPicture(k)));
            led->hide();
            (right ? ledRight : ledLeft)[static_cast<std::size_t>(k - 1)] = led;
        }
    }

    display = new TPanel(this, "display");
    display->setGeometry(42, 22, 362, 100);
    display->setColor(lightYellow);
    vul = new TImage(display, "vul", QRect(4, 1, 173, 98));
    vur = new TImage(display, "vur", QRect(185, 1, 173, 98));
    vul->setPicture(QStringLiteral("big/vuf0"));
    vur->setPicture(QStringLiteral("big/vuf0"));
    peaklr = new TImage(display, "peaklr", QRect(141, 4, 32, 32));
    peaklr2 = new TImage(display, "peaklr2", QRect(322, 4, 32, 32));
    for (TImage *i : {peaklr, peaklr2}) {
        i->setPicture(QStringLiteral("peaklr"));
        i->hide();
    }
    Label6 = makeLabel(display, "Label6", QStringLiteral("LEFT"), QRect(10, 80, 40, 16), 11);
    Label11 = makeLabel(display, "Label11", QStringLiteral("0"), QRect(50, 80, 30, 16), 11);
    Label19 = makeLabel(display, "Label19", QStringLiteral("RIGHT"), QRect(191, 80, 40, 16), 11);
    Label15 = makeLabel(display, "Label15", QStringLiteral("0"), QRect(236, 80, 30, 16), 11);
    for (QLabel *l : {Label6, Label19}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    Label1 = makeLabel(display, "Label1", QStringLiteral("No peak detected..."), QRect(0, 14, 362, 44), 35,
                       Qt::AlignCenter);
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, QColor(0xe0, 0x00, 0x00));
    Label1->setPalette(red);
    Label2 = makeLabel(display, "Label2", QStringLiteral("Use the SOLO mode for that chanel"), QRect(0, 58, 362, 26),
                       19, Qt::AlignCenter);

    overPeakBar = new TImage(this, "overPeakBar", QRect(15, 124, 418, 25));
    overPeakBar->Stretch = true;
    overPeakBar->setPicture(QStringLiteral("fondgris"));
    Label16 = makeLabel(overPeakBar, "Label16", QStringLiteral("Over-Peak"), QRect(6, 4, 64, 17), 12);
    Label17 = makeLabel(overPeakBar, "Label17", QStringLiteral("0"), QRect(72, 4, 28, 17), 12);
    QFont bold = Label16->font();
    bold.setBold(true);
    Label16->setFont(bold);
    Label17->setFont(bold);
    Button6 = new QPushButton(QStringLiteral("RESET"), overPeakBar);
    Button6->setObjectName(QStringLiteral("Button6"));
    Button6->setGeometry(102, 3, 52, 19);
    Button6->setToolTip(QStringLiteral("Click to reset the number of over-peak to 0..."));
    connect(Button6, &QPushButton::clicked, this, &TForm2::Button6Click);
    SpeedButton1 = new QPushButton(QStringLiteral(" No Over-Peak detected..."), overPeakBar);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(158, 3, 256, 19);
    SpeedButton1->setFlat(true);
    SpeedButton1->setToolTip(QStringLiteral("Click to view list of peak..."));
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm2::SpeedButton1Click);
    ComboBox4 = new QComboBox(overPeakBar);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setGeometry(158, 3, 256, 19);
    ComboBox4->setEditable(true);
    ComboBox4->setEditText(QStringLiteral(" No Over-Peak detected..."));
    ComboBox4->setToolTip(QStringLiteral("2xClick to hide the list , click to see the peaks..."));
    QPalette silver = ComboBox4->palette();
    silver.setColor(QPalette::Base, toQColor(clSilver));
    silver.setColor(QPalette::Button, toQColor(clSilver));
    ComboBox4->setPalette(silver);
    ComboBox4->hide();
    ComboBox4->lineEdit()->installEventFilter(this);
    for (QWidget *w : std::initializer_list<QWidget *>{Button6, SpeedButton1, ComboBox4}) {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(11);
        w->setFont(f);
    }

    addCornerPanels(QStringLiteral("Click to hide the VU..."), [this] { Panel2Click(); });

    makeAnimation(toQColor(clSilver));
    TrayIconF1 = new TTrayIcon(this, "TrayIconF1", QStringLiteral("Click to show/hide the VU..."), QStringLiteral("vui"));
    TrayIconF1->OnClick = [this] { TrayIconF1Click(); };
    TrayIconF1->OnDblClick = [this] { TrayIconF1DblClick(); };

    Timer1 = timer(this, "Timer1", 2000);
    Timer4 = timer(this, "Timer4", 2000);
    Timer2 = timer(this, "Timer2", 5000);
    Timer3 = timer(this, "Timer3", 5000);
    Timer6 = timer(this, "Timer6", 1000);
    connect(Timer1, &QTimer::timeout, this, [this] { indicatorOff(Left); });
    connect(Timer4, &QTimer::timeout, this, [this] { indicatorOff(Right); });
    connect(Timer2, &QTimer::timeout, this, [this] { holdExpired(Left); });
    connect(Timer3, &QTimer::timeout, this, [this] { holdExpired(Right); });
    connect(Timer6, &QTimer::timeout, this, &TForm2::Timer6Timer);
}

QString TForm2::eventText(const QString &prefix, int n)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    return (prefix + QString::number(n) + QStringLiteral(" at ") + locale.toString(now.date(), QLocale::ShortFormat)
            + QLatin1Char(' ') + locale.toString(now.time(), QLocale::LongFormat))
        .left(40);
}

QString TForm2::clockText()
{
    const QDateTime now = QDateTime::currentDateTime();
    return meterName + QStringLiteral("  ") + QLocale().toString(now.date(), QLocale::LongFormat)
        + QStringLiteral("  ") + now.toString(QStringLiteral("hh:mm:ss"));
}

void TForm2::LevelStep(Channel c, int n)
{
    const bool left = c == Left;
    int &hold = left ? holdLeft : holdRight;
    QTimer *holdTimer = left ? Timer2 : Timer3;

    if (hold <= n) {
        holdTimer->stop();
        holdTimer->start();
        hold = n;
    }
    shown[c].leds = n;
    shown[c].meter = n;
    shown[c].number = n;
    if (n >= 9) {
        (left ? peaklr : peaklr2)->show();
        QTimer *indicator = left ? Timer1 : Timer4;
        if (!indicator->isActive())
            indicator->start();
        if (overPeakCount < 100) {
            ++overPeakCount;
            const QString entry = eventText(left ? QStringLiteral("L ") : QStringLiteral("R "), n);
            ComboBox4->addItem(entry);
            ComboBox4->setEditText(QLatin1Char(' ') + entry);
            SpeedButton1->setText(entry);
            Label17->setText(QString::number(overPeakCount));
        }
    }
}

void TForm2::showLevels()
{
    for (const Channel c : {Left, Right}) {
        const Shown &v = shown[c];
        const int hold = c == Left ? holdLeft : holdRight;
        std::array<TImage *, 10> &leds = c == Left ? ledLeft : ledRight;
        // LEDs 1 .. n (all ten from level 10), and the hold LED.
        const int lit = std::min(v.leds, 10);
        const int holdLed = std::min(hold, 10);
        for (int k = 1; k <= 10; ++k)
            leds[static_cast<std::size_t>(k - 1)]->setVisible(k <= lit || k == holdLed);
        // Levels above the scale's last mark show it at full scale.
        (c == Left ? vul : vur)->setPicture(QStringLiteral("big/vuf%1").arg(std::min(v.meter, 10)));
        QLabel *number = c == Left ? Label11 : Label15;
        const QString text = QString::number(v.number);
        if (number->text() != text)
            number->setText(text);
    }
}

void TForm2::resetMeters(bool left, bool right)
{
    Label1->hide();
    Label2->hide();
    if (left)
        shown[Left].meter = 0;
    if (right)
        shown[Right].meter = 0;
}

void TForm2::meterPressed(bool soloHint)
{
    shown[Left].meter = shown[Right].meter = 0;
    vul->setPicture(QStringLiteral("big/vuf0"));
    vur->setPicture(QStringLiteral("big/vuf0"));
    Label1->show();
    if (soloHint)
        Label2->show();
    show();
}

void TForm2::Button6Click()
{
    overPeakCount = 0;
    Label17->setText(QStringLiteral("0"));
    ComboBox4->clear();
    ComboBox4->setEditText(QStringLiteral(" No Over-peak detected..."));
    SpeedButton1->setText(QStringLiteral(" No Over-peak detected..."));
}

void TForm2::SpeedButton1Click()
{
    ComboBox4->show();
    ComboBox4->raise();
}

void TForm2::ComboBox4DblClick()
{
    Button6Click();
    ComboBox4->hide();
}

void TForm2::Panel2Click()
{
    TrayIconF1->setPicture(QStringLiteral("vui"));
    SmoothShow1->arm(false);
    hide();
    SmoothShow1->run();
}

void TForm2::indicatorOff(Channel c)
{
    (c == Left ? Timer1 : Timer4)->stop();
    (c == Left ? peaklr : peaklr2)->hide();
}

void TForm2::holdExpired(Channel c)
{
    (c == Left ? Timer2 : Timer3)->stop();
    (c == Left ? holdLeft : holdRight) = 0;
    shown[c].leds = 0;
    for (TImage *led : c == Left ? ledLeft : ledRight)
        led->hide();
}

void TForm2::Timer6Timer()
{
    Label14->setText(clockText());
}

void TForm2::showEvent(QShowEvent *e)
{
    TSkinWindow::showEvent(e);
    Timer6->start();
    Timer6Timer();
    raise();
}

void TForm2::hideEvent(QHideEvent *e)
{
    TSkinWindow::hideEvent(e);
    Timer6->stop();
}

void TForm2::changeEvent(QEvent *e)
{
    TSkinWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (rec)
            rec->Timer1->stop();
        raise();
    }
}

bool TForm2::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == ComboBox4->lineEdit() && e->type() == QEvent::MouseButtonDblClick) {
        ComboBox4DblClick();
        return true;
    }
    return TSkinWindow::eventFilter(watched, e);
}
