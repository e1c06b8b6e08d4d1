#include "ServerStore.h"

#include "ScopedConnection.h"

#include "data/Schema.h"
#include "data/StoreIntegrity.h"
#include "data/StoreLocation.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>


namespace ServerStore {

namespace {

// Held while a counter looks whether the database is empty and makes the
// store, so two counters starting at once do not both make it.
constexpr qint64 CreationLock = 0x56534d4b; // "VSMK"

} // namespace

QString serverText(const QSqlError &e)
{
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.driverText().trimmed();
    // The server's own prefix and the statement echo say nothing to a
    // manager, nor libpq's words before a refusal at login.
    if (const qsizetype fatal = text.lastIndexOf(QLatin1String("FATAL:")); fatal >= 0)
        text = text.mid(fatal + 6).trimmed();
    else if (text.startsWith(QLatin1String("ERROR:")))
        text = text.mid(6).trimmed();
    const qsizetype line = text.indexOf(QLatin1String("\nLINE "));
    if (line > 0)
        text = text.left(line);
    return text.simplified();
}

namespace {


// Runs each statement unprepared; the first error, or an invalid one.
QSqlError runAll(QSqlQuery &q, const QStringList &statements)
{
    for (const QString &sql : statements)
        if (!q.exec(sql))
            return q.lastError();
    return {};
}

// Why a server error stops the program from using the store, in a
// manager's words where there is something to do about it.
QString reason(const QSqlError &error, const QString &location)
{
    const QString detail = serverText(error);
    switch (classify(error)) {
    case DbError::Kind::Unreachable:
        return QCoreApplication::translate("ServerStore",
                                           "The database server cannot be reached (%1). Check that the server PC is "
                                           "on and reachable from this one, then start the program again.")
            .arg(detail);
    case DbError::Kind::LoginRefused:
        return QCoreApplication::translate("ServerStore",
                                           "The database server refused the login (%1). Check the user name in the "
                                           "store's address and the password in ~/.pgpass or PGPASSWORD.")
            .arg(detail);
    case DbError::Kind::NotAllowed:
        return QCoreApplication::translate("ServerStore",
                                           "The database server does not let this PC reach the database \"%1\": no "
                                           "line of the server's pg_hba.conf lets this user in from here (%2). Ask "
                                           "whoever keeps the server to add one for this database and reload the "
                                           "server, then start the program again.")
            .arg(refusedDatabase(error, location), detail);
    case DbError::Kind::ServerFull: {
        const int allowed = allowedConnections(location);
        return QCoreApplication::translate("ServerStore",
                                           "The database server has no free connection for this counter (%1). Close "
                                           "the program on a counter that is not in use, or ask whoever keeps the "
                                           "server to raise max_connections.")
            .arg(allowed > 0 ? QCoreApplication::translate("ServerStore", "it allows %1").arg(allowed)
                             : QCoreApplication::translate("ServerStore", "all it allows are in use"));
    }
    case DbError::Kind::DiskFull:
        return QCoreApplication::translate("ServerStore", "The disk of the database server is full (%1).").arg(detail);
    default:
        break;
    }
    return detail;
}

QStringList tablesIn(QSqlQuery &q, QSqlError *error)
{
    QStringList names;
    if (!q.exec(QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = "
                               "current_schema() AND table_type = 'BASE TABLE'"))) {
        *error = q.lastError();
        return names;
    }
    while (q.next())
        names << q.value(0).toString().toLower();
    return names;
}

using StoreFile::Column;

QList<Column> columnsOf(QSqlQuery &q, const QString &table)
{
    QList<Column> columns;
    q.prepare(QStringLiteral("SELECT column_name, is_nullable, column_default FROM information_schema.columns "
                             "WHERE table_schema = current_schema() AND table_name = ? ORDER BY ordinal_position"));
    q.addBindValue(table.toLower());
    if (!q.exec())
        return columns;
    while (q.next())
        columns.append({q.value(0).toString(), q.value(1).toString() == QLatin1String("NO") && q.value(2).isNull()});
    return columns;
}

// Why the database is not a usable store; empty when it is one.
QString checkStore(QSqlQuery &q, int *version, const QString &location)
{
    QSqlError error;
    const QStringList present = tablesIn(q, &error);
    if (error.isValid())
        return reason(error, location);
    if (present.isEmpty())
        return QCoreApplication::translate("ServerStore",
                                           "It holds no store yet; the program makes one there at its first start.");
    const QString versionTable = QString::fromLatin1(VersionTable);
    if (!present.contains(versionTable.toLower()))
        return QCoreApplication::translate("ServerStore",
                                           "It holds tables, but it is not a Video Store database (the table %1 is "
                                           "missing).")
            .arg(versionTable);
    if (!q.exec(QStringLiteral("SELECT Version FROM %1").arg(versionTable)) || !q.next())
        return QCoreApplication::translate("ServerStore", "Its version cannot be read (%1).")
            .arg(serverText(q.lastError()));
    *version = q.value(0).toInt();
    if (const QString newer = StoreFile::newerVersion(*version); !newer.isEmpty())
        return newer;
    if (const QString missing = StoreFile::missingFromStore(
            *version, present, [&q](const QString &table) { return columnsOf(q, table); });
        !missing.isEmpty())
        return missing;
    return {};
}

QStringList versionTable()
{
    return {QStringLiteral("CREATE TABLE %1 (Version INTEGER NOT NULL)").arg(QLatin1String(VersionTable)),
            QStringLiteral("INSERT INTO %1 (Version) VALUES (%2)").arg(QLatin1String(VersionTable)).arg(Schema::Version)};
}

// In an empty database, under the creation lock: every table, the seed
// rows, every step and the version. False with `made` unchanged when the
// database was not empty after all.
QSqlError createIfEmpty(const QSqlDatabase &db, bool *made)
{
    QSqlQuery q(db);
    QSqlError error = runAll(q, {QStringLiteral("BEGIN"),
                                 QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(CreationLock)});
    if (!error.isValid()) {
        const QStringList present = tablesIn(q, &error);
        if (!error.isValid() && present.isEmpty()) {
            error = Schema::create(db, Schema::Engine::PostgreSQL);
            if (!error.isValid())
                error = runAll(q, versionTable());
            *made = !error.isValid();
        }
    }
    if (!error.isValid())
        error = runAll(q, {QStringLiteral("COMMIT")});
    if (error.isValid()) {
        q.exec(QStringLiteral("ROLLBACK"));
        *made = false;
    }
    return error;
}

// Every step from the stored version on, in one transaction that holds the
// version table, so two counters starting at once upgrade it once; then any
// guard taken from the store put back, a note each in `notes`.
QSqlError upgrade(const QSqlDatabase &db, QStringList *notes)
{
    QSqlQuery q(db);
    const QString table = QString::fromLatin1(VersionTable);
    QSqlError error = runAll(q, {QStringLiteral("BEGIN"),
                                 QStringLiteral("LOCK TABLE %1 IN ACCESS EXCLUSIVE MODE").arg(table)});
    int from = Schema::Version;
    if (!error.isValid()) {
        if (!q.exec(QStringLiteral("SELECT Version FROM %1").arg(table)) || !q.next()) {
            error = q.lastError();
        } else {
            const int version = q.value(0).toInt();
            from = version;
            error = Schema::runSteps(db, version, Schema::Engine::PostgreSQL);
            if (!error.isValid() && version < Schema::Version)
                error = runAll(q, {QStringLiteral("UPDATE %1 SET Version = %2").arg(table).arg(Schema::Version)});
        }
    }
    if (!error.isValid())
        *notes = StoreIntegrity::restoreGuards(db, Schema::Engine::PostgreSQL, &error);
    if (!error.isValid())
        error = runAll(q, {QStringLiteral("COMMIT")});
    if (error.isValid())
        q.exec(QStringLiteral("ROLLBACK"));
    for (int step = from; step < Schema::Version && !error.isValid(); ++step)
        if (const QString note = Schema::upgradeNote(step); !note.isEmpty())
            qInfo("videostore: %s", qPrintable(note));
    return error;
}

// Any guard taken from a store of the current version put back; nothing is
// written, and no counter waits, while they are all in place.
QSqlError putGuardsBack(const QSqlDatabase &db, QStringList *notes)
{
    QSqlQuery q(db);
    QSqlError error = runAll(q, {QStringLiteral("BEGIN")});
    if (!error.isValid())
        *notes = StoreIntegrity::restoreGuards(db, Schema::Engine::PostgreSQL, &error);
    if (!error.isValid())
        error = runAll(q, {QStringLiteral("COMMIT")});
    if (error.isValid())
        q.exec(QStringLiteral("ROLLBACK"));
    return error;
}

// Why a counter's login, which may not change the tables, cannot bring the
// store up to date, and who can.
QString ownerUpgrades(QSqlQuery &q, int version, const QString &location)
{
    QString owner = QStringLiteral("OWNER");
    if (q.exec(QStringLiteral("SELECT tableowner FROM pg_tables WHERE schemaname = current_schema() AND "
                              "tablename = lower('%1')")
                   .arg(QLatin1String(VersionTable)))
        && q.next())
        owner = q.value(0).toString();
    return QCoreApplication::translate("ServerStore",
                                       "It is a store of version %1, and this program needs version %2, but this "
                                       "login may not change its tables. Have the database's owner bring it up "
                                       "to date, once:\n  videostore --setup-server %3")
        .arg(version)
        .arg(Schema::Version)
        .arg(StoreLocation::shown(StoreLocation::withUser(location, owner)));
}

} // namespace

QStringList creation()
{
    return Schema::creation(Schema::Engine::PostgreSQL) + versionTable();
}

QSqlDatabase openConnection(const QString &connectionName, const QString &location, QSqlError *error,
                            const QString &settings)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    auto refuse = [&](const QString &why) {
        if (error)
            *error = QSqlError(why, why, QSqlError::ConnectionError);
        return db;
    };
    if (!db.isValid())
        return refuse(QCoreApplication::translate("ServerStore",
                                                  "The PostgreSQL driver of Qt is not installed (Debian package "
                                                  "libqt6sql6-psql)."));
    QString problem;
    const auto server = StoreLocation::parseServer(location, &problem);
    if (!server)
        return refuse(QCoreApplication::translate("ServerStore", "The store's address is not usable: %1").arg(problem));
    db.setHostName(server->host);
    if (server->port > 0)
        db.setPort(server->port);
    db.setUserName(server->user);
    db.setDatabaseName(server->database);
    QStringList options = server->options;
    // A server that is off does not keep the counter waiting long, and a
    // dead network is noticed in seconds rather than hours.
    if (options.filter(QStringLiteral("connect_timeout=")).isEmpty())
        options << QStringLiteral("connect_timeout=4");
    if (options.filter(QStringLiteral("application_name=")).isEmpty())
        options << QStringLiteral("application_name=videostore");
    options << QStringLiteral("keepalives_idle=30") << QStringLiteral("keepalives_interval=5")
            << QStringLiteral("keepalives_count=3");
    db.setConnectOptions(options.join(u';'));
    // Sums of money come back exactly, as text, never through a double.
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    reopen(db, settings, error);
    return db;
}

bool reopen(QSqlDatabase &db, const QString &settings, QSqlError *error)
{
    if (!db.open()) {
        if (error)
            *error = db.lastError();
        return false;
    }
    QSqlQuery q(db);
    // A counter waits this long for another's write, then says so.
    if (!settings.isEmpty() && !q.exec(settings)) {
        if (error)
            *error = q.lastError();
        q = QSqlQuery();
        db.close();
        return false;
    }
    return true;
}

namespace {

QMutex allowedMutex;
QHash<QString, int> allowed;

} // namespace

int allowedConnections(const QString &location)
{
    const QMutexLocker lock(&allowedMutex);
    return allowed.value(location);
}

void noteAllowedConnections(const QString &location, int count)
{
    const QMutexLocker lock(&allowedMutex);
    allowed.insert(location, count);
}

DbError::Kind classify(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("40001") || code == QLatin1String("40P01") || code == QLatin1String("55P03"))
        return DbError::Kind::Busy;
    if (code == QLatin1String("53100"))
        return DbError::Kind::DiskFull;
    if (code == QLatin1String("53300"))
        return DbError::Kind::ServerFull;
    const QString text = error.databaseText() + u' ' + error.driverText();
    if (text.contains(QLatin1String("pg_hba.conf")))
        return DbError::Kind::NotAllowed;
    if (code.startsWith(QLatin1String("28")))
        return DbError::Kind::LoginRefused;
    if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") || code == QLatin1String("57P02")
        || code == QLatin1String("57P03"))
        return DbError::Kind::Unreachable;
    if (!code.isEmpty())
        return DbError::Kind::Other;
    // libpq's own failures carry no code: sorted by their text. A refusal
    // at login comes as a failed connection, so it is looked for first.
    for (const char *full : {"too many clients", "remaining connection slots are reserved"})
        if (text.contains(QLatin1String(full), Qt::CaseInsensitive))
            return DbError::Kind::ServerFull;
    for (const char *login : {"password authentication failed", "no password supplied", "authentication failed",
                              "role \""})
        if (text.contains(QLatin1String(login), Qt::CaseInsensitive))
            return DbError::Kind::LoginRefused;
    for (const char *gone : {"could not connect", "server closed the connection", "no connection to the server",
                             "connection to server", "could not translate host name", "timeout expired",
                             "terminating connection", "Connection refused", "could not send data",
                             "could not receive data", "connection not open", "Unable to connect",
                             "the database system is"})
        if (text.contains(QLatin1String(gone), Qt::CaseInsensitive))
            return DbError::Kind::Unreachable;
    return DbError::Kind::Other;
}

bool isComingBack(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("57P01") || code == QLatin1String("57P02") || code == QLatin1String("57P03"))
        return true;
    // At login libpq gives the server's words without their code.
    const QString text = error.databaseText() + u' ' + error.driverText();
    for (const char *state : {"the database system is", "terminating connection due to administrator command",
                              "terminating connection due to immediate shutdown",
                              "terminating connection because of crash"})
        if (text.contains(QLatin1String(state), Qt::CaseInsensitive))
            return true;
    return false;
}

bool isRetryable(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("40001") || code == QLatin1String("40P01") || code == QLatin1String("55P03");
}

QString changingOne(const QString &sql)
{
    // A division by zero, decided by the rows the write returns: a constant
    // one would be refused while the statement is planned.
    return QStringLiteral("WITH changed AS (%1 RETURNING 1) SELECT 1 / (COUNT(*) = 1)::int FROM changed").arg(sql);
}

QString refusedDatabase(const QSqlError &error, const QString &location)
{
    static const QRegularExpression named(QStringLiteral("database \"([^\"]*)\""));
    const QRegularExpressionMatch m = named.match(error.databaseText() + u' ' + error.driverText());
    if (m.hasMatch())
        return m.captured(1);
    const auto server = StoreLocation::parseServer(location);
    return server ? server->database : QString();
}

StoreFile::Outcome prepare(const QString &location)
{
    auto refused = [&](const QString &why) { return StoreFile::Outcome{false, false, failureMessage(location, why)}; };
    const ScopedConnection c("server-check", [&](const QString &name) {
        QSqlError error;
        openConnection(name, location, &error);
        return error;
    });
    if (!c.isOpen())
        return refused(reason(c.openError(), location));
    QSqlQuery q(c.db());
    bool made = false;
    if (const QSqlError error = createIfEmpty(c.db(), &made); error.isValid())
        return refused(reason(error, location));
    if (made)
        return {true, true, {}};
    int version = 0;
    if (const QString problem = checkStore(q, &version, location); !problem.isEmpty())
        return refused(problem);
    QStringList notes;
    if (version < Schema::Version) {
        if (const QSqlError error = upgrade(c.db(), &notes); error.isValid())
            return refused(error.nativeErrorCode() == QLatin1String("42501") ? ownerUpgrades(q, version, location)
                                                                            : reason(error, location));
    } else if (const QSqlError error = putGuardsBack(c.db(), &notes); error.isValid()) {
        // Another counter's long read, or a login that may not make
        // triggers: the counter works on, and the manager is told.
        notes << QCoreApplication::translate("ServerStore",
                                             "the guards taken from the store could not be put back (%1)")
                     .arg(reason(error, location));
    }
    return {true, false, {}, notes};
}

StoreFile::Inspection inspect(const QString &location)
{
    const ScopedConnection c("server-check", [&](const QString &name) {
        QSqlError error;
        openConnection(name, location, &error);
        return error;
    });
    if (!c.isOpen())
        return {QCoreApplication::translate("ServerStore", "It cannot be opened: %1")
            .arg(reason(c.openError(), location)), 0};
    QSqlQuery q(c.db());
    StoreFile::Inspection out;
    // One snapshot, and nothing written.
    q.exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
    out.problem = checkStore(q, &out.version, location);
    q.exec(QStringLiteral("ROLLBACK"));
    return out;
}

QString failureMessage(const QString &location, const QString &reason)
{
    return QCoreApplication::translate("ServerStore",
                                       "The store database \"%1\" cannot be used:\r\n%2\r\n\r\nThe program will now "
                                       "close.")
        .arg(StoreLocation::shown(location), reason);
}

QString backupCommand(const QString &location)
{
    return QStringLiteral("pg_dump --format=custom --file=video-$(date +%F).dump '%1'")
        .arg(StoreLocation::shown(location));
}

} // namespace ServerStore
