#include "mixer/drivers/virtualdriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

VirtualLine *VirtualCard::line(int dest, int source)
{
    if (dest < 0 || dest >= static_cast<int>(destinations.size()))
        return nullptr;
    VirtualDestination &d = destinations[static_cast<std::size_t>(dest)];
    if (source < 0)
        return &d.line;
    if (source >= static_cast<int>(d.sources.size()))
        return nullptr;
    return &d.sources[static_cast<std::size_t>(source)];
}

VirtualMixerDriver::VirtualMixerDriver(std::vector<VirtualCard> cardList) : cards(std::move(cardList))
{
    for (VirtualCard &card : cards) {
        std::vector<ControlRef> index;
        for (int d = 0; d < static_cast<int>(card.destinations.size()); ++d) {
            VirtualDestination &dest = card.destinations[static_cast<std::size_t>(d)];
            for (int s = -1; s < static_cast<int>(dest.sources.size()); ++s) {
                VirtualLine *line = card.line(d, s);
                for (int k = 0; k < static_cast<int>(line->controls.size()); ++k) {
                    line->controls[static_cast<std::size_t>(k)].info.dwControlID
                        = static_cast<uint32_t>(index.size() + 1);
                    index.push_back({d, s, k});
                }
            }
        }
        controlIndex.push_back(std::move(index));
    }
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    clock = [timer] { return timer->elapsed(); };
}

uint32_t VirtualMixerDriver::getNumDevs()
{
    return static_cast<uint32_t>(cards.size());
}

MMRESULT VirtualMixerDriver::open(HMIXER *handle, uint32_t device, QObject *noticeTarget)
{
    if (device >= cards.size())
        return MMSYSERR_BADDEVICEID;
    if (cards[device].failOpen)
        return MMSYSERR_ERROR;
    *handle = nextHandle++;
    handles.emplace(*handle, OpenHandle{static_cast<int>(device), noticeTarget});
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualMixerDriver::close(HMIXER handle)
{
    return handles.erase(handle) ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

MMRESULT VirtualMixerDriver::getDevCaps(uint32_t device, MIXERCAPS *caps)
{
    if (device >= cards.size())
        return MMSYSERR_BADDEVICEID;
    *caps = cards[device].caps;
    return MMSYSERR_NOERROR;
}

VirtualCard *VirtualMixerDriver::cardOf(HMIXER handle)
{
    auto it = handles.find(handle);
    return it == handles.end() ? nullptr : &cards[static_cast<std::size_t>(it->second.device)];
}

MMRESULT VirtualMixerDriver::getLineInfo(HMIXER handle, MIXERLINE *line, uint32_t flags)
{
    VirtualCard *card = cardOf(handle);
    if (!card)
        return MMSYSERR_INVALHANDLE;
    if (line->cbStruct != sizeof(MIXERLINE))
        return MMSYSERR_INVALPARAM;
    VirtualLine *found = nullptr;
    if (flags == MIXER_GETLINEINFOF_DESTINATION)
        found = card->line(static_cast<int>(line->dwDestination), -1);
    else if (flags == MIXER_GETLINEINFOF_SOURCE && line->dwSource <= 0xFFFF)
        found = card->line(static_cast<int>(line->dwDestination), static_cast<int>(line->dwSource));
    else
        return MMSYSERR_INVALPARAM;
    if (!found || found->failInfo)
        return MIXERR_INVALLINE;
    *line = found->info;
    return MMSYSERR_NOERROR;
}

VirtualLine *VirtualMixerDriver::lineById(VirtualCard &card, uint32_t lineId)
{
    const int dest = static_cast<int>(lineId >> 16);
    const uint32_t low = lineId & 0xFFFF;
    return card.line(dest, low == 0xFFFF ? -1 : static_cast<int>(low));
}

MMRESULT VirtualMixerDriver::getLineControls(HMIXER handle, MIXERLINECONTROLS *request, uint32_t flags)
{
    VirtualCard *card = cardOf(handle);
    if (!card)
        return MMSYSERR_INVALHANDLE;
    if (request->cbStruct != sizeof(MIXERLINECONTROLS) || request->cbmxctrl != sizeof(MIXERCONTROL)
        || !request->pamxctrl)
        return MMSYSERR_INVALPARAM;
    VirtualLine *line = lineById(*card, request->dwLineID);
    if (!line)
        return MIXERR_INVALLINE;
    if (line->failControls)
        return MMSYSERR_ERROR;
    if (flags == MIXER_GETLINECONTROLSF_ALL) {
        if (request->cControls != line->controls.size())
            return MMSYSERR_INVALPARAM;
        for (std::size_t k = 0; k < line->controls.size(); ++k)
            request->pamxctrl[k] = line->controls[k].info;
        return MMSYSERR_NOERROR;
    }
    if (flags == MIXER_GETLINECONTROLSF_ONEBYTYPE) {
        if (request->cControls != 1)
            return MMSYSERR_INVALPARAM;
        for (const VirtualControl &c : line->controls)
            if (c.info.dwControlType == request->dwControlType) {
                request->pamxctrl[0] = c.info;
                return MMSYSERR_NOERROR;
            }
        return MIXERR_INVALCONTROL;
    }
    if (flags == MIXER_GETLINECONTROLSF_ONEBYID) {
        for (const VirtualControl &c : line->controls)
            if (c.info.dwControlID == request->dwControlID) {
                request->pamxctrl[0] = c.info;
                return MMSYSERR_NOERROR;
            }
        return MIXERR_INVALCONTROL;
    }
    return MMSYSERR_INVALPARAM;
}

VirtualControl *VirtualMixerDriver::controlById(int device, uint32_t controlId, VirtualLine **line)
{
    const std::vector<ControlRef> &index = controlIndex[static_cast<std::size_t>(device)];
    if (controlId == 0 || controlId > index.size())
        return nullptr;
    const ControlRef &ref = index[controlId - 1];
    *line = cards[static_cast<std::size_t>(device)].line(ref.dest, ref.source);
    return &(*line)->controls[static_cast<std::size_t>(ref.index)];
}

namespace {
// Checks a value request against the control it names.
bool requestFits(const MIXERCONTROLDETAILS &d, const VirtualLine &line, const VirtualControl &c)
{
    if (d.cbStruct != sizeof(MIXERCONTROLDETAILS) || d.cbDetails != sizeof(int32_t) || !d.paDetails)
        return false;
    if (d.cChannels == 0 || d.cChannels > line.info.cChannels)
        return false;
    const bool multiple = c.info.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE;
    return multiple ? d.cMultipleItems == c.items : d.cMultipleItems == 0;
}
} // namespace

MMRESULT VirtualMixerDriver::getControlDetails(HMIXER handle, MIXERCONTROLDETAILS *details, uint32_t)
{
    auto it = handles.find(handle);
    if (it == handles.end())
        return MMSYSERR_INVALHANDLE;
    VirtualLine *line = nullptr;
    VirtualControl *c = controlById(it->second.device, details->dwControlID, &line);
    if (!c)
        return MIXERR_INVALCONTROL;
    if (!requestFits(*details, *line, *c))
        return MMSYSERR_INVALPARAM;
    if (c->failRead)
        return MMSYSERR_ERROR;
    return readValues(it->second.device, *line, *c, details);
}

MMRESULT VirtualMixerDriver::readValues(int device, VirtualLine &line, VirtualControl &control,
                                        MIXERCONTROLDETAILS *details)
{
    VirtualCard &card = cards[static_cast<std::size_t>(device)];
    VirtualControl *c = &control;
    for (uint32_t ch = 0; ch < details->cChannels; ++ch) {
        const uint32_t stored = std::min(ch, c->storedChannels - 1);
        for (uint32_t i = 0; i < c->items; ++i)
            details->paDetails[ch * c->items + i]
                = c->signal ? meterValue(card, line, *c, ch) : c->values[stored * c->items + i];
    }
    return MMSYSERR_NOERROR;
}

MMRESULT VirtualMixerDriver::setControlDetails(HMIXER handle, const MIXERCONTROLDETAILS *details, uint32_t)
{
    auto it = handles.find(handle);
    if (it == handles.end())
        return MMSYSERR_INVALHANDLE;
    const int device = it->second.device;
    VirtualLine *line = nullptr;
    VirtualControl *c = controlById(device, details->dwControlID, &line);
    if (!c)
        return MIXERR_INVALCONTROL;
    if (!requestFits(*details, *line, *c))
        return MMSYSERR_INVALPARAM;
    if (c->failWrite)
        return MMSYSERR_ERROR;
    // A single-select list always has exactly one item on: like a real
    // card, it refuses a write that would leave none or several.
    if ((c->info.dwControlType & MIXERCONTROL_CT_CLASS_MASK) == MIXERCONTROL_CT_CLASS_LIST
        && !(c->info.dwControlType & 0x01000000u)) {
        for (uint32_t ch = 0; ch < details->cChannels; ++ch) {
            const int32_t *row = details->paDetails + ch * c->items;
            if (std::count_if(row, row + c->items, [](int32_t v) { return v != 0; }) != 1)
                return MMSYSERR_INVALPARAM;
        }
    }
    return writeValues(device, *line, *c, details);
}

MMRESULT VirtualMixerDriver::writeValues(int device, VirtualLine &, VirtualControl &control,
                                         const MIXERCONTROLDETAILS *details)
{
    VirtualControl *c = &control;
    std::vector<int32_t> values = c->values;
    for (uint32_t ch = 0; ch < c->storedChannels; ++ch) {
        // One channel in the request sets every channel alike.
        const uint32_t from = details->cChannels == 1 ? 0 : ch;
        if (from >= details->cChannels)
            break;
        for (uint32_t i = 0; i < c->items; ++i)
            values[ch * c->items + i] = details->paDetails[from * c->items + i];
    }
    changeValues(device, *c, values);
    return MMSYSERR_NOERROR;
}

VirtualControl *VirtualMixerDriver::findControl(int device, int dest, int source, uint32_t type)
{
    VirtualLine *line = card(device).line(dest, source);
    if (!line)
        return nullptr;
    for (VirtualControl &c : line->controls)
        if (c.info.dwControlType == type)
            return &c;
    return nullptr;
}

void VirtualMixerDriver::changeValues(int device, VirtualControl &control, const std::vector<int32_t> &values)
{
    if (values.size() != control.values.size())
        throw std::invalid_argument("value count does not match the control");
    std::vector<int32_t> next = values;
    const uint32_t cls = control.info.dwControlType & MIXERCONTROL_CT_CLASS_MASK;
    if (cls == MIXERCONTROL_CT_CLASS_FADER || cls == MIXERCONTROL_CT_CLASS_SLIDER
        || cls == MIXERCONTROL_CT_CLASS_NUMBER)
        for (int32_t &v : next)
            v = std::clamp(v, control.info.Bounds.lMinimum, control.info.Bounds.lMaximum);
    // Only a real change is announced; otherwise a refresh that writes back
    // what it read would never settle.
    if (next == control.values)
        return;
    control.values = std::move(next);
    postControlChange(device, control.info.dwControlID);
}

void VirtualMixerDriver::setMeter(VirtualControl &control, const std::vector<int32_t> &values)
{
    control.signal = false;
    for (uint32_t ch = 0; ch < control.storedChannels; ++ch)
        control.values[ch] = values.empty() ? 0 : values[std::min<std::size_t>(ch, values.size() - 1)];
}

void VirtualMixerDriver::postControlChange(int device, uint32_t controlId)
{
    for (const auto &[handle, open] : handles)
        if (open.device == device && open.target)
            QCoreApplication::postEvent(open.target,
                                        new MixerNoticeEvent(MM_MIXM_CONTROL_CHANGE, handle, controlId));
}

int32_t VirtualMixerDriver::testSignal(int64_t ms, int channel, int32_t volume)
{
    if (volume <= 0)
        return 0;
    constexpr double pi = 3.14159265358979323846;
    const double t = static_cast<double>(ms);
    // A slow swell with a quicker flutter, well inside the scale, and a
    // short burst every seven seconds that reaches its top.
    double level = 0.28 + 0.12 * std::sin(2 * pi * t / 1700.0 + channel * 0.9)
        + 0.05 * std::sin(2 * pi * t / 230.0 + channel * 2.1);
    if (ms % 7000 < 40)
        level = 1.0;
    level = std::clamp(level, 0.0, 1.0) * std::min(volume, 65535) / 65535.0;
    const auto value = static_cast<int32_t>(std::lround(level * 32767.0));
    return (ms / 20) % 2 ? -value : value;
}

int32_t VirtualMixerDriver::meterValue(VirtualCard &, VirtualLine &line, VirtualControl &, uint32_t channel)
{
    int32_t volume = 65535;
    for (const VirtualControl &c : line.controls) {
        if (c.info.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME && !c.values.empty())
            volume = c.values[std::min(channel, c.storedChannels - 1)];
        if (c.info.dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE && !c.values.empty() && c.values[0])
            return 0;
    }
    return testSignal(clock(), static_cast<int>(channel), volume);
}
