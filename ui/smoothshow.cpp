#include "ui/smoothshow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TSmoothShow::TSmoothShow(QWidget *window, QColor colour, const char *name)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      window(window), colour(colour)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    timer = new QTimer(this);
    timer->setInterval(50);
    connect(timer, &QTimer::timeout, this, &TSmoothShow::tick);
}

void TSmoothShow::arm(bool forward)
{
    Forward = forward;
    Enabled = true;
}

void TSmoothShow::run()
{
    if (!Enabled)
        return;
    target = window->frameGeometry();
    FStep = 0;
    timer->start();
    tick();
}

void TSmoothShow::tick()
{
    ++FStep;
    if (FStep > Steps) {
        timer->stop();
        hide();
        Enabled = false;
        return;
    }
    QPoint centre = target.center();
    if (QScreen *screen = QGuiApplication::screenAt(target.center()) ?: QGuiApplication::primaryScreen())
        centre = screen->geometry().center();
    const double t = Forward ? double(FStep) / Steps : 1.0 - double(FStep - 1) / Steps;
    const QRect r(QPoint(static_cast<int>(centre.x() + (target.left() - centre.x()) * t),
                         static_cast<int>(centre.y() + (target.top() - centre.y()) * t)),
                  QSize(std::max(1, static_cast<int>(target.width() * t)), std::max(1, static_cast<int>(target.height() * t))));
    setGeometry(r);
    if (!isVisible())
        show();
    update();
}

void TSmoothShow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), colour);
    p.setPen(colour.darker(160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
