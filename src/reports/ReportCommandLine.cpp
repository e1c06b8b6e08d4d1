#include "ReportCommandLine.h"

#include "ReportCsv.h"
#include "ReportDocument.h"
#include "ReportLayout.h"
#include "ReportStore.h"
#include "circulation/OverdueReports.h"
#include "data/GateStore.h"
#include "data/Genres.h"
#include "data/OutputFile.h"
#include "data/StoreDate.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"
#include "data/StoreLocation.h"
#include "reports/frmCustomersByDate.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace {

// Not a report but written as one: a letter a page.
const QString OverdueLettersName = QStringLiteral("overdue-letters");

std::optional<ReportId> reportNamed(const QString &name)
{
    for (int i = 0; i < CommandLineReportCount; ++i)
        if (ReportLayouts::scriptName(ReportId(i)) == name)
            return ReportId(i);
    return std::nullopt;
}

std::optional<int> genreOf(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (ok)
        return n >= 1 && n <= Genres::Count ? std::optional<int>(n) : std::nullopt;
    for (int i = 1; i <= Genres::Count; ++i)
        if (Genres::name(i).compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

// The wait the gate keeps to now, as the log gives it.
QString gateWait(const QString &store)
{
    GateStore gate(store);
    const Fetched<GateStore::State> state = gate.state();
    if (state.failed)
        return {};
    const int wait = state.row->secondsToWait(QDateTime::currentDateTime());
    if (wait == 0)
        return QStringLiteral("; no wait is in force at the gate");
    return QStringLiteral("; after %1 wrong codes in a row the gate makes the next try wait %2 more %3")
        .arg(state.row->wrongInARow)
        .arg(wait)
        .arg(wait == 1 ? QStringLiteral("second") : QStringLiteral("seconds"));
}

QString reportNames()
{
    QStringList names;
    for (int i = 0; i < CommandLineReportCount; ++i)
        names << ReportLayouts::scriptName(ReportId(i));
    names << OverdueLettersName;
    return names.join(QStringLiteral(", "));
}

} // namespace

int runReportCommand(const ReportRequest &request, QTextStream &out, QTextStream &err)
{
    auto refuse = [&err](const QString &why) {
        err << why << Qt::endl;
        return 1;
    };
    const bool letters = request.report == OverdueLettersName;
    const std::optional<ReportId> id = letters ? ReportId::Overdue : reportNamed(request.report);
    if (!id)
        return refuse(QStringLiteral("\"%1\" is not a report. The reports are: %2.").arg(request.report,
                                                                                           reportNames()));
    if (request.pdf.isEmpty() == request.csv.isEmpty())
        return refuse(QStringLiteral("Give the file to write as either --pdf FILE or --csv FILE."));
    if (letters && request.pdf.isEmpty())
        return refuse(QStringLiteral("The overdue letters are written as a PDF: give --pdf FILE."));

    QVariantList parameters;
    if (*id == ReportId::MoviesByType) {
        const std::optional<int> genre = genreOf(request.genre);
        if (!genre) {
            QStringList names;
            for (int i = 1; i <= Genres::Count; ++i)
                names << Genres::name(i);
            return refuse(QStringLiteral("Select A Movie By Type: give --genre as 1 to 5 or one of %1.")
                              .arg(names.join(QStringLiteral(", "))));
        }
        parameters << *genre;
    }
    // The two days of a period, checked as the dialogs check them; the
    // refusal, or empty when both are days in order.
    auto period = [&](const QString &missingFrom, const QString &missingTo, const QString &outOfOrder) -> QString {
        if (request.from.isEmpty())
            return missingFrom;
        if (request.to.isEmpty())
            return missingTo;
        const auto from = StoreDate::parse(request.from);
        if (!from)
            return StoreDate::invalidMessage(request.from);
        const auto to = StoreDate::parse(request.to);
        if (!to)
            return StoreDate::invalidMessage(request.to);
        if (*from > *to)
            return outOfOrder;
        parameters << StoreDate::toText(*from) << StoreDate::toText(*to);
        return {};
    };
    if (*id == ReportId::CustomersByDate) {
        // The report lists the customers whose receipts fall between the days.
        const QString refusal = period(
            QStringLiteral("Customers by Date lists the customers who bought something between two days: give the "
                           "first day of their receipts as --from yyyy-mm-dd."),
            QStringLiteral("Customers by Date lists the customers who bought something between two days: give the "
                           "last day of their receipts as --to yyyy-mm-dd."),
            frmCustomersByDate::rangeMessage());
        if (!refusal.isEmpty())
            return refuse(refusal);
    }
    if (*id == ReportId::Taxes) {
        const QString whole =
            QStringLiteral("Give the first and the last day of the period as --from yyyy-mm-dd --to yyyy-mm-dd.");
        const QString refusal = period(
            whole, whole,
            QStringLiteral("The first day of the period is after the last. Give --from on or before --to."));
        if (!refusal.isEmpty())
            return refuse(refusal);
    }
    if (*id == ReportId::DayEnd || *id == ReportId::Overdue) {
        if (request.date.isEmpty())
            return refuse(QStringLiteral("Give the day as --date yyyy-mm-dd."));
        const auto day = StoreDate::parse(request.date);
        if (!day)
            return refuse(StoreDate::invalidMessage(request.date));
        parameters << StoreDate::toText(*day);
    }
    // The checks of a start-up, before the engine opens anything: a file
    // that is not a store is refused as it is, not made into one.
    const bool server = StoreLocation::isServer(request.store);
    const QString problem =
        server ? ServerStore::inspect(request.store).problem : StoreFile::inspect(request.store).problem;
    if (!problem.isEmpty())
        return refuse(QStringLiteral("The store %1 cannot be used: %2")
                          .arg(server ? StoreLocation::shown(request.store)
                                      : QDir::toNativeSeparators(QFileInfo(request.store).absoluteFilePath()),
                               problem));

    const QString file = request.pdf.isEmpty() ? request.csv : request.pdf;
    const auto existing = request.force ? OutputFile::Existing::Replace : OutputFile::Existing::Keep;
    QString refusal = OutputFile::refusal(file, {request.store, OutputFile::Existing::Replace});
    if (refusal.isEmpty() && !request.force && QFileInfo::exists(file))
        refusal = QStringLiteral("%1 already exists; the report was not written. Add --force to replace it.")
                      .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
    if (!refusal.isEmpty())
        return refuse(refusal);

    if (letters) {
        int pages = 0;
        QString error;
        if (!OverdueLetters::writePdf(request.store, parameters.value(0).toDate(), file, existing, &error, &pages))
            return refuse(error);
        out << QStringLiteral("Overdue letters: %1 %2 written to %3")
                   .arg(pages)
                   .arg(pages == 1 ? QStringLiteral("letter") : QStringLiteral("letters"), file)
            << Qt::endl;
        return 0;
    }
    const ReportLayout &layout = ReportLayouts::layout(*id);
    ReportStore store(request.store, *layout.command, parameters);
    // A spreadsheet's rows are read once, as they are written.
    const bool csv = request.pdf.isEmpty();
    if (!store.open(csv ? Database::Reading::OnePass : Database::Reading::Paged))
        return refuse(QStringLiteral("The store database could not %1.\n%2")
                          .arg(store.lastError().action, store.lastError().detail));
    QString error;
    qint64 rows = 0;
    if (csv) {
        if (!ReportCsv::write(layout, store, file, &error, &rows, existing))
            return refuse(error);
    } else {
        ReportDocument document(layout, store);
        if (document.writePdf(file, {}, &error, existing) != ReportDocument::Outcome::Done)
            return refuse(error);
        rows = store.rowCount();
    }
    out << QStringLiteral("%1: %2 %3 written to %4")
               .arg(layout.title())
               .arg(rows)
               .arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"), file)
        << (*id == ReportId::GateLog ? gateWait(request.store) : QString()) << Qt::endl;
    return 0;
}
