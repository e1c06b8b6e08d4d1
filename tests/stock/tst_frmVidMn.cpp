#include "TestSupport.h"

#include "stock/frmRangeDialog.h"
#include "stock/frmSaleDialog.h"
#include "stock/frmVidMn.h"
#include "ui/FlexGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

void tape(TestStore &s, int videoId, int movieNum, int copy, bool deleted = false)
{
    s.addTape(videoId, movieNum, true, false, true, u"24.99"_s, deleted);
    s.exec(u"UPDATE tblVideos SET CopyNumber = ? WHERE VideoID = ?"_s, {copy, videoId});
}

void rentOut(TestStore &s, int videoId)
{
    s.addRental(1, 0, videoId, u"2026-03-01"_s, u"2026-03-03"_s);
    s.exec(u"UPDATE tblVideos SET InStore = 0 WHERE VideoID = ?"_s, {videoId});
}

frmVidMn &open(TestStore &s)
{
    frmVidMn &w = s.windows().vidMn();
    w.show();
    return w;
}

// Clicks the title's row and lists its tapes.
void showTapes(frmVidMn &w, int row)
{
    clickRow(*w.fgMovies, row);
    clickOn(*w.cmdShow);
}

QStringList enabled(const frmVidMn &w)
{
    return enabledNames({w.cmdAdd, w.cmdEdit, w.cmdDelete, w.cmdShow, w.cmdAddT, w.cmdChange, w.cmdDelTape,
                         w.cmdTools, w.chkRent, w.fgMovies, w.fgTapes});
}

QString tapeRow(TestStore &s, int videoId)
{
    return s.value(u"SELECT MovieNum||','||CopyNumber||','||ForRent||','||ForSale||','||InStore||','||SalePrice"
                   u"||','||Deleted FROM tblVideos WHERE VideoID = ?"_s,
                   {videoId})
        .toString();
}

// Title 1 with copies 1 to 6 (tapes 101 to 106), listed.
frmVidMn &listSixCopies(TestStore &s)
{
    s.addMovie(1, u"Alpha"_s, 1, 1);
    for (int copy = 1; copy <= 6; ++copy)
        tape(s, 100 + copy, 1, copy);
    frmVidMn &w = open(s);
    showTapes(w, 1);
    return w;
}

// Scripts the next range tool: each text typed into Text1, Text2 (and Text3), then Enter.
void typeRange(TestStore &s, const QStringList &texts)
{
    s.ws().dialog([texts](QDialog &d) {
        QLineEdit *box = nullptr;
        for (int i = 0; i < texts.size(); ++i) {
            box = child<QLineEdit>(d, qPrintable(u"Text%1"_s.arg(i + 1)));
            QVERIFY(box->text().isEmpty());
            typeInto(*box, texts[i]);
        }
        keepScreenshot(d, texts.size() == 3 ? u"sale-dialog.png"_s : u"range-dialog.png"_s);
        QTest::keyClick(box, Qt::Key_Return);
    });
}

// One column of every tape, in VideoID order.
QString videos(TestStore &s, const char *columns)
{
    return s.rows(u"SELECT %1 FROM tblVideos ORDER BY VideoID"_s.arg(QLatin1String(columns)));
}

} // namespace

class tst_frmVidMn : public QObject
{
    Q_OBJECT

private slots:
    void titlesListedAddedChangedAndNumberedPastEveryRow();
    void retiringAsksFirstAndWaitsForTapesOut();
    void tapeListingAndAddTapesNumbering();
    void changeTapeByIdAndButtonStates();
    void rangeToolsActOnlyOnListedCopiesInRange();
};

void tst_frmVidMn::titlesListedAddedChangedAndNumberedPastEveryRow()
{
    TestStore s;
    frmVidMn &w = open(s);
    clickOn(*w.cmdAdd);
    QCOMPARE(enabled(w), QStringList({"cmdAdd", "cmdEdit", "fgTapes"}));

    // No name, then no price class: refused by name, the edit stays open.
    clickOn(*w.cmdAdd);
    QCOMPARE(s.ws().last().prompt, u"Type the movie's name in the Name box."_s);
    typeInto(*w.txtName, u"Beta"_s);
    clickOn(*w.cmdAdd);
    QVERIFY(s.ws().last().prompt.contains(u"price class"_s));

    // Cancel stores nothing and leaves what was typed in the disabled fields.
    clickOn(*w.cmdEdit);
    QCOMPARE(s.count(u"tblMovies"_s), 0);
    QCOMPARE(w.txtName->text(), u"Beta"_s);
    QVERIFY(!w.txtName->isEnabled());
    // No row was ever clicked: there is no title to act on.
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Click a movie in the list first."_s);

    auto addTitle = [&](const QString &name, int type, int priceClass) {
        clickOn(*w.cmdAdd);
        typeInto(*w.txtName, name);
        w.cmbType->setCurrentIndex(type);
        w.cmbPC->setCurrentIndex(priceClass);
        clickOn(*w.cmdAdd);
        return w.fgMovies->text(w.fgMovies->row(), 0);
    };
    // An empty catalogue numbers from 1; the fifth genre is stored as 5.
    QCOMPARE(addTitle(u"Night's End"_s, 4, 2), u"1"_s);
    QCOMPARE(s.value(u"SELECT Name||','||CategoryID||','||PriceClass||','||Deleted FROM tblMovies"_s).toString(),
             u"Night's End,5,3,0"_s);

    // Only live titles are listed; coming back does not fill the lists again.
    s.addMovie(2, u"Beta"_s, 9, 2);
    s.addMovie(3, u"Gone"_s, 2, 2, true);
    s.addMovie(7, u"Gamma"_s, 1, 3);
    // A retired title holding the next number pushes the new one past the highest.
    s.addMovie(8, u"Old"_s, 1, 1, true);
    s.addMovie(12, u"Older"_s, 1, 1, true);
    for (int i = 0; i < 2; ++i) {
        w.hide();
        w.show();
    }
    QCOMPARE(gridLines(*w.fgMovies),
             QStringList({"#|Name|Type|Actor|Actress|Rating|PC", "1|Night's End|Horror & Thriller||||3",
                          "2|Beta||Actor A|Actress B|PG|2", "7|Gamma|Action|Actor A|Actress B|PG|3"}));
    QCOMPARE(addTitle(u"Delta"_s, 0, 0), u"13"_s);

    // A change: the row's values, as clicked, are stored into that title.
    clickRow(*w.fgMovies, 3);
    clickOn(*w.cmdEdit);
    QVERIFY(!w.fgMovies->isEnabled());
    typeInto(*w.txtName, u"Gamma II"_s);
    w.cmbPC->setCurrentIndex(1);
    clickOn(*w.cmdAdd);
    QCOMPARE(s.value(u"SELECT Name||','||PriceClass FROM tblMovies WHERE MovieNum = 7"_s).toString(), u"Gamma II,2"_s);

    // An edit left open over Return, while a title is added before it, still
    // stores into its title; a tape edit made meanwhile does not unlock it.
    clickRow(*w.fgMovies, 2);
    clickOn(*w.cmdEdit);
    typeInto(*w.txtName, u"Beta Prime"_s);
    clickOn(*w.cmdReturn);
    s.addMovie(0, u"Zero"_s, 1, 1);
    w.show();
    QCOMPARE(w.txtName->text(), u"Beta Prime"_s);
    s.addTape(90, 2);
    clickOn(*w.cmdShow);
    clickRow(*w.fgTapes, 1);
    clickOn(*w.cmdChange);
    clickOn(*w.cmdChange);
    QVERIFY(!w.fgMovies->isEnabled() && !w.cmdDelete->isEnabled());
    clickOn(*w.cmdAdd);
    QCOMPARE(s.rows(u"SELECT Name FROM tblMovies WHERE MovieNum IN (0, 2) ORDER BY MovieNum"_s), u"Zero,Beta Prime"_s);
}

void tst_frmVidMn::retiringAsksFirstAndWaitsForTapesOut()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    s.addMovie(2, u"Beta"_s, 2, 2);
    tape(s, 10, 2, 1);
    tape(s, 11, 2, 2, true);
    tape(s, 12, 2, 3);
    for (int copy = 1; copy <= 3; ++copy)
        tape(s, 12 + copy, 1, copy);
    frmVidMn &w = open(s);
    const QString retired = u"SELECT VideoID FROM tblVideos WHERE Deleted = 1 ORDER BY VideoID"_s;

    // A tape is asked for by its ID and retired alone, but not while out.
    showTapes(w, 1);
    clickRow(*w.fgTapes, 2);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdDelTape);
    QCOMPARE(s.ws().last().prompt, u"Are you sure you want to delete video 14?"_s);
    QCOMPARE(s.rows(retired), u"11"_s);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelTape);
    QVERIFY(s.ws().last().prompt.startsWith(u"14 has been marked as deleted."_s));
    QCOMPARE(s.rows(retired), u"11,14"_s);
    rentOut(s, 15);
    clickRow(*w.fgTapes, 2);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelTape);
    QCOMPARE(s.ws().last().prompt, u"Tape 15 is out on rental. It can be marked as deleted once it is back."_s);
    QCOMPARE(s.rows(retired), u"11,14"_s);

    // A title takes all its tapes with it, but not while one is out: that
    // tape would be lost to the returns.
    clickRow(*w.fgMovies, 2);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Are you sure you want to delete the movie\r\nBeta?"_s);
    rentOut(s, 12);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt,
             u"1 tape of Beta is out on rental. The movie can be marked as deleted once it is back."_s);
    QCOMPARE(s.count(u"tblMovies"_s, u"Deleted = 1"_s), 0);
    QCOMPARE(s.rows(retired), u"11,14"_s);

    s.exec(u"UPDATE tblRentals SET Returned = 1"_s);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelete);
    QVERIFY(s.ws().last().prompt.startsWith(u"Beta has been marked as deleted."_s));
    QCOMPARE(s.rows(retired), u"10,11,12,14"_s);
    QCOMPARE(s.value(u"SELECT Deleted FROM tblMovies WHERE MovieNum = 2"_s).toInt(), 1);
    QCOMPARE(w.fgMovies->rows(), 2);
}

void tst_frmVidMn::tapeListingAndAddTapesNumbering()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    s.addMovie(2, u"Beta"_s, 2, 2);
    tape(s, 20, 2, 1);
    tape(s, 21, 2, 2);
    tape(s, 22, 2, 5);
    tape(s, 23, 2, 7, true);
    tape(s, 40, 1, 1, true);
    s.exec(u"UPDATE tblVideos SET ForSale = 1, SalePrice = 125000 WHERE VideoID = 21"_s);
    frmVidMn &w = open(s);
    // The copies go into the grid in one step, not row by row.
    QSignalSpy reset(w.fgTapes->model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(w.fgTapes->model(), &QAbstractItemModel::rowsInserted);
    showTapes(w, 2);
    QCOMPARE(QList<qsizetype>({reset.size(), inserted.size()}), QList<qsizetype>({1, 0}));
    QCOMPARE(gridLines(*w.fgTapes), QStringList({"CN|ID|For Rent|For Sale|In store|Sale price",
                                                 "1|20|True|False|True|24.99", "2|21|True|True|True|12.50",
                                                 "5|22|True|False|True|24.99"}));
    keepScreenshot(w, u"vidmn-tapes.png"_s);

    // Answers that are no count add nothing; only a count, even 0, presets the tape fields.
    const std::pair<QString, QString> answers[] = {{u"three"_s, u"\"three\" is not a valid number of tapes"_s},
                                                   {u"1001"_s, u"At most 1,000 tapes can be added at once."_s},
                                                   {QString(), u"How many tapes of Beta are being added?"_s},
                                                   {u"0"_s, u"How many tapes of Beta are being added?"_s}};
    clickRow(*w.fgTapes, 2);
    for (const auto &[answer, told] : answers) {
        s.ws().type(answer);
        clickOn(*w.cmdAddT);
        QVERIFY2(s.ws().last().prompt.startsWith(told), qPrintable(s.ws().last().prompt));
        QCOMPARE(w.txtSalePrice->text(), answer == u"0"_s ? u"24.99"_s : u"12.50"_s);
    }
    QCOMPARE(s.count(u"tblVideos"_s), 5);

    // Numbered past the highest copy, retired ones included.
    s.ws().type(u"3"_s);
    clickOn(*w.cmdAddT);
    QCOMPARE(tapeRow(s, 43), u"2,8,1,0,1,249900,0"_s);

    // A title with only a retired tape starts again at copy 1.
    showTapes(w, 1);
    s.ws().type(u"1"_s);
    clickOn(*w.cmdAddT);
    QCOMPARE(gridLines(*w.fgTapes).last(), u"1|44|True|False|True|24.99"_s);

    // Coming back relists the copies rather than leaving empty rows, with
    // the chosen copy still the current one.
    clickRow(*w.fgTapes, 1);
    w.hide();
    w.show();
    QCOMPARE(gridLines(*w.fgTapes).last(), u"1|44|True|False|True|24.99"_s);
    QCOMPARE(w.fgTapes->row(), 1);
}

void tst_frmVidMn::changeTapeByIdAndButtonStates()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    tape(s, 30, 1, 2);
    tape(s, 31, 1, 2);
    s.exec(u"UPDATE tblVideos SET ForSale = 1 WHERE VideoID = 31"_s);
    frmVidMn &w = open(s);
    showTapes(w, 1);
    clickRow(*w.fgTapes, 2);
    clickOn(*w.cmdChange);
    QCOMPARE(enabled(w), QStringList({"cmdChange", "cmdDelTape", "chkRent"}));
    keepScreenshot(w, u"vidmn-tape-edit.png"_s);

    // Cancel stores nothing and keeps what was typed.
    clickOn(*w.chkSale);
    typeInto(*w.txtSalePrice, u"5"_s);
    clickOn(*w.cmdDelTape);
    QCOMPARE(tapeRow(s, 31), u"1,2,1,1,1,249900,0"_s);
    QCOMPARE(w.txtSalePrice->text(), u"5"_s);

    // A price that is not an amount is refused and the edit stays open.
    clickRow(*w.fgTapes, 2);
    clickOn(*w.cmdChange);
    clickOn(*w.chkSale);
    typeInto(*w.txtSalePrice, u"cheap"_s);
    clickOn(*w.cmdChange);
    QCOMPARE(s.ws().last().title, u"Invalid amount"_s);

    // Saved into the row found by ID: copy 2 is shared, tape 30 untouched.
    typeInto(*w.txtSalePrice, u"7.5"_s);
    clickOn(*w.cmdChange);
    QCOMPARE(tapeRow(s, 31), u"1,2,1,0,1,75000,0"_s);
    QCOMPARE(tapeRow(s, 30), u"1,2,1,0,1,249900,0"_s);
    QCOMPARE(gridLines(*w.fgTapes).mid(1), QStringList({"2|30|True|False|True|24.99", "2|31|True|False|True|7.50"}));

    // Rented at the counter while the edit is open: saving another field
    // does not put it back on the shelf, and neither may the In store box.
    clickRow(*w.fgTapes, 1);
    clickOn(*w.cmdChange);
    rentOut(s, 30);
    clickOn(*w.chkSale);
    clickOn(*w.cmdChange);
    QCOMPARE(tapeRow(s, 30), u"1,2,1,1,0,249900,0"_s);
    w.hide();
    w.show();
    clickRow(*w.fgTapes, 1);
    QVERIFY(!w.chkIn->isChecked());
    clickOn(*w.cmdChange);
    clickOn(*w.chkIn);
    clickOn(*w.cmdChange);
    QCOMPARE(s.ws().last().prompt, u"Tape 30 is out on rental. It is marked in the store when it is returned."_s);
    QCOMPARE(tapeRow(s, 30), u"1,2,1,1,0,249900,0"_s);
}

void tst_frmVidMn::rangeToolsActOnlyOnListedCopiesInRange()
{
    TestStore s;
    s.addMovie(2, u"Other"_s, 1, 1);
    s.addTape(200, 2);
    frmVidMn &w = listSixCopies(s);
    // Copy 2 twice: both rows change. A retired copy in the range is out of reach.
    s.exec(u"UPDATE tblVideos SET CopyNumber = 2 WHERE VideoID = 105"_s);
    w.hide();
    w.show();
    s.addTape(107, 1, true, false, true, u"24.99"_s, true);
    s.exec(u"UPDATE tblVideos SET CopyNumber = 3 WHERE VideoID = 107"_s);

    const struct { QStringList typed; bool sale; QString message; } refused[] = {
        {{u"two"_s, u"4"_s}, false, u"\"two\" is not a valid starting copy number"_s},
        {{u"2"_s, QString()}, false, u"Enter the last copy number"_s},
        {{u"1"_s, u"6"_s, u"cheap"_s}, true, u"\"cheap\" is not a valid sale price"_s},
        {{}, true, QString()},   // closed by the frame
        {{}, false, u"-"_s}};    // Cancel
    for (const auto &r : refused) {
        s.ws().clear();
        if (r.message == u"-"_s)
            s.ws().dialog([](QDialog &d) { clickOn(*child<QPushButton>(d, "cmdCancel")); });
        else if (r.typed.isEmpty())
            s.ws().dialog([](QDialog &d) { d.close(); });
        else
            typeRange(s, r.typed);
        (r.sale ? w.mnuTool1 : w.mnuTool4)->trigger();
        QCOMPARE(videos(s, "ForRent, ForSale, SalePrice"), QStringList(8, u"1|0|249900"_s).join(u','));
        const QString told = s.ws().prompts().value(0);
        QCOMPARE(r.message.isEmpty() || r.message == u"-"_s ? told : told.left(r.message.size()),
                 r.message == u"-"_s ? QString() : r.message);
    }

    typeRange(s, {u"2"_s, u"4"_s});
    w.mnuTool4->trigger();
    QCOMPARE(s.ws().last().prompt, u"4 tapes marked not for rent."_s);
    QCOMPARE(w.fgTapes->text(5, 2) + w.fgTapes->text(6, 2), u"FalseTrue"_s);
    QCOMPARE(videos(s, "ForRent"), u"1,0,0,0,0,1,1,1"_s);
    typeRange(s, {u"3"_s, u"3"_s});
    w.mnuTool3->trigger();
    QCOMPARE(videos(s, "ForRent"), u"1,0,1,0,0,1,1,1"_s);
    QCOMPARE(videos(s, "InStore"), u"1,1,1,1,1,1,1,1"_s);

    // For sale sets the price and names a tape out on rental; not for sale
    // leaves the price as it was.
    s.addMember(4, u"Ann"_s, u"Lee"_s);
    s.addRental(1, 4, 102, u"2026-03-01"_s, u"2026-03-03"_s);
    typeRange(s, {u"1"_s, u"2"_s, u"9.5"_s});
    w.mnuTool1->trigger();
    QCOMPARE(s.ws().last().prompt, u"3 tapes marked for sale at $9.50; 1 of them is out on rental to member 4."_s);
    QCOMPARE(videos(s, "ForSale, SalePrice"), u"1|95000,1|95000,0|249900,0|249900,1|95000,0|249900,0|249900,0|249900"_s);
    typeRange(s, {u"1"_s, u"6"_s});
    w.mnuTool2->trigger();
    QCOMPARE(videos(s, "ForSale"), u"0,0,0,0,0,0,0,0"_s);

    // "Tools..." pops the same menu up under itself.
    clickOn(*w.cmdTools);
    QTRY_VERIFY(w.mnuTools->isVisible());
    w.mnuTools->hide();
}

QTEST_MAIN(tst_frmVidMn)
#include "tst_frmVidMn.moc"
