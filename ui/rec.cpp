#include "ui/rec.h"

#include "mixer/audiomixer.h"
#include "ui/panel.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

Trec::Trec(QWidget *parent) : TSkinWindow("rec", parent)
{
    setWindowTitle(QStringLiteral("Capvane by Tarkel"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(373, 175);

    Mixer = new TAudioMixer(this);
    Mixer->setObjectName(QStringLiteral("Mixer"));

    for (int s = 1; s <= RecStripCount; ++s)
        buildStrip(strip(s), this, s, false);

    Label14 = new QLabel(this);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setGeometry(13, 1, 340, 16);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    for (int n = 1; n <= 5; ++n) {
        QAction *item = PopupMenu->addAction(QStringLiteral("Audio card %1").arg(n));
        item->setObjectName(QStringLiteral("card%1").arg(n));
        item->setCheckable(true);
        item->setChecked(n == 1);
        connect(item, &QAction::triggered, this, [this, n] { cardClick(n); });
        card[static_cast<std::size_t>(n - 1)] = item;
    }
    PopupMenu->addSeparator();
    magnet = PopupMenu->addAction(QStringLiteral("Magnet between the mixers"));
    magnet->setObjectName(QStringLiteral("magnet"));
    magnet->setCheckable(true);
    magnet->setChecked(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, &Trec::Timer1Timer);
}

void Trec::hideEvent(QHideEvent *e)
{
    TSkinWindow::hideEvent(e);
    FormHide();
}

void Trec::changeEvent(QEvent *e)
{
    TSkinWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            FormActivate();
        else
            FormDeactivate();
    }
}
