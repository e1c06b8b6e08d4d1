#include "TestSupport.h"

#include "app/DailyBackup.h"
#include "counter/CheckoutStore.h"
#include "data/Backup.h"
#include "data/StoreFile.h"
#include "data/StoreLocation.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>

#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 1);

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class tst_Backup : public QObject
{
    Q_OBJECT

private slots:
    void backupWhileAnotherHandleWrites()
    {
        TestStore s;
        s.addMember(1, u"Ann"_s, u"Smith"_s);
        s.addMovie(10, u"Alien"_s, 2, 1);
        s.exec(u"INSERT INTO tblVideos (VideoID, MovieNum, ForRent, InStore) WITH RECURSIVE n(i) AS (SELECT 1 UNION "
               "ALL SELECT i + 1 FROM n WHERE i < 400) SELECT i, 10, 1, 1 FROM n"_s);
        s.addItem(8, u"Licorice"_s, u"1.25"_s, 100000);
        QTemporaryDir dir;
        std::atomic<int> committed{0};
        std::atomic<bool> stop{false};
        // Many checkouts of a tape and an item, priced as the counter prices them.
        CheckoutPlan plan{1, Today, {{BillLine::Kind::Rent, 1, 0}, {BillLine::Kind::Buy, 8, 1}}};
        priceBill(s.path(), plan);
        std::thread writer([&] {
            CheckoutStore counter(s.path());
            for (int tape = 1; tape <= 400 && !stop; ++tape) {
                plan.lines[0].id = tape;
                if (counter.recordCheckout(plan))
                    committed = tape;
            }
        });
        while (committed < 20)
            QThread::msleep(2);
        const int before = committed;
        const Backup::Outcome out = Backup::copy(s.path(), dir.filePath(u"copy.db"_s));
        const int after = committed;
        stop = true;
        writer.join();
        QVERIFY2(out.ok, qPrintable(out.message));
        const QString copy = dir.filePath(u"copy.db"_s);
        QCOMPARE(StoreFile::inspect(copy, StoreFile::Depth::Everything).problem, QString());
        const int rentals = valueIn(copy, u"SELECT COUNT(*) FROM tblRentals"_s).toInt();
        QVERIFY2(rentals >= before && rentals <= after, qPrintable(u"%1 %2 %3"_s.arg(before).arg(rentals).arg(after)));
        // Whole checkouts only: each rental with its receipt, line, stock and tape.
        QCOMPARE(valueIn(copy, u"SELECT (SELECT COUNT(*) FROM tblReceipts) || ' ' || (SELECT COUNT(*) FROM "
                               "tblSalesDetails) || ' ' || (SELECT 100000 - Quantity FROM tblInventory) || ' ' || "
                               "(SELECT COUNT(*) FROM tblVideos WHERE InStore = 0)"_s)
                     .toString(),
                 u"%1 %1 %1 %1"_s.arg(rentals));
        QCOMPARE(entries(dir.path()), QStringList{u"copy.db"_s});

        // Never over an existing file.
        const QByteArray kept = bytes(copy);
        const Backup::Outcome again = Backup::copy(s.path(), copy);
        QVERIFY(!again.ok && again.message.contains(u"already exists"_s));
        QVERIFY(bytes(copy) == kept);
    }

    void dailyCopyOncePerDayKeepsFourteen()
    {
        TestStore s;
        const QString folder = StoreLocation::backupsFolder(s.path());
        QVERIFY(QDir().mkpath(folder));
        // Fourteen days already kept, and a copy of something else.
        for (int day = 1; day <= 14; ++day)
            QVERIFY(Backup::copy(s.path(), u"%1/video-2026-02-%2.db"_s.arg(folder).arg(day, 2, 10, QChar(u'0'))).ok);
        QFile other(folder + u"/notes.txt"_s);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();

        s.addMember(1, u"Ann"_s, u"Smith"_s);
        Backup::Daily first = Backup::makeDaily(s.path(), Today);
        QVERIFY2(first.made && first.error.isEmpty(), qPrintable(first.error));
        QCOMPARE(first.path, folder + u"/video-2026-03-01.db"_s);
        QCOMPARE(valueIn(first.path, u"SELECT COUNT(*) FROM tblMembers"_s).toInt(), 2);
        QStringList kept = entries(folder);
        QCOMPARE(kept.size(), 15);
        QVERIFY(!kept.contains(u"video-2026-02-01.db"_s) && kept.contains(u"notes.txt"_s)); // the oldest went

        // A second start on the same day leaves the day's copy as it is.
        s.addMember(2, u"Bob"_s, u"Jones"_s);
        const Backup::Daily second = Backup::makeDaily(s.path(), Today);
        QVERIFY(!second.made && second.error.isEmpty());
        QCOMPARE(valueIn(first.path, u"SELECT COUNT(*) FROM tblMembers"_s).toInt(), 2);
        QCOMPARE(entries(folder), kept);
    }

    void failingDailyCopyToldWithoutBlocking()
    {
        TestStore s;
        // A file where the backups folder should go.
        QFile blocker(StoreLocation::backupsFolder(s.path()));
        QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("x") == 1);
        blocker.close();
        ScriptedWindowSystem ws;
        DailyBackup daily(s.path(), Today, ws);
        QSignalSpy finished(&daily, &DailyBackup::finished);
        daily.start();
        QVERIFY(!daily.isDone()); // the caller goes on at once
        QVERIFY(finished.wait(10000));
        QVERIFY2(ws.last().prompt.startsWith(u"Today's backup copy of the store could not be made:"_s),
                 qPrintable(ws.last().prompt));
    }

    void copiesOnAFullDiskLeaveNothing()
    {
        TestStore s;
        // Large enough that the engine writes its copy out as it goes.
        s.exec(u"INSERT INTO tblMembers (CustomerNumber, LastName) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
               "SELECT i + 1 FROM n WHERE i < 30000) SELECT i, printf('%.200c', 'x') FROM n"_s);
        const QString folder = StoreLocation::backupsFolder(s.path());
        QVERIFY(QDir().mkpath(folder));
        if (QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s, u"tmpfs"_s, folder}) != 0)
            QSKIP("a small disk cannot be mounted here (needs root)");
        const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {folder}); });
        const Backup::Daily daily = Backup::makeDaily(s.path(), Today);
        QVERIFY(!daily.made);
        QCOMPARE(daily.error, u"%1 could not be written: the disk holding it is full."_s.arg(daily.path));
        QCOMPARE(entries(folder), QStringList());

        // Restored onto that disk, the copy does not fit: the store stays.
        const QString store = folder + u"/video.db"_s;
        QVERIFY(StoreFile::prepare(store).ok);
        const QByteArray before = bytes(store);
        const Backup::Outcome restored = Backup::restore(store, s.path(), QDateTime(Today, QTime(9, 0)));
        QVERIFY2(!restored.ok && restored.message.contains(u"the disk holding it is full."_s)
                     && restored.message.endsWith(u"The store is as it was."_s),
                 qPrintable(restored.message));
        QVERIFY(bytes(store) == before);
        QCOMPARE(entries(folder), QStringList{u"video.db"_s});
    }

    void copiesForTheOwnerAlone()
    {
        TestStore s;
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        QTemporaryDir dir;
        const QString copy = dir.filePath(u"copy.db"_s);
        QVERIFY(Backup::copy(s.path(), copy).ok);
        const Backup::Daily daily = Backup::makeDaily(s.path(), Today);
        QVERIFY2(daily.made, qPrintable(daily.error));
        QCOMPARE(accessOf(daily.path), ownerOnly);
        QCOMPARE(accessOf(StoreLocation::backupsFolder(s.path())), ownerOnly | QFile::ExeOwner);

        // Restored, the store is the owner's alone, whatever its source was.
        QVERIFY(QFile::setPermissions(copy, ownerOnly | QFile::ReadGroup | QFile::ReadOther));
        QTemporaryDir storeDir;
        const QString store = storeDir.filePath(u"video.db"_s);
        QVERIFY(StoreFile::prepare(store).ok);
        QVERIFY(QFile::setPermissions(store, ownerOnly | QFile::ReadOther)); // as an older program left it
        const Backup::Outcome restored = Backup::restore(store, copy, QDateTime(Today, QTime(9, 0)));
        QVERIFY2(restored.ok, qPrintable(restored.message));
        QCOMPARE(accessOf(store), ownerOnly);
        QCOMPARE(accessOf(store + u".replaced-20260301-090000"_s), ownerOnly);
    }

    void restoreRefusesBadFilesAndKeepsTheOldStore()
    {
        // A store no other handle holds open, as when the program is closed.
        QTemporaryDir storeDir, dir;
        const QString path = storeDir.filePath(u"video.db"_s);
        QVERIFY(StoreFile::prepare(path).ok);
        const QString good = dir.filePath(u"good.db"_s);
        QVERIFY(Backup::copy(path, good).ok);

        // A damaged copy: the page of the member table overwritten.
        const QString damaged = dir.filePath(u"damaged.db"_s);
        QVERIFY(QFile::copy(good, damaged));
        {
            QFile f(damaged);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 page = valueIn(good, u"PRAGMA page_size"_s).toLongLong();
            const qint64 root = valueIn(good, u"SELECT rootpage FROM sqlite_master WHERE name = 'tblMembers'"_s).toLongLong();
            QVERIFY(f.seek((root - 1) * page + 8) && f.write(QByteArray(int(page) - 8, '\x5a')) == page - 8);
        }
        auto derived = [&](const QString &name, const QString &sql) {
            const QString file = dir.filePath(name);
            QFile::copy(good, file);
            valueIn(file, sql);
            return file;
        };
        const QString newer = derived(u"newer.db"_s, u"PRAGMA user_version = 99"_s);
        const QString notAStore = derived(u"notes.db"_s, u"DROP TABLE tblRentals"_s);

        const QByteArray before = bytes(path);
        const QDateTime now(Today, QTime(9, 30, 5));
        const std::pair<QString, QString> refusals[] = {{damaged, u"It is damaged"_s},
                                                        {newer, u"made by a newer version"_s},
                                                        {notAStore, u"not a Video Store database"_s},
                                                        {dir.filePath(u"missing.db"_s), u"no such file"_s}};
        for (const auto &[file, reason] : refusals) {
            const Backup::Outcome out = Backup::restore(path, file, now);
            QVERIFY2(!out.ok && out.message.startsWith(u"Restore refused: "_s) && out.message.contains(reason),
                     qPrintable(out.message));
            QVERIFY(bytes(path) == before);
            QCOMPARE(entries(storeDir.path()), QStringList{u"video.db"_s});
        }
        {
            // Another restore under way holds the name beside the store.
            StoreFile::Aside other(path + u".restoring"_s);
            QCOMPARE(other.claim(0), 0);
            const Backup::Outcome out = Backup::restore(path, good, now);
            QVERIFY2(!out.ok && out.message.contains(u"Another restore of"_s), qPrintable(out.message));
            QVERIFY(bytes(path) == before);
        }
        // Refused while a running program has the store open: the store-in-use tests.
    }
};

QTEST_MAIN(tst_Backup)
#include "tst_Backup.moc"
