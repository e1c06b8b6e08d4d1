#include "TestSupport.h"

#include "data/StoreFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

// The session cron gives: no runtime folder, no display, no platform chosen.
QProcessEnvironment bareSession()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

ProgramRun videostore(const QStringList &arguments, const QProcessEnvironment &env)
{
    return runProgram(QStringLiteral(VIDEOSTORE_EXE), arguments, env);
}

} // namespace

class tst_Session : public QObject
{
    Q_OBJECT

private slots:
    void noRuntimeFolderWarningOnAnyCommand()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(u"video.db"_s);
        QVERIFY(StoreFile::prepare(store).ok);
        const QProcessEnvironment env = bareSession();
        const QList<QStringList> commands = {
            {u"--help"_s},
            {u"--store"_s, store, u"--check"_s},
            {u"--store"_s, store, u"--backup"_s, dir.filePath(u"copy.db"_s)},
            {u"--store"_s, store, u"--report"_s, u"customer-list"_s, u"--csv"_s, dir.filePath(u"c.csv"_s)},
            {u"--store"_s, store, u"--report"_s, u"all-movies"_s, u"--pdf"_s, dir.filePath(u"m.pdf"_s)},
            {u"--store"_s, store, u"--restore"_s, dir.filePath(u"copy.db"_s)},
        };
        for (const QStringList &command : commands) {
            const ProgramRun r = videostore(command, env);
            QCOMPARE(r.code, 0);
            QVERIFY2(!r.err.contains(u"XDG_RUNTIME_DIR"_s), qPrintable(command.join(u' ') + u": "_s + r.err));
        }

        // The windows too, offscreen, up to the main menu and ended.
        QProcessEnvironment windows = env;
        windows.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        QProcess program;
        program.setProcessEnvironment(windows);
        program.start(QStringLiteral(VIDEOSTORE_EXE), {u"--store"_s, store});
        QVERIFY(program.waitForStarted());
        QTest::qWait(800);
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(!err.contains(u"XDG_RUNTIME_DIR"_s), qPrintable(err));
    }

    void noDisplaySaysSoInOneLine_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("why");
        QTest::newRow("no display set") << QString() << QString() << "none was found (DISPLAY is not set)";
        QTest::newRow("display unreachable") << "xcb" << ":97" << "the display could not be reached";
    }
    void noDisplaySaysSoInOneLine()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, why);
        QTemporaryDir dir;
        const QString store = dir.filePath(u"video.db"_s);
        QProcessEnvironment env = bareSession();
        if (!platform.isEmpty())
            env.insert(u"QT_QPA_PLATFORM"_s, platform);
        if (!display.isEmpty())
            env.insert(u"DISPLAY"_s, display);
        const ProgramRun r = videostore({u"--store"_s, store}, env);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY2(r.err.startsWith(u"videostore: the windows need a graphical session and "_s + why), qPrintable(r.err));
        QVERIFY2(r.err.contains(u"--report, --backup, --check, --restore"_s), qPrintable(r.err));
        // Nothing was touched on the way out.
        QVERIFY(!QFile::exists(store));
    }
};

QTEST_GUILESS_MAIN(tst_Session)
#include "tst_Session.moc"
