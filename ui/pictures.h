// The picture store: every picture of the skin, drawn by code at the device
// pixel ratio it is shown at, so that it stays crisp on any screen.
//
// Pictures are named.  The over-peak window's large meter faces are named
// "big/vuf0" ... "big/vuf10"; the master strip's small ones "vuf0" ...
// "vuf10".  "rien" is the empty picture.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace Pictures {

// The picture `name` at device pixel ratio `dpr` (cached).  An unknown name
// or "rien" gives a null pixmap.
QPixmap get(const QString &name, qreal dpr = 1.0);
// The picture's size in logical pixels; empty for an unknown name.
QSize size(const QString &name);
QStringList names();

} // namespace Pictures
