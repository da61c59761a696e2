// The creation handlers of the windows and the start trigger.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/panel.h"
#include "ui/rec.h"
#include "ui/widgets.h"

void TForm1::FormCreate()
{
    firstScan = true;
    startingUp = true;
    for (Strip &s : strips)
        s.cha->Tag = 1;
    timerArmed = false;
    hide();
    volStep = 1;
    cardIndex = 0;
    hasRecVolume = false;
    meterSel = static_cast<int8_t>(255);
    hasTreble = false;
    hasBass = false;
    for (QWidget *w : std::initializer_list<QWidget *>{treplus, tremoins, basplus, bassmoins})
        w->setEnabled(false);
    busyState = 1;
    Mixer->setMixerId(cardIndex);
    holdLeft = 0;
    holdRight = 0;
    overPeakCount = 0;
    setFrame(QStringLiteral("fondverth"), QStringLiteral("fondvertv"));
    for (Strip &s : strips)
        s.nameImage->setPicture(QStringLiteral("fondgris"));
    Image5->setPicture(QStringLiteral("fondgris"));
}

void Trec::FormCreate()
{
    for (Strip &s : strips)
        s.cha->Tag = 1;
    hide();
    setFrame(QStringLiteral("bordrh"), QStringLiteral("bordrv"));
    reverseLR = false;
}

// The start trigger: the first set-up and refresh, before the event loop
// runs.  No mixer window is shown by it; the tray icons open them.
void TForm4::FormCreate()
{
    busyState = 1;
    cardIndex = 0;
    rec->Mixer->setMixerId(0);
    Form1->Mixer->setMixerId(0);
    Form1->Button1Click();
    busyState = 0;
    Form1->Button5Click();
}
