#include "CommandLine.h"

#include "app/Application.h"
#include "app/DailyBackup.h"
#include "app/SignalExit.h"
#include "app/WindowRegistry.h"
#include "data/Backup.h"
#include "data/Schema.h"
#include "data/StoreFile.h"
#include "data/StoreLock.h"
#include "reports/ReportCommandLine.h"
#include "ui/QtWindowSystem.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QTextStream>

#include <memory>

namespace CommandLine {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

int finish(const Context &c, const Backup::Outcome &outcome)
{
    (outcome.ok ? c.out : c.err) << outcome.message << Qt::endl;
    return outcome.ok ? 0 : 1;
}

int backup(const Context &c)
{
    return finish(c, Backup::copy(c.storePath, c.value));
}

int check(const Context &c)
{
    const StoreFile::Inspection store = StoreFile::inspect(c.storePath, StoreFile::Depth::Everything);
    QString problem = store.problem;
    if (problem.isEmpty())
        problem = StoreFile::writeProblem(c.storePath);
    if (!problem.isEmpty()) {
        c.err << QStringLiteral("The store %1 has a problem: %2").arg(shown(c.storePath), problem) << Qt::endl;
        return 1;
    }
    c.out << QStringLiteral("The store %1 is sound: every table in place, integrity ok, version %2%3.")
                 .arg(shown(c.storePath))
                 .arg(store.version)
                 .arg(store.version < Schema::Version ? QStringLiteral(" (brought up to date at the next start)")
                                                      : QString())
          << Qt::endl;
    return 0;
}

int restore(const Context &c)
{
    return finish(c, Backup::restore(c.storePath, c.value, QDateTime::currentDateTime()));
}

// The program with its windows, on the store at `storePath`.
int startWindows(int argc, char *argv[], const QString &storePath)
{
    QApplication app(argc, argv);
    nameApplication(app);
    QtWindowSystem ws;
    const QString path = storePath.isEmpty() ? StoreFile::defaultPath() : storePath;
    StoreLock inUse; // made first so it is let go last, after every connection
    const auto windows = startVideoStore(path, ws);
    if (!windows)
        return 1;
    inUse.tryLock(path, StoreLock::Mode::Shared);
    SignalExit exitOnSignal([&] { windows->exitProgram(); });
    DailyBackup daily(path, QDate::currentDate(), ws);
    daily.start();
    return app.exec();
}

int report(const Context &c)
{
    const QCommandLineParser &p = c.parser;
    return runReportCommand({c.storePath, c.value, p.value(QStringLiteral("pdf")), p.value(QStringLiteral("csv")),
                             p.value(QStringLiteral("genre")), p.value(QStringLiteral("from")),
                             p.value(QStringLiteral("to")), p.value(QStringLiteral("date"))},
                            c.out, c.err);
}

} // namespace

const QList<Command> &commands()
{
    static const QList<Command> list = {
        {QStringLiteral("backup"), QStringLiteral("file"),
         QStringLiteral("Writes a consistent copy of the store to <file>, which must not exist yet. Safe while the "
                        "program is running."),
         backup},
        {QStringLiteral("check"), {},
         QStringLiteral("Checks the store: every page, its tables and its version; says what is wrong."), check},
        {QStringLiteral("restore"), QStringLiteral("file"),
         QStringLiteral("Checks <file> as --check does and puts it in place as the store, keeping the replaced "
                        "store beside it as video.db.replaced-<date>-<time>. Refused while the program is running."),
         restore},
        {QStringLiteral("report"), QStringLiteral("name"),
         QStringLiteral("Writes the report <name> (all-movies, movies-by-type, customer-list, customers-by-date, "
                        "rental-revenue, daily-sales, day-end or taxes) to the file of --pdf or --csv, without "
                        "windows and without the manager's code."),
         report,
         {QCommandLineOption(QStringLiteral("pdf"), QStringLiteral("--report: writes a PDF <file>."),
                             QStringLiteral("file")),
          QCommandLineOption(QStringLiteral("csv"), QStringLiteral("--report: writes a CSV <file> of the rows."),
                             QStringLiteral("file")),
          QCommandLineOption(QStringLiteral("genre"),
                             QStringLiteral("--report movies-by-type: the genre, 1 to 5 or its name."),
                             QStringLiteral("n")),
          QCommandLineOption(QStringLiteral("from"),
                             QStringLiteral("--report customers-by-date or taxes: the first day."),
                             QStringLiteral("yyyy-mm-dd")),
          QCommandLineOption(QStringLiteral("to"), QStringLiteral("--report customers-by-date or taxes: the last day."),
                             QStringLiteral("yyyy-mm-dd")),
          QCommandLineOption(QStringLiteral("date"), QStringLiteral("--report day-end: the day."),
                             QStringLiteral("yyyy-mm-dd"))},
         true},
    };
    return list;
}

int run(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The program's own names, so the default store is the one it opens.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("videostore"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Video Store: the counter and back office of a video rental store. With no command it "
                       "starts the program; each command prints one line and ends with 0 on success, 1 on "
                       "failure."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Lists these options."));
    const QCommandLineOption store(QStringLiteral("store"),
                                   QStringLiteral("Uses <file> as the store instead of %1 (with the commands "
                                                  "below too).")
                                       .arg(QDir::toNativeSeparators(StoreFile::defaultPath())),
                                   QStringLiteral("file"));
    parser.addOption(help);
    parser.addOption(store);
    QList<QCommandLineOption> options;
    for (const Command &c : commands()) {
        options.append(c.valueName.isEmpty() ? QCommandLineOption(c.name, c.description)
                                             : QCommandLineOption(c.name, c.description, c.valueName));
        parser.addOption(options.last());
        for (const QCommandLineOption &o : c.further)
            parser.addOption(o);
    }

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        err << "videostore: " << parser.errorText() << " (videostore --help lists the options)" << Qt::endl;
        return 1;
    }
    if (parser.isSet(help)) {
        // There is no application object yet to name the program.
        out << parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("videostore"));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "videostore: unexpected argument " << parser.positionalArguments().constFirst()
            << " (videostore --help lists the options)" << Qt::endl;
        return 1;
    }

    const Command *chosen = nullptr;
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (!parser.isSet(options.at(i)))
            continue;
        if (chosen) {
            err << "videostore: give one command at a time" << Qt::endl;
            return 1;
        }
        chosen = &commands().at(i);
    }

    if (!chosen) {
        const QString storePath = parser.isSet(store) ? parser.value(store) : QString();
        return startWindows(argc, argv, storePath.isEmpty() ? QString() : QFileInfo(storePath).absoluteFilePath());
    }
    // The commands need no display: no window system is loaded for them,
    // or an offscreen one for those that draw pages.
    std::unique_ptr<QCoreApplication> app;
    if (chosen->paints) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    nameApplication(*app);
    const QString storePath =
        parser.isSet(store) ? QFileInfo(parser.value(store)).absoluteFilePath() : StoreFile::defaultPath();
    const QString value = chosen->valueName.isEmpty() ? QString() : parser.value(chosen->name);
    return chosen->run(Context{storePath, value, out, err, parser});
}

} // namespace CommandLine
