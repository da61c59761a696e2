#include "ui/panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

TPanel::TPanel(QWidget *parent, const char *name) : QWidget(parent)
{
    if (name)
        setObjectName(QLatin1String(name));
}

void TPanel::setColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    update();
}

void TPanel::setCaption(const QString &caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    update();
}

void TPanel::setBevelInner(TBevel bevel)
{
    if (bevel == FBevelInner)
        return;
    FBevelInner = bevel;
    update();
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, toQColor(FColor));
    if (FBevelInner != TBevel::bvNone) {
        const QColor light = toQColor(FColor).lighter(150);
        const QColor dark = toQColor(FColor).darker(170);
        const QColor &topLeft = FBevelInner == TBevel::bvRaised ? light : dark;
        const QColor &bottomRight = FBevelInner == TBevel::bvRaised ? dark : light;
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (!FCaption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter, FCaption);
    }
}

void TPanel::mousePressEvent(QMouseEvent *e)
{
    if (OnMouseDown)
        OnMouseDown(e);
    else
        QWidget::mousePressEvent(e);
}

void TPanel::mouseReleaseEvent(QMouseEvent *e)
{
    if (OnMouseUp)
        OnMouseUp(e);
    else
        QWidget::mouseReleaseEvent(e);
}

void TPanel::wheelEvent(QWheelEvent *e)
{
    if (OnWheel)
        OnWheel(e);
    else
        QWidget::wheelEvent(e);
}
