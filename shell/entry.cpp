#include "shell/entry.h"

#include "mixer/drivers/alsadriver.h"
#include "shell/globals.h"
#include "shell/listdevices.h"
#include "shell/messages.h"
#include "shell/report.h"
#include "shell/singleinstance.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QJsonDocument>
#include <QToolTip>

#include <cstdio>
#include <memory>

#ifndef SONVANE_VERSION
#define SONVANE_VERSION "0.0.0"
#endif

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--version")) {
            options.version = true;
        } else if (arg == QLatin1String("--list-devices")) {
            options.listDevices = true;
        } else if (arg == QLatin1String("--report")) {
            options.report = true;
        } else if (arg == QLatin1String("--show") || arg.startsWith(QLatin1String("--show="))) {
            QString list;
            if (arg.contains(QLatin1Char('=')))
                list = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                list = arguments.at(++i);
            for (const QString &w : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (w != QLatin1String("play") && w != QLatin1String("rec") && w != QLatin1String("vu")) {
                    options.error = QStringLiteral("--show takes play, rec and vu, not \"%1\"").arg(w);
                    return options;
                }
                options.show << w;
            }
            if (options.show.isEmpty()) {
                options.error = QStringLiteral("--show needs a list of windows: play, rec, vu");
                return options;
            }
        } else if (arg == QLatin1String("--virtual-cards") || arg.startsWith(QLatin1String("--virtual-cards="))) {
            QString files;
            if (arg.contains(QLatin1Char('='))) {
                files = arg.section(QLatin1Char('='), 1);
            } else if (i + 1 < arguments.size()) {
                files = arguments.at(++i);
            } else {
                options.error = QStringLiteral("--virtual-cards needs a list of card files");
                return options;
            }
            const QStringList list = files.split(QLatin1Char(','), Qt::SkipEmptyParts);
            if (list.isEmpty()) {
                options.error = QStringLiteral("--virtual-cards needs a list of card files");
                return options;
            }
            options.virtualCards << list;
        } else {
            options.error = QStringLiteral("unknown option \"%1\" (see --help)").arg(arg);
            return options;
        }
    }
    return options;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: sonvane [options]\n"
        "A skinned mixer for the notification area.\n"
        "\n"
        "  --virtual-cards FILE[,FILE...]  use these virtual sound cards instead of the\n"
        "                                  system's sound cards\n"
        "  --list-devices                  print every mixer device's lines and controls\n"
        "  --report                        start without showing a window, print the state of\n"
        "                                  both mixers as JSON and exit\n"
        "  --show play,rec,vu              show these windows once started\n"
        "  --help                          show this help\n"
        "  --version                       show the version\n");
}

QString loadCards(const CommandLine &options, std::vector<VirtualCard> &cards)
{
    try {
        for (const QString &file : options.virtualCards)
            cards.push_back(loadVirtualCard(file));
    } catch (const CardFileError &e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

void createWindows()
{
    Form3 = new TForm3;
    Form3->FormCreate();
    Form1 = new TForm1;
    Form1->FormCreate();
    rec = new Trec;
    rec->FormCreate();
    Form2 = new TForm2;
    Form4 = new TForm4;
    Form4->FormCreate();
}

void destroyWindows()
{
    delete Form4;
    Form4 = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete rec;
    rec = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete Form3;
    Form3 = nullptr;
}

int sonvaneMain(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine options = parseCommandLine(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "sonvane: %s\n", qPrintable(options.error));
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Sonvane %s\n", SONVANE_VERSION);
        return 0;
    }
    // Card files are checked before anything else starts.
    std::vector<VirtualCard> cards;
    const QString cardError = loadCards(options, cards);
    if (!cardError.isEmpty()) {
        std::fprintf(stderr, "sonvane: %s\n", qPrintable(cardError));
        return 2;
    }
    // A report needs no display; the mixers do.
    if (options.report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!options.listDevices && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("sonvane: no display to show the mixers on (DISPLAY is not set)\n", stderr);
        return 2;
    }
    // The application comes before the driver: the system driver watches its
    // devices in the event loop.
    std::unique_ptr<QCoreApplication> application;
    if (options.listDevices)
        application = std::make_unique<QCoreApplication>(argc, argv);
    else
        application = std::make_unique<QApplication>(argc, argv);
    if (options.virtualCards.isEmpty())
        MixerDriver::install(AlsaMixerDriver::system());
    else
        MixerDriver::install(new VirtualMixerDriver(std::move(cards)));

    if (options.listDevices) {
        std::fputs(listDevices().toUtf8().constData(), stdout);
        MixerDriver::install(nullptr);
        return 0;
    }
    if (options.report) {
        setMessageHook([](const QString &, TMsgDlgType, TMsgDlgButtons) { return int(mrOk); });
        createWindows();
        std::fputs(QJsonDocument(makeReport()).toJson(QJsonDocument::Indented).constData(), stdout);
        destroyWindows();
        setMessageHook(nullptr);
        MixerDriver::install(nullptr);
        return 0;
    }

    cardIndex = 0;
    busyState = 1;
    startingUp = true;

    auto &app = static_cast<QApplication &>(*application);
    QApplication::setApplicationName(QStringLiteral("Sonvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sonvane"));
    QApplication::setApplicationVersion(QStringLiteral(SONVANE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    // Hints show as balloons: rounded, bordered, in the tool tip colours.
    QApplication::setStyle(new TBalloonHintStyle);
    QFont tipFont = QToolTip::font();
    tipFont.setPixelSize(11);
    QToolTip::setFont(tipFont);

    SingleInstanceLock lock;
    if (!lock.acquire()) {
        MixerDriver::install(nullptr);
        MessageDlg(QStringLiteral("Sonvane is already loaded..."), TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        return 0;
    }

    windowsToShow = options.show;
    createWindows();
    Form3->show();
    const int status = terminateRequested() ? 0 : app.exec();
    destroyWindows();
    MixerDriver::install(nullptr);
    return status;
}
