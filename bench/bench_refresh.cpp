// One full refresh of both mixer windows: every strip in use is read from
// the card and redrawn.  It runs after every change notice.

#include "mixer/drivers/virtualdriver.h"
#include "shell/entry.h"
#include "shell/globals.h"
#include "shell/messages.h"
#include "ui/form1.h"
#include "ui/rec.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_RefreshBothWindowsLargeCard(benchmark::State &state)
{
    std::vector<VirtualCard> cards;
    cards.push_back(loadVirtualCard(QStringLiteral(SONVANE_SOURCE_DIR "/cards/large-card.json")));
    MixerDriver::install(new VirtualMixerDriver(std::move(cards)));
    setMessageHook([](const QString &, TMsgDlgType, TMsgDlgButtons) { return int(mrOk); });
    resetGlobals();
    createWindows();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        Form1->Button5Click();
        // Let the repaints the reads asked for happen too.
        QCoreApplication::sendPostedEvents();
    }
    destroyWindows();
    setMessageHook(nullptr);
    MixerDriver::install(nullptr);
}
BENCHMARK(BM_RefreshBothWindowsLargeCard)->Unit(benchmark::kMicrosecond);

// The same with both windows shown and every line changed before each
// refresh, so every strip writes its value back and is painted again.
void BM_RefreshAfterChangeShown(benchmark::State &state)
{
    std::vector<VirtualCard> cards;
    cards.push_back(loadVirtualCard(QStringLiteral(SONVANE_SOURCE_DIR "/cards/large-card.json")));
    auto *driver = new VirtualMixerDriver(std::move(cards));
    MixerDriver::install(driver);
    setMessageHook([](const QString &, TMsgDlgType, TMsgDlgButtons) { return int(mrOk); });
    resetGlobals();
    createWindows();
    Form1->show();
    rec->show();
    QCoreApplication::processEvents();
    std::vector<VirtualControl *> volumes;
    for (int d = 0; d < 2; ++d)
        for (int s = -1; s < static_cast<int>(driver->card(0).destinations[d].sources.size()); ++s)
            if (VirtualControl *c = driver->findControl(0, d, s, MIXERCONTROL_CONTROLTYPE_VOLUME))
                volumes.push_back(c);
    int flip = 0;
    for (auto _ : state) {
        flip ^= 1;
        for (VirtualControl *c : volumes)
            driver->changeValues(0, *c, std::vector<int32_t>(c->values.size(), flip ? 20000 : 40000));
        QCoreApplication::removePostedEvents(nullptr);
        Form1->Button5Click();
        QCoreApplication::removePostedEvents(nullptr, MixerNoticeEvent::eventType());
        QCoreApplication::processEvents();
    }
    destroyWindows();
    setMessageHook(nullptr);
    MixerDriver::install(nullptr);
}
BENCHMARK(BM_RefreshAfterChangeShown)->Unit(benchmark::kMicrosecond);

} // namespace
