#include "StoreFile.h"

#include "Database.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace StoreFile {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return QStringLiteral("The store file \"%1\" cannot be used:\r\n%2\r\n\r\nThe program will now close.")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Runs each statement; returns the first error text, or empty.
QString runAll(QSqlQuery &q, const QStringList &statements)
{
    for (const QString &sql : statements)
        if (!q.exec(sql))
            return q.lastError().text();
    return {};
}

// Opens and removes a temporary connection around `work`.
template <typename Work>
QString withConnection(const QString &path, bool create, Work work)
{
    const QString name = QStringLiteral("videostore-prepare");
    QString error;
    {
        QSqlDatabase db = Database::openConnection(name, path, create, &error);
        if (error.isEmpty())
            error = work(name);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

Outcome createAt(const QString &path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return {false, false, failure(path, QStringLiteral("Its folder cannot be created."))};

    const QString building = path + QStringLiteral(".new");
    for (const QString &leftover : {building, building + "-wal", building + "-shm", building + "-journal"})
        QFile::remove(leftover);

    QString error = withConnection(building, true, [](const QString &name) { return createSchema(name); });
    if (error.isEmpty() && !QFile::rename(building, path))
        error = QStringLiteral("The new store file could not be moved into place.");
    if (!error.isEmpty()) {
        for (const QString &leftover : {building, building + "-wal", building + "-shm", building + "-journal"})
            QFile::remove(leftover);
        return {false, false, failure(path, error)};
    }
    return {true, true, {}};
}

Outcome openExisting(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {false, false, failure(path, QStringLiteral("It is not a file."))};
    if (!info.isReadable())
        return {false, false, failure(path, QStringLiteral("It cannot be read."))};

    const QString error = withConnection(path, false, [](const QString &name) -> QString {
        QSqlQuery q(QSqlDatabase::database(name, false));
        if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
            return q.lastError().text();
        QStringList present;
        while (q.next())
            present << q.value(0).toString().toLower();
        for (const QString &table : Schema::tableNames())
            if (!present.contains(table.toLower()))
                return QStringLiteral("It is not a Video Store database (the table %1 is missing).").arg(table);
        // Stores made before the lookup indexes existed get them here.
        return runAll(q, Schema::indexes());
    });
    if (!error.isEmpty())
        return {false, false, failure(path, error)};
    return {true, false, {}};
}

} // namespace

QString defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("video.db"));
}

QString createSchema(const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    QSqlQuery q(db);
    if (!db.transaction())
        return db.lastError().text();
    QString error = runAll(q, Schema::tables());
    if (error.isEmpty())
        error = runAll(q, Schema::seedRows());
    if (error.isEmpty())
        error = runAll(q, Schema::indexes());
    if (error.isEmpty())
        error = runAll(q, {QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version)});
    if (error.isEmpty() && !db.commit())
        error = db.lastError().text();
    if (!error.isEmpty())
        db.rollback();
    return error;
}

Outcome prepare(const QString &path)
{
    if (QFileInfo::exists(path))
        return openExisting(path);
    return createAt(path);
}

} // namespace StoreFile
