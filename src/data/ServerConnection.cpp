#include "ServerConnection.h"

#include "ScopedConnection.h"
#include "ServerStore.h"

#include <QDateTime>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlRecord>
#include <QSqlResult>

#include <libpq-fe.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

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
// own statement_timeout fire. Each thread waits for one answer at a time,
// in a slot of its own, so arming costs no lock.
class AnswerWatch
{
public:
    struct Slot
    {
        enum State { Idle, Armed, Cutting, Cut };
        std::atomic<int> state{Idle};
        std::atomic<int> socket{-1};
        std::atomic<Clock::rep> deadline{0};
    };

    static AnswerWatch &instance()
    {
        // Never destroyed: its thread watches for as long as the process runs.
        static AnswerWatch *watch = new AnswerWatch;
        return *watch;
    }

    // This thread's slot.
    Slot &slot()
    {
        thread_local const Registration registration(*this);
        return *registration.slot;
    }

    static void arm(Slot &s, int socket, Clock::time_point deadline)
    {
        s.socket.store(socket, std::memory_order_relaxed);
        s.deadline.store(deadline.time_since_epoch().count(), std::memory_order_relaxed);
        s.state.store(Slot::Armed, std::memory_order_release);
    }

    // Whether the socket was cut before the answer came.
    static bool disarm(Slot &s)
    {
        int armed = Slot::Armed;
        if (s.state.compare_exchange_strong(armed, Slot::Idle))
            return false;
        // The watch is cutting it: the socket stays this thread's until it is done.
        while (s.state.load(std::memory_order_acquire) != Slot::Cut)
            std::this_thread::yield();
        s.state.store(Slot::Idle, std::memory_order_relaxed);
        return true;
    }

private:
    struct Registration
    {
        explicit Registration(AnswerWatch &w) : watch(w), slot(std::make_shared<Slot>())
        {
            const std::lock_guard lock(watch.m_mutex);
            watch.m_slots.push_back(slot);
        }
        ~Registration()
        {
            const std::lock_guard lock(watch.m_mutex);
            std::erase(watch.m_slots, slot);
        }
        AnswerWatch &watch;
        std::shared_ptr<Slot> slot;
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
            const Clock::rep now = Clock::now().time_since_epoch().count();
            for (const std::shared_ptr<Slot> &s : m_slots) {
                if (s->state.load(std::memory_order_acquire) != Slot::Armed
                    || s->deadline.load(std::memory_order_relaxed) > now)
                    continue;
                int armed = Slot::Armed;
                if (!s->state.compare_exchange_strong(armed, Slot::Cutting))
                    continue;
                ::shutdown(s->socket.load(std::memory_order_relaxed), SHUT_RDWR);
                s->state.store(Slot::Cut, std::memory_order_release);
            }
        }
    }

    std::mutex m_mutex;
    std::vector<std::shared_ptr<Slot>> m_slots;
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

// The rows, or the count of rows changed, of one statement run through
// libpq, for a QSqlQuery to read: every value converted as the driver
// converts its own, so a store reads the same whichever ran it.
class PreparedResult final : public QSqlResult
{
public:
    PreparedResult(const QSqlDriver *driver, PGresult *result) : QSqlResult(driver), m_result(result)
    {
        setSelect(PQresultStatus(result) == PGRES_TUPLES_OK);
        setActive(true);
        setAt(QSql::BeforeFirstRow);
    }
    ~PreparedResult() override { PQclear(m_result); }
    Q_DISABLE_COPY_MOVE(PreparedResult)

protected:
    QVariant data(int i) override
    {
        const Oid type = PQftype(m_result, i);
        const QMetaType meta = metaTypeOf(type);
        if (PQgetisnull(m_result, at(), i))
            return QVariant(meta, nullptr);
        const char *v = PQgetvalue(m_result, at(), i);
        switch (meta.id()) {
        case QMetaType::Bool: return v[0] == 't';
        case QMetaType::QString: return QString::fromUtf8(v);
        case QMetaType::LongLong:
            return v[0] == '-' ? QVariant(QByteArray(v).toLongLong()) : QVariant(QByteArray(v).toULongLong());
        case QMetaType::Int: return atoi(v);
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
    bool isNull(int i) override { return PQgetisnull(m_result, at(), i); }
    bool reset(const QString &) override { return false; }
    bool fetch(int i) override
    {
        if (i < 0 || i >= PQntuples(m_result))
            return false;
        setAt(i);
        return true;
    }
    bool fetchFirst() override { return fetch(0); }
    bool fetchLast() override { return fetch(PQntuples(m_result) - 1); }
    int size() override { return isSelect() ? PQntuples(m_result) : -1; }
    int numRowsAffected() override { return QByteArray(PQcmdTuples(m_result)).toInt(); }
    QSqlRecord record() const override
    {
        QSqlRecord r;
        for (int i = 0; i < PQnfields(m_result); ++i)
            r.append(QSqlField(QString::fromUtf8(PQfname(m_result, i)), metaTypeOf(PQftype(m_result, i))));
        return r;
    }

private:
    PGresult *m_result;
};

// A value as libpq takes it, in text; nullopt for NULL.
std::optional<QByteArray> asText(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    switch (v.metaType().id()) {
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
    QSqlError refusal;
    // A new session has none of the old one's statements.
    m_prepared.clear();
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
        // The server's notices are for its log, not the clerk's terminal.
        PQsetNoticeProcessor(m_conn, [](void *, const char *) {}, nullptr);
    }
    const auto allowed = control(Settings, error);
    if (!allowed)
        return false;
    ServerStore::noteAllowedConnections(m_location, allowed->toInt());
    return true;
}

bool ServerConnection::bounded(const std::function<bool()> &call)
{
    const Clock::time_point now = Clock::now();
    Clock::time_point deadline = now + m_wait;
    if (m_deadline && *m_deadline < deadline)
        deadline = std::max(*m_deadline, now + std::chrono::milliseconds(500));
    AnswerWatch::Slot &slot = AnswerWatch::instance().slot();
    if (m_socket >= 0)
        AnswerWatch::arm(slot, m_socket, deadline);
    const bool done = call();
    m_timedOut = m_socket >= 0 && AnswerWatch::disarm(slot);
    // A session that is no longer open was lost whatever the error said.
    if (!done)
        m_lost = m_timedOut || !m_db.isOpen();
    return done;
}

bool ServerConnection::exec(QSqlQuery &q, const QString &sql, QSqlError *error)
{
    if (bounded([&] { return q.exec(sql); }))
        return true;
    *error = q.lastError();
    // A driver that refuses to send on a lost session says nothing at all.
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

std::optional<QString> ServerConnection::prepared(const QString &sql, QSqlError *error)
{
    if (const auto it = m_prepared.constFind(sql); it != m_prepared.cend())
        return *it;
    if (!m_conn) {
        *error = QSqlError(QStringLiteral("connection not open"), QStringLiteral("connection not open"),
                           QSqlError::ConnectionError);
        return std::nullopt;
    }
    // Reports make texts of their own; a session never holds more than these.
    if (m_prepared.size() >= 2000 && control(QStringLiteral("DEALLOCATE ALL"), error).has_value())
        m_prepared.clear();
    const QString name = QStringLiteral("vs%1").arg(m_prepared.size() + 1);
    PGresult *made = nullptr;
    bounded([&] {
        made = PQprepare(m_conn, name.toLatin1().constData(), numbered(sql).toUtf8().constData(), 0, nullptr);
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

QSqlError ServerConnection::failure(const PGresult *result) const
{
    // As the driver words its own: the server's message, then its code.
    const QString code = result ? QString::fromLatin1(PQresultErrorField(result, PG_DIAG_SQLSTATE)) : QString();
    QString message = QString::fromUtf8(PQerrorMessage(m_conn));
    if (!code.isEmpty())
        message += QStringLiteral("(%1)").arg(code);
    return QSqlError(QStringLiteral("QPSQL: Unable to create query"), message, QSqlError::StatementError, code);
}

std::optional<QSqlQuery> ServerConnection::execute(const QString &sql, const QVariantList &values, bool forwardOnly,
                                                   QSqlError *error)
{
    const std::optional<QString> name = prepared(sql, error);
    if (!name)
        return std::nullopt;
    if (forwardOnly) {
        // Rows read as they come, which the driver does: its EXECUTE of the
        // same statement, the values written as it writes them.
        QString statement = QStringLiteral("EXECUTE ") + *name;
        if (!values.isEmpty()) {
            QSqlField field;
            QStringList written;
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
        q.setForwardOnly(true);
        if (!exec(q, statement, error))
            return std::nullopt;
        return q;
    }
    std::vector<std::optional<QByteArray>> texts;
    std::vector<const char *> params;
    texts.reserve(values.size());
    params.reserve(values.size());
    for (const QVariant &v : values) {
        texts.push_back(asText(v));
        params.push_back(texts.back() ? texts.back()->constData() : nullptr);
    }
    // Whatever a driver's query left unread goes, as the driver does before
    // each statement of its own.
    while (PGresult *left = PQgetResult(m_conn))
        PQclear(left);
    PGresult *result = nullptr;
    const QByteArray statement = name->toLatin1();
    const bool done = bounded([&] {
        result = PQexecPrepared(m_conn, statement.constData(), int(params.size()), params.data(), nullptr, nullptr, 0);
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
    return QSqlQuery(new PreparedResult(m_db.driver(), result));
}
