// Base of Sonvane's windows: borderless, always on top, no taskbar entry,
// a colour, and a frame of four stretched images.
#pragma once

#include "ui/panel.h"

#include <QWidget>

class TImage;

class TSkinWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TSkinWindow(const char *name, QWidget *parent = nullptr);

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

protected:
    // Makes the four frame images, `top` high at the top and so on.
    void buildFrame(int top, int bottom, int side);
    void resizeEvent(QResizeEvent *e) override;

private:
    void layoutFrame();
    TColor FColor = clBlack;
    int frameTopHeight = 0, frameBottomHeight = 0, frameSideWidth = 0;
};
