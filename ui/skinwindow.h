// Base of Sonvane's windows: borderless, always on top, no taskbar entry,
// a colour, and a frame of four stretched images.
#pragma once

#include "ui/panel.h"

#include <QWidget>

#include <functional>

class TImage;
class TSmoothShow;
class TTrayIcon;

class TSkinWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TSkinWindow(const char *name, QWidget *parent = nullptr);
    ~TSkinWindow() override;

    TColor Color() const { return FColor; }
    void setColor(TColor color);

    // The frame images: top, bottom, left, right.
    TImage *frameTop = nullptr;
    TImage *frameBottom = nullptr;
    TImage *frameLeft = nullptr;
    TImage *frameRight = nullptr;
    // Gives the frame its pictures: `across` for top and bottom, `down` for
    // the sides.
    void setFrame(const QString &across, const QString &down);

    // The window's show and hide animation.
    TSmoothShow *SmoothShow1 = nullptr;
    // The window's tray icon (TrayIconF1), where it has one.
    TTrayIcon *TrayIconF1 = nullptr;

    // Centred on the screen at its first showing while this holds; a saved
    // position clears it.
    bool centred = true;

    bool topMost() const;
    // Keeps the window above the others, or lets others come in front.
    void setTopMost(bool on);

protected:
    // The window is dragged by any point of its own surface: the panels,
    // buttons and edits on it keep their own mouse handling.
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void makeAnimation(QColor colour);
    // Four "X" panels in the corners; a click on one runs `onClick`.
    void addCornerPanels(const QString &hint, std::function<void()> onClick);
    // Makes the four frame images, `top` high at the top and so on.
    void buildFrame(int top, int bottom, int side);
    void resizeEvent(QResizeEvent *e) override;

private:
    void layoutFrame();
    TColor FColor = clBlack;
    bool shownOnce = false;
    bool dragging = false;
    QPoint dragOffset;
    int frameTopHeight = 0, frameBottomHeight = 0, frameSideWidth = 0;
};
