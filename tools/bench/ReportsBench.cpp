// The reports: the first page on screen, paging to the last page and the
// whole report as PDF for each of the six; CSV of the largest.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "reports/ReportCommandLine.h"
#include "reports/ReportPreview.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {


QVariantList parametersOf(ReportId id)
{
    if (id == ReportId::MoviesByType)
        return {4};
    if (id == ReportId::CustomersByDate)
        return {QStringLiteral("2026-01-01"), QStringLiteral("2026-12-31")};
    // The ledger's reports: a whole day of it, and the year it holds.
    if (id == ReportId::DayEnd)
        return {QDate::currentDate().addDays(-1).toString(Qt::ISODate)};
    if (id == ReportId::Overdue)
        return {QDate::currentDate().toString(Qt::ISODate)};
    if (id == ReportId::Taxes)
        return {QDate::currentDate().addDays(-366).toString(Qt::ISODate),
                QDate::currentDate().toString(Qt::ISODate)};
    return {};
}

// The bare SQL the report needs: counting its rows, or for those the
// program works out, reading what it works them out from.
QString floorSql(ReportId id, const ReportCommand &command)
{
    if (id == ReportId::DayEnd)
        return QStringLiteral("SELECT * FROM tblLedger WHERE EntryDate = ? ORDER BY Seq");
    if (id == ReportId::Overdue)
        return OverdueFloorSql;
    if (id == ReportId::Taxes)
        return QStringLiteral("SELECT EntryDate, COUNT(*), SUM(SubTotal), SUM(GST), SUM(PST), SUM(Total) FROM "
                              "tblLedger WHERE Kind = 'checkout' AND EntryDate >= ? AND EntryDate <= ? "
                              "GROUP BY EntryDate ORDER BY EntryDate");
    return QStringLiteral("SELECT COUNT(*) %1").arg(command.from);
}

} // namespace

void benchReports(Bench &bench)
{
    WindowRegistry windows(bench.path(), bench.ws());
    QTemporaryDir dir;
    const int runs = std::min(bench.runs(), 5);
    double peak = 0;
    for (int i = 0; i < ReportCount; ++i) {
        const ReportId id = ReportId(i);
        const QString name = ReportLayouts::layout(id).title();
        ReportPreview &preview = windows.reportPreview(id);
        auto paint = [&] {
            preview.picPage->repaint();
            QCoreApplication::processEvents();
        };
        const double first = measure(
            runs, {},
            [&] {
                windows.openReport(id, parametersOf(id));
                paint();
            },
            [&] { preview.close(); });
        const ReportCommand &command = *ReportLayouts::layout(id).command;
        QString countSql = floorSql(id, command);
        QVariantList floorValues = parametersOf(id);
        if (id == ReportId::Overdue) // rented by the day and due before it
            floorValues << floorValues.value(0);
        const double floor = measure(runs, {}, [&] { bench.floor().run(countSql, floorValues); });
        bench.add(QStringLiteral("report %1: first page on screen").arg(name), first, floor, 1000);

        windows.openReport(id, parametersOf(id));
        paint();
        const double last = measure(
            runs, [&] { windows.openReport(id, parametersOf(id)); },
            [&] {
                preview.cmdLast->click();
                paint();
            });
        peak = std::max(peak, statusMb(QStringLiteral("/proc/self/status"), "VmRSS:"));
        bench.add(QStringLiteral("report %1: to the last page (%2 pages)").arg(name).arg(
                      preview.document()->pageCount()),
                  last, std::nullopt, 2000);

        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        const double whole = measure(1, {}, [&] { preview.document()->writePdf(pdf); });
        peak = std::max(peak, statusMb(QStringLiteral("/proc/self/status"), "VmRSS:"));
        bench.add(QStringLiteral("report %1: whole report as PDF").arg(name), whole, std::nullopt, 60000);
        preview.close();
    }
    bench.add(QStringLiteral("reports: memory while previewing and writing, MB"), peak, std::nullopt, 500);

    QString out, err;
    QTextStream o(&out), e(&err);
    ReportRequest revenue{bench.path(), QStringLiteral("rental-revenue"), {}, dir.filePath(QStringLiteral("r.csv"))};
    revenue.force = true;
    const double csv = measure(1, {}, [&] {
        if (runReportCommand(revenue, o, e) != 0)
            qFatal("%s", qPrintable(err));
    });
    bench.add(QStringLiteral("report Rental Revenue: --csv from the command line"), csv, std::nullopt, 10000);

    // Run after run over the same file, as a nightly script would.
    ReportRequest dayEnd{bench.path(), QStringLiteral("day-end"), {}, dir.filePath(QStringLiteral("d.csv"))};
    dayEnd.force = true;
    dayEnd.date = parametersOf(ReportId::DayEnd).value(0).toString();
    ReportRequest taxes{bench.path(), QStringLiteral("taxes"), {}, dir.filePath(QStringLiteral("t.csv"))};
    taxes.force = true;
    taxes.from = parametersOf(ReportId::Taxes).value(0).toString();
    taxes.to = parametersOf(ReportId::Taxes).value(1).toString();
    for (const ReportRequest &r : {dayEnd, taxes}) {
        const ReportId id = r.report == QLatin1String("taxes") ? ReportId::Taxes : ReportId::DayEnd;
        const double t = measure(runs, {}, [&] {
            if (runReportCommand(r, o, e) != 0)
                qFatal("%s", qPrintable(err));
        });
        const double floor = measure(runs, {}, [&] {
            bench.floor().run(floorSql(id, *ReportLayouts::layout(id).command), parametersOf(id));
        });
        bench.add(QStringLiteral("report %1: --csv from the command line").arg(ReportLayouts::layout(id).caption),
                  t, floor, 1000);
    }
}
