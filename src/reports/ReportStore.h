#pragma once

#include "data/Database.h"
#include "data/Money.h"
#include "data/Pricing.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

// How a report column's value is kept and shown.
enum class ColumnType { Text, Number, Money, Date };

struct ReportColumn
{
    QString name;
    ColumnType type = ColumnType::Text;
};

// One detail row: a value per column of the command, money as ten-thousandths.
using ReportRow = QVariantList;

// A day, a genre: the rows sharing one value of the grouping column, with
// their sums. An ungrouped report has one group holding every row.
struct ReportGroup
{
    QVariant key;
    qint64 firstRow = 0;
    qint64 rowCount = 0;
    QList<Money> sums;
    bool summed = false; // whether `sums` has been read
};

// One of the report commands: which rows, in which order, with which
// computed columns and sums. Everything here is data the store runs.
struct ReportCommand
{
    QString name;
    QList<ReportColumn> columns;        // the row as the report sees it
    QStringList select;                 // the raw columns fetched, in order
    QString from;                       // FROM ... WHERE ..., with ? for parameters
    QString orderBy;                    // a complete order, so pages never shift
    QString groupBy;                    // grouping column expression; empty when ungrouped
    QString seek;                       // leading ORDER BY column that can be sought with >=
    QString seekFrom;                   // the seek column's own table, when the join keeps its rows
    QStringList aggregates;             // integer SUMs the sums are made from
    QStringList sumNames;               // names of the sums, as layouts refer to them
    std::function<ReportRow(const QSqlQuery &)> makeRow;
    std::function<QList<Money>(const QVariantList &aggregates)> makeSums;
    // Rows the program works out rather than selects (a day's figures, a
    // handful of rows): run once as the report opens, in its snapshot. Its
    // groups are the runs of equal values of the column named in groupBy.
    std::function<std::optional<QList<ReportRow>>(Database &db, const QVariantList &parameters)> compute = {};
    // For each column, the fetched column it is unchanged from, or -1 when
    // makeRow works it out: a whole report is written from the rows as read.
    QList<int> fetched = {};

    int column(const QString &name) const;
    int sumIndex(const QString &name) const;
};

// The six commands, and the gate log's and the prices'.
namespace ReportCommands {
const ReportCommand &movieType();
const ReportCommand &moviesByType();
const ReportCommand &customerList();
const ReportCommand &customersByDate();
const ReportCommand &rentalRevenue();
const ReportCommand &salesReport();
// From the money ledger: one day's takings and drawers (the day as
// yyyy-MM-dd), and the taxes of each day of a period (first and last day).
const ReportCommand &dayEnd();
const ReportCommand &taxes();
const ReportCommand &gateLog();
// Every change of the prices and taxes, with the starting ones.
const ReportCommand &prices();
} // namespace ReportCommands

// One run of a report command over the store, kept open while its report is
// shown. It reads in one snapshot, so the pages counted at the start stay
// the pages printed even while the counter goes on renting; rows are read a
// page at a time, never all at once.
class ReportStore final
{
public:
    ReportStore(const QString &path, const ReportCommand &command, QVariantList parameters = {});
    ~ReportStore();
    Q_DISABLE_COPY_MOVE(ReportStore)

    // Counts the rows and works out the groups and sums; false on a
    // database failure (see lastError()). Opened for one pass, the report
    // is only read through once with forEachRow() or forEachFetched(): it
    // counts nothing beforehand, and rowCount() is the rows read.
    bool open(Database::Reading reading = Database::Reading::Paged);

    const ReportCommand &command() const { return m_command; }
    const QVariantList &parameters() const { return m_parameters; }
    const QList<ReportGroup> &groups() const { return m_groups; }
    qint64 rowCount() const { return m_rowCount; }
    // The sums of the whole report; empty when they do not fit, or could not
    // be read (see loadSums()).
    const QList<Money> &totals();
    // The two taxes as the store last set them: their names head the
    // report's tax figures.
    const std::array<Tax, Pricing::Taxes> &taxes() const { return m_taxes; }
    // Whether tax 1 or 2 is shown: a second tax at 0 % is left off, unless
    // the report holds some of it (charged before it was set to 0 %).
    bool showsTax(int number);
    // Reads every sum the report leaves until a page shows it; false on a
    // database failure.
    bool loadSums();
    // The sums of group `g`; empty when they do not fit or could not be read.
    const QList<Money> &groupSums(int g);
    // Reads the sums of groups `first` to `last`, and of a few after them,
    // when they have not been read; false on a database failure.
    bool loadGroupSums(int first, int last);
    const DbError &lastError() const { return m_db.lastError(); }
    const QString &path() const { return m_db.path(); }
    // Why the report file `file` could not be written when reading the store failed.
    static QString failedFile(const QString &file, const DbError &error);

    // Rows first .. first + count - 1 in report order.
    std::optional<QList<ReportRow>> rows(qint64 first, qint64 count);
    // Every row in order, handed to `each` until it returns false; false
    // on a database failure.
    bool forEachRow(const std::function<bool(qint64 index, const ReportRow &)> &each);
    // The same rows as fetched, before makeRow (see ReportCommand::fetched),
    // with only the fetched columns `only` in that order when it is given;
    // not for a report the program works out.
    bool forEachFetched(const std::function<bool(const QSqlQuery &)> &each, const QList<int> &only = {});
    // While streaming, rows asked for in order come from one running query
    // instead of one query per page: for writing a whole report.
    bool startStream(const QList<int> &only = {});
    void stopStream();

private:
    QString rowSelect(const QList<int> &only = {}) const;
    bool openComputed();
    // The groups and their row counts, with their sums or without.
    bool readGroups(bool withSums);
    bool buildSeekIndex();
    // Where the report's rows are counted and summed: its join, or its
    // leading table when that gives the same.
    std::optional<QString> countingFrom(const QString &action);

    Database m_db;
    const ReportCommand &m_command;
    QVariantList m_parameters;
    QList<ReportGroup> m_groups;
    QList<Money> m_totals;
    qint64 m_rowCount = 0;
    bool m_snapshot = false;
    // Where each value of the seek column starts, for reaching far pages
    // without stepping over every row before them.
    QVariantList m_seekKeys;
    QList<qint64> m_seekStarts;
    bool m_seekBuilt = false;
    std::optional<QString> m_countingFrom;
    std::optional<QSqlQuery> m_stream;
    qint64 m_streamNext = 0;
    QList<ReportRow> m_computed;
    std::array<Tax, Pricing::Taxes> m_taxes;
    bool m_secondTaxHeld = false;
    bool m_sumsPending = false;
    bool m_onePass = false;
};
