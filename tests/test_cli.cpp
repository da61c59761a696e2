// The program as a command: options, card files and the single instance.

#include "helpers.h"
#include "shell/entry.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

namespace {

struct ProcessResult
{
    int status;
    QString out, err;
};

ProcessResult runSonvane(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SONVANE_BINARY), args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return {-1, {}, QStringLiteral("timed out")};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString card(const char *name)
{
    return sourceDir() + QStringLiteral("/cards/") + QLatin1String(name);
}

TEST(CommandLine, ListDevicesPrintsEveryExampleCardsTree)
{
    const QStringList files = QDir(sourceDir() + QStringLiteral("/cards")).entryList({QStringLiteral("*.json")});
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const ProcessResult r = runSonvane({QStringLiteral("--virtual-cards"), card(qPrintable(file)), QStringLiteral("--list-devices")});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("Device 0: \""))) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("Destination 0:")));
    }
    const ProcessResult two = runSonvane({QStringLiteral("--virtual-cards=%1,%2").arg(card("usb-headset.json"), card("classic-codec.json")),
                                QStringLiteral("--list-devices")});
    EXPECT_EQ(two.status, 0);
    EXPECT_TRUE(two.out.contains(QStringLiteral("Device 1: \"Classic AC97 Codec\"")));
    EXPECT_TRUE(two.out.contains(QStringLiteral(
        "Control 0: MUX (0x70010001) \"Recording Source\" flags uniform,multiple, items 6, values 1,0,0,0,0,0")))
        << two.out.toStdString();
}

TEST(CommandLine, BadInputExitsWithStatusTwoAndOneMessage)
{
    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("broken.json")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"name\": \"Half");
    broken.close();
    struct Case
    {
        QStringList args;
        QString message;
    };
    const Case cases[] = {
        {{QStringLiteral("--virtual-cards"), broken.fileName(), QStringLiteral("--list-devices")},
         QStringLiteral("sonvane: %1: not valid JSON at line 1").arg(broken.fileName())},
        {{QStringLiteral("--virtual-cards"), dir.filePath(QStringLiteral("none.json"))},
         QStringLiteral("cannot read the card file")},
        {{QStringLiteral("--virtual-cards")}, QStringLiteral("--virtual-cards needs a list of card files")},
        {{QStringLiteral("--loud")}, QStringLiteral("sonvane: unknown option \"--loud\"")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProcessResult r = runSonvane(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << "one line";
    }
}

TEST(CommandLine, ReportPrintsTheStateOfBothMixers)
{
    const ProcessResult r = runSonvane({QStringLiteral("--virtual-cards"), card("classic-codec.json"), QStringLiteral("--report")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.left(200).toStdString();
    const QJsonObject state = report[QStringLiteral("state")].toObject();
    EXPECT_EQ(state[QStringLiteral("playDest")].toInt(), 0);
    EXPECT_EQ(state[QStringLiteral("recDest")].toInt(), 1);
    EXPECT_TRUE(state[QStringLiteral("hasBass")].toBool());
    EXPECT_EQ(state[QStringLiteral("muxIndex")].toInt(), 0);
    EXPECT_EQ(state[QStringLiteral("busyState")].toInt(), 0);
    const QJsonObject play = report[QStringLiteral("playback")].toObject();
    EXPECT_EQ(play[QStringLiteral("width")].toInt(), 11 * 71 + 18) << "the tone panel and ten strips";
    EXPECT_EQ(play[QStringLiteral("title")].toString(), "Master Volume Classic AC97 Codec");
    const QJsonObject strip6 = play[QStringLiteral("strips")].toArray().at(5).toObject();
    EXPECT_EQ(strip6[QStringLiteral("name")].toString(), "Microphone");
    const QJsonObject extra = strip6[QStringLiteral("widgets")].toObject()[QStringLiteral("extra1")].toObject();
    EXPECT_EQ(extra[QStringLiteral("name")].toString(), "co16");
    EXPECT_EQ(extra[QStringLiteral("caption")].toString(), "mic");
    EXPECT_TRUE(extra[QStringLiteral("visible")].toBool());
    const QJsonObject recording = report[QStringLiteral("recording")].toObject();
    EXPECT_EQ(recording[QStringLiteral("title")].toString(), "Recording Control Classic AC97 Codec");
    const QJsonObject recStrip2 = recording[QStringLiteral("strips")].toArray().at(1).toObject();
    EXPECT_EQ(recStrip2[QStringLiteral("widgets")].toObject()[QStringLiteral("mute")].toObject()[QStringLiteral("caption")].toString(),
              "select");
    EXPECT_EQ(report[QStringLiteral("cards")].toArray().at(0).toObject()[QStringLiteral("caption")].toString(),
              "Classic AC97 Codec");

    // The system's own devices, whatever this machine has (none is a state,
    // not an error).
    const ProcessResult system = runSonvane({QStringLiteral("--report")});
    EXPECT_EQ(system.status, 0) << system.err.toStdString();
    EXPECT_TRUE(QJsonDocument::fromJson(system.out.toUtf8()).isObject());
}

TEST(CommandLine, OptionsAreParsed)
{
    struct Case
    {
        QStringList args;
        QStringList cards;
        QStringList show;
        bool list, report;
        QString error;
    };
    const Case cases[] = {
        {{}, {}, {}, false, false, {}},
        {{"--virtual-cards", "a.json,b.json", "--list-devices"}, {"a.json", "b.json"}, {}, true, false, {}},
        {{"--virtual-cards=a.json", "--virtual-cards", "c.json"}, {"a.json", "c.json"}, {}, false, false, {}},
        {{"--show", "play,vu", "--report"}, {}, {"play", "vu"}, false, true, {}},
        {{"--show=rec"}, {}, {"rec"}, false, false, {}},
        {{"--show", "tray"}, {}, {}, false, false, "--show takes play, rec and vu, not \"tray\""},
        {{"--show"}, {}, {}, false, false, "--show needs a list of windows: play, rec, vu"},
        {{"--virtual-cards", ","}, {}, {}, false, false, "--virtual-cards needs a list of card files"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandLine parsed = parseCommandLine(QStringList{"sonvane"} + c.args);
        EXPECT_EQ(parsed.error, c.error);
        if (!c.error.isEmpty())
            continue;
        EXPECT_EQ(parsed.virtualCards, c.cards);
        EXPECT_EQ(parsed.show, c.show);
        EXPECT_EQ(parsed.listDevices, c.list);
        EXPECT_EQ(parsed.report, c.report);
    }
}

TEST(CommandLine, HelpAndVersion)
{
    const ProcessResult help = runSonvane({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--virtual-cards")));
    const ProcessResult version = runSonvane({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("Sonvane ")));
}

TEST(CommandLine, ASecondStartSaysSonvaneIsLoadedAndLeavesTheFirstRunning)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QStringList args{QStringLiteral("--virtual-cards"), card("classic-codec.json")};

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(SONVANE_BINARY), args);
    ASSERT_TRUE(first.waitForStarted());
    // The first one holds the lock once its lock file exists and is locked;
    // give it the time to get there.
    for (int i = 0; i < 100 && !QFile::exists(runtime.filePath(QStringLiteral("Sonvane.lock"))); ++i)
        QThread::msleep(50);
    QThread::msleep(300);

    // The second start shows its message box; it also says so on standard
    // error, which is what the test reads before closing it.
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(SONVANE_BINARY), args);
    QString err;
    for (int i = 0; i < 100 && !err.contains(QLatin1String("already loaded")); ++i) {
        second.waitForReadyRead(100);
        err += QString::fromUtf8(second.readAllStandardError());
    }
    EXPECT_TRUE(err.contains(QStringLiteral("sonvane: Sonvane is already loaded..."))) << err.toStdString();
    second.kill();
    second.waitForFinished();

    EXPECT_EQ(first.state(), QProcess::Running) << "the first one is untouched";
    first.kill();
    first.waitForFinished();
}

} // namespace
