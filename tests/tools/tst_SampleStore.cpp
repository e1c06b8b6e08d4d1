#include "SampleStore.h"

#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "counter/frmCheckout.h"
#include "data/Schema.h"
#include "data/StoreDate.h"
#include "data/StoreFile.h"

#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include "ui/ScriptedWindowSystem.h"

namespace {

// A connection of the test's own on a written store, closed when done.
class Reader final
{
public:
    explicit Reader(const QString &path)
        : m_name(QStringLiteral("reader-%1").arg(++s_opened))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
    }
    ~Reader()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(Reader)

    QSqlQuery query(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        q.prepare(sql);
        for (const QVariant &v : values)
            q.addBindValue(v);
        if (!q.exec())
            qFatal("query failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return q;
    }
    QVariant value(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery q = query(sql, values);
        return q.next() ? q.value(0) : QVariant();
    }
    int number(const QString &sql, const QVariantList &values = {}) const { return value(sql, values).toInt(); }

    // Every row of every table, for comparing two stores.
    QStringList dump() const
    {
        QStringList rows;
        for (const QString &table : Schema::tableNames()) {
            QSqlQuery q = query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
            while (q.next()) {
                QStringList cells{table};
                for (int i = 0; i < q.record().count(); ++i)
                    cells << q.value(i).toString();
                rows << cells.join(QLatin1Char('|'));
            }
        }
        return rows;
    }

private:
    static inline int s_opened = 0;
    QString m_name;
};

QString today()
{
    return StoreDate::toText(QDate::currentDate());
}

} // namespace

class tst_SampleStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void demoFillsEveryWindowAndReport();
    void demoOpensAtTheCounter();
    void demoIsTheSameOnEveryRun();
    void existingFileIsKeptWithoutForce();
    void fullShapeIsConsistent_data();
    void fullShapeIsConsistent();
    void fullShapeKeepsItsCounts();

private:
    QTemporaryDir m_dir;
    QString m_full;
    SampleStore::Counts m_asked;
    SampleStore::Summary m_fullSummary;
};

void tst_SampleStore::initTestCase()
{
    // The full shape at a hundredth, over one year so tapes still turn over.
    const SampleStore::Counts full = SampleStore::fullCounts();
    m_asked = {full.members / 100, full.titles / 100,    full.tapes / 100,     full.checkouts / 100,
               full.rentals / 100, full.receipts / 100,  full.itemLines / 100, full.tapeSales / 100,
               full.stockItems / 100, 365};
    m_full = m_dir.filePath(QStringLiteral("full.db"));
    QString error;
    QVERIFY2(SampleStore::write(m_full, SampleStore::Size::Full, false, &m_asked, &m_fullSummary, &error),
             qPrintable(error));
}

void tst_SampleStore::demoFillsEveryWindowAndReport()
{
    const QString path = m_dir.filePath(QStringLiteral("demo.db"));
    SampleStore::Summary s;
    QString error;
    QVERIFY2(SampleStore::write(path, SampleStore::Size::Demo, false, nullptr, &s, &error), qPrintable(error));
    {
        const Reader db(path);
        QCOMPARE(db.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblMembers WHERE CustomerNumber > 0")), 40);
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblMembers WHERE Deleted = 1")), 1);
        QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblMembers WHERE FeesOwing > 0")) > 0);
        // Households share a home phone, two members at most.
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblMembers WHERE CustomerNumber > 0 "
                                          "GROUP BY HomePhone ORDER BY 1 DESC")),
                 2);
        QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblCreditInfo WHERE Visa <> '0'")) > 0);
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(DISTINCT CategoryID) FROM tblMovies")), 5);
        QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblMovies WHERE Deleted = 1")) > 0);
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblVideos")), s.written.tapes);
        QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblVideos WHERE ForSale = 1 AND InStore = 1")) > 0);
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(DISTINCT m.PriceClass) FROM tblRentals r JOIN tblVideos v "
                                          "ON v.VideoID = r.VideoID JOIN tblMovies m ON m.MovieNum = v.MovieNum")),
                 3);
        QVERIFY(s.openRentals > 0 && s.overdueRentals > 0);
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE Returned = 0")), s.openRentals);
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE Returned = 0 AND DueDate < ?"),
                           {today()}),
                 s.overdueRentals);
        QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE Returned = 1")) > 0);
        QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblSalesDetails")), s.written.itemLines);
        QVERIFY(s.written.itemLines > 0 && s.written.tapeSales > 0);
        // The sales report may list only receipts that sold a tape and items together.
        QVERIFY(db.number(QStringLiteral("SELECT COUNT(DISTINCT s.ReceiptID) FROM tblVideosSold s "
                                         "JOIN tblSalesDetails d ON d.ReceiptID = s.ReceiptID")) > 0);
        QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblInventory WHERE Deleted = 0")) >= 10);
    }
    const StoreFile::Outcome opened = StoreFile::prepare(path);
    QVERIFY2(opened.ok, qPrintable(opened.message));
    QVERIFY(!opened.created);
}

void tst_SampleStore::demoOpensAtTheCounter()
{
    const QString path = m_dir.filePath(QStringLiteral("counter.db"));
    QString error;
    QVERIFY2(SampleStore::write(path, SampleStore::Size::Demo, false, nullptr, nullptr, &error), qPrintable(error));
    QVariant member, tape, item;
    {
        const Reader db(path);
        member = db.value(QStringLiteral("SELECT CustomerNumber FROM tblMembers WHERE Deleted = 0 AND "
                                         "CustomerNumber > 0 AND FeesOwing > 0"));
        tape = db.value(QStringLiteral("SELECT v.VideoID FROM tblVideos v JOIN tblMovies m ON m.MovieNum = "
                                       "v.MovieNum WHERE v.ForRent = 1 AND v.InStore = 1 AND v.Deleted = 0 AND "
                                       "m.Deleted = 0"));
        item = db.value(QStringLiteral("SELECT InventoryID FROM tblInventory WHERE Deleted = 0 AND Quantity > 0"));
    }
    QVERIFY(member.isValid() && tape.isValid() && item.isValid());

    ScriptedWindowSystem ws;
    ws.onUnscripted = [](const QString &why) { QTest::qFail(qPrintable(why), __FILE__, __LINE__); };
    WindowRegistry windows(path, ws);
    windows.main().show();
    frmCheckout &w = windows.checkout();
    w.show();
    w.txtMemberID->setText(member.toString());
    w.memberSource = 1;
    w.cmdDisplayInfo_Click();
    QCOMPARE(w.txtMemID2->text(), member.toString());
    w.txtVidID->setText(tape.toString());
    w.cmdAdd_Click();
    w.txtInvID->setText(item.toString());
    w.cmdBuy_Click();
    w.SSTab1->setCurrentIndex(3);
    w.optCash->click();
    w.txtCash->setText(QStringLiteral("100"));
    ws.answer(Answer::Yes);
    ws.answer(Answer::No);
    w.cmdCheckOut_Click();
    QCOMPARE(ws.prompts().size(), 2);
    QCOMPARE(w.List3->count(), 0);
    const Reader db(path);
    QCOMPARE(db.number(QStringLiteral("SELECT InStore FROM tblVideos WHERE VideoID = ?"), {tape}), 0);
}

void tst_SampleStore::demoIsTheSameOnEveryRun()
{
    const QString first = m_dir.filePath(QStringLiteral("first.db"));
    const QString second = m_dir.filePath(QStringLiteral("second.db"));
    QVERIFY(SampleStore::write(first, SampleStore::Size::Demo, false, nullptr, nullptr, nullptr));
    QVERIFY(SampleStore::write(second, SampleStore::Size::Demo, false, nullptr, nullptr, nullptr));
    QCOMPARE(Reader(first).dump(), Reader(second).dump());
}

void tst_SampleStore::existingFileIsKeptWithoutForce()
{
    const QString path = m_dir.filePath(QStringLiteral("kept.db"));
    for (const QString &file : {path, path + QStringLiteral("-wal")}) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a store");
    }
    QString error;
    QVERIFY(!SampleStore::write(path, SampleStore::Size::Demo, false, nullptr, nullptr, &error));
    QVERIFY2(error.contains(QStringLiteral("kept.db")), qPrintable(error));
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("not a store"));
    kept.close();
    QVERIFY(!QFile::exists(path + QStringLiteral(".new")));

    QVERIFY2(SampleStore::write(path, SampleStore::Size::Demo, true, nullptr, nullptr, &error), qPrintable(error));
    // A stale -wal beside the new file would be read as part of it.
    QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
    QVERIFY(StoreFile::prepare(path).ok);
    QCOMPARE(Reader(path).number(QStringLiteral("SELECT COUNT(*) FROM tblMembers")), 41);
}

void tst_SampleStore::fullShapeIsConsistent_data()
{
    QTest::addColumn<QString>("offending");
    const QString rentals = QStringLiteral("FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID "
                                           "JOIN tblMovies m ON m.MovieNum = v.MovieNum ");
    QTest::newRow("rental of a missing tape")
        << "FROM tblRentals r WHERE r.VideoID NOT IN (SELECT VideoID FROM tblVideos)";
    QTest::newRow("rental by a missing or walk-in member")
        << "FROM tblRentals r WHERE r.CustomerNumber NOT IN (SELECT CustomerNumber FROM tblMembers "
           "WHERE CustomerNumber > 0)";
    QTest::newRow("due date off its price class")
        << rentals + "WHERE r.DueDate <> date(r.RentalDate, '+' || (m.PriceClass + 1) || ' days')";
    QTest::newRow("rental in the future") << "FROM tblRentals r WHERE r.RentalDate > date('now', 'localtime')";
    QTest::newRow("open rental of a tape on the shelf") << rentals + "WHERE r.Returned = 0 AND v.InStore <> 0";
    QTest::newRow("tape on two open rentals")
        << "FROM (SELECT VideoID FROM tblRentals WHERE Returned = 0 GROUP BY VideoID HAVING COUNT(*) > 1)";
    QTest::newRow("open rental of a retired member, tape or title")
        << rentals + "JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber "
                     "WHERE r.Returned = 0 AND (c.Deleted = 1 OR v.Deleted = 1 OR m.Deleted = 1)";
    QTest::newRow("tape off the shelf for no reason")
        << "FROM tblVideos v WHERE v.InStore = 0 AND v.Deleted = 0 "
           "AND v.VideoID NOT IN (SELECT VideoID FROM tblRentals WHERE Returned = 0) "
           "AND v.VideoID NOT IN (SELECT VideoID FROM tblVideosSold)";
    QTest::newRow("sold tape still for rent or on the shelf")
        << "FROM tblVideosSold s JOIN tblVideos v ON v.VideoID = s.VideoID WHERE v.ForRent = 1 OR v.InStore = 1";
    QTest::newRow("tape sold twice") << "FROM (SELECT VideoID FROM tblVideosSold GROUP BY VideoID HAVING COUNT(*) > 1)";
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
    QTest::newRow("money not stored as whole units")
        << "FROM (SELECT SalePrice AS amount FROM tblVideos UNION ALL SELECT FeesOwing FROM tblMembers "
           "UNION ALL SELECT Price FROM tblInventory) WHERE typeof(amount) <> 'integer'";
}

void tst_SampleStore::fullShapeIsConsistent()
{
    QFETCH(QString, offending);
    QCOMPARE(Reader(m_full).number(QStringLiteral("SELECT COUNT(*) ") + offending), 0);
}

void tst_SampleStore::fullShapeKeepsItsCounts()
{
    const Reader db(m_full);
    const SampleStore::Counts &made = m_fullSummary.written;
    // No gaps after walk-in 0: the next member number is the row count.
    QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblMembers")), m_asked.members + 1);
    QCOMPARE(db.number(QStringLiteral("SELECT MAX(CustomerNumber) FROM tblMembers")), m_asked.members);
    QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblVideos")), m_asked.tapes);
    QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblRentals")), made.rentals);
    QCOMPARE(db.number(QStringLiteral("SELECT COUNT(DISTINCT RentalID) FROM tblRentals")), made.checkouts);
    QCOMPARE(db.number(QStringLiteral("SELECT COUNT(*) FROM tblVideosSold")), made.tapeSales);
    QVERIFY2(made.rentals >= m_asked.rentals * 95 / 100, qPrintable(QString::number(made.rentals)));
    QVERIFY2(made.tapeSales >= m_asked.tapeSales * 95 / 100, qPrintable(QString::number(made.tapeSales)));
    // Without open and overdue rentals the checks above would prove little.
    QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE Returned = 0 AND DueDate < ?"),
                      {today()}) > 0);
    QVERIFY(db.number(QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE Returned = 0 AND DueDate >= ?"),
                      {today()}) > 0);
}

QTEST_MAIN(tst_SampleStore)
#include "tst_SampleStore.moc"
