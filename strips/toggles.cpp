// Mute, solo, linked and separate channels, extra switches, the recording
// select buttons and the name enlargement.

#include "shell/globals.h"
#include "ui/mixerwindow.h"
#include "ui/widgets.h"

namespace {

void setLook(TPanel *panel, bool on, TColor onColour)
{
    panel->setColor(on ? onColour : clSilver);
    panel->setBevelInner(on ? TBevel::bvLowered : TBevel::bvRaised);
}

} // namespace

void TMixerWindow::muteMouseDown(int number)
{
    Strip &s = stripAt(number);
    if (!playback && number >= 2) {
        // The recording source select button.
        busyState = 1;
        if (s.mute->Color() == clSilver) {
            setLook(s.mute, true, clRed);
            for (Strip &other : FStrips)
                if (other.number >= 2 && other.number != number && other.inUse())
                    setLook(other.mute, false, clRed);
        } else {
            setLook(s.mute, false, clRed);
        }
        editc(number);
        busyState = 0;
        return;
    }
    busyState = 1;
    const bool mute = s.mute->Color() == clSilver;
    setLook(s.mute, mute, clRed);
    if (playback && number >= 2)
        s.mute->Tag = mute ? 1 : 0;
    editc(number);
    if (!playback)
        busyState = 0;
}

void TMixerWindow::panelMouseUp()
{
    busyState = 0;
}

void TMixerWindow::soloMouseDown(int k)
{
    if (!playback || k < 2)
        return;
    busyState = 1;
    Strip &solo = stripAt(k);
    const auto others = [&](auto fn) {
        for (Strip &s : FStrips)
            if (s.number >= 2 && s.number != k && s.inUse())
                fn(s);
    };
    if (solo.solo->Color() == clLime) {
        setLook(solo.solo, false, clLime);
        others([](Strip &s) { setLook(s.mute, s.mute->Tag == 1, clRed); });
    } else {
        setLook(solo.mute, false, clRed);
        setLook(solo.solo, true, clLime);
        others([](Strip &s) {
            setLook(s.solo, false, clLime);
            setLook(s.mute, true, clRed);
        });
    }
    for (Strip &s : FStrips)
        if (s.number >= 2 && s.inUse())
            editc(s.number);
    busyState = 0;
}

void TMixerWindow::setLinked(Strip &s)
{
    const bool wide = playback && s.number >= 2; // playback strips 2-12
    s.linked->setBevelInner(TBevel::bvRaised);
    s.linked->setCaption(QStringLiteral("L+R"));
    s.rightPanel->hide();
    s.leftPanel->move(9, s.leftPanel->y());
    s.mainEdit->setToolTip(QStringLiteral("You can edit the left and right volume here... "));
    s.rightEdit->setText2(s.mainEdit->text());
    s.rightEdit->hide();
    if (wide) {
        s.linked->move(42, s.linked->y());
        s.mainEdit->move(23, s.mainEdit->y());
        s.plus->move(11, 124);
        s.minus->move(11, 132);
    } else {
        s.mainEdit->move(26, s.mainEdit->y());
        s.plus->move(14, s.plus->y());
        s.minus->move(14, s.minus->y());
    }
    s.rightPlus->hide();
    s.rightMinus->hide();
}

void TMixerWindow::setSeparate(Strip &s)
{
    const bool wide = playback && s.number >= 2;
    s.leftPanel->move(0, s.leftPanel->y());
    s.linked->setBevelInner(TBevel::bvLowered);
    s.linked->setCaption(playback ? QStringLiteral("L|R") : QStringLiteral("L | R"));
    s.rightPanel->show();
    s.mainEdit->setToolTip(QStringLiteral("You can edit the left volume here... "));
    s.rightPlus->show();
    s.rightMinus->show();
    s.rightEdit->show();
    if (wide) {
        s.linked->move(24, s.linked->y());
        s.mainEdit->move(5, s.mainEdit->y());
        s.plus->move(5, 108);
        s.minus->move(5, 116);
        s.rightEdit->move(47, 126);
        s.rightPlus->move(53, 108);
        s.rightMinus->move(53, 116);
    } else {
        s.mainEdit->move(17, s.mainEdit->y());
        s.plus->move(6, s.plus->y());
        s.minus->move(6, s.minus->y());
        s.rightEdit->move(35, playback ? 126 : 127);
        s.rightPlus->move(53, 125);
        s.rightMinus->move(53, 134);
    }
}

void TMixerWindow::linkedMouseDown(int number)
{
    Strip &s = stripAt(number);
    const bool guard = playback && number >= 2;
    if (guard)
        busyState = 1;
    if (s.linked->BevelInner() == TBevel::bvLowered)
        setLinked(s);
    else
        setSeparate(s);
    if (guard)
        busyState = 0;
}

void TMixerWindow::extraMouseDown(int number, int which)
{
    Strip &s = stripAt(number);
    TPanel *extra = which == 1 ? s.extra1 : s.extra2;
    busyState = 1;
    setLook(extra, extra->Color() == clSilver, clLime);
    editc(number);
}

// Pressing a name shows it whole: the name panel grows to fit and drops
// below the strip's top edge until the button is released.
void TMixerWindow::nameMouseDown(Strip &s)
{
    const int n = static_cast<int>(s.nameLabel->text().trimmed().size());
    const int w = 7 * n + 15;
    if (w > 68)
        s.namePanel->resize(w, s.namePanel->height());
    s.namePanel->resize(s.namePanel->width(), 32);
    s.nameImage->resize(s.namePanel->size());
    s.nameLabel->move(s.nameLabel->x(), 8);
    if (s.number >= 3) {
        s.nameLabel->move(0, s.nameLabel->y());
        s.nameLabel->resize(s.namePanel->width(), s.nameLabel->height());
    }
    if (playback) {
        if (s.number >= 6 && s.namePanel->width() > 68)
            s.namePanel->move(s.namePanel->Tag - (s.namePanel->width() - 68), s.namePanel->y());
        s.namePanel->raise();
    }
}

void TMixerWindow::nameMouseUp(Strip &s)
{
    if (playback && s.number >= 6)
        s.namePanel->move(s.namePanel->Tag, s.namePanel->y());
    s.namePanel->resize(68, 16);
    s.nameImage->setGeometry(0, 0, 68, 16);
    s.nameLabel->setGeometry(0, 0, 68, 16);
}
