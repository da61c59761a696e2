// What a strip does with the mouse and the keyboard, checked on the card.

#include "helpers.h"
#include "mixer/audiomixer.h"
#include "strips/volumescale.h"
#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

// Playback: master and eleven stereo sources with volume and mute, source 1
// with an on/off switch; recording: a selector over three sources.
std::string stripsCard(const std::string &selector = "mux")
{
    std::string sources;
    for (int i = 0; i < 11; ++i) {
        sources += std::string(i ? "," : "") + R"({"name":")" + (i == 10 ? "Twelve chars" : "Src " + std::to_string(i))
            + R"(","controls":[{"type":"volume","name":"v","values":[30000,30000]},
                 {"type":"mute","name":"m","uniform":true,"values":0})";
        if (i == 1)
            sources += R"(,{"type":"onoff","name":"Boost","uniform":true,"values":0})";
        sources += "]}";
    }
    return R"({"name":"Strips","destinations":[
      {"name":"Speakers","type":"speakers","controls":[{"type":"volume","name":"v","values":[65535,65535]},
         {"type":"mute","name":"m","uniform":true,"values":0}],"sources":[)" + sources + R"(]},
      {"name":"Recording","type":"wavein","controls":[
         {"type":")" + selector + R"(","name":"Select","uniform":true,"items":3,"values":[1,0,0]},
         {"type":"volume","name":"Rec","values":[40000,40000]}],
       "sources":[{"name":"Mic","channels":1,"controls":[{"type":"volume","name":"v","values":[20000]}]},
                  {"name":"Line","controls":[{"type":"volume","name":"v","values":[20000,20000]}]},
                  {"name":"Mix","controls":[{"type":"volume","name":"v","values":[20000,20000]}]}]}]})";
}

class Strips : public WindowsTest
{
protected:
    void startShown(const std::string &card = stripsCard())
    {
        start({card});
        Form1->move(0, 0);
        Form1->show();
        rec->move(0, 200);
        rec->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(rec));
        settle();
    }
    // Lets the card's notices and the refreshes they cause run out.
    static void settle()
    {
        for (int i = 0; i < 10; ++i)
            processEvents();
    }
    std::vector<int32_t> &volume(int dest, int source)
    {
        return driver->findControl(0, dest, source, MIXERCONTROL_CONTROLTYPE_VOLUME)->values;
    }
    std::vector<int32_t> &mute(int source)
    {
        return driver->findControl(0, 0, source, MIXERCONTROL_CONTROLTYPE_MUTE)->values;
    }
    static void typeInto(TMaskEdit *edit, const char *text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void press(QWidget *w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(3, 3)); }
    static void release(QWidget *w) { QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(3, 3)); }
    static void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3)); }
    static bool muted(const Strip &s) { return s.mute->Color() == clRed && s.mute->BevelInner() == TBevel::bvLowered; }
};

TEST(VolumeScale, WorkedValues)
{
    using namespace VolumeScale;
    struct Row
    {
        int32_t raw;
        const char *text;
        int position;
    };
    const Row rows[] = {{-1, "0", 50},    {0, "0", 50},     {654, "0", 50},     {655, "1", 50},
                        {1309, "1", 50},  {1310, "2", 49},  {32767, "50", 25},  {63535, "97", 2},
                        {64190, "98", 1}, {64845, "99", 1}, {65499, "99", 1},   {65500, "99", 0},
                        {65535, "99", 0}};
    for (const Row &r : rows) {
        SCOPED_TRACE(r.raw);
        EXPECT_EQ(rawToText(r.raw), r.text);
        EXPECT_EQ(rawToPosition(r.raw), r.position);
    }
    EXPECT_EQ(positionToText(0), "99");
    EXPECT_EQ(positionToText(1), "97");
    EXPECT_EQ(positionToText(49), "1");
    EXPECT_EQ(positionToText(50), "0");
    EXPECT_EQ(editedRaw(99), 65535);
    EXPECT_EQ(carriedRaw(99), 64845);
    EXPECT_EQ(editedRaw(45), 29475);
}

TEST_F(Strips, AReadShowsTheCardAndWritesItsShownValueBack)
{
    startShown();
    Strip &s = Form1->strip(2);
    EXPECT_EQ(s.mainEdit->text(), "45");
    EXPECT_EQ(s.leftCursor->y(), 28);
    EXPECT_EQ(s.leftGhost->y(), 28);
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{29475, 29475}));
    EXPECT_EQ(Form1->strip(1).mainEdit->text(), "99");
    EXPECT_EQ(Form1->strip(1).leftCursor->y(), 0);

    struct Case
    {
        std::vector<int32_t> card;
        const char *main, *right;
        int leftPos, rightPos;
    };
    const Case cases[] = {
        {{64845, 64845}, "99", "99", 1, 1},
        {{0, 0}, "0", "0", 50, 50},
        {{0, 65535}, "0", "99", 50, 0},
    };
    Form1->linkedMouseDown(2); // separate, so both channels show their own values
    busyState = 1;             // read by hand, without the refreshes the write-back causes
    for (const Case &c : cases) {
        driver->changeValues(0, *driver->findControl(0, 0, 0, MIXERCONTROL_CONTROLTYPE_VOLUME), c.card);
        Form1->getc(2);
        EXPECT_EQ(s.mainEdit->text(), c.main);
        EXPECT_EQ(s.rightEdit->text(), c.right);
        EXPECT_EQ(s.leftCursor->y(), c.leftPos);
        EXPECT_EQ(s.rightCursor->y(), c.rightPos);
    }
    reverseLR = true;
    Form1->getc(2);
    EXPECT_EQ(s.mainEdit->text(), "99") << "the first channel is the right one";
    EXPECT_EQ(s.rightEdit->text(), "0");
}

TEST_F(Strips, ALineWithoutVolumeShowsZeroAtTheBottom)
{
    startShown(R"({"name":"NoVol","destinations":[{"name":"Speakers","type":"speakers","controls":[
        {"type":"mute","name":"m","uniform":true,"values":1}]}]})");
    Strip &s = Form1->strip(1);
    EXPECT_EQ(s.mainEdit->text(), "0");
    EXPECT_EQ(s.leftCursor->y(), 50);
    EXPECT_TRUE(muted(s));
}

TEST_F(Strips, TypingWritesAtOnce)
{
    startShown();
    Strip &s = Form1->strip(2);
    typeInto(s.mainEdit, "5");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{3275, 3275}));
    EXPECT_EQ(s.leftCursor->y(), 48);
    EXPECT_EQ(s.rightCursor->y(), 48);

    s.mainEdit->selectAll();
    QTest::keyClick(s.mainEdit, Qt::Key_Backspace);
    EXPECT_EQ(s.mainEdit->text(), "0") << "a cleared edit becomes 0";
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{0, 0}));

    // Separate: each edit drives its channel and carries the other.
    Form1->linkedMouseDown(2);
    typeInto(s.rightEdit, "7");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{0, 4585}));
    EXPECT_EQ(s.rightCursor->y(), 47);
    typeInto(s.rightEdit, "99");
    typeInto(s.mainEdit, "99");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{65535, 64845})) << "the carried channel stops at 64845";

    reverseLR = true;
    typeInto(s.mainEdit, "10");
    typeInto(s.rightEdit, "20");
    typeInto(s.mainEdit, "11");
    typeInto(s.mainEdit, "10");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{13100, 6550}));
}

TEST_F(Strips, DraggingACursorWritesLiveAndTheLinkedChannelFollows)
{
    startShown();
    Strip &s = Form1->strip(2);
    driver->changeValues(0, *driver->findControl(0, 0, 0, MIXERCONTROL_CONTROLTYPE_VOLUME), {65535, 65535});
    settle();
    ASSERT_EQ(s.leftCursor->y(), 0);

    QTest::mousePress(s.leftCursor, Qt::LeftButton, {}, QPoint(9, 5));
    EXPECT_EQ(busyState, 2);
    EXPECT_FALSE(s.leftCursor->isVisible());
    EXPECT_TRUE(s.leftGhost->isVisible());
    EXPECT_FALSE(s.leftTrack->isVisible());
    EXPECT_TRUE(s.leftTrackC->isVisible());
    EXPECT_EQ(dragOrigin, -5);

    QTest::mouseMove(s.leftCursor, QPoint(9, 25));
    EXPECT_EQ(s.leftGhost->y(), 20);
    EXPECT_EQ(s.mainEdit->text(), "59");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{38645, 38645}));
    EXPECT_EQ(s.rightCursor->y(), 20) << "the linked right channel follows";
    EXPECT_EQ(s.rightGhost->y(), 20);

    // A change by another program during the drag does not move the cursor.
    driver->changeValues(0, *driver->findControl(0, 0, 0, MIXERCONTROL_CONTROLTYPE_VOLUME), {0, 0});
    settle();
    EXPECT_EQ(s.mainEdit->text(), "59");

    QTest::mouseMove(s.leftCursor, QPoint(9, -40));
    EXPECT_EQ(s.mainEdit->text(), "99") << "clamped at the top";
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{65535, 65535}));
    QTest::mouseMove(s.leftCursor, QPoint(9, 200));
    EXPECT_EQ(s.mainEdit->text(), "0") << "clamped at the bottom";
    QTest::mouseMove(s.leftCursor, QPoint(9, 7));
    QTest::mouseRelease(s.leftCursor, Qt::LeftButton, {}, QPoint(9, 7));
    EXPECT_EQ(busyState, 0);
    EXPECT_EQ(s.leftCursor->y(), 2);
    EXPECT_TRUE(s.leftCursor->isVisible());
    EXPECT_FALSE(s.leftGhost->isVisible());
    EXPECT_TRUE(s.leftTrack->isVisible());
    EXPECT_EQ(s.rightCursor->y(), 2);
    EXPECT_EQ(s.mainEdit->text(), "95");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{62225, 62225}));
}

TEST_F(Strips, DraggingTheRightCursorLeavesTheLeftAlone)
{
    startShown();
    Strip &s = rec->strip(3); // a stereo recording line starts separate
    ASSERT_TRUE(s.rightCursor->isVisible());
    const int leftBefore = s.leftCursor->y();
    QTest::mousePress(s.rightCursor, Qt::LeftButton, {}, QPoint(9, 0));
    QTest::mouseMove(s.rightCursor, QPoint(9, -100));
    QTest::mouseRelease(s.rightCursor, Qt::LeftButton, {}, QPoint(9, -100));
    EXPECT_EQ(s.rightEdit->text(), "99");
    EXPECT_EQ(volume(1, 1), (std::vector<int32_t>{19650, 65535}));
    EXPECT_EQ(s.leftCursor->y(), leftBefore);
}

TEST_F(Strips, StepButtonsStepOnceAClickAndRepeatWhileHeld)
{
    startShown();
    Strip &s = Form1->strip(2);
    typeInto(s.mainEdit, "98");
    click(s.plus);
    EXPECT_EQ(s.mainEdit->text(), "99");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{65535, 65535}));
    click(s.plus);
    EXPECT_EQ(s.mainEdit->text(), "99");

    typeInto(s.mainEdit, "3");
    press(s.minus);
    EXPECT_EQ(repeatCode, 212);
    EXPECT_EQ(busyState, 1);
    EXPECT_TRUE(Form1->Timer4->isActive());
    EXPECT_EQ(Form1->Timer4->interval(), 75);
    for (int tick = 0; tick < 5; ++tick)
        Form1->Timer4Timer();
    EXPECT_EQ(s.mainEdit->text(), "0") << "one step a tick, then it stays";
    QTest::mouseRelease(s.minus, Qt::LeftButton, {}, QPoint(50, 50)); // released off the button
    EXPECT_EQ(repeatCode, 0);
    EXPECT_EQ(busyState, 0);
    EXPECT_FALSE(Form1->Timer4->isActive());
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{0, 0}));

    // The recording window repeats every 100 ms, with the same codes.
    Strip &r = rec->strip(3);
    press(r.rightPlus);
    EXPECT_EQ(repeatCode, 321);
    EXPECT_EQ(rec->Timer4->interval(), 100);
    rec->Timer4Timer();
    release(r.rightPlus);
    EXPECT_EQ(r.rightEdit->text(), "32") << "one tick and the click on release";
}

TEST_F(Strips, TheWheelStepsTheChannelUnderIt)
{
    startShown();
    Strip &s = Form1->strip(4);
    QWheelEvent up(QPointF(5, 5), s.leftPanel->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 240), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(s.leftPanel, &up);
    EXPECT_EQ(s.mainEdit->text(), "47");
    EXPECT_EQ(volume(0, 2), (std::vector<int32_t>{30785, 30785}));
    QWheelEvent down(QPointF(5, 5), s.leftPanel->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(s.cursorArea, &down);
    EXPECT_EQ(s.mainEdit->text(), "46");
    EXPECT_EQ(busyState, 0);
}

TEST_F(Strips, SoloRemembersEachStripsOwnMute)
{
    startShown();
    press(Form1->strip(5).mute);
    release(Form1->strip(5).mute);
    EXPECT_EQ(Form1->strip(5).mute->Tag, 1);
    EXPECT_EQ(mute(3), std::vector<int32_t>{1});

    press(Form1->strip(3).solo);
    EXPECT_EQ(Form1->strip(3).solo->Color(), clLime);
    for (int k = 2; k <= 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(muted(Form1->strip(k)), k != 3);
        EXPECT_EQ(mute(k - 2), std::vector<int32_t>{k != 3 ? 1 : 0});
    }
    EXPECT_FALSE(muted(Form1->strip(1))) << "the master is never touched";

    // Solo moves to another strip in one press.
    press(Form1->strip(6).solo);
    EXPECT_TRUE(muted(Form1->strip(3)));
    EXPECT_FALSE(muted(Form1->strip(6)));
    EXPECT_EQ(Form1->strip(3).solo->Color(), clSilver);

    press(Form1->strip(6).solo);
    for (int k = 2; k <= 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(muted(Form1->strip(k)), k == 5);
        EXPECT_EQ(mute(k - 2), std::vector<int32_t>{k == 5 ? 1 : 0});
    }
    settle();
    EXPECT_EQ(Form1->strip(5).mute->Tag, 1) << "reads do not touch the remembered mute";
}

TEST_F(Strips, SoloLeavesHiddenStripsAlone)
{
    start({stripsCard()});
    Form4->playBox(9)->setChecked(false);
    busyState = 1;
    Form1->Button1Click();
    Form1->Button5Click();
    Form1->soloMouseDown(4);
    EXPECT_EQ(mute(7), std::vector<int32_t>{0}) << "strip 9's line is not muted";
    EXPECT_FALSE(muted(Form1->strip(9)));
    EXPECT_TRUE(muted(Form1->strip(10)));
}

TEST_F(Strips, LinkingASeparateStripWritesTheMainValueToBoth)
{
    startShown();
    Strip &s = Form1->strip(2);
    press(s.linked);
    EXPECT_EQ(s.linked->Caption(), "L|R");
    EXPECT_EQ(s.linked->BevelInner(), TBevel::bvLowered);
    EXPECT_EQ(s.linked->x(), 24);
    EXPECT_TRUE(s.rightEdit->isVisible());
    EXPECT_EQ(s.mainEdit->x(), 5);
    EXPECT_EQ(s.leftPanel->x(), 0);
    typeInto(s.mainEdit, "30");
    typeInto(s.rightEdit, "70");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{19650, 45850}));

    press(s.linked);
    EXPECT_EQ(s.linked->Caption(), "L+R");
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{19650, 19650}));
    EXPECT_FALSE(s.rightEdit->isVisible());
    EXPECT_EQ(s.mainEdit->x(), 23);
    EXPECT_EQ(busyState, 0);

    press(s.linked);
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{19650, 19650})) << "separating writes nothing";
    EXPECT_EQ(s.rightEdit->text(), "30");
}

TEST_F(Strips, ExtraSwitchesAreWrittenWithEveryMainWrite)
{
    startShown();
    Strip &s = Form1->strip(3);
    VirtualControl *boost = driver->findControl(0, 0, 1, MIXERCONTROL_CONTROLTYPE_ONOFF);
    ASSERT_TRUE(s.extra1->isVisible());
    press(s.extra1);
    release(s.extra1);
    EXPECT_EQ(s.extra1->Color(), clLime);
    EXPECT_EQ(boost->values, std::vector<int32_t>{1});
    EXPECT_EQ(busyState, 0);

    busyState = 2; // another program switches it off, unseen
    driver->changeValues(0, *boost, {0});
    settle();
    busyState = 0;
    typeInto(s.mainEdit, "12");
    EXPECT_EQ(boost->values, std::vector<int32_t>{1}) << "the shown state goes with the volume";

    press(s.extra1);
    release(s.extra1);
    EXPECT_EQ(boost->values, std::vector<int32_t>{0});
}

TEST_F(Strips, ChannelSwapExchangesWhatTheEditsWrite)
{
    startShown();
    press(Form1->lrrl);
    EXPECT_TRUE(reverseLR);
    EXPECT_EQ(Form1->lrrl->Caption(), "<R L>");
    Strip &s = Form1->strip(2);
    Form1->linkedMouseDown(2);
    typeInto(s.rightEdit, "20");
    click(s.plus);
    EXPECT_EQ(volume(0, 0), (std::vector<int32_t>{13100, 30130}));
    press(Form1->lrrl);
    EXPECT_FALSE(reverseLR);
    EXPECT_EQ(Form1->lrrl->BevelInner(), TBevel::bvRaised);
}

TEST_F(Strips, RecordingSelectThroughAMux)
{
    startShown();
    VirtualControl *mux = driver->findControl(0, 1, -1, MIXERCONTROL_CONTROLTYPE_MUX);
    EXPECT_TRUE(muted(rec->strip(2))) << "the card selects the first source";
    EXPECT_EQ(rec->strip(2).nameImage->Picture(), "redd");
    press(rec->strip(4).mute);
    EXPECT_TRUE(muted(rec->strip(4)));
    EXPECT_FALSE(muted(rec->strip(2)));
    release(rec->strip(4).mute);
    EXPECT_EQ(mux->values, (std::vector<int32_t>{0, 0, 1}));
    settle();
    EXPECT_TRUE(muted(rec->strip(4)));
    EXPECT_EQ(rec->strip(4).nameImage->Picture(), "redd");
    EXPECT_EQ(rec->strip(4).nameLabel->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(rec->strip(2).nameImage->Picture(), "fondgris");
    EXPECT_EQ(rec->strip(2).nameLabel->palette().color(QPalette::WindowText), QColor(Qt::black));

    press(rec->strip(4).mute); // the only selected one: deselect
    EXPECT_FALSE(muted(rec->strip(4)));
    release(rec->strip(4).mute);
    settle();
    EXPECT_EQ(mux->values, (std::vector<int32_t>{0, 0, 1})) << "a single-select keeps one source";
    Form1->Button5Click();
    EXPECT_TRUE(muted(rec->strip(4))) << "the next read shows the card's state";
}

TEST_F(Strips, RecordingSelectThroughAMixerKeepsTheOthers)
{
    startShown(stripsCard("mixer"));
    // Without a MUX there are no select buttons; the card's MIXER is still
    // what a select writes through.
    VirtualControl *mixer = driver->findControl(0, 1, -1, MIXERCONTROL_CONTROLTYPE_MIXER);
    rec->muteMouseDown(4);
    EXPECT_FALSE(muted(rec->strip(2))) << "shown deselected for a moment";
    settle();
    EXPECT_EQ(mixer->values, (std::vector<int32_t>{1, 0, 1}));
    EXPECT_TRUE(muted(rec->strip(2))) << "the card kept it selected";
    EXPECT_TRUE(muted(rec->strip(4)));
}

TEST_F(Strips, PressingANameShowsItWhole)
{
    startShown();
    Strip &s = Form1->strip(12);
    const int home = s.namePanel->Tag;
    ASSERT_EQ(home, 12 * 71 + 11);
    press(s.nameLabel);
    EXPECT_EQ(s.namePanel->width(), 99);
    EXPECT_EQ(s.namePanel->height(), 32);
    EXPECT_EQ(s.namePanel->x(), home - 31);
    EXPECT_EQ(s.nameLabel->y(), 8);
    EXPECT_EQ(s.nameLabel->width(), 99);
    release(s.nameLabel);
    EXPECT_EQ(s.namePanel->geometry(), QRect(home, 16, 68, 16));
    EXPECT_EQ(s.nameLabel->geometry(), QRect(0, 0, 68, 16));

    press(Form1->strip(2).nameLabel); // "Src 0": short names keep 68
    EXPECT_EQ(Form1->strip(2).namePanel->width(), 68);
    release(Form1->strip(2).nameLabel);

    press(Form1->Label6); // "All tune"
    EXPECT_EQ(Form1->toneName->size(), QSize(71, 32));
    release(Form1->Label6);
    EXPECT_EQ(Form1->toneName->size(), QSize(68, 16)) << "68 wide after the first release";
}

TEST_F(Strips, PressingTheLeftFrameHidesIt)
{
    startShown();
    ASSERT_TRUE(Form1->frameLeft->isVisible());
    EXPECT_EQ(Form1->frameLeft->objectName(), "Image2");
    click(Form1->frameRight);
    EXPECT_FALSE(Form1->frameLeft->isVisible());
}

} // namespace
