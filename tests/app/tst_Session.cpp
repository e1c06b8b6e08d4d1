#include "TestSupport.h"

#include "data/StoreFile.h"

#include <QFile>
#include <QTemporaryDir>


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
    // Every command and the windows start the same way; a report drawn as a
    // PDF reaches for the runtime folder.
    void noRuntimeFolderWarning()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(u"video.db"_s);
        QVERIFY(StoreFile::prepare(store).ok);
        const ProgramRun r = videostore(
            {u"--store"_s, store, u"--report"_s, u"all-movies"_s, u"--pdf"_s, dir.filePath(u"m.pdf"_s)}, bareSession());
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
