#include "Backup.h"

#include "Database.h"
#include "ScopedConnection.h"
#include "OutputFile.h"
#include "StoreFile.h"
#include "StoreLocation.h"
#include "StoreLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Backup {

namespace {

const QStringList SideSuffixes = {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Runs `work` on a connection of its own to `path`: the store's own kind,
// or one that only reads (and, with nothing beside the file, takes no locks
// and leaves nothing behind). The engine's error text, or empty.
template <typename Work>
QString withStore(const QString &path, bool readOnly, Work work)
{
    const ScopedConnection c("backup", [&](const QString &name) {
        if (readOnly)
            return ScopedConnection::openFile(name, path, ScopedConnection::readOnlyQuery(path), true);
        QString why;
        Database::openConnection(name, path, false, &why);
        return why.isEmpty() ? QSqlError() : QSqlError(QString(), why);
    });
    if (!c.isOpen())
        return c.openError().databaseText();
    QSqlDatabase db = c.db();
    return work(db);
}

// The engine writes a consistent copy of the database at `from` into the
// empty file `into`; its error in the user's words, or empty.
QString vacuumInto(const QString &from, bool readOnly, const QString &into, const QString &shownAs)
{
    return withStore(from, readOnly, [&](QSqlDatabase &db) -> QString {
        QSqlQuery q(db);
        // A read transaction of its own: one moment of the store, while
        // writers carry on beside it.
        q.prepare(QStringLiteral("VACUUM INTO ?"));
        q.addBindValue(into);
        if (q.exec())
            return {};
        const QSqlError e = q.lastError();
        // A disk with less room left than the store takes cannot have held
        // the copy, whatever the engine called its failure.
        const QStorageInfo disk(QFileInfo(into).absolutePath());
        if (DbError::classify(e, into) == DbError::Kind::DiskFull
            || (disk.isValid() && disk.bytesAvailable() < QFileInfo(from).size()))
            return OutputFile::writeError(ENOSPC, shownAs);
        QString why = e.databaseText().trimmed();
        if (why.isEmpty())
            why = e.text().trimmed();
        if (why.isEmpty())
            why = QStringLiteral("the database engine gave no reason (code %1)").arg(e.nativeErrorCode());
        return QStringLiteral("%1 could not be written: %2.").arg(shown(shownAs), why);
    });
}

QString removeWithSideFiles(const QString &path)
{
    QFile::remove(path);
    for (const QString &suffix : SideSuffixes)
        QFile::remove(path + suffix);
    return path;
}

// Copies the store at `storePath` to `to` through the engine, checked before
// it takes its name; nothing is left under that name when it fails. A copy
// that another program put under the name meanwhile is left as it is.
QString copyChecked(const QString &storePath, const QString &to, bool *taken = nullptr)
{
    OutputFile out(to, {storePath, OutputFile::Existing::Keep, OutputFile::Access::OwnerOnly, true});
    if (!out.open())
        return out.error();
    const QString temporary = out.temporaryPath();
    QString error = vacuumInto(storePath, false, temporary, to);
    // A copy the engine gave up on may leave its journal beside it.
    if (!error.isEmpty())
        removeWithSideFiles(temporary);
    if (error.isEmpty()) {
        // The engine wrote every page of the copy afresh, so its quick check
        // of them is enough, and keeps the daily copy to seconds.
        const StoreFile::Inspection check = StoreFile::inspect(out.temporaryPath(), StoreFile::Depth::Pages);
        if (!check.problem.isEmpty())
            error = QStringLiteral("The copy failed its check: %1").arg(check.problem);
    }
    if (error.isEmpty() && !out.commit()) {
        if (taken)
            *taken = out.nameTaken();
        error = out.error();
    }
    return error;
}

// What a finished copy holds, read without writing to it.
QString counts(const QString &path)
{
    QString text;
    withStore(path, true, [&](QSqlDatabase &db) -> QString {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblMembers), (SELECT COUNT(*) FROM tblRentals), "
                                  "(SELECT COUNT(*) FROM tblReceipts)"))
            && q.next())
            text = QStringLiteral("%1 members, %2 rentals, %3 receipts")
                       .arg(q.value(0).toLongLong())
                       .arg(q.value(1).toLongLong())
                       .arg(q.value(2).toLongLong());
        return {};
    });
    return text;
}

bool makeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    return QDir().mkpath(folder)
           && QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat x, y;
    return ::stat(QFile::encodeName(a).constData(), &x) == 0 && ::stat(QFile::encodeName(b).constData(), &y) == 0
           && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

// A restore's steps are numbered; VIDEOSTORE_RESTORE_STOP_AT=n ends the
// process at step n as a kill would, so a test can show that a restore cut
// short anywhere leaves a whole store.
class Steps
{
public:
    Steps()
        : m_stopAt(qEnvironmentVariableIntValue("VIDEOSTORE_RESTORE_STOP_AT"))
    {
    }
    void next()
    {
        if (++m_step == m_stopAt)
            ::_exit(99);
    }

private:
    int m_stopAt;
    int m_step = 0;
};

// A plain copy of `from` as `to` (a new name), synced; for a file system
// that has no second names for a file. The system's error, or 0.
int copyBytes(const QString &from, const QString &to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return EIO;
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0)
        return errno;
    int failure = 0;
    QByteArray block;
    while (failure == 0 && !(block = in.read(1 << 20)).isEmpty())
        for (qsizetype done = 0; failure == 0 && done < block.size();) {
            const ssize_t n = ::write(out, block.constData() + done, size_t(block.size() - done));
            if (n < 0 && errno != EINTR)
                failure = errno;
            done += n > 0 ? n : 0;
        }
    if (failure == 0 && in.error() != QFileDevice::NoError)
        failure = EIO;
    if (failure == 0 && ::fsync(out) != 0)
        failure = errno;
    if (::close(out) != 0 && failure == 0)
        failure = errno;
    if (failure != 0)
        QFile::remove(to);
    return failure;
}

// Keeps the file at `from` also under `as`: a second name for it, or where
// the file system has none, a copy. The system's error, or 0.
int keep(const QString &from, const QString &as)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(as).constData()) == 0)
        return 0;
    return errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK ? copyBytes(from, as) : errno;
}

} // namespace

Outcome copy(const QString &storePath, const QString &target)
{
    const StoreFile::Inspection store = StoreFile::inspect(storePath);
    if (!store.problem.isEmpty())
        return {false, QStringLiteral("The store %1 cannot be backed up: %2").arg(shown(storePath), store.problem)};
    if (!makeFolder(QFileInfo(target).absolutePath()))
        return {false, QStringLiteral("The folder of %1 cannot be made.").arg(shown(target))};
    const QString refusal = OutputFile::refusal(target, {storePath, OutputFile::Existing::Replace,
                                                         OutputFile::Access::OwnerOnly, true});
    if (!refusal.isEmpty())
        return {false, QStringLiteral("The backup was not written: %1").arg(refusal)};
    if (QFileInfo::exists(target))
        return {false, QStringLiteral("%1 already exists; the backup was not written. Give a new file name.")
                           .arg(shown(target))};
    const QString error = copyChecked(storePath, target);
    if (!error.isEmpty())
        return {false, QStringLiteral("The backup of %1 failed: %2").arg(shown(storePath), error)};
    return {true, QStringLiteral("Backed up the store %1 to %2 (%3).")
                      .arg(shown(storePath), shown(target), counts(target))};
}

Daily makeDaily(const QString &storePath, QDate today, int kept)
{
    QElapsedTimer timer;
    timer.start();
    Daily out;
    const QDir dir(StoreLocation::backupsFolder(storePath));
    out.path = dir.filePath(QStringLiteral("video-%1.db").arg(today.toString(QStringLiteral("yyyy-MM-dd"))));
    if (QFileInfo::exists(out.path))
        return out;
    if (!makeFolder(dir.path())) {
        out.error = QStringLiteral("The folder %1 cannot be made.").arg(shown(dir.path()));
        return out;
    }
    bool taken = false;
    out.error = copyChecked(storePath, out.path, &taken);
    // Another counter on the same store made the day's copy meanwhile.
    if (taken)
        out.error.clear();
    out.made = out.error.isEmpty() && !taken;
    if (out.made) {
        // The names sort by date; the oldest go first.
        QStringList copies = dir.entryList({QStringLiteral("video-\?\?\?\?-\?\?-\?\?.db")}, QDir::Files, QDir::Name);
        while (copies.size() > kept)
            QFile::remove(dir.filePath(copies.takeFirst()));
    }
    out.milliseconds = timer.elapsed();
    return out;
}

Outcome restore(const QString &storePath, const QString &source, const QDateTime &now)
{
    auto refused = [&](const QString &why) {
        return Outcome{false, QStringLiteral("Restore refused: %1").arg(why)};
    };
    Steps steps;
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(storePath).absoluteFilePath() || sameFile(source, storePath))
        return refused(QStringLiteral("%1 is the store itself.").arg(shown(source)));

    // Held for the whole run: no program starts on the store, and no
    // command reads it, while it changes hands.
    StoreLock lock;
    const StoreLock::Outcome held = lock.acquire(storePath, StoreLock::Mode::Exclusive);
    if (held == StoreLock::Outcome::Busy)
        return refused(QStringLiteral("the store %1 is open in a running Video Store program. Close every copy "
                                      "of the program, then restore again.")
                           .arg(shown(storePath)));
    if (held == StoreLock::Outcome::Failed)
        return refused(QStringLiteral("the store %1 cannot be opened.").arg(shown(storePath)));
    const bool replacing = held == StoreLock::Outcome::Held;

    const StoreFile::Inspection check = StoreFile::inspect(source, StoreFile::Depth::Everything);
    if (!check.problem.isEmpty())
        return refused(QStringLiteral("%1 is not a store this program can use. %2").arg(shown(source), check.problem));

    // What a restore cut short left: a second name of the store that never
    // became the replaced one; its incoming copy goes when it is claimed.
    StoreFile::Aside aside(storePath + QStringLiteral(".restoring"));
    const QString &incoming = aside.path();
    const QFileInfo store(storePath);
    if (replacing)
        for (const QString &name : store.absoluteDir().entryList({store.fileName() + QStringLiteral(".replaced-*")},
                                                                 QDir::Files))
            if (sameFile(store.absoluteDir().filePath(name), storePath))
                QFile::remove(store.absoluteDir().filePath(name));
    if (!makeFolder(store.absolutePath()))
        return refused(QStringLiteral("the folder of the store %1 cannot be made.").arg(shown(storePath)));
    steps.next();

    // 1. The incoming copy, written and checked beside the store: the
    //    engine's copy of the source, for the owner alone.
    //    Dropped by `aside` when the restore fails.
    auto failed = [&](const QString &why) {
        return refused(QStringLiteral("%1 The store is as it was.").arg(why));
    };
    if (const int failure = aside.claim(0))
        return failed(failure == EWOULDBLOCK
                          ? QCoreApplication::translate("Backup", "Another restore of %1 is under way.").arg(shown(storePath))
                          : OutputFile::writeError(failure, incoming));
    steps.next();
    QString error = vacuumInto(source, true, incoming, incoming);
    steps.next();
    if (const int failure = error.isEmpty() ? aside.sync() : 0)
        error = OutputFile::writeError(failure, incoming);
    if (error.isEmpty()) {
        const StoreFile::Inspection copied = StoreFile::inspect(incoming, StoreFile::Depth::Pages);
        if (!copied.problem.isEmpty())
            error = QStringLiteral("The copy of %1 failed its check: %2").arg(shown(source), copied.problem);
    }
    if (!error.isEmpty())
        return failed(error);
    steps.next();

    if (!replacing) {
        // No store to keep; one that appeared meanwhile is not replaced.
        const int failure = aside.place(storePath, false);
        if (failure == EEXIST)
            return failed(QStringLiteral("A store appeared at %1 while restoring (a program was started on it).")
                              .arg(shown(storePath)));
        if (failure != 0)
            return failed(OutputFile::writeError(failure, storePath));
        steps.next();
        return {true, QStringLiteral("Restored %1 as the store %2.").arg(shown(source), shown(storePath))};
    }

    // 2. The last checkouts still in the -wal folded into the store; closing
    //    the last connection then takes the -wal and -shm away.
    withStore(storePath, false, [](QSqlDatabase &db) -> QString {
        QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        return {};
    });
    steps.next();

    // 3. The old store kept under a second name; until the rename below it
    //    is also still the store.
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString keptAs = storePath + QStringLiteral(".replaced-") + stamp;
    // Two restores within one second keep both stores they replaced.
    for (int n = 2; QFileInfo::exists(keptAs); ++n)
        keptAs = storePath + QStringLiteral(".replaced-%1-%2").arg(stamp).arg(n);
    if (const int failure = keep(storePath, keptAs); failure != 0)
        return failed(OutputFile::writeError(failure, keptAs));
    QFile::setPermissions(keptAs, QFile::ReadOwner | QFile::WriteOwner);
    OutputFile::syncFolder(storePath);
    steps.next();

    // A working file the engine could not fold in (a store too damaged to
    // open) goes with the kept store: beside the new one it would be read
    // as part of it. No program has it open: all of them hold the store's
    // lock, which this restore holds alone.
    for (const QString &suffix : SideSuffixes) {
        if (!QFileInfo::exists(storePath + suffix))
            continue;
        if (suffix != QLatin1String("-shm") && keep(storePath + suffix, keptAs + suffix) != 0) {
            QFile::remove(keptAs);
            return failed(QStringLiteral("The working file %1 of the store could not be kept.")
                              .arg(shown(storePath + suffix)));
        }
        QFile::remove(storePath + suffix);
    }
    steps.next();

    // 4. One rename: the name goes from the old store to the new one.
    if (const int failure = aside.place(storePath, true)) {
        QFile::remove(keptAs);
        return failed(OutputFile::writeError(failure, storePath));
    }
    steps.next();
    return {true, QStringLiteral("Restored %1 as the store %2; the replaced store is kept as %3.")
                      .arg(shown(source), shown(storePath), shown(keptAs))};
}

} // namespace Backup
