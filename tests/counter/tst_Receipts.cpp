#include "TestSupport.h"

#include "counter/Receipt.h"
#include "counter/frmCheckout.h"
#include "counter/frmStoreDetails.h"
#include "data/Language.h"
#include "data/Ledger.h"
#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 3, 1), QTime(14, 5, 9));

// The counter with no printer, a member, a tape to rent and popcorn to sell.
frmCheckout &open(TestStore &s)
{
    s.windows().setToday([] { return Now.date(); });
    s.ws().setPrinterAvailable(false);
    s.ws().setClock([] { return Now; });
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMovie(11, u"Short"_s, 4, 2);
    s.addTape(1002, 11);
    s.addItem(7, u"Popcorn"_s, u"2.50"_s, 50);
    frmCheckout &w = s.windows().checkout();
    w.show();
    return w;
}

// Rents the tape (when it is in), sells popcorn and gets to the cash box.
void fillBill(frmCheckout &w, bool withRental)
{
    lookUp(w, w.txtMemberID, u"1"_s);
    if (withRental)
        rent(w, u"1002"_s);
    buy(w, u"7"_s, u"2"_s);
    payBy(w, w.optCash);
    typeInto(*w.txtCash, u"20"_s);
}

// Checks out: the payment verified, a receipt wanted.
void checkOut(TestStore &s, frmCheckout &w)
{
    s.ws().answer(Answer::Yes);
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdCheckOut);
}

// The file the last message names, after its first line.
QString namedFile(TestStore &s)
{
    return s.ws().last().prompt.section(u"\r\n"_s, 1);
}

QString receipts(TestStore &s)
{
    return QFileInfo(s.path()).absoluteDir().filePath(u"receipts"_s);
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The store details window as the manager reaches it: Manager menu, then the gate.
frmStoreDetails &openDetails(TestStore &s)
{
    frmMain &menu = s.windows().main();
    menu.show();
    menu.mnuStoreDetails->trigger();
    frmSecur &gate = s.windows().secur();
    if (gate.lblDest->text() != u"Store details form"_s)
        QTest::qFail("the gate does not name the window", __FILE__, __LINE__);
    typeInto(*gate.txtCode, u"Popcorn-1987"_s);
    clickOn(*gate.cmdSubmit);
    s.ws().clear();
    return s.windows().storeDetails();
}

// Whether any run of five digits of `card` stands in `text`, its blanks
// and dashes taken out.
bool showsMoreThanFour(const QString &text, const QString &card)
{
    QString digits = text;
    digits.remove(QRegularExpression(u"[ -]"_s));
    for (qsizetype i = 0; i + 5 <= card.size(); ++i)
        if (digits.contains(card.mid(i, 5)))
            return true;
    return false;
}

// Every text a window shows: boxes, labels and list lines.
QStringList windowTexts(QWidget &window)
{
    QStringList texts;
    for (const QLineEdit *e : window.findChildren<QLineEdit *>())
        texts << e->displayText();
    for (const QLabel *l : window.findChildren<QLabel *>())
        texts << l->text();
    for (const QListWidget *list : window.findChildren<QListWidget *>())
        texts << listLines(list);
    return texts;
}

} // namespace

class tst_Receipts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Language::install(); }

    void receiptIsItsOwnLayoutOnEitherPaper()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("poppler-utils is not installed (./build.sh test installs it)");
        TestStore s;
        frmCheckout &w = open(s);
        s.addTape(1003, 11);
        s.addTape(1004, 11);

        // A new store: the receipt says its details are not set.
        frmStoreDetails &details = openDetails(s);
        details.hide();
        fillBill(w, true);
        checkOut(s, w);
        QString text = pdfText(namedFile(s), true);
        QVERIFY2(text.contains(u"Store details not set"_s), qPrintable(text));

        // The manager gives the details, then each paper in turn.
        details.show();
        typeInto(*details.txtStoreName, u"Corner Video"_s);
        details.txtAddress->setPlainText(u"12 Main Street\nSpringfield ON K1A 0B1"_s);
        typeInto(*details.txtPhone, u"555-0100"_s);
        typeInto(*details.txtGSTNumber, u"123456789 RT0001"_s);
        typeInto(*details.txtPSTNumber, u"PST-1234-5678"_s);
        keepScreenshot(details, u"store-details.png"_s);
        for (const bool letter : {false, true}) {
            clickOn(letter ? *details.optLetter : *details.optRoll80);
            clickOn(*details.cmdSave);

            s.exec(u"UPDATE tblMembers SET FeesOwing = 15000 WHERE CustomerNumber = 1"_s);
            lookUp(w, w.txtMemberID, u"1"_s);
            QVERIFY(w.addFeesPaid(1, *Money::parse(u"1.50")));
            rent(w, letter ? u"1004"_s : u"1003"_s);
            buy(w, u"7"_s, u"2"_s);
            payBy(w, w.optCash);
            typeInto(*w.txtCash, u"20"_s);
            // Print a Receipt checks out and prints without asking again.
            s.ws().answer(Answer::Yes); // check out now
            s.ws().answer(Answer::Yes); // verified
            clickOn(*w.cmdPrintRec);
            QCOMPARE(s.ws().unusedAnswers(), 0);
            const QString file = namedFile(s);
            QVERIFY2(file.endsWith(u"_receipt-%1.pdf"_s.arg(letter ? 3 : 2)), qPrintable(file));
            const QString info = run(u"pdfinfo"_s, {file});
            // 80 mm across, as long as the receipt; or a letter page.
            QVERIFY2(info.contains(QRegularExpression(letter ? u"Page size: +612 x 792 pts"_s
                                                             : u"Page size: +227 x \\d+ pts"_s)),
                     qPrintable(info));
            QVERIFY(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));

            // Every figure as the ledger and the rows keep them.
            const QStringList ledger = s.rows(u"SELECT RentalID, ReceiptID, SubTotal, GST, PST, Total, Tendered, "
                                               "ChangeGiven FROM tblLedger ORDER BY Seq DESC"_s)
                                           .split(u',')
                                           .first()
                                           .split(u'|');
            auto money = [&](int i) { return Money::fromUnits(ledger[i].toLongLong()).toPlainCents(); };
            const QString tape = letter ? u"1004"_s : u"1003"_s;
            const QString due = s.value(u"SELECT DueDate FROM tblRentals WHERE VideoID = ?"_s, {tape}).toString();
            text = pdfText(file, true);
            for (const QString &pattern :
                 {u"Corner Video"_s, u"Springfield ON K1A 0B1"_s, u"Phone 555-0100"_s,
                  u"GST reg. no. 123456789 RT0001"_s, u"PST reg. no. PST-1234-5678"_s,
                  u"Receipt no. %1 +Rental no. %2"_s.arg(ledger[1], ledger[0]),
                  u"2026-03-01 \\d\\d:\\d\\d:\\d\\d +Counter "_s + QRegularExpression::escape(Ledger::counterName()),
                  u"Member 1 Ann Smith"_s, u"%1 +Short +%2 +2.99"_s.arg(tape, due), u"7 +Popcorn +2 +5.00"_s, u"Overdue fees paid +1.50"_s, u"Subtotal +%1"_s.arg(money(2)), u"GST @ 7% +%1"_s.arg(money(3)),
                  u"PST @ 8% +%1"_s.arg(money(4)), u"TOTAL +\\$%1"_s.arg(money(5)), u"Paid by Cash"_s,
                  u"Tendered +%1"_s.arg(money(6)), u"Change +%1"_s.arg(money(7))})
                QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(pattern + u"\n"_s + text));
            // Nothing of the window: no buttons, boxes or the clerk's notices.
            for (const QString &never : {u"Check out"_s, u"Select the method"_s, u"Card number"_s})
                QVERIFY2(!text.contains(never), qPrintable(never));

            const QString keep = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
            if (!keep.isEmpty())
                QFile::copy(file, keep + (letter ? u"/receipt-letter.pdf"_s : u"/receipt-80mm.pdf"_s));
        }
        // Each change is in the gate log, the hold days only from 1 to 365.
        typeInto(*details.txtHoldDays, u"0"_s);
        clickOn(*details.cmdSave);
        QCOMPARE(s.ws().last().title, u"Invalid number of days"_s);
        typeInto(*details.txtHoldDays, u"5"_s);
        clickOn(*details.cmdSave);
        QCOMPARE(s.rows(u"SELECT Outcome FROM tblGateLog WHERE Destination = 15 ORDER BY TryNumber"_s),
                 u"granted,store details changed,store details changed,hold days 3 → 5"_s);

        // With a printer: the same pages go to it.
        s.ws().setPrinterAvailable(true);
        fillBill(w, false);
        checkOut(s, w);
        QCOMPARE(s.ws().printed().size(), 1);
    }

    // On the roll: a long title cut with "…" and clear of its due date, a
    // rental alone numbered by its rental, a card paid with no cash lines.
    void rollReceiptOfARentalPaidByCard()
    {
        ReceiptRecord r;
        r.rentalId = 3;
        r.rentals = {{1001, u"The Long Goodbye Express Returns"_s, u"2026-03-03"_s, *Money::parse(u"3.99")}};
        r.method = 1;
        const QStringList lines = Receipt::lines(r, StoreDetails(), Receipt::widthOf(StoreDetails::Paper::Roll80));
        QCOMPARE(lines.filter(u"2026-03-03"_s), QStringList{u"1001   The Long Goodb…  2026-03-03    3.99"_s});
        QVERIFY(lines.contains(u"Rental no. 3"_s));
        QCOMPARE(lines.filter(QRegularExpression(u"^(No sale receipt|Tendered|Change)"_s)), QStringList());
        // However long, a roll is one page: none loses its last line to another.
        for (const int length : {16, 24, 33, 49})
            QCOMPARE(Receipt::pages(QStringList(length, u"x"_s), StoreDetails::Paper::Roll80).pageCount, 1);
    }

    void cardNumbersAreMaskedOnScreenAndOnTheReceipt()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("poppler-utils is not installed (./build.sh test installs it)");
        const QString card = u"4929881733065521"_s;
        const QString masked = u"•••• •••• •••• 5521"_s;
        TestStore s;
        frmCheckout &w = open(s);
        fillBill(w, true);
        // As typed while typing, masked once the payment is verified.
        clickOn(*w.optAmEx);
        typeInto(*w.txtCardNum, card);
        typeInto(*w.txtExDate, u"12/29"_s);
        s.ws().answer(Answer::Yes); // the customer checks out
        s.ws().answer(Answer::No);  // but not yet verified
        clickOn(*w.cmdPrintRec);
        QCOMPARE(w.txtCardNum->text(), masked);
        for (const QString &text : windowTexts(w) + s.ws().prompts())
            QVERIFY2(!showsMoreThanFour(text, card), qPrintable(text));

        checkOut(s, w);
        const QString text = pdfText(namedFile(s), true);
        QVERIFY2(text.contains(u"Paid by American Express, card ending 5521"_s), qPrintable(text));
        QVERIFY(!showsMoreThanFour(text, card));
    }

    // An English-speaking clerk prints the receipt in the store's French,
    // its taxes and way of paying too.
    void receiptInTheStoresLanguage()
    {
        TestStore s;
        frmCheckout &w = open(s);
        QVERIFY(StoreDetailsStore(s.path()).save(StoreDetails{.language = Language::French}));
        fillBill(w, true);
        checkOut(s, w);
        const QString text = pdfText(namedFile(s), true).simplified();
        QVERIFY2(text.contains(QRegularExpression(u"LOCATIONS Cass. Titre Retour Montant .* Sous-total 7,99 TPS 7 % 0,56 "
                                                  "TVP 8 % 0,64 .* Mode de paiement : Comptant"_s)),
                 qPrintable(text));
    }

    // The counter started in French: a checkout and its receipt, a tape back
    // late and its fee paid, as the clerk and the member read them. Taxes
    // keep their names once the manager renames them.
    void inFrenchFromCheckoutToFeePaid()
    {
        const auto back = qScopeGuard([] { Language::setProgram(Language::English); });
        Language::setProgram(Language::French);
        QCOMPARE(Tax(u"PST"_s, 99750).label() + u'|' + Tax(u"HST"_s, 130000).label(), u"TVP 9,975\u00a0%|HST 13\u00a0%"_s);
        TestStore s;
        frmCheckout &w = open(s);
        fillBill(w, true);
        QCOMPARE(w.Label29->text() + u' ' + w.txtGST->text() + u' ' + w.txtTotal1->text(), u"TPS 7\u00a0% 0,56 9,19"_s);
        checkOut(s, w);
        QVERIFY(s.ws().prompts().constFirst().startsWith(u"Vérifiez que le client a remis 20,00\u00a0$"_s));
        const QString receipt = pdfText(namedFile(s), true).simplified();
        QVERIFY2(receipt.contains(QRegularExpression(u"TOTAL 9,19 \\$ -+ Mode de paiement : Comptant"_s)), qPrintable(receipt));

        // Due on the 4th, back on the 6th: two days at 1.99 go on Ann's account.
        frmReturn &returns = s.windows().returns();
        returns.show();
        typeInto(*returns.txtDate, u"2026-03-06"_s);
        typeInto(*returns.txtVid, u"1002"_s);
        clickOn(*returns.cmdReturn);
        QVERIFY(s.ws().last().prompt.simplified().endsWith(u"2 jours de retard · frais de 3,98 $ portés au compte du membre"_s));

        frmPayment &payment = s.windows().payment();
        payment.show();
        typeInto(*payment.txtNum, u"1"_s);
        clickOn(*payment.cmdEnter);
        s.ws().clear();
        s.ws().answer(Answer::No);  // nothing more at the counter
        s.ws().answer(Answer::Yes); // the fees taken
        clickOn(*payment.cmdPayFull);
        QCOMPARE(s.ws().prompts().mid(1), QStringList({u"Encaisser 3,98\u00a0$ de Ann Smith (Comptant)\u00a0?"_s,
                                                        u"Frais de retard payés\u00a0: 3,98\u00a0$ (Comptant)."_s}));
        QCOMPARE(feesOwing(s, 1), Money());
    }

    void receiptsInTheSameSecondKeepTheirOwnFilesOrAreToldUnsaved()
    {
        TestStore s;
        frmCheckout &w = open(s);
        s.addMovie(12, u"Other"_s, 4, 2);
        s.addTape(1004, 12);
        QStringList files;
        for (const char *tape : {"1002", "1004"}) {
            // Rentals alone make no sale receipt, so no number names the file.
            lookUp(w, w.txtMemberID, u"1"_s);
            rent(w, QString::fromLatin1(tape));
            payBy(w, w.optCash);
            typeInto(*w.txtCash, u"20"_s);
            s.ws().answer(Answer::Yes);
            s.ws().answer(Answer::Yes);
            clickOn(*w.cmdPrintRec);
            files << namedFile(s);
        }
        const QDir dir(receipts(s));
        QCOMPARE(files, QStringList({dir.filePath(u"2026-03-01_140509_receipt.pdf"_s),
                                     dir.filePath(u"2026-03-01_140509_receipt_2.pdf"_s)}));

        // Nor does a sale's receipt replace one written earlier.
        fillBill(w, false);
        checkOut(s, w);
        QCOMPARE(namedFile(s), dir.filePath(u"2026-03-01_140509_receipt-1.pdf"_s));
        QCOMPARE(dir.entryList(QDir::Files).size(), 3);
        // Each whole, and like the store for its owner alone: a receipt names the member.
        QCOMPARE(accessOf(dir.path()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const QString &name : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-");
            QCOMPARE(accessOf(f.fileName()), QFile::ReadOwner | QFile::WriteOwner);
        }

        // A file where the folder should be: no user, root included, can save
        // there. Told, and the checkout still completes.
        QVERIFY(QDir(receipts(s)).removeRecursively());
        QFile blocker(receipts(s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        fillBill(w, false);
        checkOut(s, w);
        const QString told = s.ws().last().prompt;
        QVERIFY2(told.startsWith(u"No printer is available, and the receipt could not be saved as a PDF file in "_s
                                 + QDir::toNativeSeparators(receipts(s)) + u": "_s),
                 qPrintable(told));
        QCOMPARE(s.count(u"tblSalesDetails"_s), 2);
    }
};

QTEST_MAIN(tst_Receipts)
#include "tst_Receipts.moc"
