#include "Database.h"

#include <QFileInfo>
#include <QSqlError>
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

} // namespace

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
    if (!m_db.isOpen())
        fail(QStringLiteral("open the store file %1").arg(path), error);
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

std::optional<QSqlQuery> Database::run(const QString &action, const QString &sql, const QVariantList &values)
{
    if (!m_db.isOpen()) {
        fail(action, QStringLiteral("The store file %1 is not open.").arg(m_path));
        return std::nullopt;
    }
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        fail(action, errorText(q.lastError()));
        return std::nullopt;
    }
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        fail(action, errorText(q.lastError()));
        return std::nullopt;
    }
    return q;
}

std::optional<QVariant> Database::scalar(const QString &action, const QString &sql, const QVariantList &values)
{
    auto q = run(action, sql, values);
    if (!q)
        return std::nullopt;
    if (!q->next()) {
        if (q->lastError().isValid()) {
            fail(action, errorText(q->lastError()));
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
    if (body() && run(action, QStringLiteral("COMMIT")))
        return true;
    const DbError cause = m_error;
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    m_error = cause;
    return false;
}
