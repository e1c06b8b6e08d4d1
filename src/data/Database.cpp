#include "Database.h"

#include "ScopedConnection.h"
#include "ServerConnection.h"
#include "ServerStore.h"
#include "StoreLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStorageInfo>
#include <QUrl>

namespace {


// SQLite's primary result codes that a clerk can act on.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteIoErr = 10;
constexpr int SqliteFull = 13;

// Below this much free space a bare I/O error is taken for a full disk.
constexpr qint64 NearlyFull = 1024 * 1024;

constexpr qint64 ComeBackSeconds = ServerConnection::ComeBackWait.count();

} // namespace

QString Database::engineText(const QSqlError &e)
{
    QString db = e.databaseText().trimmed();
    if (db.isEmpty())
        return e.text().trimmed();
    // A server's text: without its level, the statement's echo and the code.
    if (db.startsWith(QLatin1String("ERROR:")) || db.startsWith(QLatin1String("FATAL:"))) {
        db = db.mid(6);
        for (const char *tail : {"\nLINE ", "\n("})
            if (const qsizetype at = db.indexOf(QLatin1String(tail)); at > 0)
                db = db.left(at);
        db = db.simplified();
    }
    return db;
}

bool Database::isWrite(const QString &sql)
{
    qsizetype i = 0;
    while (i < sql.size() && sql.at(i).isSpace())
        ++i;
    const QStringView word = QStringView(sql).mid(i, 7);
    for (const char *w : {"INSERT", "UPDATE", "DELETE", "REPLACE"})
        if (word.startsWith(QLatin1String(w), Qt::CaseInsensitive))
            return true;
    return false;
}

DbError::Kind DbError::classify(const QSqlError &error, const QString &storePath)
{
    if (StoreLocation::isServer(storePath))
        return ServerStore::classify(error);
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xff;
    const QString text = error.databaseText();
    if ((numeric && code == SqliteFull) || text.contains(QLatin1String("disk is full")))
        return Kind::DiskFull;
    if ((numeric && (code == SqliteBusy || code == SqliteLocked)) || text.contains(QLatin1String("is locked")))
        return Kind::Busy;
    if ((numeric && code == SqliteReadOnly) || text.contains(QLatin1String("readonly database")))
        return Kind::ReadOnly;
    if (((numeric && code == SqliteIoErr) || text.contains(QLatin1String("disk I/O error"))) && !storePath.isEmpty()) {
        const QStorageInfo disk(QFileInfo(storePath).absolutePath());
        if (disk.isValid() && disk.bytesAvailable() < NearlyFull)
            return Kind::DiskFull;
    }
    return Kind::Other;
}

QString DbError::clerkText() const
{
    switch (kind) {
    case Kind::Conflict:
        return detail;
    case Kind::DiskFull:
        return QCoreApplication::translate("DbError",
                                           "The disk holding the store is full, so the store database could not %1. "
                                           "Nothing of it was saved.\r\n\r\nFree some space on that disk, then try "
                                           "again.")
            .arg(action);
    case Kind::Busy:
        return QCoreApplication::translate("DbError",
                                           "Another counter is saving; try again in a moment.\r\n\r\nThe store "
                                           "database could not %1 because another program kept the store locked. "
                                           "Nothing of it was saved.")
            .arg(action);
    case Kind::ReadOnly:
        return QCoreApplication::translate("DbError",
                                           "The store file is read-only, so the store database could not %1. Nothing "
                                           "of it was saved.\r\n\r\nAsk the manager to make the store file and its "
                                           "folder writable, then try again.")
            .arg(action);
    case Kind::Unreachable:
        return QCoreApplication::translate("DbError",
                                           "The store's database server cannot be reached, so the store database "
                                           "could not %1. Nothing of it was saved.\r\n\r\nCheck that the server PC is "
                                           "on and connected, then try again.\r\n\r\n%2")
            .arg(action, detail);
    case Kind::LoginRefused:
        return QCoreApplication::translate("DbError",
                                           "The store's database server refused this counter's login, so the store "
                                           "database could not %1. Nothing of it was saved.\r\n\r\nAsk the manager to "
                                           "check this counter's user name and password.\r\n\r\n%2")
            .arg(action, detail);
    case Kind::ServerFull:
        return QCoreApplication::translate("DbError",
                                           "The database server has no free connection for this counter (%2), so the "
                                           "store database could not %1. Nothing of it was saved.\r\n\r\nClose the "
                                           "program on a counter that is not in use, or ask whoever keeps the server "
                                           "to raise max_connections.")
            .arg(action, detail);
    case Kind::NotAllowed:
        return QCoreApplication::translate("DbError",
                                           "The database server does not let this counter reach the database \"%2\": "
                                           "no line of the server's pg_hba.conf lets it in, so the store database "
                                           "could not %1. Nothing of it was saved.\r\n\r\nAsk whoever keeps the "
                                           "server to add a line for this database and this PC to pg_hba.conf and to "
                                           "reload the server, then try again.")
            .arg(action, detail);
    case Kind::Restarting:
        return QCoreApplication::translate("DbError",
                                           "The store's database server was still restarting or recovering after %1 "
                                           "seconds, so the store database could not %2. Nothing of it was saved."
                                           "\r\n\r\nTry again in a moment.\r\n\r\nThe server said: %3")
            .arg(ComeBackSeconds)
            .arg(action, detail);
    case Kind::Waited:
        return QCoreApplication::translate("DbError",
                                           "Other counters were saving for all of the %2 seconds this counter waited "
                                           "for its turn, so the store database could not %1. Nothing of it was "
                                           "saved.\r\n\r\nTry again in a moment. If this keeps happening, a counter "
                                           "may be stuck while saving: close the program there.")
            .arg(action, detail);
    case Kind::FilesLost:
        return QCoreApplication::translate("DbError",
                                           "%1, so the store database could not %2. Nothing of it was saved; what was "
                                           "entered is still in the window (a checkout stays in the bill).\r\n\r\n"
                                           "The store must be closed everywhere and opened again: close this program "
                                           "and every other program using the store, then start the program again "
                                           "and save it once more. Until then this program saves nothing.")
            .arg(detail, action);
    case Kind::Other:
        break;
    }
    return QCoreApplication::translate("DbError", "The store database could not %1.\r\n\r\n%2").arg(action, detail);
}

QString DbError::clerkText(const QString &notSaved) const
{
    switch (kind) {
    case Kind::Unreachable:
        return QCoreApplication::translate("DbError",
                                           "%1: the store's database server cannot be reached (%2).\r\n\r\nCheck "
                                           "that the server PC is on and connected, then try again.")
            .arg(notSaved, detail);
    case Kind::Restarting:
        return QCoreApplication::translate("DbError",
                                           "%1: the store's database server was still restarting or recovering after "
                                           "%2 seconds (the server said: %3).\r\n\r\nTry again in a moment.")
            .arg(notSaved)
            .arg(ComeBackSeconds)
            .arg(detail);
    default:
        return clerkText();
    }
}

QSqlDatabase Database::openConnection(const QString &connectionName, const QString &path, bool create,
                                      QString *error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    // A URI with mode=rw keeps SQLite from making an empty file where the
    // store should already be.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(create ? QStringLiteral("mode=rwc") : QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        if (error)
            *error = engineText(db.lastError());
        return db;
    }
    QSqlQuery q(db);
    for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"}) {
        if (!q.exec(QString::fromLatin1(pragma))) {
            if (error)
                *error = engineText(q.lastError());
            q = QSqlQuery();
            db.close();
            return db;
        }
    }
    return db;
}

QSqlDatabase Database::connect(const QString &connectionName, const QString &location, QString *error)
{
    if (!StoreLocation::isServer(location))
        return openConnection(connectionName, location, false, error);
    QSqlError e;
    QSqlDatabase db = ServerStore::openConnection(connectionName, location, &e);
    if (e.isValid() && error)
        *error = engineText(e);
    return db;
}

Database::Database(const QString &path)
    : m_path(path)
    , m_name(ScopedConnection::uniqueName("window"))
    , m_engine(StoreLocation::isServer(path) ? Schema::Engine::PostgreSQL : Schema::Engine::SQLite)
{
    if (m_engine == Schema::Engine::PostgreSQL)
        serverOpen();
    else
        open();
}

bool Database::isOpen() const
{
    if (m_engine == Schema::Engine::PostgreSQL)
        return m_shared && m_shared->isOpen();
    return m_db.isOpen();
}

bool Database::open()
{
    QString error;
    m_db = openConnection(m_name, m_path, false, &error);
    if (!m_db.isOpen())
        return fail(QCoreApplication::translate("DbError", "open the store file %1").arg(m_path), error);
    // The connection opens its -wal and -shm at its first read: the files
    // watched are the ones it holds.
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA schema_version"));
    m_files = WorkingFiles::of(m_path);
    return true;
}

bool Database::ensureOpen(const QString &action)
{
    if (m_db.isOpen())
        return true;
    return fail(action, QStringLiteral("The store file %1 is not open.").arg(m_path));
}

Database::~Database()
{
    if (m_held)
        releaseSession(true);
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool Database::fail(const QString &action, const QString &detail)
{
    m_error = {action, detail};
    m_retryable = false;
    return false;
}

bool Database::conflict(const QString &action, const QString &message, const QString &title)
{
    m_error = {action, message, DbError::Kind::Conflict, title};
    m_retryable = false;
    return false;
}

bool Database::filesIntact(const QString &action)
{
    if (m_files.intact())
        return true;
    m_error = {action, m_files.lostReason(), DbError::Kind::FilesLost};
    return false;
}

bool Database::failWith(const QString &action, const QSqlError &error)
{
    m_error = {action, engineText(error), DbError::classify(error, m_path)};
    m_retryable = m_engine == Schema::Engine::PostgreSQL && ServerStore::isRetryable(error);
    return false;
}

std::optional<QSqlQuery> Database::run(const QString &action, const QString &sql, const QVariantList &values)
{
    // A server's rows are all fetched at once, so that another statement
    // may run while they are read.
    if (m_engine == Schema::Engine::PostgreSQL)
        return serverExecute(action, sql, values, false);
    return execute(action, sql, values, true);
}

std::optional<QSqlQuery> Database::stream(const QString &action, const QString &sql, const QVariantList &values)
{
    if (m_engine == Schema::Engine::PostgreSQL)
        return serverExecute(action, sql, values, true);
    return execute(action, sql, values, true);
}

std::optional<QSqlQuery> Database::execute(const QString &action, const QString &sql, const QVariantList &values,
                                           bool forwardOnly)
{
    if (!ensureOpen(action))
        return std::nullopt;
    // A write outside a transaction is checked as a transaction is.
    if (!m_inTransaction && isWrite(sql) && !filesIntact(action))
        return std::nullopt;
    QSqlQuery q(m_db);
    q.setForwardOnly(forwardOnly);
    if (!q.prepare(sql)) {
        failWith(action, q.lastError());
        return std::nullopt;
    }
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        failWith(action, q.lastError());
        return std::nullopt;
    }
    return q;
}

bool Database::runTogether(const QList<Statement> &statements, QList<QSqlQuery> *results, QList<int> *changed)
{
    results->clear();
    bool done = true;
    if (m_engine == Schema::Engine::PostgreSQL) {
        done = serverTogether(statements, results, false);
    } else {
        for (const Statement &s : statements) {
            auto q = execute(s.action, s.sql, s.values, true);
            if (!q) {
                done = false;
                break;
            }
            // A file's count is its connection's last, so it is taken now.
            if (changed)
                changed->append(q->numRowsAffected());
            results->append(std::move(*q));
        }
        return done;
    }
    if (changed)
        for (const QSqlQuery &q : std::as_const(*results))
            changed->append(q.numRowsAffected());
    return done;
}

bool Database::finishTogether(const QList<Statement> &statements, qsizetype *unmet)
{
    *unmet = -1;
    QList<QSqlQuery> results;
    if (m_engine == Schema::Engine::PostgreSQL) {
        const bool done = serverTogether(statements, &results, true);
        // The server refused the first write that did not change its row.
        if (!done && m_errorCode == QLatin1String(ServerStore::UnmetState) && results.size() < statements.size()
            && statements[results.size()].changesOne)
            *unmet = results.size();
        return done;
    }
    QList<int> changed;
    const bool done = runTogether(statements, &results, &changed);
    // The first re-check that failed is the cause, also of a failure after it.
    for (qsizetype i = 0; i < changed.size(); ++i)
        if (statements[i].changesOne && changed[i] != 1) {
            *unmet = i;
            return false;
        }
    return done;
}

std::optional<int> Database::change(const QString &action, const QString &sql, const QVariantList &values)
{
    const auto q = run(action, sql, values);
    if (!q)
        return std::nullopt;
    return q->numRowsAffected();
}

std::optional<QVariant> Database::scalar(const QString &action, const QString &sql, const QVariantList &values)
{
    auto q = run(action, sql, values);
    if (!q)
        return std::nullopt;
    if (!q->next()) {
        if (q->lastError().isValid()) {
            failWith(action, q->lastError());
            return std::nullopt;
        }
        return QVariant();
    }
    return q->value(0);
}

bool Database::transaction(const QString &action, const std::function<bool()> &body)
{
    if (m_engine == Schema::Engine::PostgreSQL)
        return serverTransaction(action, body);
    // IMMEDIATE takes the write lock up front, so a busy store fails before
    // any of the work is done rather than halfway.
    if (!run(action, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    m_inTransaction = true;
    // Checked once the write lock is held, so nothing is written after.
    const bool done = filesIntact(action) && body() && run(action, QStringLiteral("COMMIT"));
    m_inTransaction = false;
    if (done)
        return true;
    const DbError cause = m_error;
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    m_error = cause;
    return false;
}

bool Database::beginSnapshot(const QString &action, Reading reading)
{
    if (m_engine == Schema::Engine::PostgreSQL)
        return serverSnapshot(action);
    if (reading == Reading::OnePass) {
        // Each page is read once: a cache for the tables looked up along
        // the way, and no mapping, whose pages would all stay resident.
        run(action, QStringLiteral("PRAGMA cache_size = -8192"));
        run(action, QStringLiteral("PRAGMA mmap_size = 0"));
        return run(action, QStringLiteral("BEGIN")).has_value();
    }
    // A report reads much of the file once: a larger cache and mapped reads
    // spare a system call per page read.
    run(action, QStringLiteral("PRAGMA cache_size = -65536"));
    run(action, QStringLiteral("PRAGMA mmap_size = 1073741824"));
    return run(action, QStringLiteral("BEGIN")).has_value();
}

void Database::endSnapshot()
{
    if (m_engine == Schema::Engine::PostgreSQL) {
        releaseSession(true);
        return;
    }
    m_inTransaction = false;
    if (m_db.isOpen())
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
}
