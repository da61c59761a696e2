#include "shell/report.h"

#include "binding/strip.h"
#include "mixer/audiomixer.h"
#include "shell/globals.h"
#include "ui/form1.h"
#include "ui/rec.h"
#include "ui/widgets.h"

#include <QAction>
#include <QJsonArray>
#include <QMenu>

#include <utility>
#include <vector>

namespace {

QString bevelName(TBevel b)
{
    switch (b) {
    case TBevel::bvRaised: return QStringLiteral("raised");
    case TBevel::bvLowered: return QStringLiteral("lowered");
    default: return QStringLiteral("none");
    }
}

QJsonObject describe(QWidget *w, QWidget *window)
{
    QJsonObject o;
    o[QStringLiteral("visible")] = w->isVisibleTo(window);
    o[QStringLiteral("x")] = w->x();
    o[QStringLiteral("y")] = w->y();
    o[QStringLiteral("width")] = w->width();
    o[QStringLiteral("height")] = w->height();
    if (!w->isEnabled())
        o[QStringLiteral("enabled")] = false;
    if (!w->toolTip().isEmpty())
        o[QStringLiteral("hint")] = w->toolTip();
    if (auto *p = qobject_cast<TPanel *>(w)) {
        o[QStringLiteral("caption")] = p->Caption();
        o[QStringLiteral("color")] = p->Color();
        o[QStringLiteral("bevel")] = bevelName(p->BevelInner());
        o[QStringLiteral("tag")] = p->Tag;
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        o[QStringLiteral("text")] = l->text();
        o[QStringLiteral("color")] = static_cast<int>(l->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF);
    } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
        o[QStringLiteral("text")] = e->text();
    } else if (auto *i = qobject_cast<TImage *>(w)) {
        o[QStringLiteral("picture")] = i->Picture();
    } else if (auto *k = qobject_cast<TRotaryKnob *>(w)) {
        o[QStringLiteral("position")] = k->Position();
        o[QStringLiteral("tag")] = k->Tag;
    }
    return o;
}

std::vector<std::pair<const char *, QWidget *>> roles(const Strip &s)
{
    std::vector<std::pair<const char *, QWidget *>> r = {
        {"panel", s.cha},           {"leftBorder", s.gsl},       {"rightBorder", s.dsl},
        {"namePanel", s.namePanel}, {"nameImage", s.nameImage},  {"nameLabel", s.nameLabel},
        {"meterPanel", s.meterPanel}, {"peakLabel", s.peakLabel}, {"leftMeter", s.vul},
        {"rightMeter", s.vur},      {"mainEdit", s.mainEdit},    {"rightEdit", s.rightEdit},
        {"plus", s.plus},           {"minus", s.minus},          {"rightPlus", s.rightPlus},
        {"rightMinus", s.rightMinus}, {"cursorArea", s.cursorArea}, {"leftChannel", s.leftPanel},
        {"leftTrack", s.leftTrack}, {"leftTrack2", s.leftTrackC}, {"leftGhost", s.leftGhost},
        {"leftCursor", s.leftCursor}, {"rightChannel", s.rightPanel}, {"rightTrack", s.rightTrack},
        {"rightTrack2", s.rightTrackC}, {"rightGhost", s.rightGhost}, {"rightCursor", s.rightCursor},
        {"mute", s.mute},           {"solo", s.solo},            {"linked", s.linked},
        {"extra1", s.extra1},       {"extra2", s.extra2},        {"poisson", s.poisson},
    };
    std::erase_if(r, [](const auto &role) { return role.second == nullptr; });
    return r;
}

// What the card holds for a strip's line right now.
QJsonObject cardValues(TMixerWindow *window, const Strip &s)
{
    int32_t left = -1, right = -1, mute = -1;
    bool stereo = false, volDisabled = false, muteDisabled = false;
    QJsonObject o;
    o[QStringLiteral("exists")] = window->Mixer->ReadLineVolume(window->destination(), s.connection(), left, right,
                                                               mute, stereo, volDisabled, muteDisabled);
    o[QStringLiteral("left")] = left;
    o[QStringLiteral("right")] = right;
    o[QStringLiteral("mute")] = mute;
    o[QStringLiteral("stereo")] = stereo;
    return o;
}

QJsonArray describeStrips(TMixerWindow *window)
{
    QJsonArray list;
    for (const Strip &s : window->stripList()) {
        QJsonObject o;
        o[QStringLiteral("strip")] = s.number;
        o[QStringLiteral("inUse")] = s.cha->Tag;
        o[QStringLiteral("visible")] = s.cha->isVisibleTo(window);
        o[QStringLiteral("x")] = s.cha->x();
        o[QStringLiteral("name")] = s.nameLabel->text();
        if (s.inUse())
            o[QStringLiteral("card")] = cardValues(window, s);
        QJsonObject widgets;
        for (const auto &[role, w] : roles(s)) {
            QJsonObject d = describe(w, window);
            d[QStringLiteral("name")] = w->objectName();
            widgets[QLatin1String(role)] = d;
        }
        o[QStringLiteral("widgets")] = widgets;
        list.append(o);
    }
    return list;
}

QJsonObject describeWindow(TSkinWindow *window, QLabel *title)
{
    QJsonObject o;
    o[QStringLiteral("width")] = window->width();
    o[QStringLiteral("height")] = window->height();
    o[QStringLiteral("title")] = title->text();
    o[QStringLiteral("color")] = window->Color();
    o[QStringLiteral("frame")] = QJsonArray{window->frameTop->Picture(), window->frameBottom->Picture(),
                                            window->frameLeft->Picture(), window->frameRight->Picture()};
    return o;
}

} // namespace

QJsonObject makeReport()
{
    QJsonObject state;
    state[QStringLiteral("cardIndex")] = cardIndex;
    state[QStringLiteral("busyState")] = busyState;
    state[QStringLiteral("startingUp")] = startingUp;
    state[QStringLiteral("firstScan")] = firstScan;
    state[QStringLiteral("knownCardName")] = knownCardName;
    state[QStringLiteral("playDest")] = playDest;
    state[QStringLiteral("recDest")] = recDest;
    state[QStringLiteral("scanDest")] = scanDest;
    state[QStringLiteral("hasBass")] = hasBass;
    state[QStringLiteral("hasTreble")] = hasTreble;
    state[QStringLiteral("hasRecVolume")] = hasRecVolume;
    state[QStringLiteral("muxIndex")] = muxIndex;
    state[QStringLiteral("volStep")] = volStep;
    state[QStringLiteral("reverseLR")] = reverseLR;
    state[QStringLiteral("meterSel")] = meterSel;
    state[QStringLiteral("meterDest")] = meterDest;
    state[QStringLiteral("meterName")] = meterName;

    QJsonObject play = describeWindow(Form1, Form1->Label14);
    play[QStringLiteral("strips")] = describeStrips(Form1);
    QJsonObject tone = describe(Form1->chatune, Form1);
    for (QWidget *w : std::initializer_list<QWidget *>{Form1->RotaryKnob1, Form1->RotaryKnob2, Form1->MaskEdit3,
                                                       Form1->MaskEdit4, Form1->treplus, Form1->tremoins,
                                                       Form1->basplus, Form1->bassmoins, Form1->lrrl})
        tone[w->objectName()] = describe(w, Form1);
    play[QStringLiteral("tone")] = tone;

    QJsonObject recording = describeWindow(rec, rec->Label14);
    recording[QStringLiteral("strips")] = describeStrips(rec);

    QJsonArray menu;
    for (QAction *a : rec->card) {
        QJsonObject item;
        item[QStringLiteral("caption")] = a->text();
        item[QStringLiteral("visible")] = a->isVisible();
        item[QStringLiteral("checked")] = a->isChecked();
        menu.append(item);
    }

    QJsonObject report;
    report[QStringLiteral("state")] = state;
    report[QStringLiteral("playback")] = play;
    report[QStringLiteral("recording")] = recording;
    report[QStringLiteral("cards")] = menu;
    return report;
}
