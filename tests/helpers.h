// Shared pieces of the tests: virtual cards made from JSON text, and a
// running set of windows on them.
#pragma once

#include "mixer/drivers/virtualdriver.h"
#include "shell/messages.h"

#include <QCoreApplication>
#include <QString>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

inline VirtualCard cardFromJson(const std::string &json)
{
    return parseVirtualCard(QByteArray::fromStdString(json), QStringLiteral("test.json"));
}

// Installs a virtual driver with these cards and returns it.
inline VirtualMixerDriver *installCards(std::initializer_list<std::string> jsons)
{
    std::vector<VirtualCard> cards;
    for (const std::string &json : jsons)
        cards.push_back(cardFromJson(json));
    auto *driver = new VirtualMixerDriver(std::move(cards));
    MixerDriver::install(driver);
    return driver;
}

// A small card: one speakers destination with `sources` stereo sources, and
// a wave-in destination with a MUX over two sources.
inline std::string smallCard(const std::string &name, int sources = 2, int manufacturer = 2)
{
    std::string src;
    for (int i = 0; i < sources; ++i) {
        if (i)
            src += ",";
        src += R"({"name":"Source )" + std::to_string(i) + R"(","type":"line","channels":2,"controls":[
            {"type":"volume","name":"Vol","values":[30000,30000]},
            {"type":"mute","name":"Mute","uniform":true,"values":0}]})";
    }
    return R"({"name":")" + name + R"(","manufacturer":)" + std::to_string(manufacturer) + R"(,"product":7,
      "destinations":[
        {"name":"Speakers","type":"speakers","channels":2,"controls":[
           {"type":"volume","name":"Master","values":[40000,40000]},
           {"type":"mute","name":"Master Mute","uniform":true,"values":0}],
         "sources":[)" + src + R"(]},
        {"name":"Recording","type":"wavein","channels":2,"controls":[
           {"type":"mux","name":"Source","uniform":true,"items":2,"values":[1,0]}],
         "sources":[{"name":"Mic","type":"microphone","channels":1,"controls":[
                      {"type":"volume","name":"Mic Vol","values":[20000]}]},
                    {"name":"Line","type":"line","channels":2,"controls":[
                      {"type":"volume","name":"Line Vol","values":[20000,20000]}]}]}]})";
}

// Runs queued events, such as the driver's change notices.
inline void processEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

// Records the message boxes the program shows and answers them.
struct MessageRecorder
{
    std::vector<QString> texts;
    std::vector<TMsgDlgType> types;
    int answer = mrOk;

    MessageRecorder()
    {
        setMessageHook([this](const QString &text, TMsgDlgType type, TMsgDlgButtons) {
            texts.push_back(text);
            types.push_back(type);
            return answer;
        });
    }
    ~MessageRecorder() { setMessageHook(nullptr); }
};

inline QString sourceDir()
{
    return QStringLiteral(SONVANE_SOURCE_DIR);
}

// A card for the window tests: a speakers destination with `playSources`
// stereo sources (volume and mute), a wave-in destination with
// `recSources` stereo sources (volume only) and a selector of the kind
// given ("mux", "mixer" or "" for none).
struct CardLayout
{
    std::string name = "Test Card";
    int playSources = 3;
    int recSources = 3;
    std::string selector = "mux";
    bool recVolume = true;
    bool tone = true;
};

inline std::string sourceList(int n, const std::string &prefix, bool mute)
{
    std::string out;
    for (int i = 0; i < n; ++i) {
        if (i)
            out += ",";
        out += R"({"name":")" + prefix + std::to_string(i) + R"(","type":"line","channels":2,"controls":[
            {"type":"volume","name":"Vol","values":[30000,30000]})";
        if (mute)
            out += R"(,{"type":"mute","name":"Mute","uniform":true,"values":0})";
        out += "]}";
    }
    return out;
}

inline std::string layoutCard(const CardLayout &layout)
{
    std::string playControls = R"({"type":"volume","name":"Master","values":[40000,40000]},
        {"type":"mute","name":"Master Mute","uniform":true,"values":0})";
    if (layout.tone)
        playControls += R"(,{"type":"bass","name":"Bass","uniform":true,"values":40000},
            {"type":"treble","name":"Treble","uniform":true,"values":30000})";
    std::string recControls;
    if (!layout.selector.empty() && layout.recSources > 0) {
        std::string values;
        for (int i = 0; i < layout.recSources; ++i)
            values += std::string(i ? "," : "") + (i == 0 ? "1" : "0");
        recControls = R"({"type":")" + layout.selector + R"(","name":"Select","uniform":true,"items":)"
            + std::to_string(layout.recSources) + R"(,"values":[)" + values + "]}";
    }
    if (layout.recVolume)
        recControls += std::string(recControls.empty() ? "" : ",") + R"({"type":"volume","name":"Rec","values":[100,100]})";
    return R"({"name":")" + layout.name + R"(","destinations":[
        {"name":"Speakers","type":"speakers","channels":2,"controls":[)" + playControls + R"(],
         "sources":[)" + sourceList(layout.playSources, "Play ", true) + R"(]},
        {"name":"Recording","type":"wavein","channels":2,"controls":[)" + recControls + R"(],
         "sources":[)" + sourceList(layout.recSources, "Rec ", false) + R"(]}]})";
}

#include "shell/entry.h"
#include "shell/globals.h"

// The five windows running on virtual cards, as after a start.
class WindowsTest : public ::testing::Test
{
protected:
    void start(std::initializer_list<std::string> cards)
    {
        driver = installCards(cards);
        resetGlobals();
        createWindows();
    }
    void TearDown() override
    {
        destroyWindows();
        MixerDriver::install(nullptr);
        resetTerminate();
    }

    MessageRecorder messages;
    VirtualMixerDriver *driver = nullptr;
};
