// The over-peak window.
#pragma once

#include "ui/skinwindow.h"

class TImage;

class TForm2 : public TSkinWindow
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    TImage *overPeakBar = nullptr; // background of the bottom bar
};
