// The looks: frame pictures, black or white strips, and the strip pictures
// the look refreshes give to the strips in use.

#include "shell/globals.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QAction>

namespace {

const QString rien;

// Clears every picture of a strip, then gives the strips in use their side
// bars, tracks and cursors.
template <std::size_t N>
void stripLooks(std::array<Strip, N> &strips, bool black)
{
    for (Strip &s : strips)
        for (TImage *image : {s.gsl, s.dsl, s.leftTrack, s.leftTrackC, s.rightTrack, s.rightTrackC, s.leftCursor,
                              s.rightCursor, s.leftGhost, s.rightGhost})
            image->setPicture(rien);
    for (Strip &s : strips) {
        if (!s.inUse())
            continue;
        s.gsl->setPicture(black ? QStringLiteral("silverg") : QStringLiteral("whiteg"));
        s.dsl->setPicture(black ? QStringLiteral("silverd") : QStringLiteral("whited"));
        for (TImage *track : {s.leftTrack, s.rightTrack})
            track->setPicture(QStringLiteral("leveln"));
        for (TImage *track : {s.leftTrackC, s.rightTrackC})
            track->setPicture(QStringLiteral("levelc"));
        for (TImage *cursor : {s.leftCursor, s.rightCursor})
            cursor->setPicture(QStringLiteral("curseur"));
        for (TImage *ghost : {s.leftGhost, s.rightGhost})
            ghost->setPicture(QStringLiteral("curseur2"));
    }
}

} // namespace

void TForm1::imageplayClick()
{
    Form2->setFrame(QStringLiteral("fondverth"), QStringLiteral("fondvertv"));
    Form2->overPeakBar->setPicture(QStringLiteral("fondgris"));
    gsleq->setPicture(rien);
    dsleq->setPicture(rien);
    const bool black = rec->BlackPlay1->isChecked();
    setColor(black ? clBlack : clWhite);
    if (Form4->tuch->isChecked()) {
        gsleq->setPicture(black ? QStringLiteral("silverg") : QStringLiteral("whiteg"));
        dsleq->setPicture(black ? QStringLiteral("silverd") : QStringLiteral("whited"));
    }
    stripLooks(strips, black);
}

void TForm1::imagerecClick()
{
    const bool black = rec->BlackRec1->isChecked();
    rec->setColor(black ? clBlack : clWhite);
    stripLooks(rec->strips, black);
}

void Trec::GreenSilver1Click()
{
    GreenSilver1->setChecked(true);
    Silverborders1->setChecked(false);
    Form1->setFrame(QStringLiteral("fondverth"), QStringLiteral("fondvertv"));
    Form2->setFrame(QStringLiteral("fondverth"), QStringLiteral("fondvertv"));
    setFrame(QStringLiteral("bordrh"), QStringLiteral("bordrv"));
}

void Trec::Silverborders1Click()
{
    Silverborders1->setChecked(true);
    GreenSilver1->setChecked(false);
    for (TSkinWindow *w : std::initializer_list<TSkinWindow *>{Form1, Form2, this})
        w->setFrame(QStringLiteral("fondgris"), QStringLiteral("fondgrisv"));
}

void Trec::BlackPlay1Click()
{
    const bool black = BlackPlay1->isChecked();
    BlackPlay1->setChecked(!black);
    WhitePlay1->setChecked(black);
    Form1->imageplayClick();
}

void Trec::BlackRec1Click()
{
    const bool black = BlackRec1->isChecked();
    BlackRec1->setChecked(!black);
    WhiteRec1->setChecked(black);
    Form1->imagerecClick();
}
