// Start-up, set-up, refresh, card switching and the change notices.

#include "helpers.h"
#include "mixer/audiomixer.h"
#include "shell/entry.h"
#include "shell/globals.h"
#include "shell/singleinstance.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/panel.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

namespace {

class Shell : public WindowsTest
{
protected:
    // Counts the refreshes that change notices start.
    int countNoticesUntilQuiet()
    {
        int notices = 0;
        TMixerChange original = Form1->Mixer->OnControlChange;
        Form1->Mixer->OnControlChange = [&](TAudioMixer *s, uint32_t h, uint32_t id) {
            ++notices;
            original(s, h, id);
        };
        for (int i = 0; i < 20; ++i)
            processEvents();
        Form1->Mixer->OnControlChange = original;
        return notices;
    }
    static std::vector<std::pair<QString, bool>> cardMenu()
    {
        std::vector<std::pair<QString, bool>> items;
        for (QAction *a : rec->card)
            items.emplace_back(a->text(), a->isVisible());
        return items;
    }
};

TEST_F(Shell, StartUpRunsTheFirstSetUpAndRefreshWithoutShowingAMixer)
{
    start({smallCard("Card A", 3)});
    EXPECT_EQ(busyState, 0);
    EXPECT_TRUE(startingUp);
    EXPECT_TRUE(timerArmed);
    EXPECT_FALSE(firstScan);
    EXPECT_EQ(knownCardName, "Card A");
    EXPECT_EQ(Form1->Mixer->MixerId(), 0);
    EXPECT_EQ(rec->Mixer->MixerId(), 0);
    EXPECT_EQ(Form1->Mixer1->MixerId(), 0) << "with one device Mixer1 opens device 0 as well";
    EXPECT_EQ(meterSel, -1);
    EXPECT_EQ(meterDest, playDest);
    EXPECT_EQ(meterName, Form1->strip(1).nameLabel->text());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(rec->isVisible());
    EXPECT_TRUE(Form1->Timer1->isActive());
    EXPECT_EQ(Form1->Timer1->interval(), 3000);
    EXPECT_TRUE(messages.texts.empty());
    for (const Strip &s : Form1->strips)
        EXPECT_EQ(s.mute->Tag, 0);
    for (const Strip &s : rec->strips)
        EXPECT_EQ(s.mute->Tag, 0);
}

TEST_F(Shell, RecordingTitleAndNamesComeFromTheRecordingDestination)
{
    start({smallCard("Card A")});
    EXPECT_EQ(rec->Label14->text(), "Recording Card A");
    EXPECT_EQ(Form1->ComboBox3, (QStringList{"Recording", "Mic", "Line"}));
    EXPECT_EQ(rec->strip(1).nameLabel->text(), "Recording");
    EXPECT_EQ(rec->strip(3).nameLabel->text(), "Line");
    EXPECT_EQ(rec->strip(4).nameLabel->text(), "") << "a shorter list leaves the other labels empty";
    EXPECT_EQ(rec->strip(10).nameLabel->text(), "");
}

TEST_F(Shell, CardMenuFollowsTheNumberOfDevices)
{
    for (int n = 0; n <= 6; ++n) {
        SCOPED_TRACE(n);
        std::vector<VirtualCard> cards;
        for (int i = 0; i < n; ++i)
            cards.push_back(cardFromJson(smallCard("Card " + std::to_string(i))));
        driver = new VirtualMixerDriver(std::move(cards));
        MixerDriver::install(driver);
        resetGlobals();
        messages.texts.clear();
        createWindows();
        const auto menu = cardMenu();
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(i);
            const bool listed = n >= 1 && n <= 5;
            EXPECT_EQ(menu[i].first, listed && i < n ? QStringLiteral("Card %1").arg(i)
                                                     : QStringLiteral("Audio card %1").arg(i + 1));
            EXPECT_EQ(menu[i].second, !listed || i < n);
        }
        EXPECT_EQ(Form1->Mixer->MixerId(), n ? 0 : -1);
        if (n == 0) {
            EXPECT_EQ(messages.texts, std::vector<QString>{"No mixer present in the system !"});
            EXPECT_EQ(messages.types.front(), TMsgDlgType::mtInformation);
            EXPECT_FALSE(terminateRequested()) << "the program keeps running";
        } else {
            EXPECT_TRUE(messages.texts.empty());
        }
        destroyWindows();
    }
}

TEST_F(Shell, ChoosingACardReopensRebuildsAndShowsBothWindows)
{
    start({smallCard("Card A"), smallCard("Card B"), smallCard("Card C")});
    rec->show();
    rec->card[1]->trigger();
    EXPECT_EQ(cardIndex, 1);
    EXPECT_EQ(Form1->Mixer->MixerId(), 1);
    EXPECT_EQ(rec->Mixer->MixerId(), 1);
    EXPECT_EQ(knownCardName, "Card B");
    EXPECT_EQ(busyState, 0);
    EXPECT_FALSE(rec->card[0]->isChecked());
    EXPECT_TRUE(rec->card[1]->isChecked());
    EXPECT_EQ(cardMenu()[2].first, "Card C");
    EXPECT_FALSE(cardMenu()[3].second);
    EXPECT_TRUE(rec->isVisible());
    EXPECT_TRUE(Form1->Timer2->isActive()) << "the playback window follows through Timer2";
    Form1->Timer2Timer();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Form1->Timer2->isActive());

    // The caption walk opens every card and comes back to the chosen one.
    Form1->Button1Click();
    EXPECT_EQ(Form1->Mixer->MixerId(), 1);
}

TEST_F(Shell, OutsideChangesRefreshWhileIdleButNotDuringADrag)
{
    start({smallCard("Card A")});
    VirtualControl *vol = driver->findControl(0, 0, 1, MIXERCONTROL_CONTROLTYPE_VOLUME);
    processEvents();

    const HMIXER before = Form1->Mixer->MixerHandle();
    busyState = 2;
    driver->changeValues(0, *vol, {100, 100});
    processEvents();
    EXPECT_EQ(Form1->Mixer->MixerHandle(), before) << "no refresh while a cursor is dragged";

    busyState = 0;
    driver->changeValues(0, *vol, {20000, 20000});
    // The refresh writes the value back as the strip shows it (30 x 655),
    // which is one more notice and one more refresh; then the card is quiet.
    EXPECT_EQ(countNoticesUntilQuiet(), 2);
    EXPECT_EQ(vol->values, (std::vector<int32_t>{19650, 19650}));
    EXPECT_EQ(Form1->strip(3).mainEdit->text(), "30");
    EXPECT_NE(Form1->Mixer->MixerHandle(), before) << "the refresh reopened the card";
    EXPECT_EQ(busyState, 0);
    processEvents();
    EXPECT_EQ(countNoticesUntilQuiet(), 0);
}

TEST_F(Shell, SecondMixerRefreshesOnlyWithSeveralDevices)
{
    start({smallCard("Card A")});
    const HMIXER before = Form1->Mixer->MixerHandle();
    Form1->Mixer1ControlChange(Form1->Mixer1, 0, 0);
    EXPECT_EQ(Form1->Mixer->MixerHandle(), before);
    destroyWindows();

    start({smallCard("Card A"), smallCard("Card B")});
    EXPECT_EQ(Form1->Mixer1->MixerId(), 1);
    const HMIXER handle = Form1->Mixer->MixerHandle();
    driver->changeValues(1, *driver->findControl(1, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME), {1, 1});
    processEvents();
    EXPECT_NE(Form1->Mixer->MixerHandle(), handle) << "a change on device 1 refreshes";
}

TEST_F(Shell, ChangedCardSetEndsTheProgram)
{
    start({smallCard("Card A")});
    copyName(driver->card(0).caps.szPname, "Replacement Card");
    VirtualControl *vol = driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME);
    // The name is read when the card is opened: the first notice's refresh
    // reopens it (and writes the value back as shown), the next notice finds
    // the new name.  Notices arriving while the message shows are ignored.
    driver->changeValues(0, *vol, {1, 1});
    for (int i = 0; i < 5; ++i)
        processEvents();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Your System Sound-Cards has changed outside Sonvane. You have to terminate "
                                 "Sonvane and reload it again...");
    EXPECT_EQ(messages.types[0], TMsgDlgType::mtWarning);
    EXPECT_TRUE(terminateRequested());
}

TEST_F(Shell, StartTimerSwitchesTheTrayOnAndHidesTheSplash)
{
    start({smallCard("Card A")});
    Form3->show();
    Form1->Timer1Timer();
    EXPECT_FALSE(startingUp);
    EXPECT_FALSE(Form1->Timer1->isActive());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(Form3->size(), QSize(241, 127));
}

TEST_F(Shell, DockingTimerRunsOnlyWhileAMixerIsActiveWithTheMagnet)
{
    start({smallCard("Card A")});
    Form1->FormActivate();
    EXPECT_TRUE(rec->Timer1->isActive());
    Form1->FormDeactivate();
    EXPECT_FALSE(rec->Timer1->isActive());
    rec->magnet->setChecked(false);
    rec->FormActivate();
    EXPECT_FALSE(rec->Timer1->isActive());
    rec->magnet->setChecked(true);
    rec->FormActivate();
    rec->show();
    rec->hide();
    EXPECT_FALSE(rec->Timer1->isActive()) << "hiding stops it";
}

TEST(SingleInstance, OneHolderAtATimeAndACrashFreesTheLock)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sonvane.lock"));
    {
        SingleInstanceLock first;
        ASSERT_TRUE(first.acquire(path));
        SingleInstanceLock second;
        EXPECT_FALSE(second.acquire(path));
    }
    SingleInstanceLock again;
    EXPECT_TRUE(again.acquire(path)) << "released when its holder goes";

    QTemporaryDir crashDir;
    const QString crashPath = crashDir.filePath(QStringLiteral("Sonvane.lock"));
    const pid_t child = fork();
    if (child == 0) {
        SingleInstanceLock held;
        held.acquire(crashPath);
        ::_exit(3); // ends without releasing anything
    }
    int status = 0;
    waitpid(child, &status, 0);
    SingleInstanceLock next;
    EXPECT_TRUE(next.acquire(crashPath)) << "a crashed holder does not block the next start";
}

} // namespace
