#include "ReportLayout.h"

#include "ReportStore.h"
#include "circulation/OverdueReports.h"

#include <algorithm>

namespace {

// Twips: 1440 to the inch, 20 to the point.
constexpr int Line = 240;      // one line of 8.25 pt text
constexpr int HeadLine = 260;  // one line of 9 pt headings

const QString Arial = QStringLiteral("Arial");

ReportFont fieldFont() { return {Arial, 8.25, false, false}; }
ReportFont headingFont() { return {Arial, 9, true, false}; }

ReportItem title(int left, int width, const char *text, QColor color)
{
    return {ItemKind::Label, left, width, 0, QString::fromUtf8(text),
            {QStringLiteral("Lucida Console"), 21.75, true, true}, color, false};
}

ReportItem logo(int left, int width, int top)
{
    return {ItemKind::Logo, left, width, top, {}, {}, Qt::black, false};
}

ReportItem heading(int left, int width, const char *text, int top = 0)
{
    return {ItemKind::Label, left, width, top, QString::fromUtf8(text), headingFont(), Qt::black, false};
}

ReportItem label(int left, int width, const char *text, int top)
{
    return {ItemKind::Label, left, width, top, QString::fromUtf8(text), fieldFont(), Qt::black, false};
}

ReportItem field(int left, int width, const char *column, int line = 1, bool currency = false)
{
    return {ItemKind::Field, left, width, (line - 1) * Line, QString::fromLatin1(column), fieldFont(), Qt::black,
            currency};
}

ReportItem groupKey(int left, int width, ReportFont font = fieldFont(), QColor color = Qt::black)
{
    return {ItemKind::GroupKey, left, width, 0, {}, font, color, false};
}

ReportItem sum(int left, int width, const char *name, int top)
{
    return {ItemKind::Sum, left, width, top, QString::fromLatin1(name), fieldFont(), Qt::black, true};
}

// `item` as a label or figure of tax 1 or 2.
ReportItem ofTax(ReportItem item, int tax)
{
    item.tax = tax;
    return item;
}

ReportItem rule(int left, int width, int top)
{
    return {ItemKind::Line, left, width, top, {}, {}, Qt::black, false};
}

// Every page ends with its number, so a long report's pages stay in order.
ReportBand pageFooter()
{
    return {BandKind::PageFooter, 360,
            {{ItemKind::PageNumber, 0, 6236, 120, {}, fieldFont(), Qt::black, false}}};
}

// Four lines of sums with their labels, the label's right edge just left
// of the sums.
QList<ReportItem> sumLines(int amountLeft, int amountWidth, int taxLeft, int taxWidth, const char *amount,
                           const char *gst, const char *pst, const char *total, int top)
{
    const char *labels[] = {"SubTotal:", "GST:", "PST:", "TOTAL:"};
    const char *names[] = {amount, gst, pst, total};
    QList<ReportItem> items;
    for (int i = 0; i < 4; ++i) {
        const int y = top + i * Line;
        const int left = i == 0 ? amountLeft : taxLeft;
        const int width = i == 0 ? amountWidth : taxWidth;
        const int tax = i == 1 ? 1 : i == 2 ? 2 : 0;
        items << ofTax(label(std::min(amountLeft, taxLeft) - 1400, 1300, labels[i], y), tax)
              << ofTax(sum(left, width, names[i], y), tax);
    }
    return items;
}

ReportLayout allMovies()
{
    return {QStringLiteral("rptListOfAllMovies"),
            QStringLiteral("List Of All Movies"),
            &ReportCommands::movieType(),
            {{BandKind::ReportHeader, 1500,
              {title(1134, 5100, "LIST OF ALL MOVIES", QColor(0xFF, 0x00, 0x00)), logo(0, 2160, 620)}},
             {BandKind::PageHeader, 600,
              {heading(0, 681, "Type"), heading(1134, 567, "Name"), heading(2268, 735, "     ID Number"),
               heading(3402, 570, "Actor"), heading(4535, 738, "Actress"), heading(5669, 624, "Rating"),
               rule(0, 6236, 2 * HeadLine + 40)}},
             {BandKind::GroupHeader, Line, {groupKey(0, 735)}},
             {BandKind::Detail, Line,
              {field(1134, 909, "Name"), field(2496, 570, "MovieNum"), field(3402, 966, "Actor"),
               field(4535, 912, "Actress"), field(5669, 570, "Rating")}},
             pageFooter()}};
}

ReportLayout moviesByType()
{
    return {QStringLiteral("rptListOfMoviesByType"),
            QStringLiteral("ListOfMoviesByType"),
            &ReportCommands::moviesByType(),
            {{BandKind::ReportHeader, 1400,
              {title(397, 6360, "List Of Movies By Type", QColor(0x80, 0x00, 0x80)), logo(144, 2016, 620)}},
             {BandKind::GroupHeader, 980,
              {groupKey(2448, 2160, {Arial, 14.25, true, false}, QColor(0x33, 0x99, 0xFF)),
               heading(144, 861, "Movie ID Number:", 420), heading(5472, 720, "Rated:", 420)}},
             {BandKind::Detail, Line,
              {field(144, 1470, "MovieNum"),
               {ItemKind::Field, 2448, 2145, 0, QStringLiteral("Name"), {QStringLiteral("Fixedsys"), 9, false, false},
                Qt::black, false},
               field(5443, 1020, "Rating")}},
             {BandKind::GroupFooter, 2, {}},
             pageFooter()}};
}

ReportLayout customerList()
{
    return {QStringLiteral("rptCustomerList"),
            QStringLiteral("Customer List"),
            &ReportCommands::customerList(),
            {{BandKind::ReportHeader, 900,
              {title(1134, 3618, "CUSTOMER LIST", QColor(0x80, 0x00, 0x00)), logo(4752, 2304, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(56, 900, "Customer          No."), heading(1531, 555, "Name"), heading(3855, 867, "Address"),
               heading(5046, 960, "Telephone"), heading(6149, 630, "Fees Owing")}},
             {BandKind::Detail, 3 * Line + 60,
              {field(228, 456, "CustomerNumber"), field(1077, 789, "FirstName"), field(1870, 1365, "LastName"),
               field(3571, 1365, "Address"), field(3571, 1365, "City", 2), field(3572, 1365, "PostalCode", 3),
               field(5216, 900, "HomePhone"), field(5216, 900, "Busphone", 2), field(6494, 570, "FeesOwing")}},
             pageFooter()}};
}

ReportLayout customersByDate()
{
    return {QStringLiteral("rptCustomersByDate"),
            QStringLiteral("Customers by Date"),
            &ReportCommands::customersByDate(),
            {{BandKind::ReportHeader, 1450,
              {title(765, 5520, "Customers By Date", QColor(0x40, 0x00, 0x40)), logo(72, 2088, 620)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(57, 503, "Date"), heading(1018, 885, "Customer Number"), heading(2277, 861, "Name"),
               heading(4221, 810, "Phone Number"), heading(5301, 915, "Fees Owing")}},
             {BandKind::Detail, 2 * Line + 60,
              {field(57, 680, "DateOfSale"), field(1310, 447, "CustomerNumber"), field(2270, 1830, "FirstName"),
               field(2270, 1830, "LastName", 2), field(4220, 1110, "HomePhone"), field(4220, 1110, "Busphone", 2),
               field(5599, 621, "FeesOwing")}},
             pageFooter()}};
}

ReportLayout rentalRevenue()
{
    ReportBand footer{BandKind::ReportFooter, 4 * Line + 200, {rule(3928, 2200, 60)}};
    footer.items << sumLines(5328, 685, 5328, 685, "rentalfee", "GST", "PST", "totalRentalFee", 140);
    return {QStringLiteral("rptRentalRevenue"),
            QStringLiteral("Rental Revenue"),
            &ReportCommands::rentalRevenue(),
            {{BandKind::ReportHeader, 900,
              {title(576, 4155, "RENTAL REVENUE$", QColor(0x00, 0x80, 0x00)), logo(4752, 2016, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 732, "Receipt Number"), heading(850, 570, "             Date"),
               heading(1758, 900, "Movie Name"), heading(3061, 795, "Video ID"),
               heading(4195, 1078, "Customer's ID Number"), heading(5329, 675, "Rental Price")}},
             {BandKind::Detail, Line,
              {field(170, 390, "RentalID"), field(850, 624, "RentalDate"), field(1644, 1410, "Name"),
               field(3118, 1305, "VideoID"), field(4706, 283, "CustomerNumber"),
               field(5443, 570, "rentalfee", 1, true)}},
             pageFooter(),
             footer}};
}

ReportLayout salesReport()
{
    ReportBand footer{BandKind::GroupFooter, 4 * Line + 160, {rule(4800, 2259, 40)}};
    footer.items << sumLines(6336, 723, 6192, 867, "Amount", "GST", "PST", "TaxTotal", 100);
    return {QStringLiteral("rptSalesReport"),
            QStringLiteral("Sales Report"),
            &ReportCommands::salesReport(),
            {{BandKind::ReportHeader, 900,
              {title(1928, 1456, "SALE$", QColor(0x00, 0x80, 0x00)), logo(3456, 2595, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 516, "Date"), heading(734, 750, "Invoice Number"), heading(1527, 897, "Customer Number"),
               heading(2660, 622, "Item Name"), heading(3971, 855, "Quantity Purchased"), heading(5329, 630, "Price"),
               heading(6236, 590, "Sale")}},
             {BandKind::GroupHeader, Line, {groupKey(0, 651)}},
             {BandKind::Detail, Line,
              {field(933, 510, "SaleID"), field(1613, 450, "CustomerID"), field(2153, 1871, "ItemName"),
               field(4195, 960, "QuantityPurchased"), field(5328, 630, "Price", 1, true),
               field(6336, 723, "Amount", 1, true)}},
             footer,
             pageFooter()}};
}

ReportLayout dayEnd()
{
    const QColor navy(0x00, 0x00, 0x80);
    return {QStringLiteral("rptDayEnd"),
            QStringLiteral("Day End"),
            &ReportCommands::dayEnd(),
            {{BandKind::ReportHeader, 1500, {title(0, 6000, "DAY END %1", navy), logo(0, 2160, 620)}},
             {BandKind::PageHeader, 2 * HeadLine,
              {heading(0, 900, "Date"), heading(1100, 3000, "What"), heading(6700, 700, "Count"),
               heading(7700, 1200, "Amount"), rule(0, 8900, HeadLine + 40)}},
             {BandKind::GroupHeader, HeadLine + 120, {groupKey(0, 6000, headingFont(), navy)}},
             {BandKind::Detail, Line,
              {field(0, 900, "Day"), field(1100, 5500, "Line"), field(6700, 700, "Count"),
               field(7700, 1200, "Amount", 1, true)}},
             pageFooter()},
            false,
            true};
}

ReportLayout taxes()
{
    return {QStringLiteral("rptTaxes"),
            QStringLiteral("Taxes"),
            &ReportCommands::taxes(),
            {{BandKind::ReportHeader, 1500,
              {title(0, 6000, "TAXES COLLECTED", QColor(0x00, 0x80, 0x00)), logo(0, 2160, 620)}},
             {BandKind::PageHeader, 2 * HeadLine,
              {heading(0, 2200, "Day"), heading(2300, 900, "Checkouts"), heading(3400, 1200, "SubTotal"),
               ofTax(heading(4800, 1100, "GST"), 1), ofTax(heading(6100, 1100, "PST"), 2),
               heading(7400, 1300, "TOTAL"),
               rule(0, 8700, HeadLine + 40)}},
             {BandKind::Detail, Line,
              {field(0, 2200, "Day"), field(2300, 900, "Checkouts"), field(3400, 1200, "SubTotal", 1, true),
               ofTax(field(4800, 1100, "GST", 1, true), 1), ofTax(field(6100, 1100, "PST", 1, true), 2),
               field(7400, 1300, "Total", 1, true)}},
              pageFooter()}};
}

ReportLayout overdue()
{
    const QColor maroon(0x80, 0x00, 0x00);
    return {QStringLiteral("rptOverdue"),
            QStringLiteral("Overdue Call List"),
            &ReportCommands::overdue(),
            {{BandKind::ReportHeader, 1500, {title(0, 6000, "OVERDUE CALL LIST", maroon), logo(0, 2160, 620)}},
             {BandKind::PageHeader, 2 * HeadLine,
              {heading(300, 700, "Tape"), heading(1100, 3800, "Title"), heading(5000, 1100, "Due"),
               heading(6200, 900, "Days late"), heading(7200, 1300, "Fee so far"), rule(0, 8500, HeadLine + 40)}},
             {BandKind::GroupHeader, HeadLine + 120, {groupKey(0, 8500, headingFont(), maroon)}},
             {BandKind::Detail, Line,
              {field(300, 700, "Tape"), field(1100, 3800, "Title"), field(5000, 1100, "Due"),
               field(6200, 900, "DaysLate"), field(7200, 1300, "Fee", 1, true)}},
             pageFooter()},
            true};
}

ReportLayout gateLog()
{
    return {QStringLiteral("rptGateLog"),
            QStringLiteral("Gate Log"),
            &ReportCommands::gateLog(),
            {{BandKind::ReportHeader, 900,
              {title(0, 4500, "SECURITY GATE LOG", QColor(0x80, 0x00, 0x00)), logo(4752, 2304, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 450, "Try"), heading(480, 1950, "Time"), heading(2480, 2150, "Destination"),
               heading(4680, 1250, "Outcome"), heading(5980, 1100, "Counter")}},
             {BandKind::Detail, Line,
              {field(0, 450, "TryNumber"), field(480, 1950, "TriedAt"), field(2480, 2150, "Destination"),
               field(4680, 1250, "Outcome"), field(5980, 1100, "Workstation")}},
             pageFooter()}};
}

ReportLayout prices()
{
    return {QStringLiteral("rptPrices"),
            QStringLiteral("Prices and Taxes"),
            &ReportCommands::prices(),
            {{BandKind::ReportHeader, 900,
              {title(0, 5000, "PRICES AND TAXES", QColor(0x00, 0x00, 0x80)), logo(5000, 2016, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 1000, "In force from"), heading(1100, 1100, "What"), heading(2300, 1700, "Name"),
               heading(4100, 800, "Rental fee"), heading(5000, 500, "Days"), heading(5600, 800, "Late fee a day"),
               heading(6500, 700, "Rate"), heading(7300, 1700, "Changed")}},
             {BandKind::Detail, 2 * Line,
              {field(0, 1000, "InForceFrom"), field(1100, 1100, "What"), field(2300, 1700, "Name"),
               field(4100, 800, "Fee", 1, true), field(5000, 500, "Days"), field(5600, 800, "LateFee", 1, true),
               field(6500, 700, "Rate"), field(7300, 1700, "ChangedAt"), field(7300, 1700, "Counter", 2),
               field(1100, 2900, "Note", 2)}},
             pageFooter()}};
}

} // namespace

QString ReportLayout::title() const
{
    // A caption run together ("ListOfMoviesByType") is parted at its capitals.
    QString words;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (i > 0 && caption[i].isUpper() && caption[i - 1].isLower())
            words += u' ';
        words += caption[i];
    }
    return words;
}

QString ReportLayout::captionFor(const QVariantList &parameters) const
{
    return dated ? QStringLiteral("%1 %2").arg(caption, parameters.value(0).toString()) : caption;
}

QString ReportLayout::title(const QVariantList &parameters) const
{
    return dated ? QStringLiteral("%1 %2").arg(title(), parameters.value(0).toString()) : title();
}

const ReportBand *ReportLayout::band(BandKind kind) const
{
    for (const ReportBand &b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

int ReportLayout::height(BandKind kind) const
{
    const ReportBand *b = band(kind);
    return b ? b->height : 0;
}

namespace ReportLayouts {

const ReportLayout &layout(ReportId id)
{
    static const ReportLayout layouts[CommandLineReportCount] = {
        allMovies(), moviesByType(), customerList(), customersByDate(), rentalRevenue(),
        salesReport(), dayEnd(),     taxes(),        overdue(),      gateLog(),      prices()};
    return layouts[static_cast<int>(id)];
}

QString scriptName(ReportId id)
{
    static const char *const names[CommandLineReportCount] = {
        "all-movies", "movies-by-type", "customer-list", "customers-by-date", "rental-revenue",
        "daily-sales", "day-end",       "taxes",         "overdue",           "gate-log",       "prices"};
    return QString::fromLatin1(names[static_cast<int>(id)]);
}

} // namespace ReportLayouts
