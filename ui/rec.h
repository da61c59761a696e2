// The recording mixer window.  Its popup menu is the tray menu: card
// choice, looks, docking, visible channels, save and quit.
#pragma once

#include "binding/strip.h"
#include "ui/mixerwindow.h"

#include <array>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class TAudioMixer;
class TPanel;

class Trec : public TMixerWindow
{
    Q_OBJECT
public:
    explicit Trec(QWidget *parent = nullptr);

    std::array<Strip, RecStripCount> strips;
    Strip &strip(int s) { return strips[static_cast<std::size_t>(s - 1)]; }


    QMenu *PopupMenu = nullptr;
    std::array<QAction *, 5> card{}; // card1 ... card5
    QMenu *Option = nullptr;         // "Looks"
    QAction *GreenSilver1 = nullptr; // "Colored borders"
    QAction *Silverborders1 = nullptr;
    QAction *BlackPlay1 = nullptr;
    QAction *BlackRec1 = nullptr;
    QAction *WhitePlay1 = nullptr;
    QAction *WhiteRec1 = nullptr;
    QAction *magnet = nullptr; // "Magnet between the mixers"
    QAction *chanel = nullptr; // "Visible channels"
    QAction *Quit1 = nullptr;
    QAction *save = nullptr;
    QAction *OK = nullptr;

    QTimer *Timer1 = nullptr; // docking, 300 ms

    void FormCreate();
    // card1Click ... card5Click: selects card N (1..5).
    void cardClick(int N);
    void Timer1Timer();
    // Docks one mixer to the other: under the playback window when it is the
    // active one, else the playback window on top of this one.
    void dock(bool playbackActive);
    void startDocking(); // when the magnet is on and both mixers show

    void TrayIconF1Click();
    void TrayIconF1DblClick();
    void Panel108Click() override; // "X": hides this window
    void chanelClick();   // opens the visible-channels dialog
    void saveClick();     // "Save your configuration"
    void Quit1Click();    // "Terminate Sonvane and Quit"

    // Looks.
    void GreenSilver1Click();
    void Silverborders1Click();
    void BlackPlay1Click(); // "Black Play" and "White Play" flip the pair
    void BlackRec1Click();  // "Black Rec" and "White Rec" flip the pair


protected:
};
