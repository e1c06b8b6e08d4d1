#include "ReportTestData.h"

#include "app/frmMain.h"
#include "data/StoreLocation.h"
#include "reports/ReportDocument.h"
#include "reports/ReportPreview.h"
#include "reports/frmCustomersByDate.h"
#include "reports/frmMovieByType.h"
#include "data/StoreDate.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Pages worked out from counts, painted page by page, written as PDF; the
// parameter dialogs and the preview window, driven as a manager does.
class tst_ReportWindows : public QObject
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

    static void seed(TestStore &t)
    {
        t.addMember(5, QStringLiteral("Ann"), QStringLiteral("Lee"));
        t.addMovie(1, QStringLiteral("Blast Off"), 1, 1);
        t.addMovie(2, QStringLiteral("Laugh Riot"), 4, 2);
        t.addMovie(3, QStringLiteral("Giggles"), 4, 3, true);
        addReceipt(t, 1, 5, QStringLiteral("2026-03-01"));
        addReceipt(t, 2, 5, QStringLiteral("2026-03-05"));
    }

    // The text of the preview's current report, through Save as PDF.
    static QString previewText(TestStore &t, ReportPreview &preview, const QString &pdf)
    {
        t.ws().saveAs(pdf);
        clickOn(*preview.cmdPdf);
        return pdfText(pdf, true);
    }

    static QByteArray fileBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
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
            if (id == ReportId::SalesReport)
                QVERIFY(pdfText(dir.filePath(QStringLiteral("r.pdf"))).contains(QStringLiteral("SALES")));
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

        // Cancelled on its second page, a PDF leaves the file already there as it was.
        const ReportLayout &revenue = ReportLayouts::layout(ReportId::RentalRevenue);
        ReportStore store(t.path(), *revenue.command);
        QVERIFY(store.open());
        ReportDocument doc(revenue, store);
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        const QByteArray old = fileBytes(pdf);
        int calls = 0;
        QCOMPARE(doc.writePdf(pdf, [&](int done, int total) {
                     ++calls;
                     return !(done == 2 && total == doc.pageCount());
                 }),
                 ReportDocument::Outcome::Cancelled);
        QCOMPARE(calls, 2);
        QCOMPARE(fileBytes(pdf), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("r.pdf")});
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

    void movieByTypeNeedsAGenreAndCustomersByDateBothDates()
    {
        TestStore t;
        seed(t);
        QTemporaryDir dir;
        frmMovieByType &dialog = t.windows().movieByType();
        dialog.show();
        clickOn(*dialog.Command1);
        QCOMPARE(shownWindows(), QStringList{QStringLiteral("frmMovieByType")});

        clickOn(*dialog.MyOpt[3]);
        clickOn(*dialog.Command1);
        ReportPreview &preview = t.windows().reportPreview(ReportId::MoviesByType);
        const QString text = previewText(t, preview, dir.filePath(QStringLiteral("m.pdf")));
        // Outside its window the report names itself in words.
        QCOMPARE(t.ws().suggestedNames().last(), QStringLiteral("List Of Movies By Type.pdf"));
        QVERIFY(text.contains(QStringLiteral("Comedy")) && text.contains(QStringLiteral("Laugh Riot"))
                && text.contains(QStringLiteral("Giggles")));
        QVERIFY(!text.contains(QStringLiteral("Blast Off")));
        // Closed, the preview hands the keyboard back to the dialog.
        preview.close();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(&dialog));

        // The genre outlives a trip to the main menu.
        clickOn(*dialog.cmdReturn);
        t.windows().movieByType().show();
        QVERIFY(dialog.MyOpt[3]->isChecked());
        clickOn(*dialog.MyOpt[0]);
        clickOn(*dialog.Command1);
        QVERIFY(previewText(t, preview, dir.filePath(QStringLiteral("a.pdf"))).contains(QStringLiteral("Blast Off")));

        // Customers by date waits for both dates and refuses bad ones.
        t.ws().clear();
        frmCustomersByDate &range = t.windows().customersByDate();
        range.show();
        typeInto(*range.Text1, QStringLiteral("2026-03-01"));
        QVERIFY(!range.Command1->isEnabled());
        range.Text1->clear();
        typeInto(*range.Text2, QStringLiteral("2026-03-05"));
        QVERIFY(range.Command1->isEnabled());
        clickOn(*range.Command1); // an empty start: nothing happens
        QVERIFY(t.ws().boxes().isEmpty() && !t.windows().reportPreview(ReportId::CustomersByDate).isVisible());

        const struct { const char *from, *to; QString message; } refused[] = {
            {"03/01/2026", "2026-03-05", StoreDate::invalidMessage(u"03/01/2026")},
            {"2026-03-01", "2026-02-30", StoreDate::invalidMessage(u"2026-02-30")},
            {"2026-03-06", "2026-03-05", frmCustomersByDate::rangeMessage()},
        };
        for (const auto &r : refused) {
            t.ws().clear();
            typeInto(*range.Text1, QString::fromLatin1(r.from));
            typeInto(*range.Text2, QString::fromLatin1(r.to));
            clickOn(*range.Command1);
            QCOMPARE(t.ws().prompts(), QStringList{r.message});
            QVERIFY(!t.windows().reportPreview(ReportId::CustomersByDate).isVisible());
        }

        // One day for both ends lists that day.
        t.ws().clear();
        typeInto(*range.Text1, QStringLiteral("2026-03-05"));
        typeInto(*range.Text2, QStringLiteral("2026-03-05"));
        clickOn(*range.Command1);
        ReportPreview &byDate = t.windows().reportPreview(ReportId::CustomersByDate);
        QVERIFY(byDate.isVisible() && range.isVisible());
        QCOMPARE(byDate.document()->store().rowCount(), 1);
    }

    void previewPagesPrintsAndSaves()
    {
        TestStore t;
        seedRentals(t, 120);
        QTemporaryDir dir;
        t.windows().main().show();
        t.windows().showReport(Report::RentalRevenue);
        ReportPreview &preview = t.windows().reportPreview(ReportId::RentalRevenue);
        QCOMPARE(preview.lblPages->text(), QStringLiteral("of 3"));
        clickOn(*preview.cmdLast);
        QCOMPARE(preview.page(), 2);
        typeInto(*preview.txtPage, QStringLiteral("2"));
        QTest::keyClick(preview.txtPage, Qt::Key_Return);
        QCOMPARE(preview.page(), 1);
        // The keys page as the buttons do; End alone stays where it is.
        QList<int> pages;
        for (const auto &[key, modifiers] : QList<QPair<Qt::Key, Qt::KeyboardModifiers>>{
                 {Qt::Key_PageDown, {}}, {Qt::Key_Home, Qt::ControlModifier}, {Qt::Key_End, {}},
                 {Qt::Key_End, Qt::ControlModifier}, {Qt::Key_PageUp, {}}}) {
            QTest::keyClick(&preview, key, modifiers);
            pages << preview.page();
        }
        QCOMPARE(pages, QList<int>({2, 0, 0, 2, 1}));

        // Print: the dialog is offered every page; the chosen range is printed.
        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        t.ws().printTo(printed, 3, 3);
        clickOn(*preview.cmdPrint);
        QCOMPARE(t.ws().printDialogs(), QList<int>{3});
        QCOMPARE(pdfPages(printed), 1);
        QVERIFY(pdfText(printed).contains(QStringLiteral("TOTAL:")));

        const QString saved = dir.filePath(QStringLiteral("saved.pdf"));
        t.ws().saveAs(saved);
        clickOn(*preview.cmdPdf);
        QCOMPARE(pdfPages(saved), 3);
        const QString csv = dir.filePath(QStringLiteral("saved.csv"));
        t.ws().saveAs(csv);
        clickOn(*preview.cmdCsv);
        QCOMPARE(fileBytes(csv).count("\r\n"), 121);

        // Saving over the store's own working file is refused, the file kept.
        if (!StoreLocation::isServer(t.path())) {
            const QString wal = t.path() + QStringLiteral("-wal");
            const QByteArray walBytes = fileBytes(wal);
            QVERIFY(QFile::exists(wal));
            for (QPushButton *save : {preview.cmdCsv, preview.cmdPdf}) {
                t.ws().saveAs(wal);
                clickOn(*save);
                QVERIFY2(t.ws().last().prompt.contains(QStringLiteral("is the store file or one of its own files")),
                         qPrintable(t.ws().last().prompt));
                QVERIFY(fileBytes(wal) == walBytes);
            }
        }
        t.ws().clear();

        // Closed, it lets go of the report; the main menu stays.
        preview.close();
        QVERIFY(!preview.document());
        QCOMPARE(shownWindows(), QStringList{QStringLiteral("frmMain")});
    }

    void aStoreThatFailsIsReportedAndNoPreviewOpens()
    {
        TestStore t;
        t.exec(QStringLiteral("DROP TABLE tblRentals"));
        t.windows().showReport(Report::RentalRevenue);
        QCOMPARE(t.ws().boxes().size(), 1);
        // A server names the table as it keeps it, in lower case.
        QVERIFY(t.ws().last().prompt.contains(QStringLiteral("tblRentals"), Qt::CaseInsensitive));
        QVERIFY(!t.windows().reportPreview(ReportId::RentalRevenue).isVisible());
    }
};

QTEST_MAIN(tst_ReportWindows)
#include "tst_ReportWindows.moc"
