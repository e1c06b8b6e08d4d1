#include "TestSupport.h"

#include "stock/frmVidMn.h"
#include "ui/FlexGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

const QString Retired = u" has been marked as deleted. Items are not deleted from the database entirely,\r\n"
                        u"but can no longer be accessed by normal means. Consult Corvane Inc. for a data "
                        u"retrieval kit if required."_s;

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

} // namespace

class tst_frmVidMn : public QObject
{
    Q_OBJECT

private slots:
    void listsLiveTitlesAndNumbersPastEveryRow();
    void genreListsAndNamesStayExact();
    void addEditCancelAndRefusedFields();
    void openEditSurvivesReturnAndActsOnItsTitle();
    void deleteMovieRetiresTitleAndAllTapesAtOnce();
    void tapeListingAndAddTapesNumbering();
    void addTapesRefusedAnswers_data();
    void addTapesRefusedAnswers();
    void changeTapeByIdAndButtonStates();
    void tapeOutOnRentalIsNeverMarkedInStore();
    void deleteTapeAsksByIdAndRetiresOnlyIt();
    void screenshots();
};

void tst_frmVidMn::listsLiveTitlesAndNumbersPastEveryRow()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    s.addMovie(2, u"Beta"_s, 9, 2);
    s.addMovie(3, u"Gone"_s, 2, 2, true);
    s.addMovie(7, u"Gamma"_s, 5, 3);
    frmVidMn &w = open(s);
    QCOMPARE(gridLines(*w.fgMovies),
             QStringList({"#|Name|Type|Actor|Actress|Rating|PC", "1|Alpha|Action|Actor A|Actress B|PG|1",
                          "2|Beta||Actor A|Actress B|PG|2", "7|Gamma|Horror & Thriller|Actor A|Actress B|PG|3"}));
    // The longest genre shows whole.
    QVERIFY(w.fgMovies->columnWidth(2) > w.fgMovies->fontMetrics().horizontalAdvance(u"Horror & Thriller"_s));
    QCOMPARE(enabled(w), QStringList({"cmdAdd", "fgMovies", "fgTapes"}));

    auto addTitle = [&](const QString &name) {
        clickOn(*w.cmdAdd);
        typeInto(*w.txtName, name);
        w.cmbPC->setCurrentIndex(0);
        clickOn(*w.cmdAdd);
        return w.fgMovies->text(w.fgMovies->row(), 0);
    };
    QCOMPARE(addTitle(u"Delta"_s), u"8"_s);

    // A retired title holding the next number pushes the new one past the highest.
    s.exec(u"UPDATE tblMovies SET Deleted = 1 WHERE MovieNum = 8"_s);
    s.addMovie(12, u"Old"_s, 1, 1, true);
    w.hide();
    w.show();
    QCOMPARE(w.fgMovies->rows(), 4);
    QCOMPARE(addTitle(u"Epsilon"_s), u"13"_s);
    QCOMPARE(s.value(u"SELECT Name FROM tblMovies WHERE MovieNum = 13"_s).toString(), u"Epsilon"_s);
}

void tst_frmVidMn::genreListsAndNamesStayExact()
{
    TestStore s;
    frmVidMn &w = open(s);
    // Coming back does not fill the lists again.
    for (int i = 0; i < 3; ++i) {
        w.hide();
        w.show();
    }
    QStringList types;
    for (int i = 0; i < w.cmbType->count(); ++i)
        types << w.cmbType->itemText(i);
    QCOMPARE(types, QStringList({"Action", "Sci-Fi", "Drama", "Comedy", "Horror & Thriller"}));
    QCOMPARE(w.cmbPC->count(), 3);
    QCOMPARE(w.tName(6), QString());

    // The fifth genre is stored as 5 and the fields as typed; an empty
    // catalogue numbers from 1.
    clickOn(*w.cmdAdd);
    typeInto(*w.txtName, u"Night's End"_s);
    w.cmbType->setCurrentIndex(4);
    typeInto(*w.txtActor, u"Lee"_s);
    typeInto(*w.txtActress, u"Kim"_s);
    typeInto(*w.txtRating, u"R"_s);
    w.cmbPC->setCurrentIndex(2);
    clickOn(*w.cmdAdd);
    QCOMPARE(s.value(u"SELECT Name||','||CategoryID||','||Actor||','||Actress||','||Rating||','||PriceClass||','||"
                     u"Deleted FROM tblMovies"_s)
                 .toString(),
             u"Night's End,5,Lee,Kim,R,3,0"_s);
    QCOMPARE(gridLines(*w.fgMovies).last(), u"1|Night's End|Horror & Thriller|Lee|Kim|R|3"_s);
}

void tst_frmVidMn::addEditCancelAndRefusedFields()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    frmVidMn &w = open(s);

    clickOn(*w.cmdAdd);
    QCOMPARE(enabled(w), QStringList({"cmdAdd", "cmdEdit", "fgTapes"}));
    QVERIFY(w.txtName->isEnabled() && w.cmbPC->isEnabled());
    QCOMPARE(w.cmbType->currentIndex(), -1);

    // No name, then no price class: refused by name, the edit stays open.
    clickOn(*w.cmdAdd);
    QCOMPARE(s.ws().last().prompt, u"Type the movie's name in the Name box."_s);
    typeInto(*w.txtName, u"Beta"_s);
    clickOn(*w.cmdAdd);
    QVERIFY(s.ws().last().prompt.contains(u"price class"_s));
    QCOMPARE(w.cmdAdd->text(), u"Save"_s);
    QCOMPARE(s.count(u"tblMovies"_s), 1);

    // Cancel stores nothing and leaves what was typed in the disabled fields.
    clickOn(*w.cmdEdit);
    QCOMPARE(s.count(u"tblMovies"_s), 1);
    QCOMPARE(w.txtName->text(), u"Beta"_s);
    QVERIFY(!w.txtName->isEnabled());
    QCOMPARE(enabled(w), QStringList({"cmdAdd", "cmdEdit", "cmdDelete", "cmdShow", "fgMovies", "fgTapes"}));
    // No row was ever clicked: there is no title to act on.
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Click a movie in the list first."_s);

    // A change: the row's values, as clicked, are stored into that title.
    clickRow(*w.fgMovies, 1);
    QCOMPARE(w.txtName->text(), u"Alpha"_s);
    QCOMPARE(w.cmbType->currentText(), u"Action"_s);
    clickOn(*w.cmdEdit);
    QVERIFY(!w.fgMovies->isEnabled());
    typeInto(*w.txtName, u"Alpha II"_s);
    w.cmbPC->setCurrentIndex(1);
    clickOn(*w.cmdAdd);
    QCOMPARE(s.value(u"SELECT Name||','||PriceClass FROM tblMovies WHERE MovieNum = 1"_s).toString(), u"Alpha II,2"_s);
    QCOMPARE(gridLines(*w.fgMovies).last(), u"1|Alpha II|Action|Actor A|Actress B|PG|2"_s);
}

void tst_frmVidMn::openEditSurvivesReturnAndActsOnItsTitle()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    s.addMovie(2, u"Beta"_s, 2, 2);
    frmVidMn &w = open(s);
    clickRow(*w.fgMovies, 2);
    clickOn(*w.cmdEdit);
    typeInto(*w.txtName, u"Beta Prime"_s);
    clickOn(*w.cmdReturn);
    QCOMPARE(shownWindows(), QStringList({"frmMain"}));

    // Meanwhile a title is added before it; the edit still stores into Beta.
    s.addMovie(0, u"Zero"_s, 1, 1);
    w.show();
    QCOMPARE(w.txtName->text(), u"Beta Prime"_s);

    // A tape edit made meanwhile ends without unlocking the title edit.
    s.addTape(90, 2);
    clickOn(*w.cmdShow);
    clickRow(*w.fgTapes, 1);
    clickOn(*w.cmdChange);
    clickOn(*w.cmdChange);
    QVERIFY(!w.fgMovies->isEnabled());
    QVERIFY(!w.cmdDelete->isEnabled());

    clickOn(*w.cmdAdd);
    QCOMPARE(s.rows(u"SELECT Name FROM tblMovies ORDER BY MovieNum"_s),
             u"Zero,Alpha,Beta Prime"_s);
    QCOMPARE(w.fgMovies->text(3, 1), u"Beta Prime"_s);
}

void tst_frmVidMn::deleteMovieRetiresTitleAndAllTapesAtOnce()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    s.addMovie(2, u"Beta"_s, 2, 2);
    tape(s, 10, 2, 1);
    tape(s, 11, 2, 2, true);
    tape(s, 12, 2, 3);
    tape(s, 13, 1, 1);
    frmVidMn &w = open(s);
    clickRow(*w.fgMovies, 2);

    s.ws().answer(Answer::No);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Are you sure you want to delete the movie\r\nBeta?"_s);
    QCOMPARE(s.count(u"tblVideos"_s, u"Deleted = 1"_s), 1);

    // A tape out on rental would be lost to the returns: refused, nothing retired.
    rentOut(s, 12);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt,
             u"1 tape of Beta is out on rental. The movie can be marked as deleted once it is back."_s);
    QCOMPARE(s.count(u"tblMovies"_s, u"Deleted = 1"_s), 0);
    QCOMPARE(s.count(u"tblVideos"_s, u"Deleted = 1"_s), 1);
    QCOMPARE(w.fgMovies->rows(), 3);

    s.exec(u"UPDATE tblRentals SET Returned = 1"_s);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelete);
    QCOMPARE(s.ws().last().prompt, u"Beta"_s + Retired);
    QCOMPARE(s.rows(u"SELECT VideoID FROM tblVideos WHERE Deleted = 1 ORDER BY VideoID"_s),
             u"10,11,12"_s);
    QCOMPARE(s.value(u"SELECT Deleted FROM tblMovies WHERE MovieNum = 2"_s).toInt(), 1);
    QCOMPARE(gridLines(*w.fgMovies).size(), 2);
    QCOMPARE(s.ws().unusedAnswers(), 0); // asked before each refusal
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
    tape(s, 40, 1, 1);
    s.exec(u"UPDATE tblVideos SET ForSale = 1, SalePrice = 125000 WHERE VideoID = 21"_s);
    frmVidMn &w = open(s);
    // The copies go into the grid in one step, not row by row.
    QSignalSpy reset(w.fgTapes->model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(w.fgTapes->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(w.fgTapes->model(), &QAbstractItemModel::dataChanged);
    showTapes(w, 2);
    QCOMPARE(QList<qsizetype>({reset.size(), inserted.size(), changed.size()}), QList<qsizetype>({1, 0, 0}));
    QCOMPARE(gridLines(*w.fgTapes), QStringList({"CN|ID|For Rent|For Sale|In store|Sale price",
                                                 "1|20|True|False|True|24.99", "2|21|True|True|True|12.50",
                                                 "5|22|True|False|True|24.99"}));

    s.ws().type(u"3"_s);
    clickOn(*w.cmdAddT);
    QCOMPARE(s.ws().last().prompt, u"How many tapes of Beta are being added?"_s);
    QCOMPARE(gridLines(*w.fgTapes).mid(4), QStringList({"6|41|True|False|True|24.99", "7|42|True|False|True|24.99",
                                                        "8|43|True|False|True|24.99"}));
    QCOMPARE(w.fgTapes->row(), 6);
    for (int id : {41, 42, 43})
        QCOMPARE(tapeRow(s, id), u"2,%1,1,0,1,249900,0"_s.arg(id - 35));

    // Another title with no tape listed starts at copy 1; hiding empties the list.
    clickRow(*w.fgMovies, 1);
    QCOMPARE(w.fgTapes->rows(), 1);
    s.exec(u"UPDATE tblVideos SET Deleted = 1 WHERE VideoID = 40"_s);
    clickOn(*w.cmdShow);
    QCOMPARE(w.fgTapes->rows(), 1);
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
    clickOn(*w.cmdShow); // hidden
    QCOMPARE(w.fgTapes->rows(), 1);
}

void tst_frmVidMn::addTapesRefusedAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero adds nothing") << u"0"_s << QString();
    QTest::newRow("cancelled or empty") << QString() << QString();
    QTest::newRow("not a number") << u"three"_s << u"\"three\" is not a valid number of tapes"_s;
    QTest::newRow("negative") << u"-2"_s << u"\"-2\" is not a valid number of tapes"_s;
    QTest::newRow("too many at once") << u"1001"_s << u"At most 1,000 tapes can be added at once."_s;
}

void tst_frmVidMn::addTapesRefusedAnswers()
{
    QFETCH(QString, answer);
    QFETCH(QString, message);
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    tape(s, 5, 1, 1);
    s.exec(u"UPDATE tblVideos SET ForRent = 0, ForSale = 1, InStore = 0, SalePrice = 99000"_s);
    frmVidMn &w = open(s);
    showTapes(w, 1);
    clickRow(*w.fgTapes, 1);
    QVERIFY(!w.chkRent->isChecked());
    s.ws().type(answer);
    clickOn(*w.cmdAddT);
    QCOMPARE(s.count(u"tblVideos"_s), 1);
    QCOMPARE(w.fgTapes->rows(), 2);
    QCOMPARE(s.ws().boxes().size(), message.isEmpty() ? 1 : 2);
    if (!message.isEmpty())
        QVERIFY2(s.ws().last().prompt.startsWith(message), qPrintable(s.ws().last().prompt));
    // Only an answer that is a count presets the tape fields.
    const bool preset = answer == u"0"_s;
    QCOMPARE(w.chkRent->isChecked(), preset);
    QCOMPARE(w.txtSalePrice->text(), preset ? u"24.99"_s : u"9.90"_s);
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
    QCOMPARE(enabled(w), QStringList({"cmdAdd", "cmdEdit", "cmdDelete", "cmdShow", "cmdAddT", "cmdTools",
                                      "fgMovies", "fgTapes"}));
    clickRow(*w.fgTapes, 2);
    QVERIFY(w.chkSale->isChecked());
    clickOn(*w.cmdChange);
    QCOMPARE(enabled(w), QStringList({"cmdChange", "cmdDelTape", "chkRent"}));

    // Cancel stores nothing and keeps what was typed.
    clickOn(*w.chkSale);
    typeInto(*w.txtSalePrice, u"5"_s);
    clickOn(*w.cmdDelTape);
    QCOMPARE(tapeRow(s, 31), u"1,2,1,1,1,249900,0"_s);
    QCOMPARE(w.txtSalePrice->text(), u"5"_s);
    QVERIFY(!w.chkSale->isChecked());

    // A price that is not an amount is refused and the edit stays open.
    clickRow(*w.fgTapes, 2);
    clickOn(*w.cmdChange);
    clickOn(*w.chkSale);
    for (const QString &bad : {u"cheap"_s, u"-1"_s, u"24.995"_s}) {
        typeInto(*w.txtSalePrice, bad);
        clickOn(*w.cmdChange);
        QCOMPARE(s.ws().last().title, u"Invalid amount"_s);
        QVERIFY(bad == u"24.995"_s || s.ws().last().prompt.contains(u"sale price"_s));
        QCOMPARE(w.cmdChange->text(), u"Save"_s);
    }
    QVERIFY2(s.ws().last().prompt.startsWith(u"\"24.995\" has more than two decimals."_s),
             qPrintable(s.ws().last().prompt));
    QCOMPARE(tapeRow(s, 31), u"1,2,1,1,1,249900,0"_s);

    // Saved into the row found by ID: copy 2 is shared, tape 30 untouched.
    typeInto(*w.txtSalePrice, u"7.5"_s);
    clickOn(*w.cmdChange);
    QCOMPARE(tapeRow(s, 31), u"1,2,1,0,1,75000,0"_s);
    QCOMPARE(tapeRow(s, 30), u"1,2,1,0,1,249900,0"_s);
    QCOMPARE(gridLines(*w.fgTapes).mid(1), QStringList({"2|30|True|False|True|24.99", "2|31|True|False|True|7.50"}));
    QCOMPARE(enabled(w), QStringList({"cmdAdd", "cmdEdit", "cmdDelete", "cmdShow", "cmdAddT", "cmdChange",
                                      "cmdDelTape", "cmdTools", "fgMovies", "fgTapes"}));
}

void tst_frmVidMn::tapeOutOnRentalIsNeverMarkedInStore()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    tape(s, 50, 1, 1);
    frmVidMn &w = open(s);
    showTapes(w, 1);
    clickRow(*w.fgTapes, 1);
    clickOn(*w.cmdChange);
    // Rented at the counter while the edit is open: saving another field
    // does not put it back on the shelf.
    rentOut(s, 50);
    clickOn(*w.chkSale);
    clickOn(*w.cmdChange);
    QCOMPARE(tapeRow(s, 50), u"1,1,1,1,0,249900,0"_s);

    w.hide();
    w.show();
    clickRow(*w.fgTapes, 1);
    QVERIFY(!w.chkIn->isChecked());
    clickOn(*w.cmdChange);
    clickOn(*w.chkIn);
    clickOn(*w.cmdChange);
    QCOMPARE(s.ws().last().prompt, u"Tape 50 is out on rental. It is marked in the store when it is returned."_s);
    QCOMPARE(tapeRow(s, 50), u"1,1,1,1,0,249900,0"_s);
}

void tst_frmVidMn::deleteTapeAsksByIdAndRetiresOnlyIt()
{
    TestStore s;
    s.addMovie(1, u"Alpha"_s, 1, 1);
    tape(s, 56, 1, 1);
    tape(s, 57, 1, 2);
    tape(s, 58, 1, 3);
    frmVidMn &w = open(s);
    showTapes(w, 1);
    clickRow(*w.fgTapes, 2);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdDelTape);
    QCOMPARE(s.ws().last().prompt, u"Are you sure you want to delete video 57?"_s);
    QCOMPARE(s.count(u"tblVideos"_s, u"Deleted = 1"_s), 0);

    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelTape);
    QCOMPARE(s.ws().last().prompt, u"57"_s + Retired);
    QCOMPARE(s.rows(u"SELECT VideoID FROM tblVideos WHERE Deleted = 1 ORDER BY VideoID"_s), u"57"_s);
    QCOMPARE(gridLines(*w.fgTapes).mid(1), QStringList({"1|56|True|False|True|24.99", "3|58|True|False|True|24.99"}));

    rentOut(s, 58);
    clickRow(*w.fgTapes, 2);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdDelTape);
    QCOMPARE(s.ws().last().prompt, u"Tape 58 is out on rental. It can be marked as deleted once it is back."_s);
    QCOMPARE(s.count(u"tblVideos"_s, u"Deleted = 1"_s), 1);
    QCOMPARE(w.fgTapes->rows(), 3);
}

void tst_frmVidMn::screenshots()
{
    const QString folder = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("VIDEOSTORE_SCREENSHOTS is not set");
    TestStore s;
    const char *const names[] = {"The Long Goodbye", "Starfall", "Quiet Harbour", "Laugh Track", "Night Visitors"};
    for (int m = 1; m <= 12; ++m)
        s.addMovie(m, QString::fromLatin1(names[(m - 1) % 5]) + (m > 5 ? u" %1"_s.arg(m) : QString()), (m - 1) % 5 + 1,
                   (m - 1) % 3 + 1);
    for (int copy = 1; copy <= 5; ++copy)
        tape(s, 100 + copy, 3, copy);
    s.exec(u"UPDATE tblVideos SET ForSale = 1, SalePrice = 99900 WHERE VideoID = 104"_s);
    frmVidMn &w = open(s);
    showTapes(w, 3);
    clickRow(*w.fgTapes, 4);
    QVERIFY(w.grab().save(u"%1/vidmn-tapes.png"_s.arg(folder)));
    s.ws().dialog([&](QDialog &d) {
        typeInto(*child<QLineEdit>(d, "Text1"), u"2"_s);
        typeInto(*child<QLineEdit>(d, "Text2"), u"4"_s);
        typeInto(*child<QLineEdit>(d, "Text3"), u"9.99"_s);
        QVERIFY(d.grab().save(u"%1/sale-dialog.png"_s.arg(folder)));
        child<QPushButton>(d, "Command1")->click();
    });
    w.mnuTool1->trigger();
    s.ws().dialog([&](QDialog &d) {
        QVERIFY(d.grab().save(u"%1/range-dialog.png"_s.arg(folder)));
        d.close();
    });
    w.mnuTool4->trigger();
    clickOn(*w.cmdChange);
    QVERIFY(w.grab().save(u"%1/vidmn-tape-edit.png"_s.arg(folder)));
}

QTEST_MAIN(tst_frmVidMn)
#include "tst_frmVidMn.moc"
