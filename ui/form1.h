// The playback mixer window.  It also carries the program's routines:
// set-up, refresh, discovery, strip initialisation and the meter set-up.
#pragma once

#include "binding/strip.h"
#include "ui/skinwindow.h"

#include <QStringList>

#include <array>

class QTimer;
class TAudioMixer;

class TForm1 : public TSkinWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    TAudioMixer *Mixer = nullptr;  // follows cardIndex
    TAudioMixer *Mixer1 = nullptr; // device 1 (device 0 again with a single device)

    std::array<Strip, PlayStripCount> strips; // strip s at strips[s - 1]
    Strip &strip(int s) { return strips[static_cast<std::size_t>(s - 1)]; }

    QStringList ComboBox1; // device list (strip initialisation)
    QStringList ComboBox2; // playback line names
    QStringList ComboBox3; // recording line names: destination, then its sources

    QTimer *Timer1 = nullptr; // 3000 ms: tray icons on, splash off
    QTimer *Timer2 = nullptr; // 10 ms, one-shot: shows this window

    void FormCreate();

    // Set-up: rebuilds both mixer windows for the card cardIndex.
    void Button1Click();
    // Refresh: reopens the card and reads every strip in use of both windows.
    void Button5Click();
    // Controller discovery: finds the destinations and binds strips and knobs.
    void Button4Click();
    // Strip initialisation: names the strips and sets their layouts.
    void Button3Click();
    // Meter set-up: lists the lines that have a peak meter.
    void button2Click();
    // Loads the configuration file.
    void optionsClick();
    // getc1 ... getc12: reads strip s from the card.
    void getc(int s);
    // The two-window tray icon's click action.
    void trayiconf1bClick();

    void MixerControlChange(TAudioMixer *Sender, uint32_t MixerH, uint32_t ID);
    void Mixer1ControlChange(TAudioMixer *Sender, uint32_t MixerH, uint32_t ID);
    void ComboBox1Change();

    void Timer1Timer();
    void Timer2Timer();

    void FormActivate();
    void FormHide();
    void FormDeactivate();

protected:
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
};
