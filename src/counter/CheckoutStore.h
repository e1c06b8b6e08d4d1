#pragma once

#include "circulation/Holds.h"
#include "counter/BillLine.h"
#include "counter/CheckoutMoney.h"
#include "data/Chain.h"
#include "data/Database.h"
#include "data/MemberLookup.h"
#include "data/Money.h"
#include "data/Pricing.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

struct RentalTapeRow
{
    bool forRent = false, inStore = false, deleted = false;
    QString name, actor, actress, rating;
    int categoryId = 0;
    int priceClass = 0;
};

struct SaleTapeRow
{
    bool forSale = false, inStore = false, deleted = false;
    QString name;
    Money salePrice;
};

struct ItemRow
{
    QString name;
    Money price;
    qint64 quantity = 0;
    bool deleted = false;
};

struct CardOnFile
{
    QString number, expiry; // the number masked, all but its last four digits hidden
};

// Where a tape that is not in the store is: out on rental, or sold.
struct TapeWhereabouts
{
    std::optional<qint32> member; // the member renting it, when out on rental
    QString due;                  // yyyy-MM-dd, with `member`
    bool sold = false;
};

enum class Card { Visa, MasterCard, Sears };

// Everything one checkout writes, in bill order, and the payment the
// ledger records with it.
struct CheckoutPlan
{
    std::optional<qint32> member;
    QDate date;
    QList<BillLine::Parsed> lines;
    CheckoutMoney money;
};

// The counter's statements against the store.
class CheckoutStore final
{
public:
    explicit CheckoutStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // Every member whose key column equals `value`, in member-number order.
    std::optional<QList<MemberRow>> findMembers(MemberKey key, const QVariant &value);
    // What the clerk typed in lookup box `source`, looked up.
    MemberLookup::Typed findTyped(int source, const QString &typed);
    Fetched<RentalTapeRow> rentalTape(qint32 videoId);
    // Whom the tape is set aside for on `day`, if anyone.
    Fetched<Holds::Held> heldTape(qint32 videoId, QDate day);
    Fetched<SaleTapeRow> saleTape(qint32 videoId);
    Fetched<ItemRow> item(qint32 inventoryId);
    // Looked up only for a tape refused as not in the store.
    Fetched<TapeWhereabouts> whereabouts(qint32 videoId);
    // The card of that kind on file for the member; no row when none, or
    // when the number on file is 0 or empty.
    Fetched<CardOnFile> card(qint32 member, Card kind);
    // The prices and taxes in force on `day`.
    std::optional<Rates> rates(QDate day) { return Pricing::inForce(m_db, day); }

    // Writes the whole checkout or nothing of it, its ledger entry included,
    // each row with what it was charged. Each tape must still be in the
    // store, each item's stock still cover the bill, and every price and tax
    // in force on the checkout's day still be the bill's when it is written;
    // otherwise lastError() is a Conflict naming the line.
    bool recordCheckout(const CheckoutPlan &plan);
    // The receipt number the last recorded checkout made; 0 when it sold nothing.
    qint32 lastReceipt() const { return m_receipt.value_or(0); }
    // The ledger entry of the last recorded checkout; 0 when none.
    qint64 lastCheckout() const { return m_checkout; }
    // After a checkout refused because the member's fees fell below what
    // its fee line pays (paid at another counter meanwhile): what is still
    // owed, in cents, never below nothing.
    std::optional<Money> feesOwed() const { return m_feesOwed; }

private:
    // What is read before the transaction: the price class of each tape
    // rented, by tape, and the unit price of each line sold, by line.
    struct Before
    {
        QHash<qint32, QVariant> priceClasses;
        QHash<qsizetype, Money> unitPrices;
        // The prices in force, when the bill rents.
        std::optional<Rates> rates;
    };
    // A re-check inside a write that found the row changed: the line, and
    // what it found.
    struct Unmet
    {
        enum class What { Tape, Stock, Price, Fees };
        qsizetype line = -1;
        What what = What::Tape;
    };
    // What is read under the writer lock: the prices in force, the next
    // numbers and the ledger's tail (its key and link).
    struct Locked
    {
        Rates rates;
        std::optional<qint32> rentalId;
        Chain::Tail tail;
    };
    // The writes of a checkout, each conditional one with the line whose
    // re-check it carries (line -1 for one that is not checked), and those
    // whose first value is the rental's or the receipt's number, put in
    // once read under the writer lock.
    struct Writes
    {
        QList<Database::Statement> statements;
        QList<Unmet> checked;
        QList<qsizetype> rentalNumbered, receiptNumbered;
        void add(Database::Statement s, Unmet check);
        void add(Database::Statement s);
        void number(const std::optional<qint32> &rentalId, const std::optional<qint32> &receipt);
    };
    bool recordLines(const CheckoutPlan &plan, const Before &before, Unmet &unmet);
    std::optional<Locked> readLocked(const CheckoutPlan &plan);
    bool taxesUnchanged(const Rates &rates, const CheckoutPlan &plan);
    bool lineWrites(const CheckoutPlan &plan, const Before &before, const Rates &rates, Writes &writes);
    bool runChecked(const Writes &writes, Unmet &unmet);
    // Tells the clerk why the checkout was refused at `unmet`, as the store
    // is now; always false.
    bool refuse(const CheckoutPlan &plan, const Unmet &unmet);
    bool repriced(const BillLine::Parsed &line, Money now);
    // " (Title)" of a tape, for naming it to the clerk; empty when unknown.
    QString titleSuffix(qint32 videoId);
    // Refuses the checkout when the fees owing fell below `billed`.
    bool feesFell(const QVariant &member, Money billed);

    Database m_db;
    std::optional<qint32> m_receipt;
    std::optional<Money> m_feesOwed;
    qint64 m_checkout = 0;
};
