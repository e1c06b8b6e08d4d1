#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include "ServerWait.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct pg_conn;

// One session with the PostgreSQL server that holds a store. Each statement
// text is prepared once per session and then run by name through libpq,
// one round trip a statement, its rows read as the driver reads its own;
// every answer is waited for a bounded time, after which the session is
// given up as lost, and a wait past half a second is told to the thread's
// ServerWait watcher; a lost session is opened anew on request, after
// waiting for a server that restarts. The Database handles of one thread
// share one session per store.
class ServerConnection final : public std::enable_shared_from_this<ServerConnection>
{
public:
    using Clock = std::chrono::steady_clock;

    // How long a statement's answer is waited for, beyond the server's own
    // statement_timeout, before the server is taken for gone.
    static constexpr std::chrono::milliseconds AnswerWait{7000};

    // The session every handle of this thread on `location` shares, made at
    // first use and closed when the last handle using it goes.
    static std::shared_ptr<ServerConnection> shared(const QString &location);
    // A session for one handle alone.
    static std::shared_ptr<ServerConnection> separate(const QString &location);
    ~ServerConnection();
    Q_DISABLE_COPY_MOVE(ServerConnection)

    // How long a server that says it is restarting or recovering, or that
    // ended this session as it shut down, is waited for.
    static constexpr std::chrono::seconds ComeBackWait{15};

    // Open, and not found lost since.
    bool isOpen() const;
    // Opens the session, anew when it was lost; false with `error` set.
    // A server coming back is waited for up to ComeBackWait.
    bool open(QSqlError *error);
    // The last open() gave up on a server that was still coming back;
    // what the server itself last said, if anything.
    bool stillComingBack() const { return m_stillComingBack; }
    const QString &serverSaid() const { return m_serverSaid; }
    // The server's process of this session, 0 when not open.
    int backendPid() const;

    // Rows streamed through a cursor come this many at a time.
    static constexpr int BatchRows = 10000;
    struct Cursor
    {
        QByteArray name;
        // Which hold of the session the cursor lives in.
        quint64 hold = 0;
    };

    // Runs `sql` (values bound to its ? marks in order) as this session's
    // prepared statement for that text; `forwardOnly`, inside a transaction,
    // through a cursor whose rows come in batches. nullopt on failure, with
    // `error`.
    std::optional<QSqlQuery> execute(const QString &sql, const QVariantList &values, bool forwardOnly,
                                     QSqlError *error);
    // One statement of a pipeline: prepared as execute() prepares it, or
    // sent as it stands (a transaction's start).
    struct Piped
    {
        QString sql;
        QVariantList values;
        bool prepare = true;
        // Whether its rows are read; if not, only that it ran is kept.
        bool read = true;
    };
    // Runs `statements` in order in one round trip (libpq's pipeline mode),
    // a text new to the session prepared on the way; the server skips what
    // follows a failure. `results` gets the rows of each one run before it;
    // false with `error` on a failure. A wait for the answer is told as a
    // wait for `waitingFor`.
    bool pipelined(const QList<Piped> &statements, QList<QSqlQuery> *results, QSqlError *error,
                   ServerWait::For waitingFor = ServerWait::For::Answer);
    // Runs statements that cannot be prepared (BEGIN ...; LOCK ...) as they
    // stand, in one round trip; the text of the first value of the last
    // statement that returned a row, invalid when none did. A wait for the
    // answer is told as a wait for `waitingFor`.
    std::optional<QVariant> control(const QString &sql, QSqlError *error,
                                    ServerWait::For waitingFor = ServerWait::For::Answer);

    // The last failure lost the session: the server closed it, or did not
    // answer within the wait (timedOut()).
    bool lost() const { return m_lost; }
    bool timedOut() const { return m_timedOut; }
    // No answer is waited for past `deadline` (a transaction's bound), nor
    // longer than `wait` from its statement on.
    void setDeadline(std::optional<Clock::time_point> deadline) { m_deadline = deadline; }
    void setAnswerWait(std::chrono::milliseconds wait) { m_wait = wait; }

    // The handle whose transaction or snapshot is open on this session: no
    // other handle runs a statement on it meanwhile.
    const void *holder = nullptr;
    // Taken at a transaction's or snapshot's start, let go (nullptr) at its end.
    void hold(const void *by)
    {
        holder = by;
        ++m_holds;
    }

    // The next batch of `cursor`'s rows, the one after it asked for already
    // unless this was the last; nullptr on failure, with `error`.
    struct pg_result *nextRows(const Cursor &cursor, QSqlError *error);
    // Closes a cursor left before its end, while its transaction lasts.
    void closeRows(const Cursor &cursor);

private:
    explicit ServerConnection(QString location);
    bool openOnce(QSqlError *error);
    // Runs `call` with its answer waited for a bounded time, then sorts out
    // whether the session was lost.
    bool bounded(const std::function<bool()> &call);
    // The answer's next result, once it can be read without blocking;
    // nullptr at its end. Past the deadline the session is cut.
    struct pg_result *next();
    // What was just sent (when `sent`), answered to its end: its last
    // result, or its first failure.
    struct pg_result *answer(bool sent);
    // False, with `error` set, while a statement of this thread waits: the
    // watcher repainting a window must not start another.
    static bool mayStart(QSqlError *error);
    // The name `sql` is prepared under in this session, prepared now if need be.
    std::optional<QString> prepared(const QString &sql, QSqlError *error);
    // A libpq failure as the driver reports its own; one that says the
    // server is going down or coming back is remembered for open().
    QSqlError failure(const struct pg_result *result);
    // Declares a cursor for `sql` and reads its first batch.
    std::optional<QSqlQuery> streamed(const QString &sql, const std::vector<const char *> &params,
                                      QSqlError *error);
    // Asks for the next batch of `cursor`, or closes it, without waiting.
    bool ask(const Cursor &cursor, bool close = false);
    // Takes the answer to a batch asked for, if any, before anything else is sent.
    void settle();

    QString m_location;
    QString m_name;
    QSqlDatabase m_db;
    // The driver's own libpq connection, and its socket.
    pg_conn *m_conn = nullptr;
    int m_socket = -1;
    // Statement text -> the name it is prepared under in this session.
    QHash<QString, QString> m_prepared;
    bool m_lost = false;
    bool m_timedOut = false;
    // The server said it is going down or coming back, and has not been reached since.
    bool m_comingBack = false;
    bool m_stillComingBack = false;
    QString m_serverSaid;
    // Until when the answer on its way is waited for, and what for.
    Clock::time_point m_answerBy;
    ServerWait::For m_waitingFor = ServerWait::For::Answer;
    std::chrono::milliseconds m_wait = AnswerWait;
    std::optional<Clock::time_point> m_deadline;
    quint64 m_holds = 0;
    int m_cursors = 0;
    // The cursor whose next batch is on its way, or Closing.
    QByteArray m_asked;
    static inline const QByteArray Closing = QByteArrayLiteral("closing");
    // A batch that came while another statement was waiting to run.
    struct pg_result *m_kept = nullptr;
    QByteArray m_keptFor;
};
