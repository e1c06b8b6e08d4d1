#include "CheckoutStore.h"

#include "circulation/Holds.h"
#include "counter/CardMask.h"
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
    auto q = m_db.run(QStringLiteral("look up the tape"),
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
    auto q = m_db.run(QStringLiteral("look up the tape"),
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
    auto q = m_db.run(QStringLiteral("look up the stock item"),
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
    const QString action = QStringLiteral("look up where the tape is");
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
    auto q = m_db.run(QStringLiteral("look up the card on file"),
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
        m_db.scalar(QStringLiteral("look up the fees owing"),
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
    return m_db.conflict(QStringLiteral("take the fees paid off the member's account"), what);
}

QString CheckoutStore::titleSuffix(qint32 videoId)
{
    const auto title = m_db.scalar(QStringLiteral("look up the tape"),
                                   QStringLiteral("SELECT m.Name FROM tblVideos v JOIN tblMovies m "
                                                  "ON m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                                   {videoId});
    return title && !title->toString().isEmpty() ? QStringLiteral(" (%1)").arg(title->toString()) : QString();
}

std::optional<qint32> CheckoutStore::nextNumber(const QString &action, const QString &sql)
{
    const auto highest = m_db.scalar(action, sql);
    if (!highest)
        return std::nullopt;
    return highest->isNull() ? 1 : highest->toInt() + 1;
}

bool CheckoutStore::recordCheckout(const CheckoutPlan &plan)
{
    m_receipt.reset();
    // The due dates decide no number, so they are read before the
    // transaction, not while it holds the store's write lock.
    QHash<qint32, QVariant> priceClasses;
    for (const BillLine::Parsed &line : plan.lines) {
        if (line.kind != BillLine::Kind::Rent || priceClasses.contains(line.id))
            continue;
        const auto priceClass =
            m_db.scalar(QStringLiteral("look up the price class of tape %1").arg(line.id),
                        QStringLiteral("SELECT m.PriceClass FROM tblMovies m JOIN tblVideos v "
                                       "ON m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                        {line.id});
        if (!priceClass)
            return false;
        priceClasses.insert(line.id, *priceClass);
    }
    // Each attempt starts afresh: a server may run the transaction again.
    m_feesOwed.reset();
    const bool recorded = m_db.transaction(QStringLiteral("record the checkout"), [&] {
        m_receipt.reset();
        m_feesOwed.reset();
        m_checkout = 0;
        return recordLines(plan, priceClasses);
    });
    if (!recorded) {
        m_receipt.reset();
        m_checkout = 0;
    }
    return recorded;
}

bool CheckoutStore::recordLines(const CheckoutPlan &plan, const QHash<qint32, QVariant> &priceClasses)
{
    const QVariant member = plan.member ? QVariant(*plan.member) : QVariant();
    const QString date = StoreDate::toText(plan.date);
    std::optional<qint32> rentalId;
    std::optional<qint32> &saleId = m_receipt;

    // The receipt is made at the first sale line and shared by the rest.
    auto receipt = [&]() -> bool {
        if (saleId)
            return true;
        saleId = nextNumber(QStringLiteral("number the receipt"),
                            QStringLiteral("SELECT MAX(SaleID) FROM tblReceipts"));
        return saleId && m_db.run(QStringLiteral("write the receipt"),
                                  QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) "
                                                 "VALUES (?, ?, ?)"),
                                  {*saleId, date, member});
    };
    // Another counter may have taken a tape since it went into the bag: the
    // write itself re-checks that it is still on the shelf and not out on
    // rental. A tape already taken by an earlier line of this bill may stand
    // again.
    QSet<qint32> taken;
    auto takeOffShelf = [&](qint32 videoId) {
        if (taken.contains(videoId))
            return true;
        // A tape set aside for another member's hold stays where it is.
        const auto changed = m_db.change(
            QStringLiteral("mark the tape as out of the store"),
            QStringLiteral("UPDATE tblVideos AS v SET InStore = 0 WHERE VideoID = ? AND InStore = 1 AND NOT EXISTS "
                           "(SELECT 1 FROM tblRentals WHERE VideoID = ? AND Returned = 0) AND ")
                + Holds::NotHeldForAnother,
            {videoId, videoId, date, plan.member.value_or(0)});
        if (!changed)
            return false;
        if (*changed != 1) {
            const auto held = Holds::heldForAnother(m_db, videoId, plan.member.value_or(0), plan.date);
            if (held)
                return m_db.conflict(QStringLiteral("take tape %1").arg(videoId),
                                     *held + QStringLiteral("\r\n\r\n")
                                         + Text::tr("Nothing was saved. Take it off the bill, then check out again."));
            return m_db.conflict(QStringLiteral("take tape %1").arg(videoId),
                                 Text::tr("Tape %1%2 is no longer in the store: another counter has rented or sold "
                                          "it since it was put in the bag.\r\n\r\nNothing was saved. Take it off "
                                          "the bill, then check out again.")
                                     .arg(QString::number(videoId), titleSuffix(videoId)));
        }
        taken.insert(videoId);
        return true;
    };
    // Stock is lowered only while it still covers what this bill sells.
    auto lowerStock = [&](qint32 inventoryId, qint32 quantity) {
        const auto changed = m_db.change(QStringLiteral("lower the stock"),
                                         QStringLiteral("UPDATE tblInventory SET Quantity = Quantity - ? "
                                                        "WHERE InventoryID = ? AND Quantity >= ?"),
                                         {quantity, inventoryId, quantity});
        if (!changed)
            return false;
        if (*changed == 1)
            return true;
        auto left = m_db.run(QStringLiteral("look up the stock item"),
                                   QStringLiteral("SELECT ItemName, Quantity FROM tblInventory WHERE InventoryID = ?"),
                                   {inventoryId});
        if (!left)
            return false;
        const bool found = left->next();
        return m_db.conflict(QStringLiteral("sell item %1").arg(inventoryId),
                             Text::tr("Item %1%2 has only %3 left, not enough for this bill: another counter may "
                                      "have sold some since it was put in the bag.\r\n\r\nNothing was saved. Take "
                                      "it off the bill, or lower the quantity, then check out again.")
                                 .arg(QString::number(inventoryId),
                                      found ? QStringLiteral(" (%1)").arg(left->value(0).toString()) : QString(),
                                      QString::number(found ? left->value(1).toLongLong() : 0)));
    };

    // The bill was priced with the rates of its day; should they have
    // changed since, what it shows is no longer what would be charged.
    const auto rates = Pricing::inForce(m_db, plan.date);
    if (!rates)
        return false;
    const CheckoutMoney &money = plan.money;
    for (int t = 0; t < Pricing::Taxes; ++t)
        if (rates->taxes[t].rate != money.taxes[t].rate)
            return m_db.conflict(QStringLiteral("check the taxes"),
                                 Text::tr("%1 in force on %2 has changed since the bill was totalled: it is now %3 "
                                          "%.\r\n\r\nNothing was saved. Look at the new total on the payment page, "
                                          "then check out again.")
                                     .arg(rates->taxes[t].shownName(), date,
                                          Pricing::percent(rates->taxes[t].rate, Money::Shown)),
                                 Text::tr("Tax changed"));
    // A line whose price has changed since it went into the bag.
    auto repriced = [&](const QString &what, qint32 id, Money now) {
        const bool tape = what == QLatin1String("tape");
        const QString told =
            tape ? Text::tr("The price of tape %1%2 is now %3, not what the bill shows.\r\n\r\nNothing was saved. "
                            "Take it off the bill and put it on again, then check out again.")
                 : Text::tr("The price of item %1%2 is now %3, not what the bill shows.\r\n\r\nNothing was saved. "
                            "Take it off the bill and put it on again, then check out again.");
        return m_db.conflict(QStringLiteral("check the price of %1 %2").arg(what).arg(id),
                             told.arg(QString::number(id), tape ? titleSuffix(id) : QString(), now.toCurrency()),
                             Text::tr("Price changed"));
    };
    QList<Money> amounts;
    for (const BillLine::Parsed &line : plan.lines)
        amounts << line.amount;
    const QList<CheckoutMoney::Share> shares = money.shares(amounts);
    // What every row keeps of the taxes: the rates and its share of each.
    auto taxed = [&](qsizetype i) {
        return QVariantList{money.taxes[0].rate, money.taxes[1].rate, QVariant::fromValue(shares[i].gst.units()),
                            QVariant::fromValue(shares[i].pst.units())};
    };

    for (qsizetype i = 0; i < plan.lines.size(); ++i) {
        const BillLine::Parsed &line = plan.lines[i];
        switch (line.kind) {
        case BillLine::Kind::Pay: {
            // Subtracted, not cleared: a fee charged since the lookup stays
            // owing. Only while the account still owes what the bill pays: a
            // payment at another counter since must not turn into a credit.
            const auto changed = m_db.change(QStringLiteral("take the fees paid off the member's account"),
                                             QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing - ? "
                                                            "WHERE CustomerNumber = ? AND FeesOwing >= ?"),
                                             {line.amount.units(), member, line.amount.units()});
            if (!changed)
                return false;
            if (*changed != 1)
                return feesFell(member, line.amount);
            break;
        }
        case BillLine::Kind::Rent: {
            if (!rentalId) {
                rentalId = nextNumber(QStringLiteral("number the rental"),
                                      QStringLiteral("SELECT MAX(RentalID) FROM tblRentals"));
                if (!rentalId)
                    return false;
            }
            const QVariant priceClass = priceClasses.value(line.id);
            if (priceClass.isNull())
                return m_db.fail(QStringLiteral("rent tape %1").arg(line.id),
                                 Text::tr("The tape or its title is no longer on file."));
            const PriceClass *charge = rates->priceClass(priceClass.toInt());
            if (!charge)
                return m_db.fail(QStringLiteral("rent tape %1").arg(line.id),
                                 Text::tr("Its title has price class %1, which has no rental fee.")
                                     .arg(priceClass.toInt()));
            if (charge->fee != line.amount)
                return repriced(QStringLiteral("tape"), line.id, charge->fee);
            const QDate due = plan.date.addDays(charge->days);
            if (!takeOffShelf(line.id)
                || !m_db.run(QStringLiteral("write the rental"),
                             QStringLiteral("INSERT INTO tblRentals (RentalID, VideoID, CustomerNumber, RentalDate, "
                                            "DueDate, Returned, RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, "
                                            "PST) VALUES (?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?)"),
                             QVariantList{*rentalId, line.id, member, date, StoreDate::toText(due),
                                          QVariant::fromValue(charge->fee.units()), charge->days,
                                          QVariant::fromValue(charge->lateFee.units())}
                                 + taxed(i)))
                return false;
            break;
        }
        case BillLine::Kind::Buy: {
            if (!receipt() || !lowerStock(line.id, line.quantity))
                return false;
            const auto price = m_db.scalar(QStringLiteral("look up the stock item"),
                                           QStringLiteral("SELECT Price FROM tblInventory WHERE InventoryID = ?"),
                                           {line.id});
            if (!price)
                return false;
            const Money unit = Money::fromUnits(price->toLongLong());
            const auto amount = unit.times(line.quantity);
            if (!amount || amount->checkedTimesRateRounded(1, 1) != line.amount)
                return repriced(QStringLiteral("item"), line.id, unit);
            if (!m_db.run(QStringLiteral("write the item sold"),
                          QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, Price, "
                                         "Amount, GSTRate, PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          QVariantList{*saleId, line.id, line.quantity, QVariant::fromValue(unit.units()),
                                       QVariant::fromValue(line.amount.units())}
                              + taxed(i)))
                return false;
            break;
        }
        case BillLine::Kind::BuyVideo: {
            if (!receipt() || !takeOffShelf(line.id))
                return false;
            const auto price = m_db.scalar(QStringLiteral("look up the tape"),
                                           QStringLiteral("SELECT SalePrice FROM tblVideos WHERE VideoID = ?"),
                                           {line.id});
            if (!price)
                return false;
            const Money unit = Money::fromUnits(price->toLongLong());
            if (unit.checkedTimesRateRounded(1, 1) != line.amount)
                return repriced(QStringLiteral("tape"), line.id, unit);
            if (!m_db.run(QStringLiteral("write the tape sold"),
                          QStringLiteral("INSERT INTO tblVideosSold (VideoID, ReceiptID, Price, Amount, GSTRate, "
                                         "PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                          QVariantList{line.id, *saleId, QVariant::fromValue(unit.units()),
                                       QVariant::fromValue(line.amount.units())}
                              + taxed(i)))
                return false;
            break;
        }
        }
    }
    if (!taken.isEmpty() && !Holds::rentOut(m_db, taken.values(), plan.member.value_or(0), plan.date))
        return false;

    const LedgerEntry entry = money.entry(plan.date, plan.member, rentalId, saleId);
    // The receipt reads this checkout's entry.
    return Ledger::append(m_db, entry, &m_checkout);
}
