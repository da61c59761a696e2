// The visible-channels dialog: a check box per strip of both windows and one
// for the tone panel.  Its creation starts the program: the first set-up
// and refresh run from there.
#pragma once

#include "ui/skinwindow.h"

#include <array>

class QLabel;
class QPushButton;
class TCheckBox;

class TForm4 : public TSkinWindow
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    TCheckBox *tuch = nullptr;                 // the tone panel
    std::array<TCheckBox *, 22> BWCCCheckBox{}; // BWCCCheckBox1 ... 22 at [0] ... [21]
    TCheckBox *box(int n) { return BWCCCheckBox[static_cast<std::size_t>(n - 1)]; }
    // The check boxes of playback strip s (1..12) and recording strip s (1..10).
    TCheckBox *playBox(int s) { return box(s == 12 ? 22 : s); }
    TCheckBox *recBox(int s) { return box(s + 11); }

    QLabel *Label2 = nullptr;  // playback destination name
    QLabel *Label3 = nullptr;  // recording destination name
    QLabel *Label14 = nullptr; // the card's product name
    QPushButton *SpeedButton1 = nullptr; // "O.K."

    void FormCreate();
    void SpeedButton1Click(); // "O.K.": rebuilds both mixers with the choices
    void Panel2Click();       // "X": closes without applying

protected:
    void hideEvent(QHideEvent *e) override;
};
