#include "mixer/audiomixer.h"

#include "mixer/drivers/mixerdriver.h"

#include <QEvent>

#include <algorithm>
#include <stdexcept>

// ---------------------------------------------------------------- lists

TPointerList::~TPointerList()
{
    Clear();
}

int TPointerList::Add(void *item)
{
    List.push_back(item);
    return Count() - 1;
}

void *TPointerList::Get(int index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("list index out of bounds");
    return List[static_cast<std::size_t>(index)];
}

void TPointerList::Clear()
{
    if (OnFreeItem)
        for (void *item : List)
            OnFreeItem(item);
    List.clear();
}

// ---------------------------------------------------------------- tree

TMixerControls::TMixerControls(TAudioMixer *mixer, const MIXERLINE &line)
    : ControlArray(line.cControls)
{
    if (line.cControls == 0)
        return;
    MIXERLINECONTROLS request;
    request.dwLineID = line.dwLineID;
    request.cControls = line.cControls;
    request.pamxctrl = ControlArray.data();
    if (MixerDriver::current()->getLineControls(mixer->MixerHandle(), &request,
                                                MIXER_GETLINECONTROLSF_ALL)
        != MMSYSERR_NOERROR)
        return;
    for (MIXERCONTROL &control : ControlArray)
        Items.Add(&control);
}

const MIXERCONTROL &TMixerControls::Get(int index) const
{
    return *static_cast<const MIXERCONTROL *>(Items.Get(index));
}

TMixerConnection::TMixerConnection(TAudioMixer *mixer, const MIXERLINE &line)
    : Mixer(mixer), LineInfo(line), Controls(mixer, line)
{
}

TMixerConnections::TMixerConnections(TAudioMixer *mixer, const MIXERLINE &destination)
    : Mixer(mixer)
{
    Items.OnFreeItem = [](void *item) { delete static_cast<TMixerConnection *>(item); };
    for (uint32_t s = 0; s < destination.cConnections; ++s) {
        MIXERLINE line;
        line.dwDestination = destination.dwDestination;
        line.dwSource = s;
        if (MixerDriver::current()->getLineInfo(mixer->MixerHandle(), &line,
                                                MIXER_GETLINEINFOF_SOURCE)
            == MMSYSERR_NOERROR)
            Items.Add(new TMixerConnection(mixer, line));
    }
}

TMixerConnection &TMixerConnections::Get(int index) const
{
    return *static_cast<TMixerConnection *>(Items.Get(index));
}

TMixerDestination::TMixerDestination(TAudioMixer *mixer, const MIXERLINE &line)
    : Mixer(mixer), LineInfo(line), Connections(mixer, line), Controls(mixer, line)
{
}

TMixerDestinations::TMixerDestinations(TAudioMixer *mixer)
{
    Items.OnFreeItem = [](void *item) { delete static_cast<TMixerDestination *>(item); };
    if (!mixer)
        return;
    for (uint32_t d = 0; d < mixer->Caps().cDestinations; ++d) {
        MIXERLINE line;
        line.dwDestination = d;
        if (MixerDriver::current()->getLineInfo(mixer->MixerHandle(), &line,
                                                MIXER_GETLINEINFOF_DESTINATION)
            == MMSYSERR_NOERROR)
            Items.Add(new TMixerDestination(mixer, line));
    }
}

TMixerDestination &TMixerDestinations::Get(int index) const
{
    return *static_cast<TMixerDestination *>(Items.Get(index));
}

QString lineName(const MIXERLINE &line)
{
    return QString::fromUtf8(line.szName, static_cast<qsizetype>(nameLength(line.szName)));
}

QString controlName(const MIXERCONTROL &control)
{
    return QString::fromUtf8(control.szName, static_cast<qsizetype>(nameLength(control.szName)));
}

// ---------------------------------------------------------------- mixer

// Receives the device notices on the GUI thread and hands them to the mixer.
class TAudioMixer::CallbackTarget : public QObject
{
public:
    explicit CallbackTarget(TAudioMixer *mixer) : mixer(mixer) {}

    bool event(QEvent *e) override
    {
        if (e->type() != MixerNoticeEvent::eventType())
            return QObject::event(e);
        auto *notice = static_cast<MixerNoticeEvent *>(e);
        mixer->CallbackWindowProc(notice->message, notice->handle, notice->id);
        return true;
    }

private:
    TAudioMixer *mixer;
};

TAudioMixer::TAudioMixer(QObject *owner) : QObject(owner)
{
    CallbackWindow = new CallbackTarget(this);
    FDeviceCount = static_cast<int>(MixerDriver::current()->getNumDevs());
    FMixerId = -1;
    setMixerId(0);
}

TAudioMixer::~TAudioMixer()
{
    CloseDevice();
    delete CallbackWindow;
}

void TAudioMixer::setMixerId(int value)
{
    if (FDeviceCount == 0)
        return;
    if (value >= FDeviceCount)
        value = FDeviceCount - 1;
    CloseDevice();
    if (value < 0)
        return;
    MixerDriver *driver = MixerDriver::current();
    HMIXER handle = 0;
    if (driver->open(&handle, static_cast<uint32_t>(value), CallbackWindow) != MMSYSERR_NOERROR)
        return;
    FMixerHandle = handle;
    FMixerId = value;
    FCaps = MIXERCAPS();
    driver->getDevCaps(static_cast<uint32_t>(value), &FCaps);
    FManufacturer = FCaps.wMid == 1 ? QStringLiteral("Microsoft")
                                    : QString::number(FCaps.wMid) + QStringLiteral(" = Unknown");
    FDriverVersion = static_cast<int>(FCaps.vDriverVersion);
    FProductId = FCaps.wPid;
    FProductName = QString::fromUtf8(FCaps.szPname,
                                          static_cast<qsizetype>(nameLength(FCaps.szPname)));
    FNumberOfLine = static_cast<int>(FCaps.cDestinations);
    FDestinations = new TMixerDestinations(this);
}

void TAudioMixer::CloseDevice()
{
    if (FMixerId >= 0) {
        MixerDriver::current()->close(FMixerHandle);
        FMixerId = -1;
    }
    delete FDestinations;
    FDestinations = nullptr;
}

const TMixerDestinations &TAudioMixer::Destinations() const
{
    static const TMixerDestinations closed(nullptr);
    return FDestinations ? *FDestinations : closed;
}

const MIXERLINE *TAudioMixer::findLine(int Dest, int Conn, const TMixerControls **controls) const
{
    const TMixerDestinations &dests = Destinations();
    if (Dest < 0 || Dest >= dests.Count() || Conn < -1)
        return nullptr;
    const TMixerDestination &dest = dests.Get(Dest);
    if (Conn == -1) {
        *controls = &dest.Controls;
        return &dest.LineInfo;
    }
    if (Conn >= dest.Connections.Count())
        return nullptr;
    const TMixerConnection &conn = dest.Connections.Get(Conn);
    *controls = &conn.Controls;
    return &conn.LineInfo;
}

bool TAudioMixer::readControl(uint32_t controlId, uint32_t channels, uint32_t items,
                              int32_t *values, int capacity)
{
    MIXERCONTROLDETAILS details;
    details.dwControlID = controlId;
    details.cChannels = channels;
    details.cMultipleItems = items;
    details.paDetails = values;
    if (FMixerId < 0 || channels == 0 || detailEntries(details) > static_cast<uint32_t>(capacity))
        return false;
    return MixerDriver::current()->getControlDetails(FMixerHandle, &details,
                                                     MIXER_GETCONTROLDETAILSF_VALUE)
        == MMSYSERR_NOERROR;
}

bool TAudioMixer::writeControl(uint32_t controlId, uint32_t channels, uint32_t items,
                               const int32_t *values, int capacity)
{
    MIXERCONTROLDETAILS details;
    details.dwControlID = controlId;
    details.cChannels = channels;
    details.cMultipleItems = items;
    details.paDetails = const_cast<int32_t *>(values);
    if (FMixerId < 0 || channels == 0 || detailEntries(details) > static_cast<uint32_t>(capacity))
        return false;
    return MixerDriver::current()->setControlDetails(FMixerHandle, &details,
                                                     MIXER_SETCONTROLDETAILSF_VALUE)
        == MMSYSERR_NOERROR;
}

namespace {
bool isPlainType(const MIXERCONTROL &c, uint32_t type)
{
    return c.dwControlType == type && !(c.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE);
}

bool isSelection(const MIXERCONTROL &c)
{
    return c.dwControlType == MIXERCONTROL_CONTROLTYPE_MIXER
        || c.dwControlType == MIXERCONTROL_CONTROLTYPE_MUX;
}

// The first MIXER or MUX control among a destination's own controls.
const MIXERCONTROL *firstSelection(const TMixerControls &controls)
{
    for (int k = 0; k < controls.Count(); ++k)
        if (isSelection(controls.Get(k)))
            return &controls.Get(k);
    return nullptr;
}

// A selection item exists only where the request filled an entry; positions
// past the buffer are refused.
bool entryInRange(int Conn, uint32_t channels, uint32_t items)
{
    const uint32_t filled = channels * (items ? items : 1);
    return Conn >= 0 && Conn < TAudioMixer::ValueEntries && static_cast<uint32_t>(Conn) < filled;
}
} // namespace

bool TAudioMixer::ReadLineVolume(int Dest, int Conn, int32_t &L, int32_t &R, int32_t &Mute,
                                 bool &Stereo, bool &VolDisabled, bool &MuteDisabled)
{
    Stereo = false;
    const TMixerControls *controls = nullptr;
    const MIXERLINE *line = findLine(Dest, Conn, &controls);
    if (!line)
        return false;
    L = R = Mute = -1;
    int32_t values[ValueEntries] = {};
    for (int k = 0; k < controls->Count() && (L == -1 || Mute == -1); ++k) {
        const MIXERCONTROL &c = controls->Get(k);
        const bool volume = isPlainType(c, MIXERCONTROL_CONTROLTYPE_VOLUME);
        const bool mute = isPlainType(c, MIXERCONTROL_CONTROLTYPE_MUTE);
        if (!volume && !mute)
            continue;
        const uint32_t channels = requestChannels(c, line->cChannels);
        if (!readControl(c.dwControlID, channels, 0, values, ValueEntries))
            continue;
        const bool disabled = c.fdwControl & MIXERCONTROL_CONTROLF_DISABLED;
        if (volume && L == -1) {
            VolDisabled = disabled;
            if (!disabled) {
                L = values[0];
                if (channels > 1) {
                    R = values[1];
                    Stereo = true;
                }
            }
        } else if (mute && Mute == -1) {
            MuteDisabled = disabled;
            if (!disabled)
                Mute = values[0] != 0 ? 1 : 0;
        }
    }
    if (Mute == -1 && Conn != -1) {
        const TMixerDestination &dest = Destinations().Get(Dest);
        for (int k = 0; k < dest.Controls.Count() && Mute == -1; ++k) {
            const MIXERCONTROL &c = dest.Controls.Get(k);
            if (!isSelection(c))
                continue;
            const uint32_t channels = requestChannels(c, dest.LineInfo.cChannels);
            const uint32_t items = requestItems(c);
            if (entryInRange(Conn, channels, items)
                && readControl(c.dwControlID, channels, items, values, ValueEntries))
                Mute = values[Conn];
        }
    }
    if (L == -1)
        VolDisabled = true;
    if (Mute == -1)
        MuteDisabled = true;
    return true;
}

bool TAudioMixer::WriteLineVolume(int Dest, int Conn, int32_t L, int32_t R, int32_t Mute)
{
    const TMixerControls *controls = nullptr;
    const MIXERLINE *line = findLine(Dest, Conn, &controls);
    if (!line)
        return false;
    bool volumeDone = L == -1;
    bool muteDone = Mute == -1;
    int32_t values[ValueEntries] = {};
    for (int k = 0; k < controls->Count() && (!volumeDone || !muteDone); ++k) {
        const MIXERCONTROL &c = controls->Get(k);
        const uint32_t channels = requestChannels(c, line->cChannels);
        if (isPlainType(c, MIXERCONTROL_CONTROLTYPE_VOLUME) && !volumeDone) {
            volumeDone = true;
            // Channels past the second keep their values: read them first.
            if (channels > 2)
                readControl(c.dwControlID, channels, 0, values, ValueEntries);
            values[0] = L;
            values[1] = R == -1 ? L : R;
            writeControl(c.dwControlID, channels, 0, values, ValueEntries);
        } else if (isPlainType(c, MIXERCONTROL_CONTROLTYPE_MUTE) && !muteDone) {
            muteDone = true;
            std::fill(values, values + ValueEntries, Mute);
            writeControl(c.dwControlID, channels, 0, values, ValueEntries);
        }
    }
    if (!muteDone && Conn != -1) {
        const TMixerDestination &dest = Destinations().Get(Dest);
        if (const MIXERCONTROL *c = firstSelection(dest.Controls)) {
            const uint32_t channels = requestChannels(*c, dest.LineInfo.cChannels);
            const uint32_t items = requestItems(*c);
            if (entryInRange(Conn, channels, items)) {
                std::fill(values, values + ValueEntries, 0);
                const bool read = readControl(c->dwControlID, channels, items, values, ValueEntries);
                const bool mux = c->dwControlType == MIXERCONTROL_CONTROLTYPE_MUX;
                if (mux)
                    std::fill(values, values + c->cMultipleItems, 0);
                values[Conn] = Mute;
                if (read || mux)
                    writeControl(c->dwControlID, channels, items, values, ValueEntries);
            }
        }
    }
    return true;
}

bool TAudioMixer::ReadLineMute(int Dest, int Conn, bool &Mute)
{
    Mute = false;
    const TMixerControls *controls = nullptr;
    const MIXERLINE *line = findLine(Dest, Conn, &controls);
    if (!line)
        return false;
    MIXERCONTROL control;
    MIXERLINECONTROLS request;
    request.dwLineID = line->dwLineID;
    request.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
    request.cControls = 1;
    request.pamxctrl = &control;
    int32_t values[ValueEntries] = {};
    if (MixerDriver::current()->getLineControls(FMixerHandle, &request,
                                                MIXER_GETLINECONTROLSF_ONEBYTYPE)
        == MMSYSERR_NOERROR) {
        if (!readControl(control.dwControlID, 1, 0, values, ValueEntries))
            return false;
        Mute = values[0] == 1;
        return true;
    }
    if (Conn == -1)
        return false;
    const TMixerDestination &dest = Destinations().Get(Dest);
    const MIXERCONTROL *c = firstSelection(dest.Controls);
    if (!c)
        return false;
    const uint32_t channels = requestChannels(*c, dest.LineInfo.cChannels);
    const uint32_t items = requestItems(*c);
    if (entryInRange(Conn, channels, items)
        && readControl(c->dwControlID, channels, items, values, ValueEntries))
        Mute = values[Conn] != 0;
    return true;
}

bool TAudioMixer::ReadLinePeak(int Dest, int Conn, int32_t &L, int32_t &R)
{
    L = 0;
    R = 0;
    const TMixerControls *controls = nullptr;
    const MIXERLINE *line = findLine(Dest, Conn, &controls);
    if (!line)
        return false;
    for (int k = 0; k < controls->Count(); ++k) {
        const MIXERCONTROL &c = controls->Get(k);
        if ((c.dwControlType & MIXERCONTROL_CT_CLASS_MASK) != MIXERCONTROL_CT_CLASS_METER)
            continue;
        int32_t values[MeterEntries] = {};
        if (!readControl(c.dwControlID, line->cChannels, requestItems(c), values, MeterEntries))
            return false;
        L = values[0];
        R = line->cChannels == 2 ? values[1] : values[0];
        return true;
    }
    return false;
}

void TAudioMixer::CallbackWindowProc(uint32_t message, uint32_t wParam, uint32_t lParam)
{
    if (message == MM_MIXM_LINE_CHANGE && OnLineChange)
        OnLineChange(this, wParam, lParam);
    else if (message == MM_MIXM_CONTROL_CHANGE && OnControlChange)
        OnControlChange(this, wParam, lParam);
}
