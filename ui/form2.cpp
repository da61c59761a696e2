#include "ui/form2.h"

TForm2::TForm2(QWidget *parent) : TSkinWindow("Form2", parent)
{
    setWindowTitle(QStringLiteral("Sonvane VU"));
    resize(380, 200);
}
