// The visible-channels dialog.  Its creation starts the program: the first
// set-up and refresh run from there.
#pragma once

#include "ui/skinwindow.h"

class TForm4 : public TSkinWindow
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    void FormCreate();
};
