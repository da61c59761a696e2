#include "binding/strip.h"

#include "ui/panel.h"
#include "ui/widgets.h"

#include <QLabel>

namespace {

constexpr TColor meterYellow = 14548991;

TPanel *smallPanel(QWidget *parent, const char *name, QRect geometry, const QString &caption, const QString &hint)
{
    auto *p = new TPanel(parent, name);
    p->setGeometry(geometry);
    p->setCaption(caption);
    p->setBevelInner(TBevel::bvRaised);
    p->setToolTip(hint);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(9);
    p->setFont(f);
    return p;
}

// One channel of the cursor area: its panel with the two track images, the
// ghost cursor and the cursor.
void buildChannel(QWidget *area, const char *panel, const char *track, const char *trackC, const char *ghost,
                  const char *cursor, int x, TPanel *&outPanel, TImage *&outTrack, TImage *&outTrackC,
                  TImage *&outGhost, TImage *&outCursor)
{
    outPanel = new TPanel(area, panel);
    outPanel->setGeometry(x, 0, 18, 63);
    outPanel->setColor(clSilver);
    outTrack = new TImage(outPanel, track, QRect(2, 3, 15, 57));
    outTrack->Stretch = true;
    outTrackC = new TImage(outPanel, trackC, QRect(2, 3, 15, 57));
    outTrackC->Stretch = true;
    outGhost = new TImage(outPanel, ghost, QRect(0, 0, 18, 13));
    outCursor = new TImage(outPanel, cursor, QRect(0, 0, 18, 13));
    outCursor->setToolTip(QStringLiteral("Drag the cursor to change the volume..."));
    outCursor->setCursor(Qt::SizeVerCursor);
}

} // namespace

bool Strip::inUse() const
{
    return cha->Tag == 0;
}

void buildStrip(Strip &strip, QWidget *window, int number, bool playback)
{
    strip.number = number;
    strip.playback = playback;
    strip.names = &stripNames[number - 1];
    const StripNames &n = *strip.names;
    const bool master = number == 1;
    const bool source = playback && !master; // playback strips 2-12

    strip.cha = new TPanel(window, n.cha);
    strip.cha->setGeometry(11 + (number - 1) * 71, playback ? 16 : 18, 70, 146);
    strip.cha->setColor(clSilver);
    TPanel *cha = strip.cha;

    strip.gsl = new TImage(cha, n.gsl, QRect(0, 0, 18, 146));
    strip.gsl->Stretch = true;
    strip.dsl = new TImage(cha, n.dsl, QRect(52, 0, 18, 146));
    strip.dsl->Stretch = true;

    strip.meterPanel = new TPanel(cha, n.meterPanel);
    strip.meterPanel->setGeometry(6, 17, 56, 16);
    strip.meterPanel->setColor(meterYellow);
    strip.meterPanel->setBevelInner(TBevel::bvRaised);
    strip.peakLabel = makeLabel(strip.meterPanel, n.peakLabel, QStringLiteral("No Peak"), QRect(0, 0, 56, 16), 11,
                                Qt::AlignCenter);
    strip.vul = new TImage(strip.meterPanel, n.vul, QRect(2, 0, 25, 12));
    strip.vur = new TImage(strip.meterPanel, n.vur, QRect(27, 0, 25, 12));
    for (TImage *meter : {strip.vul, strip.vur})
        meter->setToolTip(QStringLiteral("Click on the VU to zoom it..."));

    if (source)
        strip.solo = smallPanel(cha, n.solo, QRect(7, 36, 26, 11), QStringLiteral("solo"),
                                QStringLiteral("Click to listen to the channel in solo..."));
    strip.linked = smallPanel(cha, n.linked, source ? QRect(42, 127, 20, 11) : QRect(7, 36, 26, 11),
                              QStringLiteral("L+R"),
                              QStringLiteral("Click to enable/disable the separate channel edition..."));
    strip.mute = smallPanel(cha, n.mute, QRect(35, 36, 26, 11), QStringLiteral("mute"),
                            playback ? QStringLiteral("Click to mute that channel...")
                                     : QStringLiteral("Click to select that channel..."));
    strip.mute->hide();
    strip.extra1 = smallPanel(cha, n.extra1, QRect(21, 49, 26, 11), QStringLiteral("L+R"),
                              QStringLiteral("Click to enable this extra control..."));
    strip.extra1->hide();
    strip.extra2 = smallPanel(cha, n.extra2, QRect(35, 49, 26, 11), QStringLiteral("L+R"), QString());
    strip.extra2->hide();

    strip.cursorArea = new TPanel(cha, n.cursorArea);
    strip.cursorArea->setGeometry(16, 62, 36, 63);
    strip.cursorArea->setColor(clSilver);
    buildChannel(strip.cursorArea, n.leftPanel, n.leftTrack, n.leftTrackC, n.leftGhost, n.leftCursor, 9,
                 strip.leftPanel, strip.leftTrack, strip.leftTrackC, strip.leftGhost, strip.leftCursor);
    buildChannel(strip.cursorArea, n.rightPanel, n.rightTrack, n.rightTrackC, n.rightGhost, n.rightCursor, 18,
                 strip.rightPanel, strip.rightTrack, strip.rightTrackC, strip.rightGhost, strip.rightCursor);
    strip.rightPanel->hide();

    const int editY = playback ? 126 : 127;
    const int mainX = master ? (playback ? 27 : 26) : 23;
    const int rightX = source ? 47 : 35;
    strip.mainEdit = new TMaskEdit(cha, n.mainEdit, QRect(mainX, editY, 16, 13));
    strip.mainEdit->setText(QStringLiteral("0 "));
    strip.mainEdit->setToolTip(QStringLiteral("You can edit the left and right volume here... "));
    strip.rightEdit = new TMaskEdit(cha, n.rightEdit, QRect(rightX, editY, 16, 13));
    strip.rightEdit->setText(QStringLiteral("0 "));
    strip.rightEdit->setToolTip(QStringLiteral("You can edit the right volume here... "));
    strip.rightEdit->hide();

    const QString up = QStringLiteral("Click to set the volume + 1...");
    const QString down = QStringLiteral("Click to set the volume - 1...");
    const QPoint mainAt = source ? QPoint(10, 123) : QPoint(14, 125);
    const int mainStep = source ? 10 : 9;
    strip.plus = new TSpeedButton(cha, n.plus, QRect(mainAt, QSize(10, 8)), TSpeedButton::Arrow::Up);
    strip.minus = new TSpeedButton(cha, n.minus, QRect(mainAt + QPoint(0, mainStep), QSize(10, 8)),
                                   TSpeedButton::Arrow::Down);
    const QPoint rightAt = source ? QPoint(53, 108) : QPoint(53, 125);
    const int rightStep = source ? 8 : 9;
    strip.rightPlus = new TSpeedButton(cha, n.rightPlus, QRect(rightAt, QSize(10, 8)), TSpeedButton::Arrow::Up);
    strip.rightMinus = new TSpeedButton(cha, n.rightMinus, QRect(rightAt + QPoint(0, rightStep), QSize(10, 8)),
                                        TSpeedButton::Arrow::Down);
    for (TSpeedButton *b : {strip.plus, strip.rightPlus})
        b->setToolTip(up);
    for (TSpeedButton *b : {strip.minus, strip.rightMinus})
        b->setToolTip(down);
    strip.rightPlus->hide();
    strip.rightMinus->hide();

    if (!playback && master) {
        strip.poisson = new TImage(cha, "poisson", QRect(17, 43, 35, 90));
        strip.poisson->setPicture(QStringLiteral("poisson"));
    }

    strip.namePanel = new TPanel(window, n.namePanel);
    strip.namePanel->setGeometry(12 + (number - 1) * 71, 16, 68, 16);
    strip.nameImage = new TImage(strip.namePanel, n.nameImage, QRect(0, 0, 68, 16));
    strip.nameImage->Stretch = true;
    strip.nameLabel = makeLabel(strip.namePanel, n.nameLabel, QStringLiteral("All Play"), QRect(0, 0, 68, 16), 11,
                                Qt::AlignCenter, QStringLiteral("Sans Serif"));
    strip.nameLabel->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    QPalette pal = strip.nameLabel->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    strip.nameLabel->setPalette(pal);
}
