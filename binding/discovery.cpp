// Controller discovery: chooses the playback and recording destinations,
// decides which strips are in use and packs them into both windows, binds
// mute, select and extra switches to their controls and the tone knobs to
// the bass and treble controls.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "ui/form1.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QLabel>

namespace {

constexpr uint8_t noDestination = 0xBB;

// The first character of a type written in hexadecimal without leading
// zeros.
QChar firstHexDigit(uint32_t value)
{
    return QString::number(value, 16).at(0);
}

bool passesSwitchTest(const MIXERCONTROL &c)
{
    return firstHexDigit(c.dwControlType) == QLatin1Char('2');
}

// Entry i of a name list, or an empty name past its end.
QString entry(const QStringList &list, int i)
{
    return i >= 0 && i < list.size() ? list.at(i) : QString();
}

// The names of a destination and its sources; nothing for a position the
// card does not have.
QStringList lineNames(TAudioMixer *mixer, int dest)
{
    QStringList names;
    if (dest >= mixer->Destinations().Count())
        return names;
    const TMixerDestination &d = mixer->Destinations().Get(dest);
    names << lineName(d.LineInfo);
    for (int c = 0; c < d.Connections.Count(); ++c)
        names << lineName(d.Connections.Get(c).LineInfo);
    return names;
}

int sourceCount(TAudioMixer *mixer, int dest)
{
    return dest < mixer->Destinations().Count() ? mixer->Destinations().Get(dest).Connections.Count() : 0;
}

// Extra switch caption: the first four characters of the name, trimmed and
// lower-cased.
void bindExtra(TPanel *extra, int k, const MIXERCONTROL &c)
{
    extra->Tag = k;
    extra->show();
    extra->setCaption(controlName(c).left(4).trimmed().toLower());
    extra->setToolTip(controlName(c).trimmed());
}

// The two panels of a strip's top row move up when an extra switch shows.
void raiseRow(Strip &s)
{
    for (TPanel *p : {s.solo ? s.solo : s.linked, s.mute})
        p->move(p->x(), 36);
}

// The extra switch rules shared by every line.
void bindExtraSwitches(Strip &s, int k, const MIXERCONTROL &c, bool consultMute)
{
    if ((!consultMute || k != s.mute->Tag) && s.extra1->Tag == -2 && passesSwitchTest(c)) {
        bindExtra(s.extra1, k, c);
        s.extra1->move(21, s.extra1->y());
        raiseRow(s);
    }
    if (k != s.mute->Tag && k != s.extra1->Tag && k != s.extra2->Tag && passesSwitchTest(c)) {
        bindExtra(s.extra2, k, c);
        s.extra1->move(7, s.extra1->y());
        raiseRow(s);
    }
}

void bindPlaybackLine(TForm1 *form, const TMixerControls &controls, int c)
{
    for (int k = 0; k < controls.Count(); ++k) {
        const MIXERCONTROL &ctl = controls.Get(k);
        // The tone knobs, from the destination line's own controls only.
        struct Knob
        {
            uint32_t type;
            TRotaryKnob *knob;
            bool &bound;
            std::initializer_list<QWidget *> widgets;
            const char *boundHint;
            const char *unboundHint;
        };
        const Knob knobs[] = {
            {MIXERCONTROL_CONTROLTYPE_BASS, form->RotaryKnob2, hasBass,
             {form->basplus, form->bassmoins, form->MaskEdit4, form->RotaryKnob2},
             "Turn the knob to ajust the bass volume...", "No bass edition with that soundcard..."},
            {MIXERCONTROL_CONTROLTYPE_TREBLE, form->RotaryKnob1, hasTreble,
             {form->MaskEdit3, form->treplus, form->tremoins, form->RotaryKnob1},
             "Turn the knob to ajust the treble volume...", "No treble edition with that soundcard..."},
        };
        for (const Knob &t : knobs) {
            if (c == -1 && ctl.dwControlType == t.type) {
                t.knob->Tag = k;
                t.bound = true;
                for (QWidget *w : t.widgets)
                    w->setEnabled(true);
                t.knob->setToolTip(QLatin1String(t.boundHint));
            }
            if (!t.bound)
                t.knob->setToolTip(QLatin1String(t.unboundHint));
        }

        Strip &s = form->strip(c == -1 ? 1 : c + 2);
        if (!s.inUse())
            continue;
        if (ctl.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE) {
            s.mute->Tag = k;
            s.mute->setCaption(QStringLiteral("mute"));
            s.mute->setToolTip(controlName(ctl));
            s.mute->show();
            if (s.solo)
                s.solo->show();
        }
        bindExtraSwitches(s, k, ctl, true);
    }
}

void bindRecordingMaster(Trec *window, const TMixerControls &controls)
{
    Strip &s = window->strip(1);
    for (int k = 0; k < controls.Count(); ++k) {
        const MIXERCONTROL &ctl = controls.Get(k);
        if (ctl.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME) {
            hasRecVolume = true;
            s.poisson->hide();
        }
        if (ctl.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE) {
            s.mute->Tag = k;
            s.mute->setCaption(QStringLiteral("mute"));
            s.mute->setToolTip(controlName(ctl));
            s.mute->show();
            s.poisson->move(s.poisson->x(), 49);
            raiseRow(s);
        }
        if (ctl.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX)
            muxIndex = k;
        bindExtraSwitches(s, k, ctl, true);
    }
}

void bindRecordingSource(Strip &s, const TMixerControls &controls)
{
    for (int k = 0; k < controls.Count(); ++k) {
        const MIXERCONTROL &ctl = controls.Get(k);
        if (muxIndex != -2) {
            s.mute->Tag = k;
            s.mute->setCaption(QStringLiteral("select"));
            s.mute->show();
        }
        bindExtraSwitches(s, k, ctl, false);
    }
}

// Packs the strips in use of a window from slot `first` on; returns the
// last slot taken (-1 for none).
template <std::size_t N>
int packStrips(std::array<Strip, N> &strips, int counter)
{
    for (Strip &s : strips) {
        if (!s.inUse())
            continue;
        ++counter;
        const int x = counter * 71;
        s.cha->move(x + 10, s.cha->y());
        s.namePanel->move(x + 11, s.namePanel->y());
        s.namePanel->Tag = x + 11;
    }
    return counter;
}

void sizeWindow(TSkinWindow *window, QLabel *title, TPanel *top, TPanel *bottom, int width)
{
    window->resize(width, window->height());
    top->move(width - 14, top->y());
    bottom->move(width - 14, window->height() - bottom->height());
    title->resize(width - 14, title->height());
}

// Marks strips whose line has no name as unused and hides them.
template <std::size_t N>
void flagByNames(std::array<Strip, N> &strips, const QStringList &names)
{
    for (Strip &s : strips) {
        if (!entry(names, s.number - 1).trimmed().isEmpty()) {
            s.cha->Tag = 0;
        } else {
            s.cha->hide();
            s.namePanel->hide();
            s.cha->Tag = 1;
        }
    }
}

// Captions the dialog's check boxes and hides the strips the user unchecked.
template <std::size_t N, typename BoxOf>
void applyVisibleChannels(std::array<Strip, N> &strips, const QStringList &names, BoxOf boxOf)
{
    for (Strip &s : strips) {
        TCheckBox *box = boxOf(s.number);
        const QString e = entry(names, s.number - 1).trimmed();
        if (e.isEmpty()) {
            box->hide();
            continue;
        }
        box->setText(e);
        box->show();
        if (!box->isChecked()) {
            s.cha->hide();
            s.namePanel->hide();
            s.cha->Tag = 1;
        }
    }
}

} // namespace

void TForm1::Button4Click()
{
    // 1. Start.
    busyState = 1;
    for (Strip &s : strips)
        s.cha->Tag = 1;
    for (Strip &s : rec->strips)
        s.cha->Tag = 1;

    // 2. Playback strips back to linked mode.
    for (Strip &s : strips) {
        const bool master = s.number == 1;
        if (!master)
            s.linked->move(42, s.linked->y());
        s.linked->setCaption(QStringLiteral("L+R"));
        s.linked->setBevelInner(TBevel::bvRaised);
        s.rightPanel->hide();
        s.leftPanel->move(9, s.leftPanel->y());
        s.mainEdit->setToolTip(QStringLiteral("You can edit the left and right volume here... "));
        s.mainEdit->move(master ? 26 : 23, s.mainEdit->y());
        s.rightEdit->hide();
        if (master) {
            s.plus->move(14, s.plus->y());
            s.minus->move(14, s.minus->y());
        } else {
            s.plus->move(11, 124);
            s.minus->move(11, 132);
        }
        s.rightPlus->hide();
        s.rightMinus->hide();
    }

    // 3. Clear the bindings.
    muxIndex = -2;
    Mixer->setMixerId(cardIndex);
    for (Strip &s : strips)
        s.mute->Tag = s.extra1->Tag = s.extra2->Tag = -2;
    for (Strip &s : rec->strips) {
        s.mute->Tag = s.extra1->Tag = s.extra2->Tag = -2;
        s.mute->hide();
        s.extra1->hide();
        s.extra2->hide();
        s.linked->move(s.linked->x(), 42);
        s.mute->move(s.mute->x(), 42);
    }
    playDest = noDestination;
    recDest = noDestination;
    for (Strip &s : strips) {
        s.mute->hide();
        s.extra1->hide();
        s.extra2->hide();
        s.mute->move(s.mute->x(), 42);
        if (s.solo) {
            s.solo->hide();
            s.solo->move(s.solo->x(), 42);
        } else {
            s.linked->move(s.linked->x(), 42);
        }
    }
    // A card without a recording volume shows the blank plate again; the
    // flag and the plate follow the current card only.
    hasRecVolume = false;
    rec->strip(1).poisson->show();
    rec->strip(1).poisson->move(17, 43);

    // 4. Show everything.
    for (Strip &s : strips) {
        s.cha->show();
        s.namePanel->show();
    }
    for (Strip &s : rec->strips) {
        s.cha->show();
        s.namePanel->show();
    }

    // 5. The tone panel starts unbound.
    hasTreble = false;
    hasBass = false;
    for (QWidget *w : std::initializer_list<QWidget *>{treplus, tremoins, basplus, bassmoins, MaskEdit3, MaskEdit4})
        w->setEnabled(false);
    MaskEdit3->setText2(QStringLiteral("50"));
    MaskEdit4->setText2(QStringLiteral("50"));
    RotaryKnob1->setPosition(32767);
    RotaryKnob2->setPosition(32767);

    // 6. Choose the destinations: the last match wins.
    const TMixerDestinations &dests = Mixer->Destinations();
    for (int d = 0; d < dests.Count(); ++d) {
        const QChar digit = firstHexDigit(dests.Get(d).LineInfo.dwComponentType);
        if (digit == QLatin1Char('4'))
            playDest = static_cast<uint8_t>(d);
        if (digit == QLatin1Char('7'))
            recDest = static_cast<uint8_t>(d);
    }

    // 7. Playback names and in-use flags.
    ComboBox2 = lineNames(Mixer, playDest);
    flagByNames(strips, ComboBox2);

    // 8. The dialog's texts.
    Form4->Label2->setText(entry(ComboBox2, 0));
    Form4->Label3->setText(entry(lineNames(Mixer, recDest), 0));
    Form4->Label14->setText(Mixer->ProductName());

    // 9. The saved choices apply on the first run.
    if (firstScan)
        optionsClick();

    // 10.-13. Playback visibility, layout, looks and width.
    applyVisibleChannels(strips, ComboBox2, [](int s) { return Form4->playBox(s); });
    int counter = -1;
    if (Form4->tuch->isChecked()) {
        counter = 0;
        chatune->move(10, chatune->y());
        chatune->show();
    } else {
        chatune->hide();
    }
    counter = packStrips(strips, counter);
    imageplayClick();
    sizeWindow(this, Label14, Panel108, Panel107, sourceCount(Mixer, playDest) >= 12 ? 941 : (counter + 1) * 71 + 18);

    // 14.-15. The same for the recording window, which has no tone panel.
    Mixer->setMixerId(cardIndex);
    ComboBox3 = lineNames(Mixer, recDest);
    flagByNames(rec->strips, ComboBox3);
    applyVisibleChannels(rec->strips, ComboBox3, [](int s) { return Form4->recBox(s); });
    counter = packStrips(rec->strips, -1);
    imagerecClick();
    sizeWindow(rec, rec->Label14, rec->Panel108, rec->Panel107,
               sourceCount(Mixer, recDest) >= 10 ? 728 : (counter + 1) * 71 + 18);

    // 16. The recording master is always bound, even when hidden.
    firstScan = false;
    rec->strip(1).cha->Tag = 0;

    // 17. Bind the lines' controls, through a mixer of its own.
    TAudioMixer probe(this);
    probe.setMixerId(cardIndex);
    const TMixerDestinations &tree = probe.Destinations();
    if (playDest < tree.Count()) {
        const TMixerDestination &d = tree.Get(playDest);
        scanDest = playDest;
        bindPlaybackLine(this, d.Controls, -1);
        for (int c = 0; c < d.Connections.Count() && c < PlayStripCount - 1; ++c)
            bindPlaybackLine(this, d.Connections.Get(c).Controls, c);
    }
    if (recDest < tree.Count()) {
        const TMixerDestination &d = tree.Get(recDest);
        scanDest = recDest;
        bindRecordingMaster(rec, d.Controls);
        for (int c = 0; c < d.Connections.Count() && c < RecStripCount - 1; ++c)
            if (rec->strip(c + 2).inUse())
                bindRecordingSource(rec->strip(c + 2), d.Connections.Get(c).Controls);
    }
}
