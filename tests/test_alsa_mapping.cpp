// The ALSA driver's mapping and values, on element sets modelled on real
// cards.

#include "helpers.h"
#include "mixer/audiomixer.h"
#include "mixer/drivers/alsadriver.h"
#include "shell/listdevices.h"

#include <functional>
#include <map>

namespace {

// A card's simple mixer elements kept in memory.
class ModelElements : public AlsaElements
{
public:
    struct Element
    {
        AlsaElementInfo info;
        std::map<std::pair<int, int>, long> volumes; // (dir, channel)
        std::map<std::pair<int, int>, int> switches;
        int item = 0;
        std::function<long(long)> db; // centibels of a value, when it has them
    };

    explicit ModelElements(QString name) : name(std::move(name)) {}

    // name, capabilities "pvol pswitch cvol cswitch pjoined mono", range
    Element &add(const QString &n, const QString &caps, long min = 0, long max = 100, int channels = 2)
    {
        Element e;
        e.info.name = n;
        const QStringList c = caps.split(' ', Qt::SkipEmptyParts);
        e.info.volume[0] = c.contains("pvol");
        e.info.switches[0] = c.contains("pswitch");
        e.info.volume[1] = c.contains("cvol");
        e.info.switches[1] = c.contains("cswitch");
        e.info.volumeJoined[0] = e.info.volumeJoined[1] = c.contains("joined");
        for (int d : {0, 1}) {
            e.info.channels[d] = (e.info.volume[d] || e.info.switches[d]) ? channels : 0;
            e.info.min[d] = min;
            e.info.max[d] = max;
            for (int ch = 0; ch < channels; ++ch) {
                e.volumes[{d, ch}] = max;
                e.switches[{d, ch}] = 1;
            }
        }
        elems.push_back(e);
        return elems.back();
    }
    Element &addEnum(const QString &n, QStringList items, bool capture)
    {
        Element e;
        e.info.name = n;
        e.info.enumerated = true;
        e.info.enumCapture = capture;
        e.info.items = std::move(items);
        elems.push_back(e);
        return elems.back();
    }

    QString productName() override { return name; }
    std::vector<AlsaElementInfo> elements() override
    {
        std::vector<AlsaElementInfo> out;
        for (Element &e : elems) {
            out.push_back(e.info);
            out.back().hasDb[0] = out.back().hasDb[1] = bool(e.db);
        }
        return out;
    }
    bool volume(int e, AlsaDir dir, int ch, long &value) override
    {
        if (gone)
            return false;
        value = elems[e].volumes[{int(dir), ch}];
        return true;
    }
    bool setVolume(int e, AlsaDir dir, int ch, long value) override
    {
        if (gone)
            return false;
        change(e, elems[e].volumes[{int(dir), ch}], value);
        return true;
    }
    bool decibels(int e, AlsaDir, long value, long &cb) override
    {
        if (!elems[e].db)
            return false;
        cb = elems[e].db(value);
        return true;
    }
    bool switchState(int e, AlsaDir dir, int ch, int &on) override
    {
        if (gone)
            return false;
        on = elems[e].switches[{int(dir), ch}];
        return true;
    }
    bool setSwitch(int e, AlsaDir dir, int ch, int on) override
    {
        if (gone)
            return false;
        int &current = elems[e].switches[{int(dir), ch}];
        long v = current;
        change(e, v, on);
        current = on;
        return true;
    }
    bool enumItem(int e, int &item) override
    {
        item = elems[e].item;
        return !gone;
    }
    bool setEnumItem(int e, int item) override
    {
        if (gone)
            return false;
        long v = elems[e].item;
        change(e, v, item);
        elems[e].item = item;
        return true;
    }
    int handleEvents(std::vector<int> &out) override
    {
        if (gone)
            return -19;
        out.swap(changed);
        changed.clear();
        return 0;
    }

    std::vector<Element> elems;
    std::vector<int> changed;
    bool gone = false;

private:
    void change(int e, long &slot, long value)
    {
        if (slot != value)
            changed.push_back(e);
        slot = value;
    }
    QString name;
};

// A laptop's HDA codec: mono Master, stereo outputs, an input source.
std::unique_ptr<ModelElements> laptop()
{
    auto m = std::make_unique<ModelElements>("HDA Intel PCH");
    m->add("Master", "pvol pswitch joined", 0, 87, 1).db = [](long v) { return -6525 + v * 75; };
    m->add("Headphone", "pvol pswitch", 0, 87).db = [](long v) { return -6525 + v * 75; };
    m->add("Speaker", "pvol pswitch", 0, 87);
    m->add("PCM", "pvol", 0, 255).db = [](long v) { return v == 0 ? -9999999 : -5100 + v * 20; };
    m->addEnum("Auto-Mute Mode", {"Disabled", "Enabled"}, false);
    m->add("Beep", "pvol pswitch", 0, 7, 1);
    m->add("Capture", "cvol cswitch", 0, 63).db = [](long v) { return -1725 + v * 75; };
    m->add("Mic Boost", "cvol", 0, 3);
    m->addEnum("Input Source", {"Mic", "Internal Mic"}, true);
    m->add("Internal Mic", "cvol", 0, 3);
    return m;
}

std::unique_ptr<ModelElements> headset()
{
    auto m = std::make_unique<ModelElements>("USB Headset");
    m->add("PCM", "pvol pswitch", 0, 37).db = [](long v) { return -3700 + v * 100; };
    m->add("Mic", "cvol cswitch", 0, 16, 1);
    return m;
}

std::unique_ptr<ModelElements> toneCard()
{
    auto m = std::make_unique<ModelElements>("Tone Card");
    m->add("Master", "pvol pswitch", 0, 31);
    m->add("Tone Control - Bass", "pvol", 0, 15);
    m->add("Tone Control - Treble", "pvol", 0, 15);
    m->add("Line", "pvol pswitch cvol", 0, 31);
    m->add("CD", "pvol pswitch cvol", 0, 31);
    m->add("IEC958", "pswitch", 0, 1, 1);
    m->add("Capture", "cvol cswitch", 0, 15);
    m->addEnum("Capture Source", {"Mic", "CD", "Line"}, true);
    return m;
}

std::unique_ptr<ModelElements> switchesCard()
{
    auto m = std::make_unique<ModelElements>("Switches Card");
    m->add("Master", "pvol pswitch", 0, 31);
    m->add("Line", "pvol cvol cswitch", 0, 31);
    m->add("Mic", "pvol cvol cswitch", 0, 31, 1);
    m->add("Capture", "cvol", 0, 15);
    return m;
}

// "name:TYPE/channels[controls]" for every line of a mapped card.
QStringList outline(const VirtualCard &card)
{
    QStringList out;
    for (const VirtualDestination &d : card.destinations)
        for (int s = -1; s < static_cast<int>(d.sources.size()); ++s) {
            const VirtualLine &l = s < 0 ? d.line : d.sources[static_cast<std::size_t>(s)];
            QStringList controls;
            for (const VirtualControl &c : l.controls)
                controls << controlTypeName(c.info.dwControlType)
                        + (c.info.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM ? "" : "/ch")
                        + (c.items > 1 ? QStringLiteral("x%1").arg(c.items) : QString());
            out << QStringLiteral("%1%2:%3/%4[%5]")
                       .arg(s < 0 ? "" : "  ", lineName(l.info), componentTypeName(l.info.dwComponentType))
                       .arg(l.info.cChannels)
                       .arg(controls.join(','));
        }
    return out;
}

TEST(AlsaMapping, ModelledCards)
{
    struct Case
    {
        const char *what;
        std::unique_ptr<ModelElements> card;
        QStringList expected;
    };
    Case cases[] = {
        {"laptop HDA codec", laptop(),
         {"Master:speakers/1[VOLUME,MUTE]", "  Headphone:undefined/2[VOLUME/ch,MUTE]",
          "  Speaker:undefined/2[VOLUME/ch,MUTE]", "  PCM:undefined/2[VOLUME/ch]", "  Beep:undefined/1[VOLUME,MUTE]",
          "Capture:wavein/2[VOLUME/ch,MUTE,MUXx2]", "  Mic:undefined/1[]", "  Internal Mic:undefined/2[VOLUME/ch]"}},
        {"USB headset", headset(),
         {"PCM:speakers/2[VOLUME/ch,MUTE]", "Mic:wavein/1[VOLUME,MUTE]"}},
        {"tone controls and a capture source", toneCard(),
         {"Master:speakers/2[VOLUME/ch,MUTE,BASS,TREBLE,ONOFF]", "  Line:undefined/2[VOLUME/ch,MUTE]",
          "  CD:undefined/2[VOLUME/ch,MUTE]", "Capture:wavein/2[VOLUME/ch,MUTE,MUXx3]", "  Mic:undefined/1[]",
          "  CD:undefined/2[VOLUME/ch]", "  Line:undefined/2[VOLUME/ch]"}},
        {"capture switches only", switchesCard(),
         {"Master:speakers/2[VOLUME/ch,MUTE]", "  Line:undefined/2[VOLUME/ch]", "  Mic:undefined/1[VOLUME]",
          "Capture:wavein/2[VOLUME/ch,MIXERx2]", "  Line:undefined/2[VOLUME/ch]", "  Mic:undefined/1[VOLUME]"}},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(outline(mapAlsaCard(*c.card)), c.expected);
    }
    ModelElements empty("Nothing");
    EXPECT_TRUE(mapAlsaCard(empty).destinations.empty()) << "no playback or capture element, no destination";
}

TEST(AlsaVolume, ReadingAndWritingBackNeverMoves)
{
    auto card = laptop();
    card->add("Pulse", "pvol", 0, 65536);
    const std::vector<AlsaElementInfo> info = card->elements();
    for (int e : {0, 3, 6, 10}) {
        const AlsaVolumeScale scale(card.get(), e, e == 6 ? AlsaDir::Capture : AlsaDir::Playback,
                                    info[static_cast<std::size_t>(e)]);
        const int dir = e == 6 ? 1 : 0;
        SCOPED_TRACE(info[static_cast<std::size_t>(e)].name.toStdString());
        EXPECT_EQ(scale.toMixer(info[e].min[dir]), 0);
        EXPECT_EQ(scale.toMixer(info[e].max[dir]), 65535);
        int32_t last = -1;
        for (long v = info[e].min[dir]; v <= info[e].max[dir]; ++v) {
            const int32_t level = scale.toMixer(v);
            ASSERT_GE(level, last) << "the scale only rises";
            last = level;
            ASSERT_EQ(scale.toMixer(scale.fromMixer(level)), level) << "value " << v;
        }
        // Every level Sonvane writes lands on a value that reads back the same
        // level the next time.
        for (int32_t level = 0; level <= 65535; level += 655) {
            const int32_t read = scale.toMixer(scale.fromMixer(level));
            ASSERT_EQ(scale.toMixer(scale.fromMixer(read)), read);
        }
    }
    // With gain information the middle of the scale is the middle of the
    // loudness, not of the value range.
    const AlsaVolumeScale master(card.get(), 0, AlsaDir::Playback, info[0]);
    EXPECT_LT(master.toMixer(44), 32767 / 2);
}

class AlsaDriver : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<std::unique_ptr<AlsaElements>> devices;
        auto t = toneCard();
        tone = t.get();
        devices.push_back(std::move(t));
        auto s = switchesCard();
        switches = s.get();
        devices.push_back(std::move(s));
        driver = new AlsaMixerDriver(std::move(devices));
        MixerDriver::install(driver);
        mixer = std::make_unique<TAudioMixer>();
    }
    void TearDown() override
    {
        mixer.reset();
        MixerDriver::install(nullptr);
    }
    AlsaMixerDriver *driver = nullptr;
    ModelElements *tone = nullptr;
    ModelElements *switches = nullptr;
    std::unique_ptr<TAudioMixer> mixer;
};

TEST_F(AlsaDriver, ValuesReachTheElements)
{
    int32_t l = 0, r = 0, m = 0;
    bool stereo = false, vd = false, md = false;
    ASSERT_TRUE(mixer->ReadLineVolume(0, -1, l, r, m, stereo, vd, md));
    EXPECT_EQ(l, 65535);
    EXPECT_EQ(m, 0) << "the switch is on: sounding, not muted";
    EXPECT_TRUE(stereo);

    mixer->WriteLineVolume(0, -1, 32767, 0, 1);
    EXPECT_EQ((tone->elems[0].volumes[{0, 0}]), 15) << "the value nearest to half the scale";
    EXPECT_EQ((tone->elems[0].volumes[{0, 1}]), 0);
    EXPECT_EQ((tone->elems[0].switches[{0, 0}]), 0) << "muted: the switch goes off";
    EXPECT_EQ((tone->elems[0].switches[{0, 1}]), 0);

    // Selecting the CD through the MUX sets the capture source.
    mixer->WriteLineVolume(1, 1, -1, -1, 1);
    EXPECT_EQ(tone->elems[7].item, 1);
    bool selected = false;
    EXPECT_TRUE(mixer->ReadLineMute(1, 1, selected));
    EXPECT_TRUE(selected);
    EXPECT_TRUE(mixer->ReadLineMute(1, 0, selected));
    EXPECT_FALSE(selected);

    // A MIXER over capture switches changes only the item written.
    mixer->setMixerId(1);
    mixer->WriteLineVolume(1, 1, -1, -1, 0);
    EXPECT_EQ((switches->elems[2].switches[{1, 0}]), 0);
    EXPECT_EQ((switches->elems[1].switches[{1, 0}]), 1);
    EXPECT_EQ((switches->elems[1].switches[{1, 1}]), 1);
}

TEST_F(AlsaDriver, ChangesPostNoticesAndAGoneDeviceFailsQuietly)
{
    int notices = 0;
    mixer->OnControlChange = [&](TAudioMixer *, uint32_t, uint32_t) { ++notices; };
    tone->setVolume(3, AlsaDir::Playback, 0, 5); // another program moves Line
    driver->handleEvents();
    processEvents();
    EXPECT_EQ(notices, 1);
    driver->handleEvents();
    processEvents();
    EXPECT_EQ(notices, 1) << "nothing more changed";

    tone->gone = true;
    driver->handleEvents();
    EXPECT_TRUE(driver->deviceGone(0));
    int32_t l = 0, r = 0, m = 0;
    bool stereo = false, vd = false, md = false;
    EXPECT_TRUE(mixer->ReadLineVolume(0, -1, l, r, m, stereo, vd, md));
    EXPECT_EQ(l, -1) << "the value cannot be read";
    EXPECT_EQ(m, -1);
    EXPECT_FALSE(driver->deviceGone(1));
}

} // namespace
