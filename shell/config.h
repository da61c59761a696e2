// The configuration file "Sonvane.ini": seven CR LF lines with the
// visible-channels boxes, the options and the positions of the mixers.  It
// lives in "Sonvane by Tarkel Brindlework" under the user's configuration
// directory ($XDG_CONFIG_HOME, by default ~/.config).
#pragma once

#include <QByteArray>
#include <QString>

QString configPath();

// Line 1 of the file as it was read; written back unchanged.
extern QByteArray configHeader;

// Parses a position line: leading blanks allowed, nothing after the digits.
// Returns false for anything else.
bool parsePosition(const QByteArray &line, int &value);
