// The records and constants of the mixer device interface.
//
// Everything above the drivers talks to a sound card through these records:
// a device has destination lines, each destination has source lines
// (connections), every line has controls, and control values travel in
// buffers of 32-bit entries.  The field names follow the classic mixer
// interface so that the binding code reads the same fields whatever driver
// answers.
#pragma once

#include <cstddef>
#include <cstdint>

using MMRESULT = uint32_t;
using HMIXER = uint32_t;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MIXERR_INVALLINE = 1024;
constexpr MMRESULT MIXERR_INVALCONTROL = 1025;

constexpr int MAXPNAMELEN = 32;
constexpr int MIXER_SHORT_NAME_CHARS = 16;
constexpr int MIXER_LONG_NAME_CHARS = 64;

// Notices posted to a device's notice target.
constexpr uint32_t MM_MIXM_LINE_CHANGE = 0x3D0;
constexpr uint32_t MM_MIXM_CONTROL_CHANGE = 0x3D1;

// Line component types.
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_FIRST = 0x0;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_UNDEFINED = 0x0;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_DIGITAL = 0x1;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_LINE = 0x2;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_MONITOR = 0x3;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_SPEAKERS = 0x4;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_HEADPHONES = 0x5;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_TELEPHONE = 0x6;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_WAVEIN = 0x7;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_DST_VOICEIN = 0x8;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_FIRST = 0x1000;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED = 0x1000;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_DIGITAL = 0x1001;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_LINE = 0x1002;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE = 0x1003;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER = 0x1004;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC = 0x1005;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_TELEPHONE = 0x1006;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_PCSPEAKER = 0x1007;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT = 0x1008;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_AUXILIARY = 0x1009;
constexpr uint32_t MIXERLINE_COMPONENTTYPE_SRC_ANALOG = 0x100A;

// Control classes, masks and types.
constexpr uint32_t MIXERCONTROL_CT_CLASS_MASK = 0xF0000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_CUSTOM = 0x00000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_METER = 0x10000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_SWITCH = 0x20000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_NUMBER = 0x30000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_SLIDER = 0x40000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_FADER = 0x50000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_TIME = 0x60000000;
constexpr uint32_t MIXERCONTROL_CT_CLASS_LIST = 0x70000000;

constexpr uint32_t MIXERCONTROL_CONTROLTYPE_CUSTOM = 0x00000000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_BOOLEANMETER = 0x10010000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_SIGNEDMETER = 0x10020000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_PEAKMETER = 0x10020001;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_UNSIGNEDMETER = 0x10030000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_BOOLEAN = 0x20010000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_ONOFF = 0x20010001;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_MUTE = 0x20010002;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_MONO = 0x20010003;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_LOUDNESS = 0x20010004;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_STEREOENH = 0x20010005;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_BASS_BOOST = 0x20012277;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_BUTTON = 0x21010000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_DECIBELS = 0x30040000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_SIGNED = 0x30020000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_UNSIGNED = 0x30030000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_PERCENT = 0x30050000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_SLIDER = 0x40020000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_PAN = 0x40020001;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_FADER = 0x50030000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_VOLUME = 0x50030001;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_BASS = 0x50030002;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_TREBLE = 0x50030003;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_EQUALIZER = 0x50030004;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_SINGLESELECT = 0x70010000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_MUX = 0x70010001;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT = 0x71010000;
constexpr uint32_t MIXERCONTROL_CONTROLTYPE_MIXER = 0x71010001;

constexpr uint32_t MIXERCONTROL_CONTROLF_UNIFORM = 0x00000001;
constexpr uint32_t MIXERCONTROL_CONTROLF_MULTIPLE = 0x00000002;
constexpr uint32_t MIXERCONTROL_CONTROLF_DISABLED = 0x80000000;

// Flags of the line, control and value requests.
constexpr uint32_t MIXER_GETLINEINFOF_DESTINATION = 0x0;
constexpr uint32_t MIXER_GETLINEINFOF_SOURCE = 0x1;
constexpr uint32_t MIXER_GETLINECONTROLSF_ALL = 0x0;
constexpr uint32_t MIXER_GETLINECONTROLSF_ONEBYID = 0x1;
constexpr uint32_t MIXER_GETLINECONTROLSF_ONEBYTYPE = 0x2;
constexpr uint32_t MIXER_GETCONTROLDETAILSF_VALUE = 0x0;
constexpr uint32_t MIXER_SETCONTROLDETAILSF_VALUE = 0x0;

struct MIXERCAPS {
    uint16_t wMid = 0;
    uint16_t wPid = 0;
    uint32_t vDriverVersion = 0;
    char szPname[MAXPNAMELEN] = {};
    uint32_t fdwSupport = 0;
    uint32_t cDestinations = 0;
};
static_assert(sizeof(MIXERCAPS) == 48);

struct MIXERLINE {
    uint32_t cbStruct = sizeof(MIXERLINE);
    uint32_t dwDestination = 0;
    uint32_t dwSource = 0;
    uint32_t dwLineID = 0;
    uint32_t fdwLine = 0;
    uint32_t dwUser = 0;
    uint32_t dwComponentType = 0;
    uint32_t cChannels = 0;
    uint32_t cConnections = 0;
    uint32_t cControls = 0;
    char szShortName[MIXER_SHORT_NAME_CHARS] = {};
    char szName[MIXER_LONG_NAME_CHARS] = {};
    struct {
        uint32_t dwType = 0;
        uint32_t dwDeviceID = 0;
        uint16_t wMid = 0;
        uint16_t wPid = 0;
        uint32_t vDriverVersion = 0;
        char szPname[MAXPNAMELEN] = {};
    } Target;
};

struct MIXERCONTROL {
    uint32_t cbStruct = sizeof(MIXERCONTROL);
    uint32_t dwControlID = 0;
    uint32_t dwControlType = 0;
    uint32_t fdwControl = 0;
    uint32_t cMultipleItems = 0;
    char szShortName[MIXER_SHORT_NAME_CHARS] = {};
    char szName[MIXER_LONG_NAME_CHARS] = {};
    struct {
        int32_t lMinimum = 0;
        int32_t lMaximum = 0;
        uint32_t dwReserved[4] = {};
    } Bounds;
    struct {
        uint32_t cSteps = 0;
        uint32_t dwReserved[5] = {};
    } Metrics;
};
static_assert(sizeof(MIXERCONTROL) == 148);

struct MIXERLINECONTROLS {
    uint32_t cbStruct = sizeof(MIXERLINECONTROLS);
    uint32_t dwLineID = 0;
    // dwControlID for a request by id, dwControlType for a request by type.
    uint32_t dwControlID = 0;
    uint32_t dwControlType = 0;
    uint32_t cControls = 0;
    uint32_t cbmxctrl = sizeof(MIXERCONTROL);
    MIXERCONTROL *pamxctrl = nullptr;
};

// A value request: cChannels x max(1, cMultipleItems) entries of cbDetails
// bytes each (always 4 here: one 32-bit value per entry), channel-major.
struct MIXERCONTROLDETAILS {
    uint32_t cbStruct = sizeof(MIXERCONTROLDETAILS);
    uint32_t dwControlID = 0;
    uint32_t cChannels = 0;
    uint32_t cMultipleItems = 0;
    uint32_t cbDetails = sizeof(int32_t);
    int32_t *paDetails = nullptr;
};

// Number of 32-bit entries a value request moves.
inline uint32_t detailEntries(const MIXERCONTROLDETAILS &d)
{
    return d.cChannels * (d.cMultipleItems ? d.cMultipleItems : 1);
}

// Copies a text into a fixed name field, cutting it so that it stays
// zero-terminated.
template <std::size_t N>
void copyName(char (&field)[N], const char *text)
{
    std::size_t i = 0;
    for (; text && text[i] && i + 1 < N; ++i)
        field[i] = text[i];
    for (; i < N; ++i)
        field[i] = 0;
}

// Reads a fixed name field up to its first zero, never past its end.
template <std::size_t N>
std::size_t nameLength(const char (&field)[N])
{
    std::size_t i = 0;
    while (i < N && field[i])
        ++i;
    return i;
}
