// The widget names of every channel strip, by strip number.
//
// Strip 1 shows a window's destination line, strip s >= 2 its source line
// s - 2.  The recording window's strips 1-10 use the names of playback
// strips 1-10 (it has no solo panels).
#pragma once

struct StripNames
{
    const char *cha;
    const char *gsl;
    const char *dsl;
    const char *namePanel;
    const char *nameImage;
    const char *nameLabel;
    const char *meterPanel;
    const char *peakLabel;
    const char *vul;
    const char *vur;
    const char *mainEdit;
    const char *rightEdit;
    const char *plus;
    const char *minus;
    const char *rightPlus;
    const char *rightMinus;
    const char *cursorArea;
    const char *leftPanel;
    const char *leftCursor;
    const char *leftGhost;
    const char *leftTrack;
    const char *leftTrackC;
    const char *rightPanel;
    const char *rightCursor;
    const char *rightGhost;
    const char *rightTrack;
    const char *rightTrackC;
    const char *mute;
    const char *solo;
    const char *linked;
    const char *extra1;
    const char *extra2;
    const char *getc;
    const char *editc;
    const char *editcRight;
};

constexpr int PlayStripCount = 12;
constexpr int RecStripCount = 10;

extern const StripNames stripNames[PlayStripCount];
