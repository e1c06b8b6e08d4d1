#include "Chain.h"

#include "Database.h"
#include "Money.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <limits>

#include <sodium.h>

namespace Chain {

namespace {

constexpr std::size_t LinkBytes = crypto_generichash_BYTES; // 32
// Rows linked per statement by an upgrade: few round trips, bounded memory.
constexpr int UpgradeBatch = 1000;

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

void add(crypto_generichash_state &state, const char *data, std::size_t size)
{
    const quint32 length = qToLittleEndian(quint32(size));
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char *>(&length), sizeof length);
    crypto_generichash_update(&state, reinterpret_cast<const unsigned char *>(data), size);
}

// NULL as the engines take it when a value is bound: a null variant, or a
// null string.
bool isNull(const QVariant &v)
{
    if (v.isNull())
        return true;
    if (v.typeId() == QMetaType::QString)
        return static_cast<const QString *>(v.constData())->isNull();
    if (v.typeId() == QMetaType::QByteArray)
        return static_cast<const QByteArray *>(v.constData())->isNull();
    return false;
}

// A value as one text on either engine: a number in decimal, text as it is.
void addValue(crypto_generichash_state &state, const QVariant &v)
{
    char digits[24];
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Long: {
        const auto end = std::to_chars(digits, digits + sizeof digits, v.toLongLong()).ptr;
        return add(state, digits, std::size_t(end - digits));
    }
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::ULong: {
        const auto end = std::to_chars(digits, digits + sizeof digits, v.toULongLong()).ptr;
        return add(state, digits, std::size_t(end - digits));
    }
    default:
        break;
    }
    const QByteArray text = v.toString().toUtf8();
    add(state, text.constData(), std::size_t(text.size()));
}

QByteArray blake2b(const QByteArray &input)
{
    sodiumReady();
    QByteArray out(LinkBytes, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char *>(out.data()), LinkBytes,
                       reinterpret_cast<const unsigned char *>(input.constData()), std::size_t(input.size()), nullptr,
                       0);
    return out;
}

QString thousands(qint64 n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

// "2026-11-03 14:12" of "2026-11-03T14:12:09" or "2026-11-03 14:12:09".
QString minute(const QVariant &time)
{
    QString text = time.toString().left(16);
    if (text.size() > 10)
        text[10] = u' ';
    return text;
}

QVariant field(const QSqlQuery &q, const char *name)
{
    return q.value(QString::fromLatin1(name));
}

// "tax 2 (PST)" of a price row.
QString priceThing(const QSqlQuery &q)
{
    const bool isClass = field(q, "Kind").toString() == QLatin1String("class");
    return (isClass ? QCoreApplication::translate("Chain", "price class %1 (%2)")
                    : QCoreApplication::translate("Chain", "tax %1 (%2)"))
        .arg(field(q, "Number").toString(), field(q, "Name").toString());
}

// What a finding says of a row, read as it now stands.
QString describe(const Table &table, const QSqlQuery &q)
{
    if (table.name == gateLog().name)
        return QStringLiteral("%1, %2").arg(minute(field(q, "TriedAt")), field(q, "Outcome").toString());
    if (table.name == prices().name)
        return QCoreApplication::translate("Chain", "%1 from %2")
            .arg(priceThing(q), field(q, "InForceFrom").toString());
    const QString kind = field(q, "Kind").toString();
    QString what = kind;
    if (kind == QLatin1String("checkout")) {
        const QVariant receipt = field(q, "ReceiptID");
        what = QCoreApplication::translate("Chain", "checkout %1")
            .arg(receipt.isNull() ? field(q, "RentalID").toString() : receipt.toString());
    } else if (kind == QLatin1String("payment")) {
        what = QCoreApplication::translate("Chain", "fee payment of member %1")
            .arg(field(q, "CustomerNumber").toString());
    } else if (kind == QLatin1String("fee")) {
        what = QCoreApplication::translate("Chain", "late fee for tape %1").arg(field(q, "VideoID").toString());
    } else if (kind == QLatin1String("cashup")) {
        what = QCoreApplication::translate("Chain", "cash-up of %1").arg(field(q, "Counter").toString());
    }
    return QStringLiteral("%1, %2").arg(minute(field(q, "EntryTime")), what);
}

QStringList columnsOf(const QSqlRecord &record)
{
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

// The start of `table`'s chain as `db` keeps it; nullopt when the setting is
// missing or not one the program made.
std::optional<QByteArray> startOn(const QSqlDatabase &db, const Table &table, QSqlError *error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"));
    q.addBindValue(QString::fromLatin1(StartSetting));
    if (!q.exec()) {
        *error = q.lastError();
        return std::nullopt;
    }
    const QVariant setting = q.next() ? q.value(0) : QVariant();
    if (!isStartSetting(setting))
        return std::nullopt;
    return start(setting, table);
}

} // namespace

QString Table::word(qint64 n) const
{
    return QCoreApplication::translate("Chain", n == 1 ? one : many);
}

QString Table::count(qint64 n) const
{
    return QStringLiteral("%1 %2").arg(thousands(n), word(n));
}

const Table &ledger()
{
    static const Table t{QStringLiteral("tblLedger"), QStringLiteral("Seq"), QStringLiteral("ledger entry"),
                         QStringLiteral("EntryDate"), QT_TRANSLATE_NOOP("Chain", "ledger entry"),
                         QT_TRANSLATE_NOOP("Chain", "ledger entries")};
    return t;
}

const Table &gateLog()
{
    static const Table t{QStringLiteral("tblGateLog"), QStringLiteral("TryNumber"), QStringLiteral("gate log entry"),
                         QStringLiteral("TriedAt"), QT_TRANSLATE_NOOP("Chain", "gate entry"),
                         QT_TRANSLATE_NOOP("Chain", "gate entries")};
    return t;
}

const Table &prices()
{
    // A change belongs to the day it was made; the starting prices to none.
    static const Table t{QStringLiteral("tblPrices"), QStringLiteral("ChangeID"), QStringLiteral("price change"),
                         QStringLiteral("ChangedAt"), QT_TRANSLATE_NOOP("Chain", "price change"),
                         QT_TRANSLATE_NOOP("Chain", "price changes")};
    return t;
}

const QList<Table> &tables()
{
    static const QList<Table> all = {ledger(), gateLog(), prices()};
    return all;
}

Layout::Layout(const QStringList &columns)
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(QLatin1String(HashColumn), Qt::CaseInsensitive) != 0)
            m_columns.append({i, columns[i].toLower().toUtf8()});
    std::sort(m_columns.begin(), m_columns.end(), [](const Column &a, const Column &b) { return a.name < b.name; });
}

QByteArray Layout::link(const QByteArray &before, const QVariantList &values) const
{
    sodiumReady();
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, LinkBytes);
    add(state, before.constData(), std::size_t(before.size()));
    for (const Column &c : m_columns) {
        const QVariant &v = values.at(c.index);
        if (isNull(v))
            continue;
        add(state, c.name.constData(), std::size_t(c.name.size()));
        addValue(state, v);
    }
    QByteArray out(LinkBytes, Qt::Uninitialized);
    crypto_generichash_final(&state, reinterpret_cast<unsigned char *>(out.data()), LinkBytes);
    return out;
}

QByteArray Layout::link(const QByteArray &before, const QSqlQuery &q) const
{
    sodiumReady();
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, LinkBytes);
    add(state, before.constData(), std::size_t(before.size()));
    for (const Column &c : m_columns) {
        const QVariant v = q.value(c.index);
        if (isNull(v))
            continue;
        add(state, c.name.constData(), std::size_t(c.name.size()));
        addValue(state, v);
    }
    QByteArray out(LinkBytes, Qt::Uninitialized);
    crypto_generichash_final(&state, reinterpret_cast<unsigned char *>(out.data()), LinkBytes);
    return out;
}

bool isStartSetting(const QVariant &setting)
{
    const QString text = setting.toString();
    return text.size() == 2 * int(LinkBytes)
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() || (c >= u'a' && c <= u'f'); });
}

QByteArray start(const QVariant &setting, const Table &table)
{
    // Each table its own start, from the one value the store keeps.
    return blake2b(QByteArray("videostore chain ") + setting.toString().toLatin1() + ' ' + table.name.toLatin1());
}

QString toText(const QByteArray &link)
{
    return QString::fromLatin1(link.toHex());
}

QByteArray fromText(const QVariant &text)
{
    return QByteArray::fromHex(text.toString().toLatin1());
}

QString tailSql(const Table &table)
{
    return QStringLiteral("SELECT %1, Hash FROM %2 ORDER BY %1 DESC LIMIT 1").arg(table.key, table.name);
}

std::optional<Tail> tail(Database &db, const Table &table, const QString &action)
{
    auto q = db.run(action, tailSql(table));
    if (!q)
        return std::nullopt;
    return tailFrom(*q, db, table, action);
}

std::optional<Tail> tailFrom(QSqlQuery &rows, Database &db, const Table &table, const QString &action)
{
    if (rows.next())
        return Tail{rows.value(0).toLongLong() + 1, fromText(rows.value(1))};
    const auto setting = db.scalar(action, QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"),
                                   {QString::fromLatin1(StartSetting)});
    if (!setting)
        return std::nullopt;
    // A store whose start was taken away still takes its first row; the
    // check names the missing start.
    return Tail{1, start(*setting, table)};
}

namespace {

// "ledger entry 1,204 was removed after it was written": a sentence of each
// chain's own, so that a translation can agree with its noun.
QString removed(const Table &table, const QString &number)
{
    if (table.name == ledger().name)
        return QCoreApplication::translate("Chain", "ledger entry %1 was removed after it was written").arg(number);
    if (table.name == gateLog().name)
        return QCoreApplication::translate("Chain", "gate log entry %1 was removed after it was written").arg(number);
    if (table.name == prices().name)
        return QCoreApplication::translate("Chain", "price change %1 was removed after it was written").arg(number);
    return QStringLiteral("%1 %2 was removed after it was written").arg(table.entry, number);
}

QString changed(const Table &table, const QString &number, const QString &row)
{
    if (table.name == ledger().name)
        return QCoreApplication::translate("Chain", "ledger entry %1 (%2) was changed or removed after it was written")
            .arg(number, row);
    if (table.name == gateLog().name)
        return QCoreApplication::translate("Chain",
                                           "gate log entry %1 (%2) was changed or removed after it was written")
            .arg(number, row);
    if (table.name == prices().name)
        return QCoreApplication::translate("Chain", "price change %1 (%2) was changed or removed after it was written")
            .arg(number, row);
    return QStringLiteral("%1 %2 (%3) was changed or removed after it was written").arg(table.entry, number, row);
}

} // namespace

Walk walk(const QSqlDatabase &db, const Table &table,
          const std::function<bool(const QSqlQuery &row, const QByteArray &link)> &visit,
          const std::atomic<bool> *cancel)
{
    Walk out;
    QSqlError error;
    const std::optional<QByteArray> first = startOn(db, table, &error);
    if (error.isValid()) {
        out.finding = QCoreApplication::translate("Chain", "%1 could not be read (%2)").arg(table.name, error.text());
        return out;
    }
    if (!first) {
        out.finding = QCoreApplication::translate(
                          "Chain", "the value the chains start from (%1 in tblSettings) is missing or was changed")
                          .arg(QLatin1String(StartSetting));
        return out;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table.name, table.key))) {
        out.finding = QCoreApplication::translate("Chain", "%1 could not be read (%2)")
            .arg(table.name, q.lastError().text());
        return out;
    }
    const QSqlRecord record = q.record();
    const Layout layout(columnsOf(record));
    const int key = record.indexOf(table.key);
    const int stored = record.indexOf(QLatin1String(HashColumn));
    QByteArray before = *first;
    qint64 expected = 1;
    while (q.next()) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            out.cancelled = true;
            return out;
        }
        const qint64 number = q.value(key).toLongLong();
        if (number > expected) {
            out.finding = removed(table, thousands(expected));
            return out;
        }
        const QByteArray link = layout.link(before, q);
        if (number != expected || link != fromText(q.value(stored))) {
            out.finding = changed(table, thousands(number), describe(table, q));
            return out;
        }
        ++out.rows;
        if (visit && !visit(q, link))
            return out;
        before = link;
        ++expected;
    }
    if (q.lastError().isValid())
        out.finding = QCoreApplication::translate("Chain", "%1 could not be read (%2)")
            .arg(table.name, q.lastError().text());
    return out;
}

QString brief(const Table &table, const QSqlQuery &q)
{
    const QString key = field(q, table.key.toLatin1().constData()).toString();
    if (table.name == gateLog().name)
        return QCoreApplication::translate("Chain", "entry %1, %2 at %3")
            .arg(key, field(q, "Outcome").toString(), minute(field(q, "TriedAt")).mid(11));
    if (table.name == prices().name)
        return QCoreApplication::translate("Chain", "change %1, %2 from %3")
            .arg(key, priceThing(q), field(q, "InForceFrom").toString());
    static const QHash<QString, const char *> kinds = {
        {QStringLiteral("checkout"), QT_TRANSLATE_NOOP("Chain", "checkout")},
        {QStringLiteral("payment"), QT_TRANSLATE_NOOP("Chain", "payment")},
        {QStringLiteral("fee"), QT_TRANSLATE_NOOP("Chain", "late fee")},
        {QStringLiteral("cashup"), QT_TRANSLATE_NOOP("Chain", "cash-up")}};
    const QString kind = field(q, "Kind").toString();
    return QCoreApplication::translate("Chain", "entry %1, %2 %3")
        .arg(key, kinds.contains(kind) ? QCoreApplication::translate("Chain", kinds.value(kind)) : kind,
             Money::fromUnits(field(q, "Amount").toLongLong()).toCurrency());
}

QString digest(const QStringList &parts)
{
    sodiumReady();
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, 16);
    for (const QString &part : parts) {
        const QByteArray bytes = part.toUtf8();
        add(state, bytes.constData(), std::size_t(bytes.size()));
    }
    QByteArray out(16, Qt::Uninitialized);
    crypto_generichash_final(&state, reinterpret_cast<unsigned char *>(out.data()), 16);
    return QString::fromLatin1(out.toHex());
}

QSqlError linkExisting(const QSqlDatabase &db, Schema::Engine engine, const QList<Table> &which)
{
    QSqlQuery q(db);
    QSqlError error;
    for (const Table &table : which) {
        const std::optional<QByteArray> first = startOn(db, table, &error);
        if (error.isValid())
            return error;
        QByteArray before = first.value_or(QByteArray());
        // The guards stand aside for the step, in its transaction only.
        QList<Schema::Guard> guards;
        for (const Schema::Guard &g : Schema::guards(engine))
            if (g.table == table.name)
                guards << g;
        for (const Schema::Guard &g : guards)
            if (!q.exec(g.drop))
                return q.lastError();
        QSqlQuery update(db);
        if (!update.prepare(QStringLiteral("UPDATE %1 SET Hash = ? WHERE %2 = ?").arg(table.name, table.key)))
            return update.lastError();
        // The keys are INTEGER columns: 32 bits on a server.
        qint64 last = std::numeric_limits<qint32>::min();
        for (bool more = true; more;) {
            QSqlQuery rows(db);
            rows.setForwardOnly(true);
            rows.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 > ? ORDER BY %2 LIMIT %3")
                             .arg(table.name, table.key)
                             .arg(UpgradeBatch));
            rows.addBindValue(last);
            if (!rows.exec())
                return rows.lastError();
            const QSqlRecord record = rows.record();
            const Layout layout(columnsOf(record));
            const int key = record.indexOf(table.key);
            QList<std::pair<qint64, QByteArray>> links;
            while (rows.next()) {
                before = layout.link(before, rows);
                last = rows.value(key).toLongLong();
                links.append({last, before});
            }
            if (rows.lastError().isValid())
                return rows.lastError();
            rows = QSqlQuery();
            for (const auto &[number, link] : links) {
                update.addBindValue(toText(link));
                update.addBindValue(number);
                if (!update.exec())
                    return update.lastError();
            }
            more = links.size() == UpgradeBatch;
        }
        for (const Schema::Guard &g : guards)
            for (const QString &sql : g.create)
                if (!q.exec(sql))
                    return q.lastError();
    }
    return {};
}

} // namespace Chain
