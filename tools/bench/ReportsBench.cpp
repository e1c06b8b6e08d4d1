// The reports: the first page on screen, paging to the last page and the
// whole report as PDF for each of the six; CSV of the largest.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "reports/ReportCommandLine.h"
#include "reports/ReportPreview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {

// Resident memory of this process now, in megabytes.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

QVariantList parametersOf(ReportId id)
{
    if (id == ReportId::MoviesByType)
        return {4};
    if (id == ReportId::CustomersByDate)
        return {QStringLiteral("2026-01-01"), QStringLiteral("2026-12-31")};
    return {};
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
        QString countSql = QStringLiteral("SELECT COUNT(*) %1").arg(command.from);
        QVariantList floorValues = parametersOf(id);
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
        peak = std::max(peak, residentMb());
        bench.add(QStringLiteral("report %1: to the last page (%2 pages)").arg(name).arg(
                      preview.document()->pageCount()),
                  last, std::nullopt, 2000);

        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        const double whole = measure(1, {}, [&] { preview.document()->writePdf(pdf); });
        peak = std::max(peak, residentMb());
        bench.add(QStringLiteral("report %1: whole report as PDF").arg(name), whole, std::nullopt, 60000);
        preview.close();
    }
    bench.add(QStringLiteral("reports: memory while previewing and writing, MB"), peak, std::nullopt, 500);

    QString out, err;
    QTextStream o(&out), e(&err);
    const double csv = measure(1, {}, [&] {
        runReportCommand({bench.path(), QStringLiteral("rental-revenue"), {}, dir.filePath(QStringLiteral("r.csv")),
                          {}, {}, {}},
                         o, e);
    });
    bench.add(QStringLiteral("report Rental Revenue: --csv from the command line"), csv, std::nullopt, 10000);
}
