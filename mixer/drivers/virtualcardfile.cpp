// Reading virtual card descriptions (format: docs/virtual-cards.md).

#include "mixer/drivers/virtualdriver.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

constexpr int MaxDestinations = 16;
constexpr int MaxSources = 64;
constexpr int MaxControls = 64;
constexpr int MaxChannels = 8;
constexpr int MaxValueEntries = 31; // the mixer's value buffer
constexpr int MaxMeterChannels = 10; // the mixer's meter buffer

struct Named
{
    const char *name;
    uint32_t value;
};

const Named destinationTypes[] = {
    {"undefined", MIXERLINE_COMPONENTTYPE_DST_UNDEFINED}, {"digital", MIXERLINE_COMPONENTTYPE_DST_DIGITAL},
    {"line", MIXERLINE_COMPONENTTYPE_DST_LINE},           {"monitor", MIXERLINE_COMPONENTTYPE_DST_MONITOR},
    {"speakers", MIXERLINE_COMPONENTTYPE_DST_SPEAKERS},   {"headphones", MIXERLINE_COMPONENTTYPE_DST_HEADPHONES},
    {"telephone", MIXERLINE_COMPONENTTYPE_DST_TELEPHONE}, {"wavein", MIXERLINE_COMPONENTTYPE_DST_WAVEIN},
    {"voicein", MIXERLINE_COMPONENTTYPE_DST_VOICEIN},
};

const Named sourceTypes[] = {
    {"undefined", MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED},     {"digital", MIXERLINE_COMPONENTTYPE_SRC_DIGITAL},
    {"line", MIXERLINE_COMPONENTTYPE_SRC_LINE},               {"microphone", MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE},
    {"synthesizer", MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER}, {"compactdisc", MIXERLINE_COMPONENTTYPE_SRC_COMPACTDISC},
    {"telephone", MIXERLINE_COMPONENTTYPE_SRC_TELEPHONE},     {"pcspeaker", MIXERLINE_COMPONENTTYPE_SRC_PCSPEAKER},
    {"waveout", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT},         {"auxiliary", MIXERLINE_COMPONENTTYPE_SRC_AUXILIARY},
    {"analog", MIXERLINE_COMPONENTTYPE_SRC_ANALOG},
};

const Named controlTypes[] = {
    {"custom", MIXERCONTROL_CONTROLTYPE_CUSTOM},
    {"booleanmeter", MIXERCONTROL_CONTROLTYPE_BOOLEANMETER},
    {"signedmeter", MIXERCONTROL_CONTROLTYPE_SIGNEDMETER},
    {"peakmeter", MIXERCONTROL_CONTROLTYPE_PEAKMETER},
    {"unsignedmeter", MIXERCONTROL_CONTROLTYPE_UNSIGNEDMETER},
    {"boolean", MIXERCONTROL_CONTROLTYPE_BOOLEAN},
    {"onoff", MIXERCONTROL_CONTROLTYPE_ONOFF},
    {"mute", MIXERCONTROL_CONTROLTYPE_MUTE},
    {"mono", MIXERCONTROL_CONTROLTYPE_MONO},
    {"loudness", MIXERCONTROL_CONTROLTYPE_LOUDNESS},
    {"stereoenh", MIXERCONTROL_CONTROLTYPE_STEREOENH},
    {"bassboost", MIXERCONTROL_CONTROLTYPE_BASS_BOOST},
    {"button", MIXERCONTROL_CONTROLTYPE_BUTTON},
    {"decibels", MIXERCONTROL_CONTROLTYPE_DECIBELS},
    {"signed", MIXERCONTROL_CONTROLTYPE_SIGNED},
    {"unsigned", MIXERCONTROL_CONTROLTYPE_UNSIGNED},
    {"percent", MIXERCONTROL_CONTROLTYPE_PERCENT},
    {"slider", MIXERCONTROL_CONTROLTYPE_SLIDER},
    {"pan", MIXERCONTROL_CONTROLTYPE_PAN},
    {"fader", MIXERCONTROL_CONTROLTYPE_FADER},
    {"volume", MIXERCONTROL_CONTROLTYPE_VOLUME},
    {"bass", MIXERCONTROL_CONTROLTYPE_BASS},
    {"treble", MIXERCONTROL_CONTROLTYPE_TREBLE},
    {"equalizer", MIXERCONTROL_CONTROLTYPE_EQUALIZER},
    {"singleselect", MIXERCONTROL_CONTROLTYPE_SINGLESELECT},
    {"mux", MIXERCONTROL_CONTROLTYPE_MUX},
    {"multipleselect", MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT},
    {"mixer", MIXERCONTROL_CONTROLTYPE_MIXER},
};

// Walks a JSON document, keeping the path of the member being read so that
// every error says where it is.
class Reader
{
public:
    explicit Reader(QString file) : file(std::move(file)) {}

    [[noreturn]] void fail(const QString &where, const QString &what) const
    {
        const QString place = where.isEmpty() ? QString() : where + QStringLiteral(": ");
        throw CardFileError(QStringLiteral("%1: %2%3").arg(file, place, what).toStdString());
    }

    QJsonObject object(const QJsonValue &v, const QString &where) const
    {
        if (!v.isObject())
            fail(where, QStringLiteral("must be an object"));
        return v.toObject();
    }

    void onlyKeys(const QJsonObject &o, const QString &where, std::initializer_list<const char *> keys) const
    {
        for (const QString &key : o.keys()) {
            bool known = false;
            for (const char *k : keys)
                known = known || key == QLatin1String(k);
            if (!known)
                fail(where, QStringLiteral("unknown member \"%1\"").arg(key));
        }
    }

    QString text(const QJsonObject &o, const char *key, const QString &where, int maxBytes,
                 bool required = true, const QString &fallback = QString()) const
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) {
            if (required)
                fail(where, QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
            return fallback;
        }
        if (!v.isString())
            fail(where, QStringLiteral("\"%1\" must be a text").arg(QLatin1String(key)));
        const QString s = v.toString();
        if (s.toUtf8().size() > maxBytes)
            fail(where, QStringLiteral("\"%1\" is longer than %2 bytes").arg(QLatin1String(key)).arg(maxBytes));
        return s;
    }

    int64_t integer(const QJsonValue &v, const QString &where, const QString &name, int64_t lo, int64_t hi) const
    {
        double d = 0;
        if (v.isDouble()) {
            d = v.toDouble();
        } else if (v.isString() && v.toString().startsWith(QLatin1String("0x"))) {
            bool ok = false;
            const qulonglong h = v.toString().mid(2).toULongLong(&ok, 16);
            if (!ok)
                fail(where, QStringLiteral("%1 is not a hexadecimal number").arg(name));
            d = static_cast<double>(h);
        } else {
            fail(where, QStringLiteral("%1 must be a number").arg(name));
        }
        if (d != std::floor(d) || d < static_cast<double>(lo) || d > static_cast<double>(hi))
            fail(where, QStringLiteral("%1 must be a whole number from %2 to %3").arg(name).arg(lo).arg(hi));
        return static_cast<int64_t>(d);
    }

    int64_t integer(const QJsonObject &o, const char *key, const QString &where, int64_t lo, int64_t hi,
                    int64_t fallback) const
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return fallback;
        return integer(v, where, QStringLiteral("\"%1\"").arg(QLatin1String(key)), lo, hi);
    }

    bool flag(const QJsonObject &o, const char *key, const QString &where, bool fallback) const
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return fallback;
        if (!v.isBool())
            fail(where, QStringLiteral("\"%1\" must be true or false").arg(QLatin1String(key)));
        return v.toBool();
    }

    uint32_t named(const QJsonObject &o, const char *key, const QString &where, const Named *table,
                   std::size_t count, bool required, uint32_t fallback) const
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) {
            if (required)
                fail(where, QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
            return fallback;
        }
        if (v.isString() && !v.toString().startsWith(QLatin1String("0x"))) {
            const QString s = v.toString();
            for (std::size_t i = 0; i < count; ++i)
                if (s == QLatin1String(table[i].name))
                    return table[i].value;
            QStringList names;
            for (std::size_t i = 0; i < count; ++i)
                names << QLatin1String(table[i].name);
            fail(where, QStringLiteral("\"%1\" is \"%2\", which is none of: %3")
                            .arg(QLatin1String(key), s, names.join(QStringLiteral(", "))));
        }
        return static_cast<uint32_t>(integer(v, where, QStringLiteral("\"%1\"").arg(QLatin1String(key)), 0,
                                             std::numeric_limits<uint32_t>::max()));
    }

    QJsonArray array(const QJsonObject &o, const char *key, const QString &where, int max) const
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            return {};
        if (!v.isArray())
            fail(where, QStringLiteral("\"%1\" must be a list").arg(QLatin1String(key)));
        const QJsonArray a = v.toArray();
        if (a.size() > max)
            fail(where, QStringLiteral("\"%1\" holds %2 entries, at most %3 are allowed")
                            .arg(QLatin1String(key)).arg(a.size()).arg(max));
        return a;
    }

    VirtualControl control(const QJsonValue &v, const QString &where, uint32_t lineChannels) const
    {
        const QJsonObject o = object(v, where);
        onlyKeys(o, where, {"type", "name", "shortName", "uniform", "disabled", "items", "values", "min", "max",
                            "steps"});
        VirtualControl c;
        c.info.dwControlType = named(o, "type", where, controlTypes, std::size(controlTypes), true, 0);
        const uint32_t cls = c.info.dwControlType & MIXERCONTROL_CT_CLASS_MASK;
        const bool meter = cls == MIXERCONTROL_CT_CLASS_METER;
        const QString name = text(o, "name", where, MIXER_LONG_NAME_CHARS - 1);
        const QString shortName = text(o, "shortName", where, MIXER_SHORT_NAME_CHARS - 1, false,
                                       QString::fromUtf8(name.toUtf8().left(MIXER_SHORT_NAME_CHARS - 1)));
        copyName(c.info.szName, name.toUtf8().constData());
        copyName(c.info.szShortName, shortName.toUtf8().constData());
        const bool uniform = flag(o, "uniform", where, false);
        if (uniform)
            c.info.fdwControl |= MIXERCONTROL_CONTROLF_UNIFORM;
        if (flag(o, "disabled", where, false))
            c.info.fdwControl |= MIXERCONTROL_CONTROLF_DISABLED;
        c.storedChannels = uniform ? 1 : lineChannels;

        const QJsonValue items = o.value(QLatin1String("items"));
        if (!items.isUndefined()) {
            if (meter)
                fail(where, QStringLiteral("a meter has no \"items\""));
            int64_t n = 0;
            if (items.isArray()) {
                for (const QJsonValue &item : items.toArray()) {
                    if (!item.isString())
                        fail(where, QStringLiteral("\"items\" must be a number or a list of names"));
                    c.itemNames << item.toString();
                }
                n = c.itemNames.size();
            } else {
                n = integer(items, where, QStringLiteral("\"items\""), 1, MaxValueEntries);
            }
            if (n < 1 || n * c.storedChannels > MaxValueEntries)
                fail(where, QStringLiteral("%1 items on %2 channels need %3 values, at most %4 fit")
                                .arg(n).arg(c.storedChannels).arg(n * c.storedChannels).arg(MaxValueEntries));
            c.items = static_cast<uint32_t>(n);
            c.info.cMultipleItems = c.items;
            c.info.fdwControl |= MIXERCONTROL_CONTROLF_MULTIPLE;
        }
        if (meter && lineChannels > MaxMeterChannels)
            fail(where, QStringLiteral("a meter reads at most %1 channels").arg(MaxMeterChannels));

        const bool fader = cls == MIXERCONTROL_CT_CLASS_FADER || cls == MIXERCONTROL_CT_CLASS_SLIDER
            || cls == MIXERCONTROL_CT_CLASS_NUMBER;
        c.info.Bounds.lMinimum = static_cast<int32_t>(integer(o, "min", where, INT32_MIN, INT32_MAX, meter ? -32768 : 0));
        c.info.Bounds.lMaximum = static_cast<int32_t>(
            integer(o, "max", where, INT32_MIN, INT32_MAX, fader ? 65535 : (meter ? 32767 : 1)));
        if (c.info.Bounds.lMinimum > c.info.Bounds.lMaximum)
            fail(where, QStringLiteral("\"min\" is above \"max\""));
        c.info.Metrics.cSteps = static_cast<uint32_t>(integer(o, "steps", where, 0, 65536, fader ? 65536 : 0));

        const std::size_t count = static_cast<std::size_t>(c.storedChannels) * c.items;
        const QJsonValue values = o.value(QLatin1String("values"));
        c.values.assign(count, 0);
        if (values.isUndefined()) {
            c.signal = meter;
        } else if (values.isArray()) {
            const QJsonArray a = values.toArray();
            if (static_cast<std::size_t>(a.size()) != count)
                fail(where, QStringLiteral("\"values\" must hold %1 numbers (%2 channel(s) x %3 item(s)), it holds %4")
                                .arg(count).arg(c.storedChannels).arg(c.items).arg(a.size()));
            for (qsizetype i = 0; i < a.size(); ++i)
                c.values[static_cast<std::size_t>(i)] = static_cast<int32_t>(
                    integer(a[i], where, QStringLiteral("value %1").arg(i + 1), INT32_MIN, UINT32_MAX));
        } else {
            const auto one = static_cast<int32_t>(integer(values, where, QStringLiteral("\"values\""), INT32_MIN, UINT32_MAX));
            c.values.assign(count, one);
        }
        if (fader)
            for (int32_t v : c.values)
                if (v < c.info.Bounds.lMinimum || v > c.info.Bounds.lMaximum)
                    fail(where, QStringLiteral("value %1 is outside %2 .. %3")
                                    .arg(v).arg(c.info.Bounds.lMinimum).arg(c.info.Bounds.lMaximum));
        return c;
    }

    VirtualLine line(const QJsonObject &o, const QString &where, bool destination) const
    {
        VirtualLine l;
        const QString name = text(o, "name", where, MIXER_LONG_NAME_CHARS - 1);
        const QString shortName = text(o, "shortName", where, MIXER_SHORT_NAME_CHARS - 1, false,
                                       QString::fromUtf8(name.toUtf8().left(MIXER_SHORT_NAME_CHARS - 1)));
        copyName(l.info.szName, name.toUtf8().constData());
        copyName(l.info.szShortName, shortName.toUtf8().constData());
        l.info.dwComponentType = destination
            ? named(o, "type", where, destinationTypes, std::size(destinationTypes), true, 0)
            : named(o, "type", where, sourceTypes, std::size(sourceTypes), false, MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED);
        l.info.cChannels = static_cast<uint32_t>(integer(o, "channels", where, 1, MaxChannels, 2));
        const QJsonArray controls = array(o, "controls", where, MaxControls);
        for (qsizetype k = 0; k < controls.size(); ++k)
            l.controls.push_back(control(controls[k], where + QStringLiteral(", control %1").arg(k), l.info.cChannels));
        l.info.cControls = static_cast<uint32_t>(l.controls.size());
        return l;
    }

    VirtualCard card(const QJsonValue &root) const
    {
        const QJsonObject o = object(root, QString());
        onlyKeys(o, QString(), {"name", "manufacturer", "product", "driverVersion", "destinations"});
        VirtualCard card;
        card.file = file;
        copyName(card.caps.szPname, text(o, "name", QString(), MAXPNAMELEN - 1).toUtf8().constData());
        card.caps.wMid = static_cast<uint16_t>(integer(o, "manufacturer", QString(), 0, 65535, 0));
        card.caps.wPid = static_cast<uint16_t>(integer(o, "product", QString(), 0, 65535, 0));
        card.caps.vDriverVersion = static_cast<uint32_t>(integer(o, "driverVersion", QString(), 0, UINT32_MAX, 0));
        const QJsonArray dests = array(o, "destinations", QString(), MaxDestinations);
        for (qsizetype d = 0; d < dests.size(); ++d) {
            const QString where = QStringLiteral("destination %1").arg(d);
            const QJsonObject od = object(dests[d], where);
            onlyKeys(od, where, {"name", "shortName", "type", "channels", "controls", "sources"});
            VirtualDestination dest;
            dest.line = line(od, where, true);
            const QJsonArray sources = array(od, "sources", where, MaxSources);
            for (qsizetype s = 0; s < sources.size(); ++s) {
                const QString swhere = where + QStringLiteral(", source %1").arg(s);
                const QJsonObject os = object(sources[s], swhere);
                onlyKeys(os, swhere, {"name", "shortName", "type", "channels", "controls"});
                VirtualLine src = line(os, swhere, false);
                src.info.dwDestination = static_cast<uint32_t>(d);
                src.info.dwSource = static_cast<uint32_t>(s);
                src.info.dwLineID = virtualLineId(static_cast<int>(d), static_cast<int>(s));
                dest.sources.push_back(std::move(src));
            }
            dest.line.info.dwDestination = static_cast<uint32_t>(d);
            dest.line.info.dwLineID = virtualLineId(static_cast<int>(d), -1);
            dest.line.info.cConnections = static_cast<uint32_t>(dest.sources.size());
            card.destinations.push_back(std::move(dest));
        }
        card.caps.cDestinations = static_cast<uint32_t>(card.destinations.size());
        return card;
    }

private:
    QString file;
};

} // namespace

VirtualCard parseVirtualCard(const QByteArray &json, const QString &path)
{
    const Reader reader(path);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(error.offset);
        const int line = static_cast<int>(before.count('\n')) + 1;
        reader.fail(QString(), QStringLiteral("not valid JSON at line %1: %2").arg(line).arg(error.errorString()));
    }
    return reader.card(doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(doc.array()));
}

VirtualCard loadVirtualCard(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CardFileError(QStringLiteral("%1: cannot read the card file: %2").arg(path, file.errorString()).toStdString());
    constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
    const QByteArray data = file.read(MaxFileSize + 1);
    if (data.size() > MaxFileSize)
        throw CardFileError(QStringLiteral("%1: the card file is larger than 4 MiB").arg(path).toStdString());
    return parseVirtualCard(data, path);
}
