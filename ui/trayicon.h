// A notification-area icon that shows a picture of the store by name.
#pragma once

#include <QSystemTrayIcon>

#include <functional>

class TTrayIcon : public QSystemTrayIcon
{
    Q_OBJECT
public:
    TTrayIcon(QObject *parent, const char *name, const QString &hint, const QString &picture);

    QString Picture() const { return FPicture; }
    void setPicture(const QString &name);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

private:
    QString FPicture;
};
