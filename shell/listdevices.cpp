#include "shell/listdevices.h"

#include "mixer/audiomixer.h"

#include <QStringList>
#include <QTextStream>

namespace {

QString text(const char *field, std::size_t length)
{
    return QString::fromUtf8(field, static_cast<qsizetype>(length));
}

QString flagsText(uint32_t flags)
{
    QStringList names;
    if (flags & MIXERCONTROL_CONTROLF_UNIFORM)
        names << QStringLiteral("uniform");
    if (flags & MIXERCONTROL_CONTROLF_MULTIPLE)
        names << QStringLiteral("multiple");
    if (flags & MIXERCONTROL_CONTROLF_DISABLED)
        names << QStringLiteral("disabled");
    return names.isEmpty() ? QStringLiteral("-") : names.join(QLatin1Char(','));
}

QString valuesText(TAudioMixer &mixer, const MIXERCONTROL &c, uint32_t lineChannels)
{
    const bool meter = (c.dwControlType & MIXERCONTROL_CT_CLASS_MASK) == MIXERCONTROL_CT_CLASS_METER;
    const uint32_t channels = meter ? lineChannels : requestChannels(c, lineChannels);
    const uint32_t items = requestItems(c);
    int32_t values[TAudioMixer::ValueEntries] = {};
    const int capacity = meter ? TAudioMixer::MeterEntries : TAudioMixer::ValueEntries;
    if (!mixer.readControl(c.dwControlID, channels, items, values, capacity))
        return QStringLiteral("unreadable");
    QStringList perChannel;
    const uint32_t perRow = items ? items : 1;
    for (uint32_t ch = 0; ch < channels; ++ch) {
        QStringList row;
        for (uint32_t i = 0; i < perRow; ++i)
            row << QString::number(values[ch * perRow + i]);
        perChannel << row.join(QLatin1Char(','));
    }
    return perChannel.join(QStringLiteral(" | "));
}

void listLine(QTextStream &out, TAudioMixer &mixer, const QString &indent, const QString &what,
              const MIXERLINE &line, const TMixerControls &controls, int connections)
{
    out << indent << what << " \"" << text(line.szName, nameLength(line.szName)) << "\" "
        << componentTypeName(line.dwComponentType) << " (0x" << QString::number(line.dwComponentType, 16)
        << "), channels " << line.cChannels;
    if (connections >= 0)
        out << ", connections " << connections;
    out << ", controls " << controls.Count() << "\n";
    for (int k = 0; k < controls.Count(); ++k) {
        const MIXERCONTROL &c = controls.Get(k);
        out << indent << "  Control " << k << ": " << controlTypeName(c.dwControlType) << " (0x"
            << QString::number(c.dwControlType, 16) << ") \"" << text(c.szName, nameLength(c.szName))
            << "\" flags " << flagsText(c.fdwControl) << ", items " << c.cMultipleItems << ", values "
            << valuesText(mixer, c, line.cChannels) << "\n";
    }
}

} // namespace

QString componentTypeName(uint32_t type)
{
    static const char *const dst[] = {"undefined", "digital", "line", "monitor", "speakers",
                                      "headphones", "telephone", "wavein", "voicein"};
    static const char *const src[] = {"undefined", "digital", "line", "microphone", "synthesizer", "compactdisc",
                                      "telephone", "pcspeaker", "waveout", "auxiliary", "analog"};
    if (type < std::size(dst))
        return QLatin1String(dst[type]);
    if (type >= MIXERLINE_COMPONENTTYPE_SRC_FIRST && type - MIXERLINE_COMPONENTTYPE_SRC_FIRST < std::size(src))
        return QLatin1String(src[type - MIXERLINE_COMPONENTTYPE_SRC_FIRST]);
    return QStringLiteral("other");
}

QString controlTypeName(uint32_t type)
{
    switch (type) {
    case MIXERCONTROL_CONTROLTYPE_VOLUME: return QStringLiteral("VOLUME");
    case MIXERCONTROL_CONTROLTYPE_MUTE: return QStringLiteral("MUTE");
    case MIXERCONTROL_CONTROLTYPE_BASS: return QStringLiteral("BASS");
    case MIXERCONTROL_CONTROLTYPE_TREBLE: return QStringLiteral("TREBLE");
    case MIXERCONTROL_CONTROLTYPE_EQUALIZER: return QStringLiteral("EQUALIZER");
    case MIXERCONTROL_CONTROLTYPE_FADER: return QStringLiteral("FADER");
    case MIXERCONTROL_CONTROLTYPE_MUX: return QStringLiteral("MUX");
    case MIXERCONTROL_CONTROLTYPE_MIXER: return QStringLiteral("MIXER");
    case MIXERCONTROL_CONTROLTYPE_SINGLESELECT: return QStringLiteral("SINGLESELECT");
    case MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT: return QStringLiteral("MULTIPLESELECT");
    case MIXERCONTROL_CONTROLTYPE_PEAKMETER: return QStringLiteral("PEAKMETER");
    case MIXERCONTROL_CONTROLTYPE_SIGNEDMETER: return QStringLiteral("SIGNEDMETER");
    case MIXERCONTROL_CONTROLTYPE_UNSIGNEDMETER: return QStringLiteral("UNSIGNEDMETER");
    case MIXERCONTROL_CONTROLTYPE_BOOLEANMETER: return QStringLiteral("BOOLEANMETER");
    case MIXERCONTROL_CONTROLTYPE_ONOFF: return QStringLiteral("ONOFF");
    case MIXERCONTROL_CONTROLTYPE_BOOLEAN: return QStringLiteral("BOOLEAN");
    case MIXERCONTROL_CONTROLTYPE_MONO: return QStringLiteral("MONO");
    case MIXERCONTROL_CONTROLTYPE_LOUDNESS: return QStringLiteral("LOUDNESS");
    case MIXERCONTROL_CONTROLTYPE_STEREOENH: return QStringLiteral("STEREOENH");
    case MIXERCONTROL_CONTROLTYPE_BASS_BOOST: return QStringLiteral("BASS_BOOST");
    case MIXERCONTROL_CONTROLTYPE_BUTTON: return QStringLiteral("BUTTON");
    default: break;
    }
    switch (type & MIXERCONTROL_CT_CLASS_MASK) {
    case MIXERCONTROL_CT_CLASS_METER: return QStringLiteral("meter");
    case MIXERCONTROL_CT_CLASS_SWITCH: return QStringLiteral("switch");
    case MIXERCONTROL_CT_CLASS_NUMBER: return QStringLiteral("number");
    case MIXERCONTROL_CT_CLASS_SLIDER: return QStringLiteral("slider");
    case MIXERCONTROL_CT_CLASS_FADER: return QStringLiteral("fader");
    case MIXERCONTROL_CT_CLASS_TIME: return QStringLiteral("time");
    case MIXERCONTROL_CT_CLASS_LIST: return QStringLiteral("list");
    default: return QStringLiteral("custom");
    }
}

QString listDevices()
{
    QString result;
    QTextStream out(&result);
    TAudioMixer mixer;
    out << "Mixer devices: " << mixer.DeviceCount() << "\n";
    for (int id = 0; id < mixer.DeviceCount(); ++id) {
        mixer.setMixerId(id);
        if (mixer.MixerId() != id) {
            out << "Device " << id << ": cannot be opened\n";
            continue;
        }
        const MIXERCAPS &caps = mixer.Caps();
        out << "Device " << id << ": \"" << mixer.ProductName() << "\"\n"
            << "  manufacturer " << caps.wMid << " (" << mixer.Manufacturer() << "), product " << caps.wPid
            << ", driver version " << caps.vDriverVersion << ", destinations " << caps.cDestinations << "\n";
        const TMixerDestinations &dests = mixer.Destinations();
        for (int d = 0; d < dests.Count(); ++d) {
            const TMixerDestination &dest = dests.Get(d);
            listLine(out, mixer, QStringLiteral("  "), QStringLiteral("Destination %1:").arg(d), dest.LineInfo,
                     dest.Controls, dest.Connections.Count());
            for (int c = 0; c < dest.Connections.Count(); ++c) {
                const TMixerConnection &conn = dest.Connections.Get(c);
                listLine(out, mixer, QStringLiteral("    "), QStringLiteral("Source %1:").arg(c), conn.LineInfo,
                         conn.Controls, -1);
            }
        }
    }
    return result;
}
