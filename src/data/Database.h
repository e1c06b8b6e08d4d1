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
#include <memory>
#include <optional>

class ServerConnection;

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
        ServerFull, // the database server has no free connection; detail says how many it allows
        NotAllowed, // no line of the server's pg_hba.conf lets this counter reach the database
        Restarting, // the database server was still restarting or recovering when the wait for it ran out
        Waited,     // other counters kept the writer lock for as long as this one waited its turn
    };

    DbError(QString action = {}, QString detail = {}, Kind kind = Kind::Other, QString title = {})
        : action(std::move(action)), detail(std::move(detail)), kind(kind), title(std::move(title))
    {
    }

    QString action;
    QString detail;
    Kind kind = Kind::Other;
    // A refusal's title, saying why; empty for what the kind says.
    QString title;

    // The whole message for the clerk: what could not be done, why, and
    // what to do about it.
    QString clerkText() const;
    // The same, led by what the clerk's action came to ("The checkout was
    // not saved") where the server failed it, with the server's own reason.
    QString clerkText(const QString &notSaved) const;
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
// window to show. On a file each handle has a connection of its own; on a
// server the handles of one thread share one session (see ServerConnection),
// and a handle whose transaction or snapshot is open has it to itself.
class Database final
{
public:
    explicit Database(const QString &path);
    ~Database();
    Q_DISABLE_COPY_MOVE(Database)

    bool isOpen() const;
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
    // counter's, waited too long for the writer lock or lost its connection
    // before its commit is run again for a few seconds, so `body` must leave
    // nothing of its own half changed when it fails. A commit that got no
    // answer is looked up on the server before it is told done or failed.
    bool transaction(const QString &action, const std::function<bool()> &body);
    // Like run(), but the rows are read from the engine as they are asked
    // for: for one long read that nothing else runs beside. On a server only
    // inside a snapshot; outside one the rows are read at once, as run() does.
    std::optional<QSqlQuery> stream(const QString &action, const QString &sql, const QVariantList &values = {});
    // Reads that follow see one moment of the store until endSnapshot(),
    // while other counters go on writing. On a server that other handles of
    // this program share, the snapshot has a session of its own. A snapshot
    // read once from start to end (a whole report written out) keeps a
    // small cache and maps nothing, so its memory stays flat.
    enum class Reading { Paged, OnePass };
    bool beginSnapshot(const QString &action, Reading reading = Reading::Paged);
    void endSnapshot();

    // One statement of several sent together.
    struct Statement
    {
        QString action;
        QString sql;
        QVariantList values;
        // A conditional write that must change exactly one row.
        bool changesOne = false;
    };
    // Runs `statements` in order, stopping at the first that fails: on a
    // server all of them in one round trip (inside a transaction, its start
    // and the writer lock go with the first), on a file one after another.
    // `results` gets the rows of each one run before any failure, and
    // `changed` the rows each changed; false on a failure, with lastError()
    // telling why.
    bool runTogether(const QList<Statement> &statements, QList<QSqlQuery> *results, QList<int> *changed = nullptr);
    // The transaction's last statements, run as runTogether() runs them; on
    // a server its COMMIT goes with them, in the same round trip, so the
    // writer lock is not held for a round trip of its own. Should a
    // statement marked changesOne change another number of rows, nothing
    // of the transaction is kept and `unmet` gets its place. Nothing may be
    // run in the transaction after it.
    bool finishTogether(const QList<Statement> &statements, qsizetype *unmet);

    // Runs one writing statement; the number of rows it changed, or nullopt
    // on failure. A conditional write (... WHERE InStore = 1) re-checks
    // inside the transaction what an earlier read found.
    std::optional<int> change(const QString &action, const QString &sql, const QVariantList &values = {});

    const DbError &lastError() const { return m_error; }
    // Records a failure found by the caller (a row that should be there and
    // is not); always false, so a transaction body can return it.
    bool fail(const QString &action, const QString &detail);
    // Records that another counter changed what this write relies on, or
    // that the store's rules refuse it; `message` is shown to the clerk as
    // it stands, under `title` when the refusal is not another counter's
    // doing. Always false.
    bool conflict(const QString &action, const QString &message, const QString &title = {});

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
    bool failWith(const QString &action, const QSqlError &error);
    // False, with the error set, once the store's working files are no
    // longer the ones this connection writes to.
    bool filesIntact(const QString &action);

    // INSERT, UPDATE, DELETE or REPLACE: the statements that write.
    static bool isWrite(const QString &sql);
    // The engine's text of an error, without a server's level and echo.
    static QString engineText(const QSqlError &error);

    // The server's half (DatabaseServer.cpp).
    bool serverOpen();
    // The session a statement of this handle runs on, opened anew when it
    // was lost; nullptr, with the error set, when it cannot be.
    ServerConnection *session(const QString &action);
    std::optional<QSqlQuery> serverExecute(const QString &action, const QString &sql, const QVariantList &values,
                                           bool forwardOnly);
    // Starts the transaction held, when its first statement comes.
    bool serverBegin(ServerConnection &session);
    // `commit`: the transaction's COMMIT goes with the statements.
    bool serverTogether(const QList<Statement> &statements, QList<QSqlQuery> *results, bool commit);
    // Whether the COMMIT sent with `statements` statements was made, from
    // what came back; m_commit set, the answers past them dropped.
    bool committedTogether(const ServerConnection &c, qsizetype statements, bool done, const QSqlError &error,
                           QList<QSqlQuery> *results);
    bool serverTransaction(const QString &action, const std::function<bool()> &body);
    bool serverSnapshot(const QString &action);
    // Ends the open transaction or snapshot's hold on its session, rolled
    // back unless it was committed.
    void releaseSession(bool rollBack);
    // Sets the error from a failure on `connection`, a lost session told as
    // a server out of reach; always false.
    bool serverFailure(const QString &action, const QSqlError &error, const ServerConnection &connection);

    QString m_path;
    QString m_name;
    Schema::Engine m_engine = Schema::Engine::SQLite;
    QSqlDatabase m_db;
    DbError m_error;
    bool m_inTransaction = false;
    // The last failure was a transaction losing to another counter's.
    bool m_retryable = false;
    WorkingFiles m_files;
    // Server only: the session this thread's handles share; one of this
    // handle's own while the shared one is held by another handle or for a
    // snapshot beside other handles; and the one its open transaction or
    // snapshot runs on, which no other handle uses meanwhile.
    std::shared_ptr<ServerConnection> m_shared;
    std::shared_ptr<ServerConnection> m_own;
    ServerConnection *m_held = nullptr;
    // Server only: the open transaction's start and writer lock wait for its
    // first statement, to go in the same round trip; its number once begun;
    // the SQLSTATE of the last failure.
    bool m_beginPending = false;
    qint64 m_xid = 0;
    // Whether the COMMIT went with the last statements, and was answered.
    enum class Commit { NotSent, Sent, Made } m_commit = Commit::NotSent;
    QString m_transactionAction;
    QString m_errorCode;
};
