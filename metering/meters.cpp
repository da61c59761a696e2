// Level meters: the list of lines that have a peak meter, the polling pass
// that shows the metered line, and the choice of that line by pressing a
// strip's meter.

#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/widgets.h"

#include <QTimer>

#include <cstdlib>

namespace {

// Level n = |value| div 2000, capped at 40; 9 and above is over-peak.
int levelOf(int32_t value)
{
    return static_cast<int>(std::min<int64_t>(std::llabs(static_cast<int64_t>(value)) / 2000, 40));
}

} // namespace

void TForm1::button2Click()
{
    ListView.clear();
    Mixer->setMixerId(cardIndex);
    const int devices = std::min(Mixer->DeviceCount(), 10);
    // Each device is opened once to see which of its lines have a meter;
    // the polling pass reads through the playback window's own mixer, so
    // the device objects are not kept.
    for (int m = 0; m < devices; ++m) {
        TAudioMixer device(this);
        device.setMixerId(m);
        const TMixerDestinations &dests = device.Destinations();
        for (int d = 0; d < dests.Count(); ++d) {
            const TMixerDestination &dest = dests.Get(d);
            for (int c = -1; c < dest.Connections.Count(); ++c) {
                int32_t left = 0, right = 0;
                if (device.ReadLinePeak(d, c, left, right))
                    ListView.push_back({lineName(c < 0 ? dest.LineInfo : dest.Connections.Get(c).LineInfo), m, d, c, 0});
            }
        }
    }
    lastPeakTick = 0;
    lastMeterFrame = 0;
    // Without a single meter there is nothing to poll: no waking up for it.
    if (ListView.empty())
        meterTimer->stop();
    else
        meterTimer->start();
}

void TForm1::PollMeters()
{
    Mixer->setMixerId(cardIndex);
    const int64_t now = meterClock();
    if (lastPeakTick + 10 > now)
        return;
    lastPeakTick = now;
    if (ListView.empty())
        return;

    // One read of the metered line on the current card per pass; a mono
    // line gives the right channel the left value.
    int32_t left = 0, right = 0;
    if (!Mixer->ReadLinePeak(meterDest, meterSel, left, right))
        return;

    Strip &master = strip(1);
    const int n = levelOf(left);
    const int nr = levelOf(right);
    // Each pass starts the large meters from level 0; a channel with a level
    // then shows it.
    Form2->resetMeters(n == 0, nr == 0);
    if (n > 0) {
        if (masterFraction > 0)
            master.peakLabel->hide();
        masterFraction = master.mainEdit->text().trimmed().toInt() / 99.0;
        // Levels above the scale's last mark show it at full scale.
        masterLeft = QStringLiteral("vuf%1").arg(std::min(n, 10));
        Form2->LevelStep(TForm2::Left, n);
    }
    if (nr > 0) {
        Form2->LevelStep(TForm2::Right, nr);
        masterRight = QStringLiteral("vuf%1").arg(std::min(nr, 10));
    }
    // The passes run every 10 ms; the meters are drawn at most once a frame.
    if (now - lastMeterFrame >= meterFrameInterval) {
        lastMeterFrame = now;
        if (!masterLeft.isEmpty())
            master.vul->setPicture(masterLeft);
        if (!masterRight.isEmpty())
            master.vur->setPicture(masterRight);
        Form2->showLevels();
    }
}

void TMixerWindow::meterMouseDown(int number)
{
    Strip &s = stripAt(number);
    meterDest = static_cast<uint8_t>(destination());
    const bool solo = s.solo && s.solo->Color() == clLime;
    meterSel = static_cast<int8_t>(number == 1 || solo ? -1 : number - 2);
    meterName = s.nameLabel->text();
    Form2->meterPressed(playback);
}

void TMixerWindow::meterMouseUp()
{
    if (playback)
        Form2->setFrame(QStringLiteral("fondverth"), QStringLiteral("fondvertv"));
    else
        Form2->setFrame(QStringLiteral("bordrh"), QStringLiteral("bordrv"));
}
