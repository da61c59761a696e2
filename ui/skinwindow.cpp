#include "ui/skinwindow.h"

TSkinWindow::TSkinWindow(const char *name, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_QuitOnClose, false);
}
