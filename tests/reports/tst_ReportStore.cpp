#include "ReportTestData.h"

#include "reports/ReportCsv.h"
#include "reports/ReportLayout.h"
#include "reports/ReportStore.h"

#include <QFile>
#include <QTemporaryDir>

// The six commands against a real store file.
class tst_ReportStore : public QObject
{
    Q_OBJECT

private:
    static QList<ReportRow> all(ReportStore &store)
    {
        QList<ReportRow> rows;
        store.forEachRow([&](qint64, const ReportRow &r) {
            rows << r;
            return true;
        });
        return rows;
    }
    static QVariant at(const ReportRow &row, const ReportCommand &c, const char *column)
    {
        return row.value(c.column(QString::fromLatin1(column)));
    }
    // Pages of `size` rows from each of `firsts` hold the rows of one pass.
    static void samePages(ReportStore &store, const QList<ReportRow> &pass, const QList<qint64> &firsts, int size)
    {
        for (qint64 first : firsts) {
            const auto page = store.rows(first, size);
            QVERIFY(page);
            QCOMPARE(page->size(), std::min<qint64>(size, pass.size() - first));
            for (int i = 0; i < page->size(); ++i)
                QCOMPARE(page->at(i), pass[first + i]);
        }
    }
    static QStringList currency(const QList<Money> &sums)
    {
        QStringList out;
        for (Money m : sums)
            out << m.toCurrency();
        return out;
    }

private slots:
    void memberMovieAndDateListsKeepRetiredRowsAndLeaveOutMemberZero()
    {
        TestStore t;
        t.addMember(2, QStringLiteral("Ann"), QStringLiteral("Lee"));
        t.addMember(1, QStringLiteral("Bob"), QStringLiteral("Roy"), {}, {}, true);
        t.addMovie(10, QStringLiteral("Zulu Dawn"), 1, 2);
        t.addMovie(11, QStringLiteral("Gone Title"), 4, 1, true);
        t.addMovie(12, QStringLiteral("Alpha"), 1, 3);

        const ReportCommand &c = ReportCommands::customerList();
        ReportStore customers(t.path(), c);
        QVERIFY(customers.open());
        const QList<ReportRow> members = all(customers);
        QCOMPARE(members.size(), 2);
        QCOMPARE(at(members[0], c, "CustomerNumber").toInt(), 1);

        const ReportCommand &m = ReportCommands::movieType();
        ReportStore movies(t.path(), m);
        QVERIFY(movies.open());
        QCOMPARE(movies.groups()[1].key.toString(), QStringLiteral("Comedy"));
        QCOMPARE(movies.groups()[1].firstRow, 2);
        QCOMPARE(at(all(movies)[2], m, "Name").toString(), QStringLiteral("Gone Title"));

        // Customers by date: each receipt of the period, both end days in it.
        const char *days[] = {"2026-03-01", "2026-02-28", "2026-03-31", "2026-04-01", "2026-03-15"};
        for (int i = 0; i < 5; ++i)
            addReceipt(t, i + 1, 2, QString::fromLatin1(days[i]));
        const ReportCommand &d = ReportCommands::customersByDate();
        ReportStore byDate(t.path(), d, {QStringLiteral("2026-03-01"), QStringLiteral("2026-03-31")});
        QVERIFY(byDate.open());
        QStringList seen;
        for (const ReportRow &r : all(byDate))
            seen << at(r, d, "DateOfSale").toString() + u' ' + at(r, d, "CustomerNumber").toString();
        QCOMPARE(seen, QStringList({"2026-03-01 2", "2026-03-15 2", "2026-03-31 2"}));
    }

    void rentalRevenueSumsAreExact()
    {
        TestStore t;
        t.addMember(1, QStringLiteral("Ann"), QStringLiteral("Lee"));
        t.addMovie(1, QStringLiteral("One"), 1, 1);
        t.addTape(100, 1);
        addRental(t, 1, 1, 100, QStringLiteral("2026-03-01"));
        // A thousand rentals of each class, each a checkout of its own: the
        // sums are the taxes each was charged, to the cent.
        t.addMovie(2, QStringLiteral("Two"), 1, 2);
        t.addMovie(3, QStringLiteral("Three"), 1, 3);
        t.addTape(200, 2);
        t.addTape(300, 3);
        addRental(t, 2, 1, 200, QStringLiteral("2026-03-01"));
        addRental(t, 3, 1, 300, QStringLiteral("2026-03-01"));
        t.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999) "
                              "INSERT INTO tblRentals (RentalID, CustomerNumber, VideoID, RentalDate, DueDate, "
                              "Returned, RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, PST) "
                              "SELECT 10 + 3 * i + r.RentalID, 1, r.VideoID, '2026-03-02', '2026-03-04', 0, "
                              "r.RentalFee, r.RentalDays, r.LateFee, r.GSTRate, r.PSTRate, r.GST, r.PST "
                              "FROM n, tblRentals r WHERE r.RentalID <= 3"));
        t.exec(QStringLiteral("DELETE FROM tblRentals WHERE RentalID <= 3"));
        ReportStore many(t.path(), ReportCommands::rentalRevenue());
        QVERIFY(many.open());
        QCOMPARE(currency(many.totals()), QStringList({"$8,970.00", "$630.00", "$720.00", "$10,320.00"}));
        // Rentals of a tape gone from the store are not in its rows, nor in its sums.
        t.exec(QStringLiteral("DELETE FROM tblVideos WHERE VideoID = 300"));
        ReportStore fewer(t.path(), ReportCommands::rentalRevenue());
        QVERIFY(fewer.open());
        QCOMPARE(currency(fewer.totals()), QStringList({"$6,980.00", "$490.00", "$560.00", "$8,030.00"}));
    }

    void salesListEveryItemLineOnceAndEveryTapeSoldWithDaySums()
    {
        TestStore t;
        t.addItem(1, QStringLiteral("Popcorn"), QStringLiteral("5.00"), 10);
        t.addItem(2, QStringLiteral("Candy"), QStringLiteral("3.00"), 10);
        t.addMovie(1, QStringLiteral("One"), 1, 1);
        t.addTape(100, 1, false, true);
        t.addTape(101, 1, false, true);
        addReceipt(t, 1, 0, QStringLiteral("2026-03-01"));
        addSaleLine(t, 1, 1, 2);
        addSaleLine(t, 1, 2, 1);
        // Two tapes sold on the same receipt must not repeat its item line;
        // a receipt with no tape at all must still be listed.
        addReceipt(t, 2, 0, QStringLiteral("2026-03-02"));
        addSaleLine(t, 2, 2, 1);
        addTapeSold(t, 2, 100);
        addTapeSold(t, 2, 101);

        const ReportCommand &c = ReportCommands::salesReport();
        ReportStore s(t.path(), c);
        QVERIFY(s.open());
        QCOMPARE(currency(s.groupSums(0)), QStringList({"$13.00", "$0.91", "$1.04", "$14.95"}));
        // The second day: the candy and two tapes at $24.99.
        QCOMPARE(currency(s.groupSums(1)), QStringList({"$52.98", "$3.71", "$4.24", "$60.93"}));
        QStringList lines;
        for (const ReportRow &r : all(s))
            lines << QStringList({at(r, c, "SaleID").toString(), at(r, c, "ItemName").toString(),
                                  at(r, c, "QuantityPurchased").toString(), at(r, c, "Amount").toString()})
                         .join(u'|');
        QCOMPARE(lines, QStringList({"1|Popcorn|2|100000", "1|Candy|1|30000", "2|Candy|1|30000",
                                     "2|Tape 100: One|1|249900", "2|Tape 101: One|1|249900"}));
    }

    void saleLineOfUnknownAmountIsLeftBlank()
    {
        // A line an older store sold by the crate at no charge, then priced
        // at the most the program takes: its amount did not fit when the
        // store began keeping amounts, and is unknown.
        TestStore t;
        t.addItem(1, QStringLiteral("Crate"), QStringLiteral("100000000"), 10);
        t.addItem(2, QStringLiteral("Candy"), QStringLiteral("3.00"), 10);
        addReceipt(t, 1, 0, QStringLiteral("2026-03-01"));
        addSaleLine(t, 1, 1, 1);
        t.exec(QStringLiteral("UPDATE tblSalesDetails SET QuantityPurchased = 2000000000, Amount = NULL, GST = NULL, "
                              "PST = NULL WHERE ReceiptID = 1"));
        addReceipt(t, 2, 0, QStringLiteral("2026-03-02"));
        addSaleLine(t, 2, 2, 1);

        const ReportCommand &c = ReportCommands::salesReport();
        ReportStore s(t.path(), c);
        QVERIFY(s.open());
        const QList<ReportRow> rows = all(s);
        QCOMPARE(rows.size(), 2);
        QVERIFY(at(rows[0], c, "Amount").isNull());
        QVERIFY(at(rows[0], c, "TaxTotal").isNull());
        QCOMPARE(Money::fromUnits(at(rows[0], c, "Price").toLongLong()), Money::limit());
        QCOMPARE(currency(s.groupSums(1)), QStringList({"$3.00", "$0.21", "$0.24", "$3.45"}));
        QVERIFY(s.groupSums(0).isEmpty());
        QVERIFY(s.totals().isEmpty());
    }

    void farAndGroupedPagesAndTheSnapshotAgreeWithOnePass()
    {
        TestStore t;
        t.addMovie(1, QStringLiteral("One"), 1, 1);
        t.addTape(100, 1);
        t.addTape(101, 1);
        // Several tapes per checkout, so the seek column repeats.
        t.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 11999) "
                              "INSERT INTO tblRentals (RentalID, CustomerNumber, VideoID, RentalDate, DueDate) "
                              "SELECT 1 + i / 3, 1 + i % 7, 100 + i % 2, '2026-03-02', '2026-03-04' FROM n"));
        ReportStore s(t.path(), ReportCommands::rentalRevenue());
        QVERIFY(s.open());
        const QList<ReportRow> pass = all(s);
        QCOMPARE(pass.size(), 12000);
        samePages(s, pass, {0, 4990, 7001, 11950}, 60);
        // Rentals made while the report is open do not move its pages.
        addRental(t, 99999, 1, 100, QStringLiteral("2026-03-03"));
        const auto last = s.rows(11990, 20);
        QVERIFY(last);
        QCOMPARE(last->size(), 10);
        QCOMPARE(last->last(), pass.last());

        // A tape gone from the store drops its rentals from the join; pages
        // must then be counted over the join itself.
        t.exec(QStringLiteral("DELETE FROM tblVideos WHERE VideoID = 101"));
        ReportStore gaps(t.path(), ReportCommands::rentalRevenue());
        QVERIFY(gaps.open());
        QList<ReportRow> kept;
        for (const ReportRow &r : std::as_const(pass))
            if (r.value(ReportCommands::rentalRevenue().column(QStringLiteral("VideoID"))).toInt() == 100)
                kept << r;
        QCOMPARE(gaps.rowCount(), kept.size() + 1); // and the rental made meanwhile
        samePages(gaps, kept, {5500}, 40);

        // Grouped pages agree with one pass as well.
        t.addItem(1, QStringLiteral("Popcorn"), QStringLiteral("2.50"), 100);
        t.addItem(2, QStringLiteral("Candy"), QStringLiteral("1.25"), 100);
        t.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                              "INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) "
                              "SELECT i, '2026-01-' || CASE WHEN i % 28 < 9 THEN '0' ELSE '' END || (1 + i % 28), 0 "
                              "FROM n"));
        t.exec(QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased) "
                              "SELECT SaleID, 1 + SaleID % 2, 1 + SaleID % 5 FROM tblReceipts"));
        t.exec(QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased) "
                              "SELECT SaleID, 2, 2 FROM tblReceipts WHERE SaleID % 3 = 0"));
        ReportStore sales(t.path(), ReportCommands::salesReport());
        QVERIFY(sales.open());
        const QList<ReportRow> salesPass = all(sales);
        QCOMPARE(salesPass.size(), sales.rowCount());
        QList<qint64> firsts;
        for (qint64 first = 0; first < salesPass.size(); first += 37)
            firsts << first;
        samePages(sales, salesPass, firsts, 45);
    }

    // A spreadsheet written straight from the rows as fetched, read once,
    // holds the same bytes as one written from the report's own rows.
    void csvFromFetchedRowsIsTheSameAsFromReportRows()
    {
        TestStore t;
        t.addMember(5, QStringLiteral("Ann"), QStringLiteral("Lee"));
        t.addMovie(1, QStringLiteral("Café, \"Noir\"\nTwo"), 4, 1);
        t.addMovie(2, QStringLiteral("Déjà Vu"), 1, 3);
        t.addTape(100, 1);
        t.addTape(200, 2);
        for (int id = 1; id <= 4; ++id)
            addRental(t, id, 5, id % 2 ? 100 : 200, QStringLiteral("2026-03-0%1").arg(id));
        // Half cents go to the even cent; a fee not known stays empty.
        t.exec(QStringLiteral("UPDATE tblRentals SET RentalFee = ? WHERE RentalID = 2"), {qint64(-12345)});
        t.exec(QStringLiteral("UPDATE tblRentals SET RentalFee = ? WHERE RentalID = 3"), {qint64(12350)});
        t.exec(QStringLiteral("UPDATE tblRentals SET RentalFee = NULL WHERE RentalID = 4"));

        QTemporaryDir dir;
        const ReportLayout &layout = ReportLayouts::layout(ReportId::RentalRevenue);
        ReportCommand byRow = *layout.command;
        byRow.fetched.clear();
        ReportLayout rowLayout = layout;
        rowLayout.command = &byRow;
        auto written = [&](const ReportLayout &l, Database::Reading reading) {
            ReportStore store(t.path(), *l.command);
            const QString file = dir.filePath(QStringLiteral("r.csv"));
            qint64 rows = 0;
            QString error;
            if (!store.open(reading) || !ReportCsv::write(l, store, file, &error, &rows))
                qWarning("%s", qPrintable(error));
            QFile f(file);
            f.open(QIODevice::ReadOnly);
            return QPair<QByteArray, qint64>(f.readAll(), store.rowCount() == rows ? rows : -1);
        };
        const auto once = written(layout, Database::Reading::OnePass);
        QCOMPARE(once.second, 4);
        QCOMPARE(once.first,
                 QStringLiteral("Receipt Number,Date,Movie Name,Video ID,Customer's ID Number,Rental Price\r\n"
                                "1,2026-03-01,\"Café, \"\"Noir\"\"\nTwo\",100,5,3.99\r\n"
                                "2,2026-03-02,Déjà Vu,200,5,-1.23\r\n"
                                "3,2026-03-03,\"Café, \"\"Noir\"\"\nTwo\",100,5,1.24\r\n"
                                "4,2026-03-04,Déjà Vu,200,5,\r\n")
                     .toUtf8());
        QCOMPARE(written(rowLayout, Database::Reading::OnePass), once);
        QCOMPARE(written(layout, Database::Reading::Paged), once);
    }
};

QTEST_MAIN(tst_ReportStore)
#include "tst_ReportStore.moc"
