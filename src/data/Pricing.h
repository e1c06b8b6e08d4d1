#pragma once

#include "Database.h"
#include "Money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// A sales tax: its name and its rate in millionths (70000 is 7 %).
struct Tax
{
    QString name;
    qint64 rate = 0;

    // The tax on `amount`, rounded half to even to whole cents; nullopt
    // when it does not fit.
    std::optional<Money> checkedOn(Money amount) const;
    Money on(Money amount) const;
    // The name as a person reads it in the language shown: the names a
    // store starts with, GST and PST, are TPS and TVP in French; a name
    // the manager gave is shown as given. The store keeps `name`.
    QString shownName() const;
    // "GST @ 7%" ("TPS 7 %" in French), as the bill and the receipt head
    // the tax's amount.
    QString label() const;
    // A tax at 0 % is left off the bill, the receipt and the reports.
    bool charged() const { return rate != 0; }
};

// What renting a title of one price class costs.
struct PriceClass
{
    QString name;
    Money fee;
    int days = 0;
    Money lateFee; // a day past the due date
};

// The prices and taxes in force on one day.
struct Rates
{
    std::array<PriceClass, 3> classes;
    std::array<Tax, 2> taxes;

    // Price class 1 to 3; nullptr for any other number.
    const PriceClass *priceClass(int number) const;
};

// One change of a price class or a tax, in force from a day on. Changes
// are only ever added: the store keeps every one, and the one in force on
// a day is the last made among those from that day or before.
struct PriceChange
{
    enum class Kind { Class, Tax };

    Kind kind = Kind::Class;
    int number = 1; // price class 1 to 3, tax 1 or 2
    QDate from;
    QString name;
    Money fee, lateFee; // a class
    int days = 0;       // a class
    qint64 rate = 0;    // a tax, in millionths

    // Read back only: its number, when and where it was made (empty for the
    // prices a store starts with), and whether a later change for the same
    // day took its place before that day came.
    qint64 id = 0;
    QString changedAt, counter;
    bool replaced = false;

    // "Price class 1", "Tax 2".
    QString what() const;
    bool sameValues(const PriceChange &other) const;
};

// Every fee, rental period, late fee and tax the store charges comes from
// here, for the day it is charged on; no other place holds a rate.
class QSqlQuery;

namespace Pricing {

inline constexpr int Classes = 3;
inline constexpr int Taxes = 2;
inline constexpr qint64 RateScale = 1000000; // a rate of 1 is 100 %
inline constexpr int LongestPeriod = 365;
// A name of a class or tax fits the bill, the receipt and the reports.
inline constexpr int LongestName = 40;

// What a new store charges until the manager changes it.
const Rates &starting();
// The day the starting prices are in force from: the first day a store takes.
QDate startingDay();

// A rate as a percentage without trailing zeros: "7", "9.975", "0"; shown
// to a person in French, "9,975".
QString percent(qint64 rate, Money::Form form = Money::Untranslated);
// A percentage as typed ("13", "9.975", "5 %"), to four decimals; nullopt
// when it is not one.
std::optional<qint64> parsePercent(QStringView text);

// The change of one thing to the values in `rates`.
PriceChange classChange(const Rates &rates, int number, QDate from);
PriceChange taxChange(const Rates &rates, int number, QDate from);
// Why `change` cannot be made on `today`, in the manager's words; empty
// when it can. The store's own rule (one change a day once the day has
// started) is checked when it is recorded.
QString problem(const PriceChange &change, QDate today);

// The rates in force on `day`.
std::optional<Rates> inForce(Database &db, QDate day);
// The same read as a statement to send beside others, and its rows read.
QString inForceSql();
QVariantList inForceValues(QDate day);
Rates ratesFrom(QSqlQuery &rows);
// The prices and taxes as last set, changes to come included: what names
// the taxes in reports that span many days.
std::optional<Rates> lastSet(Database &db);
// Every change ever made, by the day it takes effect, then in the order made.
std::optional<QList<PriceChange>> history(Database &db);
// Records the changes, all or none, in a transaction of their own. A change
// refused (see problem(), or a second change of the same thing for a day
// that has started) writes nothing and is a Conflict in db.lastError().
bool record(Database &db, const QList<PriceChange> &changes, QDate today);

} // namespace Pricing

// The prices and taxes as the window that sets them sees them.
class PriceStore final
{
public:
    explicit PriceStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    std::optional<Rates> inForce(QDate day) { return Pricing::inForce(m_db, day); }
    std::optional<QList<PriceChange>> history() { return Pricing::history(m_db); }
    bool record(const QList<PriceChange> &changes, QDate today) { return Pricing::record(m_db, changes, today); }

private:
    Database m_db;
};
