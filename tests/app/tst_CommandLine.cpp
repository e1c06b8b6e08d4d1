#include "TestSupport.h"

#include "data/Schema.h"
#include "data/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

struct Result
{
    int code = -1;
    QString out, err;
};

Result videostore(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(VIDEOSTORE_EXE), arguments);
    if (!p.waitForFinished(30000))
        qFatal("videostore %s did not finish", qPrintable(arguments.join(u' ')));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void helpListsTheCommands()
    {
        const Result r = videostore({u"--help"_s});
        QCOMPARE(r.code, 0);
        for (const char *option : {"--store <file>", "--backup <file>", "--check", "--restore <file>", "--help"})
            QVERIFY2(r.out.contains(QLatin1String(option)), option);
        QVERIFY(r.out.startsWith(u"Usage: videostore [options]"_s));
        const Result wrong = videostore({u"--bogus"_s});
        QCOMPARE(wrong.code, 1);
        QCOMPARE(wrong.err, u"videostore: Unknown option 'bogus'. (videostore --help lists the options)\n"_s);
        QCOMPARE(videostore({u"--check"_s, u"--backup"_s, u"x.db"_s}).err,
                 u"videostore: give one command at a time\n"_s);
    }

    void commandsOnAGoodStoreAndAMissingOne()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath(u"video.db"_s);
        const QString missing = dir.filePath(u"none/video.db"_s);
        const QString copy = dir.filePath(u"copy.db"_s);
        QVERIFY(StoreFile::prepare(store).ok);
        const QString shown = QDir::toNativeSeparators(store);

        Result r = videostore({u"--store"_s, store, u"--check"_s});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, u"The store %1 is sound: every table in place, integrity ok, version %2.\n"_s.arg(shown)
                            .arg(Schema::Version));
        r = videostore({u"--store"_s, missing, u"--check"_s});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, u"The store %1 has a problem: There is no such file.\n"_s.arg(QDir::toNativeSeparators(missing)));
        QVERIFY(!QFileInfo::exists(missing) && !QFileInfo::exists(dir.filePath(u"none"_s)));

        r = videostore({u"--store"_s, store, u"--backup"_s, copy});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, u"Backed up the store %1 to %2 (1 members, 0 rentals, 0 receipts).\n"_s.arg(
                            shown, QDir::toNativeSeparators(copy)));
        r = videostore({u"--store"_s, store, u"--backup"_s, copy});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.endsWith(u"already exists; the backup was not written. Give a new file name.\n"_s),
                 qPrintable(r.err));
        r = videostore({u"--store"_s, missing, u"--backup"_s, dir.filePath(u"other.db"_s)});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(u"cannot be backed up: There is no such file."_s), qPrintable(r.err));

        r = videostore({u"--store"_s, missing, u"--restore"_s, copy});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, u"Restored %1 as the store %2.\n"_s.arg(QDir::toNativeSeparators(copy),
                                                                QDir::toNativeSeparators(missing)));
        r = videostore({u"--store"_s, store, u"--restore"_s, dir.filePath(u"absent.db"_s)});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith(u"Restore refused: "_s) && r.err.contains(u"There is no such file."_s),
                 qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
