#include "InventoryStore.h"

#include "data/Numbering.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {

// What a clerk is told the store could not do ("could not list the movies")
// and why, in the language shown.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(InventoryStore)
};

} // namespace

std::optional<QList<InventoryRow>> InventoryStore::items()
{
    auto q = m_db.run(Text::tr("list the stock items"),
                      QStringLiteral("SELECT InventoryID, ItemName, Price, Quantity FROM tblInventory "
                                     "WHERE Deleted = 0 ORDER BY InventoryID"));
    if (!q)
        return std::nullopt;
    QList<InventoryRow> rows;
    while (q->next())
        rows.append({q->value(0).toInt(), q->value(1).toString(), Money::fromUnits(q->value(2).toLongLong()),
                     q->value(3).toLongLong()});
    return rows;
}

std::optional<qint32> InventoryStore::freeItemID(qint64 proposed)
{
    return Numbering::freeNumber(m_db, Text::tr("number the new item"), QLatin1String("tblInventory"),
                                 QLatin1String("InventoryID"), proposed);
}

std::optional<qint32> InventoryStore::addItem(qint64 proposed, const InventoryRow &item)
{
    std::optional<qint32> number;
    const bool ok = m_db.transaction(Text::tr("add the item"), [&] {
        number = freeItemID(proposed);
        return number
            && m_db.run(Text::tr("add the item"),
                        QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName, Price, Quantity, Deleted) "
                                       "VALUES (?, ?, ?, ?, 0)"),
                        {*number, item.name, item.price.units(), item.quantity});
    });
    return ok ? number : std::nullopt;
}

Outcome InventoryStore::changeItem(qint32 id, const QString &name, Money price, qint64 quantityChange,
                                   qint64 &quantityNow)
{
    const QString action = Text::tr("change the item");
    Outcome outcome = Outcome::Failed;
    const bool ok = m_db.transaction(action, [&] {
        outcome = Outcome::Failed;
        const auto q = m_db.run(action,
                                QStringLiteral("UPDATE tblInventory SET ItemName = ?, Price = ?, "
                                               "Quantity = Quantity + ? WHERE InventoryID = ? AND Deleted = 0"),
                                {name, price.units(), quantityChange, id});
        if (!q)
            return false;
        if (q->numRowsAffected() == 0) {
            outcome = Outcome::Gone;
            return false;
        }
        const auto now = m_db.scalar(action, QStringLiteral("SELECT Quantity FROM tblInventory WHERE InventoryID = ?"),
                                     {id});
        if (!now)
            return false;
        quantityNow = now->toLongLong();
        outcome = Outcome::Done;
        return true;
    });
    return ok || outcome != Outcome::Done ? outcome : Outcome::Failed;
}

Outcome InventoryStore::retireItem(qint32 id)
{
    const auto q = m_db.run(Text::tr("mark the item as deleted"),
                            QStringLiteral("UPDATE tblInventory SET Deleted = 1 WHERE InventoryID = ? AND Deleted = 0"),
                            {id});
    if (!q)
        return Outcome::Failed;
    return q->numRowsAffected() > 0 ? Outcome::Done : Outcome::Gone;
}
