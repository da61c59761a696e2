// Virtual sound cards: mixer devices described in JSON files, with their
// values kept in memory.  They serve tests, demos and machines without
// sound hardware.  The file format is described in docs/virtual-cards.md.
#pragma once

#include "mixer/drivers/mixerdriver.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

struct VirtualControl
{
    MIXERCONTROL info;
    uint32_t storedChannels = 1; // 1 for a uniform control, else the line's channels
    uint32_t items = 1;          // cMultipleItems, or 1 for a single-item control
    std::vector<int32_t> values; // storedChannels x items, channel-major
    QStringList itemNames;
    bool signal = false;     // a meter that follows the moving test signal
    bool failRead = false;   // fault injection for tests
    bool failWrite = false;
    // Where a driver built on these tables keeps the value (its own codes).
    int binding = 0;
    int direction = 0;
    std::vector<int> elements;
};

struct VirtualLine
{
    MIXERLINE info;
    std::vector<VirtualControl> controls;
    bool failInfo = false;     // the line's information cannot be read
    bool failControls = false; // the line's control list cannot be read
};

struct VirtualDestination
{
    VirtualLine line;
    std::vector<VirtualLine> sources;
};

struct VirtualCard
{
    QString file;
    MIXERCAPS caps;
    bool failOpen = false; // fault injection: the device cannot be opened
    std::vector<VirtualDestination> destinations;

    VirtualLine *line(int dest, int source); // source -1: the destination line
};

// A card file that cannot be used: the message names the file and the fault.
class CardFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads one card description; throws CardFileError.
VirtualCard loadVirtualCard(const QString &path);
VirtualCard parseVirtualCard(const QByteArray &json, const QString &path);

class VirtualMixerDriver : public MixerDriver
{
public:
    explicit VirtualMixerDriver(std::vector<VirtualCard> cards);

    uint32_t getNumDevs() override;
    MMRESULT open(HMIXER *handle, uint32_t device, QObject *noticeTarget) override;
    MMRESULT close(HMIXER handle) override;
    MMRESULT getDevCaps(uint32_t device, MIXERCAPS *caps) override;
    MMRESULT getLineInfo(HMIXER handle, MIXERLINE *line, uint32_t flags) override;
    MMRESULT getLineControls(HMIXER handle, MIXERLINECONTROLS *request, uint32_t flags) override;
    MMRESULT getControlDetails(HMIXER handle, MIXERCONTROLDETAILS *details, uint32_t flags) override;
    MMRESULT setControlDetails(HMIXER handle, const MIXERCONTROLDETAILS *details, uint32_t flags) override;

    // Direct access for tests and the demo.
    VirtualCard &card(int device) { return cards.at(static_cast<std::size_t>(device)); }
    int openHandles() const { return static_cast<int>(handles.size()); }
    // The first control of `type` on a line, or null.
    VirtualControl *findControl(int device, int dest, int source, uint32_t type);
    // A change made by another program: stores the values (channel-major,
    // storedChannels x items) and posts a notice when anything changed.
    void changeValues(int device, VirtualControl &control, const std::vector<int32_t> &values);
    // Fixes a meter's values (one per channel), stopping its test signal.
    void setMeter(VirtualControl &control, const std::vector<int32_t> &values);
    // The clock of the test signal, in milliseconds.
    void setClock(std::function<int64_t()> clock) { this->clock = std::move(clock); }
    // The test signal a meter shows at time `ms` on a line at `volume`
    // (0..65535 per channel, 0 when muted).
    static int32_t testSignal(int64_t ms, int channel, int32_t volume);

protected:
    // The values of a checked request: the virtual card keeps them in
    // memory; other drivers built on this one read and write their device.
    virtual MMRESULT readValues(int device, VirtualLine &line, VirtualControl &control, MIXERCONTROLDETAILS *details);
    virtual MMRESULT writeValues(int device, VirtualLine &line, VirtualControl &control,
                                 const MIXERCONTROLDETAILS *details);
    void postControlChange(int device, uint32_t controlId);
    std::vector<VirtualCard> cards;

private:
    struct OpenHandle
    {
        int device;
        QPointer<QObject> target;
    };
    struct ControlRef
    {
        int dest;
        int source;
        int index;
    };

    VirtualCard *cardOf(HMIXER handle);
    VirtualLine *lineById(VirtualCard &card, uint32_t lineId);
    VirtualControl *controlById(int device, uint32_t controlId, VirtualLine **line);
    int32_t meterValue(VirtualCard &card, VirtualLine &line, VirtualControl &meter, uint32_t channel);

    std::vector<std::vector<ControlRef>> controlIndex; // per card, by control id - 1
    std::map<HMIXER, OpenHandle> handles;
    HMIXER nextHandle = 0x100;
    std::function<int64_t()> clock;
};

// Line identifiers of virtual cards: destination in the high half, source
// (0xFFFF for the destination line) in the low half.
inline uint32_t virtualLineId(int dest, int source)
{
    return (static_cast<uint32_t>(dest) << 16) | (source < 0 ? 0xFFFFu : static_cast<uint32_t>(source));
}
