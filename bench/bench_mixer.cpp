// The mixer layer's hot paths: the playback window reopens its card (and
// rebuilds the line tree) up to a hundred times a second.

#include "mixer/audiomixer.h"
#include "mixer/drivers/alsadriver.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

struct LargeCard
{
    LargeCard()
    {
        std::vector<VirtualCard> cards;
        cards.push_back(loadVirtualCard(QStringLiteral(SONVANE_SOURCE_DIR "/cards/large-card.json")));
        driver = new VirtualMixerDriver(std::move(cards));
        MixerDriver::install(driver);
    }
    ~LargeCard() { MixerDriver::install(nullptr); }
    VirtualMixerDriver *driver;
};

void BM_ReopenLargeCard(benchmark::State &state)
{
    LargeCard card;
    TAudioMixer mixer;
    for (auto _ : state) {
        mixer.setMixerId(0);
        benchmark::DoNotOptimize(mixer.Destinations().Count());
    }
}
BENCHMARK(BM_ReopenLargeCard);

void BM_ReadLineVolume(benchmark::State &state)
{
    LargeCard card;
    TAudioMixer mixer;
    int32_t l, r, m;
    bool stereo, vd, md;
    for (auto _ : state)
        benchmark::DoNotOptimize(mixer.ReadLineVolume(0, 13, l, r, m, stereo, vd, md));
}
BENCHMARK(BM_ReadLineVolume);

void BM_ReadLineVolumeThroughSelection(benchmark::State &state)
{
    LargeCard card;
    TAudioMixer mixer;
    int32_t l, r, m;
    bool stereo, vd, md;
    for (auto _ : state)
        benchmark::DoNotOptimize(mixer.ReadLineVolume(1, 11, l, r, m, stereo, vd, md));
}
BENCHMARK(BM_ReadLineVolumeThroughSelection);

void BM_WriteLineVolumeUnchanged(benchmark::State &state)
{
    // The refresh writes back what it read: no change, no notice.
    LargeCard card;
    TAudioMixer mixer;
    for (auto _ : state)
        benchmark::DoNotOptimize(mixer.WriteLineVolume(0, 13, 30000, 30000, 0));
}
BENCHMARK(BM_WriteLineVolumeUnchanged);

void BM_WriteLineVolumeChanged(benchmark::State &state)
{
    // A user's edit: the values change and a notice is posted.
    LargeCard card;
    TAudioMixer mixer;
    int32_t v = 0;
    int64_t n = 0;
    for (auto _ : state) {
        v ^= 1;
        benchmark::DoNotOptimize(mixer.WriteLineVolume(0, 13, 30000 + v, 30000 + v, -1));
        if (++n % 4096 == 0) {
            state.PauseTiming();
            QCoreApplication::removePostedEvents(nullptr);
            state.ResumeTiming();
        }
    }
    QCoreApplication::removePostedEvents(nullptr);
}
BENCHMARK(BM_WriteLineVolumeChanged);

} // namespace

// Reopening ALSA's default device: the driver keeps the device's handle, so
// a reopen rebuilds the line tree from its tables.  Needs a sound server or
// card; skipped without one.
void BM_ReopenAlsaDefault(benchmark::State &state)
{
    MixerDriver::install(AlsaMixerDriver::system());
    TAudioMixer mixer;
    if (mixer.DeviceCount() == 0) {
        state.SkipWithError("no ALSA device");
        MixerDriver::install(nullptr);
        return;
    }
    for (auto _ : state) {
        mixer.setMixerId(0);
        benchmark::DoNotOptimize(mixer.Destinations().Count());
    }
    MixerDriver::install(nullptr);
}
BENCHMARK(BM_ReopenAlsaDefault);

void BM_ReadLineVolumeAlsaDefault(benchmark::State &state)
{
    MixerDriver::install(AlsaMixerDriver::system());
    TAudioMixer mixer;
    if (mixer.DeviceCount() == 0) {
        state.SkipWithError("no ALSA device");
        MixerDriver::install(nullptr);
        return;
    }
    int32_t l, r, m;
    bool stereo, vd, md;
    for (auto _ : state)
        benchmark::DoNotOptimize(mixer.ReadLineVolume(0, -1, l, r, m, stereo, vd, md));
    MixerDriver::install(nullptr);
}
BENCHMARK(BM_ReadLineVolumeAlsaDefault);
