// Reading a line into a strip.

#include "ui/form1.h"
#include "ui/rec.h"

void TForm1::getc(int)
{
    // (strips) the strip's line is read into its edits, cursors and mute
    // panel here.
}

void Trec::getc(int)
{
    // (strips) the recording strip's line and its select state are read here.
}
