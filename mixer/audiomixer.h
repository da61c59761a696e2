// TAudioMixer: one open mixer device and the tree of its lines.
//
// Assigning MixerId closes the device and opens it again, rebuilding the
// tree of destinations, their connections (source lines) and every line's
// controls.  The tree holds the line layout only; values are always read
// from the device.  Because every assignment throws the tree away, callers
// keep positions (destination, connection, control), never references.
#pragma once

#include "mixer/mixerapi.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class TAudioMixer;

// A list of untyped item pointers.  It owns its items only through
// OnFreeItem, which Clear calls for every item in position order.
class TPointerList
{
public:
    TPointerList() = default;
    TPointerList(const TPointerList &) = delete;
    TPointerList &operator=(const TPointerList &) = delete;
    ~TPointerList();

    std::function<void(void *)> OnFreeItem;

    int Add(void *item);
    void *Get(int index) const; // throws std::out_of_range outside 0..Count-1
    int Count() const { return static_cast<int>(List.size()); }
    void Clear();

private:
    std::vector<void *> List;
};

class TMixerControls
{
public:
    // Reads the controls of `line`; on failure the list stays empty.
    TMixerControls(TAudioMixer *mixer, const MIXERLINE &line);
    TMixerControls(const TMixerControls &) = delete;
    TMixerControls &operator=(const TMixerControls &) = delete;

    int Count() const { return Items.Count(); }
    const MIXERCONTROL &Get(int index) const;

private:
    std::vector<MIXERCONTROL> ControlArray;
    TPointerList Items;
};

class TMixerConnection
{
public:
    TMixerConnection(TAudioMixer *mixer, const MIXERLINE &line);

    TAudioMixer *Mixer;
    MIXERLINE LineInfo;
    TMixerControls Controls;
};

class TMixerConnections
{
public:
    TMixerConnections(TAudioMixer *mixer, const MIXERLINE &destination);
    TMixerConnections(const TMixerConnections &) = delete;
    TMixerConnections &operator=(const TMixerConnections &) = delete;

    int Count() const { return Items.Count(); }
    TMixerConnection &Get(int index) const;

    TAudioMixer *Mixer;

private:
    TPointerList Items;
};

class TMixerDestination
{
public:
    TMixerDestination(TAudioMixer *mixer, const MIXERLINE &line);

    TAudioMixer *Mixer;
    MIXERLINE LineInfo;
    // Connections are built before the destination's own controls, so the
    // device is asked depth first.  Declaration order makes the controls go
    // first on destruction.
    TMixerConnections Connections;
    TMixerControls Controls;
};

class TMixerDestinations
{
public:
    explicit TMixerDestinations(TAudioMixer *mixer);
    TMixerDestinations(const TMixerDestinations &) = delete;
    TMixerDestinations &operator=(const TMixerDestinations &) = delete;

    int Count() const { return Items.Count(); }
    TMixerDestination &Get(int index) const;

private:
    TPointerList Items;
};

// Handler of a device notice: the mixer that received it, the device handle
// and the line or control identifier it names.
using TMixerChange = std::function<void(TAudioMixer *Sender, uint32_t MixerH, uint32_t ID)>;

class TAudioMixer : public QObject
{
    Q_OBJECT
public:
    // Counts the devices and opens device 0 when there is one.
    explicit TAudioMixer(QObject *owner = nullptr);
    ~TAudioMixer() override;

    // Value buffers: 31 entries for volume, mute and selection, 10 for
    // meters.  A request that needs more is refused rather than overrun.
    static constexpr int ValueEntries = 31;
    static constexpr int MeterEntries = 10;

    int MixerId() const { return FMixerId; }
    // Closes the device and opens device `value` (clamped to the last one);
    // a negative value leaves the mixer closed.  Ignored without devices.
    void setMixerId(int value);
    void CloseDevice();

    int DeviceCount() const { return FDeviceCount; }
    HMIXER MixerHandle() const { return FMixerHandle; }
    const MIXERCAPS &Caps() const { return FCaps; }
    int DriverVersion() const { return FDriverVersion; }
    QString Manufacturer() const { return FManufacturer; }
    uint16_t ProductId() const { return FProductId; }
    int NumberOfLine() const { return FNumberOfLine; }
    QString ProductName() const { return FProductName; }

    // The tree of the open device; empty while closed.
    const TMixerDestinations &Destinations() const;

    TMixerChange OnLineChange;
    TMixerChange OnControlChange;

    // Value operations on the line at (Dest, Conn); Conn -1 is the
    // destination line itself.
    bool ReadLineVolume(int Dest, int Conn, int32_t &L, int32_t &R, int32_t &Mute, bool &Stereo,
                        bool &VolDisabled, bool &MuteDisabled);
    bool WriteLineVolume(int Dest, int Conn, int32_t L, int32_t R, int32_t Mute);
    bool ReadLineMute(int Dest, int Conn, bool &Mute);
    bool ReadLinePeak(int Dest, int Conn, int32_t &L, int32_t &R);

    // One value request on a control of the open device: `channels` x
    // max(1, items) entries into `values`, which holds `capacity` entries.
    // Refused (false) when the request would not fit.
    bool readControl(uint32_t controlId, uint32_t channels, uint32_t items, int32_t *values,
                     int capacity);
    bool writeControl(uint32_t controlId, uint32_t channels, uint32_t items, const int32_t *values,
                      int capacity);

    // The line at (Dest, Conn), or null when it does not exist.
    const MIXERLINE *findLine(int Dest, int Conn, const TMixerControls **controls) const;

    // Handles a device notice; the callback object routes them here.
    void CallbackWindowProc(uint32_t message, uint32_t wParam, uint32_t lParam);

private:
    class CallbackTarget;

    CallbackTarget *CallbackWindow = nullptr;
    TMixerDestinations *FDestinations = nullptr;
    int FDeviceCount = 0;
    HMIXER FMixerHandle = 0;
    int FMixerId = -1;
    MIXERCAPS FCaps;
    int FDriverVersion = 0;
    QString FManufacturer;
    uint16_t FProductId = 0;
    int FNumberOfLine = 0;
    QString FProductName;
};

// A line's or a control's name: the name field up to its first zero.
QString lineName(const MIXERLINE &line);
QString controlName(const MIXERCONTROL &control);

// Requested channel and item counts of a control read on a line with
// `lineChannels` channels: one channel for a uniform control, the line's
// count otherwise; the item count only for a control with several items.
inline uint32_t requestChannels(const MIXERCONTROL &c, uint32_t lineChannels)
{
    return (c.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) ? 1 : lineChannels;
}
inline uint32_t requestItems(const MIXERCONTROL &c)
{
    return (c.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) ? c.cMultipleItems : 0;
}
