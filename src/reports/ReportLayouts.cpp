#include "ReportLayout.h"

#include "ReportStore.h"
#include "circulation/OverdueReports.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Twips: 1440 to the inch, 20 to the point.
constexpr int PageWidth = 9360; // letter paper inside its one-inch margins
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

// `item` at the right edge of its box, as amounts are.
ReportItem atRight(ReportItem item)
{
    item.alignRight = true;
    return item;
}

// A heading over a column of amounts.
ReportItem amountHeading(int left, int width, const char *text, int top = 0)
{
    return atRight(heading(left, width, text, top));
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
            {{ItemKind::PageNumber, 0, PageWidth, 120, {}, fieldFont(), Qt::black, false}}};
}

// Four lines of sums with their labels, the label's right edge just left
// of the sums.
QList<ReportItem> sumLines(int amountLeft, int amountWidth, int taxLeft, int taxWidth, const char *amount,
                           const char *gst, const char *pst, const char *total, int top)
{
    const char *labels[] = {QT_TRANSLATE_NOOP("ReportLayouts", "SubTotal:"), QT_TRANSLATE_NOOP("ReportLayouts", "GST:"),
                            QT_TRANSLATE_NOOP("ReportLayouts", "PST:"), QT_TRANSLATE_NOOP("ReportLayouts", "TOTAL:")};
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
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "List Of All Movies")),
            &ReportCommands::movieType(),
            {{BandKind::ReportHeader, 1500,
              {title(1134, 5100, QT_TRANSLATE_NOOP("ReportLayouts", "LIST OF ALL MOVIES"), QColor(0xFF, 0x00, 0x00)),
               logo(0, 2160, 620)}},
             {BandKind::PageHeader, 600,
              {heading(0, 1100, QT_TRANSLATE_NOOP("ReportLayouts", "Type")),
               heading(1200, 567, QT_TRANSLATE_NOOP("ReportLayouts", "Name")),
               heading(4500, 700, QT_TRANSLATE_NOOP("ReportLayouts", "     ID Number")),
               heading(5250, 570, QT_TRANSLATE_NOOP("ReportLayouts", "Actor")),
               heading(7150, 738, QT_TRANSLATE_NOOP("ReportLayouts", "Actress")),
               heading(8800, 560, QT_TRANSLATE_NOOP("ReportLayouts", "Rating")),
               rule(0, PageWidth, 2 * HeadLine + 40)}},
             {BandKind::GroupHeader, Line, {groupKey(0, 1100)}},
             {BandKind::Detail, Line,
              {field(1200, 3250, "Name"), field(4650, 500, "MovieNum"), field(5250, 1850, "Actor"),
               field(7150, 1600, "Actress"), field(8800, 560, "Rating")}},
             pageFooter()}};
}

ReportLayout moviesByType()
{
    return {QStringLiteral("rptListOfMoviesByType"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "ListOfMoviesByType")),
            &ReportCommands::moviesByType(),
            {{BandKind::ReportHeader, 1400,
              {title(397, 6360, QT_TRANSLATE_NOOP("ReportLayouts", "List Of Movies By Type"), QColor(0x80, 0x00, 0x80)),
               logo(144, 2016, 620)}},
             {BandKind::GroupHeader, 980,
              {groupKey(1700, 6000, {Arial, 14.25, true, false}, QColor(0x33, 0x99, 0xFF)),
               heading(144, 861, QT_TRANSLATE_NOOP("ReportLayouts", "Movie ID Number:"), 420),
               heading(8200, 720, QT_TRANSLATE_NOOP("ReportLayouts", "Rated:"), 420)}},
             {BandKind::Detail, Line,
              {field(144, 1400, "MovieNum"),
               {ItemKind::Field, 1700, 6400, 0, QStringLiteral("Name"), {QStringLiteral("Fixedsys"), 9, false, false},
                Qt::black, false},
               field(8200, 1160, "Rating")}},
             {BandKind::GroupFooter, 2, {}},
             pageFooter()}};
}

ReportLayout customerList()
{
    return {QStringLiteral("rptCustomerList"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Customer List")),
            &ReportCommands::customerList(),
            {{BandKind::ReportHeader, 900,
              {title(1134, 3618, QT_TRANSLATE_NOOP("ReportLayouts", "CUSTOMER LIST"), QColor(0x80, 0x00, 0x00)),
               logo(PageWidth - 2304, 2304, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(56, 900, QT_TRANSLATE_NOOP("ReportLayouts", "Customer          No.")),
               heading(1000, 555, QT_TRANSLATE_NOOP("ReportLayouts", "Name")),
               heading(4200, 867, QT_TRANSLATE_NOOP("ReportLayouts", "Address")),
               heading(6700, 960, QT_TRANSLATE_NOOP("ReportLayouts", "Telephone")),
               amountHeading(8300, 1060, QT_TRANSLATE_NOOP("ReportLayouts", "Fees Owing"))}},
             {BandKind::Detail, 3 * Line + 60,
              {field(228, 650, "CustomerNumber"), field(1000, 1300, "FirstName"), field(2400, 1700, "LastName"),
               field(4200, 2400, "Address"), field(4200, 2400, "City", 2), field(4200, 2400, "PostalCode", 3),
               field(6700, 1500, "HomePhone"), field(6700, 1500, "Busphone", 2), field(8300, 1060, "FeesOwing")}},
             pageFooter()},
            true};
}

ReportLayout customersByDate()
{
    return {QStringLiteral("rptCustomersByDate"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Customers by Date")),
            &ReportCommands::customersByDate(),
            {{BandKind::ReportHeader, 1450,
              {title(765, 5520, QT_TRANSLATE_NOOP("ReportLayouts", "Customers By Date"), QColor(0x40, 0x00, 0x40)),
               logo(72, 2088, 620)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(57, 503, QT_TRANSLATE_NOOP("ReportLayouts", "Date")),
               heading(1200, 885, QT_TRANSLATE_NOOP("ReportLayouts", "Customer Number")),
               heading(2400, 861, QT_TRANSLATE_NOOP("ReportLayouts", "Name")),
               heading(5800, 810, QT_TRANSLATE_NOOP("ReportLayouts", "Phone Number")),
               amountHeading(8100, 1260, QT_TRANSLATE_NOOP("ReportLayouts", "Fees Owing"))}},
             {BandKind::Detail, 2 * Line + 60,
              {field(57, 1050, "DateOfSale"), field(1300, 900, "CustomerNumber"), field(2400, 3300, "FirstName"),
               field(2400, 3300, "LastName", 2), field(5800, 1600, "HomePhone"), field(5800, 1600, "Busphone", 2),
               field(8100, 1260, "FeesOwing")}},
             pageFooter()},
            true};
}

ReportLayout rentalRevenue()
{
    ReportBand footer{BandKind::ReportFooter, 4 * Line + 200, {rule(PageWidth - 2500, 2500, 60)}};
    footer.items << sumLines(PageWidth - 1300, 1300, PageWidth - 1300, 1300, "rentalfee", "GST", "PST",
                             "totalRentalFee", 140);
    return {QStringLiteral("rptRentalRevenue"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Rental Revenue")),
            &ReportCommands::rentalRevenue(),
            {{BandKind::ReportHeader, 900,
              {title(576, 4155, QT_TRANSLATE_NOOP("ReportLayouts", "RENTAL REVENUE$"), QColor(0x00, 0x80, 0x00)),
               logo(PageWidth - 2016, 2016, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 900, QT_TRANSLATE_NOOP("ReportLayouts", "Receipt Number")),
               heading(1000, 570, QT_TRANSLATE_NOOP("ReportLayouts", "             Date")),
               heading(2200, 1500, QT_TRANSLATE_NOOP("ReportLayouts", "Movie Name")),
               heading(5600, 795, QT_TRANSLATE_NOOP("ReportLayouts", "Video ID")),
               heading(6500, 1078, QT_TRANSLATE_NOOP("ReportLayouts", "Customer's ID Number")),
               amountHeading(PageWidth - 1000, 1000, QT_TRANSLATE_NOOP("ReportLayouts", "Rental Price"))}},
             {BandKind::Detail, Line,
              {field(170, 750, "RentalID"), field(1000, 1100, "RentalDate"), field(2200, 3300, "Name"),
               field(5600, 800, "VideoID"), field(6800, 700, "CustomerNumber"),
               field(PageWidth - 1000, 1000, "rentalfee", 1, true)}},
             pageFooter(),
             footer},
            true};
}

ReportLayout salesReport()
{
    ReportBand footer{BandKind::GroupFooter, 4 * Line + 160, {rule(PageWidth - 2500, 2500, 40)}};
    footer.items << sumLines(PageWidth - 1300, 1300, PageWidth - 1300, 1300, "Amount", "GST", "PST", "TaxTotal", 100);
    return {QStringLiteral("rptSalesReport"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Sales Report")),
            &ReportCommands::salesReport(),
            {{BandKind::ReportHeader, 900,
              {title(1928, 1456, QT_TRANSLATE_NOOP("ReportLayouts", "SALES"), QColor(0x00, 0x80, 0x00)),
               logo(PageWidth - 2595, 2595, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 516, QT_TRANSLATE_NOOP("ReportLayouts", "Date")),
               heading(1150, 750, QT_TRANSLATE_NOOP("ReportLayouts", "Invoice Number")),
               heading(2000, 897, QT_TRANSLATE_NOOP("ReportLayouts", "Customer Number")),
               heading(3000, 1200, QT_TRANSLATE_NOOP("ReportLayouts", "Item Name")),
               heading(6150, 1000, QT_TRANSLATE_NOOP("ReportLayouts", "Quantity Purchased")),
               amountHeading(7250, 900, QT_TRANSLATE_NOOP("ReportLayouts", "Price")),
               amountHeading(8260, 1100, QT_TRANSLATE_NOOP("ReportLayouts", "Sale"))}},
             {BandKind::GroupHeader, Line, {groupKey(0, 1100)}},
             {BandKind::Detail, Line,
              {field(1150, 750, "SaleID"), field(2000, 900, "CustomerID"), field(3000, 3100, "ItemName"),
               field(6250, 750, "QuantityPurchased"), field(7250, 900, "Price", 1, true),
               field(8260, 1100, "Amount", 1, true)}},
             footer,
             pageFooter()},
            true};
}

ReportLayout dayEnd()
{
    const QColor navy(0x00, 0x00, 0x80);
    ReportItem heading0 = title(0, PageWidth, QT_TRANSLATE_NOOP("ReportLayouts", "DAY END %1"), navy);
    heading0.withParameters = true;
    return {QStringLiteral("rptDayEnd"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Day End")),
            &ReportCommands::dayEnd(),
            {{BandKind::ReportHeader, 1500, {heading0, logo(0, 2160, 620)}},
             {BandKind::PageHeader, 2 * HeadLine,
              {heading(0, 900, QT_TRANSLATE_NOOP("ReportLayouts", "Date")),
               //: What a line of the day's report counts or tells.
               heading(1100, 3000, QT_TRANSLATE_NOOP("ReportLayouts", "What")),
               heading(6700, 700, QT_TRANSLATE_NOOP("ReportLayouts", "Count")),
               amountHeading(7700, 1200, QT_TRANSLATE_NOOP("ReportLayouts", "Amount")), rule(0, 8900, HeadLine + 40)}},
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
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Taxes")),
            &ReportCommands::taxes(),
            {{BandKind::ReportHeader, 1500,
              {title(0, 6000, QT_TRANSLATE_NOOP("ReportLayouts", "TAXES COLLECTED"), QColor(0x00, 0x80, 0x00)),
               logo(0, 2160, 620)}},
             {BandKind::PageHeader, 2 * HeadLine,
              {heading(0, 2600, QT_TRANSLATE_NOOP("ReportLayouts", "Day")),
               heading(2700, 900, QT_TRANSLATE_NOOP("ReportLayouts", "Checkouts")),
               amountHeading(3700, 1300, QT_TRANSLATE_NOOP("ReportLayouts", "SubTotal")),
               ofTax(amountHeading(5100, 1300, QT_TRANSLATE_NOOP("ReportLayouts", "GST")), 1),
               ofTax(amountHeading(6500, 1300, QT_TRANSLATE_NOOP("ReportLayouts", "PST")), 2),
               amountHeading(7900, 1460, QT_TRANSLATE_NOOP("ReportLayouts", "TOTAL")),
               rule(0, PageWidth, HeadLine + 40)}},
             {BandKind::Detail, Line,
              {field(0, 2600, "Day"), field(2700, 900, "Checkouts"), field(3700, 1300, "SubTotal", 1, true),
               ofTax(field(5100, 1300, "GST", 1, true), 1), ofTax(field(6500, 1300, "PST", 1, true), 2),
               field(7900, 1460, "Total", 1, true)}},
             pageFooter()}};
}

// "In all: 2 members, 3 tapes, late fees so far $16.91".
QString overdueSummary(ReportStore &store)
{
    qint64 members = 0;
    for (const ReportGroup &g : store.groups())
        members += g.rowCount > 0 ? 1 : 0;
    const qint64 tapes = store.rowCount();
    Money fees;
    const int fee = store.command().column(QStringLiteral("Fee"));
    if (const auto rows = store.rows(0, tapes))
        for (const ReportRow &row : *rows)
            fees += Money::fromUnits(row.value(fee).toLongLong());
    const QString whom = members == 1 ? QCoreApplication::translate("ReportLayouts", "1 member")
                                      : QCoreApplication::translate("ReportLayouts", "%1 members").arg(members);
    const QString what = tapes == 1 ? QCoreApplication::translate("ReportLayouts", "1 tape")
                                    : QCoreApplication::translate("ReportLayouts", "%1 tapes").arg(tapes);
    return QCoreApplication::translate("ReportLayouts", "In all: %1, %2, late fees so far %3")
        .arg(whom, what, fees.toCurrency());
}

ReportLayout overdue()
{
    const QColor maroon(0x80, 0x00, 0x00);
    ReportItem heading0 = title(0, 8000, QT_TRANSLATE_NOOP("ReportLayouts", "Overdue on %1"), maroon);
    heading0.withParameters = true;
    ReportItem summary{ItemKind::Summary, 0, PageWidth, 200, {}, headingFont(), maroon, false};
    summary.summary = overdueSummary;
    return {QStringLiteral("rptOverdue"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Overdue Call List")),
            &ReportCommands::overdue(),
            {{BandKind::ReportHeader, 1500, {heading0, logo(0, 2160, 620)}},
             {BandKind::PageHeader, 2 * HeadLine,
              {heading(300, 700, QT_TRANSLATE_NOOP("ReportLayouts", "Tape")),
               heading(1100, 3800, QT_TRANSLATE_NOOP("ReportLayouts", "Title")),
               heading(5600, 1100, QT_TRANSLATE_NOOP("ReportLayouts", "Due")),
               heading(6800, 900, QT_TRANSLATE_NOOP("ReportLayouts", "Days late")),
               amountHeading(7900, 1460, QT_TRANSLATE_NOOP("ReportLayouts", "Fee so far")),
               rule(0, PageWidth, HeadLine + 40)}},
             {BandKind::GroupHeader, HeadLine + 120, {groupKey(0, PageWidth, headingFont(), maroon)}},
             {BandKind::Detail, Line,
              {field(300, 700, "Tape"), field(1100, 4300, "Title"), field(5600, 1100, "Due"),
               field(6800, 900, "DaysLate"), field(7900, 1460, "Fee", 1, true)}},
             pageFooter(),
             {BandKind::ReportFooter, HeadLine + 300, {rule(0, PageWidth, 100), summary}}},
            true};
}

ReportLayout gateLog()
{
    return {QStringLiteral("rptGateLog"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Gate Log")),
            &ReportCommands::gateLog(),
            {{BandKind::ReportHeader, 900,
              {title(0, 4500, QT_TRANSLATE_NOOP("ReportLayouts", "SECURITY GATE LOG"), QColor(0x80, 0x00, 0x00)),
               logo(PageWidth - 2304, 2304, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 450, QT_TRANSLATE_NOOP("ReportLayouts", "Try")),
               heading(550, 1950, QT_TRANSLATE_NOOP("ReportLayouts", "Time")),
               heading(2600, 2150, QT_TRANSLATE_NOOP("ReportLayouts", "Destination")),
               heading(5900, 1250, QT_TRANSLATE_NOOP("ReportLayouts", "Outcome")),
               heading(7700, 1100, QT_TRANSLATE_NOOP("ReportLayouts", "Counter"))}},
             {BandKind::Detail, Line,
              {field(0, 450, "TryNumber"), field(550, 1950, "TriedAt"), field(2600, 3200, "Destination"),
               field(5900, 1700, "Outcome"), field(7700, 1660, "Workstation")}},
             pageFooter()}};
}

ReportLayout prices()
{
    return {QStringLiteral("rptPrices"),
            QStringLiteral(QT_TRANSLATE_NOOP("ReportLayouts", "Prices and Taxes")),
            &ReportCommands::prices(),
            {{BandKind::ReportHeader, 900,
              {title(0, 5000, QT_TRANSLATE_NOOP("ReportLayouts", "PRICES AND TAXES"), QColor(0x00, 0x00, 0x80)),
               logo(PageWidth - 2016, 2016, 0)}},
             {BandKind::PageHeader, 2 * HeadLine + 80,
              {heading(0, 1750, QT_TRANSLATE_NOOP("ReportLayouts", "In force from")),
               heading(1800, 1100, QT_TRANSLATE_NOOP("ReportLayouts", "What")),
               heading(2950, 1850, QT_TRANSLATE_NOOP("ReportLayouts", "Name")),
               amountHeading(4850, 700, QT_TRANSLATE_NOOP("ReportLayouts", "Rental fee")),
               heading(5650, 450, QT_TRANSLATE_NOOP("ReportLayouts", "Days")),
               amountHeading(6150, 800, QT_TRANSLATE_NOOP("ReportLayouts", "Late fee a day")),
               amountHeading(7000, 650, QT_TRANSLATE_NOOP("ReportLayouts", "Rate")),
               heading(7750, 1610, QT_TRANSLATE_NOOP("ReportLayouts", "Changed"))}},
             {BandKind::Detail, 2 * Line,
              {field(0, 1750, "Since"), field(1800, 1100, "What"), field(2950, 1850, "Name"),
               field(4850, 700, "Fee", 1, true), field(5650, 450, "Days"), field(6150, 800, "LateFee", 1, true),
               atRight(field(7000, 650, "Rate")), field(7750, 1610, "Changed"), field(7750, 1610, "Counter", 2),
               field(1800, 3000, "Replaced", 2)}},
             pageFooter()}};
}

} // namespace

QString ReportLayout::shownCaption() const
{
    return QCoreApplication::translate("ReportLayouts", caption.toUtf8().constData());
}

QString ReportLayout::title() const
{
    // A caption run together ("ListOfMoviesByType") is parted at its capitals.
    const QString caption = shownCaption();
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
    return dated ? QStringLiteral("%1 %2").arg(shownCaption(), parameters.value(0).toString()) : shownCaption();
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
