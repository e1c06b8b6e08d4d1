#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// A store file's working files as one connection found them when it opened:
// the store and its -wal, by device and inode. Anything in this process that
// opens and closes a descriptor of them outside the engine drops the engine's
// locks; another program then takes itself for the last user, folds the
// -wal into the store and deletes it, while this program's connections go on
// writing into the deleted file, where nobody else ever sees their writes.
// Checked before each write, that is found at once; from then on nothing is
// written to that store until the program starts again.
class WorkingFiles final
{
public:
    WorkingFiles() = default;

    // For a connection just opened on the store at `path` in WAL mode; one
    // with no -wal beside it (another engine, another journal) is not
    // watched and always intact.
    static WorkingFiles of(const QString &path);

    bool watched() const { return m_watched; }
    // True when the store and its -wal are still the files recorded, and no
    // connection of this run has found this store's files replaced.
    bool intact() const;

    // For the clerk: what happened, and that the program must start again.
    static QString lostReason();

private:
    struct Id
    {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const Id &) const = default;
    };
    static bool identify(const QByteArray &path, Id &id);
    bool knownLost() const;

    bool m_watched = false;
    QByteArray m_storePath;
    QByteArray m_walPath;
    Id m_store;
    Id m_wal;
};
