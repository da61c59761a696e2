// Tray icons, showing and hiding, docking, the visible-channels dialog and
// the configuration file.

#include "helpers.h"
#include "mixer/audiomixer.h"
#include "shell/config.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/smoothshow.h"
#include "ui/trayicon.h"
#include "ui/widgets.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

class Tray : public WindowsTest
{
protected:
    void startRunning(const std::string &card = layoutCard({}))
    {
        start({card});
        Form1->Timer1Timer(); // the start-up is over
        // Offscreen has no system tray, so the mixers came up: start hidden.
        Form1->hide();
        rec->hide();
        Form1->Timer2->stop();
    }
    static std::vector<QString> pictures()
    {
        return {Form1->TrayIconF2->Picture(), Form1->TrayIconF1->Picture(), rec->TrayIconF1->Picture(),
                Form2->TrayIconF1->Picture()};
    }
};

TEST_F(Tray, IconsAndTheirHints)
{
    start({layoutCard({})});
    EXPECT_EQ(pictures(), (std::vector<QString>{"recplay", "soundyesi", "reci", "vui"}));
    EXPECT_EQ(Form1->TrayIconF2->toolTip(), "Click to show/hide the play and rec mixer...");
    EXPECT_EQ(Form1->TrayIconF1->toolTip(), "Click to show/hide the play mixer, 2x click mute/nomute all.");
    EXPECT_EQ(rec->TrayIconF1->toolTip(), "Click to show/hide the rec mixer...");
    EXPECT_EQ(Form2->TrayIconF1->toolTip(), "Click to show/hide the VU...");
    EXPECT_FALSE(Form1->TrayIconF2->isVisible()) << "inactive until the start timer";

    // Clicks do nothing while starting up.
    emit Form1->TrayIconF2->activated(QSystemTrayIcon::Trigger);
    emit rec->TrayIconF1->activated(QSystemTrayIcon::Trigger);
    emit Form2->TrayIconF1->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(rec->isVisible());
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(Tray, TheTwoWindowIconShowsAndHidesBoth)
{
    startRunning();
    emit Form1->TrayIconF2->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(rec->isVisible());
    EXPECT_TRUE(rec->SmoothShow1->Forward);
    EXPECT_TRUE(Form1->SmoothShow1->Enabled) << "armed for the playback window's timer";
    EXPECT_TRUE(Form1->Timer2->isActive());
    Form1->Timer2Timer();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(pictures(), (std::vector<QString>{"recplayno", "soundyesno", "recino", "vui"}));

    emit Form1->TrayIconF2->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(rec->isVisible());
    EXPECT_FALSE(rec->SmoothShow1->Forward) << "hidden with the reverse animation";
    EXPECT_EQ(pictures(), (std::vector<QString>{"recplay", "soundyesi", "reci", "vui"}));

    // Only the recording window shown: the playback window decides, both show.
    emit rec->TrayIconF1->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(rec->isVisible());
    emit Form1->TrayIconF2->activated(QSystemTrayIcon::Trigger);
    Form1->Timer2Timer();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(rec->isVisible());

    emit Form1->TrayIconF2->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(Form1->TrayIconF2->Picture(), "recplay");
}

TEST_F(Tray, EachIconShowsAndHidesItsWindow)
{
    startRunning();
    emit Form1->TrayIconF1->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(Form1->TrayIconF1->Picture(), "soundyesno");
    Form1->Panel108Click(); // its "X"
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_EQ(Form1->TrayIconF1->Picture(), "soundyesi");
    EXPECT_EQ(Form1->TrayIconF2->Picture(), "recplay");

    emit rec->TrayIconF1->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(rec->isVisible());
    EXPECT_EQ(rec->TrayIconF1->Picture(), "recino");
    rec->Panel108Click();
    EXPECT_FALSE(rec->isVisible());
    EXPECT_EQ(rec->TrayIconF1->Picture(), "reci");

    rec->Timer1->start(); // docking
    emit Form2->TrayIconF1->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->TrayIconF1->Picture(), "vuino");
    EXPECT_FALSE(rec->Timer1->isActive()) << "showing the over-peak window stops docking";
    Form2->Panel2Click();
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->TrayIconF1->Picture(), "vui");
}

TEST_F(Tray, DoubleClickOnThePlaybackIconMutesAll)
{
    startRunning();
    VirtualControl *mute = driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_MUTE);
    emit Form1->TrayIconF1->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(mute->values, std::vector<int32_t>{1});
    EXPECT_EQ(Form1->strip(1).mute->Color(), clRed);
    EXPECT_EQ(Form1->TrayIconF1->Picture(), "soundnoi");
    EXPECT_EQ(busyState, 0);
    Form1->TrayIconF1Click();
    EXPECT_EQ(Form1->TrayIconF1->Picture(), "soundnoi") << "muted shows muted, shown or not";
    emit Form1->TrayIconF1->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(mute->values, std::vector<int32_t>{0});
    EXPECT_EQ(Form1->TrayIconF1->Picture(), "soundyesi");
    EXPECT_EQ(Form1->strip(1).mute->BevelInner(), TBevel::bvRaised);
}

TEST_F(Tray, DockingKeepsTheMixersTogether)
{
    CardLayout wide;
    wide.playSources = 3; // 373 wide
    wide.recSources = 3;  // 302 wide
    startRunning(layoutCard(wide));
    ASSERT_EQ(Form1->width(), 373);
    ASSERT_EQ(rec->width(), 302);
    Form1->move(100, 50);
    rec->dock(true);
    EXPECT_EQ(rec->pos(), QPoint(100 + 35, 50 + 173));
    EXPECT_TRUE(rec->Timer1->isActive());
    rec->move(400, 400);
    rec->dock(false);
    EXPECT_EQ(Form1->pos(), QPoint(400 - 35, 400 - 173));

    // A narrower playback window: the difference truncates toward zero.
    Form4->tuch->setChecked(false);
    for (int s = 2; s <= 4; ++s)
        Form4->playBox(s)->setChecked(false);
    busyState = 1;
    Form1->Button1Click();
    ASSERT_EQ(Form1->width(), 89);
    rec->dock(false);
    EXPECT_EQ(Form1->x(), 400 + 106);
}

TEST_F(Tray, AWindowIsDraggedByItsSurfaceAndAnimatesInSteps)
{
    startRunning();
    Form1->move(100, 100);
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    // The frame is free surface; without a window manager the window follows
    // the pointer itself.
    QTest::mousePress(Form1, Qt::LeftButton, {}, QPoint(5, 100));
    QTest::mouseMove(Form1, QPoint(45, 130));
    QTest::mouseRelease(Form1, Qt::LeftButton, {}, QPoint(45, 130));
    EXPECT_EQ(Form1->pos(), QPoint(140, 130));

    Form1->SmoothShow1->arm(false);
    Form1->SmoothShow1->run();
    EXPECT_TRUE(Form1->SmoothShow1->Enabled);
    QTRY_VERIFY_WITH_TIMEOUT(!Form1->SmoothShow1->Enabled, 2000);
    EXPECT_EQ(Form1->SmoothShow1->step(), TSmoothShow::Steps + 1);
    EXPECT_FALSE(Form1->SmoothShow1->isVisible()) << "the rectangle goes when it is done";
}

TEST_F(Tray, TheVisibleChannelsDialog)
{
    startRunning();
    rec->chanelClick();
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_FALSE(Form1->topMost());
    EXPECT_FALSE(rec->topMost());
    EXPECT_FALSE(rec->Timer1->isActive());

    // "X" applies nothing.
    Form4->playBox(3)->setChecked(false);
    Form4->Panel2Click();
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_TRUE(Form1->topMost());
    EXPECT_EQ(Form1->strip(3).cha->Tag, 0);

    // "O.K." rebuilds both mixers and shows them.
    rec->chanelClick();
    Form4->SpeedButton1Click();
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(Form1->strip(3).cha->Tag, 1);
    EXPECT_EQ(Form1->strip(4).cha->x(), 3 * 71 + 10);
    EXPECT_EQ(Form1->width(), 4 * 71 + 18);
    EXPECT_TRUE(rec->isVisible());
    Form1->Timer2Timer();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(pictures(), (std::vector<QString>{"recplayno", "soundyesno", "recino", "vui"}));
}

// ------------------------------------------------------------ configuration

class Configuration : public Tray
{
protected:
    void TearDown() override
    {
        QFile::remove(configPath());
        Tray::TearDown();
    }
    static void writeConfig(const QByteArray &data)
    {
        QDir().mkpath(QFileInfo(configPath()).absolutePath());
        QFile f(configPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    // Runs `action` with the configuration folder impossible to make: a file
    // stands where it should be.
    static void withBlockedFolder(const std::function<void()> &action)
    {
        const QByteArray home = qgetenv("XDG_CONFIG_HOME");
        QFile blocker(QString::fromLocal8Bit(home) + "/blocked");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", home + "/blocked");
        action();
        qputenv("XDG_CONFIG_HOME", home);
        QFile::remove(blocker.fileName());
    }
    static QByteArray readConfig()
    {
        QFile f(configPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    static QString boxes()
    {
        QString out = Form4->tuch->isChecked() ? "1" : "0";
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 22, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21})
            out += Form4->box(n)->isChecked() ? "1" : "0";
        return out;
    }
    static QString options()
    {
        QString out;
        for (QAction *a : {rec->magnet, rec->GreenSilver1, rec->BlackPlay1, rec->BlackRec1})
            out += a->isChecked() ? "1" : "0";
        return out;
    }
};

TEST_F(Configuration, ThePathFollowsXdgConfigHome)
{
    EXPECT_EQ(configPath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Sonvane by Tarkel Brindlework/Sonvane.ini");
}

TEST_F(Configuration, FileContentsRead)
{
    static const char binary[] = "\x00\xff\x01\r\n\x80\x00\r\n\xfe\r\n\x01\x02";
    struct Case
    {
        const char *what;
        QByteArray file;
        QString boxes;
        QString options;
        bool playCentred, recCentred;
        QPoint play, record; // when not centred
    };
    const QString all(23, QLatin1Char('1'));
    const Case cases[] = {
        {"every line", "Sonvane\r\n1" + QByteArray(22, '0') + "\r\n1111\r\n100\r\n200\r\n300\r\n-12\r\n",
         "1" + QString(22, QLatin1Char('0')), "1111", false, false, {100, 200}, {300, -12}},
        {"short and odd flags", "h\r\n01x\r\n0\r\n", "01" + QString(21, QLatin1Char('1')), "0111", true, true, {}, {}},
        {"options off", "h\r\n" + all.toLatin1() + "\r\n0000\r\n", all, "0000", true, true, {}, {}},
        {"trailing blanks are no number, leading ones are", "h\r\n\r\n\r\n40  \r\n\r\n  40  \r\n77\r\n", all, "1111",
         true, false, {}, {40, 77}},
        {"zero keeps the window centred", "h\r\n\r\n\r\n0\r\n50\r\n", all, "1111", true, true, {}, {}},
        {"unix line ends", "h\n" + QByteArray(23, '0') + "\n1111\n5\n6\n7\n8\n", QString(23, QLatin1Char('0')), "1111",
         false, false, {5, 6}, {7, 8}},
        {"binary", QByteArray(binary, sizeof binary - 1), "11111111111111111111111",
         "1111", true, true, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeConfig(c.file);
        driver = installCards({layoutCard({})});
        resetGlobals();
        createWindows();
        EXPECT_EQ(boxes(), c.boxes.left(1) + c.boxes.mid(1));
        EXPECT_EQ(options(), c.options);
        EXPECT_EQ(rec->Silverborders1->isChecked(), c.options[1] == '0');
        EXPECT_EQ(rec->WhitePlay1->isChecked(), c.options[2] == '0');
        EXPECT_EQ(Form1->Color(), c.options[2] == '0' ? clWhite : clBlack) << "the looks apply in the same discovery";
        EXPECT_EQ(Form1->centred, c.playCentred);
        EXPECT_EQ(rec->centred, c.recCentred);
        if (!c.playCentred)
            EXPECT_EQ(Form1->pos(), c.play);
        if (!c.recCentred)
            EXPECT_EQ(rec->pos(), c.record);
        EXPECT_TRUE(messages.texts.empty());
        destroyWindows();
    }
    // The unchecked boxes hide their strips from the first layout on.
    writeConfig("h\r\n1100" + QByteArray(19, '1') + "\r\n");
    driver = installCards({layoutCard({})});
    resetGlobals();
    createWindows();
    EXPECT_EQ(Form1->strip(2).cha->Tag, 1);
    EXPECT_EQ(Form1->strip(3).cha->Tag, 1);
    EXPECT_EQ(Form1->strip(4).cha->x(), 2 * 71 + 10);
}

TEST_F(Configuration, NoFileMeansDefaults)
{
    QFile::remove(configPath());
    start({layoutCard({})});
    EXPECT_EQ(boxes(), QString(23, QLatin1Char('1')));
    EXPECT_EQ(options(), "1111");
    EXPECT_TRUE(Form1->centred);
    EXPECT_EQ(Form1->y(), 218);
    EXPECT_EQ(rec->y(), 308);
    Form1->show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(Form1->geometry().center(), screen.center()) << "centred at its first showing";
}

TEST_F(Configuration, SaveAndReadBack)
{
    writeConfig("My header\r\n");
    startRunning();
    Form4->box(13)->setChecked(false);
    Form4->tuch->setChecked(false);
    rec->magnet->setChecked(false);
    rec->Silverborders1Click();
    rec->BlackRec1Click();
    Form1->move(-12, 40);
    rec->move(0, 500);
    rec->saveClick();
    EXPECT_EQ(messages.texts, std::vector<QString>{"Your new configuration is saved..."});
    EXPECT_TRUE(Form1->topMost());
    EXPECT_EQ(readConfig(), "My header\r\n0111111111111" "1011111111\r\n0010\r\n-12\r\n40\r\n0\r\n500\r\n");
    destroyWindows();

    start({layoutCard({})});
    EXPECT_EQ(boxes(), "0111111111111" "1011111111");
    EXPECT_EQ(options(), "0010");
    EXPECT_EQ(Form1->pos(), QPoint(-12, 40));
    EXPECT_TRUE(rec->centred) << "a window saved at Left 0 comes back centred";
    EXPECT_EQ(configHeader, "My header");
}

TEST_F(Configuration, AnEmptyHeaderIsWrittenBackEmpty)
{
    QFile::remove(configPath());
    configHeader.clear();
    startRunning();
    rec->saveClick();
    EXPECT_TRUE(readConfig().startsWith("\r\n11111111111111111111111\r\n1111\r\n"));
}

TEST_F(Configuration, AFailedSaveLosesNothing)
{
    writeConfig("Old\r\n1\r\n1111\r\n10\r\n20\r\n30\r\n40\r\n");
    const QByteArray old = readConfig();
    startRunning();
    Form1->move(123, 45);

    // A file size limit makes every write past a few bytes fail.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    rec->saveClick();
    setrlimit(RLIMIT_FSIZE, &saved);

    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.types[0], TMsgDlgType::mtError);
    EXPECT_TRUE(messages.texts[0].startsWith("Cannot save ")) << messages.texts[0].toStdString();
    EXPECT_EQ(readConfig(), old) << "the old file is untouched";
    EXPECT_TRUE(Form1->topMost()) << "the mixers come back on top after the error too";
    EXPECT_TRUE(rec->topMost());

    messages.texts.clear();
    withBlockedFolder([] { rec->saveClick(); });
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].startsWith("Cannot make the folder")) << messages.texts[0].toStdString();
}

TEST_F(Configuration, QuitAsksToSave)
{
    QFile::remove(configPath());
    startRunning();
    messages.answer = mrNo;
    rec->Quit1Click();
    EXPECT_EQ(messages.texts, std::vector<QString>{"Do you want to save your configuration before exit?"});
    EXPECT_EQ(messages.types[0], TMsgDlgType::mtConfirmation);
    EXPECT_FALSE(QFile::exists(configPath()));
    EXPECT_TRUE(terminateRequested());
    resetTerminate();

    messages.answer = mrYes;
    Form1->show();
    rec->Quit1Click();
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(QFile::exists(configPath()));
    EXPECT_TRUE(terminateRequested());
    resetTerminate();

    // A save that fails on quit says so and keeps Sonvane in the tray.
    messages.texts.clear();
    messages.types.clear();
    withBlockedFolder([] { rec->Quit1Click(); });
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.types[1], TMsgDlgType::mtError);
    EXPECT_FALSE(terminateRequested());
}

} // namespace
