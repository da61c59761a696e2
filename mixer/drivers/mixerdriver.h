// The mixer driver interface: the small set of device operations the mixer
// layer needs.  One driver is installed at start (virtual cards or the
// system's sound cards); nothing above the mixer layer knows which.
#pragma once

#include "mixer/mixerapi.h"

#include <QEvent>
#include <QObject>

// A device notice (line or control change), delivered through the Qt event
// loop to the notice target given when the device was opened.  Drivers post
// it, never send it, so a handler never runs inside the call that caused it.
class MixerNoticeEvent : public QEvent
{
public:
    static QEvent::Type eventType();

    MixerNoticeEvent(uint32_t message, HMIXER handle, uint32_t id)
        : QEvent(eventType()), message(message), handle(handle), id(id)
    {
    }

    const uint32_t message; // MM_MIXM_LINE_CHANGE or MM_MIXM_CONTROL_CHANGE
    const HMIXER handle;    // the handle the notice was posted for
    const uint32_t id;      // the line or control identifier
};

class MixerDriver
{
public:
    virtual ~MixerDriver() = default;

    // Number of mixer devices.
    virtual uint32_t getNumDevs() = 0;
    // Opens device `device`; notices for it are posted to `noticeTarget`.
    virtual MMRESULT open(HMIXER *handle, uint32_t device, QObject *noticeTarget) = 0;
    virtual MMRESULT close(HMIXER handle) = 0;
    // Capabilities of device `device` (by index, not by handle).
    virtual MMRESULT getDevCaps(uint32_t device, MIXERCAPS *caps) = 0;
    // A destination line (MIXER_GETLINEINFOF_DESTINATION, by dwDestination)
    // or a source line (MIXER_GETLINEINFOF_SOURCE, by dwDestination and
    // dwSource).
    virtual MMRESULT getLineInfo(HMIXER handle, MIXERLINE *line, uint32_t flags) = 0;
    // All controls of a line (MIXER_GETLINECONTROLSF_ALL) or the first one of
    // a type (MIXER_GETLINECONTROLSF_ONEBYTYPE).
    virtual MMRESULT getLineControls(HMIXER handle, MIXERLINECONTROLS *request, uint32_t flags) = 0;
    virtual MMRESULT getControlDetails(HMIXER handle, MIXERCONTROLDETAILS *details, uint32_t flags) = 0;
    virtual MMRESULT setControlDetails(HMIXER handle, const MIXERCONTROLDETAILS *details, uint32_t flags) = 0;

    // The driver every mixer object uses.  Installing takes ownership;
    // without one, the system has no mixer devices.
    static MixerDriver *current();
    static void install(MixerDriver *driver);
};

// A driver that has no devices: every request fails.
class NoMixerDriver : public MixerDriver
{
public:
    uint32_t getNumDevs() override { return 0; }
    MMRESULT open(HMIXER *, uint32_t, QObject *) override { return MMSYSERR_BADDEVICEID; }
    MMRESULT close(HMIXER) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT getDevCaps(uint32_t, MIXERCAPS *) override { return MMSYSERR_BADDEVICEID; }
    MMRESULT getLineInfo(HMIXER, MIXERLINE *, uint32_t) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT getLineControls(HMIXER, MIXERLINECONTROLS *, uint32_t) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT getControlDetails(HMIXER, MIXERCONTROLDETAILS *, uint32_t) override { return MMSYSERR_INVALHANDLE; }
    MMRESULT setControlDetails(HMIXER, const MIXERCONTROLDETAILS *, uint32_t) override { return MMSYSERR_INVALHANDLE; }
};
