#pragma once

#include "counter/StoreDetails.h"
#include "data/Database.h"
#include "data/Money.h"
#include "data/Pricing.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct PrintPages;

// One checkout as its receipt shows it, read back from the checkout's ledger
// entry and the rental and sale rows it wrote, so a reprint is the same.
struct ReceiptRecord
{
    struct Rental
    {
        qint32 tape = 0;
        QString title, due;
        Money amount;
    };
    struct Sale
    {
        qint32 number = 0; // item number, or tape number when `tape`
        bool tape = false;
        QString description;
        qint32 quantity = 1;
        Money amount;
    };

    QDate day;
    QString time, counter; // the clock time the checkout was written, yyyy-MM-ddTHH:mm:ss
    std::optional<qint32> member, rentalId, receiptId;
    QString memberName;
    QList<Rental> rentals;
    QList<Sale> sales;
    Money feesPaid, subtotal, gst, pst, total, tendered, change;
    // The taxes in force on the day, named on the receipt in its language.
    std::array<Tax, Pricing::Taxes> taxes;
    int method = 0;
    // Not kept by the store: what the checkout was paid with, given by the
    // counter for the receipt printed as it checks out.
    QString cardLastFour;
};

class ReceiptStore final
{
public:
    explicit ReceiptStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // The checkout of ledger entry `seq`; nullopt when the store failed or
    // the entry is not a checkout (lastError() says which).
    std::optional<ReceiptRecord> read(qint64 seq);

private:
    Database m_db;
};

namespace Receipt {

// Characters across: an 80 mm roll takes 42, a letter page 80.
int widthOf(StoreDetails::Paper paper);

// The receipt's lines, `width` characters wide, amounts right-aligned
// under their headings.
QStringList lines(const ReceiptRecord &record, const StoreDetails &store, int width);

// The lines laid out on the paper chosen: a roll as long as the receipt, or
// letter pages.
PrintPages pages(const QStringList &lines, StoreDetails::Paper paper);

} // namespace Receipt
