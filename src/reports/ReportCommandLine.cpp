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

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommandLine)
};

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

// What was written, with the wait the gate keeps to now when the log was.
QString written(const QString &title, qint64 rows, const QString &file, const QString &gateStore)
{
    const QString count = rows == 1 ? Text::tr("1 row") : Text::tr("%1 rows").arg(rows);
    if (gateStore.isEmpty())
        return Text::tr("%1: %2 written to %3").arg(title, count, file);
    GateStore gate(gateStore);
    const Fetched<GateStore::State> state = gate.state();
    if (state.failed)
        return Text::tr("%1: %2 written to %3").arg(title, count, file);
    const int wait = state.row->secondsToWait(QDateTime::currentDateTime());
    if (wait == 0)
        return Text::tr("%1: %2 written to %3; no wait is in force at the gate").arg(title, count, file);
    const QString waits = Text::tr("%1: %2 written to %3; after %4 wrong codes in a row the gate makes the next try "
                                   "wait %5")
                              .arg(title, count, file)
                              .arg(state.row->wrongInARow);
    return waits.arg(wait == 1 ? Text::tr("1 more second") : Text::tr("%1 more seconds").arg(wait));
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
        return refuse(Text::tr("\"%1\" is not a report. The reports are: %2.").arg(request.report, reportNames()));
    if (request.pdf.isEmpty() == request.csv.isEmpty())
        return refuse(Text::tr("Give the file to write as either --pdf FILE or --csv FILE."));
    if (letters && request.pdf.isEmpty())
        return refuse(Text::tr("The overdue letters are written as a PDF: give --pdf FILE."));

    QVariantList parameters;
    if (*id == ReportId::MoviesByType) {
        const std::optional<int> genre = genreOf(request.genre);
        if (!genre) {
            QStringList names;
            for (int i = 1; i <= Genres::Count; ++i)
                names << Genres::name(i);
            return refuse(Text::tr("Select A Movie By Type: give --genre as 1 to 5 or one of %1.")
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
            Text::tr("Customers by Date lists the customers who bought something between two days: give the first "
                     "day of their receipts as --from yyyy-mm-dd."),
            Text::tr("Customers by Date lists the customers who bought something between two days: give the last "
                     "day of their receipts as --to yyyy-mm-dd."),
            frmCustomersByDate::rangeMessage());
        if (!refusal.isEmpty())
            return refuse(refusal);
    }
    if (*id == ReportId::Taxes) {
        const QString whole =
            Text::tr("Give the first and the last day of the period as --from yyyy-mm-dd --to yyyy-mm-dd.");
        const QString refusal = period(
            whole, whole,
            Text::tr("The first day of the period is after the last. Give --from on or before --to."));
        if (!refusal.isEmpty())
            return refuse(refusal);
    }
    if (*id == ReportId::DayEnd || *id == ReportId::Overdue) {
        if (request.date.isEmpty())
            return refuse(Text::tr("Give the day as --date yyyy-mm-dd."));
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
        return refuse(Text::tr("The store %1 cannot be used: %2")
                          .arg(server ? StoreLocation::shown(request.store)
                                      : QDir::toNativeSeparators(QFileInfo(request.store).absoluteFilePath()),
                               problem));

    const QString file = request.pdf.isEmpty() ? request.csv : request.pdf;
    const auto existing = request.force ? OutputFile::Existing::Replace : OutputFile::Existing::Keep;
    QString refusal = OutputFile::refusal(file, {request.store, OutputFile::Existing::Replace});
    if (refusal.isEmpty() && !request.force && QFileInfo::exists(file))
        refusal = Text::tr("%1 already exists; the report was not written. Add --force to replace it.")
                      .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
    if (!refusal.isEmpty())
        return refuse(refusal);

    if (letters) {
        int pages = 0;
        QString error;
        if (!OverdueLetters::writePdf(request.store, parameters.value(0).toDate(), file, existing, &error, &pages))
            return refuse(error);
        out << (pages == 1 ? Text::tr("Overdue letters: 1 letter written to %1").arg(file)
                           : Text::tr("Overdue letters: %1 letters written to %2").arg(pages).arg(file))
            << Qt::endl;
        return 0;
    }
    const ReportLayout &layout = ReportLayouts::layout(*id);
    ReportStore store(request.store, *layout.command, parameters);
    // A spreadsheet's rows are read once, as they are written, and stay untranslated.
    const bool csv = request.pdf.isEmpty();
    if (csv)
        store.setLanguage(Language::English);
    if (!store.open(csv ? Database::Reading::OnePass : Database::Reading::Paged))
        return refuse(Text::tr("The store database could not %1.\n%2")
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
    out << written(layout.title(), rows, file, *id == ReportId::GateLog ? request.store : QString()) << Qt::endl;
    return 0;
}
