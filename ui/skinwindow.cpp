#include "ui/skinwindow.h"

#include "ui/widgets.h"

TSkinWindow::TSkinWindow(const char *name, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
    FColor = -1;
    setColor(clBlack);
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
