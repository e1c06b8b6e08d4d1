#include "ReportCsv.h"

#include "ReportStore.h"

#include <QIODevice>


namespace {

struct CsvColumn
{
    const char *heading;
    const char *column;
};

QList<CsvColumn> columnsOf(const ReportLayout &layout)
{
    if (layout.name == QLatin1String("rptListOfAllMovies"))
        return {{"Type", "CategoryName"}, {"Name", "Name"},       {"ID Number", "MovieNum"},
                {"Actor", "Actor"},       {"Actress", "Actress"}, {"Rating", "Rating"}};
    if (layout.name == QLatin1String("rptListOfMoviesByType"))
        return {{"Type", "CategoryName"}, {"Movie ID Number", "MovieNum"}, {"Name", "Name"}, {"Rated", "Rating"}};
    if (layout.name == QLatin1String("rptCustomerList"))
        return {{"Customer No.", "CustomerNumber"}, {"First Name", "FirstName"},  {"Last Name", "LastName"},
                {"Address", "Address"},             {"City", "City"},             {"Postal Code", "PostalCode"},
                {"Telephone", "HomePhone"},         {"Business Phone", "Busphone"}, {"Fees Owing", "FeesOwing"}};
    if (layout.name == QLatin1String("rptCustomersByDate"))
        return {{"Date", "DateOfSale"},          {"Customer Number", "CustomerNumber"},
                {"First Name", "FirstName"},     {"Last Name", "LastName"},
                {"Phone Number", "HomePhone"},   {"Business Phone", "Busphone"},
                {"Fees Owing", "FeesOwing"}};
    if (layout.name == QLatin1String("rptRentalRevenue"))
        return {{"Receipt Number", "RentalID"},         {"Date", "RentalDate"},          {"Movie Name", "Name"},
                {"Video ID", "VideoID"},                {"Customer's ID Number", "CustomerNumber"},
                {"Rental Price", "rentalfee"}};
    if (layout.name == QLatin1String("rptDayEnd"))
        return {{"Date", "Day"}, {"Section", "Section"}, {"What", "Line"}, {"Count", "Count"}, {"Amount", "Amount"}};
    if (layout.name == QLatin1String("rptTaxes"))
        return {{"Day", "Day"}, {"Checkouts", "Checkouts"}, {"SubTotal", "SubTotal"},
                {"GST", "GST"}, {"PST", "PST"},          {"TOTAL", "Total"}};
    if (layout.name == QLatin1String("rptPrices"))
        return {{"In force from", "InForceFrom"}, {"What", "What"},         {"Name", "Name"},
                {"Rental fee", "Fee"},            {"Days", "Days"},         {"Late fee a day", "LateFee"},
                {"Rate", "Rate"},                 {"Changed", "ChangedAt"}, {"Counter", "Counter"},
                {"Note", "Note"}};
    if (layout.name == QLatin1String("rptOverdue"))
        return {{"Member", "MemberNumber"}, {"Name", "Name"},        {"Home Phone", "HomePhone"},
                {"Cell Phone", "CellPhone"}, {"Tape", "Tape"},       {"Title", "Title"},
                {"Due", "Due"},              {"Days Late", "DaysLate"}, {"Fee So Far", "Fee"}};
    if (layout.name == QLatin1String("rptGateLog"))
        return {{"Try", "TryNumber"},     {"Time", "TriedAt"},           {"Destination", "Destination"},
                {"Outcome", "Outcome"},   {"Counter", "Workstation"}};
    return {{"Date", "DateOfSale"},        {"Invoice Number", "SaleID"},
            {"Customer Number", "CustomerID"}, {"Item Name", "ItemName"},
            {"Quantity Purchased", "QuantityPurchased"}, {"Price", "Price"},
            {"Sale", "Amount"}};
}

// An amount with two decimals and no currency sign: 4.59, -3.98, 1234.50.
QString decimal(qint64 units)
{
    const qint64 cents = divideHalfEven(units, Money::Scale / 100);
    const qint64 whole = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(whole / 100)
        .arg(whole % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

namespace ReportCsv {

QStringList headings(const ReportLayout &layout)
{
    QStringList out;
    for (const CsvColumn &c : columnsOf(layout))
        out << QString::fromUtf8(c.heading);
    return out;
}

QString quoted(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    QString s = field;
    s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

bool write(const ReportLayout &layout, ReportStore &store, const QString &path, QString *error, qint64 *rows,
           OutputFile::Existing existing)
{
    const ReportCommand &command = *layout.command;
    QList<int> columns;
    QList<ColumnType> types;
    for (const CsvColumn &c : columnsOf(layout)) {
        columns << command.column(QString::fromLatin1(c.column));
        types << command.columns[columns.last()].type;
    }
    OutputFile file(path, {store.path(), existing,
                           layout.ownerOnly ? OutputFile::Access::OwnerOnly : OutputFile::Access::Everyone});
    if (!file.open()) {
        if (error)
            *error = file.error();
        return false;
    }
    QIODevice &out = file.device();
    QStringList heading;
    for (const QString &h : headings(layout))
        heading << quoted(h);
    QByteArray buffer = heading.join(u',').toUtf8() + "\r\n";
    qint64 count = 0;
    bool written = true;
    QStringList line;
    const bool read = store.forEachRow([&](qint64, const ReportRow &row) {
        line.clear();
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant v = row.value(columns[i]);
            if (v.isNull() || !v.isValid())
                line << QString();
            else if (types[i] == ColumnType::Money)
                line << decimal(v.toLongLong());
            else
                line << quoted(v.toString());
        }
        buffer += line.join(u',').toUtf8();
        buffer += "\r\n";
        ++count;
        if (buffer.size() > (1 << 20)) {
            written = out.write(buffer) == buffer.size();
            buffer.clear();
        }
        return written;
    });
    if (read && written && !buffer.isEmpty())
        written = out.write(buffer) == buffer.size();
    // A failed write shows again at commit, with its cause.
    if (!read) {
        if (error)
            *error = ReportStore::failedFile(path, store.lastError());
        file.cancel();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.error();
        return false;
    }
    if (rows)
        *rows = count;
    return true;
}

} // namespace ReportCsv
