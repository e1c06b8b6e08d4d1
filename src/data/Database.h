#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <optional>

// What went wrong in the store database, in two parts: what the program was
// doing, in a clerk's words ("look up the member"), and the engine's own text.
struct DbError
{
    QString action;
    QString detail;
};

// A lookup's outcome: failed (the error is in the Database), or done with
// the row it found, if any.
template <typename T>
struct Fetched
{
    bool failed = false;
    std::optional<T> row;
};

// One window's own handle on the store file. Every statement goes through
// here with its values bound, and every failure is kept as a DbError for the
// window to show; nothing is shared between windows.
class Database final
{
public:
    explicit Database(const QString &path);
    ~Database();
    Q_DISABLE_COPY_MOVE(Database)

    bool isOpen() const { return m_db.isOpen(); }
    const QString &path() const { return m_path; }

    // Runs one statement with `values` bound in order, positioned before the
    // first row. nullopt on failure, with lastError() telling why.
    std::optional<QSqlQuery> run(const QString &action, const QString &sql, const QVariantList &values = {});
    // The first column of the first row; an invalid QVariant when no row.
    std::optional<QVariant> scalar(const QString &action, const QString &sql, const QVariantList &values = {});
    // Runs `body` as one transaction: committed when it returns true, rolled
    // back when it returns false or the commit fails.
    bool transaction(const QString &action, const std::function<bool()> &body);

    const DbError &lastError() const { return m_error; }
    // Records a failure found by the caller (a row that should be there and
    // is not); always false, so a transaction body can return it.
    bool fail(const QString &action, const QString &detail);

    // Opens `path` (which must exist unless `create`) with the store's
    // settings: WAL journal, synchronous FULL, a busy timeout.
    static QSqlDatabase openConnection(const QString &connectionName, const QString &path, bool create,
                                       QString *error);

private:
    QString m_path;
    QString m_name;
    QSqlDatabase m_db;
    DbError m_error;
};
