// The over-peak window: the metered line's levels on two large needle
// meters and two LED columns with a hold LED, the over-peaks flagged,
// counted and listed with date and time.
#pragma once

#include "ui/skinwindow.h"

#include <QStringList>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class TImage;
class TLabel;
class TPanel;

class TForm2 : public TSkinWindow
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    enum Channel { Left, Right };

    QLabel *Label14 = nullptr; // line name and clock
    TPanel *display = nullptr; // light yellow display panel
    TImage *vul = nullptr;     // large meters
    TImage *vur = nullptr;
    TImage *peaklr = nullptr; // over-peak indicators
    TImage *peaklr2 = nullptr;
    std::array<TImage *, 10> ledLeft{};  // led1 .. led10, bottom to top
    std::array<TImage *, 10> ledRight{}; // led11, led21 .. led101
    QLabel *Label1 = nullptr;  // "No peak detected..."
    QLabel *Label2 = nullptr;  // "Use the SOLO mode for that chanel"
    QLabel *Label6 = nullptr;  // "LEFT"
    QLabel *Label11 = nullptr; // left level
    QLabel *Label19 = nullptr; // "RIGHT"
    QLabel *Label15 = nullptr; // right level
    TImage *overPeakBar = nullptr;
    QLabel *Label16 = nullptr; // "Over-Peak"
    QLabel *Label17 = nullptr; // count
    QPushButton *Button6 = nullptr;      // "RESET"
    QPushButton *SpeedButton1 = nullptr; // the last event
    QComboBox *ComboBox4 = nullptr;      // the event list

    QTimer *Timer1 = nullptr; // 2000 ms: left indicator off
    QTimer *Timer4 = nullptr; // 2000 ms: right indicator off
    QTimer *Timer2 = nullptr; // 5000 ms: left hold expires
    QTimer *Timer3 = nullptr; // 5000 ms: right hold expires
    QTimer *Timer6 = nullptr; // 1000 ms: the clock in the title

    // One level n >= 1 of a channel: hold, LEDs, meter, number, indicator
    // and, in the over-peak range, the count and the event list.  The LEDs,
    // the meter and the number are drawn by the next showLevels().
    void LevelStep(Channel c, int n);
    // Draws the levels of the latest passes: the polling shows them at most
    // once a frame, so a moving signal does not repaint a hundred times a
    // second.
    void showLevels();
    // Before a level is shown: the messages go, the meters of the channels
    // without a level drop to 0 (those with one are set by LevelStep).
    void resetMeters(bool left = true, bool right = true);
    // A strip's meter was pressed: the messages come up and the window shows.
    void meterPressed(bool soloHint);

    void Button6Click();      // "RESET"
    void SpeedButton1Click(); // shows the event list
    void ComboBox4DblClick(); // resets and hides the list
    void Panel2Click();       // corner panels: hide
    void TrayIconF1Click();   // shows or hides the window
    void TrayIconF1DblClick();
    // Timer1 / Timer4: a channel's over-peak indicator goes off.
    void indicatorOff(Channel c);
    // Timer2 / Timer3: a channel's hold expires and its LEDs go dark.
    void holdExpired(Channel c);
    void Timer6Timer(); // the clock

    // The date and time texts of the event list and the title.
    static QString eventText(const QString &prefix, int n);
    static QString clockText();

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    struct Shown
    {
        int leds = 0;   // level of the LED column (until the hold expires)
        int meter = 0;  // level of the needle (0 after a pass without one)
        int number = 0; // level number shown
    };
    Shown shown[2];
};
