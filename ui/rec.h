// The recording mixer window.  Its popup menu is the tray menu, which starts
// with the five card items.
#pragma once

#include "binding/strip.h"
#include "ui/skinwindow.h"

#include <array>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class TAudioMixer;

class Trec : public TSkinWindow
{
    Q_OBJECT
public:
    explicit Trec(QWidget *parent = nullptr);

    TAudioMixer *Mixer = nullptr; // follows cardIndex, no notices

    std::array<Strip, RecStripCount> strips;
    Strip &strip(int s) { return strips[static_cast<std::size_t>(s - 1)]; }

    QLabel *Label14 = nullptr; // title
    QMenu *PopupMenu = nullptr;
    std::array<QAction *, 5> card{}; // card1 ... card5
    QAction *magnet = nullptr;       // "Magnet between the mixers"
    QTimer *Timer1 = nullptr;        // docking, 300 ms

    void FormCreate();
    // card1Click ... card5Click: selects card N (1..5).
    void cardClick(int N);
    // getc1 ... getc10: reads recording strip s from the card.
    void getc(int s);
    void Timer1Timer();

    void FormActivate();
    void FormHide();
    void FormDeactivate();

protected:
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
};
