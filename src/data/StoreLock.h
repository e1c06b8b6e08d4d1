#pragma once

#include <QString>
#include <QtGlobal>

// Marks a store file as in use by a running program. Every running copy of
// the program holds it shared, so several counters can share a store; a
// restore takes it exclusively, so it never replaces a store under a running
// program. The lock goes with the process, even when it is killed.
class StoreLock final
{
public:
    enum class Mode { Shared, Exclusive };

    StoreLock() = default;
    ~StoreLock();
    Q_DISABLE_COPY_MOVE(StoreLock)

    // Takes the lock on the file at `path` without waiting; false when
    // another holder stands in the way or the file cannot be opened.
    bool tryLock(const QString &path, Mode mode);
    void unlock();

private:
    // Closing any descriptor of the store file would drop the engine's own
    // locks on it in this process, so the holder must outlive every
    // connection it has on the store.
    int m_fd = -1;
};
