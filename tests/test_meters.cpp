// Level meters, the over-peak window and the tone knobs, with the meter
// clock and the meter values driven by the test.

#include "helpers.h"
#include "mixer/audiomixer.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class Meters : public WindowsTest
{
protected:
    void startClassic()
    {
        start({readFile("classic-codec.json"), readFile("usb-headset.json")});
        Form1->meterClock = [this] { return now; };
        Form1->meterFrameInterval = 0;
        master = driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_PEAKMETER);
        ASSERT_NE(master, nullptr);
    }
    static std::string readFile(const char *name)
    {
        QFile f(sourceDir() + "/cards/" + name);
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }
    // One polling pass 10 ms after the last one.
    void pass()
    {
        now += 10;
        Form1->PollMeters();
    }
    void level(int32_t left, int32_t right)
    {
        driver->setMeter(*master, {left, right});
        pass();
    }
    int litLeds(const std::array<TImage *, 10> &leds)
    {
        int lit = 0;
        for (TImage *led : leds)
            lit += led->isVisibleTo(Form2) ? 1 : 0;
        return lit;
    }
    std::vector<int> litList(const std::array<TImage *, 10> &leds)
    {
        std::vector<int> lit;
        for (int k = 1; k <= 10; ++k)
            if (leds[static_cast<std::size_t>(k - 1)]->isVisibleTo(Form2))
                lit.push_back(k);
        return lit;
    }

    int64_t now = 1000;
    VirtualControl *master = nullptr;
};

TEST_F(Meters, TheListHoldsEveryLineWithAMeterOnEveryDevice)
{
    startClassic();
    std::vector<std::tuple<int, int, int>> lines;
    for (const TForm1::MeterLine &m : Form1->ListView)
        lines.emplace_back(m.device, m.destination, m.connection);
    EXPECT_EQ(lines, (std::vector<std::tuple<int, int, int>>{{0, 0, -1}, {0, 0, 0}, {0, 1, -1}, {1, 0, 0}}));
    EXPECT_EQ(Form1->ListView[1].name, "Wave");
    EXPECT_TRUE(Form1->meterTimer->isActive());
    EXPECT_EQ(Form1->meterTimer->interval(), 10);
}

TEST_F(Meters, LevelScale)
{
    startClassic();
    struct Row
    {
        int32_t value;
        const char *number; // the left level label
        const char *picture; // the master strip's left meter
    };
    const Row rows[] = {{2000, "1", "vuf1"},      {18000, "9", "vuf9"},    {20000, "10", "vuf10"},
                        {32767, "16", "vuf10"},   {-32768, "16", "vuf10"}, {1999, "16", "vuf10"}};
    for (const Row &r : rows) {
        SCOPED_TRACE(r.value);
        level(r.value, 0);
        EXPECT_EQ(Form2->Label11->text(), r.number) << "level 0 changes nothing";
        EXPECT_EQ(Form1->strip(1).vul->Picture(), r.picture);
    }
    level(32767, 0);
    EXPECT_EQ(Form2->vul->Picture(), "big/vuf10") << "above the scale shows full scale";
    level(1999, 0);
    EXPECT_EQ(Form2->vul->Picture(), "big/vuf0") << "each pass starts from level 0";
}

TEST_F(Meters, PassesAreAtLeastTenMillisecondsApart)
{
    startClassic();
    level(4000, 4000);
    EXPECT_EQ(Form2->Label11->text(), "2");
    driver->setMeter(*master, {8000, 8000});
    now += 5;
    Form1->PollMeters();
    EXPECT_EQ(Form2->Label11->text(), "2") << "too soon: nothing read";
    now += 5;
    Form1->PollMeters();
    EXPECT_EQ(Form2->Label11->text(), "4");
}

TEST_F(Meters, TheMetersAreDrawnAtMostOnceAFrame)
{
    startClassic();
    Form1->meterFrameInterval = 40;
    level(8000, 8000); // first frame
    EXPECT_EQ(Form1->strip(1).vul->Picture(), "vuf4");
    EXPECT_EQ(Form2->vul->Picture(), "big/vuf4");
    level(18000, 18000);
    EXPECT_EQ(Form2->vul->Picture(), "big/vuf4") << "drawn at the next frame";
    EXPECT_EQ(overPeakCount, 2) << "but counted at once";
    level(12000, 12000);
    level(12000, 12000);
    EXPECT_EQ(Form2->vul->Picture(), "big/vuf4");
    level(12000, 12000); // 40 ms after the last frame
    EXPECT_EQ(Form2->vul->Picture(), "big/vuf6") << "the frame shows the latest pass";
    EXPECT_EQ(Form1->strip(1).vul->Picture(), "vuf6");
    EXPECT_EQ(holdLeft, 9);
}

TEST_F(Meters, LedColumnsAndHold)
{
    startClassic();
    level(18000, 0); // level 9
    EXPECT_EQ(litList(Form2->ledLeft), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(Form2->peaklr->isVisibleTo(Form2));
    EXPECT_TRUE(Form2->Timer1->isActive());
    EXPECT_EQ(holdLeft, 9);
    level(6000, 0); // level 3 within the hold
    EXPECT_EQ(litList(Form2->ledLeft), (std::vector<int>{1, 2, 3, 9})) << "3 LEDs and the hold LED";
    EXPECT_EQ(holdLeft, 9);

    Form2->holdExpired(TForm2::Left); // 5000 ms after the 9
    EXPECT_EQ(holdLeft, 0);
    EXPECT_EQ(litLeds(Form2->ledLeft), 0);
    level(8000, 0);
    EXPECT_EQ(holdLeft, 4);
    EXPECT_EQ(litList(Form2->ledLeft), (std::vector<int>{1, 2, 3, 4}));

    level(32767, 0); // level 16
    EXPECT_EQ(litLeds(Form2->ledLeft), 10);
    EXPECT_EQ(holdLeft, 16);
    Form2->indicatorOff(TForm2::Left);
    EXPECT_FALSE(Form2->peaklr->isVisibleTo(Form2));
    EXPECT_FALSE(Form2->Timer1->isActive());
}

TEST_F(Meters, OverPeaksAreCountedListedAndCappedAtAHundred)
{
    startClassic();
    level(18000, 20000);
    EXPECT_EQ(overPeakCount, 2) << "one for each channel";
    EXPECT_EQ(Form2->Label17->text(), "2");
    ASSERT_EQ(Form2->ComboBox4->count(), 2);
    const QString first = Form2->ComboBox4->itemText(0);
    EXPECT_TRUE(first.startsWith("L 9 at ")) << first.toStdString();
    EXPECT_TRUE(Form2->ComboBox4->itemText(1).startsWith("R 10 at "));
    EXPECT_EQ(Form2->SpeedButton1->text(), Form2->ComboBox4->itemText(1));
    EXPECT_EQ(Form2->ComboBox4->currentText(), " " + Form2->ComboBox4->itemText(1));

    for (int i = 0; i < 60; ++i)
        level(32767, 32767);
    EXPECT_EQ(overPeakCount, 100);
    EXPECT_EQ(Form2->Label17->text(), "100");
    EXPECT_EQ(Form2->ComboBox4->count(), 100);
    EXPECT_TRUE(Form2->peaklr2->isVisibleTo(Form2)) << "over-peaks still light the indicators";

    const int ledsBefore = litLeds(Form2->ledLeft);
    Form2->Button6->click();
    EXPECT_EQ(overPeakCount, 0);
    EXPECT_EQ(Form2->Label17->text(), "0");
    EXPECT_EQ(Form2->ComboBox4->count(), 0);
    EXPECT_EQ(Form2->SpeedButton1->text(), " No Over-peak detected...");
    EXPECT_EQ(Form2->ComboBox4->currentText(), " No Over-peak detected...");
    EXPECT_EQ(litLeds(Form2->ledLeft), ledsBefore) << "RESET leaves the LEDs";
    EXPECT_EQ(holdLeft, 16);

    Form2->SpeedButton1->click();
    EXPECT_TRUE(Form2->ComboBox4->isVisibleTo(Form2));
    level(20000, 0);
    Form2->ComboBox4DblClick();
    EXPECT_EQ(overPeakCount, 0);
    EXPECT_FALSE(Form2->ComboBox4->isVisibleTo(Form2));
}

TEST(OverPeakWindow, EntriesAreCutToFortyCharacters)
{
    const QString entry = TForm2::eventText(QStringLiteral("L "), 16);
    EXPECT_LE(entry.size(), 40);
    EXPECT_TRUE(entry.startsWith("L 16 at "));
    const QString longer = TForm2::eventText(QString(50, QLatin1Char('x')), 9);
    EXPECT_EQ(longer.size(), 40);
}

TEST_F(Meters, PressingAMeterChoosesTheLine)
{
    CardLayout layout;
    layout.playSources = 11;
    start({layoutCard(layout)});
    Form1->meterClock = [this] { return now; };
    Form1->meterFrameInterval = 0;
    Form1->meterMouseDown(12);
    EXPECT_EQ(meterDest, playDest);
    EXPECT_EQ(meterSel, 10);
    EXPECT_EQ(meterName, "Play 10");
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_TRUE(Form2->Label1->isVisibleTo(Form2));
    EXPECT_TRUE(Form2->Label2->isVisibleTo(Form2)) << "the solo hint";
    EXPECT_EQ(Form2->vul->Picture(), "big/vuf0");

    Form1->soloMouseDown(12);
    Form1->meterMouseDown(12);
    EXPECT_EQ(meterSel, -1) << "a strip in solo is metered through its destination";

    Form2->hide();
    Form2->Label2->hide();
    rec->meterMouseDown(3);
    EXPECT_EQ(meterDest, recDest);
    EXPECT_EQ(meterSel, 1);
    EXPECT_FALSE(Form2->Label2->isVisibleTo(Form2)) << "no solo hint from the recording window";
    rec->meterMouseUp();
    EXPECT_EQ(Form2->frameTop->Picture(), "bordrh");
    Form1->meterMouseUp();
    EXPECT_EQ(Form2->frameLeft->Picture(), "fondvertv");

    // This card has no meters at all: the message stays up, and nothing is
    // polled.
    pass();
    EXPECT_TRUE(Form2->Label1->isVisibleTo(Form2));
    EXPECT_FALSE(Form1->meterTimer->isActive());
}

TEST_F(Meters, ALineWithoutAMeterLeavesTheMessageUp)
{
    startClassic();
    Form1->meterMouseDown(4); // SW Synth has no meter
    level(30000, 30000);
    EXPECT_TRUE(Form2->Label1->isVisibleTo(Form2));
    EXPECT_EQ(litLeds(Form2->ledLeft), 0);
    Form1->meterMouseDown(2); // Wave has one
    driver->setMeter(*driver->findControl(0, 0, 0, MIXERCONTROL_CONTROLTYPE_PEAKMETER), {10000, 4000});
    pass();
    EXPECT_FALSE(Form2->Label1->isVisibleTo(Form2));
    EXPECT_EQ(Form2->Label11->text(), "5");
    EXPECT_EQ(Form2->Label15->text(), "2");
}

TEST_F(Meters, AMonoLineShowsItsOneChannelOnBothSides)
{
    start({readFile("usb-headset.json")});
    Form1->meterClock = [this] { return now; };
    Form1->meterFrameInterval = 0;
    Form1->meterMouseDown(2);
    VirtualControl *wave = driver->findControl(0, 0, 0, MIXERCONTROL_CONTROLTYPE_PEAKMETER);
    // A mono meter on a mono line: make the line mono for this test.
    driver->card(0).line(0, 0)->info.cChannels = 1;
    wave->storedChannels = 1;
    wave->values.resize(1);
    Form1->Mixer->setMixerId(0);
    driver->setMeter(*wave, {12000});
    pass();
    EXPECT_EQ(Form2->Label11->text(), "6");
    EXPECT_EQ(Form2->Label15->text(), "6");
}

TEST_F(Meters, TheClockRunsWhileTheWindowShows)
{
    startClassic();
    Form2->show();
    EXPECT_TRUE(Form2->Timer6->isActive());
    EXPECT_TRUE(Form2->Label14->text().startsWith(meterName + "  "));
    Form2->hide();
    EXPECT_FALSE(Form2->Timer6->isActive());
}

class Tone : public Meters
{
};

TEST_F(Tone, KnobsShowAndWriteTheirControls)
{
    startClassic();
    VirtualControl *treble = driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_TREBLE);
    VirtualControl *bass = driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_BASS);
    EXPECT_EQ(Form1->RotaryKnob1->Position(), 32767);
    EXPECT_EQ(Form1->MaskEdit3->text(), "50");

    driver->changeValues(0, *treble, {40000});
    for (int i = 0; i < 5; ++i)
        processEvents();
    EXPECT_EQ(Form1->RotaryKnob1->Position(), 40000) << "the refresh reads the knob back";
    EXPECT_EQ(Form1->MaskEdit3->text(), "61");
    EXPECT_EQ(treble->values, std::vector<int32_t>{40000});

    Form1->MaskEdit3->setText("45");
    EXPECT_EQ(treble->values, std::vector<int32_t>{29475});
    EXPECT_EQ(Form1->MaskEdit3->text(), "45");
    Form1->MaskEdit3->setText("99");
    EXPECT_EQ(treble->values, std::vector<int32_t>{65535});

    Form1->RotaryKnob2->setPosition(0);
    EXPECT_EQ(bass->values, std::vector<int32_t>{1}) << "the bass knob's lowest point is 1";
    EXPECT_EQ(Form1->MaskEdit4->text(), "0");
    Form1->stepButton(22);
    EXPECT_EQ(Form1->MaskEdit4->text(), "0") << "-1 at 0 does nothing";
    Form1->stepButton(21);
    EXPECT_EQ(bass->values, std::vector<int32_t>{655});
    EXPECT_EQ(busyState, 0);

    // Holding treble +1: one step a tick, and one more on release.
    Form1->MaskEdit3->setText("50");
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    QTest::mousePress(Form1->treplus, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(repeatCode, 11);
    for (int i = 0; i < 6; ++i)
        Form1->Timer4Timer();
    QTest::mouseRelease(Form1->treplus, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Form1->MaskEdit3->text(), "57");
    EXPECT_EQ(treble->values, std::vector<int32_t>{57 * 655});
}

TEST_F(Tone, AnUnboundKnobSpringsBack)
{
    start({readFile("usb-headset.json")});
    EXPECT_FALSE(hasTreble);
    EXPECT_FALSE(Form1->MaskEdit3->isEnabled());
    EXPECT_EQ(Form1->RotaryKnob1->toolTip(), "No treble edition with that soundcard...");
    Form1->RotaryKnob1->setPosition(10000);
    EXPECT_EQ(Form1->RotaryKnob1->Position(), 32767);
    EXPECT_EQ(Form1->MaskEdit3->text(), "50");
    EXPECT_EQ(busyState, 0);
}

} // namespace
