// Virtual sound cards: card files, notices and the test signal.

#include "helpers.h"
#include "mixer/audiomixer.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class VirtualCards : public ::testing::Test
{
protected:
    void TearDown() override { MixerDriver::install(nullptr); }
};

TEST_F(VirtualCards, NoticesAreQueuedToEveryHandleOfTheDeviceOnlyOnRealChanges)
{
    auto *driver = installCards({smallCard("A"), smallCard("B")});
    TAudioMixer first, second, other;
    other.setMixerId(1);
    int firstCount = 0, secondCount = 0, otherCount = 0;
    uint32_t lastId = 0;
    first.OnControlChange = [&](TAudioMixer *sender, uint32_t, uint32_t id) {
        EXPECT_EQ(sender, &first);
        lastId = id;
        ++firstCount;
    };
    second.OnControlChange = [&](TAudioMixer *, uint32_t, uint32_t) { ++secondCount; };
    other.OnControlChange = [&](TAudioMixer *, uint32_t, uint32_t) { ++otherCount; };

    ASSERT_TRUE(first.WriteLineVolume(0, -1, 1000, 1000, -1));
    EXPECT_EQ(firstCount, 0) << "never delivered inside the call";
    processEvents();
    EXPECT_EQ(firstCount, 1);
    EXPECT_EQ(secondCount, 1);
    EXPECT_EQ(otherCount, 0) << "another device's handles hear nothing";
    EXPECT_EQ(lastId, driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME)->info.dwControlID);

    first.WriteLineVolume(0, -1, 1000, 1000, 0);
    processEvents();
    EXPECT_EQ(firstCount, 1) << "writing the values a control holds posts nothing";

    VirtualControl *vol = driver->findControl(0, 0, 0, MIXERCONTROL_CONTROLTYPE_VOLUME);
    driver->changeValues(0, *vol, {5, 6});
    processEvents();
    EXPECT_EQ(firstCount, 2) << "a change by another program is announced";
}

TEST_F(VirtualCards, FaderValuesAreKeptWithinTheirBounds)
{
    auto *driver = installCards({smallCard("A")});
    TAudioMixer mixer;
    mixer.WriteLineVolume(0, -1, 70000, -5, -1);
    EXPECT_EQ(driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME)->values,
              (std::vector<int32_t>{65535, 0}));
}

TEST_F(VirtualCards, TheTestSignalMovesWithTimeAndFollowsVolumeAndMute)
{
    auto *driver = installCards({R"({"name":"Meter","destinations":[{"name":"Out","type":"speakers","channels":2,
        "controls":[{"type":"volume","name":"v","values":[65535,32767]},
                    {"type":"mute","name":"m","uniform":true,"values":0},
                    {"type":"peakmeter","name":"p"}]}]})"});
    int64_t now = 1000;
    driver->setClock([&] { return now; });
    TAudioMixer mixer;
    int32_t l = 0, r = 0;
    ASSERT_TRUE(mixer.ReadLinePeak(0, -1, l, r));
    EXPECT_EQ(l, VirtualMixerDriver::testSignal(1000, 0, 65535));
    EXPECT_EQ(r, VirtualMixerDriver::testSignal(1000, 1, 32767));
    EXPECT_LE(std::abs(r), 32767 / 2 + 1) << "half volume, at most half scale";
    int32_t l2 = 0, r2 = 0;
    now = 1400;
    mixer.ReadLinePeak(0, -1, l2, r2);
    EXPECT_NE(std::abs(l), std::abs(l2)) << "the signal moves";
    now = 7000;
    mixer.ReadLinePeak(0, -1, l, r);
    EXPECT_EQ(std::abs(l), 32767) << "the burst reaches the top of the scale";

    mixer.WriteLineVolume(0, -1, -1, -1, 1);
    mixer.ReadLinePeak(0, -1, l, r);
    EXPECT_EQ(l, 0) << "a muted line is silent";

    driver->setMeter(*driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_PEAKMETER), {-32768, 18000});
    mixer.ReadLinePeak(0, -1, l, r);
    EXPECT_EQ(l, -32768);
    EXPECT_EQ(r, 18000);
}

TEST_F(VirtualCards, EveryExampleCardLoads)
{
    const QDir dir(sourceDir() + QStringLiteral("/cards"));
    const QStringList files = dir.entryList({QStringLiteral("*.json")});
    ASSERT_GE(files.size(), 6);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_NO_THROW(loadVirtualCard(dir.filePath(file)));
    }
    const VirtualCard large = loadVirtualCard(dir.filePath(QStringLiteral("large-card.json")));
    ASSERT_EQ(large.destinations.size(), 2u);
    EXPECT_EQ(large.destinations[0].sources.size(), 14u);
    EXPECT_EQ(large.destinations[1].sources.size(), 12u);
}

TEST_F(VirtualCards, BrokenCardFilesGiveOneClearMessage)
{
    struct Case
    {
        const char *json;
        const char *message;
    };
    const Case cases[] = {
        {R"({"name":"x",)", "test.json: not valid JSON at line 1"},
        {R"([1,2])", "test.json: must be an object"},
        {R"({"destinations":[]})", "\"name\" is missing"},
        {R"({"name":"This product name is far too long to fit"})", "\"name\" is longer than 31 bytes"},
        {R"({"name":"x","colour":1})", "unknown member \"colour\""},
        {R"({"name":"x","destinations":{}})", "\"destinations\" must be a list"},
        {R"({"name":"x","destinations":[{"name":"d","type":"radio"}]})", "destination 0: \"type\" is \"radio\""},
        {R"({"name":"x","destinations":[{"name":"d","type":"speakers","channels":0}]})",
         "destination 0: \"channels\" must be a whole number from 1 to 8"},
        {R"({"name":"x","destinations":[{"name":"d","type":"speakers","channels":"2"}]})",
         "\"channels\" must be a number"},
        {R"({"name":"x","destinations":[{"name":"d","type":"speakers","sources":[{"name":"s","controls":[
            {"type":"volume","name":"v","values":[1,2,3]}]}]}]})",
         "destination 0, source 0, control 0: \"values\" must hold 2 numbers"},
        {R"({"name":"x","destinations":[{"name":"d","type":"speakers","controls":[
            {"type":"mux","name":"m","items":16,"values":0}]}]})",
         "16 items on 2 channels need 32 values, at most 31 fit"},
        {R"({"name":"x","destinations":[{"name":"d","type":"speakers","controls":[
            {"type":"volume","name":"v","values":70000}]}]})", "value 70000 is outside 0 .. 65535"},
        {R"({"name":"x","destinations":[{"name":"d","type":"speakers","controls":[
            {"type":"peakmeter","name":"p","items":2}]}]})", "a meter has no \"items\""},
        {R"({"name":"x","destinations":[{"name":"d","type":"speakers","controls":[
            {"type":"volume","name":"v","uniform":"yes"}]}]})", "\"uniform\" must be true or false"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.json);
        try {
            cardFromJson(c.json);
            ADD_FAILURE() << "accepted";
        } catch (const CardFileError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("test.json: ", 0), 0u) << "names the file first";
        }
    }
}

TEST_F(VirtualCards, UnreadableFilesAreReported)
{
    QTemporaryDir dir;
    EXPECT_THROW(loadVirtualCard(dir.filePath(QStringLiteral("missing.json"))), CardFileError);
    EXPECT_THROW(loadVirtualCard(dir.path()), CardFileError) << "a folder";
    QFile binary(dir.filePath(QStringLiteral("binary.json")));
    ASSERT_TRUE(binary.open(QIODevice::WriteOnly));
    binary.write(QByteArray("\x00\xff\xfe{", 4));
    binary.close();
    EXPECT_THROW(loadVirtualCard(binary.fileName()), CardFileError);
}

} // namespace
