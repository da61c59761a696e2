// One channel strip: the widgets that show one mixer line, found by the
// names of the strip tables.
#pragma once

#include "binding/striptables.h"

class QLabel;
class QWidget;
class TPanel;

struct Strip
{
    int number = 0; // 1 = the master strip (destination line)
    const StripNames *names = nullptr;

    TPanel *cha = nullptr;       // strip panel; Tag 0 = in use, 1 = unused
    TPanel *namePanel = nullptr; // Tag = home x position
    QLabel *nameLabel = nullptr;
    TPanel *mute = nullptr;

    // Connection position of the strip's line: -1 for the destination line.
    int connection() const { return number == 1 ? -1 : number - 2; }
};

// Creates the widgets of strip `number` on `window`.
void buildStrip(Strip &strip, QWidget *window, int number, bool playback);
