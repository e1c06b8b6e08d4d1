#include "ServerConnection.h"

#include "ScopedConnection.h"
#include "ServerStore.h"

#include <QDateTime>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlResult>

#include <libpq-fe.h>

#include <charconv>
#include <cstring>
#include <vector>

#include <poll.h>
#include <sys/socket.h>

namespace {

using Clock = ServerConnection::Clock;

// The session's own settings: a writer waits this long for the writer lock
// before its transaction is tried again, and the server gives up a
// statement after this long, before the client stops waiting for it. The
// allowed connections come back for the message of a full server.
const QString Settings = QStringLiteral(
    "SET lock_timeout = '2s'; SET statement_timeout = '5s'; SELECT current_setting('max_connections')");

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

// The types of the server's columns, as the driver reads them.
constexpr Oid BoolOid = 16, Int8Oid = 20, Int2Oid = 21, Int4Oid = 23, RegprocOid = 24, OidOid = 26, XidOid = 28,
              CidOid = 29, Float4Oid = 700, Float8Oid = 701, NumericOid = 1700, DateOid = 1082, TimeOid = 1083,
              TimeTzOid = 1266, TimestampOid = 1114, TimestampTzOid = 1184, ByteaOid = 17;

QMetaType metaTypeOf(Oid type)
{
    switch (type) {
    case BoolOid: return QMetaType::fromType<bool>();
    case Int8Oid: return QMetaType::fromType<qlonglong>();
    case Int2Oid:
    case Int4Oid:
    case OidOid:
    case RegprocOid:
    case XidOid:
    case CidOid: return QMetaType::fromType<int>();
    case NumericOid:
    case Float4Oid:
    case Float8Oid: return QMetaType::fromType<double>();
    case DateOid: return QMetaType::fromType<QDate>();
    case TimeOid:
    case TimeTzOid: return QMetaType::fromType<QTime>();
    case TimestampOid:
    case TimestampTzOid: return QMetaType::fromType<QDateTime>();
    case ByteaOid: return QMetaType::fromType<QByteArray>();
    default: return QMetaType::fromType<QString>();
    }
}

// The server's text of a whole number without its sign: digits only.
quint64 integer(const char *digits)
{
    quint64 n = 0;
    for (; *digits >= '0' && *digits <= '9'; ++digits)
        n = n * 10 + quint64(*digits - '0');
    return n;
}

// The rows, or the count of rows changed, of one statement run through
// libpq, for a QSqlQuery to read: every value converted as the driver
// converts its own, so a store reads the same whichever ran it. A cursor's
// rows come a batch at a time, read forward only, the next batch asked for
// while this one is read.
class ServerRows final : public QSqlResult
{
public:
    ServerRows(const QSqlDriver *driver, PGresult *result) : QSqlResult(driver), m_result(result)
    {
        setSelect(PQresultStatus(result) == PGRES_TUPLES_OK);
        setActive(true);
        setAt(QSql::BeforeFirstRow);
    }
    ServerRows(const QSqlDriver *driver, std::weak_ptr<ServerConnection> session, ServerConnection::Cursor cursor,
               PGresult *first)
        : ServerRows(driver, first)
    {
        m_session = std::move(session);
        m_cursor = std::move(cursor);
        m_more = PQntuples(first) == ServerConnection::BatchRows;
        setForwardOnly(true);
    }
    ~ServerRows() override
    {
        PQclear(m_result);
        // A cursor left before its end goes at once, not with its transaction.
        if (const auto session = m_session.lock(); session && m_more)
            session->closeRows(m_cursor);
    }
    Q_DISABLE_COPY_MOVE(ServerRows)

protected:
    QVariant data(int i) override
    {
        const int row = at() - m_first;
        const Oid type = PQftype(m_result, i);
        const QMetaType meta = metaTypeOf(type);
        if (PQgetisnull(m_result, row, i))
            return QVariant(meta, nullptr);
        const char *v = PQgetvalue(m_result, row, i);
        switch (meta.id()) {
        case QMetaType::Bool: return v[0] == 't';
        case QMetaType::QString: return QString::fromUtf8(v, PQgetlength(m_result, row, i));
        case QMetaType::LongLong:
            return v[0] == '-' ? QVariant(qlonglong(-integer(v + 1))) : QVariant(qulonglong(integer(v)));
        case QMetaType::Int: return v[0] == '-' ? int(-integer(v + 1)) : int(integer(v));
        case QMetaType::Double: {
            if (type == NumericOid && numericalPrecisionPolicy() == QSql::HighPrecision)
                return QString::fromLatin1(v);
            bool ok = false;
            const double d = QByteArray(v).toDouble(&ok);
            if (!ok)
                return QVariant();
            if (type == NumericOid && numericalPrecisionPolicy() == QSql::LowPrecisionInt64)
                return qlonglong(d);
            if (type == NumericOid && numericalPrecisionPolicy() == QSql::LowPrecisionInt32)
                return int(d);
            return d;
        }
        case QMetaType::QDate: return QDate::fromString(QString::fromLatin1(v), Qt::ISODate);
        case QMetaType::QTime: return QTime::fromString(QString::fromLatin1(v), Qt::ISODate);
        case QMetaType::QDateTime: {
            // A time without its zone is taken as UTC.
            const QString text = QString::fromLatin1(v);
            const QString time = text.mid(11);
            const bool zoned = time.contains(u'-') || time.contains(u'+') || time.endsWith(u'Z');
            return QDateTime::fromString(zoned ? text : text + u'Z', Qt::ISODate);
        }
        case QMetaType::QByteArray: {
            size_t length = 0;
            unsigned char *bytes = PQunescapeBytea(reinterpret_cast<const unsigned char *>(v), &length);
            const QByteArray out(reinterpret_cast<const char *>(bytes), qsizetype(length));
            PQfreemem(bytes);
            return out;
        }
        default: return QVariant();
        }
    }
    bool isNull(int i) override { return PQgetisnull(m_result, at() - m_first, i); }
    bool reset(const QString &) override { return false; }
    bool fetch(int i) override
    {
        while (m_more && i >= m_first + PQntuples(m_result))
            nextBatch();
        if (i < m_first || i >= m_first + PQntuples(m_result))
            return false;
        setAt(i);
        return true;
    }
    bool fetchFirst() override { return fetch(0); }
    bool fetchLast() override { return !m_cursor.name.isEmpty() ? false : fetch(PQntuples(m_result) - 1); }
    int size() override { return isSelect() && m_cursor.name.isEmpty() ? PQntuples(m_result) : -1; }
    int numRowsAffected() override { return QByteArray(PQcmdTuples(m_result)).toInt(); }
    QSqlRecord record() const override
    {
        QSqlRecord r;
        for (int i = 0; i < PQnfields(m_result); ++i)
            r.append(QSqlField(QString::fromUtf8(PQfname(m_result, i)), metaTypeOf(PQftype(m_result, i))));
        return r;
    }

private:
    void nextBatch()
    {
        const auto session = m_session.lock();
        QSqlError error(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                        QSqlError::ConnectionError);
        PGresult *next = session ? session->nextRows(m_cursor, &error) : nullptr;
        m_more = next && PQntuples(next) == ServerConnection::BatchRows;
        if (!next) {
            setLastError(error);
            return;
        }
        m_first += PQntuples(m_result);
        PQclear(m_result);
        m_result = next;
    }

    PGresult *m_result;
    // The row number of the batch's first row.
    int m_first = 0;
    std::weak_ptr<ServerConnection> m_session;
    ServerConnection::Cursor m_cursor;
    bool m_more = false;
};

QByteArray digits(qint64 n)
{
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, n).ptr;
    return QByteArray(text, end - text);
}

// A value as libpq takes it, in text; nullopt for NULL.
std::optional<QByteArray> asText(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    switch (v.metaType().id()) {
    // The common kinds straight to their text, without a QString between.
    case QMetaType::Int: return digits(*static_cast<const int *>(v.constData()));
    case QMetaType::LongLong: return digits(*static_cast<const qlonglong *>(v.constData()));
    case QMetaType::QString: return static_cast<const QString *>(v.constData())->toUtf8();
    case QMetaType::Bool: return QByteArray(v.toBool() ? "1" : "0");
    case QMetaType::Double:
    case QMetaType::Float: return QByteArray::number(v.toDouble(), 'g', 17);
    case QMetaType::QByteArray: return "\\x" + v.toByteArray().toHex();
    case QMetaType::QDate: return v.toDate().toString(Qt::ISODate).toUtf8();
    case QMetaType::QTime: return v.toTime().toString(QStringLiteral("hh:mm:ss.zzz")).toUtf8();
    case QMetaType::QDateTime: return v.toDateTime().toString(Qt::ISODateWithMs).toUtf8();
    default: return v.toString().toUtf8();
    }
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
    PQclear(m_kept);
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

bool ServerConnection::isOpen() const
{
    return !m_lost && m_db.isOpen();
}

int ServerConnection::backendPid() const
{
    return m_conn && isOpen() ? PQbackendPID(m_conn) : 0;
}

bool ServerConnection::open(QSqlError *error)
{
    // A fast restart or a crash ends the sessions, then the server says it
    // is shutting down, refuses connections while it is down, and says it
    // is starting or recovering: all of it is waited through.
    const ServerWait::Operation operation;
    const Clock::time_point since = Clock::now();
    m_stillComingBack = false;
    for (;;) {
        if (openOnce(error)) {
            m_comingBack = false;
            m_serverSaid.clear();
            return true;
        }
        if (ServerStore::isComingBack(*error)) {
            m_comingBack = true;
            m_serverSaid = ServerStore::serverText(*error);
        }
        if (!m_comingBack || ServerStore::classify(*error) != DbError::Kind::Unreachable)
            break;
        if (Clock::now() - since >= ComeBackWait) {
            m_stillComingBack = true;
            break;
        }
        ServerWait::pause(std::chrono::milliseconds(250), ServerWait::For::ServerBack, since);
    }
    m_comingBack = false;
    return false;
}

bool ServerConnection::openOnce(QSqlError *error)
{
    QSqlError refusal;
    // A new session has none of the old one's statements.
    m_prepared.clear();
    m_asked.clear();
    PQclear(m_kept);
    m_kept = nullptr;
    m_conn = nullptr;
    m_socket = -1;
    if (!m_db.isValid())
        m_db = ServerStore::openConnection(m_name, m_location, &refusal, QString());
    else
        ServerStore::reopen(m_db, QString(), &refusal);
    m_lost = !m_db.isOpen();
    m_timedOut = false;
    if (m_lost) {
        *error = refusal;
        return false;
    }
    const QVariant handle = m_db.driver()->handle();
    // The driver names the type by libpq's struct behind the PGconn typedef.
    if (handle.isValid()
        && (qstrcmp(handle.typeName(), "PGconn*") == 0 || qstrcmp(handle.typeName(), "pg_conn*") == 0)) {
        m_conn = *static_cast<PGconn *const *>(handle.constData());
        m_socket = PQsocket(m_conn);
        // The server's notices are for its log, not the clerk's terminal;
        // but one that ends the session as the server stops at once or
        // after a crash says it is worth waiting for.
        PQsetNoticeProcessor(
            m_conn,
            [](void *self, const char *message) {
                if (std::strstr(message, "terminating connection")) {
                    auto *session = static_cast<ServerConnection *>(self);
                    session->m_comingBack = true;
                    session->m_serverSaid =
                        QString::fromUtf8(message).section(u'\n', 0, 0).section(u':', 1, -1).simplified();
                }
            },
            this);
    }
    const auto allowed = control(Settings, error);
    if (!allowed)
        return false;
    ServerStore::noteAllowedConnections(m_location, allowed->toInt());
    return true;
}

bool ServerConnection::mayStart(QSqlError *error)
{
    if (!ServerWait::watching())
        return true;
    *error = QSqlError(QStringLiteral("another statement of this counter is waiting for its answer"), QString(),
                       QSqlError::StatementError);
    return false;
}

bool ServerConnection::bounded(const std::function<bool()> &call)
{
    const ServerWait::Operation operation;
    const Clock::time_point now = Clock::now();
    m_answerBy = now + m_wait;
    if (m_deadline && *m_deadline < m_answerBy)
        m_answerBy = std::max(*m_deadline, now + std::chrono::milliseconds(500));
    m_timedOut = false;
    const bool done = call();
    m_waitingFor = ServerWait::For::Answer;
    // A session that is no longer open was lost whatever the error said.
    if (!done)
        m_lost = m_timedOut || !m_conn || PQstatus(m_conn) != CONNECTION_OK;
    return done;
}

PGresult *ServerConnection::next()
{
    const Clock::time_point since = Clock::now();
    while (PQisBusy(m_conn)) {
        const Clock::time_point now = Clock::now();
        if (now >= m_answerBy) {
            // A server whose processes are stopped never answers, nor lets its
            // own statement_timeout fire: the session is cut, and libpq then
            // reports it lost.
            ::shutdown(m_socket, SHUT_RDWR);
            m_timedOut = true;
            break;
        }
        // Woken at least every tenth of a second, so a window can repaint.
        pollfd ready{m_socket, POLLIN, 0};
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_answerBy - now);
        ::poll(&ready, 1, int(std::min<qint64>(left.count(), 100)));
        if (!PQconsumeInput(m_conn))
            break;
        ServerWait::tick(m_waitingFor, since);
    }
    return PQgetResult(m_conn);
}

PGresult *ServerConnection::answer(bool sent)
{
    if (!sent)
        return nullptr;
    PGresult *kept = nullptr;
    while (PGresult *r = next()) {
        if (kept && PQresultStatus(kept) == PGRES_FATAL_ERROR) {
            PQclear(r);
            continue;
        }
        PQclear(kept);
        kept = r;
    }
    return kept;
}

std::optional<QVariant> ServerConnection::control(const QString &sql, QSqlError *error, ServerWait::For waitingFor)
{
    if (!m_conn) {
        *error = QSqlError(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                           QSqlError::ConnectionError);
        return std::nullopt;
    }
    if (!mayStart(error))
        return std::nullopt;
    settle();
    m_waitingFor = waitingFor;
    QVariant value;
    PGresult *failed = nullptr;
    const bool done = bounded([&] {
        const bool sent = PQsendQuery(m_conn, sql.toUtf8().constData());
        // The server stops at the first statement that fails; every result
        // is read up to there.
        while (PGresult *r = sent ? next() : nullptr) {
            const ExecStatusType status = PQresultStatus(r);
            if (status == PGRES_TUPLES_OK && PQntuples(r) > 0 && !PQgetisnull(r, 0, 0))
                value = QString::fromUtf8(PQgetvalue(r, 0, 0));
            if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && !failed)
                failed = r;
            else
                PQclear(r);
        }
        return sent && !failed;
    });
    if (!done) {
        *error = failure(failed);
        PQclear(failed);
        return std::nullopt;
    }
    return value;
}

std::optional<QString> ServerConnection::prepared(const QString &sql, QSqlError *error)
{
    if (const auto it = m_prepared.constFind(sql); it != m_prepared.cend())
        return *it;
    if (!m_conn) {
        *error = QSqlError(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                           QSqlError::ConnectionError);
        return std::nullopt;
    }
    settle();
    // Reports make texts of their own; a session never holds more than these.
    if (m_prepared.size() >= 2000 && control(QStringLiteral("DEALLOCATE ALL"), error).has_value())
        m_prepared.clear();
    const QString name = QStringLiteral("vs%1").arg(m_prepared.size() + 1);
    PGresult *made = nullptr;
    bounded([&] {
        made = answer(PQsendPrepare(m_conn, name.toLatin1().constData(), numbered(sql).toUtf8().constData(), 0,
                                    nullptr));
        return PQresultStatus(made) == PGRES_COMMAND_OK;
    });
    const bool done = PQresultStatus(made) == PGRES_COMMAND_OK;
    if (!done)
        *error = failure(made);
    PQclear(made);
    if (!done)
        return std::nullopt;
    // A statement prepared in a transaction stays when it is rolled back.
    m_prepared.insert(sql, name);
    return name;
}

QSqlError ServerConnection::failure(const PGresult *result)
{
    // As the driver words its own: the server's message, then its code.
    const QString code = result ? QString::fromLatin1(PQresultErrorField(result, PG_DIAG_SQLSTATE)) : QString();
    QString message = QString::fromUtf8(PQerrorMessage(m_conn));
    if (!code.isEmpty())
        message += QStringLiteral("(%1)").arg(code);
    const QSqlError error(QStringLiteral("QPSQL: Unable to create query"), message, QSqlError::StatementError, code);
    if (ServerStore::isComingBack(error)) {
        m_comingBack = true;
        m_serverSaid = ServerStore::serverText(error);
    }
    return error;
}

std::optional<QSqlQuery> ServerConnection::execute(const QString &sql, const QVariantList &values, bool forwardOnly,
                                                   QSqlError *error)
{
    std::vector<std::optional<QByteArray>> texts;
    std::vector<const char *> params;
    texts.reserve(values.size());
    params.reserve(values.size());
    for (const QVariant &v : values) {
        texts.push_back(asText(v));
        params.push_back(texts.back() ? texts.back()->constData() : nullptr);
    }
    if (!mayStart(error))
        return std::nullopt;
    if (forwardOnly)
        return streamed(sql, params, error);
    const std::optional<QString> name = prepared(sql, error);
    if (!name)
        return std::nullopt;
    settle();
    // Whatever a driver's query left unread goes, as the driver does before
    // each statement of its own.
    while (PGresult *left = PQgetResult(m_conn))
        PQclear(left);
    PGresult *result = nullptr;
    const QByteArray statement = name->toLatin1();
    const bool done = bounded([&] {
        result = answer(PQsendQueryPrepared(m_conn, statement.constData(), int(params.size()), params.data(), nullptr,
                                            nullptr, 0));
        const ExecStatusType status = PQresultStatus(result);
        return status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK;
    });
    if (!done) {
        *error = failure(result);
        PQclear(result);
        // Gone from the session (a DISCARD by someone): prepared anew next time.
        if (error->nativeErrorCode() == QLatin1String("26000"))
            m_prepared.remove(sql);
        return std::nullopt;
    }
    return QSqlQuery(new ServerRows(m_db.driver(), result));
}

bool ServerConnection::pipelined(const QList<Piped> &statements, QList<QSqlQuery> *results, QSqlError *error,
                                 ServerWait::For waitingFor)
{
    if (!m_conn) {
        *error = QSqlError(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                           QSqlError::ConnectionError);
        return false;
    }
    if (!mayStart(error))
        return false;
    settle();
    while (PGresult *left = PQgetResult(m_conn))
        PQclear(left);
    struct Query
    {
        std::vector<std::optional<QByteArray>> texts;
        std::vector<const char *> params;
        QByteArray name, text;
        bool prepares = false;
    };
    std::vector<Query> queries(statements.size());
    QHash<QString, QString> named;
    for (qsizetype i = 0; i < statements.size(); ++i) {
        const Piped &p = statements[i];
        Query &q = queries[i];
        for (const QVariant &v : p.values)
            q.texts.push_back(asText(v));
        for (const auto &t : q.texts)
            q.params.push_back(t ? t->constData() : nullptr);
        if (!p.prepare) {
            q.text = p.sql.toUtf8();
            continue;
        }
        const auto known = m_prepared.constFind(p.sql);
        QString name = known != m_prepared.cend() ? *known : named.value(p.sql);
        if (name.isEmpty()) {
            name = QStringLiteral("vs%1").arg(m_prepared.size() + named.size() + 1);
            named.insert(p.sql, name);
            q.prepares = true;
            q.text = numbered(p.sql).toUtf8();
        }
        q.name = name.toLatin1();
    }
    m_waitingFor = waitingFor;
    PGresult *failed = nullptr;
    const bool done = bounded([&] {
        if (!PQenterPipelineMode(m_conn))
            return false;
        bool sent = true;
        for (const Query &q : queries) {
            if (q.prepares)
                sent = sent && PQsendPrepare(m_conn, q.name.constData(), q.text.constData(), 0, nullptr);
            if (q.name.isEmpty())
                sent = sent && PQsendQueryParams(m_conn, q.text.constData(), int(q.params.size()), nullptr,
                                                 q.params.data(), nullptr, nullptr, 0);
            else
                sent = sent && PQsendQueryPrepared(m_conn, q.name.constData(), int(q.params.size()), q.params.data(),
                                                   nullptr, nullptr, 0);
        }
        sent = sent && PQpipelineSync(m_conn);
        auto gone = [&] { return m_timedOut || PQstatus(m_conn) != CONNECTION_OK; };
        // Each answer, in the order sent: a statement's result, then the end
        // of it; the first failure is kept, what the server skipped after it
        // is read and dropped.
        auto answered = [&]() -> PGresult * {
            PGresult *r = next();
            if (r)
                while (PGresult *more = next())
                    PQclear(more);
            // A failure is kept even as the session goes: the server said
            // which statement it stopped at, so what follows was not run.
            const ExecStatusType status = r ? PQresultStatus(r) : PGRES_PIPELINE_ABORTED;
            const bool ok = status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK;
            if (!ok && !failed && status != PGRES_PIPELINE_ABORTED)
                return failed = r, nullptr;
            if (!ok || gone())
                return PQclear(r), nullptr;
            return r;
        };
        for (qsizetype i = 0; sent && i < qsizetype(queries.size()) && !gone(); ++i) {
            const Query &q = queries[i];
            if (q.prepares) {
                PGresult *made = answered();
                if (made)
                    m_prepared.insert(statements[i].sql, QString::fromLatin1(q.name));
                PQclear(made);
            }
            if (PGresult *r = answered()) {
                const bool read = !failed && statements[i].read;
                if (!failed)
                    results->append(read ? QSqlQuery(new ServerRows(m_db.driver(), r)) : QSqlQuery());
                if (!read)
                    PQclear(r);
            }
        }
        if (!sent || gone())
            return false;
        // The sync's own answer ends the pipeline.
        PGresult *sync = next();
        const bool synced = PQresultStatus(sync) == PGRES_PIPELINE_SYNC;
        PQclear(sync);
        return synced && PQexitPipelineMode(m_conn) && !failed && results->size() == qsizetype(queries.size());
    });
    if (!done) {
        *error = failure(failed);
        PQclear(failed);
        if (PQpipelineStatus(m_conn) != PQ_PIPELINE_OFF && !m_lost)
            PQexitPipelineMode(m_conn);
        // Statements gone from the session (a DISCARD by someone): all are
        // prepared anew, under names of their own, next time.
        QSqlError ignored;
        if (error->nativeErrorCode() == QLatin1String("26000") && !m_lost
            && control(QStringLiteral("DEALLOCATE ALL"), &ignored))
            m_prepared.clear();
        return false;
    }
    return true;
}

std::optional<QSqlQuery> ServerConnection::streamed(const QString &sql, const std::vector<const char *> &params,
                                                    QSqlError *error)
{
    if (!m_conn) {
        *error = QSqlError(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                           QSqlError::ConnectionError);
        return std::nullopt;
    }
    settle();
    // Through a cursor, a batch at a time, the next asked for while this one
    // is read: the driver's row at a time costs a result per row, and no
    // statement has to last as long as the whole stream.
    const Cursor cursor{"vs_rows" + QByteArray::number(++m_cursors), m_holds};
    PGresult *declared = nullptr;
    const QByteArray declare = "DECLARE " + cursor.name + " NO SCROLL CURSOR FOR " + numbered(sql).toUtf8();
    const bool done = bounded([&] {
        declared = answer(PQsendQueryParams(m_conn, declare.constData(), int(params.size()), nullptr, params.data(),
                                            nullptr, nullptr, 0));
        return PQresultStatus(declared) == PGRES_COMMAND_OK;
    });
    if (!done)
        *error = failure(declared);
    PQclear(declared);
    if (!done)
        return std::nullopt;
    PGresult *first = nextRows(cursor, error);
    if (!first)
        return std::nullopt;
    return QSqlQuery(new ServerRows(m_db.driver(), weak_from_this(), cursor, first));
}

bool ServerConnection::ask(const Cursor &cursor, bool close)
{
    const QByteArray statement =
        close ? "CLOSE " + cursor.name : "FETCH " + QByteArray::number(BatchRows) + " FROM " + cursor.name;
    if (!PQsendQuery(m_conn, statement.constData())) {
        m_lost = PQstatus(m_conn) != CONNECTION_OK;
        return false;
    }
    // A closing cursor's answer is only taken before the next statement.
    m_asked = close ? Closing : cursor.name;
    return true;
}

PGresult *ServerConnection::nextRows(const Cursor &cursor, QSqlError *error)
{
    if (!isOpen() || cursor.hold != m_holds) {
        *error = QSqlError(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                           QSqlError::ConnectionError);
        return nullptr;
    }
    if (!mayStart(error))
        return nullptr;
    PGresult *rows = nullptr;
    bool done = false;
    if (m_kept && m_keptFor == cursor.name) {
        // Taken while another statement ran.
        std::swap(rows, m_kept);
        m_keptFor.clear();
        done = PQresultStatus(rows) == PGRES_TUPLES_OK;
    } else {
        if (m_asked != cursor.name) {
            settle();
            if (!ask(cursor)) {
                *error = failure(nullptr);
                return nullptr;
            }
        }
        m_asked.clear();
        done = bounded([&] {
            rows = next();
            // The end of the answer: nothing else is waited for.
            while (PGresult *left = next())
                PQclear(left);
            return PQresultStatus(rows) == PGRES_TUPLES_OK;
        });
    }
    if (!done) {
        *error = failure(rows);
        PQclear(rows);
        return nullptr;
    }
    // A cursor read to its end is closed on the way, unwaited for.
    if (!ask(cursor, PQntuples(rows) < BatchRows)) {
        *error = failure(nullptr);
        PQclear(rows);
        return nullptr;
    }
    return rows;
}

void ServerConnection::settle()
{
    if (m_asked.isEmpty() || !m_conn)
        return;
    // A batch on its way is kept for its cursor's next read.
    PQclear(m_kept);
    m_kept = nullptr;
    m_keptFor = m_asked == Closing ? QByteArray() : m_asked;
    m_asked.clear();
    bounded([&] {
        while (PGresult *left = next()) {
            if (!m_keptFor.isEmpty() && !m_kept)
                m_kept = left;
            else
                PQclear(left);
        }
        return true;
    });
}

void ServerConnection::closeRows(const Cursor &cursor)
{
    if (!isOpen() || cursor.hold != m_holds || !holder)
        return;
    QSqlError ignored;
    control(QStringLiteral("CLOSE ") + QString::fromLatin1(cursor.name), &ignored);
}
