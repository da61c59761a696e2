#include "ui/trayicon.h"

#include "ui/pictures.h"

TTrayIcon::TTrayIcon(QObject *parent, const char *name, const QString &hint, const QString &picture)
    : QSystemTrayIcon(parent)
{
    setObjectName(QLatin1String(name));
    setToolTip(hint);
    setPicture(picture);
}

void TTrayIcon::setPicture(const QString &name)
{
    if (name == FPicture)
        return;
    FPicture = name;
    QIcon icon;
    for (qreal dpr : {1.0, 2.0})
        icon.addPixmap(Pictures::get(name, dpr));
    setIcon(icon);
}
