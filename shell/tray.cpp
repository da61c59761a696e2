// The tray icons, showing and hiding the windows with their animations,
// docking the mixers, the visible-channels dialog, save and quit.

#include "shell/globals.h"
#include "shell/messages.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/smoothshow.h"
#include "ui/trayicon.h"
#include "ui/widgets.h"

#include <QAction>
#include <QTimer>

bool saveConfiguration(QString &error);

namespace {

void showAnimated(TSkinWindow *w)
{
    w->SmoothShow1->arm(true);
    w->SmoothShow1->run();
    w->show();
}

void hideAnimated(TSkinWindow *w)
{
    w->SmoothShow1->arm(false);
    w->hide();
    w->SmoothShow1->run();
}

} // namespace

bool TForm1::masterMuted() const
{
    return strips[0].mute->Color() == clRed;
}

QString TForm1::soundPicture(bool shown) const
{
    if (masterMuted())
        return QStringLiteral("soundnoi");
    return shown ? QStringLiteral("soundyesno") : QStringLiteral("soundyesi");
}

void TForm1::TrayIconF2Click()
{
    if (startingUp)
        return;
    trayiconf1bClick();
}

// Shows or hides both mixers; the playback window's visibility decides.
void TForm1::trayiconf1bClick()
{
    if (isVisible()) {
        TrayIconF2->setPicture(QStringLiteral("recplay"));
        TrayIconF1->setPicture(soundPicture(false));
        rec->TrayIconF1->setPicture(QStringLiteral("reci"));
        SmoothShow1->arm(false);
        rec->SmoothShow1->arm(false);
        hide();
        SmoothShow1->run();
        rec->hide();
        rec->SmoothShow1->run();
    } else {
        rec->TrayIconF1->setPicture(QStringLiteral("recino"));
        TrayIconF2->setPicture(QStringLiteral("recplayno"));
        TrayIconF1->setPicture(soundPicture(true));
        SmoothShow1->arm(true);
        rec->SmoothShow1->arm(true);
        rec->SmoothShow1->run();
        rec->show();
        Timer2->start();
    }
}

void TForm1::TrayIconF2DblClick()
{
    if (startingUp)
        return;
    TrayIconF2->setPicture(QStringLiteral("recplay"));
}

void TForm1::TrayIconF1Click()
{
    if (startingUp)
        return;
    if (isVisible()) {
        TrayIconF1->setPicture(soundPicture(false));
        hideAnimated(this);
    } else {
        TrayIconF1->setPicture(soundPicture(true));
        showAnimated(this);
    }
}

// Mutes or unmutes the whole playback through the master strip.
void TForm1::TrayIconF1DblClick()
{
    if (startingUp)
        return;
    busyState = 1;
    Strip &master = strip(1);
    if (!masterMuted()) {
        master.mute->setColor(clRed);
        master.mute->setBevelInner(TBevel::bvLowered);
        TrayIconF1->setPicture(QStringLiteral("soundnoi"));
        setWindowIcon(TrayIconF1->icon());
    } else {
        TrayIconF1->setPicture(QStringLiteral("soundyesi"));
        setWindowIcon(TrayIconF1->icon());
        master.mute->setColor(clSilver);
        master.mute->setBevelInner(TBevel::bvRaised);
    }
    editc(1);
    busyState = 0;
}

void TForm1::Panel108Click()
{
    TrayIconF1->setPicture(soundPicture(false));
    if (!rec->isVisible())
        TrayIconF2->setPicture(QStringLiteral("recplay"));
    hideAnimated(this);
}

void Trec::Panel108Click()
{
    TrayIconF1->setPicture(QStringLiteral("reci"));
    if (!Form1->isVisible())
        Form1->TrayIconF2->setPicture(QStringLiteral("recplay"));
    hideAnimated(this);
}

void Trec::TrayIconF1Click()
{
    if (startingUp)
        return;
    if (isVisible()) {
        TrayIconF1->setPicture(QStringLiteral("reci"));
        hideAnimated(this);
    } else {
        TrayIconF1->setPicture(QStringLiteral("recino"));
        showAnimated(this);
    }
}

void Trec::TrayIconF1DblClick()
{
    if (startingUp)
        return;
    TrayIconF1->setPicture(QStringLiteral("reci"));
}

void TForm2::TrayIconF1Click()
{
    if (startingUp)
        return;
    Form1->button2Click();
    if (isVisible()) {
        TrayIconF1->setPicture(QStringLiteral("vui"));
        hideAnimated(this);
    } else {
        rec->Timer1->stop();
        TrayIconF1->setPicture(QStringLiteral("vuino"));
        showAnimated(this);
        raise();
    }
}

void TForm2::TrayIconF1DblClick()
{
    if (startingUp)
        return;
    TrayIconF1->setPicture(QStringLiteral("vui"));
}

// ------------------------------------------------------------------ docking

void Trec::Timer1Timer()
{
    dock(Form1->isActiveWindow());
}

void Trec::dock(bool playbackActive)
{
    Timer1->stop();
    const int d = (Form1->width() - width()) / 2;
    if (playbackActive)
        move(Form1->x() + d, Form1->y() + Form1->height());
    else
        Form1->move(x() - d, y() - Form1->height());
    Timer1->start();
    Form2->raise();
}

void Trec::startDocking()
{
    if (magnet->isChecked() && isVisible() && Form1->isVisible())
        Timer1->start();
}

// ------------------------------------------------------- visible channels

void Trec::chanelClick()
{
    for (TSkinWindow *w : std::initializer_list<TSkinWindow *>{Form1, rec, Form2})
        w->setTopMost(false);
    Timer1->stop();
    showAnimated(Form4);
}

void TForm4::SpeedButton1Click()
{
    busyState = 1;
    Form1->Button1Click();
    busyState = 0;
    Form1->Button5Click();
    rec->TrayIconF1->setPicture(QStringLiteral("recino"));
    Form1->TrayIconF2->setPicture(QStringLiteral("recplayno"));
    Form1->TrayIconF1->setPicture(Form1->soundPicture(true));
    Form1->SmoothShow1->arm(true);
    rec->SmoothShow1->arm(true);
    rec->SmoothShow1->run();
    rec->show();
    Form1->Timer2->start();
    hide();
}

void TForm4::Panel2Click()
{
    hide();
}

void TForm4::hideEvent(QHideEvent *e)
{
    TSkinWindow::hideEvent(e);
    SmoothShow1->arm(false);
    SmoothShow1->run();
    for (TSkinWindow *w : std::initializer_list<TSkinWindow *>{rec, Form1, Form2})
        w->setTopMost(true);
    rec->startDocking();
    Form2->raise();
}

// ------------------------------------------------------------ save and quit

void Trec::saveClick()
{
    Form1->setTopMost(false);
    setTopMost(false);
    Timer1->stop();
    QString error;
    if (saveConfiguration(error))
        MessageDlg(QStringLiteral("Your new configuration is saved..."), TMsgDlgType::mtInformation,
                   TMsgDlgButtons::mbOK);
    else
        MessageDlg(error, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
    // After a failed save too: the mixers come back on top and docked.
    Form1->setTopMost(true);
    setTopMost(true);
    startDocking();
}

void Trec::Quit1Click()
{
    Timer1->stop();
    for (QWidget *w : std::initializer_list<QWidget *>{Form1, rec, Form2, Form4})
        w->hide();
    if (MessageDlg(QStringLiteral("Do you want to save your configuration before exit?"),
                   TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNo)
        == mrYes) {
        QString error;
        if (!saveConfiguration(error)) {
            // Nothing is lost: Sonvane stays in the tray.
            MessageDlg(error, TMsgDlgType::mtError, TMsgDlgButtons::mbOK);
            return;
        }
    }
    Terminate();
}
