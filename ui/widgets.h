// Small widgets of the mixer windows: pictures, masked edits, flat step
// buttons, labels and the rotary knob.  Each keeps the state the program
// reads back (a picture's name, a Tag, a knob's position).
#pragma once

#include "ui/panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QWidget>

#include <functional>

// An image that shows one picture of the picture store by name, or none.
class TImage : public QWidget
{
    Q_OBJECT
public:
    explicit TImage(QWidget *parent, const char *name, QRect geometry = {});

    QString Picture() const { return FPicture; }
    void setPicture(const QString &name); // empty: no picture
    bool Stretch = false;

    std::function<void(QMouseEvent *)> OnMouseDown;
    std::function<void(QMouseEvent *)> OnMouseMove;
    std::function<void(QMouseEvent *)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QString FPicture;
};

// A two-digit value edit: at most two digits, nothing else accepted.
class TMaskEdit : public QLineEdit
{
    Q_OBJECT
public:
    TMaskEdit(QWidget *parent, const char *name, QRect geometry);

    // Sets the text; setting the text it already shows is no change.
    void setText2(const QString &t);

protected:
    // A click into the small edit selects its value, so typing replaces it.
    void focusInEvent(QFocusEvent *e) override;
};

// A small flat button with an arrow (step buttons).
class TSpeedButton : public QWidget
{
    Q_OBJECT
public:
    enum class Arrow { Up, Down };
    TSpeedButton(QWidget *parent, const char *name, QRect geometry, Arrow arrow);

    std::function<void()> OnClick;
    std::function<void()> OnMouseDown;
    std::function<void()> OnMouseUp;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    Arrow arrow;
    bool down = false;
};

// A label that reports presses (the strips' name labels).
class TLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void(QMouseEvent *)> OnMouseDown;
    std::function<void(QMouseEvent *)> OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

// A label with a name, font size in pixels and alignment.
TLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                  int pixelSize = 11, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                  const QString &family = QStringLiteral("Arial"));

// A rotary knob: drag up or right, or turn the wheel, to raise it.  It
// reports every change of its position within its range.
class TRotaryKnob : public QWidget
{
    Q_OBJECT
public:
    TRotaryKnob(QWidget *parent, const char *name, QRect geometry, int min, int max);

    int Tag = 0;
    int Position() const { return FPosition; }
    void setPosition(int position); // kept within the range; runs OnChange on a change
    int Min() const { return FMin; }
    int Max() const { return FMax; }

    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    int FMin, FMax;
    int FPosition;
    QPoint dragStart;
    int dragStartPosition = 0;
    bool dragging = false;
};

// The tray menu: a vertical banner down its left side, green to lime, with
// the author's name.
class TBannerMenu : public QMenu
{
    Q_OBJECT
public:
    explicit TBannerMenu(QWidget *parent = nullptr);
    static constexpr int BannerWidth = 20;

protected:
    void paintEvent(QPaintEvent *e) override;
};

// The application's style with hints drawn as rounded balloons with a black
// border on the tool tip colour.
class TBalloonHintStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

// A check box on a coloured background (the visible-channels dialog).
class TCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    TCheckBox(QWidget *parent, const char *name, const QString &caption, QRect geometry, TColor background);
};
