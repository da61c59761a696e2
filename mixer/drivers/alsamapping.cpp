// Mapping ALSA's simple mixer elements onto the line model, and the volume
// scale between element values and 0..65535.

#include "mixer/drivers/alsadriver.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int P = 0; // playback
constexpr int C = 1; // capture

bool isTone(const QString &name, const char *which)
{
    return name.compare(QLatin1String("Tone Control - ") + QLatin1String(which), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String(which), Qt::CaseInsensitive) == 0;
}

bool isCaptureSource(const AlsaElementInfo &e)
{
    return e.enumerated
        && (e.enumCapture || e.name.contains(QLatin1String("Capture Source"), Qt::CaseInsensitive)
            || e.name.contains(QLatin1String("Input Source"), Qt::CaseInsensitive));
}

VirtualControl control(uint32_t type, const QString &name, bool uniform, uint32_t lineChannels, int binding, int dir,
                       std::vector<int> elements, int items = 0)
{
    VirtualControl c;
    c.info.dwControlType = type;
    copyName(c.info.szName, name.toUtf8().left(MIXER_LONG_NAME_CHARS - 1).constData());
    copyName(c.info.szShortName, name.toUtf8().left(MIXER_SHORT_NAME_CHARS - 1).constData());
    if (uniform)
        c.info.fdwControl |= MIXERCONTROL_CONTROLF_UNIFORM;
    c.storedChannels = uniform ? 1 : lineChannels;
    if (items > 0) {
        c.info.fdwControl |= MIXERCONTROL_CONTROLF_MULTIPLE;
        c.info.cMultipleItems = static_cast<uint32_t>(items);
        c.items = static_cast<uint32_t>(items);
    }
    const uint32_t cls = type & MIXERCONTROL_CT_CLASS_MASK;
    c.info.Bounds.lMinimum = 0;
    c.info.Bounds.lMaximum = cls == MIXERCONTROL_CT_CLASS_FADER ? 65535 : 1;
    c.values.assign(c.storedChannels * c.items, 0);
    c.binding = binding;
    c.direction = dir;
    c.elements = std::move(elements);
    return c;
}

VirtualLine line(const QString &name, uint32_t type, int channels)
{
    VirtualLine l;
    copyName(l.info.szName, name.toUtf8().left(MIXER_LONG_NAME_CHARS - 1).constData());
    copyName(l.info.szShortName, name.toUtf8().left(MIXER_SHORT_NAME_CHARS - 1).constData());
    l.info.dwComponentType = type;
    l.info.cChannels = static_cast<uint32_t>(std::clamp(channels, 1, 8));
    return l;
}

// Volume and mute of an element in one direction.
void addVolumeAndMute(VirtualLine &l, const AlsaElementInfo &e, int index, int dir)
{
    const uint32_t channels = l.info.cChannels;
    if (e.volume[dir])
        l.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_VOLUME, e.name + QStringLiteral(" Volume"),
                                     e.volumeJoined[dir] || e.channels[dir] <= 1, channels, AlsaBinding::Volume, dir,
                                     {index}));
    if (e.switches[dir] && dir == P)
        l.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_MUTE, e.name + QStringLiteral(" Mute"), true, channels,
                                     AlsaBinding::Mute, dir, {index}));
}

void finishLine(VirtualLine &l)
{
    l.info.cControls = static_cast<uint32_t>(l.controls.size());
}

} // namespace

VirtualCard mapAlsaCard(AlsaElements &source)
{
    const std::vector<AlsaElementInfo> elements = source.elements();
    VirtualCard card;
    copyName(card.caps.szPname, source.productName().toUtf8().left(MAXPNAMELEN - 1).constData());
    card.caps.wMid = 2;

    const int count = static_cast<int>(elements.size());
    int master = -1, capture = -1, bass = -1, treble = -1, selector = -1;
    for (int i = 0; i < count; ++i) {
        const AlsaElementInfo &e = elements[static_cast<std::size_t>(i)];
        if (master < 0 && e.name.compare(QLatin1String("Master"), Qt::CaseInsensitive) == 0 && (e.volume[P] || e.switches[P]))
            master = i;
        if (capture < 0 && e.name.compare(QLatin1String("Capture"), Qt::CaseInsensitive) == 0 && (e.volume[C] || e.switches[C]))
            capture = i;
        if (bass < 0 && e.volume[P] && isTone(e.name, "Bass"))
            bass = i;
        if (treble < 0 && e.volume[P] && isTone(e.name, "Treble"))
            treble = i;
        if (selector < 0 && isCaptureSource(e))
            selector = i;
    }
    if (master < 0)
        for (int i = 0; i < count && master < 0; ++i) {
            const AlsaElementInfo &e = elements[static_cast<std::size_t>(i)];
            if (e.volume[P] && i != bass && i != treble)
                master = i;
        }

    // The playback destination and its sources.
    if (master >= 0) {
        const AlsaElementInfo &m = elements[static_cast<std::size_t>(master)];
        VirtualDestination dest;
        dest.line = line(m.name, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, std::max(m.channels[P], 1));
        addVolumeAndMute(dest.line, m, master, P);
        if (bass >= 0)
            dest.line.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_BASS, QStringLiteral("Bass"), true,
                                                 dest.line.info.cChannels, AlsaBinding::Volume, P, {bass}));
        if (treble >= 0)
            dest.line.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_TREBLE, QStringLiteral("Treble"), true,
                                                 dest.line.info.cChannels, AlsaBinding::Volume, P, {treble}));
        for (int i = 0; i < count; ++i) {
            const AlsaElementInfo &e = elements[static_cast<std::size_t>(i)];
            if (i == master || i == bass || i == treble || e.enumerated)
                continue;
            if (e.volume[P]) {
                if (dest.sources.size() >= 31)
                    continue;
                VirtualLine src = line(e.name, MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED, std::max(e.channels[P], 1));
                addVolumeAndMute(src, e, i, P);
                finishLine(src);
                dest.sources.push_back(std::move(src));
            } else if (e.switches[P]) {
                // A switch of its own: an on/off control the strip can show.
                dest.line.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_ONOFF, e.name, true, dest.line.info.cChannels,
                                                     AlsaBinding::Switch, P, {i}));
            }
        }
        finishLine(dest.line);
        card.destinations.push_back(std::move(dest));
    }

    // The recording destination, with its selector and its sources.
    if (capture < 0)
        for (int i = 0; i < count && capture < 0; ++i)
            if (elements[static_cast<std::size_t>(i)].volume[C])
                capture = i;
    if (capture >= 0) {
        const AlsaElementInfo &c = elements[static_cast<std::size_t>(capture)];
        VirtualDestination dest;
        dest.line = line(c.name, MIXERLINE_COMPONENTTYPE_DST_WAVEIN, std::max(c.channels[C], 1));
        const uint32_t channels = dest.line.info.cChannels;
        if (c.volume[C])
            dest.line.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_VOLUME, c.name + QStringLiteral(" Volume"),
                                                 c.volumeJoined[C] || c.channels[C] <= 1, channels, AlsaBinding::Volume, C,
                                                 {capture}));
        if (c.switches[C])
            dest.line.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_MUTE, c.name + QStringLiteral(" Mute"), true,
                                                 channels, AlsaBinding::Mute, C, {capture}));
        // A source line by name: its capture volume when an element has it.
        const auto sourceLine = [&](const QString &name, int element) {
            const AlsaElementInfo *e = element >= 0 ? &elements[static_cast<std::size_t>(element)] : nullptr;
            VirtualLine src = line(name, MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED, e ? std::max(e->channels[C], 1) : 1);
            if (e && e->volume[C])
                src.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_VOLUME, name + QStringLiteral(" Volume"),
                                               e->volumeJoined[C] || e->channels[C] <= 1, src.info.cChannels,
                                               AlsaBinding::Volume, C, {element}));
            finishLine(src);
            return src;
        };
        if (selector >= 0) {
            const AlsaElementInfo &sel = elements[static_cast<std::size_t>(selector)];
            const int items = std::min<int>(static_cast<int>(sel.items.size()), 31);
            dest.line.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_MUX, sel.name, true, channels,
                                                 AlsaBinding::Enum, C, {selector}, items));
            for (int p = 0; p < items; ++p) {
                int element = -1;
                for (int i = 0; i < count && element < 0; ++i)
                    if (i != capture && elements[static_cast<std::size_t>(i)].volume[C]
                        && elements[static_cast<std::size_t>(i)].name.compare(sel.items.at(p), Qt::CaseInsensitive) == 0)
                        element = i;
                dest.sources.push_back(sourceLine(sel.items.at(p), element));
            }
        } else {
            std::vector<int> switched;
            for (int i = 0; i < count && switched.size() < 31; ++i)
                if (i != capture && elements[static_cast<std::size_t>(i)].switches[C])
                    switched.push_back(i);
            if (!switched.empty()) {
                dest.line.controls.push_back(control(MIXERCONTROL_CONTROLTYPE_MIXER, QStringLiteral("Capture Sources"),
                                                     true, channels, AlsaBinding::CaptureSwitches, C, switched,
                                                     static_cast<int>(switched.size())));
                for (int i : switched)
                    dest.sources.push_back(sourceLine(elements[static_cast<std::size_t>(i)].name, i));
            }
        }
        finishLine(dest.line);
        card.destinations.push_back(std::move(dest));
    }

    for (int d = 0; d < static_cast<int>(card.destinations.size()); ++d) {
        VirtualDestination &dest = card.destinations[static_cast<std::size_t>(d)];
        dest.line.info.dwDestination = static_cast<uint32_t>(d);
        dest.line.info.dwLineID = virtualLineId(d, -1);
        dest.line.info.cConnections = static_cast<uint32_t>(dest.sources.size());
        for (int s = 0; s < static_cast<int>(dest.sources.size()); ++s) {
            VirtualLine &src = dest.sources[static_cast<std::size_t>(s)];
            src.info.dwDestination = static_cast<uint32_t>(d);
            src.info.dwSource = static_cast<uint32_t>(s);
            src.info.dwLineID = virtualLineId(d, s);
        }
    }
    card.caps.cDestinations = static_cast<uint32_t>(card.destinations.size());
    return card;
}

// ------------------------------------------------------------- volume scale

AlsaVolumeScale::AlsaVolumeScale(AlsaElements *elements, int element, AlsaDir dir, const AlsaElementInfo &info)
    : elements(elements), element(element), dir(dir)
{
    const int d = dir == AlsaDir::Playback ? P : C;
    min = info.min[d];
    max = std::max(info.max[d], info.min[d]);
    long lo = 0, hi = 0;
    useDb = info.hasDb[d] && elements->decibels(element, dir, min, lo) && elements->decibels(element, dir, max, hi)
        && hi > lo;
    dbMin = lo;
    dbMax = hi;
}

// The share of the scale a value stands for, 0..1.  With gain information
// the scale follows loudness (linear in dB over small ranges, otherwise a
// cube-like curve), so the figures agree with the desktop's own mixer.
double AlsaVolumeScale::normalized(long value) const
{
    if (max <= min)
        return 0.0;
    if (!useDb)
        return double(value - min) / double(max - min);
    long db = 0;
    if (!elements->decibels(element, dir, value, db))
        return double(value - min) / double(max - min);
    if (dbMax - dbMin <= 2400)
        return std::clamp((db - dbMin) / (dbMax - dbMin), 0.0, 1.0);
    double n = std::pow(10.0, (db - dbMax) / 6000.0);
    const double floor = dbMin <= -9999999 ? 0.0 : std::pow(10.0, (dbMin - dbMax) / 6000.0);
    n = (n - floor) / (1.0 - floor);
    return std::clamp(n, 0.0, 1.0);
}

int32_t AlsaVolumeScale::toMixer(long value) const
{
    return static_cast<int32_t>(std::lround(normalized(std::clamp(value, min, max)) * 65535.0));
}

// The smallest value that reads at least `level`, or the one below it when
// that one reads nearer.  A level read from a value finds a value that reads
// the same level, so a read written back stays where it was.
long AlsaVolumeScale::fromMixer(int32_t level) const
{
    long lo = min, hi = max;
    while (lo < hi) {
        const long mid = lo + (hi - lo) / 2;
        if (toMixer(mid) >= level)
            hi = mid;
        else
            lo = mid + 1;
    }
    if (lo > min && std::abs(toMixer(lo - 1) - level) < std::abs(toMixer(lo) - level))
        return lo - 1;
    return lo;
}
