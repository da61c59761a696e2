#include "ui/form3.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

TForm3::TForm3(QWidget *parent) : TSkinWindow("Form3", parent)
{
    setWindowTitle(QStringLiteral("Sonvane"));
    setAttribute(Qt::WA_TranslucentBackground);
    resize(241, 127);
}

// The splash is a rounded plate (its corners are left transparent by the
// painting) in the middle of the screen.
void TForm3::FormCreate()
{
    centre();
}

void TForm3::centre()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TForm3::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath path;
    path.addRoundedRect(plate, 14, 14);
    QLinearGradient face(plate.topLeft(), plate.bottomLeft());
    face.setColorAt(0, QColor(0x2a, 0x2a, 0x2a));
    face.setColorAt(1, QColor(0x05, 0x05, 0x05));
    p.fillPath(path, face);
    QLinearGradient rim(plate.topLeft(), plate.bottomRight());
    rim.setColorAt(0, QColor(0x00, 0x80, 0x00));
    rim.setColorAt(1, QColor(0x00, 0xff, 0x00));
    p.setPen(QPen(QBrush(rim), 2));
    p.drawPath(path);

    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    QLinearGradient silver(0, 30, 0, 70);
    silver.setColorAt(0, QColor(0xf4, 0xf4, 0xf4));
    silver.setColorAt(1, QColor(0x9a, 0x9a, 0x9a));
    p.setPen(QPen(QBrush(silver), 1));
    p.drawText(QRectF(0, 22, width(), 44), Qt::AlignCenter, QStringLiteral("Sonvane"));

    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.setPen(QColor(0x00, 0xe0, 0x00));
    p.drawText(QRectF(0, 70, width(), 18), Qt::AlignCenter, QStringLiteral("by Tarkel Brindlework"));
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.drawText(QRectF(0, 94, width(), 18), Qt::AlignCenter, QStringLiteral("loading the mixer..."));
}

// A hidden splash goes back to its size, centred, for the next showing.
void TForm3::hideEvent(QHideEvent *e)
{
    TSkinWindow::hideEvent(e);
    resize(241, 127);
    centre();
}
