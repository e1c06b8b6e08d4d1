#include "ServerConnection.h"

#include "ScopedConnection.h"
#include "ServerStore.h"

#include <QSqlDriver>
#include <QSqlField>

#include <libpq-fe.h>

#include <map>
#include <mutex>
#include <set>
#include <thread>

#include <sys/socket.h>

namespace {

using Clock = ServerConnection::Clock;

// The session's own settings: a writer waits this long for the writer lock
// before its transaction is tried again, and the server gives up a
// statement after this long, before the client stops waiting for it. The
// allowed connections come back for the message of a full server.
const QString Settings = QStringLiteral(
    "SET lock_timeout = '2s'; SET statement_timeout = '5s'; SELECT current_setting('max_connections')");

// Cuts the session of a statement whose answer is overdue: its socket is
// shut, so the call waiting in libpq returns at once with the connection
// lost. A server whose processes are stopped never answers, nor lets its
// own statement_timeout fire.
class AnswerWatch
{
public:
    static AnswerWatch &instance()
    {
        // Never destroyed: its thread watches for as long as the process runs.
        static AnswerWatch *watch = new AnswerWatch;
        return *watch;
    }

    quint64 arm(int socket, Clock::time_point deadline)
    {
        const std::lock_guard lock(m_mutex);
        m_armed.emplace(++m_next, Armed{socket, deadline});
        return m_next;
    }

    // Whether the socket was cut before the answer came.
    bool disarm(quint64 token)
    {
        const std::lock_guard lock(m_mutex);
        if (m_armed.erase(token) == 1)
            return false;
        return m_cut.erase(token) == 1;
    }

private:
    struct Armed
    {
        int socket;
        Clock::time_point deadline;
    };

    AnswerWatch()
    {
        std::thread([this] { watch(); }).detach();
    }

    void watch()
    {
        for (;;) {
            // A tenth of a second late at most, and no wake-up per statement.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const std::lock_guard lock(m_mutex);
            const Clock::time_point now = Clock::now();
            for (auto it = m_armed.begin(); it != m_armed.end();) {
                if (it->second.deadline > now) {
                    ++it;
                    continue;
                }
                // The waiting thread still holds the session, so the socket is still its own.
                ::shutdown(it->second.socket, SHUT_RDWR);
                m_cut.insert(it->first);
                it = m_armed.erase(it);
            }
        }
    }

    std::mutex m_mutex;
    std::map<quint64, Armed> m_armed;
    std::set<quint64> m_cut;
    quint64 m_next = 0;
};

// `sql` with its ? marks numbered $1, $2 ... as PREPARE takes them; marks
// inside quotes are left alone.
QString numbered(const QString &sql)
{
    QString out;
    out.reserve(sql.size() + 16);
    QChar quote;
    int n = 0;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'?') {
            out += u'$' + QString::number(++n);
            continue;
        }
        out += c;
    }
    return out;
}

thread_local QHash<QString, std::weak_ptr<ServerConnection>> sharedSessions;

} // namespace

std::shared_ptr<ServerConnection> ServerConnection::shared(const QString &location)
{
    std::weak_ptr<ServerConnection> &slot = sharedSessions[location];
    std::shared_ptr<ServerConnection> session = slot.lock();
    if (!session) {
        session = separate(location);
        slot = session;
    }
    return session;
}

std::shared_ptr<ServerConnection> ServerConnection::separate(const QString &location)
{
    return std::shared_ptr<ServerConnection>(new ServerConnection(location));
}

ServerConnection::ServerConnection(QString location)
    : m_location(std::move(location))
    , m_name(ScopedConnection::uniqueName("server"))
{
}

ServerConnection::~ServerConnection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool ServerConnection::isOpen() const
{
    return !m_lost && m_db.isOpen();
}

bool ServerConnection::open(QSqlError *error)
{
    QSqlError failure;
    // A new session has none of the old one's statements.
    m_prepared.clear();
    m_socket = -1;
    if (!m_db.isValid())
        m_db = ServerStore::openConnection(m_name, m_location, &failure, QString());
    else
        ServerStore::reopen(m_db, QString(), &failure);
    m_lost = !m_db.isOpen();
    m_timedOut = false;
    if (m_lost) {
        *error = failure;
        return false;
    }
    const QVariant handle = m_db.driver()->handle();
    // The driver names the type by libpq's struct behind the PGconn typedef.
    if (handle.isValid()
        && (qstrcmp(handle.typeName(), "PGconn*") == 0 || qstrcmp(handle.typeName(), "pg_conn*") == 0)) {
        PGconn *connection = *static_cast<PGconn *const *>(handle.constData());
        m_socket = PQsocket(connection);
        // The server's notices are for its log, not the clerk's terminal.
        PQsetNoticeProcessor(connection, [](void *, const char *) {}, nullptr);
    }
    const auto allowed = control(Settings, error);
    if (!allowed)
        return false;
    ServerStore::noteAllowedConnections(m_location, allowed->toInt());
    return true;
}

bool ServerConnection::exec(QSqlQuery &q, const QString &sql, QSqlError *error)
{
    const Clock::time_point now = Clock::now();
    Clock::time_point deadline = now + m_wait;
    if (m_deadline && *m_deadline < deadline)
        deadline = std::max(*m_deadline, now + std::chrono::milliseconds(500));
    const quint64 token = m_socket >= 0 ? AnswerWatch::instance().arm(m_socket, deadline) : 0;
    const bool done = q.exec(sql);
    m_timedOut = token != 0 && AnswerWatch::instance().disarm(token);
    if (done)
        return true;
    *error = q.lastError();
    // A session that is no longer open was lost whatever the error said; a
    // driver that refuses to send on it says nothing at all.
    m_lost = m_timedOut || !m_db.isOpen();
    if (m_lost && !error->isValid())
        *error = QSqlError(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                           QSqlError::ConnectionError);
    return false;
}

std::optional<QVariant> ServerConnection::control(const QString &sql, QSqlError *error)
{
    QSqlQuery q(m_db);
    if (!exec(q, sql, error))
        return std::nullopt;
    // The driver stops at the first statement's result: a later one that
    // failed is found by going through them all.
    QVariant value;
    do {
        if (q.isSelect() && q.next())
            value = q.value(0);
    } while (q.nextResult());
    if (q.lastError().isValid()) {
        *error = q.lastError();
        return std::nullopt;
    }
    return value;
}

std::optional<QSqlQuery> ServerConnection::execute(const QString &sql, const QVariantList &values, bool forwardOnly,
                                                   QSqlError *error)
{
    QString name = m_prepared.value(sql);
    if (name.isEmpty()) {
        // Reports make texts of their own; a session never holds more than these.
        if (m_prepared.size() >= 2000 && control(QStringLiteral("DEALLOCATE ALL"), error).has_value())
            m_prepared.clear();
        name = QStringLiteral("vs%1").arg(m_prepared.size() + 1);
        QSqlQuery prepare(m_db);
        if (!exec(prepare, QStringLiteral("PREPARE %1 AS %2").arg(name, numbered(sql)), error))
            return std::nullopt;
        // A statement prepared in a transaction stays when it is rolled back.
        m_prepared.insert(sql, name);
    }
    // The values as the driver writes them into its own EXECUTE.
    QString statement = QStringLiteral("EXECUTE ") + name;
    if (!values.isEmpty()) {
        QSqlField field;
        QStringList written;
        written.reserve(values.size());
        for (const QVariant &v : values) {
            field.setMetaType(v.metaType());
            if (!v.isValid() || v.isNull())
                field.clear();
            else
                field.setValue(v);
            written << m_db.driver()->formatValue(field);
        }
        statement += QStringLiteral(" (") + written.join(QStringLiteral(", ")) + u')';
    }
    QSqlQuery q(m_db);
    q.setForwardOnly(forwardOnly);
    if (!exec(q, statement, error)) {
        // Gone from the session (a DISCARD by someone): prepared anew next time.
        if (error->nativeErrorCode() == QLatin1String("26000"))
            m_prepared.remove(sql);
        return std::nullopt;
    }
    return q;
}
