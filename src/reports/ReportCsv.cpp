#include "ReportCsv.h"

#include "ReportStore.h"
#include "data/Language.h"

#include <QIODevice>
#include <QSqlQuery>

#include <algorithm>
#include <cstring>
#include <optional>


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

// Lines put together in a buffer of bytes and handed to the file as it
// fills: numbers and amounts go in digit by digit, plain text byte by byte,
// so a long report makes no string per field and holds nothing per row.
class CsvBuffer
{
public:
    explicit CsvBuffer(QIODevice &out)
        : m_out(out)
        , m_bytes(FlushAt + 4096, Qt::Uninitialized)
    {
    }

    void comma() { *room(1) = ','; ++m_used; }

    // False once the file refused a write.
    bool endLine()
    {
        char *to = room(2);
        to[0] = '\r';
        to[1] = '\n';
        m_used += 2;
        return m_used < FlushAt || flush();
    }

    bool flush()
    {
        m_written = m_written && m_out.write(m_bytes.constData(), m_used) == m_used;
        m_used = 0;
        return m_written;
    }

    // A field quoted when it holds a comma, a quote or a line break.
    void text(const QString &field)
    {
        const qsizetype n = field.size();
        const QChar *from = field.constData();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = from[i].unicode();
            if (c >= 0x80 || c == u',' || c == u'"' || c == u'\n' || c == u'\r') {
                const QByteArray bytes = ReportCsv::quoted(field).toUtf8();
                std::memcpy(room(bytes.size()), bytes.constData(), bytes.size());
                m_used += bytes.size();
                return;
            }
        }
        char *to = room(n);
        for (qsizetype i = 0; i < n; ++i)
            to[i] = char(from[i].unicode());
        m_used += n;
    }

    void number(qint64 n)
    {
        char digits[24];
        char *end = digits + sizeof digits, *p = end;
        quint64 magnitude = n < 0 ? 0 - quint64(n) : quint64(n);
        do {
            *--p = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude);
        if (n < 0)
            *--p = '-';
        std::memcpy(room(end - p), p, end - p);
        m_used += end - p;
    }

    // An amount with two decimals and no currency sign: 4.59, -3.98, 1234.50.
    void amount(qint64 units)
    {
        const qint64 cents = divideHalfEven(units, Money::Scale / 100);
        const qint64 whole = cents < 0 ? -cents : cents;
        if (cents < 0)
            *room(1) = '-', ++m_used;
        number(whole / 100);
        char *to = room(3);
        to[0] = '.';
        to[1] = char('0' + whole % 100 / 10);
        to[2] = char('0' + whole % 10);
        m_used += 3;
    }

    // A value as its column shows it; `asFetched` when it comes straight from
    // the engine, read as the report's own rows read it.
    void value(const QVariant &v, ColumnType type, bool asFetched)
    {
        if (v.isNull() || !v.isValid())
            return;
        const int id = v.typeId();
        // The engine's integers as they are, without a conversion's detour.
        std::optional<qint64> integer;
        if (id == QMetaType::LongLong)
            integer = *static_cast<const qlonglong *>(v.constData());
        else if (id == QMetaType::ULongLong)
            integer = qint64(*static_cast<const qulonglong *>(v.constData()));
        else if (id == QMetaType::Int)
            integer = *static_cast<const int *>(v.constData());
        if (type == ColumnType::Money)
            amount(integer ? *integer : v.toLongLong());
        else if (type == ColumnType::Number && (integer || asFetched))
            number(integer ? *integer : v.toLongLong());
        else if (id == QMetaType::QString)
            text(*static_cast<const QString *>(v.constData()));
        else
            text(v.toString());
    }

private:
    static constexpr qsizetype FlushAt = 1 << 16;

    char *room(qsizetype n)
    {
        if (m_used + n > m_bytes.size())
            m_bytes.resize(std::max(m_bytes.size() * 2, m_used + n));
        return m_bytes.data() + m_used;
    }

    QIODevice &m_out;
    QByteArray m_bytes;
    qsizetype m_used = 0;
    bool m_written = true;
};

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
    // Rows a report works out in words (a Day End's lines) are worked out
    // again untranslated for the file.
    std::optional<ReportStore> english;
    if (command.compute && Language::current() != Language::English) {
        const Language::Scope untranslated(Language::English);
        english.emplace(store.path(), command, store.parameters());
        if (!english->open(Database::Reading::OnePass)) {
            if (error)
                *error = ReportStore::failedFile(path, english->lastError());
            return false;
        }
    }
    ReportStore &source = english ? *english : store;
    OutputFile file(path, {store.path(), existing,
                           layout.ownerOnly ? OutputFile::Access::OwnerOnly : OutputFile::Access::Everyone});
    if (!file.open()) {
        if (error)
            *error = file.error();
        return false;
    }
    CsvBuffer out(file.device());
    const QStringList names = headings(layout);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            out.comma();
        out.text(names[i]);
    }
    bool written = out.endLine();
    qint64 count = 0;
    // Straight from the rows as fetched when every column is one of them.
    QList<int> fetched;
    for (int c : std::as_const(columns))
        fetched << command.fetched.value(c, -1);
    // A refused write stops the reading; it shows again at commit.
    bool read = true;
    // What a row says in words or amounts (a Day End line, a gate-log
    // destination) goes to the file untranslated, whatever the language.
    std::optional<Language::Scope> untranslated(std::in_place, Language::English);
    if (written && !command.compute && !fetched.contains(-1)) {
        // Only the columns the file shows, in its order.
        read = source.forEachFetched([&](const QSqlQuery &q) {
            for (int i = 0; i < int(fetched.size()); ++i) {
                if (i > 0)
                    out.comma();
                out.value(q.value(i), types[i], true);
            }
            ++count;
            return written = out.endLine();
        }, fetched);
    } else if (written) {
        read = source.forEachRow([&](qint64, const ReportRow &row) {
            for (qsizetype i = 0; i < columns.size(); ++i) {
                if (i > 0)
                    out.comma();
                out.value(row.value(columns[i]), types[i], false);
            }
            ++count;
            return written = out.endLine();
        });
    }
    untranslated.reset();
    if (read && written)
        written = out.flush();
    // A failed write shows again at commit, with its cause.
    if (!read) {
        if (error)
            *error = ReportStore::failedFile(path, source.lastError());
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
