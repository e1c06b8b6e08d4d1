#include "TestSupport.h"

#include "app/ManagerCode.h"
#include "data/Backup.h"
#include "data/Database.h"
#include "data/GateStore.h"
#include "data/Ledger.h"
#include "data/Schema.h"
#include "data/StoreFile.h"
#include "data/StoreLocation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

ProgramRun videostore(const QStringList &arguments, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                      const std::function<void()> &inChild = {})
{
    return runProgram(QStringLiteral(VIDEOSTORE_EXE), arguments, env, {}, inChild);
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A store in a folder of its own, with a member to tell it by.
struct Store
{
    QTemporaryDir dir;
    QString path = dir.filePath(u"video.db"_s);
    explicit Store(int member = 1)
    {
        if (!StoreFile::prepare(path).ok)
            qFatal("cannot make a store");
        Database db(path);
        if (!db.change(u"add"_s, u"INSERT INTO tblMembers (CustomerNumber, LastName) VALUES (?, 'Mark')"_s, {member}))
            qFatal("cannot add a member");
    }
    // The members' numbers, read as another program would.
    QString members() const { return valueIn(path, u"SELECT group_concat(CustomerNumber) FROM tblMembers"_s).toString(); }
};

// Sets the store's manager code with `input` on standard input (a pipe).
ProgramRun setCode(const QString &store, const QByteArray &input)
{
    return runProgram(QStringLiteral(VIDEOSTORE_EXE), {u"--store"_s, store, u"--set-manager-code"_s},
                      QProcessEnvironment::systemEnvironment(), input);
}

QByteArray storedHash(const QString &store)
{
    return valueIn(store, u"SELECT Value FROM tblSettings WHERE Name = 'ManagerCode'"_s).toString().toUtf8();
}

const QString unchanged = u" The manager code was not changed.\n"_s;

// A terminal for the program's standard input, as a manager at a shell
// would give it; nothing of it when the machine has no pseudo-terminals.
struct Terminal
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    const QString slave = master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0
                              ? QString::fromLocal8Bit(ptsname(master)) : QString();
    ~Terminal()
    {
        if (master >= 0)
            close(master);
    }
    void type(const QByteArray &keys) const { QVERIFY(write(master, keys.constData(), keys.size()) == keys.size()); }
    // What the terminal has shown of the typing (its echo).
    QByteArray shown() const
    {
        QByteArray all;
        char buffer[256];
        for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;)
            all.append(buffer, n);
        return all;
    }
    bool echoes() const
    {
        const int fd = open(slave.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        termios t{};
        const bool on = fd >= 0 && tcgetattr(fd, &t) == 0 && (t.c_lflag & ECHO);
        if (fd >= 0)
            close(fd);
        return on;
    }
};

// Waits until the program has asked `prompt` on its error output.
bool asked(QProcess &p, QString &err, const QString &prompt)
{
    while (!err.endsWith(prompt)) {
        if (!p.waitForReadyRead(30000))
            return false;
        err += QString::fromLocal8Bit(p.readAllStandardError());
    }
    return true;
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void wrongOptionsRefused()
    {
        const ProgramRun wrong = videostore({u"--bogus"_s});
        QCOMPARE(wrong.code, 1);
        QCOMPARE(wrong.err, u"videostore: Unknown option 'bogus'. (videostore --help lists the options)\n"_s);
        QCOMPARE(videostore({u"--check"_s, u"--backup"_s, u"x.db"_s}).err,
                 u"videostore: give one command at a time\n"_s);
        QCOMPARE(videostore({u"--language"_s, u"de"_s}).code, 1);
    }

    // The system's language unless --language says another; Qt's own texts
    // (the help's first line) follow.
    void speaksTheLanguageAsked_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("french");
        QTest::newRow("LANG=fr_CA") << u"fr_CA.UTF-8"_s << QStringList{u"--help"_s} << true;
        QTest::newRow("--language fr over LANG=en_CA")
            << u"en_CA.UTF-8"_s << QStringList{u"--language"_s, u"fr"_s, u"--help"_s} << true;
        QTest::newRow("--language en over LANG=fr_CA")
            << u"fr_CA.UTF-8"_s << QStringList{u"--language=en"_s, u"--help"_s} << false;
    }
    void speaksTheLanguageAsked()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, arguments);
        QFETCH(bool, french);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s})
            env.remove(name);
        env.insert(u"LANG"_s, lang);
        const ProgramRun run = videostore(arguments, env);
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.contains(u"Affiche ces options."_s), french);
        QCOMPARE(run.out.contains(u"Lists these options."_s), !french);
        QCOMPARE(run.out.startsWith(u"Usage: videostore"_s), !french);
    }

    // A file holds what a program reads, whatever the language: a gate-log
    // destination and an amount in a Day End line stay English.
    void csvUntranslatedInFrench()
    {
        const Store store;
        const QDate day(2026, 3, 2);
        QVERIFY(GateStore(store.path).record(QDateTime(day, QTime(9, 0)), 1, GateOutcome::Refused));
        const Money fifty = Money::fromCents(5000);
        QVERIFY(LedgerStore(store.path).recordCashUp(day, u"front"_s, fifty, fifty, fifty, {}));
        const QTemporaryDir out;
        const QString gate = out.filePath(u"gate.csv"_s), dayEnd = out.filePath(u"day-end.csv"_s);
        const QStringList french{u"--language"_s, u"fr"_s, u"--store"_s, store.path, u"--report"_s};
        QCOMPARE(videostore(french + QStringList{u"gate-log"_s, u"--csv"_s, gate}).code, 0);
        QCOMPARE(videostore(french + QStringList{u"day-end"_s, u"--date"_s, u"2026-03-02"_s, u"--csv"_s, dayEnd}).code,
                 0);
        QVERIFY2(bytes(gate).contains("Video Management form"), bytes(gate).constData());
        QVERIFY2(bytes(dayEnd).contains("float $50.00"), bytes(dayEnd).right(600).constData());
    }

    // Copy, check, back up and restore; a copy takes nothing that a copy
    // killed part-way left under its name.
    void commandsOnAGoodStoreAndAMissingOne()
    {
        const Store store;
        const QString missing = store.dir.filePath(u"none/video.db"_s), copy = store.dir.filePath(u"copy.db"_s);
        for (const char *suffix : {".part", ".part-wal", ".part-shm"}) {
            QFile left(copy + QLatin1String(suffix));
            QVERIFY(left.open(QIODevice::WriteOnly) && left.write(QByteArray(4096, 'x')) == 4096);
        }
        ProgramRun r = videostore({u"--store"_s, store.path, u"--copy-to"_s, copy});
        QCOMPARE(r.code, 0);
        QCOMPARE(entries(store.dir.path()).filter(u"copy"_s), QStringList{u"copy.db"_s});
        r = videostore({u"--store"_s, copy, u"--check"_s});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, u"The store %1 is sound: every table in place, integrity ok, version %2; the ledger's 0 "
                          "entries, the gate log's 0 tries and the prices' 5 changes are as they were written.\n"_s
                            .arg(QDir::toNativeSeparators(copy)).arg(Schema::Version));
        r = videostore({u"--store"_s, missing, u"--check"_s});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, u"The store %1 has a problem: There is no such file.\n"_s.arg(QDir::toNativeSeparators(missing)));
        QVERIFY(!QFileInfo::exists(store.dir.filePath(u"none"_s)));
        const QString backup = store.dir.filePath(u"backup.db"_s);
        r = videostore({u"--store"_s, store.path, u"--backup"_s, backup});
        QCOMPARE(r.out, u"Backed up the store %1 to %2 (2 members, 0 rentals, 0 receipts).\n"_s.arg(
                            QDir::toNativeSeparators(store.path), QDir::toNativeSeparators(backup)));
        r = videostore({u"--store"_s, missing, u"--restore"_s, copy});
        QCOMPARE(r.out, u"Restored %1 as the store %2.\n"_s.arg(QDir::toNativeSeparators(copy),
                                                                QDir::toNativeSeparators(missing)));
        QCOMPARE(valueIn(missing, u"SELECT group_concat(CustomerNumber) FROM tblMembers"_s).toString(), store.members());
    }

    // Outputs that would go over the store, its working files, a backup, or
    // something that is not a plain file: refused, exit 1, all as they were.
    void outputsNeverGoOverTheStore()
    {
        Store store;
        {
            Database open(store.path); // the store in use: its -wal and -shm are there
            QVERIFY(QFileInfo::exists(store.path + u"-wal"_s));
        }
        const Backup::Daily daily = Backup::makeDaily(store.path, QDate(2026, 3, 1));
        QVERIFY(daily.made);
        QTemporaryDir elsewhere;
        const QString otherName = elsewhere.filePath(u"store-link.db"_s), symlink = elsewhere.filePath(u"pointer.csv"_s),
                      pipe = elsewhere.filePath(u"pipe"_s), folder = elsewhere.filePath(u"folder"_s);
        QVERIFY(::link(QFile::encodeName(store.path).constData(), QFile::encodeName(otherName).constData()) == 0);
        QVERIFY(QFile::link(store.path, symlink) && QDir().mkpath(folder));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);

        // The -journal is not there now, but is the engine's name.
        QStringList targets = {store.path, store.path + u"-wal"_s, store.path + u"-journal"_s, daily.path,
                               StoreLocation::backupsFolder(store.path) + u"/report.csv"_s, otherName, symlink, pipe,
                               folder};
        // A device node made here, where only root may make one.
        const QString device = elsewhere.filePath(u"null"_s);
        if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
            targets << device;
        else
            qInfo("no device node made (needs root): that case is not tried");

        auto state = [&] {
            QStringList all = entries(store.dir.path()) + entries(StoreLocation::backupsFolder(store.path)) + entries(elsewhere.path());
            for (const QString &file : {store.path, daily.path})
                all << QString::fromLatin1(bytes(file).toHex().left(64)) + QString::number(bytes(file).size());
            return all;
        };
        const QStringList before = state();
        for (const QString &target : targets) {
            for (const QStringList &command :
                 {QStringList{u"--report"_s, u"customer-list"_s, u"--csv"_s, target, u"--force"_s},
                  QStringList{u"--backup"_s, target}}) { // a PDF is refused as a CSV is
                // A new copy may go among the backups; never over one.
                if (command.first() == u"--backup"_s && target.endsWith(u"/report.csv"_s))
                    continue;
                const ProgramRun r = videostore(QStringList{u"--store"_s, store.path} + command);
                QVERIFY2(r.code == 1, qPrintable(command.join(u' ') + u": "_s + r.out));
                QVERIFY2(r.out.isEmpty() && r.err.contains(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath())),
                         qPrintable(target + u": "_s + r.err));
                QCOMPARE(state(), before);
            }
        }
        QCOMPARE(store.members(), u"0,1"_s);
    }

    void reportReplacesAFileOnlyWithForce()
    {
        Store store;
        QTemporaryDir dir;
        const QString csv = dir.filePath(u"members.csv"_s);
        QFile old(csv);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("older") == 5);
        old.close();
        const QStringList report = {u"--store"_s, store.path, u"--report"_s, u"customer-list"_s, u"--csv"_s, csv};
        ProgramRun r = videostore(report);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.endsWith(u"%1 already exists; the report was not written. Add --force to replace it.\n"_s.arg(
                     QDir::toNativeSeparators(csv))),
                 qPrintable(r.err));
        QCOMPARE(bytes(csv), QByteArray("older"));
        r = videostore(report + QStringList{u"--force"_s});
        QCOMPARE(r.code, 0);
        QVERIFY(bytes(csv).startsWith("Customer No.,First Name"));
        QCOMPARE(entries(dir.path()), QStringList{u"members.csv"_s});
    }

    // An empty file, which the engine would take for a new database, is
    // refused by every command that reads a store, with its path and why,
    // and left as it was (the other reasons are the store's own checks).
    void notAStoreRefusedUntouched()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"video.db"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QList<QStringList> commands = {
            {u"--report"_s, u"customer-list"_s, u"--csv"_s, dir.filePath(u"x.csv"_s)},
            {u"--backup"_s, dir.filePath(u"copy.db"_s)},
            {u"--check"_s}};
        for (const QStringList &command : commands) {
            const ProgramRun r = videostore(QStringList{u"--store"_s, path} + command);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(QDir::toNativeSeparators(path)) && r.err.contains(u"It is empty."_s), qPrintable(r.err));
            QCOMPARE(QFileInfo(path).size(), 0);
            QCOMPARE(entries(dir.path()), QStringList{u"video.db"_s});
        }
    }

    // A write that fails is a failure: exit 1, why, and no file.
    void failedReportWriteLeavesNoFile()
    {
        Store store;
        Database db(store.path);
        QVERIFY(db.transaction(u"add"_s, [&] {
            for (int i = 2; i < 3000; ++i) // rows enough to pass the limit below
                if (!db.run(u"add"_s, u"INSERT INTO tblMembers (CustomerNumber, LastName) VALUES (?, ?)"_s,
                            {i, QString(60, u'x')}))
                    return false;
            return true;
        }));
        QTemporaryDir dir;
        for (const char *kind : {"--csv", "--pdf"}) {
            const QString file = dir.filePath(u"members"_s);
            // Files of this process may grow to 64 KiB: every user can try this.
            const ProgramRun r = videostore({u"--store"_s, store.path, u"--report"_s, u"customer-list"_s,
                                             QLatin1String(kind), file},
                                            QProcessEnvironment::systemEnvironment(), [] {
                                                ::signal(SIGXFSZ, SIG_IGN);
                                                const rlimit limit{64 * 1024, 64 * 1024};
                                                ::setrlimit(RLIMIT_FSIZE, &limit);
                                            });
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(QDir::toNativeSeparators(file) + u" could not be written: File too large."_s),
                     qPrintable(r.err));
            QCOMPARE(entries(dir.path()), QStringList());
        }
    }

    // A restore ended at each of its steps, as a kill would: the store is
    // always there whole, the old one or the new one, and the next restore
    // or start finds its way.
    void restoreCutShortAtEveryStep()
    {
        int step = 1;
        for (bool finished = false; !finished; ++step) {
            Store store(1); // the store in use: member 1
            Store source(2); // the backup: member 2
            {
                Database open(store.path);
                open.change(u"add"_s, u"INSERT INTO tblMembers (CustomerNumber) VALUES (3)"_s); // still in the -wal
            }
            const QString old = store.members();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"VIDEOSTORE_RESTORE_STOP_AT"_s, QString::number(step));
            const ProgramRun r = videostore({u"--store"_s, store.path, u"--restore"_s, source.path}, env);
            QVERIFY2(r.code == 99 || r.code == 0, qPrintable(r.err));
            finished = r.code == 0;
            QCOMPARE(StoreFile::inspect(store.path, StoreFile::Depth::Everything).problem, QString());
            const QString now = store.members();
            QVERIFY2(now == old || now == u"0,2"_s, qPrintable(u"step %1: %2"_s.arg(step).arg(now)));
            // Whatever is beside it, a start opens the store it finds.
            QVERIFY(StoreFile::prepare(store.path).ok);
            QCOMPARE(store.members(), now);
            // A restore tried again goes through, leaving one replaced store.
            const ProgramRun again = videostore({u"--store"_s, store.path, u"--restore"_s, source.path});
            QVERIFY2(again.code == 0, qPrintable(again.err));
            QCOMPARE(store.members(), u"0,2"_s);
            QStringList left = entries(store.dir.path());
            left.removeAll(u"video.db"_s);
            left.removeAll(u"backups"_s);
            QVERIFY2(left.size() >= 1 && left.size() <= 2 && left.filter(u".replaced-"_s).size() == left.size(),
                     qPrintable(left.join(u' ')));
        }
        QVERIFY2(step > 6, "the restore has fewer steps than expected");
    }

    void codeFromAPipeIsKeptOnlyAsAHash()
    {
        const Store s;
        const QString &store = s.path;
        const QString shown = QDir::toNativeSeparators(store);

        const std::pair<QByteArray, QString> refused[] = {
            {"Short-1\n", u"A manager code needs at least 8 characters."_s},
            {"Tape-Rewind-42\r\n",
             u"A manager code cannot hold tabs, line breaks or other control characters: they cannot be typed at "
             "the security gate."_s},
            {"Popcorn-1987\n",
             u"The default code cannot be a store's own code: everyone who has read the program's instructions "
             "knows it."_s},
            {"", u"No code was given on standard input."_s},
            {QByteArray(5000, 'x') + '\n', u"The line given is too long to be a code."_s},
            {"Caf\xe9-latin1-code\n", u"The code given is not UTF-8 text."_s},
        };
        for (const auto &[input, why] : refused) {
            const ProgramRun r = setCode(store, input);
            QCOMPARE(r.code, 1);
            QCOMPARE(r.err, why + unchanged);
            QVERIFY(storedHash(store).isEmpty());
        }

        ProgramRun r = setCode(store, "Tape-Rewind-42\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, u"The manager code of the store %1 has been changed; the old code no longer opens "
                        "anything.\n"_s.arg(shown));
        const QByteArray first = storedHash(store);
        QVERIFY2(first.startsWith("$argon2id$") && !first.contains("Tape"), first.constData());
        // Exact: not with a blank after it, not in other capitals.
        QVERIFY(ManagerCode::matches(first, u"Tape-Rewind-42"_s) && !ManagerCode::matches(first, u"Tape-Rewind-42 "_s)
                && !ManagerCode::matches(first, u"tape-Rewind-42"_s));

        // The change is in the gate's log, as the command line's, and the log's chain holds.
        QCOMPARE(valueIn(store, u"SELECT Destination || ' ' || Outcome FROM tblGateLog"_s).toString(),
                 u"0 code changed"_s);
        r = videostore({u"--store"_s, store, u"--check"_s});
        QVERIFY2(r.out.endsWith(u"the gate log's 1 try and the prices' 5 changes are as they were written.\n"_s), qPrintable(r.out + r.err));
    }

    void missingAndOlderStores()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(u"none/video.db"_s);
        ProgramRun r = setCode(missing, "Tape-Rewind-42\n");
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, u"There is no store file %1 (start the program once to make it)."_s.arg(
                            QDir::toNativeSeparators(missing))
                            + unchanged);
        QVERIFY(!QFileInfo::exists(dir.filePath(u"none"_s)));

        // A store from before the code was kept gets its table first.
        const QString old = dir.filePath(u"old.db"_s);
        QVERIFY(StoreFile::prepare(old).ok);
        for (const QString &sql : downgradeTo(1))
            valueIn(old, sql);
        valueIn(old, u"PRAGMA user_version = 1"_s);
        r = setCode(old, "Tape-Rewind-42\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(valueIn(old, u"PRAGMA user_version"_s).toInt(), Schema::Version);
        QVERIFY(storedHash(old).startsWith("$argon2id$"));
    }

    void aTerminalIsAskedTwiceWithoutEcho()
    {
        const Store s;
        const QString &store = s.path;
        const QString askFirst = u"New manager code for %1 (at least 8 characters): "_s.arg(
            QDir::toNativeSeparators(store));
        const QString askAgain = u"The same code again: "_s;
        for (const QByteArray second : {QByteArray("Tape-Rewind-43\n"), QByteArray("Tape-Rewind-42\n")}) {
            const Terminal terminal;
            if (terminal.slave.isEmpty())
                QSKIP("no pseudo-terminal on this machine");
            QVERIFY(terminal.echoes());
            QProcess p;
            p.setStandardInputFile(terminal.slave);
            p.setReadChannel(QProcess::StandardError); // where the questions come
            p.start(QStringLiteral(VIDEOSTORE_EXE), {u"--store"_s, store, u"--set-manager-code"_s});
            QString err;
            QVERIFY(asked(p, err, askFirst));
            terminal.type("Tape-Rewind-42\n");
            QVERIFY(asked(p, err, askAgain));
            terminal.type(second);
            QVERIFY(p.waitForFinished(30000));
            err += QString::fromLocal8Bit(p.readAllStandardError());
            const bool same = second == "Tape-Rewind-42\n";
            QCOMPARE(p.exitCode(), same ? 0 : 1);
            QCOMPARE(err, askFirst + askAgain + (same ? QString() : u"The two codes differ."_s + unchanged));
            QCOMPARE(storedHash(store).startsWith("$argon2id$"), same);
            // Only the line ends were shown, and the terminal echoes again.
            QCOMPARE(terminal.shown(), QByteArray("\r\n\r\n"));
            QVERIFY(terminal.echoes());
        }
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
