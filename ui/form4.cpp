#include "ui/form4.h"

#include "ui/widgets.h"

#include <QPushButton>

namespace {
constexpr TColor lightGreen = 8454016;
constexpr TColor lightRed = 8421631;
} // namespace

TForm4::TForm4(QWidget *parent) : TSkinWindow("Form4", parent)
{
    setWindowTitle(QStringLiteral("       Select the channels that you want to see in Sonvane."));
    resize(520, 352);
    buildFrame(25, 15, 15);
    setFrame(QStringLiteral("fondgris"), QStringLiteral("fondgrisv"));

    Label14 = makeLabel(this, "Label14", windowTitle(), QRect(20, 4, 470, 17), 12, Qt::AlignLeft | Qt::AlignVCenter);

    auto *play = new TPanel(this, "PlayGroup");
    play->setGeometry(20, 32, 236, 300);
    play->setColor(lightGreen);
    auto *recGroup = new TPanel(this, "RecGroup");
    recGroup->setGeometry(264, 32, 236, 240);
    recGroup->setColor(lightRed);

    Label2 = makeLabel(play, "Label2", QStringLiteral("Play Channel"), QRect(8, 4, 220, 16), 12, Qt::AlignCenter);
    Label3 = makeLabel(recGroup, "Label3", QStringLiteral("Rec Channel"), QRect(8, 4, 220, 16), 12, Qt::AlignCenter);
    for (QLabel *l : {Label2, Label3}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }

    tuch = new TCheckBox(play, "tuch", QStringLiteral("All Tune"), QRect(8, 24, 220, 17), lightGreen);
    for (int s = 1; s <= 12; ++s) {
        const int n = s == 12 ? 22 : s;
        BWCCCheckBox[static_cast<std::size_t>(n - 1)]
            = new TCheckBox(play, qPrintable(QStringLiteral("BWCCCheckBox%1").arg(n)),
                            QStringLiteral("BWCCCheckBox%1").arg(n), QRect(8, 24 + s * 21, 220, 17), lightGreen);
    }
    for (int s = 1; s <= 10; ++s) {
        const int n = s + 11;
        BWCCCheckBox[static_cast<std::size_t>(n - 1)]
            = new TCheckBox(recGroup, qPrintable(QStringLiteral("BWCCCheckBox%1").arg(n)),
                            QStringLiteral("BWCCCheckBox%1").arg(n), QRect(8, 3 + s * 21, 220, 17), lightRed);
    }

    SpeedButton1 = new QPushButton(QStringLiteral("O.K."), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(322, 290, 120, 28);
    SpeedButton1->setToolTip(QStringLiteral("Click here to see your configuration."));
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm4::SpeedButton1Click);

    addCornerPanels(QStringLiteral("Click to hide, use the siler bordes to move.."), [this] { Panel2Click(); });
    makeAnimation(toQColor(clSilver));
}
