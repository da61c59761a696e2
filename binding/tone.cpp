// The tone panel: treble and bass knobs bound to the playback destination's
// tone controls.  A knob's position is the control's raw value; its edit
// shows position / 655.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "ui/form1.h"
#include "ui/widgets.h"

#include <QTimer>

namespace {

struct Tone
{
    TRotaryKnob *knob;
    TMaskEdit *edit;
    bool bound;
};

QString knobText(int position)
{
    const int d = position / 655;
    return d >= 99 ? QStringLiteral("99") : QString::number(d);
}

} // namespace

// The tone control at position `tag` of the playback destination line.
const MIXERCONTROL *TForm1::toneControl(int tag)
{
    const TMixerControls *controls = nullptr;
    if (!Mixer->findLine(playDest, -1, &controls) || tag < 0 || tag >= controls->Count())
        return nullptr;
    return &controls->Get(tag);
}

void TForm1::knobChange(bool treble)
{
    const Tone t = treble ? Tone{RotaryKnob1, MaskEdit3, hasTreble} : Tone{RotaryKnob2, MaskEdit4, hasBass};
    busyState = 1;
    if (!t.bound) {
        // An unbound knob springs back to the middle.
        t.knob->setPosition(32767);
        busyState = 0;
        return;
    }
    if (const MIXERCONTROL *c = toneControl(t.knob->Tag)) {
        const int32_t value = t.knob->Position();
        Mixer->writeControl(c->dwControlID, 1, 0, &value, 1);
    }
    // The edit follows the knob; its change must not move the knob back to
    // the edit's rounded value.
    showingKnob = true;
    t.edit->setText2(knobText(t.knob->Position()));
    showingKnob = false;
    busyState = 0;
}

void TForm1::toneEditChange(bool treble)
{
    const Tone t = treble ? Tone{RotaryKnob1, MaskEdit3, hasTreble} : Tone{RotaryKnob2, MaskEdit4, hasBass};
    if (!t.bound || showingKnob)
        return;
    if (t.edit->text().trimmed().isEmpty())
        t.edit->setText2(QStringLiteral("0"));
    if (t.edit->text().trimmed().toInt() < 1)
        t.edit->setText2(QStringLiteral("0"));
    const int value = t.edit->text().trimmed().toInt();
    if (value < 99) {
        t.knob->setPosition(value * 655);
    } else {
        t.edit->setText2(QStringLiteral("99"));
        t.knob->setPosition(65535);
    }
}

void TForm1::stepButton(int code)
{
    switch (code) {
    case 11: stepEdit(MaskEdit3, 1); break;
    case 12: stepEdit(MaskEdit3, -1); break;
    case 21: stepEdit(MaskEdit4, 1); break;
    case 22: stepEdit(MaskEdit4, -1); break;
    default: TMixerWindow::stepButton(code);
    }
}

// Refresh: the knobs take their controls' values (and write them back
// through their change handlers).
void TForm1::readToneKnobs()
{
    for (const bool treble : {true, false}) {
        if (!(treble ? hasTreble : hasBass))
            continue;
        TRotaryKnob *knob = treble ? RotaryKnob1 : RotaryKnob2;
        const MIXERCONTROL *c = toneControl(knob->Tag);
        int32_t value = 0;
        if (c && Mixer->readControl(c->dwControlID, 1, 0, &value, 1))
            knob->setPosition(value);
    }
}

void TForm1::wireTonePanel()
{
    RotaryKnob1->OnChange = [this] { knobChange(true); };
    RotaryKnob2->OnChange = [this] { knobChange(false); };
    connect(MaskEdit3, &QLineEdit::textChanged, this, [this] { toneEditChange(true); });
    connect(MaskEdit4, &QLineEdit::textChanged, this, [this] { toneEditChange(false); });
    wireStepButton(treplus, 11);
    wireStepButton(tremoins, 12);
    wireStepButton(basplus, 21);
    wireStepButton(bassmoins, 22);
}
