#pragma once

#include "data/Database.h"
#include "data/Money.h"
#include "stock/Outcome.h"

#include <QList>
#include <QString>

#include <optional>

struct InventoryRow
{
    qint32 id = 0;
    QString name;
    Money price;
    qint64 quantity = 0;
};

// The stock-item inventory's statements.
class InventoryStore final
{
public:
    explicit InventoryStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // Items that are not retired, by number.
    std::optional<QList<InventoryRow>> items();
    // `proposed` if no item holds it, else one past the highest number.
    std::optional<qint32> freeItemID(qint64 proposed);
    // Adds the item under freeItemID(proposed), checked again as it is
    // written; the number it got.
    std::optional<qint32> addItem(qint64 proposed, const InventoryRow &item);
    // Sets the name and price and moves the quantity on hand by
    // `quantityChange`, so that sales at the counter meanwhile still count;
    // `quantityNow` gets the quantity that results.
    Outcome changeItem(qint32 id, const QString &name, Money price, qint64 quantityChange, qint64 &quantityNow);
    Outcome retireItem(qint32 id);

private:
    Database m_db;
};
