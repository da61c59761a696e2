// Discovery and strip initialisation: destinations, strips in use, layout,
// bindings and the stereo layouts, checked on the widgets by name.

#include "helpers.h"
#include "mixer/audiomixer.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QAction>
#include <QLabel>

namespace {

template <typename T = QWidget>
T *widget(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class Discovery : public WindowsTest
{
};

TEST_F(Discovery, ChoosesTheLastSpeakersAndWaveInDestinations)
{
    start({R"({"name":"Dests","destinations":[
        {"name":"Out A","type":"speakers","sources":[{"name":"a"}]},
        {"name":"Phones","type":"headphones","sources":[{"name":"p"}]},
        {"name":"In","type":"wavein","sources":[{"name":"i"}]},
        {"name":"Out B","type":"speakers","sources":[{"name":"b"}]}]})"});
    EXPECT_EQ(playDest, 3);
    EXPECT_EQ(recDest, 2);
    EXPECT_EQ(Form4->Label2->text(), "Out B");
    EXPECT_EQ(Form4->Label3->text(), "In");
    EXPECT_EQ(Form4->Label14->text(), "Dests");
    EXPECT_EQ(Form1->Label14->text(), "Out B Dests");
}

TEST_F(Discovery, AMissingDestinationLeavesItsWindowEmpty)
{
    for (const char *file : {"playback-only.json", "studio-destinations.json"}) {
        SCOPED_TRACE(file);
        const VirtualCard card = loadVirtualCard(sourceDir() + "/cards/" + file);
        driver = new VirtualMixerDriver({card});
        MixerDriver::install(driver);
        resetGlobals();
        createWindows();
        EXPECT_EQ(playDest, 1);
        if (std::string(file) == "playback-only.json") {
            EXPECT_EQ(recDest, 0xBB) << "no wave-in destination";
            for (Strip &s : rec->strips)
                EXPECT_FALSE(s.cha->isVisibleTo(rec));
            EXPECT_EQ(rec->width(), 18);
            EXPECT_EQ(rec->Label14->text(), " HDMI Audio Output");
            Form1->Button5Click(); // a refresh with nothing to read
        } else {
            EXPECT_EQ(recDest, 3);
            EXPECT_EQ(Form1->ComboBox3.at(0), "Capture");
        }
        destroyWindows();
    }
    driver = installCards({R"({"name":"Nothing","destinations":[{"name":"Line","type":"line"}]})"});
    resetGlobals();
    createWindows();
    EXPECT_EQ(playDest, 0xBB);
    for (Strip &s : Form1->strips)
        EXPECT_EQ(s.cha->Tag, 1);
    EXPECT_EQ(Form1->width(), 89) << "only the tone panel";
    EXPECT_FALSE(hasBass);
}

TEST_F(Discovery, ThreeSourcesWithTheTonePanel)
{
    start({layoutCard({})});
    EXPECT_EQ(Form1->width(), 373);
    EXPECT_EQ(Form1->Panel108->x(), 359);
    EXPECT_EQ(Form1->Label14->width(), 359);
    EXPECT_EQ(Form1->chatune->x(), 10);
    for (int s = 1; s <= 12; ++s) {
        SCOPED_TRACE(s);
        Strip &strip = Form1->strip(s);
        EXPECT_EQ(strip.cha->Tag, s <= 4 ? 0 : 1);
        EXPECT_EQ(strip.cha->isVisibleTo(Form1), s <= 4);
        EXPECT_EQ(strip.namePanel->isVisibleTo(Form1), s <= 4);
        if (s <= 4) {
            EXPECT_EQ(strip.cha->x(), s * 71 + 10);
            EXPECT_EQ(strip.namePanel->x(), s * 71 + 11);
            EXPECT_EQ(strip.namePanel->Tag, s * 71 + 11);
        }
    }
    EXPECT_EQ(widget<QLabel>(Form1, "Label15")->text(), "Play 1");
    EXPECT_EQ(widget<QLabel>(Form1, "Label16")->text(), "Play 2");
    EXPECT_EQ(widget<QLabel>(Form1, "Label17")->text(), "");
    EXPECT_EQ(rec->width(), 4 * 71 + 18);
    EXPECT_EQ(rec->strip(1).cha->x(), 10);

    // The visible-channels boxes carry the names; those without a line hide.
    EXPECT_EQ(Form4->playBox(2)->text(), "Play 0");
    EXPECT_TRUE(Form4->playBox(4)->isVisibleTo(Form4));
    EXPECT_FALSE(Form4->playBox(5)->isVisibleTo(Form4));
    EXPECT_FALSE(Form4->box(22)->isVisibleTo(Form4));
}

TEST_F(Discovery, ManySourcesFillTheWindowsAndTheRestAreNotShown)
{
    CardLayout layout;
    layout.playSources = 14;
    layout.recSources = 12;
    start({layoutCard(layout)});
    EXPECT_EQ(Form1->width(), 941);
    EXPECT_EQ(rec->width(), 728);
    for (Strip &s : Form1->strips)
        EXPECT_EQ(s.cha->Tag, 0);
    for (Strip &s : rec->strips)
        EXPECT_EQ(s.cha->Tag, 0);
    EXPECT_EQ(Form1->strip(12).nameLabel->text(), "Play 10");
    EXPECT_EQ(rec->strip(10).nameLabel->text(), "Rec 8");

    // Hiding a strip keeps the width when the card has 12 or more sources,
    // and packs the others left.
    Form4->playBox(3)->setChecked(false);
    busyState = 1;
    Form1->Button1Click();
    EXPECT_EQ(Form1->strip(3).cha->Tag, 1);
    EXPECT_FALSE(Form1->strip(3).cha->isVisibleTo(Form1));
    EXPECT_EQ(Form1->strip(4).cha->x(), 3 * 71 + 10);
    EXPECT_EQ(Form1->width(), 941);
    EXPECT_EQ(Form1->strip(3).nameLabel->text(), "Play 1") << "a hidden strip still gets its name";
}

TEST_F(Discovery, HidingTheTonePanelAndAStripNarrowsTheWindow)
{
    start({layoutCard({})});
    Form4->tuch->setChecked(false);
    Form4->playBox(2)->setChecked(false);
    busyState = 1;
    Form1->Button1Click();
    EXPECT_FALSE(Form1->chatune->isVisibleTo(Form1));
    EXPECT_EQ(Form1->strip(1).cha->x(), 10);
    EXPECT_EQ(Form1->strip(3).cha->x(), 81);
    EXPECT_EQ(Form1->width(), 3 * 71 + 18);
}

TEST_F(Discovery, NamesOfSpacesCountAsMissing)
{
    start({R"({"name":"Blank","destinations":[{"name":"Speakers","type":"speakers","sources":[
        {"name":"One"},{"name":"   "},{"name":"Three"}]}]})"});
    EXPECT_EQ(Form1->strip(2).cha->Tag, 0);
    EXPECT_EQ(Form1->strip(3).cha->Tag, 1);
    EXPECT_FALSE(Form1->strip(3).namePanel->isVisibleTo(Form1));
    EXPECT_EQ(Form1->strip(4).cha->x(), 3 * 71 + 10) << "packed after strip 2";
}

TEST_F(Discovery, MuteAndExtraSwitchesOfAPlaybackLine)
{
    start({R"({"name":"Switches","destinations":[{"name":"Speakers","type":"speakers","controls":[
        {"type":"volume","name":"Master","values":[1,1]},
        {"type":"loudness","name":"Loudness","uniform":true,"values":0}],
      "sources":[
        {"name":"Four switches","controls":[
          {"type":"mute","name":"Mute it","uniform":true,"values":0},
          {"type":"onoff","name":"Mic Boost","uniform":true,"values":0},
          {"type":"loudness","name":" Loud ","uniform":true,"values":0},
          {"type":"mono","name":"Mono","uniform":true,"values":0}]},
        {"name":"One switch","controls":[
          {"type":"mute","name":"Mute","uniform":true,"values":0},
          {"type":"onoff","name":"Boost","uniform":true,"values":0},
          {"type":"bass","name":"Bass","uniform":true,"values":0}]}]}]})"});
    Strip &four = Form1->strip(2);
    EXPECT_EQ(four.mute->isVisibleTo(Form1), true);
    EXPECT_EQ(four.mute->toolTip(), "Mute it");
    EXPECT_TRUE(four.solo->isVisibleTo(Form1));
    EXPECT_EQ(four.extra1->Tag, 1);
    EXPECT_EQ(four.extra1->Caption(), "mic");
    EXPECT_EQ(four.extra1->toolTip(), "Mic Boost");
    EXPECT_EQ(four.extra1->x(), 7);
    EXPECT_EQ(four.extra2->Tag, 3) << "the last switch after extra switch 1";
    EXPECT_EQ(four.extra2->Caption(), "mono");
    EXPECT_EQ(four.extra2->x(), 35);
    EXPECT_EQ(four.solo->y(), 36);
    EXPECT_EQ(four.mute->y(), 36);
    // The mute panel's Tag is reset to the user's mute state after set-up.
    EXPECT_EQ(four.mute->Tag, 0);

    Strip &one = Form1->strip(3);
    EXPECT_EQ(one.extra1->Tag, 1);
    EXPECT_EQ(one.extra1->x(), 21);
    EXPECT_EQ(one.extra2->Tag, -2);
    EXPECT_FALSE(one.extra2->isVisibleTo(Form1));

    Strip &master = Form1->strip(1);
    EXPECT_FALSE(master.mute->isVisibleTo(Form1)) << "no mute control";
    EXPECT_EQ(master.extra1->Tag, 1);
    EXPECT_EQ(master.linked->y(), 36);

    EXPECT_FALSE(hasBass) << "a bass control on a source line is not bound";
    EXPECT_EQ(Form1->RotaryKnob2->toolTip(), "No bass edition with that soundcard...");
    EXPECT_EQ(Form1->RotaryKnob1->toolTip(), "No treble edition with that soundcard...");
    EXPECT_FALSE(Form1->MaskEdit3->isEnabled());
}

TEST_F(Discovery, ToneKnobsBindToTheDestinationsControls)
{
    start({layoutCard({})});
    EXPECT_TRUE(hasBass);
    EXPECT_TRUE(hasTreble);
    EXPECT_EQ(Form1->RotaryKnob2->Tag, 2);
    EXPECT_EQ(Form1->RotaryKnob1->Tag, 3);
    EXPECT_TRUE(Form1->basplus->isEnabled());
    EXPECT_TRUE(Form1->MaskEdit3->isEnabled());
    EXPECT_EQ(Form1->RotaryKnob1->toolTip(), "Turn the knob to ajust the treble volume...");
    EXPECT_EQ(Form1->RotaryKnob2->toolTip(), "Turn the knob to ajust the bass volume...");
}

TEST_F(Discovery, RecordingSelectButtonsComeOnlyWithAMux)
{
    CardLayout mux;
    start({layoutCard(mux)});
    EXPECT_EQ(muxIndex, 0);
    for (int s = 2; s <= 4; ++s) {
        SCOPED_TRACE(s);
        EXPECT_TRUE(rec->strip(s).mute->isVisibleTo(rec));
        EXPECT_EQ(rec->strip(s).mute->Caption(), "select");
        EXPECT_FALSE(rec->strip(s).extra2->isVisibleTo(rec));
    }
    EXPECT_TRUE(hasRecVolume);
    EXPECT_FALSE(rec->strip(1).poisson->isVisibleTo(rec));
    destroyWindows();

    CardLayout mixer;
    mixer.selector = "mixer";
    mixer.recVolume = false;
    start({layoutCard(mixer)});
    EXPECT_EQ(muxIndex, -2);
    for (int s = 2; s <= 4; ++s)
        EXPECT_FALSE(rec->strip(s).mute->isVisibleTo(rec));
    EXPECT_FALSE(hasRecVolume);
    EXPECT_TRUE(rec->strip(1).poisson->isVisibleTo(rec));
    EXPECT_FALSE(rec->strip(1).cursorArea->isVisibleTo(rec)) << "no recording volume to move";
    EXPECT_FALSE(widget(rec, "MaskEdit1")->isVisibleTo(rec));
}

TEST_F(Discovery, ARecordingVolumeFollowsTheCurrentCard)
{
    CardLayout without;
    without.name = "Without";
    without.recVolume = false;
    CardLayout with;
    with.name = "With";
    start({layoutCard(with), layoutCard(without)});
    EXPECT_TRUE(hasRecVolume);
    rec->cardClick(2);
    EXPECT_FALSE(hasRecVolume);
    EXPECT_TRUE(rec->strip(1).poisson->isVisibleTo(rec));
    EXPECT_FALSE(rec->strip(1).cursorArea->isVisibleTo(rec));
    rec->cardClick(1);
    EXPECT_TRUE(hasRecVolume);
    EXPECT_FALSE(rec->strip(1).poisson->isVisibleTo(rec));
    EXPECT_TRUE(rec->strip(1).cursorArea->isVisibleTo(rec));
    EXPECT_TRUE(rec->strip(1).mainEdit->isVisibleTo(rec));
}

TEST_F(Discovery, StereoAndMonoLayouts)
{
    start({R"({"name":"Layouts","destinations":[
      {"name":"Speakers","type":"speakers","controls":[{"type":"volume","name":"v","values":[1,1]}],"sources":[
        {"name":"S0","controls":[{"type":"volume","name":"v","values":[1,1]}]},
        {"name":"S1","controls":[{"type":"volume","name":"v","values":[1,1]}]},
        {"name":"Mono","channels":1,"controls":[{"type":"volume","name":"v","values":[1]}]},
        {"name":"Uniform","controls":[{"type":"volume","name":"v","uniform":true,"values":1}]}]},
      {"name":"Recording","type":"wavein","controls":[{"type":"volume","name":"v","values":[1,1]}],"sources":[
        {"name":"R0","channels":1,"controls":[{"type":"volume","name":"v","values":[1]}]},
        {"name":"R1","controls":[{"type":"volume","name":"v","values":[1,1]}]}]}]})"});
    EXPECT_FALSE(widget(Form1, "lr4")->isVisibleTo(Form1)) << "mono line on strip 4";
    EXPECT_EQ(widget(Form1, "MaskEdit12")->x(), 26);
    EXPECT_FALSE(widget(Form1, "lr5")->isVisibleTo(Form1)) << "a uniform volume is not stereo";
    EXPECT_TRUE(widget(Form1, "lr3")->isVisibleTo(Form1));
    EXPECT_EQ(widget(Form1, "MaskEdit36")->x(), 23);
    EXPECT_EQ(widget<TPanel>(Form1, "lr3")->Caption(), "L+R");

    Strip &stereo = rec->strip(3);
    EXPECT_EQ(stereo.linked->Caption(), "L | R");
    EXPECT_EQ(stereo.linked->BevelInner(), TBevel::bvLowered);
    for (QWidget *w : std::initializer_list<QWidget *>{stereo.leftPanel, stereo.rightPanel, stereo.mainEdit,
                                                       stereo.rightEdit, stereo.plus, stereo.minus,
                                                       stereo.rightPlus, stereo.rightMinus})
        EXPECT_TRUE(w->isVisibleTo(rec)) << qPrintable(w->objectName());
    EXPECT_EQ(stereo.mainEdit->toolTip(), "You can edit the left volume here... ");
    EXPECT_EQ(stereo.mainEdit->x(), 17);
    EXPECT_EQ(stereo.leftPanel->x(), 0);

    Strip &mono = rec->strip(2);
    EXPECT_FALSE(mono.linked->isVisibleTo(rec));
    EXPECT_FALSE(mono.rightEdit->isVisibleTo(rec));
    EXPECT_EQ(mono.rightEdit->text(), mono.mainEdit->text());
    EXPECT_EQ(mono.mute->x(), 21);
    EXPECT_EQ(mono.mainEdit->x(), 26);
}

TEST_F(Discovery, LooksGivePicturesToStripsInUseOnly)
{
    start({layoutCard({})});
    EXPECT_EQ(Form1->strip(2).gsl->Picture(), "silverg");
    EXPECT_EQ(Form1->strip(2).leftCursor->Picture(), "curseur");
    EXPECT_EQ(Form1->strip(2).leftGhost->Picture(), "curseur2");
    EXPECT_EQ(Form1->strip(2).leftTrack->Picture(), "leveln");
    EXPECT_EQ(Form1->strip(7).gsl->Picture(), "");
    EXPECT_EQ(Form1->gsleq->Picture(), "silverg");
    EXPECT_EQ(Form1->Color(), clBlack);
    EXPECT_EQ(Form1->frameTop->Picture(), "fondverth");
    EXPECT_EQ(rec->frameLeft->Picture(), "bordrv");

    rec->WhitePlay1->trigger();
    EXPECT_TRUE(rec->WhitePlay1->isChecked());
    EXPECT_FALSE(rec->BlackPlay1->isChecked());
    EXPECT_EQ(Form1->Color(), clWhite);
    EXPECT_EQ(Form1->strip(2).dsl->Picture(), "whited");
    EXPECT_EQ(rec->Color(), clBlack) << "the recording look is its own";

    rec->Silverborders1->trigger();
    EXPECT_TRUE(rec->Silverborders1->isChecked());
    EXPECT_FALSE(rec->GreenSilver1->isChecked());
    EXPECT_EQ(Form1->frameTop->Picture(), "fondgris");
    EXPECT_EQ(rec->frameRight->Picture(), "fondgrisv");
    rec->cardClick(1);
    EXPECT_EQ(Form2->frameTop->Picture(), "fondverth") << "the over-peak frame returns at the next look refresh";
    EXPECT_EQ(Form1->frameTop->Picture(), "fondgris");
}

} // namespace
