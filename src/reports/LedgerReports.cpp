// The reports made from the money ledger: Day End and Taxes.
#include "ReportStore.h"

#include "data/Chain.h"
#include "data/Ledger.h"
#include "data/Seal.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"

#include <QCoreApplication>

namespace {

QVariant units(Money m)
{
    return QVariant::fromValue<qint64>(m.units());
}

QVariant count(qint64 n)
{
    return QVariant::fromValue<qint64>(n);
}

std::optional<QDate> dayOf(Database &db, const QVariant &parameter, const QString &action)
{
    const auto day = StoreDate::parse(parameter.toString());
    if (!day)
        db.fail(action, StoreDate::invalidMessage(parameter.toString()));
    return day;
}

// "14:05" of "2026-03-01T14:05:09".
QString clock(const QString &time)
{
    return time.mid(11, 5);
}

QString describe(const LedgerEntry &e)
{
    QStringList parts;
    switch (e.kind) {
    case LedgerEntry::Kind::Checkout:
        parts << QStringLiteral("Checkout");
        break;
    case LedgerEntry::Kind::Payment:
        parts << QStringLiteral("Fee payment");
        break;
    case LedgerEntry::Kind::Fee:
        parts << QStringLiteral("Fee charged");
        break;
    case LedgerEntry::Kind::CashUp:
        parts << QStringLiteral("Cash-up of %1: float %2, expected %3")
                     .arg(e.counter, e.openingFloat.toCurrency(), e.expected.toCurrency());
        break;
    }
    if (e.member)
        parts << QStringLiteral("member %1").arg(*e.member);
    if (e.videoId)
        parts << QStringLiteral("tape %1").arg(*e.videoId);
    if (e.rentalId)
        parts << QStringLiteral("rental %1").arg(*e.rentalId);
    if (e.receiptId)
        parts << QStringLiteral("receipt %1").arg(*e.receiptId);
    if (e.kind == LedgerEntry::Kind::Fee)
        parts << QStringLiteral("%1 days late").arg(e.daysLate);
    if (e.kind == LedgerEntry::Kind::Checkout && e.method == 6)
        parts << QStringLiteral("Cash %1, change %2").arg(e.tendered.toCurrency(), e.change.toCurrency());
    else if (e.kind == LedgerEntry::Kind::Checkout || e.kind == LedgerEntry::Kind::Payment)
        parts << Ledger::methodName(e.method);
    return QStringLiteral("%1 #%2 %3").arg(clock(e.time)).arg(e.seq).arg(parts.join(QStringLiteral(", ")));
}

// What a report of the days from `from` on says when the ledger begins
// after that: business before it (a store upgraded mid-period, a sample)
// is in no ledger report. Empty when it holds the whole period; nullopt on
// a failure.
std::optional<QString> ledgerStartNote(Database &db, QDate from)
{
    const auto first = Ledger::firstDay(db);
    if (!first)
        return std::nullopt;
    // An empty ledger holds nothing before today.
    const QDate start = first->isValid() ? *first : QDate::currentDate();
    if (from >= start)
        return QString();
    return QStringLiteral("The payments ledger starts on %1; business before that day is not in this report.")
        .arg(StoreDate::toText(start));
}

std::optional<QList<ReportRow>> dayEndRows(Database &db, const QVariantList &parameters)
{
    const QString action = QStringLiteral("run the report Day End");
    const auto day = dayOf(db, parameters.value(0), action);
    if (!day)
        return std::nullopt;
    const auto d = Ledger::dayEnd(db, *day);
    const auto rates = d ? Pricing::lastSet(db) : std::nullopt;
    if (!rates)
        return std::nullopt;
    const std::array<Tax, Pricing::Taxes> &taxes = rates->taxes;

    const auto note = ledgerStartNote(db, *day);
    if (!note)
        return std::nullopt;

    QList<ReportRow> rows;
    const QString dayText = StoreDate::toText(*day);
    QString section;
    auto line = [&](const QString &text, const QVariant &n, const QVariant &amount) {
        rows.append(ReportRow{dayText, section, text, n, amount});
    };
    if (!note->isEmpty()) {
        section = QStringLiteral("Note");
        line(*note, {}, {});
    }

    section = QStringLiteral("Checkouts by payment method");
    for (const DayEnd::Method &m : d->methods) {
        QString name = Ledger::methodName(m.method);
        name[0] = name[0].toUpper();
        line(name, count(m.checkouts), units(m.total));
    }
    line(QStringLiteral("All checkouts"), count(d->checkouts), units(d->checkoutsTotal));

    section = QStringLiteral("Sales and taxes");
    line(QStringLiteral("Tapes rented"), count(d->rentals), units(d->rentalsAmount));
    line(QStringLiteral("Tapes sold"), count(d->tapesSold), units(d->tapesSoldAmount));
    line(QStringLiteral("Items sold"), count(d->itemsSold), units(d->itemsSoldAmount));
    line(QStringLiteral("Fees paid with a checkout"), count(d->checkoutsWithFees), units(d->feesPaidAtCheckout));
    line(QStringLiteral("SubTotal"), {}, units(d->subtotal));
    line(taxes[0].name + QStringLiteral(" collected"), {}, units(d->gst));
    // A second tax at 0 % is left off, unless the day took some of it.
    if (taxes[1].charged() || d->pst != Money())
        line(taxes[1].name + QStringLiteral(" collected"), {}, units(d->pst));
    line(QStringLiteral("TOTAL"), {}, units(d->checkoutsTotal));

    section = QStringLiteral("Late fees");
    line(QStringLiteral("Charged at returns"), count(d->feesCharged), units(d->feesChargedAmount));
    line(QStringLiteral("Paid with a checkout"), count(d->checkoutsWithFees), units(d->feesPaidAtCheckout));
    line(QStringLiteral("Paid at Payments"), count(d->feePayments), units(d->feePaymentsAmount));
    line(QStringLiteral("Collected in all"), count(d->checkoutsWithFees + d->feePayments),
         units(d->feesPaidAtCheckout + d->feePaymentsAmount));

    for (const Drawer &drawer : d->drawers) {
        section = QStringLiteral("Cash drawer of %1").arg(drawer.counter);
        // The float is the one the last count of the day was made with.
        const bool counted = !drawer.counts.isEmpty();
        const Money openingFloat = counted ? drawer.counts.last().openingFloat : Money();
        line(counted ? QStringLiteral("Opening float") : QStringLiteral("Opening float (no cash-up yet)"), {},
             counted ? units(openingFloat) : QVariant());
        line(QStringLiteral("Cash taken at checkouts"), count(drawer.cashCheckouts), units(drawer.tendered));
        line(QStringLiteral("Change given"), {}, units(-drawer.change));
        line(QStringLiteral("Fee payments in cash"), count(drawer.feePayments),
             units(drawer.feePaymentsAmount));
        line(QStringLiteral("Should be in the drawer"), {}, units(drawer.expected(openingFloat)));
        for (const Drawer::Count &c : drawer.counts) {
            const Money difference = c.difference();
            line(QStringLiteral("Counted at %1").arg(clock(c.time)), {}, units(c.counted));
            line(QStringLiteral("%1 at %2, against %3")
                     .arg(difference < Money()   ? QStringLiteral("Short")
                          : difference > Money() ? QStringLiteral("Over")
                                                 : QStringLiteral("Even"),
                          clock(c.time), c.expected.toCurrency()),
                 {}, units(difference));
        }
    }

    // What proves the day later, on the page of the drawers the manager
    // keeps: videostore --verify-seal gives it again only while the day's
    // records, and every one before them, are as now, and none was added.
    QList<Seal::Cover> covers;
    for (const Chain::Table &table : Chain::tables()) {
        const auto cover = Seal::cover(db, table, *day);
        if (!cover)
            return std::nullopt;
        covers << *cover;
    }
    section = QStringLiteral("Seal of the day");
    line(QCoreApplication::translate("DayEnd", "Seal: %1").arg(Seal::line(*day, covers)), {}, {});

    section = QStringLiteral("Every entry of the day");
    for (const LedgerEntry &e : d->entries)
        line(describe(e), {}, units(e.amount));
    return rows;
}

std::optional<QList<ReportRow>> taxRows(Database &db, const QVariantList &parameters)
{
    const QString action = QStringLiteral("run the report Taxes");
    const auto from = dayOf(db, parameters.value(0), action);
    const auto to = from ? dayOf(db, parameters.value(1), action) : std::nullopt;
    if (!from || !to)
        return std::nullopt;
    const auto days = Ledger::taxes(db, *from, *to);
    const auto note = days ? ledgerStartNote(db, *from) : std::nullopt;
    if (!note)
        return std::nullopt;
    QList<ReportRow> rows;
    if (!note->isEmpty())
        rows.append(ReportRow{*note, {}, {}, {}, {}, {}});
    TaxDay all;
    for (const TaxDay &t : *days) {
        rows.append(ReportRow{StoreDate::toText(t.day), count(t.checkouts), units(t.subtotal), units(t.gst),
                              units(t.pst), units(t.total)});
        all.checkouts += t.checkouts;
        all.subtotal += t.subtotal;
        all.gst += t.gst;
        all.pst += t.pst;
        all.total += t.total;
    }
    rows.append(ReportRow{QStringLiteral("%1 to %2").arg(StoreDate::toText(*from), StoreDate::toText(*to)),
                          count(all.checkouts), units(all.subtotal), units(all.gst), units(all.pst),
                          units(all.total)});
    return rows;
}

ReportColumn col(const char *name, ColumnType type = ColumnType::Text)
{
    return {QString::fromLatin1(name), type};
}

} // namespace

namespace ReportCommands {

const ReportCommand &dayEnd()
{
    static const ReportCommand c{QStringLiteral("DayEnd"),
                                 {col("Day", ColumnType::Date), col("Section"), col("Line"),
                                  col("Count", ColumnType::Number), col("Amount", ColumnType::Money)},
                                 {},
                                 {},
                                 {},
                                 QStringLiteral("Section"),
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 [](const QVariantList &) { return QList<Money>(); },
                                 dayEndRows};
    return c;
}

const ReportCommand &taxes()
{
    static const ReportCommand c{QStringLiteral("Taxes"),
                                 {col("Day"), col("Checkouts", ColumnType::Number), col("SubTotal", ColumnType::Money),
                                  col("GST", ColumnType::Money), col("PST", ColumnType::Money),
                                  col("Total", ColumnType::Money)},
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 [](const QVariantList &) { return QList<Money>(); },
                                 taxRows};
    return c;
}

} // namespace ReportCommands
