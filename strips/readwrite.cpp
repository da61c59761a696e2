// Reading a line into a strip and writing a strip to its line.  Every
// volume change goes through an edit's text: a change of the main edit runs
// the strip's write, a change of the right edit its right write.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "strips/volumescale.h"
#include "ui/mixerwindow.h"
#include "ui/widgets.h"

using namespace VolumeScale;

namespace {

void setMuteLook(TPanel *panel, bool on)
{
    panel->setColor(on ? clRed : clSilver);
    panel->setBevelInner(on ? TBevel::bvLowered : TBevel::bvRaised);
}

void placeCursor(TImage *cursor, TImage *ghost, int position)
{
    cursor->move(cursor->x(), position);
    ghost->move(ghost->x(), position);
}

bool isLinked(const Strip &s)
{
    return s.linked->BevelInner() == TBevel::bvRaised;
}

} // namespace

int TMixerWindow::destination() const
{
    return playback ? playDest : recDest;
}

void TMixerWindow::getc(int number)
{
    Strip &s = stripAt(number);
    // The third playback strip reopens the card before it reads, as it
    // always has; the line tree is rebuilt, positions stay valid.
    if (playback && number == 3)
        Mixer->setMixerId(cardIndex);
    const int dest = destination();
    const int conn = s.connection();

    bool muted = false;
    Mixer->ReadLineMute(dest, conn, muted);
    setMuteLook(s.mute, muted);
    if (!playback) {
        QPalette pal = s.nameLabel->palette();
        pal.setColor(QPalette::WindowText, muted ? Qt::white : Qt::black);
        s.nameLabel->setPalette(pal);
        s.nameImage->setPicture(muted ? QStringLiteral("redd") : QStringLiteral("fondgris"));
    }

    int32_t left = -1, right = -1, mute = -1;
    bool stereo = false, volDisabled = false, muteDisabled = false;
    Mixer->ReadLineVolume(dest, conn, left, right, mute, stereo, volDisabled, muteDisabled);
    if (reverseLR)
        std::swap(left, right);

    s.mainEdit->setText2(rawToText(left));
    placeCursor(s.leftCursor, s.leftGhost, rawToPosition(left));
    s.rightEdit->setText2(rawToText(right));
    placeCursor(s.rightCursor, s.rightGhost, rawToPosition(right));
}

void TMixerWindow::editc(int number)
{
    Strip &s = stripAt(number);
    const int32_t mute = s.mute->Color() == clRed ? 1 : 0;

    if (s.mainEdit->text().trimmed().isEmpty())
        s.mainEdit->setText2(QStringLiteral("0"));
    if (editNumber(s.mainEdit->text()) <= 0)
        s.mainEdit->setText2(QStringLiteral("0"));
    int32_t a = 0;
    if (editNumber(s.mainEdit->text()) >= 99) {
        s.mainEdit->setText2(QStringLiteral("99"));
        a = 65535;
    } else {
        a = editedRaw(editNumber(s.mainEdit->text()));
    }

    int32_t b = 0;
    if (isLinked(s)) {
        s.rightEdit->setText2(s.mainEdit->text());
        b = a;
    } else {
        b = carriedRaw(editNumber(s.rightEdit->text()));
    }
    Mixer->WriteLineVolume(destination(), s.connection(), reverseLR ? b : a, reverseLR ? a : b, mute);
    if (busyState != 2)
        placeCursor(s.leftCursor, s.leftGhost, rawToPosition(a));
    writeExtraSwitches(s);
}

void TMixerWindow::editcRight(int number)
{
    Strip &s = stripAt(number);
    const int32_t mute = s.mute->Color() == clRed ? 1 : 0;

    if (s.rightEdit->text().trimmed().isEmpty())
        s.rightEdit->setText2(QStringLiteral("0"));
    if (editNumber(s.rightEdit->text()) < 1)
        s.rightEdit->setText2(QStringLiteral("0"));
    int32_t a = 0;
    if (editNumber(s.rightEdit->text()) >= 99) {
        s.rightEdit->setText2(QStringLiteral("99"));
        a = 65535;
    } else {
        a = editedRaw(editNumber(s.rightEdit->text()));
    }
    const int32_t c = carriedRaw(editNumber(s.mainEdit->text()));
    Mixer->WriteLineVolume(destination(), s.connection(), reverseLR ? a : c, reverseLR ? c : a, mute);
    if (busyState != 2)
        placeCursor(s.rightCursor, s.rightGhost, rawToPosition(a));
}

// Each shown extra switch writes its state (1 lime, 0 otherwise) to the
// control it is bound to, as one value.
void TMixerWindow::writeExtraSwitches(Strip &s)
{
    const TMixerControls *controls = nullptr;
    if (!Mixer->findLine(destination(), s.connection(), &controls))
        return;
    for (TPanel *extra : {s.extra1, s.extra2}) {
        if (extra->isHidden() || extra->Tag < 0 || extra->Tag >= controls->Count())
            continue;
        const int32_t value = extra->Color() == clLime ? 1 : 0;
        Mixer->writeControl(controls->Get(extra->Tag).dwControlID, 1, 0, &value, 1);
    }
}
