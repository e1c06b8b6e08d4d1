#include "Ledger.h"

#include "Chain.h"
#include "StoreDate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlQuery>
#include <QSysInfo>

#include <map>

namespace {

constexpr int Cash = 6;

const char *const KindNames[] = {"checkout", "payment", "fee", "cashup"};

QString kindName(LedgerEntry::Kind kind)
{
    return QString::fromLatin1(KindNames[static_cast<int>(kind)]);
}

QVariant units(Money m)
{
    return QVariant::fromValue<qint64>(m.units());
}

QVariant optional(const std::optional<qint32> &v)
{
    return v ? QVariant(*v) : QVariant();
}

Money moneyAt(const QSqlQuery &q, int i)
{
    return Money::fromUnits(q.value(i).toLongLong());
}

std::optional<qint32> numberAt(const QSqlQuery &q, int i)
{
    return q.value(i).isNull() ? std::nullopt : std::optional<qint32>(q.value(i).toInt());
}

// Now, as yyyy-MM-ddTHH:mm:ss: put together from its parts, since every
// checkout writes one and the general formatter is slow.
QString writtenAt()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime t = now.time();
    const char16_t time[9] = {u'T',
                              char16_t(u'0' + t.hour() / 10),   char16_t(u'0' + t.hour() % 10),   u':',
                              char16_t(u'0' + t.minute() / 10), char16_t(u'0' + t.minute() % 10), u':',
                              char16_t(u'0' + t.second() / 10), char16_t(u'0' + t.second() % 10)};
    return StoreDate::toText(now.date()).append(QStringView(time, 9));
}

const QString Columns = QStringLiteral(
    "Seq, EntryDate, EntryTime, Counter, Kind, CustomerNumber, RentalID, ReceiptID, VideoID, Method, SubTotal, GST, "
    "PST, Total, Tendered, ChangeGiven, FeesPaid, Rentals, RentalsAmount, TapesSold, TapesSoldAmount, ItemsSold, "
    "ItemsSoldAmount, DaysLate, Amount, OpeningFloat, Expected, Note");

LedgerEntry entryAt(const QSqlQuery &q)
{
    LedgerEntry e;
    e.seq = q.value(0).toLongLong();
    e.day = StoreDate::readStored(q.value(1).toString()).value_or(QDate());
    e.time = q.value(2).toString();
    e.counter = q.value(3).toString();
    const QString kind = q.value(4).toString();
    for (int k = 0; k < 4; ++k)
        if (kind == QLatin1String(KindNames[k]))
            e.kind = LedgerEntry::Kind(k);
    e.member = numberAt(q, 5);
    e.rentalId = numberAt(q, 6);
    e.receiptId = numberAt(q, 7);
    e.videoId = numberAt(q, 8);
    e.method = q.value(9).toInt();
    e.subtotal = moneyAt(q, 10);
    e.gst = moneyAt(q, 11);
    e.pst = moneyAt(q, 12);
    e.total = moneyAt(q, 13);
    e.tendered = moneyAt(q, 14);
    e.change = moneyAt(q, 15);
    e.feesPaid = moneyAt(q, 16);
    e.rentals = q.value(17).toInt();
    e.rentalsAmount = moneyAt(q, 18);
    e.tapesSold = q.value(19).toInt();
    e.tapesSoldAmount = moneyAt(q, 20);
    e.itemsSold = q.value(21).toInt();
    e.itemsSoldAmount = moneyAt(q, 22);
    e.daysLate = q.value(23).toInt();
    e.amount = moneyAt(q, 24);
    e.openingFloat = moneyAt(q, 25);
    e.expected = moneyAt(q, 26);
    e.note = q.value(27).toString();
    e.link = Chain::fromText(q.value(28));
    return e;
}

// Every entry of `day`, of every counter or of one, in the order written.
std::optional<QList<LedgerEntry>> entriesOf(Database &db, QDate day, const std::optional<QString> &counter = {})
{
    QString sql = QStringLiteral("SELECT %1, Hash FROM tblLedger WHERE EntryDate = ?").arg(Columns);
    QVariantList values{StoreDate::toText(day)};
    if (counter) {
        sql += QStringLiteral(" AND Counter = ?");
        values << *counter;
    }
    auto q = db.run(QCoreApplication::translate("Ledger", "read the ledger of %1").arg(StoreDate::toText(day)),
                    sql + QStringLiteral(" ORDER BY Seq"), values);
    if (!q)
        return std::nullopt;
    QList<LedgerEntry> entries;
    while (q->next())
        entries.append(entryAt(*q));
    return entries;
}

// Adds what `e` did to its counter's drawer.
void addToDrawer(Drawer &d, const LedgerEntry &e)
{
    switch (e.kind) {
    case LedgerEntry::Kind::Checkout:
        if (e.method == Cash) {
            ++d.cashCheckouts;
            d.tendered += e.tendered;
            d.change += e.change;
        }
        break;
    case LedgerEntry::Kind::Payment:
        if (e.method == 0 || e.method == Cash) {
            ++d.feePayments;
            d.feePaymentsAmount += e.amount;
        }
        break;
    case LedgerEntry::Kind::CashUp:
        d.counts.append({e.time, e.openingFloat, e.amount, e.expected, e.note});
        break;
    case LedgerEntry::Kind::Fee:
        break;
    }
}

} // namespace

namespace Ledger {

QString counterName()
{
    QString name = qEnvironmentVariable("VIDEOSTORE_COUNTER").trimmed();
    if (name.isEmpty())
        name = QSysInfo::machineHostName().trimmed();
    if (name.isEmpty())
        name = QStringLiteral("counter");
    return name.left(64);
}

namespace {

const char *const MethodNames[] = {
    QT_TRANSLATE_NOOP("Ledger", "not recorded"), QT_TRANSLATE_NOOP("Ledger", "VISA"),
    QT_TRANSLATE_NOOP("Ledger", "MasterCard"),   QT_TRANSLATE_NOOP("Ledger", "American Express"),
    QT_TRANSLATE_NOOP("Ledger", "Sears card"),   QT_TRANSLATE_NOOP("Ledger", "Debit"),
    QT_TRANSLATE_NOOP("Ledger", "Cash")};

const char *methodText(int method)
{
    return MethodNames[method >= 0 && method <= Cash ? method : 0];
}

} // namespace

QString methodName(int method)
{
    return QString::fromLatin1(methodText(method));
}

QString methodShown(int method)
{
    return QCoreApplication::translate("Ledger", methodText(method));
}

bool append(Database &db, const LedgerEntry &e, qint64 *written)
{
    const QString action = QCoreApplication::translate("Ledger", "write the ledger entry");
    const auto tail = Chain::tail(db, Chain::ledger(), action);
    if (!tail)
        return false;
    const Database::Statement insert = appending(e, *tail);
    if (!db.run(insert.action, insert.sql, insert.values))
        return false;
    if (written)
        *written = tail->key;
    return true;
}

Database::Statement appending(const LedgerEntry &e, const Chain::Tail &tail)
{
    const qint64 seq = tail.key;
    const bool checkout = e.kind == LedgerEntry::Kind::Checkout;
    const bool cashUp = e.kind == LedgerEntry::Kind::CashUp;
    auto onCheckout = [checkout](const QVariant &v) { return checkout ? v : QVariant(); };
    QVariantList values = {
        seq,
        StoreDate::toText(e.day),
        e.time.isEmpty() ? writtenAt() : e.time,
        e.counter.isEmpty() ? counterName() : e.counter,
        kindName(e.kind),
        optional(e.member),
        optional(e.rentalId),
        optional(e.receiptId),
        optional(e.videoId),
        e.method >= 1 && e.method <= Cash ? QVariant(e.method) : QVariant(),
        onCheckout(units(e.subtotal)),
        onCheckout(units(e.gst)),
        onCheckout(units(e.pst)),
        onCheckout(units(e.total)),
        onCheckout(units(e.tendered)),
        onCheckout(units(e.change)),
        onCheckout(units(e.feesPaid)),
        onCheckout(e.rentals),
        onCheckout(units(e.rentalsAmount)),
        onCheckout(e.tapesSold),
        onCheckout(units(e.tapesSoldAmount)),
        onCheckout(e.itemsSold),
        onCheckout(units(e.itemsSoldAmount)),
        e.kind == LedgerEntry::Kind::Fee ? QVariant(e.daysLate) : QVariant(),
        units(e.amount),
        cashUp ? units(e.openingFloat) : QVariant(),
        cashUp ? units(e.expected) : QVariant(),
        e.note.isEmpty() ? QVariant() : QVariant(e.note),
    };
    // Every column is in the entry's link, so a column added here is covered
    // without more ado.
    static const Chain::Layout layout(Columns.split(QStringLiteral(", ")));
    values << Chain::toText(layout.link(tail.before, values));
    static const QString insert = [] {
        QString marks = QStringLiteral("?");
        for (qsizetype i = 1; i < Columns.count(u',') + 2; ++i)
            marks += QStringLiteral(", ?");
        return QStringLiteral("INSERT INTO tblLedger (%1, Hash) VALUES (%2)").arg(Columns, marks);
    }();
    return {QCoreApplication::translate("Ledger", "write the ledger entry"), insert, values};
}

std::optional<DayEnd> dayEnd(Database &db, QDate day)
{
    const auto entries = entriesOf(db, day);
    if (!entries)
        return std::nullopt;
    DayEnd out;
    out.day = day;
    out.entries = *entries;
    QList<DayEnd::Method> methods;
    for (int m = 1; m <= Cash; ++m)
        methods.append({m, 0, {}});
    DayEnd::Method unknown{0, 0, {}};
    std::map<QString, Drawer> drawers;
    for (const LedgerEntry &e : *entries) {
        switch (e.kind) {
        case LedgerEntry::Kind::Checkout: {
            DayEnd::Method &m = e.method >= 1 && e.method <= Cash ? methods[e.method - 1] : unknown;
            ++m.checkouts;
            m.total += e.total;
            ++out.checkouts;
            out.checkoutsTotal += e.total;
            out.subtotal += e.subtotal;
            out.gst += e.gst;
            out.pst += e.pst;
            out.rentals += e.rentals;
            out.rentalsAmount += e.rentalsAmount;
            out.tapesSold += e.tapesSold;
            out.tapesSoldAmount += e.tapesSoldAmount;
            out.itemsSold += e.itemsSold;
            out.itemsSoldAmount += e.itemsSoldAmount;
            if (e.feesPaid != Money()) {
                ++out.checkoutsWithFees;
                out.feesPaidAtCheckout += e.feesPaid;
            }
            break;
        }
        case LedgerEntry::Kind::Payment:
            ++out.feePayments;
            out.feePaymentsAmount += e.amount;
            break;
        case LedgerEntry::Kind::Fee:
            ++out.feesCharged;
            out.feesChargedAmount += e.amount;
            break;
        case LedgerEntry::Kind::CashUp:
            break;
        }
        Drawer &d = drawers[e.counter];
        d.counter = e.counter;
        addToDrawer(d, e);
    }
    if (unknown.checkouts > 0)
        methods.append(unknown);
    out.methods = methods;
    for (const auto &[name, d] : drawers)
        if (d.cashCheckouts > 0 || d.feePayments > 0 || !d.counts.isEmpty())
            out.drawers.append(d);
    return out;
}

std::optional<LedgerEntry> entry(Database &db, qint64 seq)
{
    auto q = db.run(QCoreApplication::translate("Ledger", "read ledger entry %1").arg(seq),
                    QStringLiteral("SELECT %1, Hash FROM tblLedger WHERE Seq = ?").arg(Columns), {seq});
    if (!q)
        return std::nullopt;
    return q->next() ? entryAt(*q) : LedgerEntry{};
}

std::optional<Drawer> drawer(Database &db, QDate day, const QString &counter)
{
    const auto entries = entriesOf(db, day, counter);
    if (!entries)
        return std::nullopt;
    Drawer d;
    d.counter = counter;
    for (const LedgerEntry &e : *entries)
        addToDrawer(d, e);
    return d;
}

std::optional<QList<TaxDay>> taxes(Database &db, QDate from, QDate to)
{
    auto q = db.run(QCoreApplication::translate("Ledger", "add up the taxes"),
                    QStringLiteral("SELECT EntryDate, COUNT(*), SUM(SubTotal), SUM(GST), SUM(PST), SUM(Total) "
                                   "FROM tblLedger WHERE Kind = ? AND EntryDate >= ? AND EntryDate <= ? "
                                   "GROUP BY EntryDate ORDER BY EntryDate"),
                    {kindName(LedgerEntry::Kind::Checkout), StoreDate::toText(from), StoreDate::toText(to)});
    if (!q)
        return std::nullopt;
    QList<TaxDay> days;
    while (q->next())
        days.append({StoreDate::readStored(q->value(0).toString()).value_or(QDate()), q->value(1).toInt(),
                     moneyAt(*q, 2), moneyAt(*q, 3), moneyAt(*q, 4), moneyAt(*q, 5)});
    return days;
}

std::optional<QStringList> counters(Database &db, QDate day)
{
    auto q = db.run(QCoreApplication::translate("Ledger", "list the counters"),
                    QStringLiteral("SELECT DISTINCT Counter FROM tblLedger WHERE EntryDate = ? ORDER BY Counter"),
                    {StoreDate::toText(day)});
    if (!q)
        return std::nullopt;
    QStringList names;
    while (q->next())
        names << q->value(0).toString();
    return names;
}

std::optional<QDate> firstDay(Database &db)
{
    const auto first = db.scalar(QCoreApplication::translate("Ledger", "find the ledger's first day"),
                                 QStringLiteral("SELECT MIN(EntryDate) FROM tblLedger"), {});
    if (!first)
        return std::nullopt;
    return first->isNull() ? QDate() : StoreDate::readStored(first->toString()).value_or(QDate());
}

} // namespace Ledger

bool LedgerStore::recordCashUp(QDate day, const QString &counter, Money openingFloat, Money counted,
                               Money shownExpected, const QString &note)
{
    const QString action = QCoreApplication::translate("Ledger", "record the cash-up");
    return m_db.transaction(action, [&] {
        const auto now = Ledger::drawer(m_db, day, counter);
        if (!now)
            return false;
        const Money expected = now->expected(openingFloat);
        if (expected != shownExpected)
            return m_db.conflict(action,
                                 QCoreApplication::translate("Ledger",
                                                             "Money has been taken at %1 since the figures were "
                                                             "shown: the drawer should now hold %2, not "
                                                             "%3.\r\n\r\nNothing was recorded. Check the count "
                                                             "against the new figure, then record it again.")
                                     .arg(counter, expected.toCurrency(), shownExpected.toCurrency()),
                                 QCoreApplication::translate("Ledger", "Money taken since"));
        LedgerEntry e;
        e.kind = LedgerEntry::Kind::CashUp;
        e.day = day;
        e.counter = counter;
        e.amount = counted;
        e.openingFloat = openingFloat;
        e.expected = expected;
        e.note = note;
        return Ledger::append(m_db, e);
    });
}
