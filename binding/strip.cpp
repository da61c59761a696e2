#include "binding/strip.h"

#include "ui/panel.h"

#include <QLabel>

void buildStrip(Strip &strip, QWidget *window, int number, bool playback)
{
    strip.number = number;
    strip.names = &stripNames[number - 1];
    const StripNames &n = *strip.names;
    const int y = playback ? 16 : 18;

    strip.cha = new TPanel(window, n.cha);
    strip.cha->setGeometry(11 + (number - 1) * 71, y, 70, 146);
    strip.cha->setColor(clSilver);

    strip.namePanel = new TPanel(window, n.namePanel);
    strip.namePanel->setGeometry(12 + (number - 1) * 71, 16, 68, 16);

    strip.nameLabel = new QLabel(QStringLiteral("All Play"), strip.namePanel);
    strip.nameLabel->setObjectName(QLatin1String(n.nameLabel));
    strip.nameLabel->setAlignment(Qt::AlignCenter);
    strip.nameLabel->setGeometry(0, 0, 68, 16);

    strip.mute = new TPanel(strip.cha, n.mute);
    strip.mute->setGeometry(35, 36, 26, 11);
    strip.mute->setCaption(QStringLiteral("mute"));
    strip.mute->hide();
}
