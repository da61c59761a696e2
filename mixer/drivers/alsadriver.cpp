#include "mixer/drivers/alsadriver.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <alsa/asoundlib.h>

#include <algorithm>
#include <map>

struct AlsaMixerDriver::Device
{
    std::unique_ptr<AlsaElements> elements;
    std::vector<AlsaElementInfo> info;
    bool gone = false;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers;
};

// Watches every device's descriptors in the event loop, and polls on a
// short timer for the plugins that deliver events without waking them.
class AlsaMixerDriver::Watcher : public QObject
{
public:
    explicit Watcher(AlsaMixerDriver *driver) : driver(driver)
    {
        timer.setInterval(100);
        QObject::connect(&timer, &QTimer::timeout, this, [this] { this->driver->handleEvents(); });
    }
    AlsaMixerDriver *driver;
    QTimer timer;
};

AlsaMixerDriver::AlsaMixerDriver(std::vector<std::unique_ptr<AlsaElements>> sources)
    : VirtualMixerDriver([&] {
          std::vector<VirtualCard> cards;
          for (auto &s : sources)
              cards.push_back(mapAlsaCard(*s));
          return cards;
      }())
{
    for (auto &s : sources) {
        auto device = std::make_unique<Device>();
        device->info = s->elements();
        device->elements = std::move(s);
        devices.push_back(std::move(device));
    }
    watcher = std::make_unique<Watcher>(this);
    if (!devices.empty())
        watcher->timer.start();
    for (std::size_t d = 0; d < devices.size(); ++d)
        for (int fd : devices[d]->elements->pollDescriptors()) {
            auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            QObject::connect(notifier.get(), &QSocketNotifier::activated, watcher.get(), [this] { handleEvents(); });
            devices[d]->notifiers.push_back(std::move(notifier));
        }
}

AlsaMixerDriver::~AlsaMixerDriver() = default;

bool AlsaMixerDriver::deviceGone(int device) const
{
    return devices.at(static_cast<std::size_t>(device))->gone;
}

void AlsaMixerDriver::forget(int device)
{
    Device &d = *devices[static_cast<std::size_t>(device)];
    d.gone = true;
    d.notifiers.clear();
    // Nothing left to watch: no more waking up for it.
    if (std::all_of(devices.begin(), devices.end(), [](const auto &other) { return other->gone; }))
        watcher->timer.stop();
}

void AlsaMixerDriver::handleEvents()
{
    for (int device = 0; device < static_cast<int>(devices.size()); ++device) {
        Device &d = *devices[static_cast<std::size_t>(device)];
        if (d.gone)
            continue;
        std::vector<int> changed;
        if (d.elements->handleEvents(changed) < 0) {
            // The device went away: stop watching it; its values now fail.
            forget(device);
            continue;
        }
        if (changed.empty())
            continue;
        // One notice per changed element, naming a control that shows it.
        std::sort(changed.begin(), changed.end());
        changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
        VirtualCard &c = card(device);
        for (int e : changed) {
            uint32_t id = 0;
            for (VirtualDestination &dest : c.destinations)
                for (int s = -1; s < static_cast<int>(dest.sources.size()) && !id; ++s) {
                    VirtualLine &line = s < 0 ? dest.line : dest.sources[static_cast<std::size_t>(s)];
                    for (VirtualControl &control : line.controls)
                        if (!id && std::find(control.elements.begin(), control.elements.end(), e) != control.elements.end())
                            id = control.info.dwControlID;
                }
            if (id)
                postControlChange(device, id);
        }
    }
}

namespace {
AlsaDir dirOf(const VirtualControl &c)
{
    return c.direction == 0 ? AlsaDir::Playback : AlsaDir::Capture;
}
} // namespace

MMRESULT AlsaMixerDriver::readValues(int device, VirtualLine &, VirtualControl &c, MIXERCONTROLDETAILS *details)
{
    Device &d = *devices[static_cast<std::size_t>(device)];
    if (d.gone)
        return MMSYSERR_ERROR;
    AlsaElements &el = *d.elements;
    const AlsaDir dir = dirOf(c);
    const int e = c.elements.empty() ? -1 : c.elements.front();
    for (uint32_t ch = 0; ch < details->cChannels; ++ch) {
        const int channel = static_cast<int>(std::min(ch, c.storedChannels - 1));
        int32_t *row = details->paDetails + ch * c.items;
        switch (c.binding) {
        case AlsaBinding::Volume: {
            long v = 0;
            if (!el.volume(e, dir, channel, v))
                return MMSYSERR_ERROR;
            row[0] = AlsaVolumeScale(&el, e, dir, d.info[static_cast<std::size_t>(e)]).toMixer(v);
            break;
        }
        case AlsaBinding::Mute:
        case AlsaBinding::Switch: {
            int on = 0;
            if (!el.switchState(e, dir, channel, on))
                return MMSYSERR_ERROR;
            // The switch means "sounding": the mute is its inverse.
            row[0] = c.binding == AlsaBinding::Mute ? (on ? 0 : 1) : (on ? 1 : 0);
            break;
        }
        case AlsaBinding::Enum: {
            int item = 0;
            if (!el.enumItem(e, item))
                return MMSYSERR_ERROR;
            for (uint32_t i = 0; i < c.items; ++i)
                row[i] = static_cast<int>(i) == item ? 1 : 0;
            break;
        }
        case AlsaBinding::CaptureSwitches:
            for (uint32_t i = 0; i < c.items; ++i) {
                int on = 0;
                if (!el.switchState(c.elements[i], AlsaDir::Capture, 0, on))
                    return MMSYSERR_ERROR;
                row[i] = on ? 1 : 0;
            }
            break;
        default:
            return MMSYSERR_ERROR;
        }
    }
    return MMSYSERR_NOERROR;
}

MMRESULT AlsaMixerDriver::writeValues(int device, VirtualLine &, VirtualControl &c, const MIXERCONTROLDETAILS *details)
{
    Device &d = *devices[static_cast<std::size_t>(device)];
    if (d.gone)
        return MMSYSERR_ERROR;
    AlsaElements &el = *d.elements;
    const AlsaDir dir = dirOf(c);
    const int e = c.elements.empty() ? -1 : c.elements.front();
    const AlsaElementInfo &info = d.info[static_cast<std::size_t>(std::max(e, 0))];
    const int dirIndex = dir == AlsaDir::Playback ? 0 : 1;
    // Every channel the element has: one value given sets them all alike.
    const int channels = std::max(info.channels[dirIndex], 1);
    bool ok = true;
    switch (c.binding) {
    case AlsaBinding::Volume: {
        const AlsaVolumeScale scale(&el, e, dir, info);
        for (int ch = 0; ch < channels; ++ch) {
            const uint32_t from = details->cChannels == 1 || c.storedChannels == 1 ? 0 : static_cast<uint32_t>(ch);
            if (from >= details->cChannels)
                break;
            ok = el.setVolume(e, dir, ch, scale.fromMixer(details->paDetails[from])) && ok;
        }
        break;
    }
    case AlsaBinding::Mute:
    case AlsaBinding::Switch: {
        const int value = details->paDetails[0];
        const int on = c.binding == AlsaBinding::Mute ? (value ? 0 : 1) : (value ? 1 : 0);
        for (int ch = 0; ch < channels; ++ch)
            ok = el.setSwitch(e, dir, ch, on) && ok;
        break;
    }
    case AlsaBinding::Enum:
        for (uint32_t i = 0; i < c.items; ++i)
            if (details->paDetails[i])
                ok = el.setEnumItem(e, static_cast<int>(i));
        break;
    case AlsaBinding::CaptureSwitches:
        for (uint32_t i = 0; i < c.items; ++i) {
            const AlsaElementInfo &src = d.info[static_cast<std::size_t>(c.elements[i])];
            int on = 0;
            if (el.switchState(c.elements[i], AlsaDir::Capture, 0, on) && (on != 0) == (details->paDetails[i] != 0))
                continue;
            for (int ch = 0; ch < std::max(src.channels[1], 1); ++ch)
                ok = el.setSwitch(c.elements[i], AlsaDir::Capture, ch, details->paDetails[i] ? 1 : 0) && ok;
        }
        break;
    default:
        return MMSYSERR_ERROR;
    }
    return ok ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

// --------------------------------------------------------------- alsa-lib

namespace {

// A device's simple mixer, opened once and kept for the run.
class SystemElements : public AlsaElements
{
public:
    static std::unique_ptr<SystemElements> open(const QString &device, const QString &name)
    {
        snd_mixer_t *mixer = nullptr;
        if (snd_mixer_open(&mixer, 0) < 0)
            return nullptr;
        const QByteArray dev = device.toLocal8Bit();
        if (snd_mixer_attach(mixer, dev.constData()) < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0
            || snd_mixer_load(mixer) < 0) {
            snd_mixer_close(mixer);
            return nullptr;
        }
        auto self = std::unique_ptr<SystemElements>(new SystemElements(mixer, name));
        if (self->elems.empty())
            return nullptr;
        return self;
    }
    ~SystemElements() override { snd_mixer_close(mixer); }

    QString productName() override { return name; }

    std::vector<AlsaElementInfo> elements() override
    {
        std::vector<AlsaElementInfo> out;
        for (snd_mixer_elem_t *e : elems) {
            AlsaElementInfo i;
            i.name = QString::fromUtf8(snd_mixer_selem_get_name(e));
            if (snd_mixer_selem_get_index(e) > 0)
                i.name += QLatin1Char(' ') + QString::number(snd_mixer_selem_get_index(e));
            i.volume[0] = snd_mixer_selem_has_playback_volume(e);
            i.volume[1] = snd_mixer_selem_has_capture_volume(e);
            i.switches[0] = snd_mixer_selem_has_playback_switch(e);
            i.switches[1] = snd_mixer_selem_has_capture_switch(e);
            i.volumeJoined[0] = snd_mixer_selem_has_playback_volume_joined(e);
            i.volumeJoined[1] = snd_mixer_selem_has_capture_volume_joined(e);
            i.switchJoined[0] = snd_mixer_selem_has_playback_switch_joined(e);
            i.switchJoined[1] = snd_mixer_selem_has_capture_switch_joined(e);
            for (int ch = 0; ch <= SND_MIXER_SCHN_LAST; ++ch) {
                const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
                if (snd_mixer_selem_has_playback_channel(e, id))
                    ++i.channels[0];
                if (snd_mixer_selem_has_capture_channel(e, id))
                    ++i.channels[1];
            }
            if (snd_mixer_selem_is_playback_mono(e))
                i.channels[0] = std::min(i.channels[0], 1);
            if (snd_mixer_selem_is_capture_mono(e))
                i.channels[1] = std::min(i.channels[1], 1);
            long lo = 0, hi = 0;
            if (i.volume[0]) {
                snd_mixer_selem_get_playback_volume_range(e, &i.min[0], &i.max[0]);
                i.hasDb[0] = snd_mixer_selem_get_playback_dB_range(e, &lo, &hi) == 0 && hi > lo;
            }
            if (i.volume[1]) {
                snd_mixer_selem_get_capture_volume_range(e, &i.min[1], &i.max[1]);
                i.hasDb[1] = snd_mixer_selem_get_capture_dB_range(e, &lo, &hi) == 0 && hi > lo;
            }
            i.enumerated = snd_mixer_selem_is_enumerated(e);
            i.enumCapture = snd_mixer_selem_is_enum_capture(e);
            if (i.enumerated) {
                const int n = snd_mixer_selem_get_enum_items(e);
                for (int k = 0; k < n; ++k) {
                    char text[64] = {};
                    snd_mixer_selem_get_enum_item_name(e, static_cast<unsigned>(k), sizeof text - 1, text);
                    i.items << QString::fromUtf8(text);
                }
            }
            out.push_back(i);
        }
        return out;
    }

    bool volume(int e, AlsaDir dir, int ch, long &value) override
    {
        const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
        return (dir == AlsaDir::Playback ? snd_mixer_selem_get_playback_volume(elems[e], id, &value)
                                         : snd_mixer_selem_get_capture_volume(elems[e], id, &value))
            == 0;
    }
    bool setVolume(int e, AlsaDir dir, int ch, long value) override
    {
        const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
        return (dir == AlsaDir::Playback ? snd_mixer_selem_set_playback_volume(elems[e], id, value)
                                         : snd_mixer_selem_set_capture_volume(elems[e], id, value))
            == 0;
    }
    bool decibels(int e, AlsaDir dir, long value, long &centibels) override
    {
        return (dir == AlsaDir::Playback ? snd_mixer_selem_ask_playback_vol_dB(elems[e], value, &centibels)
                                         : snd_mixer_selem_ask_capture_vol_dB(elems[e], value, &centibels))
            == 0;
    }
    bool switchState(int e, AlsaDir dir, int ch, int &on) override
    {
        const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
        return (dir == AlsaDir::Playback ? snd_mixer_selem_get_playback_switch(elems[e], id, &on)
                                         : snd_mixer_selem_get_capture_switch(elems[e], id, &on))
            == 0;
    }
    bool setSwitch(int e, AlsaDir dir, int ch, int on) override
    {
        const auto id = static_cast<snd_mixer_selem_channel_id_t>(ch);
        return (dir == AlsaDir::Playback ? snd_mixer_selem_set_playback_switch(elems[e], id, on)
                                         : snd_mixer_selem_set_capture_switch(elems[e], id, on))
            == 0;
    }
    bool enumItem(int e, int &item) override
    {
        unsigned int i = 0;
        if (snd_mixer_selem_get_enum_item(elems[e], SND_MIXER_SCHN_FRONT_LEFT, &i) < 0)
            return false;
        item = static_cast<int>(i);
        return true;
    }
    bool setEnumItem(int e, int item) override
    {
        return snd_mixer_selem_set_enum_item(elems[e], SND_MIXER_SCHN_FRONT_LEFT, static_cast<unsigned>(item)) == 0;
    }

    int handleEvents(std::vector<int> &changed) override
    {
        changedNow.clear();
        const int r = snd_mixer_handle_events(mixer);
        if (r < 0)
            return r;
        // A descriptor in error means the device is gone.
        const int n = snd_mixer_poll_descriptors_count(mixer);
        if (n > 0) {
            std::vector<pollfd> fds(static_cast<std::size_t>(n));
            snd_mixer_poll_descriptors(mixer, fds.data(), static_cast<unsigned>(n));
            for (pollfd &p : fds)
                p.revents = 0;
            ::poll(fds.data(), fds.size(), 0);
            for (const pollfd &p : fds)
                if (p.revents & (POLLERR | POLLHUP | POLLNVAL))
                    return -ENODEV;
        }
        changed = changedNow;
        return 0;
    }

    std::vector<int> pollDescriptors() override
    {
        const int n = snd_mixer_poll_descriptors_count(mixer);
        std::vector<int> out;
        if (n <= 0)
            return out;
        std::vector<pollfd> fds(static_cast<std::size_t>(n));
        snd_mixer_poll_descriptors(mixer, fds.data(), static_cast<unsigned>(n));
        for (const pollfd &p : fds)
            out.push_back(p.fd);
        return out;
    }

private:
    SystemElements(snd_mixer_t *mixer, QString name) : mixer(mixer), name(std::move(name))
    {
        for (snd_mixer_elem_t *e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e)) {
            if (!snd_mixer_selem_is_active(e))
                continue;
            snd_mixer_elem_set_callback(e, &SystemElements::elementChanged);
            snd_mixer_elem_set_callback_private(e, this);
            elems.push_back(e);
        }
    }

    static int elementChanged(snd_mixer_elem_t *e, unsigned int mask)
    {
        auto *self = static_cast<SystemElements *>(snd_mixer_elem_get_callback_private(e));
        if (mask == SND_CTL_EVENT_MASK_REMOVE)
            return 0;
        const auto it = std::find(self->elems.begin(), self->elems.end(), e);
        if (it != self->elems.end())
            self->changedNow.push_back(static_cast<int>(it - self->elems.begin()));
        return 0;
    }

    snd_mixer_t *mixer;
    QString name;
    std::vector<snd_mixer_elem_t *> elems;
    std::vector<int> changedNow;
};

void quiet(const char *, int, const char *, int, const char *, ...) {}

QString controlName(const char *device)
{
    snd_ctl_t *ctl = nullptr;
    QString name;
    if (snd_ctl_open(&ctl, device, SND_CTL_NONBLOCK) == 0) {
        snd_ctl_card_info_t *info = nullptr;
        snd_ctl_card_info_alloca(&info);
        if (snd_ctl_card_info(ctl, info) == 0)
            name = QString::fromUtf8(snd_ctl_card_info_get_name(info));
        snd_ctl_close(ctl);
    }
    return name;
}

} // namespace

AlsaMixerDriver *AlsaMixerDriver::system()
{
    std::vector<std::unique_ptr<AlsaElements>> found;
    // Quiet: a machine without sound prints nothing but Sonvane's own word.
    snd_lib_error_set_handler(quiet);
    const QString defaultName = controlName("default");
    if (auto d = SystemElements::open(QStringLiteral("default"),
                                      defaultName.isEmpty() ? QStringLiteral("Default") : defaultName))
        found.push_back(std::move(d));
    int card = -1;
    while (found.size() < 10 && snd_card_next(&card) == 0 && card >= 0) {
        char *name = nullptr;
        QString product = QStringLiteral("Card %1").arg(card);
        if (snd_card_get_name(card, &name) == 0 && name) {
            product = QString::fromUtf8(name);
            free(name);
        }
        if (auto d = SystemElements::open(QStringLiteral("hw:%1").arg(card), product))
            found.push_back(std::move(d));
    }
    return new AlsaMixerDriver(std::move(found));
}
