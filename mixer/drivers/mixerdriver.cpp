#include "mixer/drivers/mixerdriver.h"

#include <memory>

QEvent::Type MixerNoticeEvent::eventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace {
std::unique_ptr<MixerDriver> &installedDriver()
{
    static std::unique_ptr<MixerDriver> driver;
    return driver;
}
} // namespace

MixerDriver *MixerDriver::current()
{
    auto &driver = installedDriver();
    if (!driver)
        driver = std::make_unique<NoMixerDriver>();
    return driver.get();
}

void MixerDriver::install(MixerDriver *driver)
{
    installedDriver().reset(driver);
}
