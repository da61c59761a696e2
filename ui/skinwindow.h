// Base of Sonvane's windows: borderless, always on top, no taskbar entry.
#pragma once

#include <QWidget>

class TSkinWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TSkinWindow(const char *name, QWidget *parent = nullptr);
};
