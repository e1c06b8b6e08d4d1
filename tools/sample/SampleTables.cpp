// The sample history written into the store's tables.

#include "SampleHistory.h"

#include "counter/CheckoutMoney.h"
#include "data/Pricing.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <initializer_list>

namespace SampleStore {

namespace {

// One prepared INSERT run once per row, every value bound.
class Insert
{
public:
    Insert(const QSqlDatabase &db, const QString &sql, QString &error)
        : m_query(db)
        , m_error(error)
    {
        if (!m_query.prepare(sql) && m_error.isEmpty())
            m_error = m_query.lastError().text();
    }
    bool operator()(std::initializer_list<QVariant> values)
    {
        if (!m_error.isEmpty())
            return false;
        for (const QVariant &v : values)
            m_query.addBindValue(v);
        if (m_query.exec())
            return true;
        m_error = m_query.lastError().text();
        return false;
    }

private:
    QSqlQuery m_query;
    QString &m_error;
};

} // namespace

QString History::writeTo(const QSqlDatabase &connection) const
{
    QSqlDatabase db = connection;
    QString error;
    auto inTransaction = [&](auto body) {
        if (!error.isEmpty())
            return;
        if (!db.transaction()) {
            error = db.lastError().text();
            return;
        }
        body();
        if (error.isEmpty() && !db.commit())
            error = db.lastError().text();
        if (!error.isEmpty())
            db.rollback();
    };
    const int today = m_today;

    inTransaction([&] {
        Insert member(db, QStringLiteral(
                              "INSERT INTO tblMembers (CustomerNumber, LastName, FirstName, Address, City, "
                              "PostalCode, HomePhone, CellPhone, BusPhone, DriverLicence, OtherNames1, OtherNames2, "
                              "OtherNames3, FeesOwing, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      error);
        Insert card(db, QStringLiteral("INSERT INTO tblCreditInfo (CustomersNumber, Visa, VisaExp, MasterCard, MCExp, "
                                       "Sears, SearsExp) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    error);
        for (int i = 1; i < int(m_members.size()); ++i) {
            const Member &m = m_members[i];
            if (!member({i, m.last, m.first, m.address, m.city, m.postal, m.home, m.cell, m.bus, m.licence,
                         m.others[0], m.others[1], m.others[2], m.fees, m.retireDay <= today ? 1 : 0}))
                return;
            if (!m.visa.isEmpty() && !card({i, m.visa, m.visaExp, m.masterCard, m.mcExp, m.sears, m.searsExp}))
                return;
        }
    });
    inTransaction([&] {
        Insert movie(db, QStringLiteral("INSERT INTO tblMovies (MovieNum, Name, CategoryID, Actor, Actress, Rating, "
                                        "PriceClass, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     error);
        Insert video(db, QStringLiteral("INSERT INTO tblVideos (VideoID, MovieNum, CopyNumber, ForRent, ForSale, "
                                        "InStore, SalePrice, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     error);
        for (int i = 0; i < int(m_titles.size()); ++i) {
            const Title &t = m_titles[i];
            if (!movie({i + 1, t.name, t.genre, t.actor, t.actress, t.rating, t.priceClass,
                        t.retireDay <= today ? 1 : 0}))
                return;
        }
        for (int i = 0; i < int(m_tapes.size()); ++i) {
            const Tape &t = m_tapes[i];
            const bool sold = t.soldDay != Never;
            const bool titleRetired = m_titles[t.title].retireDay <= today;
            // Retiring a title retires its tapes, sold or not; a sold tape is not for rent any more.
            const bool retired = titleRetired || (t.retireDay <= today && !sold);
            const bool inStore = !sold && t.backDay <= today;
            if (!video({i + 1, t.title + 1, t.copy, t.forRent && !sold ? 1 : 0, t.forSale ? 1 : 0, inStore ? 1 : 0,
                        t.price, retired ? 1 : 0}))
                return;
        }
    });
    // Each checkout's rows keep what the counter would have charged: the
    // starting prices, and the bill's taxes shared over its lines.
    const Rates &rates = Pricing::starting();
    auto sharesOf = [&](const QList<Money> &amounts) {
        Money subtotal;
        for (Money m : amounts)
            subtotal += m;
        return CheckoutMoney::forSubtotal(subtotal, rates.taxes).shares(amounts);
    };
    auto units = [](Money m) { return QVariant::fromValue(m.units()); };
    inTransaction([&] {
        Insert rental(db, QStringLiteral("INSERT INTO tblRentals (RentalID, CustomerNumber, VideoID, RentalDate, "
                                         "DueDate, Returned, RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, "
                                         "PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      error);
        for (std::size_t first = 0, next = 0; first < m_rentals.size(); first = next) {
            QList<Money> fees;
            for (next = first; next < m_rentals.size() && m_rentals[next].id == m_rentals[first].id; ++next)
                fees << rates.classes[m_titles[m_tapes[m_rentals[next].tape].title].priceClass - 1].fee;
            const QList<CheckoutMoney::Share> shares = sharesOf(fees);
            for (std::size_t i = first; i < next; ++i) {
                const Rental &r = m_rentals[i];
                const PriceClass &c = rates.classes[m_titles[m_tapes[r.tape].title].priceClass - 1];
                const CheckoutMoney::Share &s = shares[qsizetype(i - first)];
                if (!rental({r.id, r.member, r.tape + 1, m_dayText[r.day], m_dayText[r.due], r.open ? 0 : 1,
                             units(c.fee), c.days, units(c.lateFee), rates.taxes[0].rate, rates.taxes[1].rate,
                             units(s.gst), units(s.pst)}))
                    return;
            }
        }
    });
    inTransaction([&] {
        Insert item(db, QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName, Price, Quantity, Deleted) "
                                       "VALUES (?, ?, ?, ?, ?)"),
                    error);
        Insert receipt(db, QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (?, ?, ?)"),
                       error);
        Insert line(db, QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, "
                                       "Price, Amount, GSTRate, PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    error);
        Insert sold(db, QStringLiteral("INSERT INTO tblVideosSold (ReceiptID, VideoID, Price, Amount, GSTRate, "
                                       "PSTRate, GST, PST) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                    error);
        for (int i = 0; i < int(m_items.size()); ++i) {
            const Item &it = m_items[i];
            if (!item({i + 1, it.name, it.price, it.quantity, it.retireDay <= today ? 1 : 0}))
                return;
        }
        for (const Receipt &r : m_receipts)
            if (!receipt({r.id, m_dayText[r.day], r.customer}))
                return;
        // A receipt's item lines, then its tape, as one bill.
        std::size_t l = 0, t = 0;
        for (const Receipt &r : m_receipts) {
            const std::size_t firstLine = l;
            QList<Money> amounts;
            for (; l < m_lines.size() && m_lines[l].receipt == r.id; ++l)
                amounts << (Money::fromUnits(m_items[m_lines[l].item].price) * m_lines[l].quantity).roundedToCents();
            const bool tape = t < m_sales.size() && m_sales[t].receipt == r.id;
            if (tape)
                amounts << Money::fromUnits(m_tapes[m_sales[t].tape].price).roundedToCents();
            const QList<CheckoutMoney::Share> shares = sharesOf(amounts);
            for (std::size_t i = firstLine; i < l; ++i) {
                const Line &x = m_lines[i];
                const qsizetype at = qsizetype(i - firstLine);
                if (!line({x.receipt, x.item + 1, x.quantity, QVariant::fromValue(m_items[x.item].price),
                           units(amounts[at]), rates.taxes[0].rate, rates.taxes[1].rate, units(shares[at].gst),
                           units(shares[at].pst)}))
                    return;
            }
            if (tape) {
                const Sale &s = m_sales[t++];
                if (!sold({s.receipt, s.tape + 1, QVariant::fromValue(m_tapes[s.tape].price), units(amounts.last()),
                           rates.taxes[0].rate, rates.taxes[1].rate, units(shares.last().gst),
                           units(shares.last().pst)}))
                    return;
            }
        }
    });
    return error;
}

} // namespace SampleStore
