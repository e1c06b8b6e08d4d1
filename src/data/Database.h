#pragma once

#include "WorkingFiles.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include "data/Schema.h"

#include <functional>
#include <optional>

// What went wrong in the store database, in two parts: what the program was
// doing, in a clerk's words ("look up the member"), and the engine's own text.
struct DbError
{
    // The failures a clerk can do something about are told apart.
    enum class Kind {
        Other,
        DiskFull, // the disk holding the store has no room left
        Busy,     // another counter held the store longer than the busy timeout
        ReadOnly, // the store file or its folder cannot be written
        Conflict, // a re-check inside a write found the row changed; detail is for the clerk
        Unreachable,  // the database server cannot be reached
        LoginRefused, // the database server refused this counter's login
        FilesLost, // the store's working files went from under this program: nothing more is written
    };

    QString action;
    QString detail;
    Kind kind = Kind::Other;

    // The whole message for the clerk: what could not be done, why, and
    // what to do about it.
    QString clerkText() const;
    // Sorts an engine error. `storePath` lets a bare I/O error on a disk
    // with no room left be told as a full disk.
    static Kind classify(const QSqlError &error, const QString &storePath = {});
};

// A lookup's outcome: failed (the error is in the Database), or done with
// the row it found, if any.
template <typename T>
struct Fetched
{
    bool failed = false;
    std::optional<T> row;
};

// One window's own handle on the store: a file, or a database on a
// PostgreSQL server (a postgresql:// address). Every statement goes through
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
    Schema::Engine engine() const { return m_engine; }

    // Runs one statement with `values` bound in order, positioned before the
    // first row. nullopt on failure, with lastError() telling why.
    std::optional<QSqlQuery> run(const QString &action, const QString &sql, const QVariantList &values = {});
    // The first column of the first row; an invalid QVariant when no row.
    std::optional<QVariant> scalar(const QString &action, const QString &sql, const QVariantList &values = {});
    // Runs `body` as one transaction: committed when it returns true, rolled
    // back when it returns false or the commit fails. On a server, where
    // transactions are SERIALIZABLE, a transaction that lost to another
    // counter's is run again a few times, so `body` must leave nothing of
    // its own half changed when it fails.
    bool transaction(const QString &action, const std::function<bool()> &body);
    // Like run(), but the rows are read from the engine as they are asked
    // for: for one long read that nothing else runs beside.
    std::optional<QSqlQuery> stream(const QString &action, const QString &sql, const QVariantList &values = {});
    // Reads that follow see one moment of the store until endSnapshot(),
    // while other counters go on writing.
    bool beginSnapshot(const QString &action);
    void endSnapshot();

    // Runs one writing statement; the number of rows it changed, or nullopt
    // on failure. A conditional write (... WHERE InStore = 1) re-checks
    // inside the transaction what an earlier read found.
    std::optional<int> change(const QString &action, const QString &sql, const QVariantList &values = {});

    const DbError &lastError() const { return m_error; }
    // Records a failure found by the caller (a row that should be there and
    // is not); always false, so a transaction body can return it.
    bool fail(const QString &action, const QString &detail);
    // Records that another counter changed what this write relies on;
    // `message` is shown to the clerk as it stands. Always false.
    bool conflict(const QString &action, const QString &message);

    // Opens `path` (which must exist unless `create`) with the store's
    // settings: WAL journal, synchronous FULL, a busy timeout.
    static QSqlDatabase openConnection(const QString &connectionName, const QString &path, bool create,
                                       QString *error);
    // A plain connection to an existing store, a file or a server database.
    static QSqlDatabase connect(const QString &connectionName, const QString &location, QString *error);

    // Writers on a server store take turns through one table lock, taken
    // before their snapshot, so they never abort each other; the benchmark
    // can switch it off to measure what it saves.
    static void setWriterLock(bool on);

private:
    bool open();
    bool ensureOpen(const QString &action);
    std::optional<QSqlQuery> execute(const QString &action, const QString &sql, const QVariantList &values,
                                     bool forwardOnly);
    // A statement that cannot be prepared (BEGIN, LOCK), run as it stands.
    bool control(const QString &action, const QString &sql);
    bool failWith(const QString &action, const QSqlError &error);
    bool serverTransaction(const QString &action, const std::function<bool()> &body);
    // False, with the error set, once the store's working files are no
    // longer the ones this connection writes to.
    bool filesIntact(const QString &action);

    QString m_path;
    QString m_name;
    Schema::Engine m_engine = Schema::Engine::SQLite;
    QSqlDatabase m_db;
    DbError m_error;
    // Server only: the connection was lost and is made anew at the next
    // statement outside a transaction.
    bool m_lost = false;
    bool m_inTransaction = false;
    // The last failure was a transaction losing to another counter's.
    bool m_retryable = false;
    WorkingFiles m_files;
};
