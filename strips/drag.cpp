// Cursor dragging, the step buttons with their auto-repeat, and the wheel.

#include "shell/globals.h"
#include "strips/volumescale.h"
#include "ui/mixerwindow.h"
#include "ui/widgets.h"

#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

using namespace VolumeScale;

namespace {

struct Channel
{
    TPanel *panel;
    TImage *cursor;
    TImage *ghost;
    TImage *track;
    TMaskEdit *edit;
};

Channel channelOf(Strip &s, bool right)
{
    if (right)
        return {s.rightPanel, s.rightCursor, s.rightGhost, s.rightTrack, s.rightEdit};
    return {s.leftPanel, s.leftCursor, s.leftGhost, s.leftTrack, s.mainEdit};
}

bool isLinked(const Strip &s)
{
    return s.linked->BevelInner() == TBevel::bvRaised;
}

} // namespace

void TMixerWindow::cursorPress(Strip &s, bool right, QMouseEvent *e)
{
    const Channel ch = channelOf(s, right);
    ch.cursor->hide();
    ch.ghost->show();
    ch.track->hide();
    busyState = 2;
    ch.ghost->move(ch.ghost->x(), ch.cursor->y());
    dragOrigin = ch.cursor->y() - static_cast<int>(e->position().y());
}

// The ghost's position for a mouse event: the point's height inside the
// (still) cursor plus the drag origin, kept within the channel.
int TMixerWindow::dragPosition(Strip &s, bool right, QMouseEvent *e) const
{
    const Channel ch = channelOf(s, right);
    const int y = ch.panel->mapFromGlobal(e->globalPosition().toPoint()).y() - ch.cursor->y();
    return std::clamp(y + dragOrigin, 0, Bottom);
}

void TMixerWindow::cursorMove(Strip &s, bool right, QMouseEvent *e)
{
    if (busyState != 2)
        return;
    const Channel ch = channelOf(s, right);
    const int position = dragPosition(s, right, e);
    ch.ghost->move(ch.ghost->x(), position);
    ch.edit->setText2(positionToText(position));
    ch.ghost->update();
    if (!right && isLinked(s)) {
        s.rightEdit->setText2(s.mainEdit->text());
        s.rightCursor->move(s.rightCursor->x(), position);
        s.rightGhost->move(s.rightGhost->x(), position);
    }
}

void TMixerWindow::cursorRelease(Strip &s, bool right, QMouseEvent *e)
{
    const Channel ch = channelOf(s, right);
    busyState = 0;
    const int position = dragPosition(s, right, e);
    ch.cursor->move(ch.cursor->x(), position);
    ch.ghost->move(ch.ghost->x(), position);
    ch.cursor->show();
    ch.track->show();
    ch.ghost->hide();
    if (!right && isLinked(s)) {
        s.rightCursor->move(s.rightCursor->x(), position);
        s.rightGhost->move(s.rightGhost->x(), position);
    }
}

// +1 does nothing at "99", -1 nothing at "0"; the write normalises the rest.
void TMixerWindow::stepEdit(TMaskEdit *edit, int direction)
{
    if (direction > 0) {
        if (edit->text() != QLatin1String("99"))
            edit->setText2(QString::number(editNumber(edit->text()) + 1));
    } else {
        if (edit->text() != QLatin1String("0"))
            edit->setText2(QString::number(editNumber(edit->text()) - volStep));
    }
}

void TMixerWindow::stepButton(int code)
{
    const int number = code / 100;
    if (number < 1 || number > static_cast<int>(FStrips.size()))
        return;
    Strip &s = stripAt(number);
    stepEdit((code / 10) % 10 == 2 ? s.rightEdit : s.mainEdit, code % 10 == 1 ? 1 : -1);
}

void TMixerWindow::Timer4Timer()
{
    if (repeatCode != 0)
        stepButton(repeatCode);
}

// One step per notch of the wheel over a channel, through the same path as
// the step buttons.
void TMixerWindow::wheelStep(Strip &s, bool right, QWheelEvent *e)
{
    e->accept();
    wheelRemainder += e->angleDelta().y();
    const int notches = wheelRemainder / 120;
    wheelRemainder %= 120;
    if (notches == 0 || busyState == 2)
        return;
    busyState = 1;
    for (int i = 0; i < std::abs(notches); ++i)
        stepEdit(right ? s.rightEdit : s.mainEdit, notches > 0 ? 1 : -1);
    busyState = 0;
}
