#include "CommandLine.h"

#include "app/Application.h"
#include "app/DailyBackup.h"
#include "app/Session.h"
#include "app/SetManagerCode.h"
#include "app/SignalExit.h"
#include "app/WindowRegistry.h"
#include "data/Backup.h"
#include "data/Seal.h"
#include "data/Schema.h"
#include "data/ServerSetup.h"
#include "data/ServerStore.h"
#include "data/StoreCopy.h"
#include "data/StoreDate.h"
#include "data/StoreFile.h"
#include "data/StoreIntegrity.h"
#include "data/StoreLocation.h"
#include "data/Language.h"
#include "data/StoreLock.h"
#include "labels/LabelCommandLine.h"
#include "reports/ReportCommandLine.h"
#include "ui/QtWindowSystem.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QTextStream>

#include <memory>

#include <unistd.h>

namespace CommandLine {

namespace {

// The context of the command line's texts in translations/app_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

int finish(const Context &c, const Backup::Outcome &outcome)
{
    (outcome.ok ? c.out : c.err) << outcome.message << Qt::endl;
    return outcome.ok ? 0 : 1;
}

// A command that reads the store holds it shared, as the program does, so
// no restore replaces it meanwhile; one under way is waited for.
bool holdStore(const Context &c, StoreLock &lock)
{
    if (StoreLocation::isServer(c.storePath))
        return true;
    if (lock.acquire(c.storePath, StoreLock::Mode::Shared, StoreLock::RestoreWaitMs) != StoreLock::Outcome::Busy)
        return true;
    c.err << Text::tr("The store %1 is being restored from a backup; try again when that is done.")
                 .arg(shown(c.storePath))
          << Qt::endl;
    return false;
}

int backup(const Context &c)
{
    if (StoreLocation::isServer(c.storePath)) {
        c.err << Text::tr("No copy was written: backups of a store on a database server are pg_dump's job. Run, "
                          "on any PC that reaches the server:\n  %1")
                     .arg(ServerStore::backupCommand(c.storePath))
              << Qt::endl;
        return 1;
    }
    StoreLock lock;
    if (!holdStore(c, lock))
        return 1;
    return finish(c, Backup::copy(c.storePath, c.value));
}

// Past the tables and pages: the guards, both chains and the manager code,
// on a store of the current version. Prints the outcome; the exit code.
int finishCheck(const Context &c, const QString &shownStore, const StoreFile::Inspection &store,
                const QString &sound)
{
    QString records;
    if (store.version == Schema::Version) {
        const StoreIntegrity::Report report = StoreIntegrity::check(c.storePath);
        if (!report.problems.isEmpty()) {
            //: Between two of the store's problems.
            const QString between = Text::tr("; ");
            c.err << Text::tr("The store %1 has a problem: %2.").arg(shownStore, report.problems.join(between))
                  << Qt::endl;
            return 1;
        }
        //: What follows the store's version: "; the ledger's 240 entries, ... are as they were written".
        records = Text::tr("; %1").arg(report.summary());
    }
    const QString said = store.version < Schema::Version
                             ? Text::tr("The store %1 is sound: %2, version %3 (brought up to date at the next "
                                        "start)%4.")
                             : Text::tr("The store %1 is sound: %2, version %3%4.");
    c.out << said.arg(shownStore, sound).arg(store.version).arg(records) << Qt::endl;
    return 0;
}

int checkServer(const Context &c)
{
    const StoreFile::Inspection store = ServerStore::inspect(c.storePath);
    const QString shownStore = StoreLocation::shown(c.storePath);
    if (!store.problem.isEmpty()) {
        c.err << Text::tr("The store %1 has a problem: %2").arg(shownStore, store.problem) << Qt::endl;
        return 1;
    }
    return finishCheck(c, shownStore, store, Text::tr("every table in place"));
}

int check(const Context &c)
{
    if (StoreLocation::isServer(c.storePath))
        return checkServer(c);
    StoreLock lock;
    if (!holdStore(c, lock))
        return 1;
    const StoreFile::Inspection store = StoreFile::inspect(c.storePath, StoreFile::Depth::Everything);
    QString problem = store.problem;
    if (problem.isEmpty())
        problem = StoreFile::writeProblem(c.storePath);
    if (!problem.isEmpty()) {
        c.err << Text::tr("The store %1 has a problem: %2").arg(shown(c.storePath), problem) << Qt::endl;
        return 1;
    }
    return finishCheck(c, shown(c.storePath), store, Text::tr("every table in place, integrity ok"));
}

int verifySeal(const Context &c)
{
    auto refuse = [&](const QString &why) {
        c.err << why << Qt::endl;
        return 1;
    };
    const auto day = StoreDate::parse(c.value);
    if (!day)
        return refuse(StoreDate::invalidMessage(c.value));
    const QString typed = c.parser.positionalArguments().join(u' ');
    const auto seal = Seal::read(typed);
    if (!seal)
        return refuse(Text::tr("Give the seal Day End printed after the day, its 16 hex digits and its counts, "
                               "such as videostore --verify-seal %1 \"3F2A 9C01 77DE 0B45 — 12 ledger entries, 5 "
                               "gate entries, 0 price changes\".")
                          .arg(StoreDate::toText(*day)));
    const bool server = StoreLocation::isServer(c.storePath);
    StoreLock lock;
    if (!holdStore(c, lock))
        return 1;
    const StoreFile::Inspection store = server ? ServerStore::inspect(c.storePath) : StoreFile::inspect(c.storePath);
    QString problem = store.problem;
    if (problem.isEmpty() && store.version < Schema::Version)
        problem = Text::tr("It is a store of version %1, from before the seals. Start the program on it once.")
                      .arg(store.version);
    if (!problem.isEmpty())
        return refuse(Text::tr("The store %1 cannot be used: %2")
                          .arg(server ? StoreLocation::shown(c.storePath) : shown(c.storePath), problem));
    const Seal::Check outcome = Seal::verify(c.storePath, *day, *seal);
    (outcome.holds ? c.out : c.err) << outcome.message << Qt::endl;
    return outcome.holds ? 0 : 1;
}

int setupServer(const Context &c)
{
    const ServerSetup::Outcome outcome = ServerSetup::run(c.value);
    (outcome.ok ? c.out : c.err) << outcome.message << Qt::endl;
    return outcome.ok ? 0 : 1;
}

int restore(const Context &c)
{
    if (StoreLocation::isServer(c.storePath)) {
        c.err << Text::tr("Nothing was changed: a store on a database server is restored with pg_restore into a "
                          "new, empty database, which the counters are then pointed at.")
              << Qt::endl;
        return 1;
    }
    return finish(c, Backup::restore(c.storePath, c.value, QDateTime::currentDateTime()));
}

int copyTo(const Context &c)
{
    // Progress only where someone watches it.
    const bool terminal = ::isatty(STDERR_FILENO);
    QString shownTable;
    const StoreCopy::Outcome outcome =
        StoreCopy::copy(c.storePath, c.value, [&](const QString &table, qint64 done, qint64 total) {
            if (!terminal)
                return;
            c.err << '\r' << Text::tr("copying %1: %2 of %3 rows").arg(table).arg(done).arg(total);
            if (done >= total)
                c.err << '\n';
            c.err.flush();
        });
    (outcome.ok ? c.out : c.err) << outcome.message << Qt::endl;
    return outcome.ok ? 0 : 1;
}

// The program with its windows, on the store at `storePath`.
int startWindows(int argc, char *argv[], const QString &storePath)
{
    std::unique_ptr<QApplication> made;
    {
        const Session::DisplayGuard noDisplay;
        made = std::make_unique<QApplication>(argc, argv);
    }
    QApplication &app = *made;
    nameApplication(app);
    QtWindowSystem ws;
    const QString path = storePath.isEmpty() ? StoreFile::defaultPath() : storePath;
    StoreLock inUse; // made first so it is let go last, after every connection
    const auto windows = startVideoStore(path, ws, &inUse);
    if (!windows)
        return 1;
    SignalExit exitOnSignal([&] { windows->exitProgram(); });
    DailyBackup daily(path, QDate::currentDate(), ws);
    if (StoreLocation::isServer(path)) {
        QTextStream(stderr) << QStringLiteral("videostore: ")
                            << Text::tr("the store is on a database server; its daily copy is pg_dump's job: %1")
                                   .arg(ServerStore::backupCommand(path))
                            << Qt::endl;
    } else {
        daily.start();
    }
    return app.exec();
}

int setCode(const Context &c)
{
    return setManagerCode(c.storePath, c.out, c.err);
}

int report(const Context &c)
{
    StoreLock lock;
    if (!holdStore(c, lock))
        return 1;
    const QCommandLineParser &p = c.parser;
    return runReportCommand({c.storePath, c.value, p.value(QStringLiteral("pdf")), p.value(QStringLiteral("csv")),
                             p.value(QStringLiteral("genre")), p.value(QStringLiteral("from")),
                             p.value(QStringLiteral("to")), p.isSet(QStringLiteral("force")),
                             p.value(QStringLiteral("date"))},
                            c.out, c.err);
}

int labels(const Context &c)
{
    StoreLock lock;
    if (!holdStore(c, lock))
        return 1;
    const QCommandLineParser &p = c.parser;
    return runLabelCommand({c.storePath, c.value, p.positionalArguments().join(u' '), p.value(QStringLiteral("sheet")),
                            p.value(QStringLiteral("start")), p.value(QStringLiteral("pdf")),
                            p.isSet(QStringLiteral("force"))},
                           c.out, c.err);
}

} // namespace

QList<Command> commands()
{
    return {
        {QStringLiteral("backup"), QStringLiteral("file"),
         Text::tr("Writes a consistent copy of the store to <file>, which must not exist yet. Safe while the "
                  "program is running."),
         backup},
        {QStringLiteral("check"), {},
         Text::tr("Checks the store: every page, its tables and its version, the guards and the chains over its "
                  "ledger, gate log and prices, its manager code and settings; says what is wrong."),
         check},
        {QStringLiteral("restore"), QStringLiteral("file"),
         Text::tr("Checks <file> as --check does and puts it in place as the store, keeping the replaced store "
                  "beside it as video.db.replaced-<date>-<time>. Refused while the program is running."),
         restore},
        {QStringLiteral("copy-to"), QStringLiteral("store"),
         Text::tr("Copies the store into <store>: an empty PostgreSQL database (postgresql://user@host/dbname) or a "
                  "new file. Every table in one transaction, checked by row counts and money sums."),
         copyTo},
        {QStringLiteral("report"), QStringLiteral("name"),
         Text::tr("Writes the report <name> (all-movies, movies-by-type, customer-list, customers-by-date, "
                  "rental-revenue, daily-sales, day-end, taxes, gate-log: every try at the security gate, or "
                  "prices: every change of the prices and taxes) to the file of --pdf or --csv, which must not "
                  "exist yet unless --force is given, without windows and without the manager's code."),
         report,
         {QCommandLineOption(QStringLiteral("pdf"), Text::tr("--report, --labels: writes a PDF <file>."),
                             QStringLiteral("file")),
          QCommandLineOption(QStringLiteral("csv"), Text::tr("--report: writes a CSV <file> of the rows."),
                             QStringLiteral("file")),
          QCommandLineOption(QStringLiteral("genre"),
                             Text::tr("--report movies-by-type: the genre, 1 to 5 or its name."),
                             QStringLiteral("n")),
          QCommandLineOption(QStringLiteral("from"), Text::tr("--report customers-by-date or taxes: the first day."),
                             QStringLiteral("yyyy-mm-dd")),
          QCommandLineOption(QStringLiteral("to"), Text::tr("--report customers-by-date or taxes: the last day."),
                             QStringLiteral("yyyy-mm-dd")),
          QCommandLineOption(QStringLiteral("date"), Text::tr("--report day-end: the day."),
                             QStringLiteral("yyyy-mm-dd")),
          QCommandLineOption(QStringLiteral("force"),
                             Text::tr("--report, --labels: replaces the file of --pdf or --csv when it exists."))},
         true},
        {QStringLiteral("labels"), QStringLiteral("tapes|member"),
         Text::tr("Writes barcode labels to the file of --pdf: --labels tapes 1001-1030 for those tapes, on Letter "
                  "sheets of 30 or A4 sheets of 21 (--sheet), from a position of the first sheet (--start); "
                  "--labels member 26 for that member's card. Refuses tapes and members the store does not know, "
                  "writing nothing."),
         labels,
         {QCommandLineOption(QStringLiteral("sheet"),
                             Text::tr("--labels tapes: letter30 (2 5/8 x 1 in, the default) or a4-21 (63.5 x 38.1 "
                                      "mm)."),
                             QStringLiteral("sheet")),
          QCommandLineOption(QStringLiteral("start"),
                             Text::tr("--labels tapes: the first label's position on the first sheet, across then "
                                      "down from 1 (the default)."),
                             QStringLiteral("n"))},
         true},
        {QStringLiteral("verify-seal"), QStringLiteral("yyyy-mm-dd"),
         Text::tr("Says whether the store's ledger entries, gate-log entries and price changes of that day still "
                  "give the seal its Day End printed, and whether any was added after it; the seal and its counts "
                  "follow the day: videostore --verify-seal 2026-03-01 3F2A 9C01 77DE 0B45 12 5 0."),
         verifySeal},
        {QStringLiteral("setup-server"), QStringLiteral("address"),
         Text::tr("Run once by the owner of a PostgreSQL database, with the owner's address "
                  "(postgresql://owner@host/dbname), and again after each new version or a restore: makes or "
                  "upgrades the store, puts its guards back, and lets the counters' role (<dbname>_counter) do "
                  "daily work but never change or remove what the ledger, the gate log and the prices hold."),
         setupServer},
        {QStringLiteral("set-manager-code"), {},
         Text::tr("Gives the store its own manager code, asked for twice without showing it (or read as one line "
                  "from standard input when that is not a terminal); at least 8 characters. The store keeps only "
                  "a one-way hash of it."),
         setCode},
    };
}

namespace {

// The options, described in the language in use; those of the commands in
// the order of `list`.
QList<QCommandLineOption> addOptions(QCommandLineParser &parser, const QList<Command> &list)
{
    parser.setApplicationDescription(
        Text::tr("Video Store: the counter and back office of a video rental store. With no command it starts the "
                 "program; each command prints one line and ends with 0 on success, 1 on failure."));
    parser.addOption(
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}, Text::tr("Lists these options.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("store"),
        Text::tr("Uses <store> as the store instead of %1 (with the commands below too): a file, or a PostgreSQL "
                 "database shared by several counters, postgresql://user@host:port/dbname (the password from "
                 "~/.pgpass or PGPASSWORD). VIDEOSTORE_STORE does the same.")
            .arg(QDir::toNativeSeparators(StoreFile::defaultPath())),
        QStringLiteral("store")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("language"),
        Text::tr("Shows the windows and says everything in <language>: fr (French) or en (English). Without it, "
                 "the system's language is used (LANG=fr_CA.UTF-8 for French)."),
        QStringLiteral("language")));
    QList<QCommandLineOption> options;
    for (const Command &c : list) {
        options.append(c.valueName.isEmpty() ? QCommandLineOption(c.name, c.description)
                                             : QCommandLineOption(c.name, c.description, c.valueName));
        parser.addOption(options.last());
        for (const QCommandLineOption &o : c.further)
            parser.addOption(o);
    }
    return options;
}

QString seeHelp()
{
    return Text::tr("(videostore --help lists the options)");
}

// Reads `arguments` into `parser`, makes the language they ask for the
// program's and sets `chosen` to the command's place in `list` (-1: the
// windows). Says the help, or what is wrong, and gives the exit code then;
// nullopt when the program goes on.
std::optional<int> read(QCommandLineParser &parser, const QStringList &arguments, const QList<Command> &list,
                        qsizetype &chosen, QTextStream &out, QTextStream &err)
{
    const QList<QCommandLineOption> options = addOptions(parser, list);
    const bool parsed = parser.parse(arguments);
    const QString code = parser.value(QStringLiteral("language"));
    const std::optional<Language::Id> language =
        parser.isSet(QStringLiteral("language")) ? Language::fromCode(code) : Language::system();
    if (language)
        Language::setProgram(*language);
    const QString videostore = QStringLiteral("videostore: ");
    if (!parsed) {
        err << videostore << parser.errorText() << ' ' << seeHelp() << Qt::endl;
        return 1;
    }
    if (!language) {
        err << videostore << Text::tr("--language takes fr (French) or en (English), not \"%1\"").arg(code) << ' '
            << seeHelp() << Qt::endl;
        return 1;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    // Only a seal, after --verify-seal's day, and the tapes or member after
    // --labels stand on their own.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(QStringLiteral("verify-seal"))
        && !parser.isSet(QStringLiteral("labels"))) {
        err << videostore << Text::tr("unexpected argument %1").arg(parser.positionalArguments().constFirst())
            << ' ' << seeHelp() << Qt::endl;
        return 1;
    }
    chosen = -1;
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (!parser.isSet(options.at(i)))
            continue;
        if (chosen >= 0) {
            err << videostore << Text::tr("give one command at a time") << Qt::endl;
            return 1;
        }
        chosen = i;
    }
    return std::nullopt;
}

} // namespace

int run(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Session::provideRuntimeDir();

    // The program's own names, so the default store is the one it opens.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("videostore"));
    // Read first without a word, to know which application object to make:
    // only one can translate what is said.
    QCommandLineParser parser;
    qsizetype chosen = -1;
    QString unsaid;
    QTextStream quiet(&unsaid);
    if (read(parser, arguments, commands(), chosen, quiet, quiet)) {
        // Named as --help names it, whatever path started it.
        int count = 1;
        char name[] = "videostore";
        char *names[] = {name, nullptr};
        QCoreApplication app(count, names);
        nameApplication(app);
        QTextStream out(stdout);
        QTextStream err(stderr);
        QCommandLineParser again;
        return read(again, arguments, commands(), chosen, out, err).value_or(1);
    }

    // --store, else VIDEOSTORE_STORE, else the default file; a path is made
    // absolute, an address taken as it stands.
    const QString storeOption = QStringLiteral("store");
    QString given = parser.isSet(storeOption) ? parser.value(storeOption) : qEnvironmentVariable("VIDEOSTORE_STORE");
    if (!given.isEmpty() && !StoreLocation::isServer(given))
        given = QFileInfo(given).absoluteFilePath();
    if (chosen < 0)
        return startWindows(argc, argv, given);
    // The commands need no display: no window system is loaded for them,
    // or an offscreen one for those that draw pages.
    std::unique_ptr<QCoreApplication> app;
    if (commands().at(chosen).paints) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    nameApplication(*app);
    // Described now in the language in use.
    const Command chosenCommand = commands().at(chosen);
    const QString storePath = given.isEmpty() ? StoreFile::defaultPath() : given;
    const QString value = chosenCommand.valueName.isEmpty() ? QString() : parser.value(chosenCommand.name);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return chosenCommand.run(Context{storePath, value, out, err, parser});
}

} // namespace CommandLine
