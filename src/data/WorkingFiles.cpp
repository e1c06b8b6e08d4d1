#include "WorkingFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QtDebug>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

const char *const SideSuffixes[2] = {"-wal", "-shm"};

// The stores whose files some connection of this run found replaced, with
// the file found changed. Once one is, every connection to that store
// writes nothing more.
std::atomic<bool> anyLost{false};
QMutex lostMutex;
// By name as well: a file system may give a later store the inode of an
// earlier one deleted.
QList<std::tuple<QByteArray, dev_t, ino_t, QByteArray>> lostStores;

// What this process holds open under the name `path` (as the system spells
// it, links resolved), read from its descriptors: whether one is on the file
// of identity `named` now under that name, and whether one is on a file that
// was under it and has been removed or replaced since. Listing the
// descriptors opens none of the files, so the engine's locks are untouched.
struct Held
{
    bool named = false;
    bool gone = false;
};

Held heldOpen(const QByteArray &path, bool nameExists, dev_t device, ino_t inode)
{
    Held held;
    DIR *fds = ::opendir("/proc/self/fd");
    if (!fds)
        return held;
    const QByteArray removed = path + " (deleted)";
    char link[PATH_MAX + 16];
    while (const dirent *entry = ::readdir(fds)) {
        const ssize_t n = ::readlinkat(::dirfd(fds), entry->d_name, link, sizeof link);
        if (n <= 0 || n >= ssize_t(sizeof link))
            continue;
        const QByteArray target(link, n);
        if (target == removed) {
            held.gone = true;
        } else if (target == path) {
            struct stat st;
            if (::fstatat(::dirfd(fds), entry->d_name, &st, 0) != 0)
                continue;
            if (nameExists && st.st_dev == device && st.st_ino == inode)
                held.named = true;
            else
                held.gone = true;
        }
    }
    ::closedir(fds);
    return held;
}

} // namespace

bool WorkingFiles::identify(const QByteArray &path, Id &id)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return false;
    id = {st.st_dev, st.st_ino};
    return true;
}

bool WorkingFiles::knownLost() const
{
    const QMutexLocker lock(&lostMutex);
    for (const auto &[path, device, inode, file] : lostStores)
        if (path == m_storePath && device == m_store.device && inode == m_store.inode) {
            m_lostFile = file;
            return true;
        }
    return false;
}

void WorkingFiles::lose(const QByteArray &file) const
{
    if (knownLost())
        return;
    m_lostFile = file;
    {
        const QMutexLocker lock(&lostMutex);
        lostStores.append(std::tuple(m_storePath, m_store.device, m_store.inode, file));
    }
    anyLost.store(true, std::memory_order_release);
    qWarning("videostore: %s was removed or replaced by another program while this one was using it; nothing "
             "more is written to the store until it is closed everywhere and opened again",
             file.constData());
}

WorkingFiles WorkingFiles::of(const QString &path)
{
    WorkingFiles files;
    files.m_storePath = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    if (!identify(files.m_storePath, files.m_store))
        return files;
    char real[PATH_MAX];
    const QByteArray spelled = ::realpath(files.m_storePath.constData(), real) ? QByteArray(real) : files.m_storePath;
    for (int i = 0; i < 2; ++i) {
        files.m_sidePaths[i] = files.m_storePath + SideSuffixes[i];
        const bool exists = identify(files.m_sidePaths[i], files.m_side[i]);
        const Held held = heldOpen(spelled + SideSuffixes[i], exists, files.m_side[i].device, files.m_side[i].inode);
        // No -wal held: the connections keep none, and there is nothing to watch.
        if (i == 0 && !held.named && !held.gone)
            return files;
        files.m_watched = true;
        if (held.gone || !held.named) {
            files.lose(files.m_sidePaths[i]);
            break;
        }
    }
    return files;
}

bool WorkingFiles::intact() const
{
    if (!m_watched)
        return true;
    if (!m_lostFile.isEmpty() || (anyLost.load(std::memory_order_acquire) && knownLost()))
        return false;
    Id store;
    if (!identify(m_storePath, store) || !(store == m_store)) {
        lose(m_storePath);
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        Id side;
        if (!identify(m_sidePaths[i], side) || !(side == m_side[i])) {
            lose(m_sidePaths[i]);
            return false;
        }
    }
    return true;
}

QString WorkingFiles::lostReason() const
{
    return QCoreApplication::translate("WorkingFiles", "The store's working file \"%1\" was removed or replaced by "
                                                       "another program while this one was using it")
        .arg(QDir::toNativeSeparators(QFile::decodeName(m_lostFile)));
}
