#include "Database.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStorageInfo>
#include <QUrl>

#include <atomic>

namespace {

QString connectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("videostore-%1").arg(++counter);
}

QString errorText(const QSqlError &e)
{
    const QString db = e.databaseText().trimmed();
    return db.isEmpty() ? e.text().trimmed() : db;
}

// SQLite's primary result codes that a clerk can act on.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteIoErr = 10;
constexpr int SqliteFull = 13;

// INSERT, UPDATE, DELETE or REPLACE: the statements that write.
bool isWrite(const QString &sql)
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

// Below this much free space a bare I/O error is taken for a full disk.
constexpr qint64 NearlyFull = 1024 * 1024;

} // namespace

DbError::Kind DbError::classify(const QSqlError &error, const QString &storePath)
{
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
        return QStringLiteral("The disk holding the store is full, so the store database could not %1. Nothing of "
                              "it was saved.\r\n\r\nFree some space on that disk, then try again.")
            .arg(action);
    case Kind::Busy:
        return QStringLiteral("Another counter is saving; try again in a moment.\r\n\r\nThe store database could "
                              "not %1 because another program kept the store locked. Nothing of it was saved.")
            .arg(action);
    case Kind::ReadOnly:
        return QStringLiteral("The store file is read-only, so the store database could not %1. Nothing of it was "
                              "saved.\r\n\r\nAsk the manager to make the store file and its folder writable, "
                              "then try again.")
            .arg(action);
    case Kind::FilesLost:
        return QStringLiteral("%1, so the store database could not %2. Nothing of it was saved; what was entered is "
                              "still in the window (a checkout stays in the bill).\r\n\r\nClose the program and start "
                              "it again, then save it once more. Until then the program saves nothing.")
            .arg(WorkingFiles::lostReason(), action);
    case Kind::Other:
        break;
    }
    return QStringLiteral("The store database could not %1.\r\n\r\n%2").arg(action, detail);
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
            *error = errorText(db.lastError());
        return db;
    }
    QSqlQuery q(db);
    for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"}) {
        if (!q.exec(QString::fromLatin1(pragma))) {
            if (error)
                *error = errorText(q.lastError());
            q = QSqlQuery();
            db.close();
            return db;
        }
    }
    return db;
}

Database::Database(const QString &path)
    : m_path(path)
    , m_name(connectionName())
{
    QString error;
    m_db = openConnection(m_name, path, false, &error);
    if (!m_db.isOpen()) {
        fail(QStringLiteral("open the store file %1").arg(path), error);
        return;
    }
    // A store switched to WAL only now gets its -wal at the first read.
    if (!QFileInfo::exists(path + QStringLiteral("-wal")))
        QSqlQuery(QStringLiteral("PRAGMA schema_version"), m_db).exec();
    m_files = WorkingFiles::of(path);
}

Database::~Database()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool Database::fail(const QString &action, const QString &detail)
{
    m_error = {action, detail};
    return false;
}

bool Database::conflict(const QString &action, const QString &message)
{
    m_error = {action, message, DbError::Kind::Conflict};
    return false;
}

bool Database::filesIntact(const QString &action)
{
    if (m_files.intact())
        return true;
    m_error = {action, WorkingFiles::lostReason(), DbError::Kind::FilesLost};
    return false;
}

bool Database::failWith(const QString &action, const QSqlError &error)
{
    m_error = {action, errorText(error), DbError::classify(error, m_path)};
    return false;
}

std::optional<QSqlQuery> Database::run(const QString &action, const QString &sql, const QVariantList &values)
{
    if (!m_db.isOpen()) {
        fail(action, QStringLiteral("The store file %1 is not open.").arg(m_path));
        return std::nullopt;
    }
    // A write outside a transaction is checked as a transaction is.
    if (!m_inTransaction && isWrite(sql) && !filesIntact(action))
        return std::nullopt;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
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
