#include "CheckoutStore.h"

#include "counter/CardMask.h"
#include "data/Ledger.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"

#include <QSet>
#include <QSqlQuery>

namespace {

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
    const bool recorded = m_db.transaction(QStringLiteral("record the checkout"), [&] {
        m_receipt.reset();
        return recordLines(plan, priceClasses);
    });
    if (!recorded)
        m_receipt.reset();
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
        const auto changed = m_db.change(
            QStringLiteral("mark the tape as out of the store"),
            QStringLiteral("UPDATE tblVideos SET InStore = 0 WHERE VideoID = ? AND InStore = 1 AND NOT EXISTS "
                           "(SELECT 1 FROM tblRentals WHERE VideoID = ? AND Returned = 0)"),
            {videoId, videoId});
        if (!changed)
            return false;
        if (*changed != 1)
            return m_db.conflict(QStringLiteral("take tape %1").arg(videoId),
                                 QStringLiteral("Tape %1%2 is no longer in the store: another counter has rented or "
                                                "sold it since it was put in the bag.\r\n\r\nNothing was saved. "
                                                "Take it off the bill, then check out again.")
                                     .arg(videoId)
                                     .arg(titleSuffix(videoId)));
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
                             QStringLiteral("Item %1%2 has only %3 left, not enough for this bill: another counter "
                                            "may have sold some since it was put in the bag.\r\n\r\nNothing was saved. "
                                            "Take it off the bill, or lower the quantity, then check out again.")
                                 .arg(inventoryId)
                                 .arg(found ? QStringLiteral(" (%1)").arg(left->value(0).toString()) : QString())
                                 .arg(found ? left->value(1).toLongLong() : 0));
    };

    for (const BillLine::Parsed &line : plan.lines) {
        switch (line.kind) {
        case BillLine::Kind::Pay:
            // Subtracted, not cleared: a fee charged since the lookup stays owing.
            if (!m_db.run(QStringLiteral("take the fees paid off the member's account"),
                          QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing - ? WHERE CustomerNumber = ?"),
                          {line.amount.units(), member}))
                return false;
            break;
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
                                 QStringLiteral("The tape or its title is no longer on file."));
            const QDate due = Pricing::dueDate(plan.date, priceClass.toInt());
            if (!takeOffShelf(line.id)
                || !m_db.run(QStringLiteral("write the rental"),
                             QStringLiteral("INSERT INTO tblRentals (RentalID, VideoID, CustomerNumber, RentalDate, "
                                            "DueDate, Returned) VALUES (?, ?, ?, ?, ?, 0)"),
                             {*rentalId, line.id, member, date, StoreDate::toText(due)}))
                return false;
            break;
        }
        case BillLine::Kind::Buy:
            if (!receipt() || !lowerStock(line.id, line.quantity)
                || !m_db.run(QStringLiteral("write the item sold"),
                             QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased) "
                                            "VALUES (?, ?, ?)"),
                             {*saleId, line.id, line.quantity}))
                return false;
            break;
        case BillLine::Kind::BuyVideo:
            if (!receipt() || !takeOffShelf(line.id)
                || !m_db.run(QStringLiteral("write the tape sold"),
                             QStringLiteral("INSERT INTO tblVideosSold (VideoID, ReceiptID) VALUES (?, ?)"),
                             {line.id, *saleId}))
                return false;
            break;
        }
    }

    const CheckoutMoney &money = plan.money;
    LedgerEntry entry;
    entry.kind = LedgerEntry::Kind::Checkout;
    entry.day = plan.date;
    entry.member = plan.member;
    entry.rentalId = rentalId;
    entry.receiptId = saleId;
    entry.method = money.method;
    entry.subtotal = money.subtotal;
    entry.gst = money.gst;
    entry.pst = money.pst;
    entry.total = money.total;
    entry.tendered = money.tendered;
    entry.change = money.change;
    entry.feesPaid = money.feesPaid;
    entry.rentals = money.rentals;
    entry.rentalsAmount = money.rentalsAmount;
    entry.tapesSold = money.tapesSold;
    entry.tapesSoldAmount = money.tapesSoldAmount;
    entry.itemsSold = money.itemsSold;
    entry.itemsSoldAmount = money.itemsSoldAmount;
    entry.amount = money.total;
    return Ledger::append(m_db, entry);
}
