#include "Pricing.h"

#include "Chain.h"
#include "Database.h"
#include "Language.h"
#include "Ledger.h"
#include "StoreDate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlQuery>

namespace {

const QString ClassKind = QStringLiteral("class");
const QString TaxKind = QStringLiteral("tax");

QString kindText(PriceChange::Kind kind)
{
    return kind == PriceChange::Kind::Class ? ClassKind : TaxKind;
}

// What the rates hold come first: every checkout reads only those.
const QString RateColumns = QStringLiteral("Kind, Number, Name, Fee, Days, LateFee, Rate");
const QString Columns = RateColumns + QStringLiteral(", InForceFrom, ChangeID, ChangedAt, Counter");
// Every column a change fills, in the order it is written: all in its link.
const QString ChainedColumns =
    QStringLiteral("ChangeID, Kind, Number, InForceFrom, Name, Fee, Days, LateFee, Rate, ChangedAt, Counter");

PriceChange rateAt(const QSqlQuery &q)
{
    PriceChange c;
    c.kind = q.value(0).toString() == ClassKind ? PriceChange::Kind::Class : PriceChange::Kind::Tax;
    c.number = q.value(1).toInt();
    c.name = q.value(2).toString();
    c.fee = Money::fromUnits(q.value(3).toLongLong());
    c.days = q.value(4).toInt();
    c.lateFee = Money::fromUnits(q.value(5).toLongLong());
    c.rate = q.value(6).toLongLong();
    return c;
}

PriceChange changeAt(const QSqlQuery &q)
{
    PriceChange c = rateAt(q);
    c.from = StoreDate::readStored(q.value(7).toString()).value_or(QDate());
    c.id = q.value(8).toLongLong();
    c.changedAt = q.value(9).toString();
    c.counter = q.value(10).toString();
    return c;
}

void apply(Rates &rates, const PriceChange &c)
{
    if (c.kind == PriceChange::Kind::Class && c.number >= 1 && c.number <= Pricing::Classes)
        rates.classes[c.number - 1] = PriceClass{c.name, c.fee, c.days, c.lateFee};
    else if (c.kind == PriceChange::Kind::Tax && c.number >= 1 && c.number <= Pricing::Taxes)
        rates.taxes[c.number - 1] = Tax{c.name, c.rate};
}

QString moneyRange()
{
    return QCoreApplication::translate("Pricing", "from $0.00 to %1").arg(Money::limit().toCurrency());
}

} // namespace

std::optional<Money> Tax::checkedOn(Money amount) const
{
    return amount.checkedTimesRateRounded(rate, Pricing::RateScale);
}

Money Tax::on(Money amount) const
{
    return amount.timesRateRounded(rate, Pricing::RateScale);
}

QString Tax::shownName() const
{
    // Only the starting names: a tax renamed by the manager is theirs.
    if (name == QLatin1String("GST"))
        //: The federal goods and services tax, as a store starts with it.
        return QCoreApplication::translate("Tax", "GST");
    if (name == QLatin1String("PST"))
        //: The provincial sales tax, as a store starts with it.
        return QCoreApplication::translate("Tax", "PST");
    return name;
}

QString Tax::label() const
{
    //: A tax and its rate, as the bill and the receipt show them: "GST @ 7%".
    return QCoreApplication::translate("Tax", "%1 @ %2%").arg(shownName(), Pricing::percent(rate, Money::Shown));
}

const PriceClass *Rates::priceClass(int number) const
{
    return number >= 1 && number <= Pricing::Classes ? &classes[number - 1] : nullptr;
}

QString PriceChange::what() const
{
    return kind == Kind::Class ? QCoreApplication::translate("Pricing", "Price class %1").arg(number)
                               : QCoreApplication::translate("Pricing", "Tax %1").arg(number);
}

bool PriceChange::sameValues(const PriceChange &o) const
{
    if (kind != o.kind || number != o.number || name != o.name)
        return false;
    return kind == Kind::Class ? fee == o.fee && days == o.days && lateFee == o.lateFee : rate == o.rate;
}

namespace Pricing {

const Rates &starting()
{
    static const Rates rates{
        {PriceClass{QStringLiteral("New release"), Money::fromCents(399), 2, Money::fromCents(299)},
         PriceClass{QStringLiteral("Regular"), Money::fromCents(299), 3, Money::fromCents(199)},
         PriceClass{QStringLiteral("Discount or specialty"), Money::fromCents(199), 4, Money::fromCents(99)}},
        {Tax{QStringLiteral("GST"), 70000}, Tax{QStringLiteral("PST"), 80000}}};
    return rates;
}

QDate startingDay()
{
    return QDate(StoreDate::FirstYear, 1, 1);
}

QString percent(qint64 rate, Money::Form form)
{
    const QChar point = form == Money::Shown && Language::current() == Language::French ? u',' : u'.';
    // Percent in ten-thousandths: a millionth of the whole.
    const qint64 abs = rate < 0 ? -rate : rate;
    QString text = QString::number(abs / 10000);
    if (const qint64 fraction = abs % 10000) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += point + digits;
    }
    return rate < 0 ? u'-' + text : text;
}

std::optional<qint64> parsePercent(QStringView text)
{
    QStringView s = text.trimmed();
    if (s.endsWith(u'%'))
        s = s.chopped(1).trimmed();
    const qsizetype dot = s.indexOf(u'.');
    const QStringView whole = dot < 0 ? s : s.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : s.mid(dot + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() > 6 || fraction.size() > 4)
        return std::nullopt;
    qint64 rate = 0;
    for (const QChar c : whole) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        rate = rate * 10 + (c.unicode() - u'0');
    }
    rate *= 10000;
    qint64 place = 1000;
    for (const QChar c : fraction) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        rate += (c.unicode() - u'0') * place;
        place /= 10;
    }
    return rate;
}

PriceChange classChange(const Rates &rates, int number, QDate from)
{
    const PriceClass &c = rates.classes[number - 1];
    PriceChange change;
    change.kind = PriceChange::Kind::Class;
    change.number = number;
    change.from = from;
    change.name = c.name;
    change.fee = c.fee;
    change.days = c.days;
    change.lateFee = c.lateFee;
    return change;
}

PriceChange taxChange(const Rates &rates, int number, QDate from)
{
    PriceChange change;
    change.kind = PriceChange::Kind::Tax;
    change.number = number;
    change.from = from;
    change.name = rates.taxes[number - 1].name;
    change.rate = rates.taxes[number - 1].rate;
    return change;
}

QString problem(const PriceChange &c, QDate today)
{
    const bool isClass = c.kind == PriceChange::Kind::Class;
    // Inside a sentence: "price class 1", in French with its article.
    const QString what = isClass ? QCoreApplication::translate("Pricing", "price class %1").arg(c.number)
                                 : QCoreApplication::translate("Pricing", "tax %1").arg(c.number);
    if (c.number < 1 || c.number > (isClass ? Classes : Taxes))
        return QCoreApplication::translate("Pricing", "There is no %1.").arg(what);
    if (c.name.trimmed().isEmpty())
        return QCoreApplication::translate("Pricing", "Give %1 a name.").arg(what);
    if (c.name.trimmed().size() > LongestName)
        return QCoreApplication::translate("Pricing",
                                           "The name of %1 is %2 characters long; a name holds at most %3.")
            .arg(what)
            .arg(c.name.trimmed().size())
            .arg(LongestName);
    if (!c.from.isValid() || c.from < today)
        return QCoreApplication::translate("Pricing", "A change takes effect today (%1) or later; %2 has passed.")
            .arg(StoreDate::toText(today),
                 c.from.isValid() ? StoreDate::toText(c.from) : QCoreApplication::translate("Pricing", "that day"));
    if (isClass) {
        if (c.fee < Money() || c.fee > Money::limit())
            return QCoreApplication::translate("Pricing", "The rental fee of %1 must be %2.").arg(what, moneyRange());
        if (c.lateFee < Money() || c.lateFee > Money::limit())
            return QCoreApplication::translate("Pricing", "The late fee a day of %1 must be %2.")
                .arg(what, moneyRange());
        if (c.days < 1 || c.days > LongestPeriod)
            return QCoreApplication::translate("Pricing", "The rental period of %1 must be from 1 to %2 days.")
                .arg(what)
                .arg(LongestPeriod);
    } else if (c.rate < 0 || c.rate > RateScale) {
        return QCoreApplication::translate("Pricing", "The rate of %1 (%2) must be from 0 % to 100 %.")
            .arg(c.name, what);
    }
    return {};
}

QString inForceSql()
{
    // The table holds a handful of rows a year: all of them up to the day,
    // the last made of each thing winning.
    static const QString sql =
        QStringLiteral("SELECT %1 FROM tblPrices WHERE InForceFrom <= ? ORDER BY InForceFrom, ChangeID")
            .arg(RateColumns);
    return sql;
}

QVariantList inForceValues(QDate day)
{
    return {StoreDate::toText(day)};
}

Rates ratesFrom(QSqlQuery &rows)
{
    Rates rates;
    while (rows.next())
        apply(rates, rateAt(rows));
    return rates;
}

std::optional<Rates> inForce(Database &db, QDate day)
{
    auto q = db.run(QCoreApplication::translate("Pricing", "read the prices in force"), inForceSql(), inForceValues(day));
    if (!q)
        return std::nullopt;
    return ratesFrom(*q);
}

std::optional<Rates> lastSet(Database &db)
{
    return inForce(db, QDate(StoreDate::LastYear, 12, 31));
}

std::optional<QList<PriceChange>> history(Database &db)
{
    auto q = db.run(QCoreApplication::translate("Pricing", "read the history of the prices"),
                    QStringLiteral("SELECT %1 FROM tblPrices ORDER BY InForceFrom, Kind, Number, ChangeID")
                        .arg(Columns));
    if (!q)
        return std::nullopt;
    QList<PriceChange> changes;
    while (q->next()) {
        PriceChange c = changeAt(*q);
        // Rows come in the order made within one thing and day: a row
        // followed by another of the same is the replaced one.
        if (!changes.isEmpty()) {
            PriceChange &last = changes.last();
            last.replaced = last.kind == c.kind && last.number == c.number && last.from == c.from;
        }
        changes.append(c);
    }
    return changes;
}

bool record(Database &db, const QList<PriceChange> &changes, QDate today)
{
    const QString action = QCoreApplication::translate("Pricing", "save the prices and taxes");
    return db.transaction(action, [&] {
        const QString at = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        for (const PriceChange &c : changes) {
            if (const QString why = problem(c, today); !why.isEmpty())
                return db.conflict(action, why, QCoreApplication::translate("Pricing", "Price change not valid"));
            // A day that has started may already have been charged at the
            // change made for it; a later day's change can still be replaced.
            if (c.from <= today) {
                const auto made = db.scalar(action,
                                            QStringLiteral("SELECT COUNT(*) FROM tblPrices WHERE Kind = ? AND "
                                                           "Number = ? AND InForceFrom = ?"),
                                            {kindText(c.kind), c.number, StoreDate::toText(c.from)});
                if (!made)
                    return false;
                if (made->toLongLong() > 0)
                    return db.conflict(action,
                                       QCoreApplication::translate("Pricing",
                                                                   "%1 was already changed for %2, which has "
                                                                   "started: a change made today is in force from "
                                                                   "tomorrow on.")
                                           .arg(c.what(), StoreDate::toText(c.from)),
                                       QCoreApplication::translate("Pricing", "Already changed for that day"));
            }
            const auto tail = Chain::tail(db, Chain::prices(), action);
            if (!tail)
                return false;
            const bool isClass = c.kind == PriceChange::Kind::Class;
            const QVariant none;
            static const Chain::Layout layout(ChainedColumns.split(QStringLiteral(", ")));
            QVariantList values = {tail->key, kindText(c.kind), c.number, StoreDate::toText(c.from),
                                   c.name.trimmed(), isClass ? QVariant::fromValue<qint64>(c.fee.units()) : none,
                                   isClass ? QVariant(c.days) : none,
                                   isClass ? QVariant::fromValue<qint64>(c.lateFee.units()) : none,
                                   isClass ? none : QVariant::fromValue<qint64>(c.rate), at, Ledger::counterName()};
            values << Chain::toText(layout.link(tail->before, values));
            if (!db.run(action,
                        QStringLiteral("INSERT INTO tblPrices (%1, Hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(ChainedColumns),
                        values))
                return false;
        }
        return true;
    });
}

} // namespace Pricing
