#include "shell/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstanceLock::~SingleInstanceLock()
{
    if (fd >= 0)
        ::close(fd);
}

QString SingleInstanceLock::defaultPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/Sonvane.lock");
}

bool SingleInstanceLock::acquire(const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    fd = ::open(file.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::fprintf(stderr, "sonvane: cannot make the lock file %s: %s\n", file.constData(),
                     std::strerror(errno));
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const int error = errno;
    ::close(fd);
    fd = -1;
    if (error == EWOULDBLOCK)
        return false;
    std::fprintf(stderr, "sonvane: cannot lock %s: %s\n", file.constData(), std::strerror(error));
    return true;
}
