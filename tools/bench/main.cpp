// Times the real windows on a full-size store, offscreen, with scripted
// boxes, next to the bare SQL each operation needs on the same file.
#include "Bench.h"

#include "app/Application.h"
#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "data/StoreFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nameApplication(app);

    // The child run by the start-up measurement: show the main menu, then end.
    if (argc == 3 && qstrcmp(argv[1], "--probe-startup") == 0) {
        ScriptedWindowSystem ws;
        const auto windows = startVideoStore(QString::fromLocal8Bit(argv[2]), ws);
        QCoreApplication::processEvents();
        return windows && windows->main().isVisible() ? 0 : 1;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the store's windows on a full-size store."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("store"), QStringLiteral("A full-size store file (not changed)."));
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per operation (default 20)."),
                                  QStringLiteral("n"), QStringLiteral("20"));
    parser.addOption(runsOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    // The checkouts write, so they work on a copy.
    const QString source = parser.positionalArguments().constFirst();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("video.db"));
    if (!QFileInfo::exists(source) || !QFile::copy(source, path)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        return 1;
    }
    // A store made by an older version is brought up to date first, as the program would.
    if (const StoreFile::Outcome ready = StoreFile::prepare(path); !ready.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(ready.message));
        return 1;
    }
    std::fprintf(stderr, "benchmarking a copy of %s\n", qPrintable(source));
    Bench bench(path, qMax(3, parser.value(runsOption).toInt()));
    seedLedgerYear(bench.floor());
    for (auto section : {benchCounter, benchReturns, benchStock, benchCustomers, benchLedger, benchReports})
        section(bench);
    bench.print();
    return 0;
}
