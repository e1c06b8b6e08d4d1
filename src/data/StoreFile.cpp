#include "StoreFile.h"

#include <QCoreApplication>

#include "Database.h"
#include "OutputFile.h"
#include "Schema.h"
#include "ScopedConnection.h"
#include "StoreIntegrity.h"
#include "StoreLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StoreFile {

namespace {

const QStringList SideSuffixes = {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};
// SQLite's answer for a file that is not one of its databases.
constexpr int SqliteNotADatabase = 26;
constexpr QFileDevice::Permissions OwnerOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Runs each statement; returns the first error, or an invalid one.
QSqlError runAll(QSqlQuery &q, const QStringList &statements)
{
    for (const QString &sql : statements)
        if (!q.exec(sql))
            return q.lastError();
    return {};
}

// The reason given for an engine error at start-up, in the user's words
// where there is something to do about it.
QString engineReason(const QSqlError &error, const QString &path)
{
    switch (DbError::classify(error, path)) {
    case DbError::Kind::DiskFull:
        return QCoreApplication::translate("StoreFile",
                                           "The disk holding it is full. Free some space on that disk, then start the "
                                           "program again.");
    case DbError::Kind::ReadOnly:
        return QCoreApplication::translate("StoreFile", "It is read-only.");
    case DbError::Kind::Busy:
        return QCoreApplication::translate("StoreFile",
                                           "Another program keeps it locked. Close that program, then start this one "
                                           "again.");
    default:
        break;
    }
    const QString db = error.databaseText().trimmed();
    return db.isEmpty() ? error.text().trimmed() : db;
}

QList<Column> columnsOf(QSqlQuery &q, const QString &table)
{
    QList<Column> columns;
    q.prepare(QStringLiteral("SELECT name, \"notnull\", dflt_value, pk FROM pragma_table_info(?)"));
    q.addBindValue(table);
    if (!q.exec())
        return columns;
    while (q.next())
        columns.append({q.value(0).toString(), q.value(1).toInt() != 0 && q.value(2).isNull() && q.value(3).toInt() == 0});
    return columns;
}

} // namespace

// Read from a scratch database built by the same statements, so there is no
// second list to keep. A store from before a step lacks what the step adds.
Tables expectedColumns(int version)
{
    // The daily copy checks its file on a thread of its own.
    static QMutex mutex;
    static QHash<int, Tables> byVersion;
    const QMutexLocker lock(&mutex);
    const auto known = byVersion.constFind(version);
    if (known != byVersion.constEnd())
        return *known;
    Tables out;
    const QString name = ScopedConnection::uniqueName("schema");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (db.open()) {
            QSqlQuery q(db);
            QStringList statements = Schema::tables();
            for (int step = 0; step < version; ++step)
                statements += Schema::upgrade(step, Schema::Engine::SQLite);
            runAll(q, statements);
            QStringList tables;
            if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                                      "'sqlite%' ORDER BY rowid")))
                while (q.next())
                    tables << q.value(0).toString();
            for (const QString &table : tables) {
                QStringList names;
                for (const Column &c : columnsOf(q, table))
                    names << c.name;
                out.append({table, names});
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return *byVersion.insert(version, out);
}

QString newerVersion(int version)
{
    if (version <= Schema::Version)
        return {};
    return QCoreApplication::translate("StoreFile",
                                       "It was made by a newer version of Video Store (store version %1; this program "
                                       "knows versions up to %2). Use the newer program with it.")
        .arg(version)
        .arg(Schema::Version);
}

QString missingFromStore(int version, const QStringList &present,
                         const std::function<QList<Column>(const QString &table)> &columnsOf)
{
    for (const auto &[table, expectedNames] : expectedColumns(version)) {
        if (!present.contains(table.toLower()))
            return QCoreApplication::translate("StoreFile",
                                               "It is not a Video Store database (the table %1 is missing).")
                .arg(table);
        const QList<Column> columns = columnsOf(table);
        QStringList names;
        for (const Column &c : columns)
            names << c.name.toLower();
        QStringList known;
        for (const QString &expected : expectedNames) {
            known << expected.toLower();
            if (!names.contains(expected.toLower()))
                return QCoreApplication::translate("StoreFile",
                                                   "It is not a complete Video Store database (the table %1 has no "
                                                   "column %2).")
                    .arg(table, expected);
        }
        // A column this program does not know and would have to fill would
        // make every one of its writes to that table fail.
        for (const Column &c : columns)
            if (c.required && !known.contains(c.name.toLower()))
                return QCoreApplication::translate("StoreFile",
                                                   "Its table %1 has a column %2 that this program does not know and "
                                                   "cannot fill. It was probably made by a newer version of Video "
                                                   "Store.")
                    .arg(table, c.name);
    }
    return {};
}

namespace {

QString checkStore(QSqlQuery &q, Depth depth, int *version)
{
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        bool numeric = false;
        if ((q.lastError().nativeErrorCode().toInt(&numeric) & 0xff) == SqliteNotADatabase && numeric)
            return QCoreApplication::translate("StoreFile", "It is not a database.");
        return QCoreApplication::translate("StoreFile", "It is not a database (%1).").arg(q.lastError().databaseText());
    }
    *version = q.value(0).toInt();
    if (const QString newer = StoreFile::newerVersion(*version); !newer.isEmpty())
        return newer;

    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return QCoreApplication::translate("StoreFile", "It is not a database (%1).").arg(q.lastError().databaseText());
    QStringList present;
    while (q.next())
        present << q.value(0).toString().toLower();
    if (const QString missing =
            missingFromStore(*version, present, [&q](const QString &table) { return columnsOf(q, table); });
        !missing.isEmpty())
        return missing;

    if (depth != Depth::Tables) {
        if (!q.exec(depth == Depth::Pages ? QStringLiteral("PRAGMA quick_check")
                                          : QStringLiteral("PRAGMA integrity_check")))
            return QCoreApplication::translate("StoreFile", "It is damaged (%1).").arg(q.lastError().databaseText());
        QStringList findings;
        while (q.next() && findings.size() < 5)
            findings << q.value(0).toString();
        if (findings != QStringList{QStringLiteral("ok")})
            return QCoreApplication::translate("StoreFile", "It is damaged: %1")
                .arg(findings.join(QStringLiteral("; ")));
    }
    return {};
}

Outcome refused(const QString &path, const QString &reason)
{
    return {false, false, failureMessage(path, reason)};
}

Outcome createAt(const QString &path)
{
    const QFileInfo info(path);
    if (!makeFolder(info.absolutePath()))
        return refused(path, QCoreApplication::translate("StoreFile", "Its folder cannot be created."));

    // Another program making the store at this moment is waited for, and
    // its store used.
    Aside building(path + QStringLiteral(".new"));
    QString error;
    if (const int failure = building.claim(StoreLock::RestoreWaitMs))
        error = failure == ENOSPC ? QCoreApplication::translate("StoreFile",
                                                                "The disk holding it is full. Free some space on that "
                                                                "disk, then start the program again.")
                                  : QCoreApplication::translate("StoreFile",
                                                                "The new store file cannot be made there.");
    if (error.isEmpty() && QFileInfo::exists(path))
        return {true, false, {}};
    if (error.isEmpty()) {
        const QString name = ScopedConnection::uniqueName("create");
        {
            QSqlDatabase db = Database::openConnection(name, building.path(), true, &error);
            if (error.isEmpty())
                error = createSchema(name);
            // Everything into the file itself before it takes the store's
            // name: its -wal stays behind with the .new name.
            if (error.isEmpty()) {
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")))
                    error = q.lastError().databaseText();
                else if (q.next() && q.value(0).toInt() != 0)
                    error = QCoreApplication::translate("StoreFile", "The new store could not be written through.");
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        if (error.isEmpty() && QFileInfo::exists(building.path() + QStringLiteral("-wal")))
            error = QCoreApplication::translate("StoreFile", "The new store could not be written through.");
        if (!error.isEmpty())
            error = engineReason(QSqlError(QString(), error), path);
    }
    if (!error.isEmpty())
        return refused(path, error);
    // Never over a store that appeared meanwhile (a restore): that one is
    // used instead.
    const int failure = building.place(path, false);
    if (failure == EEXIST)
        return {true, false, {}};
    if (failure != 0)
        return refused(path, QCoreApplication::translate("StoreFile",
                                                         "The new store file could not be moved into place."));
    return {true, true, {}};
}

// What an unfinished restore leaves beside a store's name: the store it
// replaced, and its incoming copy.
QString restoreLeftovers(const QString &path)
{
    const QFileInfo info(path);
    QStringList replaced;
    for (const QString &name : info.absoluteDir().entryList({info.fileName() + QStringLiteral(".replaced-*")},
                                                            QDir::Files, QDir::Name)) {
        if (!name.endsWith(QLatin1String("-wal")) && !name.endsWith(QLatin1String("-shm"))
            && !name.endsWith(QLatin1String("-journal")))
            replaced << name;
    }
    const bool restoring = QFileInfo::exists(path + QStringLiteral(".restoring"));
    if (replaced.isEmpty() && !restoring)
        return {};
    QStringList found;
    for (const QString &name : replaced)
        found << QCoreApplication::translate("StoreFile", "\"%1\" (the store a restore replaced)").arg(name);
    if (restoring)
        found << QCoreApplication::translate("StoreFile",
                                             "\"%1.restoring\" (a restore's incoming copy, perhaps not complete)")
                     .arg(info.fileName());
    QString text = QCoreApplication::translate("StoreFile",
                                               "It is missing, and beside its name is what a restore left: %1. The "
                                               "program does not make a new, empty store in its place.")
                       .arg(found.join(QStringLiteral(", ")));
    if (!replaced.isEmpty())
        text += QCoreApplication::translate("StoreFile", " To undo the restore, rename \"%1\" to \"%2\".")
            .arg(replaced.last(), info.fileName());
    text += QCoreApplication::translate("StoreFile",
                                        " To finish it, run: videostore --store \"%1\" --restore <the backup to "
                                        "restore>. Then start the program again.")
                .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
    return text;
}

// The store and the engine's files beside it for the owner alone: they hold
// names, addresses, phone, licence and card numbers.
void tighten(const QString &path)
{
    auto tightenOne = [](const QString &file) {
        struct stat st;
        if (::stat(QFile::encodeName(file).constData(), &st) != 0 || (st.st_mode & 077) == 0)
            return;
        if (::chmod(QFile::encodeName(file).constData(), st.st_mode & 0700) == 0)
            qInfo("videostore: %s could be read by other users; it is now for its owner alone",
                  qPrintable(QDir::toNativeSeparators(file)));
    };
    tightenOne(path);
    for (const QString &suffix : SideSuffixes)
        tightenOne(path + suffix);
    // The program's own folder too; a folder chosen with --store is the user's.
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(defaultPath()).absoluteFilePath())
        tightenOne(QFileInfo(path).absolutePath());
}

// Brings an accepted store up to date, puts back any guard taken from it
// (a note each in `notes`) and switches it to the WAL journal: the first
// writes the program makes to it.
QString upgradeAndSwitch(const QString &path, QStringList *notes)
{
    QSqlError error;
    {
        const ScopedConnection c(
            "upgrade", [&](const QString &name) { return ScopedConnection::openFile(name, path, QStringLiteral("mode=rw"), false); });
        if (!c.isOpen()) {
            error = c.openError();
        } else {
            QSqlQuery q(c.db());
            int version = Schema::Version;
            // Every step in one transaction: a store is at one version or the next, never between.
            error = runAll(q, {QStringLiteral("BEGIN IMMEDIATE")});
            if (!error.isValid()) {
                version = q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
                error = Schema::runSteps(c.db(), version, Schema::Engine::SQLite);
                if (!error.isValid() && version < Schema::Version)
                    error = runAll(q, {QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version)});
                if (!error.isValid())
                    *notes = StoreIntegrity::restoreGuards(c.db(), Schema::Engine::SQLite, &error);
                if (!error.isValid())
                    error = runAll(q, {QStringLiteral("COMMIT")});
                else
                    q.exec(QStringLiteral("ROLLBACK"));
                for (int step = version; step < Schema::Version && !error.isValid(); ++step)
                    if (const QString note = Schema::upgradeNote(step); !note.isEmpty())
                        qInfo("videostore: %s: %s", qPrintable(QDir::toNativeSeparators(path)), qPrintable(note));
            }
            if (!error.isValid())
                error = runAll(q, {QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=FULL")});
            // What a step overwrote (whole card numbers) goes from the working
            // file as well.
            if (!error.isValid() && version < Schema::Version)
                q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        }
    }
    if (!error.isValid())
        return {};
    return engineReason(error, path);
}

} // namespace

bool makeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    return QDir().mkpath(folder) && QFile::setPermissions(folder, OwnerOnlyFolder);
}

QString defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("video.db"));
}

QString failureMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("StoreFile",
                                       "The store file \"%1\" cannot be used:\r\n%2\r\n\r\nThe program will now close.")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString createSchema(const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    QSqlQuery q(db);
    if (!db.transaction())
        return db.lastError().text();
    QSqlError error = Schema::create(db, Schema::Engine::SQLite);
    if (!error.isValid())
        error = runAll(q, {QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version)});
    if (!error.isValid() && !db.commit())
        error = db.lastError();
    if (error.isValid()) {
        db.rollback();
        return error.text();
    }
    return {};
}

Inspection inspect(const QString &path, Depth depth)
{
    Inspection out;
    const QFileInfo info(path);
    if (!info.exists()) {
        const QString leftovers = restoreLeftovers(path);
        return {leftovers.isEmpty() ? QCoreApplication::translate("StoreFile",
                                                                  "There is no such file.") : leftovers, 0};
    }
    if (!info.isFile())
        return {QCoreApplication::translate("StoreFile", "It is not a file."), 0};
    // Only the engine opens the file: closing a descriptor of our own would
    // drop the locks the engine holds on it in this process.
    if (!info.isReadable())
        return {QCoreApplication::translate("StoreFile", "It cannot be read."), 0};
    if (info.size() == 0)
        return {QCoreApplication::translate("StoreFile", "It is empty."), 0};

    const QSqlError failed = readOnly(path, [&](const QSqlDatabase &db) {
        QSqlQuery q(db);
        out.problem = checkStore(q, depth, &out.version);
    });
    if (failed.isValid())
        out.problem = QCoreApplication::translate("StoreFile", "It cannot be opened (%1).")
            .arg(engineReason(failed, path));
    return out;
}

QSqlError readOnly(const QString &path, const std::function<void(const QSqlDatabase &db)> &work)
{
    // A working file the connection makes is left to the engine: another
    // program may have opened it meanwhile.
    QSqlError failed;
    {
        const ScopedConnection c("check", [&](const QString &name) {
            return ScopedConnection::openFile(name, path, ScopedConnection::readOnlyQuery(path), true);
        });
        if (c.isOpen())
            work(c.db());
        else
            failed = c.openError();
    }
    return failed;
}

Aside::~Aside()
{
    if (m_fd < 0)
        return;
    QFile::remove(m_path);
    for (const QString &suffix : SideSuffixes)
        QFile::remove(m_path + suffix);
    ::close(m_fd);
}

int Aside::claim(int waitMs)
{
    const QByteArray name = QFile::encodeName(m_path);
    const QDeadlineTimer deadline(waitMs);
    for (int moved = 0; m_fd < 0;) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            if (deadline.hasExpired())
                return EWOULDBLOCK;
            QThread::msleep(20);
            continue;
        }
        // Another builder put its file in place between the open and the
        // lock: the name is free again.
        struct stat held, named;
        if (::fstat(fd, &held) != 0 || ::stat(name.constData(), &named) != 0 || held.st_dev != named.st_dev
            || held.st_ino != named.st_ino) {
            ::close(fd);
            if (++moved > 20)
                return EWOULDBLOCK;
            continue;
        }
        m_fd = fd;
    }
    for (const QString &suffix : SideSuffixes)
        if (!QFile::remove(m_path + suffix) && QFileInfo::exists(m_path + suffix))
            return EACCES;
    if (::ftruncate(m_fd, 0) != 0 || ::fchmod(m_fd, 0600) != 0)
        return errno;
    return 0;
}

int Aside::sync() const
{
    if (m_fd < 0)
        return EBADF;
    return ::fsync(m_fd) == 0 ? 0 : errno;
}

int Aside::place(const QString &target, bool replace)
{
    if (m_fd < 0)
        return EBADF;
    int failure = 0;
    if (replace)
        failure = ::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(target).constData()) == 0 ? 0 : errno;
    else
        failure = OutputFile::renameNoReplace(m_path, target);
    if (failure != 0)
        return failure;
    OutputFile::syncFolder(target);
    ::close(m_fd);
    m_fd = -1;
    return 0;
}

int makePrivateFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

QString writeProblem(const QString &path)
{
    // Write bits are looked at as well as access, so that a file marked
    // read-only is refused even for an administrator who could write it.
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QFileInfo file(path);
    if (file.exists() && (!file.isWritable() || !(file.permissions() & anyWrite)))
        return QCoreApplication::translate("StoreFile",
                                           "It is read-only. Make it writable, then start the program again.");
    const QFileInfo folder(file.absolutePath());
    if (!folder.isWritable() || !(folder.permissions() & anyWrite))
        return QCoreApplication::translate("StoreFile",
                                           "Its folder \"%1\" is read-only, and the program keeps working files "
                                           "beside the store. Make the folder writable, then start the program again.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return {};
}

Outcome prepare(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        const QString leftovers = restoreLeftovers(path);
        if (!leftovers.isEmpty())
            return refused(path, leftovers);
        const Outcome created = createAt(path);
        if (!created.ok || created.created)
            return created;
    }
    QString reason = inspect(path).problem;
    if (reason.isEmpty())
        tighten(path);
    if (reason.isEmpty())
        reason = writeProblem(path);
    QStringList notes;
    if (reason.isEmpty())
        reason = upgradeAndSwitch(path, &notes);
    if (!reason.isEmpty())
        return refused(path, reason);
    return {true, false, {}, notes};
}

} // namespace StoreFile
