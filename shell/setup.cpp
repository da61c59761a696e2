// The set-up and refresh routines, the card's change notices, the card
// switch and the playback window's timers.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "shell/messages.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/panel.h"
#include "ui/rec.h"
#include "ui/smoothshow.h"
#include "ui/trayicon.h"
#include "ui/widgets.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstdio>

void TForm1::Button1Click()
{
    for (Strip &s : rec->strips)
        s.nameImage->setPicture(QStringLiteral("fondgris"));

    // Card menu captions: one item per device, up to five.
    const int N = Mixer->DeviceCount();
    if (N >= 1 && N <= 5) {
        for (int i = 0; i < N; ++i) {
            Mixer->setMixerId(i);
            rec->card[static_cast<std::size_t>(i)]->setText(Mixer->ProductName());
        }
        if (N == 1)
            rec->card[1]->setVisible(false);
        Mixer->setMixerId(cardIndex);
    }

    Button4Click();
    Button3Click();
    button2Click();

    for (Strip &s : strips)
        s.mute->Tag = 0;
    for (Strip &s : rec->strips)
        s.mute->Tag = 0;

    // The recording master's volume widgets follow whether the card has a
    // recording volume.  With one they are shown again (a card without one
    // may have hidden them); the right-channel ones keep the layout strip
    // initialisation gave them.
    {
        Strip &m = rec->strip(1);
        if (!hasRecVolume) {
            for (QWidget *w : std::initializer_list<QWidget *>{m.cursorArea, m.plus, m.minus, m.rightPlus,
                                                               m.rightMinus, m.mainEdit, m.rightEdit})
                w->hide();
        } else {
            for (QWidget *w : std::initializer_list<QWidget *>{m.cursorArea, m.plus, m.minus, m.mainEdit})
                w->show();
        }
    }

    for (int s = 1; s <= RecStripCount; ++s) {
        const QString name = s - 1 < ComboBox3.size() ? ComboBox3.at(s - 1).left(100) : QString();
        rec->strip(s).nameLabel->setText(name);
    }

    QString destName;
    if (recDest < Mixer->Destinations().Count())
        destName = lineName(Mixer->Destinations().Get(recDest).LineInfo);
    rec->Label14->setText(destName + QLatin1Char(' ') + Mixer->ProductName());

    // Card menu visibility: item 0 always, items 1..N-1 shown, the rest hidden.
    if (N >= 1 && N <= 5)
        for (int i = 1; i < 5; ++i)
            rec->card[static_cast<std::size_t>(i)]->setVisible(i < N);

    if (!timerArmed) {
        if (!Timer1->isActive())
            Timer1->start();
        timerArmed = true;
    }

    meterSel = static_cast<int8_t>(255);
    meterDest = playDest;
    meterName = strip(1).nameLabel->text();

    knownCardName = Mixer->ProductName();
    busyState = 0;
}

void TForm1::Button5Click()
{
    busyState = 1;
    Mixer->setMixerId(cardIndex);
    readToneKnobs();
    for (Strip &s : strips)
        if (s.cha->Tag == 0)
            getc(s.number);
    for (Strip &s : rec->strips)
        if (s.cha->Tag == 0)
            rec->getc(s.number);
    busyState = 0;
}

void TForm1::MixerControlChange(TAudioMixer *, uint32_t, uint32_t)
{
    if (busyState != 0)
        return;
    if (knownCardName != Mixer->ProductName()) {
        // The message box runs its own event loop: keep the notices that
        // arrive meanwhile from showing it again.
        busyState = 1;
        MessageDlg(QStringLiteral("Your System Sound-Cards has changed outside Sonvane. You have to "
                                  "terminate Sonvane and reload it again..."),
                   TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
        Terminate();
        return;
    }
    Button5Click();
}

void TForm1::Mixer1ControlChange(TAudioMixer *, uint32_t, uint32_t)
{
    // With a single device Mixer1 watches the same card as Mixer.
    if (Mixer1->DeviceCount() <= 1 || busyState != 0)
        return;
    Button5Click();
}

void TForm1::ComboBox1Change()
{
    Mixer->setMixerId(cardIndex);
}

void Trec::cardClick(int N)
{
    if (Form1->isVisible())
        Form1->hide();
    if (isVisible())
        hide();
    for (int n = 1; n <= 5; ++n)
        card[static_cast<std::size_t>(n - 1)]->setChecked(n == N);
    busyState = 1;
    cardIndex = static_cast<uint8_t>(N - 1);
    Mixer->setMixerId(cardIndex);
    Form1->Mixer->setMixerId(cardIndex);
    Form1->Button1Click();
    busyState = 0;
    Form1->Button5Click();
    Form1->trayiconf1bClick();
}

void TForm1::Timer1Timer()
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        for (TTrayIcon *icon : {TrayIconF2, TrayIconF1, rec->TrayIconF1, Form2->TrayIconF1})
            icon->setContextMenu(rec->PopupMenu);
        TrayIconF2->show();
        TrayIconF1->show();
        rec->TrayIconF1->show();
        Form2->TrayIconF1->show();
    }
    startingUp = false;
    Timer1->stop();
    if (Form3)
        Form3->hide();
    // Without a notification area nothing could open the mixers: show them.
    const bool noTray = !QSystemTrayIcon::isSystemTrayAvailable();
    if (noTray)
        std::fprintf(stderr, "sonvane: this desktop has no system tray; showing both mixers\n");
    const bool play = noTray || windowsToShow.contains(QLatin1String("play"));
    const bool record = noTray || windowsToShow.contains(QLatin1String("rec"));
    if ((play || record) && centred && rec->centred) {
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center().x() - width() / 2, area.top() + area.height() / 4);
        }
        const int d = (width() - rec->width()) / 2;
        rec->move(x() + d, y() + height());
        // Placed here, docked: not centred on top of each other.
        centred = false;
        rec->centred = false;
    }
    if (play && record)
        trayiconf1bClick();
    else if (play)
        show();
    else if (record)
        rec->show();
    if (windowsToShow.contains(QLatin1String("vu")))
        Form2->show();
}

void TForm1::Timer2Timer()
{
    Timer2->stop();
    SmoothShow1->run();
    show();
}


