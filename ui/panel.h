// A flat panel with a colour, a caption, an inner bevel and an integer Tag.
//
// Strip state lives in these panels (in-use flags and control positions in
// Tag, on/off states in the colour and the bevel), so the colour is kept as
// a 0x00BBGGRR colour value: red is 255, lime 0x00FF00, silver 0xC0C0C0.
#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

using TColor = int;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWhite = 0xFFFFFF;

// The screen colour of a 0x00BBGGRR value.
inline QColor toQColor(TColor c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

enum class TBevel { bvNone, bvLowered, bvRaised };

class TPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Tag MEMBER Tag)
public:
    explicit TPanel(QWidget *parent = nullptr, const char *name = nullptr);

    int Tag = 0;

    TColor Color() const { return FColor; }
    void setColor(TColor color);
    QString Caption() const { return FCaption; }
    void setCaption(const QString &caption);
    TBevel BevelInner() const { return FBevelInner; }
    void setBevelInner(TBevel bevel);

    // Mouse handlers the windows attach (press and release on the panel).
    std::function<void(QMouseEvent *)> OnMouseDown;
    std::function<void(QMouseEvent *)> OnMouseUp;
    std::function<void(QWheelEvent *)> OnWheel;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    TColor FColor = clSilver;
    QString FCaption;
    TBevel FBevelInner = TBevel::bvNone;
};
