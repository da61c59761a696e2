#include "ui/trayicon.h"

#include "ui/pictures.h"

TTrayIcon::TTrayIcon(QObject *parent, const char *name, const QString &hint, const QString &picture)
    : QSystemTrayIcon(parent)
{
    setObjectName(QLatin1String(name));
    setToolTip(hint);
    setPicture(picture);
    connect(this, &QSystemTrayIcon::activated, this, [this](ActivationReason reason) {
        if (reason == Trigger && OnClick)
            OnClick();
        else if (reason == DoubleClick && OnDblClick)
            OnDblClick();
    });
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
