// The system's sound cards through ALSA's simple mixer elements.
//
// Each device's elements are mapped once onto the line model: a playback
// (speakers) destination from Master, its sources from the other playback
// elements, a recording (wave-in) destination from Capture with a MUX over
// an enumerated capture source or a MIXER over the capture switches.  The
// line tree then comes from the virtual driver's tables; values are read
// from and written to the elements, volumes mapped onto 0..65535.
#pragma once

#include "mixer/drivers/virtualdriver.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

enum class AlsaDir { Playback, Capture };

// Where a mapped control's value lives (VirtualControl::binding).
namespace AlsaBinding {
enum : int { Volume = 1, Mute, Switch, Enum, CaptureSwitches };
}

// What the mapping needs to know of one simple mixer element.
struct AlsaElementInfo
{
    QString name;
    bool volume[2] = {false, false}; // by direction: playback, capture
    bool switches[2] = {false, false};
    bool volumeJoined[2] = {false, false};
    bool switchJoined[2] = {false, false};
    int channels[2] = {0, 0};
    long min[2] = {0, 0};
    long max[2] = {0, 0};
    bool hasDb[2] = {false, false};
    bool enumerated = false;
    bool enumCapture = false; // an enumerated capture source
    QStringList items;
};

// One device's elements and their values.  Channels count from 0 (front
// left; the only channel of a mono element).
class AlsaElements
{
public:
    virtual ~AlsaElements() = default;
    virtual QString productName() = 0;
    virtual std::vector<AlsaElementInfo> elements() = 0;
    virtual bool volume(int element, AlsaDir dir, int channel, long &value) = 0;
    virtual bool setVolume(int element, AlsaDir dir, int channel, long value) = 0;
    // The gain of a volume value, in 1/100 dB.
    virtual bool decibels(int element, AlsaDir dir, long value, long &centibels) = 0;
    virtual bool switchState(int element, AlsaDir dir, int channel, int &on) = 0;
    virtual bool setSwitch(int element, AlsaDir dir, int channel, int on) = 0;
    virtual bool enumItem(int element, int &item) = 0;
    virtual bool setEnumItem(int element, int item) = 0;
    // Elements whose values changed since the last call, once the device's
    // events are handled; negative when the device is gone.
    virtual int handleEvents(std::vector<int> &changed) = 0;
    // Descriptors to watch for events (none for a model in a test).
    virtual std::vector<int> pollDescriptors() { return {}; }
};

// The perceptual volume scale, like alsamixer's: 0..65535 from an element's
// value, and back.  Reading a value and writing it back never moves it.
class AlsaVolumeScale
{
public:
    AlsaVolumeScale(AlsaElements *elements, int element, AlsaDir dir, const AlsaElementInfo &info);
    int32_t toMixer(long value) const;
    long fromMixer(int32_t level) const;

private:
    double normalized(long value) const;
    AlsaElements *elements;
    int element;
    AlsaDir dir;
    long min, max;
    bool useDb;
    double dbMin = 0, dbMax = 0;
};

class AlsaMixerDriver : public VirtualMixerDriver
{
public:
    // The system's devices: ALSA's default mixer, then every card.
    static AlsaMixerDriver *system();
    // Devices given as element sets (tests give modelled cards).
    explicit AlsaMixerDriver(std::vector<std::unique_ptr<AlsaElements>> devices);
    ~AlsaMixerDriver() override;

    // Handles pending events of every device: posts a notice for each
    // changed element, stops watching a device that is gone.
    void handleEvents();
    bool deviceGone(int device) const;

protected:
    MMRESULT readValues(int device, VirtualLine &line, VirtualControl &control, MIXERCONTROLDETAILS *details) override;
    MMRESULT writeValues(int device, VirtualLine &line, VirtualControl &control,
                         const MIXERCONTROLDETAILS *details) override;

private:
    struct Device;
    std::vector<std::unique_ptr<Device>> devices;
    class Watcher;
    std::unique_ptr<Watcher> watcher;
    void forget(int device);
};

// Maps one device's elements onto a card of the line model (exposed for
// the tests of the mapping).
VirtualCard mapAlsaCard(AlsaElements &elements);
