// Times the real windows on a full-size store, offscreen, with scripted
// boxes, next to the bare SQL each operation needs on the same file.
#include "Bench.h"

#include "app/Application.h"
#include "app/Session.h"
#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "data/Database.h"
#include "data/Language.h"
#include "data/StoreLocation.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QtMessageHandler passOn = nullptr;

// The offscreen window system cannot raise a window or pass size hints on,
// and says so each time a window is shown; the table is what matters.
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Session::provideRuntimeDir();
    passOn = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    nameApplication(app);

    // The child run by the start-up measurement: show the main menu, then
    // end; in the language given after the store, if any.
    if ((argc == 3 || argc == 4) && qstrcmp(argv[1], "--probe-startup") == 0) {
        if (argc == 4)
            Language::setProgram(Language::fromCode(QString::fromLatin1(argv[3])).value_or(Language::English));
        ScriptedWindowSystem ws;
        const auto windows = startVideoStore(QString::fromLocal8Bit(argv[2]), ws);
        QCoreApplication::processEvents();
        return windows && windows->main().isVisible() ? 0 : 1;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the store's windows on a full-size store."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("store"), QStringLiteral("A full-size store file (not changed)."),
                                 QStringLiteral("[store]"));
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per operation (default 20)."),
                                  QStringLiteral("n"), QStringLiteral("20"));
    QCommandLineOption storeOption(
        QStringLiteral("store"),
        QStringLiteral("The full-size store: a file (a copy of it is used) or a postgresql:// address of a "
                       "database made for the benchmark with videostore --copy-to (written to)."),
        QStringLiteral("store"));
    QCommandLineOption countersOption(QStringLiteral("counters"),
                                      QStringLiteral("Runs this many counters at once, checking out, instead of "
                                                     "timing the windows."),
                                      QStringLiteral("n"));
    QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                     QStringLiteral("How long the counters check out (default 30)."),
                                     QStringLiteral("s"), QStringLiteral("30"));
    QCommandLineOption noLockOption(QStringLiteral("no-writer-lock"),
                                    QStringLiteral("On a server, lets writers run side by side and retry on "
                                                   "conflicts instead of taking turns (for comparison)."));
    QCommandLineOption onlyOption(QStringLiteral("only"),
                                  QStringLiteral("Runs only these sections, comma-separated: counter, gate, returns, "
                                                 "stock, customers, ledger, reports, labels, copy, csv."),
                                  QStringLiteral("sections"));
    parser.addOptions({runsOption, storeOption, countersOption, secondsOption, noLockOption, onlyOption});
    parser.process(app);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() + (parser.isSet(storeOption) ? 1 : 0) != 1)
        parser.showHelp(2);
    if (parser.isSet(noLockOption))
        Database::setWriterLock(false);

    // The checkouts write, so a file is worked on in a copy; a server
    // database is written as it is.
    const QString source = parser.isSet(storeOption) ? parser.value(storeOption) : positional.constFirst();
    QTemporaryDir dir;
    QString path = source;
    if (StoreLocation::isServer(source)) {
        std::fprintf(stderr, "benchmarking %s (it is written to)\n", qPrintable(StoreLocation::shown(source)));
    } else {
        path = dir.filePath(QStringLiteral("video.db"));
        if (!QFileInfo::exists(source) || !QFile::copy(source, path)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
            return 1;
        }
        // For its owner alone, as the program keeps a store.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        std::fprintf(stderr, "benchmarking a copy of %s\n", qPrintable(source));
    }
    // A store made by an older version is brought up to date first, as the program would.
    const StoreFile::Outcome ready =
        StoreLocation::isServer(path) ? ServerStore::prepare(path) : StoreFile::prepare(path);
    if (!ready.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(ready.message));
        return 1;
    }
    if (parser.isSet(countersOption)) {
        const int counters = parser.value(countersOption).toInt();
        const int seconds = parser.value(secondsOption).toInt();
        if (counters < 1 || seconds < 1)
            parser.showHelp(2);
        return benchCounters(path, counters, seconds) ? 0 : 1;
    }
    const std::pair<const char *, void (*)(Bench &)> sections[] = {
        {"counter", benchCounter},     {"receipts", benchReceipts}, {"gate", benchGate},     {"returns", benchReturns},
        {"stock", benchStock},         {"customers", benchCustomers}, {"ledger", benchLedger},
        {"reports", benchReports},     {"circulation", benchCirculation}, {"labels", benchLabels},
        {"copy", benchCopy},           {"csv", benchCsvExport}};
    const QStringList only = parser.value(onlyOption).split(u',', Qt::SkipEmptyParts);
    for (const QString &name : only)
        if (std::none_of(std::begin(sections), std::end(sections),
                         [&](const auto &s) { return name == QLatin1String(s.first); }))
            parser.showHelp(2);
    Bench bench(path, qMax(3, parser.value(runsOption).toInt()));
    seedLedgerYear(bench.floor());
    for (const auto &[name, section] : sections)
        if (only.isEmpty() || only.contains(QLatin1String(name)))
            section(bench);
    bench.print();
    return 0;
}
