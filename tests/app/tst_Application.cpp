#include "TestSupport.h"

#include "app/Application.h"
#include "data/StoreFile.h"

#include <QDir>
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

} // namespace

class tst_Application : public QObject
{
    Q_OBJECT

private slots:
    void badStoreRefusedUntouched()
    {
        const QByteArray content = QByteArray("hello").repeated(900);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"video.db"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        ScriptedWindowSystem ws;
        QVERIFY(!startVideoStore(path, ws));
        QCOMPARE(ws.prompts(), QStringList{StoreFile::failureMessage(path, u"It is not a database."_s)});
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == content);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"video.db"_s});
    }

    void terminateClosesTheStoreCleanly_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP: the terminal closed") << int(SIGHUP);
    }
    void terminateClosesTheStoreCleanly()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_DATA_HOME"_s, dir.path());
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VIDEOSTORE_EXE), {});
        QVERIFY(program.waitForStarted());
        const QString store = dir.filePath(u"videostore/video.db"_s);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(store), 10000);
        QTest::qWait(500); // the main menu up and the event loop running
        ::kill(pid_t(program.processId()), signal);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit); // ended, not cut off
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QDir(dir.filePath(u"videostore"_s)).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"video.db"_s});
    }

    // Every command and the windows start the same way; a report drawn as a
    // PDF reaches for the runtime folder.
    void noRuntimeFolderWarning()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(u"video.db"_s);
        QVERIFY(StoreFile::prepare(store).ok);
        const ProgramRun r = runProgram(QStringLiteral(VIDEOSTORE_EXE), {u"--store"_s, store, u"--report"_s, u"all-movies"_s,
                                                                         u"--pdf"_s, dir.filePath(u"m.pdf"_s)},
                                        bareSession());
        QCOMPARE(r.code, 0);
        QVERIFY2(!r.err.contains(u"XDG_RUNTIME_DIR"_s), qPrintable(r.err));
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
        const ProgramRun r = runProgram(QStringLiteral(VIDEOSTORE_EXE), {u"--store"_s, store}, env);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY2(r.err.startsWith(u"videostore: the windows need a graphical session and "_s + why), qPrintable(r.err));
        QVERIFY2(r.err.contains(u"--report, --backup, --check, --restore"_s), qPrintable(r.err));
        // Nothing was touched on the way out.
        QVERIFY(!QFile::exists(store));
    }
};

QTEST_MAIN(tst_Application)
#include "tst_Application.moc"
