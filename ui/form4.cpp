#include "ui/form4.h"

TForm4::TForm4(QWidget *parent) : TSkinWindow("Form4", parent)
{
    setWindowTitle(QStringLiteral("Visible channels"));
    resize(300, 260);
}
