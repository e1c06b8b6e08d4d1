// The Tapes Out window, opened from the menu without the manager code, and
// the overdue call list and letters: from the command line, read back from
// their files, and from Tapes Out only past the manager code.
#include "TestSupport.h"

#include "../reports/ReportTestData.h"
#include "app/ManagerCode.h"
#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "circulation/OverdueReports.h"
#include "circulation/frmTapesOut.h"
#include "data/Destination.h"
#include "data/Language.h"
#include "data/StoreDate.h"
#include "reports/ReportCommandLine.h"
#include "ui/FlexGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// On 2026-12-07 Ann (1) has two tapes late, one not; Bob (2) one late; Cy (3) none late.
void seed(TestStore &s)
{
    s.windows().setToday([] { return QDate(2026, 12, 7); });
    s.exec(u"INSERT INTO tblSettings (Name, Value) VALUES ('StoreName', 'Corner Video'), "
           "('StoreAddress', '1 Main Street\nSpringfield'), ('StorePhone', '555-0199')"_s);
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-0101"_s);
    s.exec(u"UPDATE tblMembers SET Address = '12 Elm Road', City = 'Springfield', PostalCode = 'A1A 1A1' "
           "WHERE CustomerNumber = 1"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s, u"555-0202"_s);
    s.addMember(3, u"Cy"_s, u"Young"_s);
    s.addMovie(10, u"Alien"_s, 2, 1);  // 2 days, 2.99 a day late
    s.addMovie(11, u"Brazil"_s, 3, 3); // 4 days, 0.99 a day late
    for (int t : {100, 101, 102, 103, 104})
        s.addTape(t, t % 2 ? 11 : 10, true, false, false);
    s.addRental(1, 1, 100, u"2026-12-01"_s); // due 12-03: 4 days, $11.96
    s.addRental(1, 1, 101, u"2026-12-01"_s); // due 12-05: 2 days, $1.98
    s.addRental(2, 1, 102, u"2026-12-06"_s); // due 12-08
    s.addRental(3, 2, 103, u"2026-11-30"_s); // due 12-04: 3 days, $2.97
    s.addRental(4, 3, 104, u"2026-12-06"_s); // due 12-08
}

int run(const ReportRequest &request, QString *said)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = runReportCommand(request, o, e);
    *said = out + err;
    return code;
}

// Where a word first stands on a PDF's first page: inches from the paper's top left corner.
QPointF wordAt(const QString &pdf, const QString &word)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, u"-l"_s, u"1"_s, pdf, u"-"_s});
    p.waitForFinished(60000);
    static const QRegularExpression box(uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"_s);
    for (auto words = box.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); words.hasNext();)
        if (const auto w = words.next(); w.captured(3) == word)
            return {w.captured(1).toDouble() / 72, w.captured(2).toDouble() / 72};
    return {-1, -1};
}

QStringList tapeColumn(const frmTapesOut &w)
{
    QStringList tapes;
    for (int r = 1; r < w.grdTapes->rows(); ++r)
        tapes << w.grdTapes->text(r, frmTapesOut::ColTape + 1);
    return tapes;
}

} // namespace

class tst_OverdueReports : public QObject
{
    Q_OBJECT

private slots:
    void tapesOutListsSortsAndTotalsAndLettersPastTheGate()
    {
        TestStore s;
        seed(s);
        frmMain &menu = s.windows().main();
        menu.show();
        menu.mnuTapesOut->trigger();
        frmTapesOut &w = s.windows().tapesOut();
        QCOMPARE(shownWindows(), QStringList{u"frmTapesOut"_s});
        QCOMPARE(gridLines(*w.grdTapes).mid(1),
                 QStringList({u"|100|Alien|1|Ann Smith|555-0101|555-0100|2026-12-01|2026-12-03|4|$11.96"_s,
                              u"|103|Brazil|2|Bob Jones|555-0202|555-0100|2026-11-30|2026-12-04|3|$2.97"_s,
                              u"|101|Brazil|1|Ann Smith|555-0101|555-0100|2026-12-01|2026-12-05|2|$1.98"_s}));
        QCOMPARE(w.lblTotal->text(), u"3 tapes out, 3 overdue; late fees so far $16.91"_s);
        keepScreenshot(w, u"tapes-out.png"_s);

        // Every tape out; then by title, and by title the other way.
        w.chkOverdue->setChecked(false);
        QCOMPARE(tapeColumn(w), QStringList({u"100"_s, u"103"_s, u"101"_s, u"102"_s, u"104"_s}));
        w.sortBy(frmTapesOut::ColTitle);
        QCOMPARE(tapeColumn(w), QStringList({u"100"_s, u"102"_s, u"104"_s, u"101"_s, u"103"_s}));
        w.sortBy(frmTapesOut::ColTitle);
        QCOMPARE(tapeColumn(w), QStringList({u"101"_s, u"103"_s, u"100"_s, u"102"_s, u"104"_s}));

        // Another day: later, more is late and the fees grow.
        typeInto(*w.txtDate, u"2026-12-10"_s);
        QVERIFY(w.cmdShow_Click());
        QCOMPARE(w.lblTotal->text(), u"5 tapes out, 5 overdue; late fees so far $43.78"_s);

        // Enter on a row shows the member's other tapes.
        typeInto(*w.txtDate, u"2026-12-07"_s);
        QVERIFY(w.cmdShow_Click());
        w.grdTapes->setFocus();
        w.grdTapes->setRow(1);
        QTest::keyClick(w.grdTapes, Qt::Key_Return);
        QCOMPARE(s.ws().last().prompt, u"Member 1 Ann Smith has 3 tapes out:\r\n"
                                       "Tape 100 (Alien), due 2026-12-03, 4 days late, $11.96 so far\r\n"
                                       "Tape 101 (Brazil), due 2026-12-05, 2 days late, $1.98 so far\r\n"
                                       "Tape 102 (Alien), due 2026-12-08\r\n"
                                       "Late fees so far: $13.94"_s);

        // The call list and the letters are behind the manager code.
        clickOn(*w.cmdCallList);
        frmSecur &gate = s.windows().secur();
        QCOMPARE(gate.destination, int(DestCallList));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"letters.pdf"_s);
        w.show();
        clickOn(*w.cmdLetters);
        s.ws().saveAs(pdf);
        typeInto(*gate.txtCode, ManagerCode::defaultCode());
        clickOn(*gate.cmdSubmit);
        QVERIFY(s.ws().prompts().contains(u"2 letters to members overdue on 2026-12-07 written to %1."_s.arg(pdf)));
        QCOMPARE(pdfPages(pdf), 2);
    }

    // An English counter writes the letters in the store's language for
    // letters, every line of them, and speaks its own again afterwards.
    void lettersWhollyInTheStoresLanguage()
    {
        TestStore s;
        seed(s);
        s.exec(u"INSERT INTO tblSettings (Name, Value) VALUES ('DocumentLanguage', 'fr')"_s);
        Language::install();
        QString error;
        const auto letters = OverdueLetters::compose(s.path(), QDate(2026, 12, 7), &error);
        QVERIFY2(letters, qPrintable(error));
        QCOMPARE(Language::current(), Language::English);
        QCOMPARE(letters->title, u"Lettres de retard 2026-12-07"_s);
        const OverdueLetters::Letter &ann = letters->pages.first();
        QCOMPARE(ann.letterhead.last(), u"Téléphone 555-0199"_s);
        QCOMPARE(ann.body.join(u'|'),
                 u"2026-12-07||Membre 1||Bonjour Ann Smith,||Selon nos dossiers, ces cassettes n'ont pas été rapportées "
                 "à la date prévue\u00a0:||Cassette 100, Alien\u00a0: à rapporter le 2026-12-03, 4 jours de retard, "
                 "11,96\u00a0$ à ce jour|Cassette 101, Brazil\u00a0: à rapporter le 2026-12-05, 2 jours de retard, "
                 "1,98\u00a0$ à ce jour||Frais de retard à ce jour\u00a0: 13,94\u00a0$||Veuillez les rapporter au "
                 "magasin dès que possible\u00a0: les frais de retard augmentent chaque jour où elles ne sont pas "
                 "rapportées.||Merci."_s);
    }

    void callListAndLettersFromTheCommandLine()
    {
        TestStore s;
        seed(s);
        QTemporaryDir dir;
        QString said;
        const QString csv = dir.filePath(u"calls.csv"_s);
        QCOMPARE(run({s.path(), u"overdue"_s, {}, csv, {}, {}, {}, false, u"2026-12-07"_s}, &said), 0);
        QCOMPARE(said, u"Overdue Call List: 3 rows written to %1\n"_s.arg(csv));
        const QList<QStringList> rows = readCsv(csv);
        QCOMPARE(rows[1], QStringList({u"1"_s, u"Ann Smith"_s, u"555-0101"_s, u"555-0100"_s, u"100"_s, u"Alien"_s,
                                       u"2026-12-03"_s, u"4"_s, u"11.96"_s}));
        QCOMPARE(rows[3].mid(0, 2) + rows[3].mid(4), QStringList({u"2"_s, u"Bob Jones"_s, u"103"_s, u"Brazil"_s,
                                                                  u"2026-12-04"_s, u"3"_s, u"2.97"_s}));
        QCOMPARE(accessOf(csv), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // The printed list heads each member with the phones to ring.
        const QString list = dir.filePath(u"calls.pdf"_s);
        QCOMPARE(run({s.path(), u"overdue"_s, list, {}, {}, {}, {}, false, u"2026-12-07"_s}, &said), 0);
        // Under the day it lists, and with its counts at the end.
        const QString listed = pdfText(list).simplified();
        for (const QString &line : {u"Overdue on 2026-12-07"_s,
                                    u"1 Ann Smith: home 555-0101, cell 555-0100; 2 tapes, $13.94 so far"_s,
                                    u"In all: 2 members, 3 tapes, late fees so far $16.91"_s})
            QVERIFY2(listed.contains(line), qPrintable(listed));

        const QString pdf = dir.filePath(u"letters.pdf"_s);
        QCOMPARE(run({s.path(), u"overdue-letters"_s, pdf, {}, {}, {}, {}, false, u"2026-12-07"_s}, &said), 0);
        QCOMPARE(said, u"Overdue letters: 2 letters written to %1\n"_s.arg(pdf));
        const QStringList pages = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        const QString ann = pages[0].simplified();
        for (const QString &line : {u"Corner Video 1 Main Street, Springfield Telephone 555-0199 Ann Smith 12 Elm Road "
                                    "Springfield A1A 1A1 2026-12-07 Member 1 Dear Ann Smith,"_s,
                                    u"Tape 101, Brazil: due 2026-12-05, 2 days late, $1.98 so far"_s,
                                    u"Late fees so far: $13.94"_s})
            QVERIFY2(ann.contains(line), qPrintable(ann));
        QVERIFY(!ann.contains(u"Tape 102"_s));
        // An inch from the paper's edges; the address where a #10 window
        // envelope shows a page folded in three (from 7/8" across, 2" to
        // 3 1/8" down), the letterhead above it and the letter below.
        const QPointF store = wordAt(pdf, u"Corner"_s), phone = wordAt(pdf, u"555-0199"_s),
                      member = wordAt(pdf, u"Ann"_s), dear = wordAt(pdf, u"Dear"_s);
        QVERIFY2(qAbs(store.x() - 1) < 0.05 && qAbs(store.y() - 1) < 0.1, qPrintable(u"%1 %2"_s.arg(store.x()).arg(store.y())));
        QVERIFY(phone.y() > 1 && phone.y() < 1.8);
        QVERIFY2(member.x() >= 0.875 && member.x() < 1.1 && member.y() > 2 && member.y() < 2.4,
                 qPrintable(u"%1 %2"_s.arg(member.x()).arg(member.y())));
        QVERIFY(dear.y() > 3.125);
        QVERIFY2(pages[1].contains(u"Tape 103, Brazil"_s), qPrintable(pages[1]));

        // Refused, nothing written: no day, letters as CSV.
        for (const ReportRequest &bad : {ReportRequest{s.path(), u"overdue"_s, {}, csv + u"2"_s},
                                         ReportRequest{s.path(), u"overdue-letters"_s, {}, csv + u"2"_s, {}, {}, {},
                                                       false, u"2026-12-07"_s}}) {
            QCOMPARE(run(bad, &said), 1);
            QVERIFY(!QFile::exists(csv + u"2"_s));
        }
    }
};

QTEST_MAIN(tst_OverdueReports)
#include "tst_OverdueReports.moc"
