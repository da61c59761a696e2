#include "ui/skinwindow.h"

#include "ui/smoothshow.h"
#include "ui/widgets.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

TSkinWindow::TSkinWindow(const char *name, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
    FColor = -1;
    setColor(clBlack);
}

// The animation is a window of its own, not a child: it goes with this one.
TSkinWindow::~TSkinWindow()
{
    delete SmoothShow1;
}

void TSkinWindow::setColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(color));
    setPalette(pal);
}

void TSkinWindow::buildFrame(int top, int bottom, int side)
{
    frameTopHeight = top;
    frameBottomHeight = bottom;
    frameSideWidth = side;
    frameTop = new TImage(this, "frameTop");
    frameBottom = new TImage(this, "frameBottom");
    frameLeft = new TImage(this, "frameLeft");
    frameRight = new TImage(this, "frameRight");
    for (TImage *image : {frameTop, frameBottom, frameLeft, frameRight}) {
        image->Stretch = true;
        image->lower();
    }
    layoutFrame();
}

void TSkinWindow::setFrame(const QString &across, const QString &down)
{
    frameTop->setPicture(across);
    frameBottom->setPicture(across);
    frameLeft->setPicture(down);
    frameRight->setPicture(down);
}

void TSkinWindow::layoutFrame()
{
    if (!frameTop)
        return;
    const int w = width(), h = height();
    frameTop->setGeometry(0, 0, w, frameTopHeight);
    frameBottom->setGeometry(0, h - frameBottomHeight, w, frameBottomHeight);
    frameLeft->setGeometry(0, frameTopHeight, frameSideWidth, h - frameTopHeight - frameBottomHeight);
    frameRight->setGeometry(w - frameSideWidth, frameTopHeight, frameSideWidth, h - frameTopHeight - frameBottomHeight);
}

void TSkinWindow::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    layoutFrame();
}

void TSkinWindow::makeAnimation(QColor colour)
{
    SmoothShow1 = new TSmoothShow(this, colour, "SmoothShow1");
}

bool TSkinWindow::topMost() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TSkinWindow::setTopMost(bool on)
{
    if (topMost() == on)
        return;
    // Changing the flags hides a shown window: show it again where it was.
    const bool visible = isVisible();
    const QPoint at = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    move(at);
    if (visible)
        show();
}

void TSkinWindow::showEvent(QShowEvent *e)
{
    if (!shownOnce) {
        shownOnce = true;
        if (centred)
            if (QScreen *screen = QGuiApplication::primaryScreen())
                move(screen->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(e);
}

void TSkinWindow::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    // The window manager moves the window where it can; elsewhere the
    // window follows the pointer itself.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    dragging = true;
    dragOffset = e->globalPosition().toPoint() - pos();
}

void TSkinWindow::mouseMoveEvent(QMouseEvent *e)
{
    if (dragging)
        move(e->globalPosition().toPoint() - dragOffset);
    else
        QWidget::mouseMoveEvent(e);
}

void TSkinWindow::mouseReleaseEvent(QMouseEvent *e)
{
    dragging = false;
    QWidget::mouseReleaseEvent(e);
}

void TSkinWindow::addCornerPanels(const QString &hint, std::function<void()> onClick)
{
    const QPoint at[] = {{0, 0}, {width() - 14, 0}, {0, height() - 14}, {width() - 14, height() - 14}};
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    for (int i = 0; i < 4; ++i) {
        auto *p = new TPanel(this, qPrintable(QStringLiteral("Panel%1").arg(2 + i)));
        p->setGeometry(QRect(at[i], QSize(14, 14)));
        p->setCaption(QStringLiteral("X"));
        p->setBevelInner(TBevel::bvRaised);
        p->setToolTip(hint);
        p->setFont(font);
        p->OnMouseDown = [](QMouseEvent *) {};
        p->OnMouseUp = [onClick](QMouseEvent *) { onClick(); };
    }
}
