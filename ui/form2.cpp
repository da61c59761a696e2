#include "ui/form2.h"

#include "ui/widgets.h"

TForm2::TForm2(QWidget *parent) : TSkinWindow("Form2", parent)
{
    setWindowTitle(QStringLiteral("VU by Tarkel"));
    resize(447, 160);
    buildFrame(25, 15, 15);
    setFrame(QStringLiteral("fondverth"), QStringLiteral("fondvertv"));
    overPeakBar = new TImage(this, "overPeakBar", QRect(15, 120, 418, 25));
    overPeakBar->Stretch = true;
    overPeakBar->setPicture(QStringLiteral("fondgris"));
}
