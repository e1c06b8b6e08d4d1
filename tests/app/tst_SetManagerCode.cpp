#include "TestSupport.h"

#include "app/ManagerCode.h"
#include "data/Schema.h"
#include "data/StoreFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

ProgramRun videostore(const QStringList &arguments, const QByteArray &input = {})
{
    return runProgram(QStringLiteral(VIDEOSTORE_EXE), arguments, QProcessEnvironment::systemEnvironment(), input);
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

class tst_SetManagerCode : public QObject
{
    Q_OBJECT

private slots:
    void codeFromAPipeIsKeptOnlyAsAHash()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(u"video.db"_s);
        QVERIFY(StoreFile::prepare(store).ok);
        const QString shown = QDir::toNativeSeparators(store);
        const QStringList set = {u"--store"_s, store, u"--set-manager-code"_s};

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
            const ProgramRun r = videostore(set, input);
            QCOMPARE(r.code, 1);
            QCOMPARE(r.err, why + unchanged);
            QVERIFY(storedHash(store).isEmpty());
        }

        ProgramRun r = videostore(set, "Tape-Rewind-42\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, u"The manager code of the store %1 has been changed; the old code no longer opens "
                        "anything.\n"_s.arg(shown));
        const QByteArray first = storedHash(store);
        QVERIFY2(first.startsWith("$argon2id$") && !first.contains("Tape"), first.constData());
        // Exact: not with a blank after it, not in other capitals.
        QVERIFY(ManagerCode::matches(first, u"Tape-Rewind-42"_s) && !ManagerCode::matches(first, u"Tape-Rewind-42 "_s)
                && !ManagerCode::matches(first, u"tape-Rewind-42"_s));

        // The change is in the gate's log, as the command line's.
        QCOMPARE(valueIn(store, u"SELECT Destination || ' ' || Outcome FROM tblGateLog"_s).toString(),
                 u"0 code changed"_s);
    }

    void missingAndOlderStores()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(u"none/video.db"_s);
        ProgramRun r = videostore({u"--store"_s, missing, u"--set-manager-code"_s}, "Tape-Rewind-42\n");
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
        r = videostore({u"--store"_s, old, u"--set-manager-code"_s}, "Tape-Rewind-42\n");
        QCOMPARE(r.code, 0);
        QCOMPARE(valueIn(old, u"PRAGMA user_version"_s).toInt(), Schema::Version);
        QVERIFY(storedHash(old).startsWith("$argon2id$"));
    }

    void aTerminalIsAskedTwiceWithoutEcho()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(u"video.db"_s);
        QVERIFY(StoreFile::prepare(store).ok);
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

QTEST_GUILESS_MAIN(tst_SetManagerCode)
#include "tst_SetManagerCode.moc"
