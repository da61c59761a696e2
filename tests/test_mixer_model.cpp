// The mixer object: opening, closing, the line tree and its failures.

#include "helpers.h"
#include "mixer/audiomixer.h"

#include <stdexcept>

namespace {

class MixerModel : public ::testing::Test
{
protected:
    void TearDown() override { MixerDriver::install(nullptr); }
};

TEST_F(MixerModel, MixerIdClampsToTheLastDeviceAndNegativeCloses)
{
    installCards({smallCard("Card A"), smallCard("Card B")});
    TAudioMixer mixer;
    EXPECT_EQ(mixer.MixerId(), 0) << "a new mixer opens device 0";
    EXPECT_EQ(mixer.ProductName(), "Card A");

    mixer.setMixerId(7);
    EXPECT_EQ(mixer.MixerId(), 1);
    EXPECT_EQ(mixer.ProductName(), "Card B");
    EXPECT_EQ(mixer.Destinations().Count(), 2);

    mixer.setMixerId(-1);
    EXPECT_EQ(mixer.MixerId(), -1);
    EXPECT_EQ(mixer.Destinations().Count(), 0) << "closing drops the tree";
    EXPECT_EQ(mixer.ProductName(), "Card B") << "information stays from the last open";
}

TEST_F(MixerModel, WithoutDevicesEveryAssignmentIsIgnored)
{
    MixerDriver::install(new NoMixerDriver);
    TAudioMixer mixer;
    for (int id : {0, 1, -1, 5}) {
        mixer.setMixerId(id);
        EXPECT_EQ(mixer.MixerId(), -1);
    }
    EXPECT_EQ(mixer.DeviceCount(), 0);
    EXPECT_TRUE(mixer.ProductName().isEmpty());
    EXPECT_TRUE(mixer.Manufacturer().isEmpty());
    EXPECT_EQ(mixer.Destinations().Count(), 0);
    int32_t l = 5, r = 5, m = 5;
    bool stereo = true, vd = false, md = false;
    EXPECT_FALSE(mixer.ReadLineVolume(0, -1, l, r, m, stereo, vd, md));
    EXPECT_EQ(l, 5) << "out-values stay as they were";
    EXPECT_FALSE(mixer.WriteLineVolume(0, -1, 1, 1, 1));
}

TEST_F(MixerModel, ManufacturerTextAndCapabilities)
{
    auto *driver = installCards({smallCard("One", 2, 1), smallCard("Two", 2, 2)});
    driver->card(0).caps.vDriverVersion = 0x0501;
    TAudioMixer mixer;
    EXPECT_EQ(mixer.Manufacturer(), "Microsoft");
    EXPECT_EQ(mixer.DriverVersion(), 0x0501);
    EXPECT_EQ(mixer.ProductId(), 7);
    EXPECT_EQ(mixer.NumberOfLine(), 2);
    mixer.setMixerId(1);
    EXPECT_EQ(mixer.Manufacturer(), "2 = Unknown");
}

TEST_F(MixerModel, DeviceWithoutDestinationsOpensEmpty)
{
    installCards({R"({"name":"Empty","destinations":[]})"});
    TAudioMixer mixer;
    EXPECT_EQ(mixer.MixerId(), 0);
    EXPECT_EQ(mixer.NumberOfLine(), 0);
    EXPECT_EQ(mixer.Destinations().Count(), 0);
}

TEST_F(MixerModel, UnreadableLinesAreSkippedAndLaterOnesMoveUp)
{
    auto *driver = installCards({R"({"name":"Three","destinations":[
        {"name":"D0","type":"speakers","channels":2},
        {"name":"D1","type":"line","channels":2},
        {"name":"D2","type":"wavein","channels":2,"sources":[
            {"name":"S0","channels":1},{"name":"S1","channels":1},{"name":"S2","channels":1,
             "controls":[{"type":"volume","name":"v","values":[1]}]}]}]})"});
    driver->card(0).line(1, -1)->failInfo = true;
    driver->card(0).line(2, 1)->failInfo = true;
    driver->card(0).line(2, 2)->failControls = true;
    TAudioMixer mixer;
    const TMixerDestinations &dests = mixer.Destinations();
    ASSERT_EQ(dests.Count(), 2);
    EXPECT_STREQ(dests.Get(1).LineInfo.szName, "D2") << "the third destination is found at position 1";
    const TMixerConnections &conns = dests.Get(1).Connections;
    ASSERT_EQ(conns.Count(), 2);
    EXPECT_STREQ(conns.Get(1).LineInfo.szName, "S2");
    EXPECT_EQ(conns.Get(1).Controls.Count(), 0) << "unreadable controls leave an empty list";
    EXPECT_THROW(dests.Get(2), std::out_of_range);
    EXPECT_THROW(conns.Get(-1), std::out_of_range);

    // Value operations check positions instead of trusting them.
    int32_t l = 0, r = 0, m = 0;
    bool stereo = false, vd = false, md = false;
    EXPECT_FALSE(mixer.ReadLineVolume(2, -1, l, r, m, stereo, vd, md));
    EXPECT_FALSE(mixer.ReadLineVolume(1, 2, l, r, m, stereo, vd, md));
    EXPECT_FALSE(mixer.ReadLineVolume(255, -1, l, r, m, stereo, vd, md)) << "the sentinel position";
    EXPECT_FALSE(mixer.ReadLineVolume(0, -2, l, r, m, stereo, vd, md));
}

TEST_F(MixerModel, ReassigningRebuildsTheSameTree)
{
    installCards({smallCard("Card", 5)});
    TAudioMixer mixer;
    const int controls = mixer.Destinations().Get(0).Connections.Get(4).Controls.Count();
    const HMIXER first = mixer.MixerHandle();
    mixer.setMixerId(0);
    EXPECT_NE(mixer.MixerHandle(), first) << "the device is closed and opened again";
    ASSERT_EQ(mixer.Destinations().Count(), 2);
    EXPECT_EQ(mixer.Destinations().Get(0).Connections.Count(), 5);
    EXPECT_EQ(mixer.Destinations().Get(0).Connections.Get(4).Controls.Count(), controls);
}

TEST_F(MixerModel, FailedOpenLeavesTheMixerClosedWithItsOldInformation)
{
    auto *driver = installCards({smallCard("Good"), smallCard("Broken")});
    driver->card(1).failOpen = true;
    TAudioMixer mixer;
    mixer.setMixerId(1);
    EXPECT_EQ(mixer.MixerId(), -1);
    EXPECT_EQ(mixer.ProductName(), "Good");
    EXPECT_EQ(mixer.Destinations().Count(), 0);
    EXPECT_EQ(driver->openHandles(), 0) << "no handle is left open";
}

TEST_F(MixerModel, DestroyingTheMixerClosesItsDevice)
{
    auto *driver = installCards({smallCard("Card")});
    {
        TAudioMixer a;
        TAudioMixer b;
        EXPECT_EQ(driver->openHandles(), 2);
    }
    EXPECT_EQ(driver->openHandles(), 0);
}

TEST(PointerList, ClearFreesItemsInOrderOnlyThroughItsHandler)
{
    std::vector<int> freed;
    int a = 1, b = 2, c = 3;
    {
        TPointerList list;
        list.OnFreeItem = [&](void *p) { freed.push_back(*static_cast<int *>(p)); };
        EXPECT_EQ(list.Add(&a), 0);
        EXPECT_EQ(list.Add(&b), 1);
        EXPECT_EQ(list.Add(&c), 2);
        EXPECT_EQ(list.Get(1), &b);
        list.Clear();
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(freed, (std::vector<int>{1, 2, 3}));
        list.Add(&a);
    }
    EXPECT_EQ(freed, (std::vector<int>{1, 2, 3, 1})) << "destruction clears";
    TPointerList plain;
    plain.Add(&a);
    plain.Clear(); // no handler: nothing is freed
    EXPECT_THROW(plain.Get(0), std::out_of_range);
}

} // namespace
