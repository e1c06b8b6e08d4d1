#include "StoreLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

StoreLock::~StoreLock()
{
    unlock();
}

bool StoreLock::tryLock(const QString &path, Mode mode)
{
    unlock();
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    // flock, unlike the engine's own record locks, is a lock of its own kind
    // on Linux, so it never meets them.
    if (::flock(m_fd, (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) == 0)
        return true;
    unlock();
    return false;
}

void StoreLock::unlock()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
