// The Database on a PostgreSQL server: which session a statement runs on,
// transactions that take turns through the writer lock and survive a lost
// session, and snapshots.
#include "Database.h"

#include "ServerConnection.h"
#include "ServerStore.h"
#include "ServerWait.h"
#include "StoreLocation.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>

#include <atomic>

using namespace std::chrono_literals;
using Clock = ServerConnection::Clock;

namespace {

// A transaction is begun again after a lost race, a lock timeout or a lost
// session only this long after its first try, and no answer is waited for
// past the bound: with a new session's connect_timeout after it, the clerk
// hears within 15 seconds.
constexpr auto RetryWindow = 8s;
constexpr auto TransactionBound = 9s;
// A report's statements read much of the store: the server gives them a
// minute, and the client waits a little longer.
constexpr auto SnapshotWait = 62s;

std::atomic<bool> writerLock{true};

// A writer's start, in one round trip: the writer lock is taken before the
// first read, so the snapshot the writer works on already holds the last
// writer's rows (no number is proposed twice and the conditional writes see
// what is there), and the transaction's number is kept, to settle the
// commit should its answer be lost. A writer stalled inside its transaction is
// ended by the server, so it cannot keep the lock from the other counters.
QStringList writerBegin()
{
    QStringList begin{QStringLiteral("BEGIN ISOLATION LEVEL SERIALIZABLE")};
    if (writerLock)
        begin << QStringLiteral("LOCK TABLE %1 IN EXCLUSIVE MODE").arg(QLatin1String(ServerStore::VersionTable));
    // The first statement that reads takes the snapshot: after the lock.
    return begin << QStringLiteral(
               "SELECT pg_current_xact_id(), set_config('idle_in_transaction_session_timeout', '10s', true)");
}

// Whether the transaction numbered `xid`, whose COMMIT got no answer on
// the session of server process `pid`, was committed. From a new session
// that process is ended, so the commit can no longer be made later, and
// the transaction's fate is read once it is decided: a process stopped
// halfway decides it only when it runs again, and a server away settles it
// as it comes back. Nothing is told before.
bool committed(ServerConnection &session, qint64 xid, int pid)
{
    session.setDeadline(std::nullopt);
    const Clock::time_point since = Clock::now();
    for (;;) {
        QSqlError error;
        if (session.isOpen() || session.open(&error)) {
            // Only while that process still runs this transaction: its
            // number may since have gone to another session.
            auto fate = session.execute(
                QStringLiteral("SELECT pg_xact_status(?::xid8), (SELECT COUNT(pg_terminate_backend(pid)) FROM "
                               "pg_stat_activity WHERE pid = ? AND backend_xid::text = ?)"),
                {QString::number(xid), pid, QString::number(xid & 0xffffffff)}, false, &error);
            // Past the server's last number after a crash: the COMMIT never
            // reached its log.
            if (!fate && error.nativeErrorCode() == QLatin1String("22023"))
                return false;
            if (fate && fate->next()) {
                const QString status = fate->value(0).toString();
                if (status == QLatin1String("committed"))
                    return true;
                if (status == QLatin1String("aborted"))
                    return false;
            }
        }
        ServerWait::pause(200ms, ServerWait::For::ServerBack, since);
    }
}

} // namespace

void Database::setWriterLock(bool on)
{
    writerLock = on;
}

bool Database::serverOpen()
{
    m_shared = ServerConnection::shared(m_path);
    if (m_shared->isOpen())
        return true;
    QSqlError error;
    if (m_shared->open(&error))
        return true;
    return serverFailure(QCoreApplication::translate("DatabaseServer", "connect to the store database %1")
                             .arg(StoreLocation::shown(m_path)),
                         error, *m_shared);
}

bool Database::serverFailure(const QString &action, const QSqlError &error, const ServerConnection &connection)
{
    m_error = {action, engineText(error), ServerStore::classify(error)};
    m_retryable = ServerStore::isRetryable(error);
    m_errorCode = error.nativeErrorCode();
    if (connection.stillComingBack()) {
        m_error = {action, connection.serverSaid().isEmpty() ? engineText(error) : connection.serverSaid(),
                   DbError::Kind::Restarting};
        m_retryable = false;
        return false;
    }
    if (connection.lost() && (m_error.kind == DbError::Kind::Other || m_error.kind == DbError::Kind::Busy)) {
        // A session lost, or never opened, is a server out of reach unless
        // the server said otherwise.
        m_error.kind = DbError::Kind::Unreachable;
        m_retryable = false;
    }
    if (connection.timedOut())
        m_error.detail = QCoreApplication::translate("DatabaseServer",
                                                     "The server did not answer in time: it may be stopped or "
                                                     "overloaded.");
    if (m_error.kind == DbError::Kind::ServerFull) {
        const int allowed = ServerStore::allowedConnections(m_path);
        m_error.detail = allowed > 0 ? QCoreApplication::translate("DatabaseServer", "it allows %1").arg(allowed)
                                     : QCoreApplication::translate("DatabaseServer", "all it allows are in use");
    } else if (m_error.kind == DbError::Kind::NotAllowed) {
        m_error.detail = ServerStore::refusedDatabase(error, m_path);
    }
    return false;
}

ServerConnection *Database::session(const QString &action)
{
    if (m_held) {
        if (m_held->isOpen())
            return m_held;
        // Not made anew under an open transaction or snapshot: what it did
        // went with the old session.
        m_error = {action, m_error.detail, DbError::Kind::Unreachable};
        m_retryable = false;
        return nullptr;
    }
    ServerConnection *c = nullptr;
    if (!m_shared->holder) {
        // The session of its own it needed while another handle held the
        // shared one is closed.
        m_own.reset();
        c = m_shared.get();
    } else {
        if (!m_own)
            m_own = ServerConnection::separate(m_path);
        c = m_own.get();
    }
    if (c->isOpen())
        return c;
    QSqlError error;
    if (c->open(&error))
        return c;
    serverFailure(action, error, *c);
    return nullptr;
}

std::optional<QSqlQuery> Database::serverExecute(const QString &action, const QString &sql,
                                                 const QVariantList &values, bool forwardOnly)
{
    const ServerWait::Operation operation;
    ServerConnection *c = session(action);
    if (!c || (m_beginPending && !serverBegin(*c)))
        return std::nullopt;
    QSqlError error;
    // Rows are streamed only on a session held for this handle: any other
    // statement on the session would drop them.
    auto q = c->execute(sql, values, forwardOnly && m_held, &error);
    if (!q && c->lost() && !c->timedOut() && !m_held && !isWrite(sql)) {
        // A session that went while idle (the server restarted, say) is
        // made anew and the read run once more before the clerk hears of it.
        // One whose answer never came is a server stuck, not restarted:
        // asking again would only double the clerk's wait.
        if (c->open(&error))
            q = c->execute(sql, values, forwardOnly && m_held, &error);
    }
    if (!q) {
        serverFailure(action, error, *c);
        return std::nullopt;
    }
    return q;
}

bool Database::serverBegin(ServerConnection &session)
{
    m_beginPending = false;
    QSqlError error;
    const auto xid = session.control(writerBegin().join(QStringLiteral("; ")), &error, ServerWait::For::OtherCounter);
    if (!xid)
        return serverFailure(m_transactionAction, error, session);
    m_xid = xid->toLongLong();
    return true;
}

bool Database::serverTogether(const QList<Statement> &statements, QList<QSqlQuery> *results, bool commit)
{
    const ServerWait::Operation operation;
    if (statements.isEmpty())
        return true;
    const QString &action = statements.first().action;
    ServerConnection *c = session(action);
    if (!c)
        return false;
    // A COMMIT unanswered is settled by the transaction's number, which
    // must then be known before it goes.
    if (commit && m_beginPending && !serverBegin(*c))
        return false;
    // A writer's start goes with its first statements, so that the writer
    // lock is held for no round trip of its own.
    const QStringList begin = m_beginPending ? writerBegin() : QStringList();
    m_beginPending = false;
    QStringList lead = begin;
    // The COMMIT lets the writer lock go without waiting for its flush to
    // disk; the smallest transaction that writes then waits for that flush,
    // which holds the COMMIT's too, before anything is answered.
    if (commit)
        lead << QStringLiteral("SET LOCAL synchronous_commit = off");
    QList<ServerConnection::Piped> piped;
    // The number's read runs under the lock: planned once per session.
    for (const QString &sql : std::as_const(lead)) {
        const bool reads = sql.startsWith(QLatin1String("SELECT"));
        piped.append({sql, {}, reads, reads});
    }
    bool writes = false;
    for (const Statement &s : statements) {
        // The last statements' rows are not read: what counts is that they ran.
        piped.append({s.changesOne ? ServerStore::changingOne(s.sql) : s.sql, s.values, true, !commit});
        writes = writes || isWrite(s.sql);
    }
    if (commit) {
        piped.append({QStringLiteral("COMMIT"), {}, false, false});
        piped.append({QLatin1String(ServerStore::FlushMark), {}, true, false});
        m_commit = Commit::Sent;
    }
    QSqlError error;
    bool done = c->pipelined(piped, results, &error,
                             begin.isEmpty() ? ServerWait::For::Answer : ServerWait::For::OtherCounter);
    if (!done && c->lost() && !c->timedOut() && !m_held && !writes) {
        // As a single read: a session that went while idle is made anew once.
        results->clear();
        if (c->open(&error))
            done = c->pipelined(piped, results, &error);
    }
    const bool begun = results->size() >= begin.size();
    if (!begin.isEmpty() && begun) {
        (*results)[begin.size() - 1].next();
        m_xid = (*results)[begin.size() - 1].value(0).toLongLong();
    }
    results->remove(0, std::min(results->size(), lead.size()));
    if (commit && committedTogether(*c, statements.size(), done, error, results))
        return true;
    if (done)
        return true;
    // Told as the statement that failed, or as the transaction when its start
    // or its COMMIT did.
    const bool statementFailed = begun && results->size() < statements.size();
    return serverFailure(statementFailed ? statements[results->size()].action : m_transactionAction, error, *c);
}

bool Database::committedTogether(const ServerConnection &c, qsizetype statements, bool done, const QSqlError &error,
                                 QList<QSqlQuery> *results)
{
    const qsizetype answered = results->size();
    results->resize(std::min(answered, statements));
    // Answered in full; or the COMMIT answered and only the flush's wait
    // failed on a session still open, which the server then flushes itself.
    if (done || (answered > statements && !c.lost())) {
        m_commit = Commit::Made;
        return true;
    }
    // The server answered in order up to a statement before the COMMIT, then
    // failed it or said it was ending the session: the COMMIT never ran.
    // Any other end leaves it to be settled.
    if (answered < statements && (!error.nativeErrorCode().isEmpty() || !c.serverSaid().isEmpty()))
        m_commit = Commit::NotSent;
    return false;
}

void Database::releaseSession(bool rollBack)
{
    ServerConnection *c = m_held;
    if (!c)
        return;
    // A transaction whose start was never sent has nothing to roll back.
    if (rollBack && c->isOpen() && !m_beginPending) {
        QSqlError ignored;
        c->control(QStringLiteral("ROLLBACK"), &ignored);
    }
    c->hold(nullptr);
    c->setDeadline(std::nullopt);
    c->setAnswerWait(ServerConnection::AnswerWait);
    m_held = nullptr;
    m_inTransaction = false;
    m_beginPending = false;
    // A snapshot's own session goes with it.
    if (c == m_own.get())
        m_own.reset();
}

bool Database::serverTransaction(const QString &action, const std::function<bool()> &body)
{
    const ServerWait::Operation operation;
    Clock::time_point start = Clock::now();
    // A failure of the server is told as the clerk's action failing, not
    // as the step of it that met the failure.
    auto failed = [&] {
        if (m_error.kind == DbError::Kind::Unreachable || m_error.kind == DbError::Kind::Restarting)
            m_error.action = action;
        return false;
    };
    for (int attempt = 1;; ++attempt) {
        const Clock::time_point asked = Clock::now();
        ServerConnection *c = session(action);
        if (!c)
            return failed();
        // The time spent waiting for a server to come back is not the
        // transaction's: it starts again once the server is there.
        start += Clock::now() - asked;
        c->hold(this);
        c->setDeadline(start + TransactionBound);
        m_held = c;
        m_inTransaction = true;
        m_retryable = false;
        m_beginPending = true;
        m_transactionAction = action;
        m_xid = 0;
        m_errorCode.clear();
        m_commit = Commit::NotSent;
        const int pid = c->backendPid();
        const bool ran = body();
        // The COMMIT went out with the body's last statements.
        bool committing = m_commit != Commit::NotSent;
        bool done = m_commit == Commit::Made;
        if (!committing && ran && (!m_beginPending || serverBegin(*c))) {
            // Answered or not, the transaction ends with its COMMIT.
            committing = true;
            QSqlError error;
            done = c->control(QStringLiteral("COMMIT"), &error).has_value();
            if (!done)
                serverFailure(action, error, *c);
        }
        const qint64 xid = m_xid;
        const bool lost = c->lost();
        if (committing && !done && lost) {
            // The COMMIT went out and no answer came back: it is settled on
            // the server before anything is told.
            const bool made = committed(*c, xid, pid);
            releaseSession(false);
            if (made)
                return true;
            // Not made: nothing of it was written, so it may be run again,
            // as if the wait had not been.
            start = Clock::now();
        } else {
            // A COMMIT refused has ended the transaction; one skipped after
            // a failed statement has not.
            releaseSession(!done && !lost);
        }
        if (done)
            return true;
        // Run again: a race lost to another counter, a writer lock waited for
        // too long, or a session lost before the commit, which the server
        // then rolled back.
        if (!(m_retryable || lost) || Clock::now() - start >= RetryWindow) {
            if (m_retryable && m_errorCode == QLatin1String("55P03"))
                m_error = {action,
                           QString::number(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count()),
                           DbError::Kind::Waited};
            return failed();
        }
        // A short wait of random length, so the counters that collided do
        // not collide again.
        if (m_retryable)
            QThread::msleep(QRandomGenerator::global()->bounded(2, 10 + 10 * attempt));
    }
}

bool Database::serverSnapshot(const QString &action)
{
    const ServerWait::Operation operation;
    // A report's snapshot stays open while it is shown, across the clerk's
    // work in other windows: it has a session of its own unless this handle
    // is the only one on the shared session.
    ServerConnection *c = m_shared.get();
    if (m_shared.use_count() > 1 || m_shared->holder) {
        if (!m_own)
            m_own = ServerConnection::separate(m_path);
        c = m_own.get();
    }
    QSqlError error;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        if (!c->isOpen() && !c->open(&error))
            return serverFailure(action, error, *c);
        c->setAnswerWait(SnapshotWait);
        // A connection lost meanwhile is not made anew under the report,
        // whose pages would then mix two moments.
        if (c->control(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY; SET LOCAL "
                                      "statement_timeout = '60s'"),
                       &error)
                .has_value()) {
            c->hold(this);
            m_held = c;
            m_inTransaction = true;
            return true;
        }
        c->setAnswerWait(ServerConnection::AnswerWait);
        // A session that went while idle is made anew once.
        if (!c->lost())
            break;
    }
    serverFailure(action, error, *c);
    if (c == m_own.get())
        m_own.reset();
    return false;
}
