#include "SampleStore.h"
#include "TestSupport.h"

#include "data/Schema.h"
#include "data/StoreFile.h"
#include "data/StoreIntegrity.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every row of a query on the store at `path`, cells joined by '|', read
// through a connection of the test's own.
QStringList rows(const QString &path, const QString &sql, const QVariantList &values = {})
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(path);
        QSqlQuery q(db.open() ? db : QSqlDatabase());
        q.prepare(sql);
        for (const QVariant &v : values)
            q.addBindValue(v);
        if (!q.exec())
            qFatal("%s: %s: %s", qPrintable(path), qPrintable(sql), qPrintable(q.lastError().text()));
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << q.value(i).toString();
            out << cells.join(u'|');
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    return out;
}

// The first column of the first row as a number.
int number(const QString &path, const QString &sql)
{
    return valueIn(path, sql).toInt();
}

// Every row of every table, for comparing two stores.
QStringList dump(const QString &path)
{
    QStringList all;
    for (const QString &table : Schema::tableNames())
        all << table << rows(path, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
    return all;
}

} // namespace

class tst_SampleStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The full shape at a hundredth, over one year so tapes still turn over.
        const SampleStore::Counts f = SampleStore::fullCounts();
        m_asked = {f.members / 100,   f.titles / 100,    f.tapes / 100,      f.checkouts / 100, f.rentals / 100,
                   f.receipts / 100,  f.itemLines / 100, f.tapeSales / 100, f.stockItems / 100, 365};
        QString error;
        QVERIFY2(SampleStore::write(m_full, SampleStore::Size::Full, false, &m_asked, &m_fullSummary, &error),
                 qPrintable(error));
        QVERIFY2(SampleStore::write(m_demo, SampleStore::Size::Demo, false, nullptr, nullptr, &error),
                 qPrintable(error));
    }

    void demoFillsEveryTableTheSameOnEveryRun()
    {
        const QString &path = m_demo;
        // Something for every window and report to show.
        for (const char *where :
             {"tblMembers WHERE FeesOwing > 0", "tblCreditInfo WHERE Visa <> '0'", "tblMovies WHERE Deleted = 1",
              "tblVideos WHERE ForSale = 1 AND InStore = 1", "tblRentals WHERE Returned = 1", "tblReceipts",
              "tblRentals WHERE Returned = 0 AND DueDate < date('now', 'localtime')", // overdue
              "tblRentals WHERE Returned = 0 AND DueDate >= date('now', 'localtime')",
              "tblHolds WHERE State = 'waiting'", "tblHolds WHERE State = 'ready'",
              // The sales report may list only receipts that sold a tape and items together.
              "tblVideosSold s JOIN tblSalesDetails d ON d.ReceiptID = s.ReceiptID",
              // Its money in the ledger, paid every way the counter takes.
              "tblLedger WHERE Kind = 'checkout' AND Method = 6 AND Tendered > Total", "tblLedger WHERE Method = 1"})
            QVERIFY2(number(path, QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(where)) > 0, where);
        // 40 members, one retired; households of two at most share a phone; five genres; rentals of all
        // three price classes; at least ten items on sale.
        QCOMPARE(rows(path, QStringLiteral("SELECT (SELECT COUNT(*) FROM tblMembers WHERE CustomerNumber > 0), "
                                              "(SELECT COUNT(*) FROM tblMembers WHERE Deleted = 1), (SELECT MAX(n) "
                                              "FROM (SELECT COUNT(*) AS n FROM tblMembers WHERE CustomerNumber > 0 "
                                              "GROUP BY HomePhone)), (SELECT COUNT(DISTINCT CategoryID) FROM "
                                              "tblMovies), (SELECT COUNT(DISTINCT m.PriceClass) FROM tblRentals r "
                                              "JOIN tblVideos v ON v.VideoID = r.VideoID JOIN tblMovies m ON "
                                              "m.MovieNum = v.MovieNum), (SELECT COUNT(*) >= 10 FROM tblInventory "
                                              "WHERE Deleted = 0)")),
                 QStringList{"40|1|2|5|3|1"});
        // For its owner alone, and no more of a card number than its last four digits.
        QCOMPARE(accessOf(path), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(number(path, QStringLiteral("SELECT COUNT(*) FROM tblCreditInfo WHERE LENGTH(Visa) > 4 OR "
                                             "LENGTH(MasterCard) > 4 OR LENGTH(Sears) > 4")),
                 0);
        // One ledger entry for each checkout and sale, linked as the program links them.
        QCOMPARE(number(path, QStringLiteral("SELECT (SELECT COUNT(*) FROM tblLedger) - (SELECT COUNT(DISTINCT "
                                             "RentalID) FROM tblRentals) - (SELECT COUNT(*) FROM tblReceipts)")),
                 0);
        for (const QString &store : {m_demo, m_full}) {
            const StoreIntegrity::Report checked = StoreIntegrity::check(store);
            QVERIFY2(checked.problems.isEmpty(), qPrintable(checked.problems.join(u'\n')));
            QVERIFY(checked.ledgerEntries > 0);
        }
        const StoreFile::Outcome opened = StoreFile::prepare(path);
        QVERIFY2(opened.ok && !opened.created, qPrintable(opened.message));

        // The same on every run; a folder it makes is for its owner alone.
        const QString again = m_dir.filePath(QStringLiteral("again/video.db"));
        QVERIFY(SampleStore::write(again, SampleStore::Size::Demo, false, nullptr, nullptr, nullptr));
        QCOMPARE(dump(again), dump(m_demo));
        QCOMPARE(accessOf(m_dir.filePath(QStringLiteral("again"))), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void existingFileIsKeptWithoutForce()
    {
        const QString path = m_dir.filePath(QStringLiteral("kept.db"));
        for (const QString &file : {path, path + QStringLiteral("-wal")}) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a store") > 0);
        }
        QString error;
        QVERIFY(!SampleStore::write(path, SampleStore::Size::Demo, false, nullptr, nullptr, &error));
        QVERIFY2(error.contains(QStringLiteral("kept.db")), qPrintable(error));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("not a store"));
        QVERIFY(!QFile::exists(path + QStringLiteral(".new")));

        QVERIFY2(SampleStore::write(path, SampleStore::Size::Demo, true, nullptr, nullptr, &error), qPrintable(error));
        // A stale -wal beside the new file would be read as part of it.
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
        QCOMPARE(number(path, QStringLiteral("SELECT COUNT(*) FROM tblMembers")), 41);

        // The store a first start makes holds nothing, so it is replaced
        // without --force; one member more and it is kept.
        const QString fresh = m_dir.filePath(QStringLiteral("fresh.db"));
        QVERIFY(StoreFile::prepare(fresh).ok);
        QVERIFY2(SampleStore::write(fresh, SampleStore::Size::Demo, false, nullptr, nullptr, &error), qPrintable(error));
        QCOMPARE(number(fresh, QStringLiteral("SELECT COUNT(*) FROM tblMembers")), 41);
        const QString used = m_dir.filePath(QStringLiteral("used.db"));
        QVERIFY(StoreFile::prepare(used).ok);
        rows(used, QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName) VALUES (1, 'Popcorn')"));
        QVERIFY(!SampleStore::write(used, SampleStore::Size::Demo, false, nullptr, nullptr, &error));
        QCOMPARE(number(used, QStringLiteral("SELECT COUNT(*) FROM tblInventory")), 1);
    }

    void fullShapeIsConsistent_data()
    {
        QTest::addColumn<QString>("offending");
        const QString rentals = QStringLiteral("FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID "
                                               "JOIN tblMovies m ON m.MovieNum = v.MovieNum ");
        QTest::newRow("rental of a missing tape, or by a missing or walk-in member")
            << "FROM tblRentals r WHERE r.VideoID NOT IN (SELECT VideoID FROM tblVideos) OR r.CustomerNumber "
               "NOT IN (SELECT CustomerNumber FROM tblMembers WHERE CustomerNumber > 0)";
        QTest::newRow("rental in the future or due off its price class")
            << rentals + "WHERE r.RentalDate > date('now', 'localtime') "
                         "OR r.DueDate <> date(r.RentalDate, '+' || (m.PriceClass + 1) || ' days')";
        QTest::newRow("open rental of a tape on the shelf, or of a retired member, tape or title")
            << rentals + "JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber WHERE r.Returned = 0 "
                         "AND (v.InStore <> 0 OR c.Deleted = 1 OR v.Deleted = 1 OR m.Deleted = 1)";
        QTest::newRow("tape on two open rentals or sold twice")
            << "FROM (SELECT VideoID FROM tblRentals WHERE Returned = 0 GROUP BY VideoID HAVING COUNT(*) > 1 "
               "UNION ALL SELECT VideoID FROM tblVideosSold GROUP BY VideoID HAVING COUNT(*) > 1)";
        QTest::newRow("tape off the shelf for no reason")
            << "FROM tblVideos v WHERE v.InStore = 0 AND v.Deleted = 0 "
               "AND v.VideoID NOT IN (SELECT VideoID FROM tblRentals WHERE Returned = 0) "
               "AND v.VideoID NOT IN (SELECT VideoID FROM tblVideosSold)";
        QTest::newRow("sold tape still for rent or on the shelf")
            << "FROM tblVideosSold s JOIN tblVideos v ON v.VideoID = s.VideoID WHERE v.ForRent = 1 OR v.InStore = 1";
        QTest::newRow("tape rented after its sale")
            << "FROM tblRentals r JOIN tblVideosSold s ON s.VideoID = r.VideoID "
               "JOIN tblReceipts t ON t.SaleID = s.ReceiptID WHERE r.RentalDate > t.DateOfSale";
        QTest::newRow("item line of a missing receipt or item")
            << "FROM tblSalesDetails d WHERE d.ReceiptID NOT IN (SELECT SaleID FROM tblReceipts) "
               "OR d.InventoryID NOT IN (SELECT InventoryID FROM tblInventory)";
        QTest::newRow("receipt with nothing on it")
            << "FROM tblReceipts t WHERE t.SaleID NOT IN (SELECT ReceiptID FROM tblSalesDetails) "
               "AND t.SaleID NOT IN (SELECT ReceiptID FROM tblVideosSold)";
        QTest::newRow("shared driver's licence")
            << "FROM (SELECT DriverLicence FROM tblMembers WHERE CustomerNumber > 0 GROUP BY 1 HAVING COUNT(*) > 1)";
        QTest::newRow("hold of a retired member, on a title with no copy for rent, or its tape not on the shelf")
            << "FROM tblHolds h JOIN tblMembers c ON c.CustomerNumber = h.CustomerNumber LEFT JOIN tblVideos v ON "
               "v.VideoID = h.VideoID WHERE c.Deleted = 1 OR NOT EXISTS (SELECT 1 FROM tblVideos w WHERE "
               "w.MovieNum = h.MovieNum AND w.ForRent = 1 AND w.Deleted = 0) OR (h.State = 'ready' AND "
               "(v.InStore <> 1 OR v.MovieNum <> h.MovieNum))";
        QTest::newRow("money not stored as whole units")
            << "FROM (SELECT SalePrice AS amount FROM tblVideos UNION ALL SELECT FeesOwing FROM tblMembers "
               "UNION ALL SELECT Price FROM tblInventory) WHERE typeof(amount) <> 'integer'";
    }
    void fullShapeIsConsistent()
    {
        QFETCH(QString, offending);
        QCOMPARE(number(m_full, QStringLiteral("SELECT COUNT(*) ") + offending), 0);
    }

    void fullShapeKeepsItsCounts()
    {
        const SampleStore::Counts &made = m_fullSummary.written;
        // No gaps after walk-in 0: the next member number is the row count.
        QCOMPARE(rows(m_full, QStringLiteral("SELECT COUNT(*), MAX(CustomerNumber) FROM tblMembers")),
                 QStringList{u"%1|%2"_s.arg(m_asked.members + 1).arg(m_asked.members)});
        QCOMPARE(rows(m_full, QStringLiteral("SELECT (SELECT COUNT(*) FROM tblVideos), COUNT(*), COUNT(DISTINCT "
                                             "RentalID), (SELECT COUNT(*) FROM tblVideosSold) FROM tblRentals")),
                 QStringList{u"%1|%2|%3|%4"_s.arg(m_asked.tapes).arg(made.rentals).arg(made.checkouts).arg(made.tapeSales)});
        QVERIFY(made.rentals >= m_asked.rentals * 95 / 100 && made.tapeSales >= m_asked.tapeSales * 95 / 100);
        // Without open and overdue rentals the checks above would prove little.
        QVERIFY(number(m_full, QStringLiteral("SELECT MIN(SUM(DueDate < date('now', 'localtime')), SUM(DueDate >= "
                                              "date('now', 'localtime'))) FROM tblRentals WHERE Returned = 0")) > 0);
    }

private:
    QTemporaryDir m_dir;
    const QString m_full = m_dir.filePath(QStringLiteral("full.db"));
    const QString m_demo = m_dir.filePath(QStringLiteral("demo.db"));
    SampleStore::Counts m_asked;
    SampleStore::Summary m_fullSummary;
};

QTEST_MAIN(tst_SampleStore)
#include "tst_SampleStore.moc"
