#include "Backup.h"

#include "Database.h"
#include "StoreFile.h"
#include "StoreLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <unistd.h>

namespace Backup {

namespace {

const QStringList SideSuffixes = {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString connectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("videostore-backup-%1").arg(++counter);
}

// Runs `work` on a connection of its own to `path`; the engine's error text,
// or empty.
template <typename Work>
QString withStore(const QString &path, Work work)
{
    const QString name = connectionName();
    QString error;
    {
        QSqlDatabase db = Database::openConnection(name, path, false, &error);
        if (error.isEmpty())
            error = work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

// The copy is on the disk, not only in its cache, before it takes a good name.
bool flushToDisk(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && ::fsync(file.handle()) == 0;
}

QString removeWithSideFiles(const QString &path)
{
    QFile::remove(path);
    for (const QString &suffix : SideSuffixes)
        QFile::remove(path + suffix);
    return path;
}

// Copies `from` to `to` under a temporary name, checked in full before it
// takes its own; nothing is left under either name when it fails.
QString copyChecked(const QString &storePath, const QString &to)
{
    const QString part = removeWithSideFiles(to + QStringLiteral(".part"));
    QString error = withStore(storePath, [&](QSqlDatabase &db) -> QString {
        QSqlQuery q(db);
        // A read transaction of its own: one moment of the store, while
        // writers carry on beside it.
        q.prepare(QStringLiteral("VACUUM INTO ?"));
        q.addBindValue(part);
        if (!q.exec()) {
            const QSqlError e = q.lastError();
            return DbError::classify(e, to) == DbError::Kind::DiskFull
                       ? QStringLiteral("The disk holding %1 is full.").arg(shown(to))
                       : e.databaseText();
        }
        return {};
    });
    if (error.isEmpty() && !flushToDisk(part))
        error = QStringLiteral("The copy could not be written to the disk.");
    if (error.isEmpty()) {
        // The engine wrote every page of the copy afresh, so its quick check
        // of them is enough, and keeps the daily copy to seconds.
        const StoreFile::Inspection check = StoreFile::inspect(part, StoreFile::Depth::Pages);
        if (!check.problem.isEmpty())
            error = QStringLiteral("The copy failed its check: %1").arg(check.problem);
    }
    if (error.isEmpty() && !QFile::rename(part, to))
        error = QStringLiteral("The copy could not be named %1.").arg(shown(to));
    if (!error.isEmpty())
        removeWithSideFiles(part);
    return error;
}

// What a finished copy holds, read without writing to it.
QString counts(const QString &path)
{
    QString text;
    const QString name = connectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery q(db.open() ? db : QSqlDatabase());
        if (q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblMembers), (SELECT COUNT(*) FROM tblRentals), "
                                  "(SELECT COUNT(*) FROM tblReceipts)"))
            && q.next())
            text = QStringLiteral("%1 members, %2 rentals, %3 receipts")
                       .arg(q.value(0).toLongLong())
                       .arg(q.value(1).toLongLong())
                       .arg(q.value(2).toLongLong());
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return text;
}

} // namespace

Outcome copy(const QString &storePath, const QString &target)
{
    if (QFileInfo::exists(target))
        return {false, QStringLiteral("%1 already exists; the backup was not written. Give a new file name.")
                           .arg(shown(target))};
    const StoreFile::Inspection store = StoreFile::inspect(storePath);
    if (!store.problem.isEmpty())
        return {false, QStringLiteral("The store %1 cannot be backed up: %2").arg(shown(storePath), store.problem)};
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return {false, QStringLiteral("The folder of %1 cannot be made.").arg(shown(target))};
    const QString error = copyChecked(storePath, target);
    if (!error.isEmpty())
        return {false, QStringLiteral("The backup of %1 failed: %2").arg(shown(storePath), error)};
    return {true, QStringLiteral("Backed up the store %1 to %2 (%3).")
                      .arg(shown(storePath), shown(target), counts(target))};
}

QString folder(const QString &storePath)
{
    return QFileInfo(storePath).absoluteDir().filePath(QStringLiteral("backups"));
}

Daily makeDaily(const QString &storePath, QDate today, int kept)
{
    QElapsedTimer timer;
    timer.start();
    Daily out;
    const QDir dir(folder(storePath));
    out.path = dir.filePath(QStringLiteral("video-%1.db").arg(today.toString(QStringLiteral("yyyy-MM-dd"))));
    if (QFileInfo::exists(out.path))
        return out;
    if (!QDir().mkpath(dir.path())) {
        out.error = QStringLiteral("The folder %1 cannot be made.").arg(shown(dir.path()));
        return out;
    }
    out.error = copyChecked(storePath, out.path);
    out.made = out.error.isEmpty();
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
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(storePath).absoluteFilePath())
        return refused(QStringLiteral("%1 is the store itself.").arg(shown(source)));
    const StoreFile::Inspection check = StoreFile::inspect(source, StoreFile::Depth::Everything);
    if (!check.problem.isEmpty())
        return refused(QStringLiteral("%1 is not a store this program can use. %2").arg(shown(source), check.problem));

    StoreLock lock;
    QString keptAs;
    if (QFileInfo::exists(storePath)) {
        if (!lock.tryLock(storePath, StoreLock::Mode::Exclusive))
            return refused(QStringLiteral("the store %1 is open in a running Video Store program. Close every copy "
                                          "of the program, then restore again.")
                               .arg(shown(storePath)));
        // The last checkouts may still be in the -wal file: fold them into
        // the store before it is put aside, so the kept copy is whole.
        if (QFileInfo::exists(storePath + QStringLiteral("-wal")))
            withStore(storePath, [](QSqlDatabase &db) -> QString {
                QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
                return {};
            });
        keptAs = storePath + QStringLiteral(".replaced-") + now.toString(QStringLiteral("yyyyMMdd-hhmmss"));
        // Two restores within one second keep both stores they replaced.
        for (int n = 2; QFileInfo::exists(keptAs); ++n)
            keptAs = storePath + QStringLiteral(".replaced-%1-%2").arg(now.toString(QStringLiteral("yyyyMMdd-hhmmss"))).arg(n);
        if (!QFile::rename(storePath, keptAs))
            return refused(QStringLiteral("the store %1 could not be put aside.").arg(shown(storePath)));
        // What is left of its side files belongs to the store put aside.
        for (const QString &suffix : SideSuffixes)
            if (QFileInfo::exists(storePath + suffix) && !QFile::rename(storePath + suffix, keptAs + suffix))
                QFile::remove(storePath + suffix);
    }

    const QString incoming = removeWithSideFiles(storePath + QStringLiteral(".restoring"));
    const bool copied = QDir().mkpath(QFileInfo(storePath).absolutePath()) && QFile::copy(source, incoming) && flushToDisk(incoming) && QFile::rename(incoming, storePath);
    if (!copied) {
        removeWithSideFiles(incoming);
        if (!keptAs.isEmpty())
            QFile::rename(keptAs, storePath);
        return refused(QStringLiteral("%1 could not be copied into place; the store is as it was.").arg(shown(source)));
    }
    QFile::setPermissions(storePath, QFile::permissions(storePath) | QFile::WriteOwner);
    if (keptAs.isEmpty())
        return {true, QStringLiteral("Restored %1 as the store %2.").arg(shown(source), shown(storePath))};
    return {true, QStringLiteral("Restored %1 as the store %2; the replaced store is kept as %3.")
                      .arg(shown(source), shown(storePath), shown(keptAs))};
}

} // namespace Backup
