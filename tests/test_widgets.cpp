// The skin's pictures and the small widgets the strips are made of.

#include "helpers.h"
#include "ui/pictures.h"
#include "ui/widgets.h"

#include <QImage>
#include <QTest>

namespace {

TEST(Pictures, EveryPictureIsDrawnAtItsSizeAndPixelRatio)
{
    const QStringList needed = {"fondverth", "fondvertv", "bordrh", "bordrv", "fondgris", "fondgrisv", "silverg",
                                "silverd", "whiteg", "whited", "leveln", "levelc", "curseur", "curseur2", "redd",
                                "poisson", "recplay", "recplayno", "soundyesi", "soundyesno", "soundnoi", "reci",
                                "recino", "vui", "vuino", "peaklr", "ledg", "ledy", "ledr"};
    QStringList all = Pictures::names();
    for (const QString &name : needed)
        EXPECT_TRUE(all.contains(name)) << name.toStdString();
    for (int n = 0; n <= 10; ++n) {
        EXPECT_EQ(Pictures::size(QStringLiteral("vuf%1").arg(n)), QSize(25, 12));
        EXPECT_EQ(Pictures::size(QStringLiteral("big/vuf%1").arg(n)), QSize(173, 98));
    }
    EXPECT_EQ(Pictures::size("curseur"), QSize(18, 13));
    EXPECT_EQ(Pictures::size("leveln"), QSize(15, 57));
    EXPECT_TRUE(Pictures::get(QStringLiteral("rien")).isNull()) << "the empty picture";

    for (const QString &name : all) {
        SCOPED_TRACE(name.toStdString());
        const QPixmap crisp = Pictures::get(name, 2.0);
        EXPECT_EQ(crisp.size(), Pictures::size(name) * 2) << "drawn with twice the pixels";
        EXPECT_EQ(crisp.devicePixelRatio(), 2.0);
        // Something is drawn: not every pixel is transparent.
        const QImage image = crisp.toImage();
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) != 0;
        EXPECT_TRUE(drawn);
    }
    // The needle moves with the level.
    EXPECT_NE(Pictures::get("big/vuf0").toImage(), Pictures::get("big/vuf10").toImage());
}

TEST(Widgets, TheValueEditTakesAtMostTwoDigitsAndNothingElse)
{
    QWidget window;
    TMaskEdit edit(&window, "MaskEdit1", QRect(0, 0, 16, 13));
    edit.setText(QString());
    QTest::keyClicks(&edit, "a1-b2 3x");
    EXPECT_EQ(edit.text(), "12");
    edit.setText(QString());
    QTest::keyClicks(&edit, "7");
    EXPECT_EQ(edit.text(), "7");
}

TEST(Widgets, TheKnobKeepsToItsRangeAndReportsEveryChange)
{
    QWidget window;
    TRotaryKnob knob(&window, "RotaryKnob2", QRect(0, 0, 30, 30), 1, 65535);
    int changes = 0;
    knob.OnChange = [&] { ++changes; };
    EXPECT_EQ(knob.Position(), 32767);
    knob.setPosition(32767);
    EXPECT_EQ(changes, 0) << "no change, no report";
    knob.setPosition(0);
    EXPECT_EQ(knob.Position(), 1);
    EXPECT_EQ(changes, 1);
    knob.setPosition(70000);
    EXPECT_EQ(knob.Position(), 65535);

    window.show();
    QTest::mousePress(&knob, Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseMove(&knob, QPoint(15, 135));
    QTest::mouseRelease(&knob, Qt::LeftButton, {}, QPoint(15, 135));
    EXPECT_EQ(knob.Position(), 1) << "dragging down turns it to its lowest";
}

} // namespace
