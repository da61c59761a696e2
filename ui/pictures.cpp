#include "ui/pictures.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace {

using Draw = std::function<void(QPainter &, QSizeF)>;

struct Entry
{
    QSize size;
    Draw draw;
};

// A band of metal across `along` (vertical bands are lit from the left).
void metalBand(QPainter &p, QSizeF s, bool vertical, QColor dark, QColor mid, QColor light)
{
    QLinearGradient g(0, 0, vertical ? s.width() : 0, vertical ? 0 : s.height());
    g.setColorAt(0.0, dark);
    g.setColorAt(0.25, light);
    g.setColorAt(0.55, mid);
    g.setColorAt(1.0, dark.darker(130));
    p.fillRect(QRectF(QPointF(0, 0), s), g);
}

void frame(QPainter &p, QSizeF s, bool vertical, QColor base)
{
    metalBand(p, s, vertical, base.darker(220), base, base.lighter(150));
    // Fine brushed lines along the band.
    p.setPen(QPen(QColor(255, 255, 255, 28), 0.5));
    for (qreal x = 1.5; x < (vertical ? s.width() : s.height()); x += 3.0) {
        if (vertical)
            p.drawLine(QPointF(x, 0), QPointF(x, s.height()));
        else
            p.drawLine(QPointF(0, x), QPointF(s.width(), x));
    }
}

void sideBar(QPainter &p, QSizeF s, bool left, bool white)
{
    const QColor edge = white ? QColor(0xd8, 0xd8, 0xd8) : QColor(0x6e, 0x6e, 0x6e);
    const QColor face = white ? QColor(0xff, 0xff, 0xff) : QColor(0xc8, 0xc8, 0xc8);
    const QColor shine = white ? QColor(0xff, 0xff, 0xff) : QColor(0xf0, 0xf0, 0xf0);
    QLinearGradient g(0, 0, s.width(), 0);
    g.setColorAt(left ? 0.0 : 1.0, edge);
    g.setColorAt(left ? 0.35 : 0.65, shine);
    g.setColorAt(left ? 1.0 : 0.0, face);
    p.fillRect(QRectF(QPointF(0, 0), s), g);
    // A groove near the outer edge.
    const qreal x = left ? 3.5 : s.width() - 3.5;
    p.setPen(QPen(white ? QColor(0xb0, 0xb0, 0xb0) : QColor(0x55, 0x55, 0x55), 1));
    p.drawLine(QPointF(x, 0), QPointF(x, s.height()));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(x + 1, 0), QPointF(x + 1, s.height()));
}

void trackScale(QPainter &p, QSizeF s)
{
    // Scale marks on both sides of the slot, longer every fifth.
    for (int i = 0; i <= 20; ++i) {
        const qreal y = 3.0 + i * (s.height() - 6.0) / 20.0;
        const qreal len = i % 5 == 0 ? 4.0 : 2.0;
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), i % 5 == 0 ? 1.0 : 0.6));
        p.drawLine(QPointF(0.5, y), QPointF(0.5 + len, y));
        p.drawLine(QPointF(s.width() - 0.5 - len, y), QPointF(s.width() - 0.5, y));
    }
}

void trackSlot(QPainter &p, QSizeF s)
{
    const QRectF slot(s.width() / 2.0 - 1.5, 1.0, 3.0, s.height() - 2.0);
    QLinearGradient g(slot.left(), 0, slot.right(), 0);
    g.setColorAt(0, QColor(0x10, 0x10, 0x10));
    g.setColorAt(1, QColor(0x48, 0x48, 0x48));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(slot, 1.5, 1.5);
}

void cursorCap(QPainter &p, QSizeF s, bool ghost)
{
    const QRectF r(0.5, 0.5, s.width() - 1.0, s.height() - 1.0);
    if (ghost) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40, 150), 1, Qt::DashLine));
        p.setBrush(QColor(0xff, 0xff, 0xff, 60));
        p.drawRoundedRect(r, 2, 2);
        return;
    }
    QLinearGradient g(0, 0, 0, s.height());
    g.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    g.setColorAt(0.45, QColor(0xb4, 0xb4, 0xb4));
    g.setColorAt(0.55, QColor(0x8c, 0x8c, 0x8c));
    g.setColorAt(1.0, QColor(0xd0, 0xd0, 0xd0));
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(QColor(0x00, 0x00, 0x00), 1.2));
    p.drawLine(QPointF(2, s.height() / 2.0), QPointF(s.width() - 2, s.height() / 2.0));
}

// An analogue meter face with its needle at level 0..10.
void meterFace(QPainter &p, QSizeF s, int level, bool big)
{
    const QRectF r(0, 0, s.width(), s.height());
    QLinearGradient dial(0, 0, 0, s.height());
    dial.setColorAt(0, QColor(0xff, 0xfb, 0xd8));
    dial.setColorAt(1, QColor(0xe8, 0xdc, 0xa0));
    p.fillRect(r, dial);
    p.setPen(QPen(QColor(0x40, 0x30, 0x10), big ? 1.5 : 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.3, 0.3, -0.3, -0.3));

    const QPointF pivot(s.width() / 2.0, s.height() * (big ? 1.05 : 1.15));
    const qreal radius = s.height() * (big ? 0.78 : 0.85);
    const qreal from = 140.0, to = 40.0; // degrees, left to right
    auto at = [&](qreal t, qreal rr) {
        const qreal a = (from + (to - from) * t) * M_PI / 180.0;
        return pivot + QPointF(std::cos(a), -std::sin(a)) * rr;
    };
    // The arc: green, then yellow, then red.
    const qreal arcWidth = big ? 5.0 : 1.6;
    struct Seg { qreal a, b; QColor c; };
    const Seg segs[] = {{0.0, 0.6, QColor(0x10, 0xa0, 0x10)}, {0.6, 0.8, QColor(0xe0, 0xc0, 0x00)},
                        {0.8, 1.0, QColor(0xd0, 0x10, 0x10)}};
    for (const Seg &sg : segs) {
        QPainterPath path;
        const int steps = 20;
        for (int i = 0; i <= steps; ++i) {
            const QPointF pt = at(sg.a + (sg.b - sg.a) * i / steps, radius);
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(sg.c, arcWidth, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(path);
    }
    if (big) {
        // Scale marks and their dB values.
        const char *marks[] = {"-\u221e", "-13", "-7", "-4", "-1", "0"};
        const qreal pos[] = {0.0, 0.3, 0.5, 0.65, 0.82, 1.0};
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(11);
        p.setFont(f);
        for (int i = 0; i < 6; ++i) {
            p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.2));
            p.drawLine(at(pos[i], radius + 3), at(pos[i], radius + 9));
            const QPointF t = at(pos[i], radius + 18);
            p.drawText(QRectF(t.x() - 14, t.y() - 7, 28, 14), Qt::AlignCenter, QString::fromUtf8(marks[i]));
        }
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0x30, 0x20, 0x10));
        p.drawText(QRectF(0, s.height() * 0.52, s.width(), 18), Qt::AlignCenter, QStringLiteral("dB"));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x80, 0x00, 0x00));
        p.drawEllipse(QPointF(s.width() - 12, s.height() - 12), 4, 4);
    }
    const qreal t = std::clamp(level, 0, 10) / 10.0;
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), big ? 2.0 : 0.8, Qt::SolidLine, Qt::RoundCap));
    const QPointF tip = at(t, radius * 1.02);
    const QPointF base = pivot + (tip - pivot) * 0.35;
    p.drawLine(base, tip);
}

void led(QPainter &p, QSizeF s, QColor c)
{
    const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
    QLinearGradient g(0, 0, 0, s.height());
    g.setColorAt(0, c.lighter(160));
    g.setColorAt(0.5, c);
    g.setColorAt(1, c.darker(160));
    p.setPen(QPen(c.darker(250), 0.6));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.5, 1.5);
}

// Tray pictures: two small windows, a speaker, a microphone or a meter.
void trayBase(QPainter &p, QSizeF s, QColor tint)
{
    QRadialGradient g(QPointF(s.width() * 0.35, s.height() * 0.3), s.width() * 0.8);
    g.setColorAt(0, tint.lighter(170));
    g.setColorAt(1, tint.darker(160));
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, s.width() - 2, s.height() - 2), 6, 6);
}

void speaker(QPainter &p, QRectF r, bool sounding)
{
    QPainterPath body;
    body.moveTo(r.left(), r.center().y() - r.height() * 0.18);
    body.lineTo(r.left() + r.width() * 0.25, r.center().y() - r.height() * 0.18);
    body.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.1);
    body.lineTo(r.left() + r.width() * 0.5, r.bottom() - r.height() * 0.1);
    body.lineTo(r.left() + r.width() * 0.25, r.center().y() + r.height() * 0.18);
    body.lineTo(r.left(), r.center().y() + r.height() * 0.18);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    if (sounding) {
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), r.width() * 0.07, Qt::SolidLine, Qt::RoundCap));
        for (int i = 1; i <= 2; ++i) {
            const qreal rr = r.width() * 0.17 * i;
            p.drawArc(QRectF(r.left() + r.width() * 0.5 - rr, r.center().y() - rr, 2 * rr, 2 * rr), -45 * 16, 90 * 16);
        }
    } else {
        p.setPen(QPen(QColor(0xd0, 0x00, 0x00), r.width() * 0.09, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.left() + r.width() * 0.62, r.top() + r.height() * 0.3),
                   QPointF(r.right() - r.width() * 0.05, r.bottom() - r.height() * 0.3));
        p.drawLine(QPointF(r.right() - r.width() * 0.05, r.top() + r.height() * 0.3),
                   QPointF(r.left() + r.width() * 0.62, r.bottom() - r.height() * 0.3));
    }
}

void microphone(QPainter &p, QRectF r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    const QRectF head(r.center().x() - r.width() * 0.15, r.top(), r.width() * 0.3, r.height() * 0.55);
    p.drawRoundedRect(head, head.width() / 2, head.width() / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), r.width() * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(r.center().x() - r.width() * 0.27, r.top() + r.height() * 0.2, r.width() * 0.54, r.height() * 0.55),
              180 * 16, 180 * 16);
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.75), QPointF(r.center().x(), r.bottom()));
}

// A mark in the lower right corner: shown (a filled dot) or hidden (a ring).
void shownMark(QPainter &p, QSizeF s, bool shown)
{
    const QRectF dot(s.width() - 11, s.height() - 11, 8, 8);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    p.setBrush(shown ? QColor(0x00, 0xff, 0x00) : QColor(0x40, 0x40, 0x40));
    p.drawEllipse(dot);
}

void twoWindows(QPainter &p, QSizeF s)
{
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRect(QRectF(s.width() * 0.18, s.height() * 0.2, s.width() * 0.64, s.height() * 0.26));
    p.drawRect(QRectF(s.width() * 0.24, s.height() * 0.5, s.width() * 0.52, s.height() * 0.26));
    p.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1));
    for (int i = 0; i < 4; ++i) {
        const qreal x = s.width() * (0.26 + i * 0.14);
        p.drawLine(QPointF(x, s.height() * 0.25), QPointF(x, s.height() * 0.41));
        if (i < 3)
            p.drawLine(QPointF(x + s.width() * 0.04, s.height() * 0.55), QPointF(x + s.width() * 0.04, s.height() * 0.71));
    }
}

const QHash<QString, Entry> &table()
{
    static const QHash<QString, Entry> t = [] {
        QHash<QString, Entry> h;
        const QColor green(0x10, 0xb0, 0x20), red(0x9a, 0x38, 0x38), silver(0xc8, 0xc8, 0xc8);
        h.insert(QStringLiteral("fondverth"), {{20, 20}, [=](QPainter &p, QSizeF s) { frame(p, s, false, green); }});
        h.insert(QStringLiteral("fondvertv"), {{20, 20}, [=](QPainter &p, QSizeF s) { frame(p, s, true, green); }});
        h.insert(QStringLiteral("bordrh"), {{16, 16}, [=](QPainter &p, QSizeF s) { frame(p, s, false, red); }});
        h.insert(QStringLiteral("bordrv"), {{16, 16}, [=](QPainter &p, QSizeF s) { frame(p, s, true, red); }});
        h.insert(QStringLiteral("fondgris"), {{20, 12}, [=](QPainter &p, QSizeF s) { frame(p, s, false, silver); }});
        h.insert(QStringLiteral("fondgrisv"), {{12, 20}, [=](QPainter &p, QSizeF s) { frame(p, s, true, silver); }});
        h.insert(QStringLiteral("silverg"), {{18, 10}, [](QPainter &p, QSizeF s) { sideBar(p, s, true, false); }});
        h.insert(QStringLiteral("silverd"), {{18, 10}, [](QPainter &p, QSizeF s) { sideBar(p, s, false, false); }});
        h.insert(QStringLiteral("whiteg"), {{18, 10}, [](QPainter &p, QSizeF s) { sideBar(p, s, true, true); }});
        h.insert(QStringLiteral("whited"), {{18, 10}, [](QPainter &p, QSizeF s) { sideBar(p, s, false, true); }});
        h.insert(QStringLiteral("leveln"), {{15, 57}, [](QPainter &p, QSizeF s) { trackScale(p, s); }});
        h.insert(QStringLiteral("levelc"), {{15, 57}, [](QPainter &p, QSizeF s) { trackSlot(p, s); }});
        h.insert(QStringLiteral("curseur"), {{18, 13}, [](QPainter &p, QSizeF s) { cursorCap(p, s, false); }});
        h.insert(QStringLiteral("curseur2"), {{18, 13}, [](QPainter &p, QSizeF s) { cursorCap(p, s, true); }});
        h.insert(QStringLiteral("redd"), {{68, 16}, [](QPainter &p, QSizeF s) {
            QLinearGradient g(0, 0, 0, s.height());
            g.setColorAt(0, QColor(0xff, 0x60, 0x60));
            g.setColorAt(0.5, QColor(0xd0, 0x00, 0x00));
            g.setColorAt(1, QColor(0x70, 0x00, 0x00));
            p.fillRect(QRectF(QPointF(0, 0), s), g);
        }});
        h.insert(QStringLiteral("poisson"), {{35, 90}, [](QPainter &p, QSizeF s) {
            // A blank plate over the cursor area of a line without volume.
            QLinearGradient g(0, 0, s.width(), 0);
            g.setColorAt(0, QColor(0x9a, 0x9a, 0x9a));
            g.setColorAt(0.4, QColor(0xe6, 0xe6, 0xe6));
            g.setColorAt(1, QColor(0xa8, 0xa8, 0xa8));
            p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 3, 3);
            QPainterPath fish;
            const qreal cx = s.width() / 2, cy = s.height() / 2;
            fish.moveTo(cx, cy - 14);
            fish.cubicTo(cx + 9, cy - 6, cx + 9, cy + 6, cx, cy + 12);
            fish.cubicTo(cx - 9, cy + 6, cx - 9, cy - 6, cx, cy - 14);
            fish.moveTo(cx, cy + 10);
            fish.lineTo(cx + 6, cy + 18);
            fish.lineTo(cx - 6, cy + 18);
            fish.closeSubpath();
            p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.2));
            p.setBrush(QColor(0xc8, 0xc8, 0xc8));
            p.drawPath(fish);
            p.setBrush(QColor(0x50, 0x50, 0x50));
            p.drawEllipse(QPointF(cx, cy - 7), 1.2, 1.2);
        }});
        for (int n = 0; n <= 10; ++n) {
            h.insert(QStringLiteral("vuf%1").arg(n), {{25, 12}, [n](QPainter &p, QSizeF s) { meterFace(p, s, n, false); }});
            h.insert(QStringLiteral("big/vuf%1").arg(n), {{173, 98}, [n](QPainter &p, QSizeF s) { meterFace(p, s, n, true); }});
        }
        h.insert(QStringLiteral("ledg"), {{18, 6}, [](QPainter &p, QSizeF s) { led(p, s, QColor(0x00, 0xe0, 0x00)); }});
        h.insert(QStringLiteral("ledy"), {{18, 6}, [](QPainter &p, QSizeF s) { led(p, s, QColor(0xf0, 0xd0, 0x00)); }});
        h.insert(QStringLiteral("ledr"), {{18, 6}, [](QPainter &p, QSizeF s) { led(p, s, QColor(0xf0, 0x10, 0x10)); }});
        h.insert(QStringLiteral("ledbg"), {{18, 70}, [](QPainter &p, QSizeF s) {
            p.fillRect(QRectF(QPointF(0, 0), s), QColor(0x14, 0x14, 0x14));
            p.setPen(QColor(0x30, 0x30, 0x30));
            for (int i = 0; i < 10; ++i)
                p.drawRoundedRect(QRectF(0.5, s.height() - 7 * (i + 1) + 0.5, s.width() - 1, 6 - 1), 1.5, 1.5);
        }});
        h.insert(QStringLiteral("peaklr"), {{32, 32}, [](QPainter &p, QSizeF s) {
            QRadialGradient g(QPointF(s.width() / 2, s.height() / 2), s.width() / 2);
            g.setColorAt(0, QColor(0xff, 0x80, 0x80));
            g.setColorAt(0.6, QColor(0xe0, 0x00, 0x00));
            g.setColorAt(1, QColor(0x60, 0x00, 0x00, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(QRectF(QPointF(0, 0), s));
            QFont f(QStringLiteral("Arial"));
            f.setPixelSize(20);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(QPointF(0, 0), s), Qt::AlignCenter, QStringLiteral("!"));
        }});
        const QSize tray(32, 32);
        const QColor playTint(0x80, 0xff, 0x80), recTint(0xff, 0x80, 0x80), vuTint(0xff, 0xf0, 0xa0);
        h.insert(QStringLiteral("recplay"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, QColor(0xc0, 0xc0, 0xc0)); twoWindows(p, s); shownMark(p, s, false); }});
        h.insert(QStringLiteral("recplayno"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, QColor(0xc0, 0xc0, 0xc0)); twoWindows(p, s); shownMark(p, s, true); }});
        h.insert(QStringLiteral("soundyesi"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, playTint); speaker(p, QRectF(5, 6, 22, 20), true); shownMark(p, s, false); }});
        h.insert(QStringLiteral("soundyesno"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, playTint); speaker(p, QRectF(5, 6, 22, 20), true); shownMark(p, s, true); }});
        h.insert(QStringLiteral("soundnoi"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, playTint); speaker(p, QRectF(5, 6, 22, 20), false); }});
        h.insert(QStringLiteral("reci"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, recTint); microphone(p, QRectF(8, 5, 16, 22)); shownMark(p, s, false); }});
        h.insert(QStringLiteral("recino"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, recTint); microphone(p, QRectF(8, 5, 16, 22)); shownMark(p, s, true); }});
        h.insert(QStringLiteral("vui"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, vuTint); p.save(); p.translate(4, 9); meterFace(p, QSizeF(24, 14), 7, false); p.restore();
            shownMark(p, s, false); }});
        h.insert(QStringLiteral("vuino"), {tray, [=](QPainter &p, QSizeF s) {
            trayBase(p, s, vuTint); p.save(); p.translate(4, 9); meterFace(p, QSizeF(24, 14), 7, false); p.restore();
            shownMark(p, s, true); }});
        return h;
    }();
    return t;
}

} // namespace

namespace Pictures {

QPixmap get(const QString &name, qreal dpr)
{
    const auto it = table().constFind(name);
    if (it == table().constEnd())
        return {};
    // Painting asks for a picture every time: keep the key cheap to make.
    static QHash<QPair<QString, int>, QPixmap> cache;
    const QPair<QString, int> key(name, qRound(dpr * 100));
    auto cached = cache.constFind(key);
    if (cached != cache.constEnd())
        return *cached;
    QPixmap pix(it->size * dpr);
    pix.setDevicePixelRatio(dpr);
    pix.fill(Qt::transparent);
    {
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        it->draw(p, QSizeF(it->size));
    }
    cache.insert(key, pix);
    return pix;
}

QSize size(const QString &name)
{
    const auto it = table().constFind(name);
    return it == table().constEnd() ? QSize() : it->size;
}

QStringList names()
{
    QStringList list = table().keys();
    list.sort();
    return list;
}

} // namespace Pictures
