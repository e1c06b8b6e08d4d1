#include "TestSupport.h"

#include "app/Application.h"
#include "data/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <csignal>

using namespace Qt::StringLiterals;

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
};

QTEST_MAIN(tst_Application)
#include "tst_Application.moc"
