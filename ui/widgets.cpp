#include "ui/widgets.h"

#include "ui/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QStyleOption>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

// ------------------------------------------------------------------ TImage

TImage::TImage(QWidget *parent, const char *name, QRect geometry) : QWidget(parent)
{
    if (name)
        setObjectName(QLatin1String(name));
    if (!geometry.isNull())
        setGeometry(geometry);
}

void TImage::setPicture(const QString &name)
{
    if (name == FPicture)
        return;
    FPicture = name;
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (FPicture.isEmpty())
        return;
    QPainter p(this);
    const QPixmap pix = Pictures::get(FPicture, devicePixelRatioF());
    if (Stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), pix);
    } else {
        p.drawPixmap(0, 0, pix);
    }
}

void TImage::mousePressEvent(QMouseEvent *e)
{
    if (OnMouseDown)
        OnMouseDown(e);
    else
        e->ignore();
}

void TImage::mouseMoveEvent(QMouseEvent *e)
{
    if (OnMouseMove)
        OnMouseMove(e);
    else
        e->ignore();
}

void TImage::mouseReleaseEvent(QMouseEvent *e)
{
    if (OnMouseUp)
        OnMouseUp(e);
    else
        e->ignore();
}

// --------------------------------------------------------------- TMaskEdit

TMaskEdit::TMaskEdit(QWidget *parent, const char *name, QRect geometry) : QLineEdit(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setMaxLength(2);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]{0,2}")), this));
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Focus comes with a click, not with the window's activation.
    setFocusPolicy(Qt::ClickFocus);
}

void TMaskEdit::setText2(const QString &t)
{
    if (t != text())
        setText(t);
}

void TMaskEdit::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

// ------------------------------------------------------------ TSpeedButton

TSpeedButton::TSpeedButton(QWidget *parent, const char *name, QRect geometry, Arrow arrow)
    : QWidget(parent), arrow(arrow)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
}

void TSpeedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, down ? QColor(0x90, 0x90, 0x90) : QColor(0xf2, 0xf2, 0xf2));
    g.setColorAt(1, down ? QColor(0xb8, 0xb8, 0xb8) : QColor(0xa8, 0xa8, 0xa8));
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.5, 1.5);
    const QColor ink = isEnabled() ? QColor(0x10, 0x10, 0x10) : QColor(0x80, 0x80, 0x80);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal cx = width() / 2.0, cy = height() / 2.0;
    QPolygonF tri;
    if (arrow == Arrow::Up)
        tri << QPointF(cx - 2.5, cy + 1.5) << QPointF(cx + 2.5, cy + 1.5) << QPointF(cx, cy - 1.5);
    else
        tri << QPointF(cx - 2.5, cy - 1.5) << QPointF(cx + 2.5, cy - 1.5) << QPointF(cx, cy + 1.5);
    p.drawPolygon(tri);
}

void TSpeedButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    down = true;
    update();
    if (OnMouseDown)
        OnMouseDown();
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !down)
        return;
    down = false;
    update();
    if (OnMouseUp)
        OnMouseUp();
    if (rect().contains(e->position().toPoint()) && OnClick)
        OnClick();
}

void TSpeedButton::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        update();
}

// ------------------------------------------------------------------ labels

void TLabel::mousePressEvent(QMouseEvent *e)
{
    if (OnMouseDown)
        OnMouseDown(e);
    else
        QLabel::mousePressEvent(e);
}

void TLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (OnMouseUp)
        OnMouseUp(e);
    else
        QLabel::mouseReleaseEvent(e);
}

TLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry, int pixelSize,
                  Qt::Alignment alignment, const QString &family)
{
    auto *label = new TLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    QFont f(family);
    f.setPixelSize(pixelSize);
    label->setFont(f);
    // Labels let the mouse through to the window, so they can drag it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// ------------------------------------------------------------- TRotaryKnob

TRotaryKnob::TRotaryKnob(QWidget *parent, const char *name, QRect geometry, int min, int max)
    : QWidget(parent), FMin(min), FMax(max), FPosition(std::clamp(32767, min, max))
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
}

void TRotaryKnob::setPosition(int position)
{
    position = std::clamp(position, FMin, FMax);
    if (position == FPosition)
        return;
    FPosition = position;
    update();
    if (OnChange)
        OnChange();
}

void TRotaryKnob::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) - 2.0;
    const QRectF face((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    const QPointF c = face.center();
    // Scale dots from 7 o'clock to 5 o'clock.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    for (int i = 0; i <= 10; ++i) {
        const qreal a = (225.0 - i * 27.0) * M_PI / 180.0;
        p.drawEllipse(c + QPointF(std::cos(a), -std::sin(a)) * (side / 2.0), 0.7, 0.7);
    }
    const QRectF cap = face.adjusted(3, 3, -3, -3);
    QRadialGradient g(cap.center() - QPointF(cap.width() / 5, cap.height() / 5), cap.width());
    g.setColorAt(0, isEnabled() ? QColor(0xfa, 0xfa, 0xfa) : QColor(0xd8, 0xd8, 0xd8));
    g.setColorAt(0.6, QColor(0xa0, 0xa0, 0xa0));
    g.setColorAt(1, QColor(0x50, 0x50, 0x50));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.drawEllipse(cap);
    const qreal span = FMax > FMin ? double(FPosition - FMin) / (FMax - FMin) : 0.0;
    const qreal a = (225.0 - span * 270.0) * M_PI / 180.0;
    const QPointF dir(std::cos(a), -std::sin(a));
    p.setPen(QPen(isEnabled() ? QColor(0xd0, 0x10, 0x10) : QColor(0x70, 0x70, 0x70), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + dir * (cap.width() * 0.12), c + dir * (cap.width() * 0.42));
}

void TRotaryKnob::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    dragging = true;
    dragStart = e->position().toPoint();
    dragStartPosition = FPosition;
}

void TRotaryKnob::mouseMoveEvent(QMouseEvent *e)
{
    if (!dragging)
        return;
    // 120 pixels of travel turn the knob from one end to the other.
    const QPoint d = e->position().toPoint() - dragStart;
    const int travel = d.x() - d.y();
    setPosition(dragStartPosition + static_cast<int>(std::lround(travel * (FMax - FMin) / 120.0)));
}

void TRotaryKnob::mouseReleaseEvent(QMouseEvent *)
{
    dragging = false;
}

void TRotaryKnob::wheelEvent(QWheelEvent *e)
{
    const int notches = e->angleDelta().y() / 120;
    if (notches)
        setPosition(FPosition + notches * 655);
    e->accept();
}

void TRotaryKnob::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        update();
}

// --------------------------------------------------------------- TCheckBox

TCheckBox::TCheckBox(QWidget *parent, const char *name, const QString &caption, QRect geometry, TColor background)
    : QCheckBox(caption, parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setChecked(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(background));
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
}

// --------------------------------------------------------------- TBannerMenu

TBannerMenu::TBannerMenu(QWidget *parent) : QMenu(parent)
{
    setContentsMargins(BannerWidth, 0, 0, 0);
}

void TBannerMenu::paintEvent(QPaintEvent *e)
{
    QMenu::paintEvent(e);
    QPainter p(this);
    const QRect banner(0, 0, BannerWidth, height());
    QLinearGradient g(banner.bottomLeft(), banner.topLeft());
    g.setColorAt(0, QColor(0x00, 0x80, 0x00));
    g.setColorAt(1, QColor(0x00, 0xff, 0x00));
    p.fillRect(banner, g);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.translate(0, height());
    p.rotate(-90);
    p.drawText(QRect(0, 0, height(), BannerWidth), Qt::AlignCenter, QStringLiteral("Tarkel Brindlework"));
}

// --------------------------------------------------------- TBalloonHintStyle

void TBalloonHintStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                      const QWidget *widget) const
{
    if (element != PE_PanelTipLabel)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(option->palette.toolTipBase());
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter->restore();
}

int TBalloonHintStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                 QStyleHintReturn *returnData) const
{
    // The balloon's corners show what lies behind it.
    if (hint == SH_ToolTip_Mask)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
