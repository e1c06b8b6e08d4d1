#include "WorkingFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QtDebug>

#include <atomic>
#include <tuple>
#include <sys/stat.h>

namespace {

// The stores whose files some connection of this run found replaced. Once
// one is, every connection to that store writes nothing more.
std::atomic<bool> anyLost{false};
QMutex lostMutex;
// By name as well: a file system may give a later store the inode of an
// earlier one deleted.
QList<std::tuple<QByteArray, dev_t, ino_t>> lostStores;

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
    return lostStores.contains(std::tuple(m_storePath, m_store.device, m_store.inode));
}

WorkingFiles WorkingFiles::of(const QString &path)
{
    WorkingFiles files;
    files.m_storePath = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    files.m_walPath = files.m_storePath + "-wal";
    files.m_watched = identify(files.m_storePath, files.m_store) && identify(files.m_walPath, files.m_wal);
    return files;
}

bool WorkingFiles::intact() const
{
    if (!m_watched)
        return true;
    if (anyLost.load(std::memory_order_acquire) && knownLost())
        return false;
    Id store, wal;
    if (identify(m_storePath, store) && store == m_store && identify(m_walPath, wal) && wal == m_wal)
        return true;
    {
        const QMutexLocker lock(&lostMutex);
        lostStores.append(std::tuple(m_storePath, m_store.device, m_store.inode));
    }
    anyLost.store(true, std::memory_order_release);
    qWarning("videostore: the working files of the store %s were removed or replaced by another program; nothing "
             "more is written to it until the program starts again",
             m_storePath.constData());
    return false;
}

QString WorkingFiles::lostReason()
{
    return QStringLiteral("The store's working files were removed by another program while this one was using "
                          "them");
}
