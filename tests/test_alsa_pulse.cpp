// The ALSA driver end to end through real alsa-lib: a private PulseAudio
// daemon with a null sink behind ALSA's default device.

#include "helpers.h"
#include "mixer/audiomixer.h"
#include "mixer/drivers/alsadriver.h"
#include "ui/form1.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

class PulseAudio : public WindowsTest
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("amixer")).isEmpty())
            GTEST_SKIP() << "pulseaudio and alsa-utils are not installed";
        // ALSA reads its configuration once per process, so the daemon's
        // address is set before anything opens a device.
        const QByteArray runtime = dir.path().toLocal8Bit();
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("PULSE_RUNTIME_PATH", runtime + "/pulse");
        qputenv("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        daemon.start(QStringLiteral("pulseaudio"),
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                      "--load=module-native-protocol-unix", "--load=module-null-sink sink_name=null",
                      "--load=module-null-source source_name=nullsrc"});
        ASSERT_TRUE(daemon.waitForStarted());
        for (int i = 0; i < 100 && run("pactl", {"info"}) != 0; ++i)
            QThread::msleep(50);
        ASSERT_EQ(run("pactl", {"info"}), 0) << daemon.readAll().toStdString();
    }
    void TearDown() override
    {
        WindowsTest::TearDown();
        daemon.kill();
        daemon.waitForFinished();
    }
    static int run(const char *program, const QStringList &args, QString *out = nullptr)
    {
        QProcess p;
        p.start(QLatin1String(program), args);
        if (!p.waitForFinished(10000))
            return -1;
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitCode();
    }
    // Runs the event loop until `done` holds, for at most two seconds.
    static bool waitFor(const std::function<bool()> &done)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        return done();
    }

    QTemporaryDir dir;
    QProcess daemon;
};

TEST_F(PulseAudio, SonvaneFollowsTheSoundServer)
{
    auto *alsa = AlsaMixerDriver::system();
    MixerDriver::install(alsa);
    ASSERT_GE(alsa->getNumDevs(), 1u);
    resetGlobals();
    createWindows();
    EXPECT_EQ(lineName(Form1->Mixer->Destinations().Get(playDest).LineInfo), "Master");
    EXPECT_EQ(lineName(rec->Mixer->Destinations().Get(recDest).LineInfo), "Capture");
    EXPECT_TRUE(messages.texts.empty());

    // A write from Sonvane is what amixer sees.
    Form1->strip(1).mainEdit->setText("50");
    QString out;
    ASSERT_EQ(run("amixer", {"-D", "default", "sget", "Master"}, &out), 0);
    EXPECT_TRUE(out.contains("Playback 32750 [50%]")) << out.toStdString();

    // A change made elsewhere comes back as a notice and a refresh.
    ASSERT_EQ(run("amixer", {"-D", "default", "-q", "sset", "Master", "20%"}), 0);
    EXPECT_TRUE(waitFor([] { return Form1->strip(1).mainEdit->text() == "20"; }))
        << Form1->strip(1).mainEdit->text().toStdString();
    ASSERT_EQ(run("pactl", {"set-sink-mute", "null", "1"}), 0);
    EXPECT_TRUE(waitFor([] { return Form1->strip(1).mute->Color() == clRed; }));

    // The server goes away: Sonvane stays, stops watching, and reads fail.
    daemon.kill();
    daemon.waitForFinished();
    EXPECT_TRUE(waitFor([alsa] { return alsa->deviceGone(0); }));
    Form1->Button5Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(busyState, 0);
}

} // namespace
