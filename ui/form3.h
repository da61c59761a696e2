// The splash window, shown from start until the tray icons come on.
#pragma once

#include "ui/skinwindow.h"

class TForm3 : public TSkinWindow
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    void FormCreate();

protected:
    void paintEvent(QPaintEvent *) override;
    void centre();
    void hideEvent(QHideEvent *e) override;
};
