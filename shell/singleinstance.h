// One running Sonvane per user session.
//
// The lock is a file in the user's runtime directory held with flock(): the
// kernel drops it when the process ends, however it ends, so a crashed
// Sonvane never blocks the next start.
#pragma once

#include <QString>

class SingleInstanceLock
{
public:
    SingleInstanceLock() = default;
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;
    ~SingleInstanceLock();

    // True when this process now holds the lock; false when another one
    // does.  A lock file that cannot be made at all is not taken as another
    // instance: Sonvane then runs without the guard.
    bool acquire(const QString &path = defaultPath());
    static QString defaultPath();

private:
    int fd = -1;
};
