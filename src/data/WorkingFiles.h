#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// A store file's working files as this program's connections have them open:
// the store, its -wal and its -shm, by device and inode. Should another
// program remove or replace them (or take itself for the last user because
// something in this process dropped the engine's locks, and delete them),
// this program's connections would go on writing into files nobody else ever
// reads. Checked before each write, that is found at once; from then on
// nothing is written to that store until it is closed everywhere and opened
// again.
class WorkingFiles final
{
public:
    WorkingFiles() = default;

    // For a connection that has just read the store at `path`: the working
    // files this process holds open. A store whose connections keep no -wal
    // (another engine, another journal) is not watched and always intact. One
    // whose -wal or -shm this process holds is already gone from under its
    // name counts as lost from the start.
    static WorkingFiles of(const QString &path);

    bool watched() const { return m_watched; }
    // True when the store, its -wal and its -shm are still the files recorded,
    // and no connection of this run has found this store's files replaced.
    bool intact() const;

    // For the clerk: which file went, and that the store must be closed
    // everywhere and opened again. Once intact() has said false.
    QString lostReason() const;

private:
    struct Id
    {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const Id &) const = default;
    };
    static bool identify(const QByteArray &path, Id &id);
    // Records the store as lost, `file` being the one found changed.
    void lose(const QByteArray &file) const;
    bool knownLost() const;

    bool m_watched = false;
    QByteArray m_storePath;
    Id m_store;
    // The -wal and the -shm.
    QByteArray m_sidePaths[2];
    Id m_side[2];
    mutable QByteArray m_lostFile;
};
