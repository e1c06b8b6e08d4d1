#include "StoreLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

StoreLock::~StoreLock()
{
    unlock();
}

StoreLock::Outcome StoreLock::acquire(const QString &path, Mode mode, int waitMs)
{
    unlock();
    const QByteArray name = QFile::encodeName(path);
    const QDeadlineTimer deadline(waitMs);
    for (int moved = 0;;) {
        // Not waiting on a pipe put where the store should be.
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return errno == ENOENT ? Outcome::Missing : Outcome::Failed;
        struct stat held;
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            return Outcome::Failed;
        }
        // flock, unlike the engine's own record locks, is a lock of its own
        // kind on Linux, so it never meets them.
        if (::flock(fd, (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0) {
            ::close(fd);
            if (deadline.hasExpired())
                return Outcome::Busy;
            QThread::msleep(50);
            continue;
        }
        // A restore that finished between the open and the lock has put
        // another file under the name: lock that one instead.
        struct stat named;
        if (::stat(name.constData(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino) {
            m_fd = fd;
            return Outcome::Held;
        }
        ::close(fd);
        if (++moved > 20)
            return Outcome::Busy;
    }
}

void StoreLock::unlock()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
