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
        parts << QCoreApplication::translate("DayEnd", "Checkout");
        break;
    case LedgerEntry::Kind::Payment:
        parts << QCoreApplication::translate("DayEnd", "Fee payment");
        break;
    case LedgerEntry::Kind::Fee:
        parts << QCoreApplication::translate("DayEnd", "Fee charged");
        break;
    case LedgerEntry::Kind::CashUp:
        parts << QCoreApplication::translate("DayEnd", "Cash-up of %1: float %2, expected %3")
                     .arg(e.counter, e.openingFloat.toCurrency(), e.expected.toCurrency());
        break;
    }
    if (e.member)
        parts << QCoreApplication::translate("DayEnd", "member %1").arg(*e.member);
    if (e.videoId)
        parts << QCoreApplication::translate("DayEnd", "tape %1").arg(*e.videoId);
    if (e.rentalId)
        parts << QCoreApplication::translate("DayEnd", "rental %1").arg(*e.rentalId);
    if (e.receiptId)
        parts << QCoreApplication::translate("DayEnd", "receipt %1").arg(*e.receiptId);
    if (e.kind == LedgerEntry::Kind::Fee)
        parts << QCoreApplication::translate("DayEnd", "%1 days late").arg(e.daysLate);
    if (e.kind == LedgerEntry::Kind::Checkout && e.method == 6)
        parts << QCoreApplication::translate("DayEnd", "Cash %1, change %2")
            .arg(e.tendered.toCurrency(), e.change.toCurrency());
    else if (e.kind == LedgerEntry::Kind::Checkout || e.kind == LedgerEntry::Kind::Payment)
        parts << Ledger::methodShown(e.method);
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
    return QCoreApplication::translate("DayEnd",
                                       "The payments ledger starts on %1; business before that day is not in this "
                                       "report.")
        .arg(StoreDate::toText(start));
}

std::optional<QList<ReportRow>> dayEndRows(Database &db, const QVariantList &parameters)
{
    const QString action = QCoreApplication::translate("DayEnd", "run the report Day End");
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
        section = QCoreApplication::translate("DayEnd", "Note");
        line(*note, {}, {});
    }

    section = QCoreApplication::translate("DayEnd", "Checkouts by payment method");
    for (const DayEnd::Method &m : d->methods) {
        QString name = Ledger::methodShown(m.method);
        name[0] = name[0].toUpper();
        line(name, count(m.checkouts), units(m.total));
    }
    line(QCoreApplication::translate("DayEnd", "All checkouts"), count(d->checkouts), units(d->checkoutsTotal));

    section = QCoreApplication::translate("DayEnd", "Sales and taxes");
    line(QCoreApplication::translate("DayEnd", "Tapes rented"), count(d->rentals), units(d->rentalsAmount));
    line(QCoreApplication::translate("DayEnd", "Tapes sold"), count(d->tapesSold), units(d->tapesSoldAmount));
    line(QCoreApplication::translate("DayEnd", "Items sold"), count(d->itemsSold), units(d->itemsSoldAmount));
    line(QCoreApplication::translate("DayEnd", "Fees paid with a checkout"), count(d->checkoutsWithFees),
         units(d->feesPaidAtCheckout));
    line(QCoreApplication::translate("DayEnd", "SubTotal"), {}, units(d->subtotal));
    line(QCoreApplication::translate("DayEnd", "%1 collected").arg(taxes[0].shownName()), {}, units(d->gst));
    // A second tax at 0 % is left off, unless the day took some of it.
    if (taxes[1].charged() || d->pst != Money())
        line(QCoreApplication::translate("DayEnd", "%1 collected").arg(taxes[1].shownName()), {}, units(d->pst));
    line(QCoreApplication::translate("DayEnd", "TOTAL"), {}, units(d->checkoutsTotal));

    section = QCoreApplication::translate("DayEnd", "Late fees");
    line(QCoreApplication::translate("DayEnd",
                                     "Charged at returns"), count(d->feesCharged), units(d->feesChargedAmount));
    line(QCoreApplication::translate("DayEnd", "Paid with a checkout"), count(d->checkoutsWithFees),
         units(d->feesPaidAtCheckout));
    line(QCoreApplication::translate("DayEnd", "Paid at Payments"), count(d->feePayments), units(d->feePaymentsAmount));
    line(QCoreApplication::translate("DayEnd", "Collected in all"), count(d->checkoutsWithFees + d->feePayments),
         units(d->feesPaidAtCheckout + d->feePaymentsAmount));

    for (const Drawer &drawer : d->drawers) {
        section = QCoreApplication::translate("DayEnd", "Cash drawer of %1").arg(drawer.counter);
        // The float is the one the last count of the day was made with.
        const bool counted = !drawer.counts.isEmpty();
        const Money openingFloat = counted ? drawer.counts.last().openingFloat : Money();
        line(counted ? QCoreApplication::translate("DayEnd", "Opening float")
                     : QCoreApplication::translate("DayEnd", "Opening float (no cash-up yet)"),
             {},
             counted ? units(openingFloat) : QVariant());
        line(QCoreApplication::translate("DayEnd", "Cash taken at checkouts"), count(drawer.cashCheckouts),
             units(drawer.tendered));
        line(QCoreApplication::translate("DayEnd", "Change given"), {}, units(-drawer.change));
        line(QCoreApplication::translate("DayEnd", "Fee payments in cash"), count(drawer.feePayments),
             units(drawer.feePaymentsAmount));
        line(QCoreApplication::translate("DayEnd",
                                         "Should be in the drawer"), {}, units(drawer.expected(openingFloat)));
        for (const Drawer::Count &c : drawer.counts) {
            const Money difference = c.difference();
            line(QCoreApplication::translate("DayEnd", "Counted at %1").arg(clock(c.time)), {}, units(c.counted));
            line(QCoreApplication::translate("DayEnd", "%1 at %2, against %3")
                     .arg(difference < Money()   ? QCoreApplication::translate("DayEnd", "Short")
                          : difference > Money() ? QCoreApplication::translate("DayEnd", "Over")
                                                 : QCoreApplication::translate("DayEnd", "Even"),
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
    section = QCoreApplication::translate("DayEnd", "Seal of the day");
    line(QCoreApplication::translate("DayEnd", "Seal: %1").arg(Seal::line(*day, covers)), {}, {});

    section = QCoreApplication::translate("DayEnd", "Every entry of the day");
    for (const LedgerEntry &e : d->entries)
        line(describe(e), {}, units(e.amount));
    return rows;
}

std::optional<QList<ReportRow>> taxRows(Database &db, const QVariantList &parameters)
{
    const QString action = QCoreApplication::translate("DayEnd", "run the report Taxes");
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
    rows.append(ReportRow{QCoreApplication::translate("DayEnd", "%1 to %2")
        .arg(StoreDate::toText(*from), StoreDate::toText(*to)),
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
