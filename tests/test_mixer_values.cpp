// Reading and writing volume, mute, selection and meter values.

#include "helpers.h"
#include "mixer/audiomixer.h"

namespace {

const char *valuesCard = R"({"name":"Values","destinations":[
  {"name":"Speakers","type":"speakers","channels":2,"controls":[
     {"type":"volume","name":"Master","values":[40000,30000]},
     {"type":"mute","name":"Master Mute","uniform":true,"values":0},
     {"type":"peakmeter","name":"Peak","values":[1000,-2000]}],
   "sources":[
     {"name":"Uniform","channels":2,"controls":[
        {"type":"volume","name":"v","uniform":true,"values":20000},
        {"type":"mute","name":"m","uniform":true,"values":2}]},
     {"name":"Disabled","channels":2,"controls":[
        {"type":"volume","name":"v","disabled":true,"values":[5000,5000]}]},
     {"name":"Mono","channels":1,"controls":[
        {"type":"volume","name":"v","values":[1000]},
        {"type":"peakmeter","name":"p","values":[-7000]}]},
     {"name":"Quad","channels":4,"controls":[
        {"type":"volume","name":"v","values":[1,2,3,4]}]}]},
  {"name":"Rec Mux","type":"wavein","channels":2,"controls":[
     {"type":"mux","name":"Select","uniform":true,"items":4,"values":[1,0,0,0]},
     {"type":"volume","name":"Rec","values":[100,100]}],
   "sources":[{"name":"A","channels":1},{"name":"B","channels":1},{"name":"C","channels":1},{"name":"D","channels":1}]},
  {"name":"Rec Mixer","type":"wavein","channels":2,"controls":[
     {"type":"mixer","name":"Select","uniform":true,"items":4,"values":[1,0,2,0]}],
   "sources":[{"name":"A","channels":1},{"name":"B","channels":1},{"name":"C","channels":1},{"name":"D","channels":1}]}]})";

class MixerValues : public ::testing::Test
{
protected:
    void SetUp() override
    {
        driver = installCards({valuesCard});
        mixer = std::make_unique<TAudioMixer>();
    }
    void TearDown() override
    {
        mixer.reset();
        MixerDriver::install(nullptr);
    }
    std::vector<int32_t> values(int dest, int source, uint32_t type)
    {
        return driver->findControl(0, dest, source, type)->values;
    }
    struct Volume
    {
        bool ok;
        int32_t l, r, mute;
        bool stereo, volDisabled, muteDisabled;
    };
    Volume read(int dest, int conn)
    {
        Volume v{};
        v.ok = mixer->ReadLineVolume(dest, conn, v.l, v.r, v.mute, v.stereo, v.volDisabled, v.muteDisabled);
        return v;
    }

    VirtualMixerDriver *driver = nullptr;
    std::unique_ptr<TAudioMixer> mixer;
};

TEST_F(MixerValues, ReadLineVolumeCases)
{
    struct Case
    {
        const char *what;
        int dest, conn;
        Volume expected;
    };
    const Case cases[] = {
        {"stereo volume with mute", 0, -1, {true, 40000, 30000, 0, true, false, false}},
        {"uniform volume: R stays -1; mute 2 counts as muted", 0, 0, {true, 20000, -1, 1, false, false, false}},
        {"disabled volume, no mute", 0, 1, {true, -1, -1, -1, false, true, true}},
        {"mono volume", 0, 2, {true, 1000, -1, -1, false, false, true}},
        {"destination without a mute of its own", 1, -1, {true, 100, 100, -1, true, false, true}},
        {"source mute from the MUX item", 1, 0, {true, -1, -1, 1, false, true, false}},
        {"source mute from an unselected MUX item", 1, 1, {true, -1, -1, 0, false, true, false}},
        {"MIXER entry 2 is taken as it stands", 2, 2, {true, -1, -1, 2, false, true, false}},
    };
    for (const Case &c : cases) {
        const Volume v = read(c.dest, c.conn);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(v.ok, c.expected.ok);
        EXPECT_EQ(v.l, c.expected.l);
        EXPECT_EQ(v.r, c.expected.r);
        EXPECT_EQ(v.mute, c.expected.mute);
        EXPECT_EQ(v.stereo, c.expected.stereo);
        EXPECT_EQ(v.volDisabled, c.expected.volDisabled);
        EXPECT_EQ(v.muteDisabled, c.expected.muteDisabled);
    }
}

TEST_F(MixerValues, WriteLineVolumeWritesOnlyWhatIsGiven)
{
    EXPECT_TRUE(mixer->WriteLineVolume(0, -1, 1234, -1, -1));
    EXPECT_EQ(values(0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME), (std::vector<int32_t>{1234, 1234}))
        << "R -1 sets both channels to L";
    EXPECT_EQ(values(0, -1, MIXERCONTROL_CONTROLTYPE_MUTE), std::vector<int32_t>{0});

    EXPECT_TRUE(mixer->WriteLineVolume(0, -1, -1, -1, 1));
    EXPECT_EQ(values(0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME), (std::vector<int32_t>{1234, 1234}));
    EXPECT_EQ(values(0, -1, MIXERCONTROL_CONTROLTYPE_MUTE), std::vector<int32_t>{1});

    EXPECT_TRUE(mixer->WriteLineVolume(0, -1, 100, 200, 0));
    EXPECT_EQ(values(0, -1, MIXERCONTROL_CONTROLTYPE_VOLUME), (std::vector<int32_t>{100, 200}));

    EXPECT_TRUE(mixer->WriteLineVolume(0, 0, 9000, 8000, -1));
    EXPECT_EQ(values(0, 0, MIXERCONTROL_CONTROLTYPE_VOLUME), std::vector<int32_t>{9000})
        << "a uniform volume takes one value, L";

    EXPECT_TRUE(mixer->WriteLineVolume(0, 3, 10, 20, -1));
    EXPECT_EQ(values(0, 3, MIXERCONTROL_CONTROLTYPE_VOLUME), (std::vector<int32_t>{10, 20, 3, 4}))
        << "channels past the second keep their values";

    EXPECT_TRUE(mixer->WriteLineVolume(0, 1, 777, -1, -1));
    EXPECT_EQ(values(0, 1, MIXERCONTROL_CONTROLTYPE_VOLUME), (std::vector<int32_t>{777, 777}))
        << "the disabled flag does not stop a write";

    EXPECT_FALSE(mixer->WriteLineVolume(0, 9, 1, 1, 1)) << "no such line";
}

TEST_F(MixerValues, SelectingThroughMuxAndMixer)
{
    EXPECT_TRUE(mixer->WriteLineVolume(1, 2, -1, -1, 1));
    EXPECT_EQ(values(1, -1, MIXERCONTROL_CONTROLTYPE_MUX), (std::vector<int32_t>{0, 0, 1, 0}))
        << "a MUX selects exactly this source";
    EXPECT_TRUE(mixer->WriteLineVolume(1, 2, -1, -1, 0));
    EXPECT_EQ(values(1, -1, MIXERCONTROL_CONTROLTYPE_MUX), (std::vector<int32_t>{0, 0, 1, 0}))
        << "a MUX write with no item on is asked for, and the card refuses it";

    EXPECT_TRUE(mixer->WriteLineVolume(2, 1, -1, -1, 1));
    EXPECT_EQ(values(2, -1, MIXERCONTROL_CONTROLTYPE_MIXER), (std::vector<int32_t>{1, 1, 2, 0}))
        << "a MIXER changes only this source's item";

    // When the current values cannot be read, a MUX is still written but a
    // MIXER is not.
    driver->findControl(0, 1, -1, MIXERCONTROL_CONTROLTYPE_MUX)->failRead = true;
    driver->findControl(0, 2, -1, MIXERCONTROL_CONTROLTYPE_MIXER)->failRead = true;
    EXPECT_TRUE(mixer->WriteLineVolume(1, 3, -1, -1, 1));
    EXPECT_EQ(values(1, -1, MIXERCONTROL_CONTROLTYPE_MUX), (std::vector<int32_t>{0, 0, 0, 1}));
    EXPECT_TRUE(mixer->WriteLineVolume(2, 3, -1, -1, 1));
    EXPECT_EQ(values(2, -1, MIXERCONTROL_CONTROLTYPE_MIXER), (std::vector<int32_t>{1, 1, 2, 0}));
}

TEST_F(MixerValues, ReadLineMuteCountsOnlyOneAsMutedButAnySelection)
{
    bool muted = true;
    EXPECT_TRUE(mixer->ReadLineMute(0, 0, muted));
    EXPECT_FALSE(muted) << "a mute value of 2 is not muted";
    EXPECT_TRUE(mixer->ReadLineMute(2, 2, muted));
    EXPECT_TRUE(muted) << "a selection entry of 2 is selected";
    EXPECT_TRUE(mixer->ReadLineMute(1, 1, muted));
    EXPECT_FALSE(muted);
    EXPECT_FALSE(mixer->ReadLineMute(0, 1, muted)) << "no mute and no selection for a playback source";
    EXPECT_FALSE(mixer->ReadLineMute(1, -1, muted)) << "a destination has no selection item";

    driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_MUTE)->failRead = true;
    EXPECT_FALSE(mixer->ReadLineMute(0, -1, muted)) << "a failed read of the mute";
    driver->findControl(0, 1, -1, MIXERCONTROL_CONTROLTYPE_MUX)->failRead = true;
    muted = true;
    EXPECT_TRUE(mixer->ReadLineMute(1, 0, muted)) << "a failed selection read still succeeds";
    EXPECT_FALSE(muted);
}

TEST_F(MixerValues, ReadLinePeak)
{
    int32_t l = 1, r = 1;
    EXPECT_TRUE(mixer->ReadLinePeak(0, -1, l, r));
    EXPECT_EQ(l, 1000);
    EXPECT_EQ(r, -2000);
    EXPECT_TRUE(mixer->ReadLinePeak(0, 2, l, r));
    EXPECT_EQ(l, -7000);
    EXPECT_EQ(r, -7000) << "a mono meter gives R = L";
    EXPECT_FALSE(mixer->ReadLinePeak(0, 0, l, r));
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 0);
    driver->findControl(0, 0, -1, MIXERCONTROL_CONTROLTYPE_PEAKMETER)->failRead = true;
    l = r = 5;
    EXPECT_FALSE(mixer->ReadLinePeak(0, -1, l, r));
    EXPECT_EQ(l, 0);
}

TEST_F(MixerValues, AFailedReadSkipsToTheNextControl)
{
    VirtualLine *line = driver->card(0).line(0, -1);
    line->controls[0].failRead = true;
    const Volume v = read(0, -1);
    EXPECT_TRUE(v.ok);
    EXPECT_EQ(v.l, -1);
    EXPECT_TRUE(v.volDisabled);
    EXPECT_EQ(v.mute, 0) << "the mute is still read";
}

TEST_F(MixerValues, RequestsLargerThanTheBuffersAreRefused)
{
    // A selection with 16 items on two separate channels needs 32 entries,
    // one more than the value buffer holds.
    VirtualControl *mixerControl = driver->findControl(0, 2, -1, MIXERCONTROL_CONTROLTYPE_MIXER);
    mixerControl->info.fdwControl &= ~MIXERCONTROL_CONTROLF_UNIFORM;
    mixerControl->storedChannels = 2;
    mixerControl->items = 16;
    mixerControl->info.cMultipleItems = 16;
    mixerControl->values.assign(32, 1);
    mixer->setMixerId(0);
    const std::vector<int32_t> before = mixerControl->values;
    bool muted = false;
    EXPECT_TRUE(mixer->ReadLineMute(2, 1, muted));
    EXPECT_FALSE(muted) << "the oversized read is refused";
    mixer->WriteLineVolume(2, 1, -1, -1, 0);
    EXPECT_EQ(mixerControl->values, before) << "nothing is written";

    int32_t values[TAudioMixer::ValueEntries];
    EXPECT_FALSE(mixer->readControl(mixerControl->info.dwControlID, 2, 16, values, TAudioMixer::ValueEntries));
}

TEST_F(MixerValues, SelectionPositionsPastTheItemsAreRefused)
{
    // A destination whose MUX has fewer items than it has sources.
    VirtualControl *mux = driver->findControl(0, 1, -1, MIXERCONTROL_CONTROLTYPE_MUX);
    mux->items = 2;
    mux->info.cMultipleItems = 2;
    mux->values = {0, 1};
    mixer->setMixerId(0);
    const Volume v = read(1, 3);
    EXPECT_EQ(v.mute, -1) << "no item for connection 3";
    EXPECT_TRUE(v.muteDisabled);
    mixer->WriteLineVolume(1, 3, -1, -1, 1);
    EXPECT_EQ(mux->values, (std::vector<int32_t>{0, 1})) << "a MUX is not cleared for an item it lacks";
    bool muted = true;
    EXPECT_TRUE(mixer->ReadLineMute(1, 3, muted));
    EXPECT_FALSE(muted);
}

} // namespace
