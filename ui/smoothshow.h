// The show and hide animation of a window: a rectangle of the window's
// colour grows from the centre of the screen to the window (shown) or
// shrinks back to the centre (hidden), in steps of 50 ms.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

class QTimer;

class TSmoothShow : public QWidget
{
    Q_OBJECT
public:
    TSmoothShow(QWidget *window, QColor colour, const char *name);

    bool Enabled = false; // armed
    bool Forward = true;  // grow towards the window
    static constexpr int Steps = 5;

    // Sets the direction and enables the animation.
    void arm(bool forward);
    // Runs an armed animation; it disarms itself when it finishes.
    void run();
    int step() const { return FStep; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void tick();
    QWidget *window;
    QColor colour;
    QTimer *timer;
    QRect target;
    int FStep = 0;
};
