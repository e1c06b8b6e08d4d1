#include "ReportTestData.h"

#include "reports/ReportDocument.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Pages worked out from counts, painted page by page, written as PDF.
class tst_ReportDocument : public QObject
{
    Q_OBJECT

private:
    static void seedRentals(TestStore &t, int count)
    {
        t.addMember(1, QStringLiteral("Ann"), QStringLiteral("Lee"));
        t.addMovie(1, QStringLiteral("Night, \"Moves\""), 1, 1);
        t.addTape(100, 1);
        for (int i = 1; i <= count; ++i)
            addRental(t, i, 1, 100, QStringLiteral("2026-03-01"));
    }

    // Every row once, in order; every band inside the page; each page but
    // the first opening with the page header.
    static void checkLayout(ReportDocument &doc)
    {
        const int contentHeight = ReportDocument::PaperHeight - 2 * ReportDocument::Margin;
        qint64 next = 0;
        for (int page = 0; page < doc.pageCount(); ++page) {
            const QList<PlacedBand> bands = doc.bandsOn(page);
            QVERIFY(!bands.isEmpty());
            if (page > 0 && doc.layout().band(BandKind::PageHeader))
                QCOMPARE(bands.first().kind, BandKind::PageHeader);
            QCOMPARE(bands.last().kind, BandKind::PageFooter);
            for (int i = 0; i < bands.size(); ++i) {
                const PlacedBand &b = bands[i];
                const int h = doc.layout().height(b.kind) * int(b.kind == BandKind::Detail ? b.rowCount : 1);
                QVERIFY2(b.y + h <= contentHeight, "a band runs off the page");
                if (b.kind == BandKind::Detail) {
                    QCOMPARE(b.firstRow, next);
                    next += b.rowCount;
                }
                if (b.kind == BandKind::GroupHeader)
                    QVERIFY2(bands[i + 1].kind != BandKind::PageFooter, "a group heading alone at a page foot");
            }
        }
        QCOMPARE(next, doc.store().rowCount());
    }

private slots:
    void pagesHoldEveryRowOnceAndRepeatTheirHeadings()
    {
        TestStore t;
        seedRentals(t, 130);
        t.addItem(1, QStringLiteral("Popcorn"), QStringLiteral("2.50"), 100);
        for (int day = 1; day <= 9; ++day) {
            addReceipt(t, day, 1, QStringLiteral("2026-03-%1").arg(day, 2, 10, QLatin1Char('0')));
            for (int line = 0; line < 4 + day; ++line)
                addSaleLine(t, day, 1, 1);
        }
        QTemporaryDir dir;
        for (ReportId id : {ReportId::SalesReport, ReportId::RentalRevenue}) {
            const ReportLayout &layout = ReportLayouts::layout(id);
            ReportStore store(t.path(), *layout.command);
            QVERIFY(store.open());
            ReportDocument doc(layout, store);
            checkLayout(doc);
            QCOMPARE(doc.writePdf(dir.filePath(QStringLiteral("r.pdf"))), ReportDocument::Outcome::Done);
            QCOMPARE(pdfPages(dir.filePath(QStringLiteral("r.pdf"))), doc.pageCount());
        }
        // The rental revenue, written last, on three pages.
        const QStringList pages = pdfText(dir.filePath(QStringLiteral("r.pdf")), true).split(u'\f');
        QCOMPARE(pdfPages(dir.filePath(QStringLiteral("r.pdf"))), 3);
        QVERIFY(pages[0].contains(QStringLiteral("RENTAL REVENUE$")) && !pages[1].contains(QStringLiteral("RENTAL")));
        for (int p = 0; p < 3; ++p)
            QVERIFY(pages[p].contains(QStringLiteral("Page %1 of 3").arg(p + 1)));
        // The sums after the last row, each rental taxed as charged: 0.28 and 0.32 on 3.99.
        const qsizetype row = pages[2].indexOf(QStringLiteral("130"));
        QVERIFY(row >= 0 && row < pages[2].indexOf(QStringLiteral("SubTotal:")) && !pages[0].contains(u"SubTotal:"));
        for (const char *sum : {"$518.70", "$36.40", "$41.60", "$596.70"})
            QVERIFY2(pages[2].contains(QString::fromLatin1(sum)), sum);
    }

    void aReportWithoutRowsShowsHeadingsAndZeroSums()
    {
        TestStore t;
        QTemporaryDir dir;
        for (int i = 0; i < ReportCount; ++i) {
            const ReportLayout &layout = ReportLayouts::layout(ReportId(i));
            const ReportId id = ReportId(i);
            const QVariantList params =
                id == ReportId::MoviesByType                                ? QVariantList{4}
                : id == ReportId::CustomersByDate || id == ReportId::Taxes ? QVariantList{u"2026-01-01"_s, u"2026-12-31"_s}
                : id == ReportId::DayEnd || id == ReportId::Overdue        ? QVariantList{u"2026-01-01"_s}
                                                                            : QVariantList{};
            ReportStore store(t.path(), *layout.command, params);
            QVERIFY(store.open());
            ReportDocument doc(layout, store);
            QCOMPARE(doc.pageCount(), 1);
            const QString pdf = dir.filePath(layout.name + QStringLiteral(".pdf"));
            QCOMPARE(doc.writePdf(pdf), ReportDocument::Outcome::Done);
            QCOMPARE(pdfPages(pdf), 1);
        }
        const QString text = pdfText(dir.filePath(QStringLiteral("rptRentalRevenue.pdf")));
        QVERIFY(text.contains(QStringLiteral("Movie")));
        QCOMPARE(text.count(QStringLiteral("$0.00")), 4);
    }

    void aCancelledPdfLeavesTheOldFileAsItWas()
    {
        TestStore t;
        seedRentals(t, 200);
        const ReportLayout &layout = ReportLayouts::layout(ReportId::RentalRevenue);
        ReportStore store(t.path(), *layout.command);
        QVERIFY(store.open());
        ReportDocument doc(layout, store);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        int calls = 0;
        QCOMPARE(doc.writePdf(pdf, [&](int done, int total) {
                     ++calls;
                     return !(done == 2 && total == doc.pageCount());
                 }),
                 ReportDocument::Outcome::Cancelled);
        QCOMPARE(calls, 2);
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("r.pdf")});
    }
};

QTEST_MAIN(tst_ReportDocument)
#include "tst_ReportDocument.moc"
