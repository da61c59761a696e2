// The meter set-up: finds the lines that have a peak meter.

#include "ui/form1.h"

void TForm1::button2Click()
{
    // (meters) the meter line list is built and the poller installed here.
}
