#pragma once

#include <QString>
#include <QtGlobal>

// Marks a store file as in use. Every running copy of the program, and every
// command that reads the store, holds it shared, so several counters can
// share a store; a restore takes it exclusively, so it never replaces a store
// under anyone using it. The lock goes with the process, even when it is
// killed.
class StoreLock final
{
public:
    enum class Mode { Shared, Exclusive };
    enum class Outcome {
        Held,    // the lock is held on the file now under the store's name
        Missing, // there is no file of that name
        Busy,    // another holder stood in the way for longer than allowed
        Failed,  // the file cannot be opened (its checks tell why)
    };

    StoreLock() = default;
    ~StoreLock();
    Q_DISABLE_COPY_MOVE(StoreLock)

    // Takes the lock on the file at `path`, waiting up to `waitMs` for
    // another holder to let go. A restore puts a new file under the name,
    // so the lock is only held once it is on the file the name leads to.
    Outcome acquire(const QString &path, Mode mode, int waitMs = 0);
    // acquire() without waiting; true when held.
    bool tryLock(const QString &path, Mode mode) { return acquire(path, mode) == Outcome::Held; }
    bool isHeld() const { return m_fd >= 0; }
    void unlock();

    // How long the program and the commands wait for a restore under way.
    static constexpr int RestoreWaitMs = 10000;

private:
    // Closing any descriptor of the store file would drop the engine's own
    // locks on it in this process, so the holder must outlive every
    // connection it has on the store.
    int m_fd = -1;
};
