#include "ReportTestData.h"

#include "counter/frmCheckout.h"
#include "data/Pricing.h"
#include "data/Schema.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"
#include "reports/ReportCommandLine.h"
#include "reports/ReportDocument.h"
#include "returns/ReturnsStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

// What each checkout was charged, as the bill, the ledger and every report
// show it.
namespace {

const QDate Today(2026, 3, 4);

// Titles of each class, a tape for sale and two items; members 1 and 2.
void seed(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s);
    for (int c = 1; c <= 3; ++c) {
        s.addMovie(c, u"Class %1"_s.arg(c), 1, c);
        s.addTape(100 + c, c);
    }
    s.addTape(104, 1);
    s.addTape(201, 2, false, true, true, u"9.99"_s);
    s.addItem(1, u"Gum"_s, u"1.10"_s, 50);
    s.addItem(2, u"Chips"_s, u"2.49"_s, 50);
}

// One checkout at the counter, paid in cash: tapes rented, items bought
// ("item:quantity") and tapes bought.
void checkOut(TestStore &s, const QString &day, const QString &member, const QStringList &rented,
              const QStringList &bought, const QStringList &sold = {},
              std::function<void(frmCheckout &)> look = {})
{
    frmCheckout &w = s.windows().checkout();
    w.show();
    typeInto(*w.txtDate, day);
    if (!member.isEmpty())
        lookUp(w, w.txtMemberID, member);
    for (const QString &tape : rented)
        rent(w, tape);
    for (const QString &line : bought)
        buy(w, line.section(u':', 0, 0), line.section(u':', 1));
    for (const QString &tape : sold)
        buyVideo(w, tape);
    payBy(w, w.optCash);
    typeInto(*w.txtCash, u"1000"_s);
    if (look)
        look(w);
    s.ws().answer(Answer::Yes);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdCheckOut);
    QVERIFY2(w.List3->count() == 0, qPrintable(s.ws().prompts().join(u" | "_s)));
}

// Three days of business; the Gum alone comes to 1.10 + 0.08 + 0.09.
void business(TestStore &s)
{
    checkOut(s, u"2026-03-02"_s, u"1"_s, {u"101"_s, u"102"_s, u"103"_s}, {u"1:1"_s});
    checkOut(s, u"2026-03-03"_s, u"2"_s, {u"104"_s}, {u"2:3"_s}, {u"201"_s});
    checkOut(s, u"2026-03-04"_s, {}, {}, {u"1:1"_s});
}

// Every report a price could move, as it reads: rows, group sums, totals.
QStringList everyReport(TestStore &s)
{
    const QVariantList period{u"2026-03-01"_s, u"2026-03-31"_s};
    const std::pair<ReportId, QVariantList> reports[] = {{ReportId::RentalRevenue, {}},
                                                         {ReportId::SalesReport, {}},
                                                         {ReportId::CustomersByDate, period},
                                                         {ReportId::Taxes, period},
                                                         {ReportId::DayEnd, {u"2026-03-03"_s}}};
    QStringList out;
    for (const auto &[id, parameters] : reports) {
        const ReportCommand &c = *ReportLayouts::layout(id).command;
        ReportStore store(s.path(), c, parameters);
        if (!store.open())
            return {store.lastError().detail};
        store.forEachRow([&](qint64, const ReportRow &row) {
            QStringList cells;
            for (int i = 0; i < row.size(); ++i)
                cells << ReportDocument::format(row[i], c.columns[i].type, false);
            out << cells.join(u'|');
            return true;
        });
        for (int g = 0; g < store.groups().size(); ++g)
            for (Money m : store.groupSums(g))
                out << m.toPlainCents();
        for (Money m : store.totals())
            out << m.toPlainCents();
    }
    return out;
}

// The report as a script writes it, for March (or its 3rd): the file's name.
QString written(TestStore &s, const QString &report, const QTemporaryDir &dir, const char *kind)
{
    const QString file = dir.filePath(report + u'.' + QLatin1String(kind));
    QString said, why;
    QTextStream out(&said), err(&why);
    ReportRequest request{s.path(), report, {}, {}, {}, u"2026-03-01"_s, u"2026-03-31"_s, true, u"2026-03-03"_s};
    (qstrcmp(kind, "pdf") == 0 ? request.pdf : request.csv) = file;
    if (runReportCommand(request, out, err) != 0)
        qWarning("%s", qPrintable(why));
    return file;
}

// Each run of "SubTotal:", the taxes and "TOTAL:" a PDF prints, as read.
QList<QList<Money>> printedSums(const QString &text)
{
    static const QRegularExpression sum(u"(SubTotal|GST|PST|HST|TOTAL):\\s+\\$([0-9,]+\\.[0-9]{2})"_s);
    QList<QList<Money>> runs;
    for (auto m = sum.globalMatch(text); m.hasNext();) {
        const QRegularExpressionMatch one = m.next();
        if (one.captured(1) == u"SubTotal"_s)
            runs.append(QList<Money>());
        if (!runs.isEmpty())
            runs.last() << *Money::parse(one.captured(2));
    }
    return runs;
}

} // namespace

class tst_Charges : public QObject
{
    Q_OBJECT

private slots:
    void everyReportAddsUpToTheCentAndKeepsWhatWasCharged()
    {
        TestStore s;
        seed(s);
        business(s);
        QTemporaryDir dir;
        // The printed sums: TOTAL is the subtotal and the two taxes as shown.
        Money reportedGst, reportedPst;
        for (const QString &report : {u"rental-revenue"_s, u"daily-sales"_s}) {
            const QList<QList<Money>> sums = printedSums(pdfText(written(s, report, dir, "pdf"), true));
            QVERIFY2(!sums.isEmpty(), qPrintable(report));
            for (const QList<Money> &run : sums) {
                QCOMPARE(run.size(), 4);
                QCOMPARE(run[0] + run[1] + run[2], run[3]);
                reportedGst += run[1];
                reportedPst += run[2];
            }
        }
        // Taxes, from the ledger: each day and the period (after the note on
        // the ledger's start) add up, and hold the taxes the rental and sales
        // reports hold.
        const QList<QStringList> taxes = readCsv(written(s, u"taxes"_s, dir, "csv"));
        auto money = [](const QString &text) { return Money::parse(text).value_or(Money::limit()); };
        QCOMPARE(taxes.size(), 6);
        for (const QStringList &row : taxes.mid(2))
            QCOMPARE(money(row[2]) + money(row[3]) + money(row[4]), money(row[5]));
        QCOMPARE(money(taxes.last()[3]), reportedGst);
        QCOMPARE(money(taxes.last()[4]), reportedPst);

        // Past reports keep what was charged when the new release becomes a
        // discount title and the gum, the chips and the tape sold cost more.
        const QStringList before = everyReport(s);
        QVERIFY(before.size() > 20);
        s.exec(u"UPDATE tblMovies SET PriceClass = 3 WHERE MovieNum = 1"_s);
        s.exec(u"UPDATE tblInventory SET Price = Price * 2"_s);
        s.exec(u"UPDATE tblVideos SET SalePrice = 1499000 WHERE VideoID = 201"_s);
        QCOMPARE(everyReport(s), before);
    }

    void thirteenAndZeroPercentOnBillLedgerAndReports()
    {
        TestStore s;
        seed(s);
        // One tax of 13 % from today on; the second at 0 %.
        PriceChange first = Pricing::taxChange(Pricing::starting(), 1, Today), second = first;
        first.name = u"HST"_s;
        first.rate = 130000;
        second.number = 2;
        second.name = u"PST"_s;
        second.rate = 0;
        PriceStore prices(s.path());
        QVERIFY2(prices.record({first, second}, Today), qPrintable(prices.lastError().detail));

        // 8.97 at 13 %: 1.1661; the second tax is not on the bill.
        checkOut(s, u"2026-03-04"_s, u"1"_s, {u"101"_s}, {u"2:2"_s}, {}, [](frmCheckout &w) {
            QCOMPARE(QStringList({w.txtSubTotal->text(), w.txtGST->text(), w.txtTotal1->text()}),
                     QStringList({"8.97", "1.17", "10.14"}));
        });
        QCOMPARE(s.rows(u"SELECT SubTotal, GST, PST, Total FROM tblLedger"_s), u"89700|11700|0|101400"_s);
        // The lines share the bill's tax to the cent and keep the rates.
        QCOMPARE(s.rows(u"SELECT GSTRate, PSTRate, GST, PST FROM tblRentals"_s), u"130000|0|5200|0"_s);
        QCOMPARE(s.rows(u"SELECT GSTRate, PSTRate, GST, PST FROM tblSalesDetails"_s), u"130000|0|6500|0"_s);

        QTemporaryDir dir;
        for (const QString &report : {u"rental-revenue"_s, u"daily-sales"_s, u"taxes"_s, u"day-end"_s}) {
            const QString text = pdfText(written(s, report, dir, "pdf"), true);
            QVERIFY2(text.contains(u"HST"_s) && !text.contains(u"PST"_s), qPrintable(report + u": "_s + text));
        }
    }

    void olderStoreGetsTheChargesOfItsDay()
    {
        TestStore s;
        seed(s);
        // A store from before the step, with a rental and sales of its own.
        const Schema::Engine engine = onServer() ? Schema::Engine::PostgreSQL : Schema::Engine::SQLite;
        constexpr int BeforeCharges = 4;
        for (const QString &sql : downgradeTo(BeforeCharges, engine))
            s.exec(sql);
        s.exec(onServer() ? u"UPDATE tblVersion SET Version = %1"_s.arg(BeforeCharges)
                          : u"PRAGMA user_version = %1"_s.arg(BeforeCharges));
        s.exec(u"INSERT INTO tblRentals (RentalID, CustomerNumber, VideoID, RentalDate, DueDate, Returned) "
               "VALUES (1, 1, 102, '2026-03-01', '2026-03-04', 0)"_s);
        s.exec(u"INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (1, '2026-03-01', 0)"_s);
        // A price in tenths of a cent, a line that no longer fits, a tape sold.
        s.exec(u"UPDATE tblInventory SET Price = 3333 WHERE InventoryID = 1"_s);
        s.exec(u"UPDATE tblInventory SET Price = 1000000000000 WHERE InventoryID = 2"_s);
        s.exec(u"INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased) VALUES (1, 1, 3), "
               "(1, 2, 2000000000)"_s);
        s.exec(u"INSERT INTO tblVideosSold (ReceiptID, VideoID) VALUES (1, 201)"_s);

        const StoreFile::Outcome upgraded = onServer() ? ServerStore::prepare(s.path()) : StoreFile::prepare(s.path());
        QVERIFY2(upgraded.ok, qPrintable(upgraded.message));
        QCOMPARE(s.rows(u"SELECT RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, PST FROM tblRentals"_s),
                 u"29900|3|19900|70000|80000|2100|2400"_s);
        QCOMPARE(s.rows(u"SELECT Price, Amount, GST, PST FROM tblSalesDetails WHERE InventoryID = 1"_s),
                 u"3333|10000|700|800"_s);
        QCOMPARE(s.count(u"tblSalesDetails"_s, u"InventoryID = 2 AND Amount IS NULL AND GST IS NULL AND PST IS NULL"_s),
                 1);
        QCOMPARE(s.rows(u"SELECT Price, Amount, GST, PST FROM tblVideosSold"_s), u"99900|99900|7000|8000"_s);
        QCOMPARE(s.count(u"tblPrices"_s), Pricing::Classes + Pricing::Taxes);
        // Its return is charged the late fee now kept on it.
        const ReturnOutcome back = ReturnsStore(s.path()).returnTapes({102}, QDate(2026, 3, 6));
        QCOMPARE(back.charges, QList<Money>{*Money::parse(u"3.98")});
    }
};

QTEST_MAIN(tst_Charges)
#include "tst_Charges.moc"
