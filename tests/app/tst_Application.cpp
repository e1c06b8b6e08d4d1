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
    void badStoreRefusedUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a database") << QByteArray("hello").repeated(900) << u"It is not a database."_s;
    }
    void badStoreRefusedUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"video.db"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ScriptedWindowSystem ws;
        QVERIFY(!startVideoStore(path, ws));
        QCOMPARE(ws.boxes().size(), 1);
        QCOMPARE(ws.last().prompt, StoreFile::failureMessage(path, reason));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == content);
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
