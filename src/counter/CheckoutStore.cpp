#include "CheckoutStore.h"

#include "circulation/Holds.h"
#include "counter/CardMask.h"
#include "data/Chain.h"
#include "data/Ledger.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <QSqlQuery>

namespace {

// The context of what the clerk is told from here in translations/counter_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CheckoutStore)
};

QString text(const QSqlQuery &q, int column)
{
    return q.value(column).toString();
}

Money money(const QSqlQuery &q, int column)
{
    return Money::fromUnits(q.value(column).toLongLong());
}

} // namespace

std::optional<QList<MemberRow>> CheckoutStore::findMembers(MemberKey key, const QVariant &value)
{
    return MemberLookup::find(m_db, key, value);
}

MemberLookup::Typed CheckoutStore::findTyped(int source, const QString &typed)
{
    return MemberLookup::findTyped(m_db, source, typed);
}

Fetched<RentalTapeRow> CheckoutStore::rentalTape(qint32 videoId)
{
    auto q = m_db.run(Text::tr("look up the tape"),
                      QStringLiteral("SELECT v.ForRent, v.InStore, v.Deleted, m.Name, m.CategoryID, m.Actor, "
                                     "m.Actress, m.Rating, m.PriceClass FROM tblVideos v "
                                     "JOIN tblMovies m ON v.MovieNum = m.MovieNum WHERE v.VideoID = ?"),
                      {videoId});
    if (!q)
        return {true, {}};
    if (!q->next())
        return {};
    RentalTapeRow t;
    t.forRent = q->value(0).toBool();
    t.inStore = q->value(1).toBool();
    t.deleted = q->value(2).toBool();
    t.name = text(*q, 3);
    t.categoryId = q->value(4).toInt();
    t.actor = text(*q, 5);
    t.actress = text(*q, 6);
    t.rating = text(*q, 7);
    t.priceClass = q->value(8).toInt();
    return {false, t};
}

Fetched<Holds::Held> CheckoutStore::heldTape(qint32 videoId, QDate day)
{
    std::optional<Holds::Held> held;
    if (!Holds::heldOn(m_db, videoId, day, held))
        return {true, {}};
    return {false, held};
}

Fetched<SaleTapeRow> CheckoutStore::saleTape(qint32 videoId)
{
    auto q = m_db.run(Text::tr("look up the tape"),
                      QStringLiteral("SELECT v.ForSale, v.InStore, v.SalePrice, m.Name, v.Deleted FROM tblVideos v "
                                     "JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                      {videoId});
    if (!q)
        return {true, {}};
    if (!q->next())
        return {};
    SaleTapeRow t;
    t.forSale = q->value(0).toBool();
    t.inStore = q->value(1).toBool();
    t.salePrice = money(*q, 2);
    t.name = text(*q, 3);
    t.deleted = q->value(4).toBool();
    return {false, t};
}

Fetched<ItemRow> CheckoutStore::item(qint32 inventoryId)
{
    auto q = m_db.run(Text::tr("look up the stock item"),
                      QStringLiteral("SELECT ItemName, Price, Quantity, Deleted FROM tblInventory "
                                     "WHERE InventoryID = ?"),
                      {inventoryId});
    if (!q)
        return {true, {}};
    if (!q->next())
        return {};
    ItemRow i;
    i.name = text(*q, 0);
    i.price = money(*q, 1);
    i.quantity = q->value(2).toLongLong();
    i.deleted = q->value(3).toBool();
    return {false, i};
}

Fetched<TapeWhereabouts> CheckoutStore::whereabouts(qint32 videoId)
{
    const QString action = Text::tr("look up where the tape is");
    auto q = m_db.run(action,
                      QStringLiteral("SELECT CustomerNumber, DueDate FROM tblRentals "
                                     "WHERE VideoID = ? AND Returned = 0 ORDER BY RentalID DESC"),
                      {videoId});
    if (!q)
        return {true, {}};
    TapeWhereabouts where;
    if (q->next()) {
        if (!q->value(0).isNull())
            where.member = q->value(0).toInt();
        where.due = text(*q, 1);
        return {false, where};
    }
    const auto sold = m_db.scalar(action, QStringLiteral("SELECT COUNT(*) FROM tblVideosSold WHERE VideoID = ?"),
                                  {videoId});
    if (!sold)
        return {true, {}};
    where.sold = sold->toLongLong() > 0;
    return {false, where};
}

Fetched<CardOnFile> CheckoutStore::card(qint32 member, Card kind)
{
    static const char *const columns[] = {"Visa, VisaExp", "MasterCard, MCExp", "Sears, SearsExp"};
    auto q = m_db.run(Text::tr("look up the card on file"),
                      QStringLiteral("SELECT %1 FROM tblCreditInfo WHERE CustomersNumber = ?")
                          .arg(QLatin1String(columns[static_cast<int>(kind)])),
                      {member});
    if (!q)
        return {true, {}};
    if (!q->next())
        return {};
    const QString number = text(*q, 0).trimmed();
    if (number.isEmpty() || number == QLatin1String("0"))
        return {};
    // The whole number never leaves the store.
    return {false, CardOnFile{CardMask::masked(number), text(*q, 1)}};
}

bool CheckoutStore::feesFell(const QVariant &member, Money billed)
{
    const auto owing =
        m_db.scalar(Text::tr("look up the fees owing"),
                    QStringLiteral("SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = ?"), {member});
    if (!owing)
        return false;
    const Money owed = std::max(Money(), Money::fromUnits(owing->toLongLong())).roundedToCents();
    m_feesOwed = owed;
    const QString what = owed > Money()
        ? Text::tr("Member %1 now owes %2 in fees, not the %3 on the bill: a payment has been taken at another counter "
                   "since the fees were put on it.\r\n\r\nNothing was saved. The bill now charges %2; look at the new "
                   "total on the payment page, then check out again.")
              .arg(member.toString(), owed.toCurrency(), billed.toCurrency())
        : Text::tr("Member %1 no longer owes fees: the %2 on the bill has been paid at another counter since it was "
                   "put on it.\r\n\r\nNothing was saved. The fees are off the bill; look at the new total on the "
                   "payment page, then check out again.")
              .arg(member.toString(), billed.toCurrency());
    return m_db.conflict(Text::tr("take the fees paid off the member's account"), what);
}

QString CheckoutStore::titleSuffix(qint32 videoId)
{
    const auto title = m_db.scalar(Text::tr("look up the tape"),
                                   QStringLiteral("SELECT m.Name FROM tblVideos v JOIN tblMovies m "
                                                  "ON m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                                   {videoId});
    return title && !title->toString().isEmpty() ? QStringLiteral(" (%1)").arg(title->toString()) : QString();
}

bool CheckoutStore::recordCheckout(const CheckoutPlan &plan)
{
    m_receipt.reset();
    m_feesOwed.reset();
    m_checkout = 0;
    // What decides no number is read before the transaction, all at once,
    // not while it holds the store's write lock: the due dates, and the
    // prices of what is sold, which the writes check again.
    Before before;
    QList<Database::Statement> reads;
    QList<qsizetype> readFor;
    for (qsizetype i = 0; i < plan.lines.size(); ++i) {
        const BillLine::Parsed &line = plan.lines[i];
        if (line.kind == BillLine::Kind::Rent) {
            reads.append({Text::tr("look up the price class of tape %1").arg(line.id),
                          QStringLiteral("SELECT m.PriceClass FROM tblMovies m JOIN tblVideos v "
                                         "ON m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                          {line.id}});
        } else if (line.kind == BillLine::Kind::Buy) {
            reads.append({Text::tr("look up the stock item"),
                          QStringLiteral("SELECT Price FROM tblInventory WHERE InventoryID = ?"), {line.id}});
        } else if (line.kind == BillLine::Kind::BuyVideo) {
            reads.append({Text::tr("look up the tape"),
                          QStringLiteral("SELECT SalePrice FROM tblVideos WHERE VideoID = ?"), {line.id}});
        } else {
            continue;
        }
        readFor.append(i);
    }
    // The prices in force too, so that the writes are made out before the
    // writer lock; read again under it, they must still be these.
    const bool rents = std::any_of(plan.lines.cbegin(), plan.lines.cend(),
                                   [](const BillLine::Parsed &l) { return l.kind == BillLine::Kind::Rent; });
    if (rents)
        reads.append({Text::tr("read the prices in force"), Pricing::inForceSql(), Pricing::inForceValues(plan.date)});
    QList<QSqlQuery> read;
    if (!reads.isEmpty() && !m_db.runTogether(reads, &read))
        return false;
    if (rents)
        before.rates = Pricing::ratesFrom(read.last());
    for (qsizetype r = 0; r < readFor.size(); ++r) {
        const BillLine::Parsed &line = plan.lines[readFor[r]];
        const QVariant value = read[r].next() ? read[r].value(0) : QVariant();
        if (line.kind == BillLine::Kind::Rent) {
            before.priceClasses.insert(line.id, value);
            continue;
        }
        // A sale whose price is no longer the bill's is refused at once;
        // one gone from the store is refused by its write.
        if (value.isNull())
            continue;
        const Money unit = Money::fromUnits(value.toLongLong());
        before.unitPrices.insert(readFor[r], unit);
        const auto amount = line.kind == BillLine::Kind::Buy ? unit.times(line.quantity) : unit;
        if (!amount || amount->checkedTimesRateRounded(1, 1) != line.amount)
            return repriced(line, unit);
    }
    // A file's reads are over before its transaction starts.
    read.clear();
    // Each attempt starts afresh: a server may run the transaction again.
    Unmet unmet;
    const bool recorded = m_db.transaction(Text::tr("record the checkout"), [&] {
        m_receipt.reset();
        m_feesOwed.reset();
        m_checkout = 0;
        unmet = {};
        return recordLines(plan, before, unmet);
    });
    if (!recorded) {
        m_receipt.reset();
        m_checkout = 0;
        // A re-check that failed is told once the transaction is over.
        if (unmet.line >= 0)
            return refuse(plan, unmet);
    }
    return recorded;
}

bool CheckoutStore::repriced(const BillLine::Parsed &line, Money now)
{
    const bool tape = line.kind != BillLine::Kind::Buy;
    const QString told =
        tape ? Text::tr("The price of tape %1%2 is now %3, not what the bill shows.\r\n\r\nNothing was saved. "
                        "Take it off the bill and put it on again, then check out again.")
             : Text::tr("The price of item %1%2 is now %3, not what the bill shows.\r\n\r\nNothing was saved. "
                        "Take it off the bill and put it on again, then check out again.");
    return m_db.conflict(tape ? Text::tr("check the price of tape %1").arg(line.id)
                              : Text::tr("check the price of item %1").arg(line.id),
                         told.arg(QString::number(line.id), tape ? titleSuffix(line.id) : QString(),
                                  now.toCurrency()),
                         Text::tr("Price changed"));
}

bool CheckoutStore::refuse(const CheckoutPlan &plan, const Unmet &unmet)
{
    const BillLine::Parsed &line = plan.lines[unmet.line];
    const qint32 member = plan.member.value_or(0);
    switch (unmet.what) {
    case Unmet::What::Fees:
        return feesFell(plan.member ? QVariant(*plan.member) : QVariant(), line.amount);
    case Unmet::What::Tape: {
        if (const auto held = Holds::heldForAnother(m_db, line.id, member, plan.date))
            return m_db.conflict(Text::tr("take tape %1").arg(line.id),
                                 *held + QStringLiteral("\r\n\r\n")
                                     + Text::tr("Nothing was saved. Take it off the bill, then check out again."));
        return m_db.conflict(Text::tr("take tape %1").arg(line.id),
                             Text::tr("Tape %1%2 is no longer in the store: another counter has rented or sold "
                                      "it since it was put in the bag.\r\n\r\nNothing was saved. Take it off "
                                      "the bill, then check out again.")
                                 .arg(QString::number(line.id), titleSuffix(line.id)));
    }
    case Unmet::What::Stock: {
        auto left = m_db.run(Text::tr("look up the stock item"),
                             QStringLiteral("SELECT ItemName, Quantity FROM tblInventory WHERE InventoryID = ?"),
                             {line.id});
        if (!left)
            return false;
        const bool found = left->next();
        return m_db.conflict(Text::tr("sell item %1").arg(line.id),
                             Text::tr("Item %1%2 has only %3 left, not enough for this bill: another counter may "
                                      "have sold some since it was put in the bag.\r\n\r\nNothing was saved. Take "
                                      "it off the bill, or lower the quantity, then check out again.")
                                 .arg(QString::number(line.id),
                                      found ? QStringLiteral(" (%1)").arg(left->value(0).toString()) : QString(),
                                      QString::number(found ? left->value(1).toLongLong() : 0)));
    }
    case Unmet::What::Price: {
        const bool tape = line.kind == BillLine::Kind::BuyVideo;
        const auto price = m_db.scalar(Text::tr("look up the price"),
                                       tape ? QStringLiteral("SELECT SalePrice FROM tblVideos WHERE VideoID = ?")
                                            : QStringLiteral("SELECT Price FROM tblInventory WHERE InventoryID = ?"),
                                       {line.id});
        if (!price)
            return false;
        return repriced(line, Money::fromUnits(price->toLongLong()));
    }
    }
    return false;
}

void CheckoutStore::Writes::add(Database::Statement s, Unmet check)
{
    s.changesOne = check.line >= 0;
    statements.append(std::move(s));
    checked.append(check);
}

void CheckoutStore::Writes::add(Database::Statement s)
{
    add(std::move(s), Unmet());
}

void CheckoutStore::Writes::number(const std::optional<qint32> &rentalId, const std::optional<qint32> &receipt)
{
    for (const qsizetype w : std::as_const(rentalNumbered))
        statements[w].values[0] = *rentalId;
    for (const qsizetype w : std::as_const(receiptNumbered))
        statements[w].values[0] = *receipt;
}

namespace {

// Whether every tape rented is charged alike by `a` and `b`, as the bill
// charges it.
bool chargedAlike(const CheckoutPlan &plan, const QHash<qint32, QVariant> &classes, const Rates &a, const Rates &b)
{
    for (const BillLine::Parsed &line : plan.lines) {
        if (line.kind != BillLine::Kind::Rent)
            continue;
        const QVariant number = classes.value(line.id);
        const PriceClass *x = number.isNull() ? nullptr : a.priceClass(number.toInt());
        const PriceClass *y = number.isNull() ? nullptr : b.priceClass(number.toInt());
        if (!x || !y || x->fee != line.amount || x->fee != y->fee || x->days != y->days || x->lateFee != y->lateFee)
            return false;
    }
    return true;
}

} // namespace

bool CheckoutStore::recordLines(const CheckoutPlan &plan, const Before &before, Unmet &unmet)
{
    // Made out before the writer lock, so that while it is held only the
    // numbers read under it and the ledger's link are left to work out.
    Writes writes;
    const Rates &read = before.rates.value_or(Rates());
    const bool ahead = chargedAlike(plan, before.priceClasses, read, read) && lineWrites(plan, before, read, writes);
    LedgerEntry entry = plan.money.entry(plan.date, plan.member, std::nullopt, std::nullopt);
    entry.counter = Ledger::counterName();
    const auto locked = readLocked(plan);
    if (!locked || !taxesUnchanged(locked->rates, plan))
        return false;
    // Prices changed meanwhile: made out again with those now in force.
    if (!ahead || !chargedAlike(plan, before.priceClasses, read, locked->rates)) {
        writes = {};
        if (!lineWrites(plan, before, locked->rates, writes))
            return false;
    }
    writes.number(locked->rentalId, m_receipt);
    // The entry's link is worked out here from the tail read under the lock.
    // Nothing of the transaction runs after these writes.
    entry.rentalId = locked->rentalId;
    entry.receiptId = m_receipt;
    writes.add(Ledger::appending(entry, locked->tail));
    if (!runChecked(writes, unmet))
        return false;
    m_checkout = locked->tail.key;
    return true;
}

std::optional<CheckoutStore::Locked> CheckoutStore::readLocked(const CheckoutPlan &plan)
{
    bool rents = false, sells = false;
    for (const BillLine::Parsed &line : plan.lines) {
        rents = rents || line.kind == BillLine::Kind::Rent;
        sells = sells || line.kind == BillLine::Kind::Buy || line.kind == BillLine::Kind::BuyVideo;
    }
    // Under the writer lock, in one round trip on a server: the prices in
    // force, the last numbers and the ledger's tail.
    QList<Database::Statement> reads{
        {Text::tr("read the prices in force"), Pricing::inForceSql(), Pricing::inForceValues(plan.date)}};
    if (rents)
        reads.append({Text::tr("number the rental"), QStringLiteral("SELECT MAX(RentalID) FROM tblRentals"), {}});
    if (sells)
        reads.append({Text::tr("number the receipt"), QStringLiteral("SELECT MAX(SaleID) FROM tblReceipts"), {}});
    reads.append({Text::tr("write the ledger entry"), Chain::tailSql(Chain::ledger()), {}});
    QList<QSqlQuery> read;
    if (!m_db.runTogether(reads, &read))
        return std::nullopt;
    auto nextNumber = [](QSqlQuery &q) {
        return q.next() && !q.value(0).isNull() ? q.value(0).toInt() + 1 : 1;
    };
    Locked locked{Pricing::ratesFrom(read[0]), std::nullopt, {}};
    if (rents)
        locked.rentalId = nextNumber(read[1]);
    if (sells)
        m_receipt = nextNumber(read[rents ? 2 : 1]);
    const auto tail = Chain::tailFrom(read.last(), m_db, Chain::ledger(), Text::tr("write the ledger entry"));
    if (!tail)
        return std::nullopt;
    locked.tail = *tail;
    return locked;
}

// The bill was priced with the rates of its day; should they have changed
// since, what it shows is no longer what would be charged.
bool CheckoutStore::taxesUnchanged(const Rates &rates, const CheckoutPlan &plan)
{
    for (int t = 0; t < Pricing::Taxes; ++t)
        if (rates.taxes[t].rate != plan.money.taxes[t].rate)
            return m_db.conflict(Text::tr("check the taxes"),
                                 Text::tr("%1 in force on %2 has changed since the bill was totalled: it is now %3 "
                                          "%.\r\n\r\nNothing was saved. Look at the new total on the payment page, "
                                          "then check out again.")
                                     .arg(rates.taxes[t].shownName(), StoreDate::toText(plan.date),
                                          Pricing::percent(rates.taxes[t].rate, Money::Shown)),
                                 Text::tr("Tax changed"));
    return true;
}

bool CheckoutStore::runChecked(const Writes &writes, Unmet &unmet)
{
    // Every write, sent together with the COMMIT; each conditional one
    // re-checks what it relies on and must change its one row, or nothing
    // is kept.
    qsizetype failed = -1;
    if (m_db.finishTogether(writes.statements, &failed))
        return true;
    if (failed < 0)
        return false;
    unmet = writes.checked[failed];
    return m_db.conflict(writes.statements[failed].action, QString());
}

bool CheckoutStore::lineWrites(const CheckoutPlan &plan, const Before &before, const Rates &rates, Writes &writes)
{
    const QVariant member = plan.member ? QVariant(*plan.member) : QVariant();
    const QString date = StoreDate::toText(plan.date);
    const CheckoutMoney &money = plan.money;
    QList<Money> amounts;
    for (const BillLine::Parsed &line : plan.lines)
        amounts << line.amount;
    const QList<CheckoutMoney::Share> shares = money.shares(amounts);
    // What every row keeps of the taxes: the rates and its share of each.
    auto taxed = [&](qsizetype i) {
        return QVariantList{money.taxes[0].rate, money.taxes[1].rate, QVariant::fromValue(shares[i].gst.units()),
                            QVariant::fromValue(shares[i].pst.units())};
    };

    bool receiptWritten = false;
    auto receipt = [&] {
        if (receiptWritten)
            return;
        receiptWritten = true;
        writes.receiptNumbered.append(writes.statements.size());
        writes.add({Text::tr("write the receipt"),
                    QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (?, ?, ?)"),
                    {QVariant(), date, member}});
    };
    // Another counter may have taken a tape since it went into the bag: the
    // write itself re-checks that it is still on the shelf and not out on
    // rental, nor set aside for another member's hold. A tape already
    // taken by an earlier line of this bill may stand again.
    QList<qint32> taken;
    auto takeOffShelf = [&](qsizetype i, qint32 videoId) {
        if (taken.contains(videoId))
            return;
        taken.append(videoId);
        writes.add(
            {Text::tr("mark the tape as out of the store"),
             QStringLiteral("UPDATE tblVideos AS v SET InStore = 0 WHERE VideoID = ? AND InStore = 1 AND NOT EXISTS "
                            "(SELECT 1 FROM tblRentals WHERE VideoID = ? AND Returned = 0) AND ")
                 + Holds::NotHeldForAnother,
             {videoId, videoId, date, plan.member.value_or(0)}},
            {i, Unmet::What::Tape});
    };

    for (qsizetype i = 0; i < plan.lines.size(); ++i) {
        const BillLine::Parsed &line = plan.lines[i];
        switch (line.kind) {
        case BillLine::Kind::Pay:
            // Subtracted, not cleared: a fee charged since the lookup stays
            // owing. Only while the account still owes what the bill pays: a
            // payment at another counter since must not turn into a credit.
            writes.add({Text::tr("take the fees paid off the member's account"),
                        QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing - ? "
                                       "WHERE CustomerNumber = ? AND FeesOwing >= ?"),
                        {line.amount.units(), member, line.amount.units()}},
                       {i, Unmet::What::Fees});
            break;
        case BillLine::Kind::Rent: {
            const QVariant priceClass = before.priceClasses.value(line.id);
            if (priceClass.isNull())
                return m_db.fail(Text::tr("rent tape %1").arg(line.id),
                                 Text::tr("The tape or its title is no longer on file."));
            const PriceClass *charge = rates.priceClass(priceClass.toInt());
            if (!charge)
                return m_db.fail(
                    Text::tr("rent tape %1").arg(line.id),
                    Text::tr("Its title has price class %1, which has no rental fee.").arg(priceClass.toInt()));
            if (charge->fee != line.amount)
                return repriced(line, charge->fee);
            const QDate due = plan.date.addDays(charge->days);
            takeOffShelf(i, line.id);
            writes.rentalNumbered.append(writes.statements.size());
            writes.add(
                {Text::tr("write the rental"),
                 QStringLiteral("INSERT INTO tblRentals (RentalID, VideoID, CustomerNumber, RentalDate, DueDate, "
                                "Returned, RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, PST) VALUES (?, ?, "
                                "?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?)"),
                 QVariantList{QVariant(), line.id, member, date, StoreDate::toText(due),
                              QVariant::fromValue(charge->fee.units()), charge->days,
                              QVariant::fromValue(charge->lateFee.units())}
                     + taxed(i)});
            break;
        }
        case BillLine::Kind::Buy: {
            receipt();
            // Stock is lowered only while it still covers what this bill sells.
            writes.add({Text::tr("lower the stock"),
                        QStringLiteral("UPDATE tblInventory SET Quantity = Quantity - ? WHERE InventoryID = ? AND "
                                       "Quantity >= ?"),
                        {line.quantity, line.id, line.quantity}},
                       {i, Unmet::What::Stock});
            // Written only at the price the bill was made with.
            const Money unit = before.unitPrices.value(i);
            writes.receiptNumbered.append(writes.statements.size());
            writes.add(
                {Text::tr("write the item sold"),
                 QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, Price, "
                                "Amount, GSTRate, PSTRate, GST, PST) SELECT ?, InventoryID, ?, Price, ?, ?, ?, ?, ? "
                                "FROM tblInventory WHERE InventoryID = ? AND Price = ?"),
                 QVariantList{QVariant(), line.quantity, QVariant::fromValue(line.amount.units())} + taxed(i)
                     + QVariantList{line.id, QVariant::fromValue(unit.units())}},
                {i, Unmet::What::Price});
            break;
        }
        case BillLine::Kind::BuyVideo: {
            receipt();
            takeOffShelf(i, line.id);
            const Money unit = before.unitPrices.value(i);
            writes.receiptNumbered.append(writes.statements.size());
            writes.add(
                {Text::tr("write the tape sold"),
                 QStringLiteral("INSERT INTO tblVideosSold (VideoID, ReceiptID, Price, Amount, GSTRate, PSTRate, "
                                "GST, PST) SELECT VideoID, ?, SalePrice, ?, ?, ?, ?, ? FROM tblVideos WHERE "
                                "VideoID = ? AND SalePrice = ?"),
                 QVariantList{QVariant(), QVariant::fromValue(line.amount.units())} + taxed(i)
                     + QVariantList{line.id, QVariant::fromValue(unit.units())}},
                {i, Unmet::What::Price});
            break;
        }
        }
    }
    if (!taken.isEmpty())
        writes.add(Holds::rentingOut(taken, plan.member.value_or(0), plan.date));
    return true;
}
