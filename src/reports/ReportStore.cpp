#include "ReportStore.h"

#include "data/Destination.h"

#include <QSqlError>
#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QSqlQuery>

#include <algorithm>

namespace {

// Far rows are reached through the seek column once a page lies this many
// rows in; before that, stepping over the rows is quicker than indexing them.
constexpr qint64 SeekFrom = 5000;

QVariant units(Money m)
{
    return QVariant::fromValue<qint64>(m.units());
}

QVariant moneyAt(const QSqlQuery &q, int i)
{
    const QVariant v = q.value(i);
    return v.isNull() ? QVariant() : units(Money::fromUnits(v.toLongLong()));
}

QVariant textAt(const QSqlQuery &q, int i)
{
    const QVariant v = q.value(i);
    return v.isNull() ? QVariant() : QVariant(v.toString());
}

QVariant numberAt(const QSqlQuery &q, int i)
{
    const QVariant v = q.value(i);
    return v.isNull() ? QVariant() : QVariant::fromValue<qint64>(v.toLongLong());
}

// A kept amount and its two taxes, and their total; empty values when any
// is unknown (a line whose amount did not fit when it was filled in).
void appendCharged(ReportRow &row, const QSqlQuery &q, int amount, int gst, int pst)
{
    const bool known = !q.value(amount).isNull() && !q.value(gst).isNull() && !q.value(pst).isNull();
    row << moneyAt(q, amount) << moneyAt(q, gst) << moneyAt(q, pst);
    row << (known ? units(Money::fromUnits(q.value(amount).toLongLong()) + Money::fromUnits(q.value(gst).toLongLong())
                          + Money::fromUnits(q.value(pst).toLongLong()))
                  : QVariant());
}

// The sums of kept amounts and taxes, which are whole cents, so the total
// is exactly the three as shown; none while a row's figures are unknown.
QStringList chargedSums(const char *amount)
{
    const QString a = QString::fromLatin1(amount), table = a.section(u'.', 0, 0);
    return {QStringLiteral("SUM(%1)").arg(a), QStringLiteral("SUM(%1.GST)").arg(table),
            QStringLiteral("SUM(%1.PST)").arg(table),
            QStringLiteral("SUM(CASE WHEN %1 IS NULL OR %2.GST IS NULL OR %2.PST IS NULL THEN 1 ELSE 0 END)")
                .arg(a, table)};
}

QList<Money> sumsOf(const QVariantList &a)
{
    if (a.value(3).toLongLong() != 0)
        return {};
    const Money amount = Money::fromUnits(a.value(0).toLongLong()), gst = Money::fromUnits(a.value(1).toLongLong()),
                pst = Money::fromUnits(a.value(2).toLongLong());
    return {amount, gst, pst, amount + gst + pst};
}

ReportColumn col(const char *name, ColumnType type = ColumnType::Text)
{
    return {QString::fromLatin1(name), type};
}

} // namespace

int ReportCommand::column(const QString &n) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(n, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int ReportCommand::sumIndex(const QString &n) const
{
    return int(sumNames.indexOf(n));
}

namespace ReportCommands {

const ReportCommand &movieType()
{
    static const ReportCommand c{
        QStringLiteral("MovieType"),
        {col("CategoryName"), col("Actor"), col("Actress"), col("MovieNum", ColumnType::Number), col("Name"),
         col("Rating")},
        {QStringLiteral("Categories.CategoryName"), QStringLiteral("tblMovies.Actor"),
         QStringLiteral("tblMovies.Actress"), QStringLiteral("tblMovies.MovieNum"), QStringLiteral("tblMovies.Name"),
         QStringLiteral("tblMovies.Rating")},
        QStringLiteral("FROM tblMovies, Categories WHERE tblMovies.CategoryID = Categories.CategoryID"),
        QStringLiteral("Categories.CategoryName, tblMovies.MovieNum"),
        QStringLiteral("Categories.CategoryName"),
        QStringLiteral("Categories.CategoryName"),
        {},
        {},
        {},
        [](const QSqlQuery &q) {
            return ReportRow{textAt(q, 0), textAt(q, 1), textAt(q, 2), numberAt(q, 3), textAt(q, 4), textAt(q, 5)};
        },
        [](const QVariantList &) { return QList<Money>(); }, {}, {0, 1, 2, 3, 4, 5}};
    return c;
}

const ReportCommand &moviesByType()
{
    static const ReportCommand c{
        QStringLiteral("MoviesByType_Grouping"),
        {col("MovieNum", ColumnType::Number), col("Name"), col("Rating"), col("CategoryID", ColumnType::Number),
         col("CategoryName")},
        {QStringLiteral("tblMovies.MovieNum"), QStringLiteral("tblMovies.Name"), QStringLiteral("tblMovies.Rating"),
         QStringLiteral("tblMovies.CategoryID"), QStringLiteral("Categories.CategoryName")},
        QStringLiteral("FROM tblMovies, Categories WHERE tblMovies.CategoryID = Categories.CategoryID "
                       "AND (tblMovies.CategoryID = ?)"),
        QStringLiteral("Categories.CategoryName, tblMovies.MovieNum"),
        QStringLiteral("Categories.CategoryName"),
        QStringLiteral("Categories.CategoryName"),
        {},
        {},
        {},
        [](const QSqlQuery &q) {
            return ReportRow{numberAt(q, 0), textAt(q, 1), textAt(q, 2), numberAt(q, 3), textAt(q, 4)};
        },
        [](const QVariantList &) { return QList<Money>(); }, {}, {0, 1, 2, 3, 4}};
    return c;
}

const ReportCommand &customerList()
{
    static const ReportCommand c{
        QStringLiteral("CustomerList"),
        {col("Address"), col("Busphone"), col("City"), col("CustomerNumber", ColumnType::Number),
         col("FeesOwing", ColumnType::Money), col("FirstName"), col("HomePhone"), col("LastName"),
         col("PostalCode")},
        {QStringLiteral("Address"), QStringLiteral("BusPhone"), QStringLiteral("City"),
         QStringLiteral("CustomerNumber"), QStringLiteral("FeesOwing"), QStringLiteral("FirstName"),
         QStringLiteral("HomePhone"), QStringLiteral("LastName"), QStringLiteral("PostalCode")},
        QStringLiteral("FROM tblMembers WHERE (CustomerNumber > 0)"),
        QStringLiteral("CustomerNumber"),
        {},
        QStringLiteral("CustomerNumber"),
        {},
        {},
        {},
        [](const QSqlQuery &q) {
            return ReportRow{textAt(q, 0), textAt(q, 1), textAt(q, 2), numberAt(q, 3), moneyAt(q, 4),
                             textAt(q, 5),  textAt(q, 6), textAt(q, 7), textAt(q, 8)};
        },
        [](const QVariantList &) { return QList<Money>(); }, {}, {0, 1, 2, 3, 4, 5, 6, 7, 8}};
    return c;
}

const ReportCommand &customersByDate()
{
    static const ReportCommand c{
        QStringLiteral("CustomersByDate"),
        {col("DateOfSale", ColumnType::Date), col("FeesOwing", ColumnType::Money), col("Busphone"),
         col("CustomerNumber", ColumnType::Number), col("FirstName"), col("HomePhone"), col("LastName")},
        {QStringLiteral("tblReceipts.DateOfSale"), QStringLiteral("tblMembers.FeesOwing"),
         QStringLiteral("tblMembers.BusPhone"), QStringLiteral("tblMembers.CustomerNumber"),
         QStringLiteral("tblMembers.FirstName"), QStringLiteral("tblMembers.HomePhone"),
         QStringLiteral("tblMembers.LastName")},
        QStringLiteral("FROM tblMembers, tblReceipts WHERE tblMembers.CustomerNumber = tblReceipts.CustomerID "
                       "AND tblReceipts.DateOfSale >= ? AND tblReceipts.DateOfSale <= ?"),
        QStringLiteral("tblReceipts.DateOfSale, tblReceipts.SaleID"),
        {},
        QStringLiteral("tblReceipts.DateOfSale"),
        {},
        {},
        {},
        [](const QSqlQuery &q) {
            return ReportRow{textAt(q, 0), moneyAt(q, 1), textAt(q, 2), numberAt(q, 3),
                             textAt(q, 4), textAt(q, 5), textAt(q, 6)};
        },
        [](const QVariantList &) { return QList<Money>(); }, {}, {0, 1, 2, 3, 4, 5, 6}};
    return c;
}

const ReportCommand &rentalRevenue()
{
    // Each rental with the fee and taxes it was charged.
    static const ReportCommand c{
        QStringLiteral("RentalRevenue"),
        {col("RentalDate", ColumnType::Date), col("rentalfee", ColumnType::Money), col("GST", ColumnType::Money),
         col("PST", ColumnType::Money), col("totalRentalFee", ColumnType::Money),
         col("CustomerNumber", ColumnType::Number), col("VideoID", ColumnType::Number), col("Name"),
         col("RentalID", ColumnType::Number)},
        {QStringLiteral("tblRentals.RentalDate"), QStringLiteral("tblRentals.RentalFee"),
         QStringLiteral("tblRentals.GST"), QStringLiteral("tblRentals.PST"), QStringLiteral("tblRentals.CustomerNumber"),
         QStringLiteral("tblVideos.VideoID"), QStringLiteral("tblMovies.Name"), QStringLiteral("tblRentals.RentalID")},
        QStringLiteral("FROM tblRentals, tblVideos, tblMovies WHERE tblRentals.VideoID = tblVideos.VideoID "
                       "AND tblVideos.MovieNum = tblMovies.MovieNum"),
        // The member too: a tape may stand twice in one checkout.
        QStringLiteral("tblRentals.RentalID, tblRentals.VideoID, tblRentals.CustomerNumber"),
        {},
        QStringLiteral("tblRentals.RentalID"),
        QStringLiteral("FROM tblRentals WHERE 1 = 1"),
        chargedSums("tblRentals.RentalFee"),
        {QStringLiteral("rentalfee"), QStringLiteral("GST"), QStringLiteral("PST"),
         QStringLiteral("totalRentalFee")},
        [](const QSqlQuery &q) {
            ReportRow row{textAt(q, 0)};
            appendCharged(row, q, 1, 2, 3);
            row << numberAt(q, 4) << numberAt(q, 5) << textAt(q, 6) << numberAt(q, 7);
            return row;
        },
        sumsOf, {}, {0, 1, 2, 3, -1, 4, 5, 6, 7}};
    return c;
}

const ReportCommand &salesReport()
{
    // Every stock-item line of every receipt once, whether or not the
    // receipt also sold a tape, and every tape sold as a line of its own,
    // each at the price it was sold at: items first on a receipt, then tapes.
    static const ReportCommand c{
        QStringLiteral("SalesReport_Grouping"),
        {col("SaleID", ColumnType::Number), col("DateOfSale", ColumnType::Date),
         col("CustomerID", ColumnType::Number), col("QuantityPurchased", ColumnType::Number), col("ItemName"),
         col("Price", ColumnType::Money), col("Amount", ColumnType::Money), col("GST", ColumnType::Money),
         col("PST", ColumnType::Money), col("TaxTotal", ColumnType::Money)},
        {QStringLiteral("s.SaleID"), QStringLiteral("s.DateOfSale"), QStringLiteral("s.CustomerID"),
         QStringLiteral("s.Quantity"), QStringLiteral("s.ItemName"), QStringLiteral("s.Price"),
         QStringLiteral("s.LineKind"), QStringLiteral("s.LineKey"), QStringLiteral("s.Amount"), QStringLiteral("s.GST"),
         QStringLiteral("s.PST")},
        QStringLiteral("FROM (SELECT tblReceipts.SaleID AS SaleID, tblReceipts.DateOfSale AS DateOfSale, "
                       "tblReceipts.CustomerID AS CustomerID, tblSalesDetails.QuantityPurchased AS Quantity, "
                       "tblInventory.ItemName AS ItemName, tblSalesDetails.Price AS Price, 0 AS LineKind, "
                       "tblSalesDetails.InventoryID AS LineKey, tblSalesDetails.Amount AS Amount, "
                       "tblSalesDetails.GST AS GST, tblSalesDetails.PST AS PST "
                       "FROM tblSalesDetails, tblInventory, tblReceipts "
                       "WHERE tblSalesDetails.InventoryID = tblInventory.InventoryID "
                       "AND tblSalesDetails.ReceiptID = tblReceipts.SaleID "
                       "UNION ALL SELECT tblReceipts.SaleID, tblReceipts.DateOfSale, tblReceipts.CustomerID, 1, "
                       "tblMovies.Name, tblVideosSold.Price, 1, tblVideosSold.VideoID, tblVideosSold.Amount, "
                       "tblVideosSold.GST, tblVideosSold.PST "
                       "FROM tblVideosSold, tblVideos, tblMovies, tblReceipts "
                       "WHERE tblVideosSold.VideoID = tblVideos.VideoID AND tblVideos.MovieNum = tblMovies.MovieNum "
                       "AND tblVideosSold.ReceiptID = tblReceipts.SaleID) s WHERE 1 = 1"),
        QStringLiteral("s.DateOfSale, s.SaleID, s.LineKind, s.LineKey, s.Quantity"),
        QStringLiteral("s.DateOfSale"),
        QStringLiteral("s.DateOfSale"),
        {},
        chargedSums("s.Amount"),
        {QStringLiteral("Amount"), QStringLiteral("GST"), QStringLiteral("PST"), QStringLiteral("TaxTotal")},
        [](const QSqlQuery &q) {
            // A tape sold is named by its number and title.
            QVariant name = textAt(q, 4);
            if (q.value(6).toInt() == 1)
                name = QStringLiteral("Tape %1: %2").arg(q.value(7).toLongLong()).arg(name.toString());
            ReportRow row{numberAt(q, 0), textAt(q, 1), numberAt(q, 2), numberAt(q, 3), name, moneyAt(q, 5)};
            appendCharged(row, q, 8, 9, 10);
            return row;
        },
        sumsOf};
    return c;
}

const ReportCommand &gateLog()
{
    // Tries at the gate name their destination as the gate did.
    static const ReportCommand c{
        QStringLiteral("GateLog"),
        {col("TryNumber", ColumnType::Number), col("TriedAt"), col("Destination"), col("Outcome"),
         col("Workstation")},
        {QStringLiteral("TryNumber"), QStringLiteral("TriedAt"), QStringLiteral("Destination"),
         QStringLiteral("Outcome"), QStringLiteral("Workstation")},
        QStringLiteral("FROM tblGateLog WHERE 1 = 1"),
        QStringLiteral("TryNumber"),
        {},
        QStringLiteral("TryNumber"),
        {},
        {},
        {},
        [](const QSqlQuery &q) {
            const int destination = q.value(2).toInt();
            const QString caption = destination == 0 ? QStringLiteral("(command line)")
                                                     : destinationCaption(destination);
            return ReportRow{numberAt(q, 0), textAt(q, 1),
                             caption.isEmpty() ? QVariant(QString::number(destination)) : QVariant(caption),
                             textAt(q, 3), textAt(q, 4)};
        },
        [](const QVariantList &) { return QList<Money>(); }};
    return c;
}

const ReportCommand &prices()
{
    // Every change of the prices and taxes, by the day it takes effect.
    static const ReportCommand c{
        QStringLiteral("Prices"),
        {col("InForceFrom", ColumnType::Date), col("What"), col("Name"), col("Fee", ColumnType::Money),
         col("Days", ColumnType::Number), col("LateFee", ColumnType::Money), col("Rate"), col("ChangedAt"),
         col("Counter"), col("Note"), col("Since"), col("Changed"), col("Replaced")},
        {QStringLiteral("p.InForceFrom"), QStringLiteral("p.Kind"), QStringLiteral("p.Number"),
         QStringLiteral("p.Name"), QStringLiteral("p.Fee"), QStringLiteral("p.Days"), QStringLiteral("p.LateFee"),
         QStringLiteral("p.Rate"), QStringLiteral("p.ChangedAt"), QStringLiteral("p.Counter"),
         QStringLiteral("(SELECT COUNT(*) FROM tblPrices q WHERE q.Kind = p.Kind AND q.Number = p.Number "
                        "AND q.InForceFrom = p.InForceFrom AND q.ChangeID > p.ChangeID)")},
        QStringLiteral("FROM tblPrices p WHERE 1 = 1"),
        QStringLiteral("p.InForceFrom, p.Kind, p.Number, p.ChangeID"),
        {},
        QStringLiteral("p.InForceFrom"),
        {},
        {},
        {},
        [](const QSqlQuery &q) {
            const bool isClass = q.value(1).toString() == QLatin1String("class");
            const QString what = isClass ? QStringLiteral("Price class %1") : QStringLiteral("Tax %1");
            QString note;
            if (q.value(10).toLongLong() > 0)
                note = QStringLiteral("replaced before its day by a later change");
            else if (q.value(8).isNull())
                note = QStringLiteral("as the store started");
            // As printed: the starting prices stand since the store started,
            // a change's time to the minute.
            const bool starting = q.value(8).isNull();
            return ReportRow{textAt(q, 0),
                             what.arg(q.value(2).toInt()),
                             textAt(q, 3),
                             moneyAt(q, 4),
                             numberAt(q, 5),
                             moneyAt(q, 6),
                             isClass ? QVariant() : QVariant(Pricing::percent(q.value(7).toLongLong()) + QStringLiteral(" %")),
                             textAt(q, 8),
                             textAt(q, 9),
                             note,
                             starting ? QCoreApplication::translate("ReportStore", "since the store started")
                                      : textAt(q, 0),
                             starting ? QVariant() : QVariant(q.value(8).toString().left(16).replace(u'T', u' ')),
                             starting ? QVariant() : QVariant(note)};
        },
        [](const QVariantList &) { return QList<Money>(); }};
    return c;
}

} // namespace ReportCommands

ReportStore::ReportStore(const QString &path, const ReportCommand &command, QVariantList parameters)
    : m_db(path)
    , m_command(command)
    , m_parameters(std::move(parameters))
{
}

ReportStore::~ReportStore()
{
    m_stream.reset();
    if (m_snapshot)
        m_db.endSnapshot();
}

QString ReportStore::rowSelect(const QList<int> &only) const
{
    QStringList columns = m_command.select;
    if (!only.isEmpty()) {
        columns.clear();
        for (int i : only)
            columns << m_command.select.value(i);
    }
    return QStringLiteral("SELECT %1 %2").arg(columns.join(QStringLiteral(", ")), m_command.from);
}

bool ReportStore::open(Database::Reading reading)
{
    const QString action = QStringLiteral("run the report %1").arg(m_command.name);
    if (!m_snapshot) {
        if (!m_db.beginSnapshot(action, reading))
            return false;
        m_snapshot = true;
    }
    m_groups.clear();
    m_rowCount = 0;
    m_countingFrom.reset();
    const auto rates = Pricing::lastSet(m_db);
    if (!rates)
        return false;
    m_taxes = rates->taxes;
    m_sumsPending = false;
    if (m_command.compute)
        return openComputed();
    m_onePass = reading == Database::Reading::OnePass;
    if (m_onePass)
        return true;
    const bool grouped = !m_command.groupBy.isEmpty();
    // Sums stand in footers: they are read when a page shows them (a few
    // groups at a time, or the whole report's with its last page), so the
    // first page needs only the row counts.
    m_sumsPending = !m_command.aggregates.isEmpty();
    if (!readGroups(false))
        return false;
    if (grouped) {
        // The groups are where each value of the grouping column starts.
        m_seekKeys.clear();
        m_seekStarts.clear();
        for (const ReportGroup &g : std::as_const(m_groups)) {
            m_seekKeys << g.key;
            m_seekStarts << g.firstRow;
        }
        m_seekBuilt = true;
    }
    return true;
}

bool ReportStore::readGroups(bool withSums)
{
    const QString action = QStringLiteral("run the report %1").arg(m_command.name);
    const QStringList sums = withSums ? m_command.aggregates : QStringList();
    const QString aggregates = sums.isEmpty() ? QString() : QStringLiteral(", ") + sums.join(u", ");
    const bool grouped = !m_command.groupBy.isEmpty();
    const QString sql = grouped ? QStringLiteral("SELECT %1, COUNT(*)%2 %3 GROUP BY %1 ORDER BY %1")
                                      .arg(m_command.groupBy, aggregates, m_command.from)
                                : QStringLiteral("SELECT COUNT(*)%1 %2").arg(aggregates, m_command.from);
    auto q = m_db.run(action, sql, m_parameters);
    if (!q)
        return false;
    m_groups.clear();
    m_rowCount = 0;
    const int lead = grouped ? 1 : 0;
    QVariantList totals(sums.size(), QVariant::fromValue<qint64>(0));
    // A sum past what an integer holds comes back as a float: its figures
    // are left blank rather than shown wrong.
    bool totalsFit = true;
    while (q->next()) {
        ReportGroup g;
        g.key = grouped ? q->value(0) : QVariant();
        g.firstRow = m_rowCount;
        g.rowCount = q->value(lead).toLongLong();
        QVariantList agg;
        bool fits = true;
        for (int i = 0; i < sums.size(); ++i) {
            agg << q->value(lead + 1 + i);
            bool ok = true;
            const qint64 value = agg.last().isNull() ? 0 : agg.last().toLongLong(&ok);
            qint64 total = 0;
            fits = fits && ok;
            totalsFit = totalsFit && ok && !__builtin_add_overflow(totals[i].toLongLong(), value, &total);
            totals[i] = QVariant::fromValue<qint64>(total);
        }
        if (fits && withSums)
            g.sums = m_command.makeSums(agg);
        g.summed = withSums;
        m_rowCount += g.rowCount;
        m_groups.append(g);
    }
    m_totals = totalsFit && withSums ? m_command.makeSums(totals) : QList<Money>();
    const int second = m_command.sumIndex(QStringLiteral("PST"));
    m_secondTaxHeld = second >= 0 && (m_totals.isEmpty() || m_totals[second] != Money());
    return true;
}

bool ReportStore::loadSums()
{
    if (!m_sumsPending)
        return true;
    if (!m_command.groupBy.isEmpty()) {
        if (!readGroups(true))
            return false;
        m_sumsPending = false;
        return true;
    }
    // Read in the report's own snapshot, so they are the sums of its rows.
    const QString action = QStringLiteral("run the report %1").arg(m_command.name);
    const auto counted = countingFrom(action);
    if (!counted)
        return false;
    const QString &from = *counted;
    auto q = m_db.run(action, QStringLiteral("SELECT %1 %2").arg(m_command.aggregates.join(u", "), from),
                      from == m_command.from ? m_parameters : QVariantList());
    if (!q)
        return false;
    QVariantList sums;
    bool fit = q->next();
    for (int i = 0; fit && i < m_command.aggregates.size(); ++i) {
        const QVariant v = q->value(i);
        sums << QVariant::fromValue<qint64>(v.isNull() ? 0 : v.toLongLong(&fit));
    }
    m_totals = fit ? m_command.makeSums(sums) : QList<Money>();
    if (!m_groups.isEmpty()) {
        m_groups.first().sums = m_totals;
        m_groups.first().summed = true;
    }
    const int second = m_command.sumIndex(QStringLiteral("PST"));
    m_secondTaxHeld = second >= 0 && (m_totals.isEmpty() || m_totals[second] != Money());
    m_sumsPending = false;
    return true;
}

bool ReportStore::loadGroupSums(int first, int last)
{
    if (!m_sumsPending || first < 0 || last >= m_groups.size())
        return true;
    bool needed = false;
    for (int g = first; g <= last; ++g)
        needed = needed || !m_groups[g].summed;
    if (!needed)
        return true;
    // Groups are read by their key's range when the key can be sought.
    if (m_command.groupBy.isEmpty() || m_command.seek != m_command.groupBy)
        return loadSums();
    last = std::min(int(m_groups.size()) - 1, std::max(last, first + 63));
    const QString action = QStringLiteral("run the report %1").arg(m_command.name);
    auto q = m_db.run(action,
                      QStringLiteral("SELECT %1, %2 %3 AND %1 >= ? AND %1 <= ? GROUP BY %1 ORDER BY %1")
                          .arg(m_command.groupBy, m_command.aggregates.join(u", "), m_command.from),
                      m_parameters + QVariantList{m_groups[first].key, m_groups[last].key});
    if (!q)
        return false;
    int g = first;
    while (q->next()) {
        while (g <= last && m_groups[g].key != q->value(0))
            ++g;
        if (g > last)
            break;
        QVariantList agg;
        bool fits = true;
        for (int i = 0; i < m_command.aggregates.size(); ++i) {
            const QVariant v = q->value(1 + i);
            bool ok = true;
            agg << QVariant::fromValue<qint64>(v.isNull() ? 0 : v.toLongLong(&ok));
            fits = fits && ok;
        }
        m_groups[g].sums = fits ? m_command.makeSums(agg) : QList<Money>();
    }
    for (int k = first; k <= last; ++k)
        m_groups[k].summed = true;
    return true;
}

const QList<Money> &ReportStore::groupSums(int g)
{
    loadGroupSums(g, g);
    return m_groups[g].sums;
}

const QList<Money> &ReportStore::totals()
{
    loadSums();
    return m_totals;
}

bool ReportStore::showsTax(int number)
{
    if (number != 2 || m_taxes[1].charged())
        return true;
    loadSums();
    return m_secondTaxHeld;
}

bool ReportStore::openComputed()
{
    auto rows = m_command.compute(m_db, m_parameters);
    if (!rows)
        return false;
    m_computed = std::move(*rows);
    m_rowCount = m_computed.size();
    const int second = m_command.column(QStringLiteral("PST"));
    m_secondTaxHeld = false;
    for (const ReportRow &row : std::as_const(m_computed))
        m_secondTaxHeld = m_secondTaxHeld || (second >= 0 && row.value(second).toLongLong() != 0);
    m_totals.clear();
    const int key = m_command.groupBy.isEmpty() ? -1 : m_command.column(m_command.groupBy);
    for (qint64 i = 0; i < m_rowCount; ++i) {
        const QVariant value = key >= 0 ? m_computed[i].value(key) : QVariant();
        if (m_groups.isEmpty() || (key >= 0 && m_groups.last().key != value))
            m_groups.append(ReportGroup{value, i, 0, {}});
        ++m_groups.last().rowCount;
    }
    // As with a selected report, an ungrouped one is one group, rows or not.
    if (key < 0 && m_groups.isEmpty())
        m_groups.append(ReportGroup{});
    return true;
}

std::optional<QString> ReportStore::countingFrom(const QString &action)
{
    // The leading table alone is far quicker, and gives the same counts and
    // sums when every one of its rows found its partners in the join; asked
    // once for each opening of the report.
    if (!m_countingFrom) {
        m_countingFrom = m_command.from;
        if (!m_command.seekFrom.isEmpty()) {
            const auto all = m_db.scalar(action, QStringLiteral("SELECT COUNT(*) %1").arg(m_command.seekFrom));
            if (!all) {
                m_countingFrom.reset();
                return std::nullopt;
            }
            if (all->toLongLong() == m_rowCount)
                m_countingFrom = m_command.seekFrom;
        }
    }
    return m_countingFrom;
}

bool ReportStore::buildSeekIndex()
{
    const QString action = QStringLiteral("run the report %1").arg(m_command.name);
    const auto counted = countingFrom(action);
    if (!counted)
        return false;
    const QString &from = *counted;
    auto q = m_db.run(action, QStringLiteral("SELECT %1, COUNT(*) %2 GROUP BY %1 ORDER BY %1").arg(m_command.seek, from),
                      from == m_command.from ? m_parameters : QVariantList());
    if (!q)
        return false;
    // Keep a key every few dozen rows: enough to land near any row.
    qint64 start = 0, kept = -1000;
    while (q->next()) {
        if (start - kept >= 64) {
            m_seekKeys << q->value(0);
            m_seekStarts << start;
            kept = start;
        }
        start += q->value(1).toLongLong();
    }
    m_seekBuilt = true;
    return true;
}

std::optional<QList<ReportRow>> ReportStore::rows(qint64 first, qint64 count)
{
    QList<ReportRow> out;
    if (count <= 0 || first >= m_rowCount)
        return out;
    if (m_command.compute)
        return m_computed.mid(first, count);
    if (m_stream && first == m_streamNext) {
        out.reserve(count);
        while (out.size() < count && m_stream->next())
            out.append(m_command.makeRow(*m_stream));
        // A report cut short is never passed off as the whole of it.
        if (out.size() < count && m_stream->lastError().isValid()) {
            m_db.fail(QStringLiteral("run the report %1").arg(m_command.name), m_stream->lastError().text());
            return std::nullopt;
        }
        m_streamNext += out.size();
        return out;
    }
    const QString action = QStringLiteral("run the report %1").arg(m_command.name);
    QString sql = rowSelect();
    QVariantList values = m_parameters;
    qint64 offset = first;
    if (!m_command.seek.isEmpty() && (m_seekBuilt || first >= SeekFrom)) {
        if (!m_seekBuilt && !buildSeekIndex())
            return std::nullopt;
        // Between the keys around the first and the last row wanted, so
        // the engine reads only those rows, by the seek column's index.
        auto blockOf = [this](qint64 row) {
            const auto it = std::upper_bound(m_seekStarts.cbegin(), m_seekStarts.cend(), row);
            return qsizetype(it - m_seekStarts.cbegin()) - 1;
        };
        const qsizetype from = blockOf(first);
        const qsizetype to = blockOf(first + count - 1) + 1;
        if (from >= 0) {
            sql += QStringLiteral(" AND %1 >= ?").arg(m_command.seek);
            values << m_seekKeys[from];
            offset = first - m_seekStarts[from];
        }
        if (to < m_seekKeys.size()) {
            sql += QStringLiteral(" AND %1 < ?").arg(m_command.seek);
            values << m_seekKeys[to];
        } else if (!m_command.groupBy.isEmpty() && !m_seekKeys.isEmpty()) {
            // The last group's value is the highest there is; bounding the
            // range on both sides keeps the engine on the index through a
            // union of several tables as well.
            sql += QStringLiteral(" AND %1 <= ?").arg(m_command.seek);
            values << m_seekKeys.last();
        }
    }
    sql += QStringLiteral(" ORDER BY %1 LIMIT ? OFFSET ?").arg(m_command.orderBy);
    values << count << offset;
    auto q = m_db.run(action, sql, values);
    if (!q)
        return std::nullopt;
    out.reserve(count);
    while (q->next())
        out.append(m_command.makeRow(*q));
    return out;
}

bool ReportStore::startStream(const QList<int> &only)
{
    if (m_command.compute)
        return true;
    m_stream = m_db.stream(QStringLiteral("run the report %1").arg(m_command.name),
                           rowSelect(only) + QStringLiteral(" ORDER BY ") + m_command.orderBy, m_parameters);
    m_streamNext = 0;
    return m_stream.has_value();
}

void ReportStore::stopStream()
{
    m_stream.reset();
}

QString ReportStore::failedFile(const QString &file, const DbError &error)
{
    return QStringLiteral("%1 could not be written: the store database could not %2 (%3).")
        .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), error.action, error.detail);
}

bool ReportStore::forEachRow(const std::function<bool(qint64, const ReportRow &)> &each)
{
    if (m_command.compute) {
        for (qint64 i = 0; i < m_computed.size(); ++i)
            if (!each(i, m_computed[i]))
                break;
        return true;
    }
    qint64 i = 0;
    return forEachFetched([&](const QSqlQuery &q) { return each(i++, m_command.makeRow(q)); });
}

bool ReportStore::forEachFetched(const std::function<bool(const QSqlQuery &)> &each, const QList<int> &only)
{
    if (m_command.compute || !startStream(only))
        return false;
    qint64 read = 0;
    bool more = true;
    while (more && m_stream->next()) {
        ++read;
        more = each(*m_stream);
    }
    if (more && m_stream->lastError().isValid()) {
        m_db.fail(QStringLiteral("run the report %1").arg(m_command.name), m_stream->lastError().text());
        stopStream();
        return false;
    }
    stopStream();
    if (m_onePass && more)
        m_rowCount = read;
    return true;
}
