#include "ui/rec.h"

#include "mixer/audiomixer.h"
#include "ui/panel.h"
#include "ui/trayicon.h"
#include "ui/widgets.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QTimer>

namespace {
QAction *item(QMenu *menu, const char *name, const QString &caption, bool checkable = false, bool checked = false)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setCheckable(checkable);
    a->setChecked(checked);
    return a;
}
} // namespace

Trec::Trec(QWidget *) : TMixerWindow("rec", false, 100)
{
    setWindowTitle(QStringLiteral("Capvane by Tarkel"));
    resize(373, 175);
    buildFrame(19, 12, 10);

    for (int s = 1; s <= RecStripCount; ++s)
        buildStrip(strip(s), this, s, false);
    wireStrips(strips);

    buildTitleAndClose(QStringLiteral("Drag the mixer with the borders..."),
                       QStringLiteral("Click to hide the record mixer."), QStringLiteral("X"));
    move(x(), 308);

    makeAnimation(toQColor(8421631));
    TrayIconF1 = new TTrayIcon(this, "TrayIconF1", QStringLiteral("Click to show/hide the rec mixer..."),
                               QStringLiteral("reci"));
    TrayIconF1->OnClick = [this] { TrayIconF1Click(); };
    TrayIconF1->OnDblClick = [this] { TrayIconF1DblClick(); };

    PopupMenu = new TBannerMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    for (int n = 1; n <= 5; ++n) {
        QAction *a = item(PopupMenu, qPrintable(QStringLiteral("card%1").arg(n)),
                          QStringLiteral("Audio card %1").arg(n), true, n == 1);
        connect(a, &QAction::triggered, this, [this, n] { cardClick(n); });
        card[static_cast<std::size_t>(n - 1)] = a;
    }
    PopupMenu->addSeparator();
    Option = PopupMenu->addMenu(QStringLiteral("Looks"));
    Option->setObjectName(QStringLiteral("Option"));
    GreenSilver1 = item(Option, "GreenSilver1", QStringLiteral("Colored borders"), true, true);
    Silverborders1 = item(Option, "Silverborders1", QStringLiteral("Silver borders"), true, false);
    Option->addSeparator()->setObjectName(QStringLiteral("Otheroptions1"));
    BlackPlay1 = item(Option, "BlackPlay1", QStringLiteral("Black Play"), true, true);
    BlackRec1 = item(Option, "BlackRec1", QStringLiteral("Black Rec"), true, true);
    WhitePlay1 = item(Option, "WhitePlay1", QStringLiteral("White Play"), true, false);
    WhiteRec1 = item(Option, "WhiteRec1", QStringLiteral("White Rec"), true, false);
    // The menu toggles check marks itself; the handlers set them as the looks
    // require, so a click is undone first.
    const auto handler = [this](QAction *a, void (Trec::*click)()) {
        connect(a, &QAction::triggered, this, [this, a, click] {
            a->setChecked(!a->isChecked());
            (this->*click)();
        });
    };
    handler(GreenSilver1, &Trec::GreenSilver1Click);
    handler(Silverborders1, &Trec::Silverborders1Click);
    handler(BlackPlay1, &Trec::BlackPlay1Click);
    handler(WhitePlay1, &Trec::BlackPlay1Click);
    handler(BlackRec1, &Trec::BlackRec1Click);
    handler(WhiteRec1, &Trec::BlackRec1Click);
    magnet = item(PopupMenu, "magnet", QStringLiteral("Magnet between the mixers"), true, true);
    chanel = item(PopupMenu, "chanel", QStringLiteral("Visible channels"));
    connect(chanel, &QAction::triggered, this, &Trec::chanelClick);
    PopupMenu->addSeparator();
    Quit1 = item(PopupMenu, "Quit1", QStringLiteral("Terminate Sonvane and Quit"));
    connect(Quit1, &QAction::triggered, this, &Trec::Quit1Click);
    PopupMenu->addSeparator();
    save = item(PopupMenu, "save", QStringLiteral("Save your configuration"));
    connect(save, &QAction::triggered, this, &Trec::saveClick);
    OK = item(PopupMenu, "OK", QStringLiteral("OK, close the menu..."));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, &Trec::Timer1Timer);
}
