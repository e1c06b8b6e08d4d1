#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>

struct ReportCommand;
class ReportStore;

// The bands of a report page, in the order they are laid out.
enum class BandKind { ReportHeader, PageHeader, GroupHeader, Detail, GroupFooter, PageFooter, ReportFooter };

enum class ItemKind {
    Label,      // fixed text; wraps inside its width
    Field,      // a column of the detail row
    GroupKey,   // the grouping column of the group
    Sum,        // a sum over the group (group footer) or the whole report
    Logo,       // the store logo, a third as high as it is wide
    Line,       // a horizontal rule
    PageNumber, // "Page 3 of 20"
    Summary,    // a line the layout words from the whole report (its counts, its totals)
};

struct ReportFont
{
    QString family;
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

// One box of a band; positions in twips from the band's top left corner.
struct ReportItem
{
    ItemKind kind = ItemKind::Label;
    int left = 0;
    int width = 0;
    int top = 0;
    QString text; // label text, column or sum name
    ReportFont font;
    QColor color = Qt::black;
    bool currency = false;
    // 1 or 2 for a figure or label of that tax: its label takes the tax's
    // name, and a second tax left off takes its line with it.
    int tax = 0;
    // A label whose %1, %2 ... are the report's parameters (its day).
    bool withParameters = false;
    // Stands at the right edge of its box: a heading over amounts, a rate.
    bool alignRight = false;
    // A Summary's text.
    std::function<QString(ReportStore &)> summary = {};
};

struct ReportBand
{
    BandKind kind = BandKind::Detail;
    int height = 0;
    QList<ReportItem> items;
};

// A report's design: its caption and bands, bound to one command.
struct ReportLayout
{
    QString name;    // rptRentalRevenue
    QString caption; // the preview window's caption, in English
    const ReportCommand *command = nullptr;
    QList<ReportBand> bands;
    // Its files are readable by their owner only: it names members (their
    // numbers, names, phones or addresses), alone or with what they rented
    // or bought.
    bool ownerOnly = false;
    // Its first parameter is the day it is of, which its caption and title
    // end with.
    bool dated = false;

    // The report's name in words ("List Of Movies By Type"), for what it
    // says about itself outside its preview window: messages, file names,
    // the title of its PDF.
    QString title() const;
    // The caption and title of one run of it.
    QString captionFor(const QVariantList &parameters) const;
    QString title(const QVariantList &parameters) const;
    const ReportBand *band(BandKind kind) const;
    int height(BandKind kind) const;
    // The caption in the language in use.
    QString shownCaption() const;
};

// The six reports, the two from the money ledger and the overdue call list,
// by the names scripts and menus use, then the gate log and the prices'
// history, which only the command line writes.
enum class ReportId {
    AllMovies,
    MoviesByType,
    CustomerList,
    CustomersByDate,
    RentalRevenue,
    SalesReport,
    DayEnd,
    Taxes,
    Overdue,
    GateLog,
    Prices
};
inline constexpr int ReportCount = 9;
inline constexpr int CommandLineReportCount = 11;

namespace ReportLayouts {
const ReportLayout &layout(ReportId id);
// "rental-revenue" and so on; the command line's names.
QString scriptName(ReportId id);
} // namespace ReportLayouts
