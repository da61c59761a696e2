// Strip initialisation: names the strips, writes the titles and lays every
// strip in use out for a mono or a stereo line.  It reads the card but
// writes nothing to it.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "shell/messages.h"
#include "ui/form1.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QLabel>

namespace {

bool isStereo(TAudioMixer *mixer, int dest, int conn)
{
    int32_t l = 0, r = 0, mute = 0;
    bool stereo = false, volDisabled = false, muteDisabled = false;
    mixer->ReadLineVolume(dest, conn, l, r, mute, stereo, volDisabled, muteDisabled);
    return stereo;
}

QString destinationName(TAudioMixer *mixer, int dest)
{
    return dest < mixer->Destinations().Count() ? lineName(mixer->Destinations().Get(dest).LineInfo) : QString();
}

} // namespace

// Lays a recording strip out in separate mode (stereo line) or linked mode
// without the switch (mono line).
void layRecordingStrip(Strip &s, bool stereo)
{
    if (stereo) {
        s.linked->show();
        s.linked->setBevelInner(TBevel::bvLowered);
        s.linked->setCaption(QStringLiteral("L | R"));
        s.mute->move(35, s.mute->y());
        s.leftPanel->move(0, s.leftPanel->y());
        s.rightPanel->show();
        s.mainEdit->setToolTip(QStringLiteral("You can edit the left volume here... "));
        s.mainEdit->move(17, s.mainEdit->y());
        s.rightEdit->show();
        s.plus->move(6, s.plus->y());
        s.minus->move(6, s.minus->y());
        s.rightPlus->show();
        s.rightMinus->show();
    } else {
        s.linked->hide();
        s.mute->move(21, s.mute->y());
        s.rightPanel->hide();
        s.leftPanel->move(9, s.leftPanel->y());
        s.mainEdit->setToolTip(QStringLiteral("You can edit the left and right volume here... "));
        s.mainEdit->move(26, s.mainEdit->y());
        s.rightEdit->setText2(s.mainEdit->text());
        s.rightEdit->hide();
        s.plus->move(14, s.plus->y());
        s.minus->move(14, s.minus->y());
        s.rightPlus->hide();
        s.rightMinus->hide();
    }
}

void TForm1::Button3Click()
{
    // 1.-3. The card and its destination list.
    Mixer->setMixerId(cardIndex);
    ComboBox1.clear();
    if (Mixer->DeviceCount() < 1) {
        MessageDlg(QStringLiteral("No mixer present in the system !"), TMsgDlgType::mtInformation,
                   TMsgDlgButtons::mbOK);
        return;
    }
    const TMixerDestinations &dests = Mixer->Destinations();
    for (int d = 0; d < dests.Count(); ++d)
        ComboBox1 << lineName(dests.Get(d).LineInfo);
    if (!ComboBox1.isEmpty())
        ComboBox1Change();

    // 4. The playback title.
    Mixer->setMixerId(cardIndex);
    Label14->setText(destinationName(Mixer, playDest) + QLatin1Char(' ') + Mixer->ProductName());

    // 5. The recording name list.
    Mixer->setMixerId(cardIndex);
    ComboBox3.clear();
    if (recDest < Mixer->Destinations().Count()) {
        const TMixerDestination &dest = Mixer->Destinations().Get(recDest);
        ComboBox3 << lineName(dest.LineInfo);
        for (int c = 0; c < dest.Connections.Count(); ++c)
            ComboBox3 << lineName(dest.Connections.Get(c).LineInfo);
    }

    // 6. Playback names, for every strip.
    for (Strip &s : strips)
        s.nameLabel->setText(s.number - 1 < ComboBox2.size() ? ComboBox2.at(s.number - 1).left(100) : QString());

    // 7. A playback strip of a mono line loses its linked switch.
    for (Strip &s : strips) {
        if (!s.inUse())
            continue;
        if (isStereo(Mixer, playDest, s.connection())) {
            s.linked->show();
        } else {
            s.linked->hide();
            if (s.number >= 2)
                s.mainEdit->move(26, s.mainEdit->y());
        }
    }

    // 8. Recording strips: separate for stereo lines, linked for mono ones.
    for (Strip &s : rec->strips)
        if (s.inUse())
            layRecordingStrip(s, isStereo(Mixer, recDest, s.connection()));
}
