#include "TestSupport.h"

#include "app/frmMain.h"
#include "counter/frmCheckout.h"
#include "data/Ledger.h"
#include "returns/frmPayment.h"

#include "counter/CardMask.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString AnnOwes = u"Ann Smith has fees owing of "_s;

// Ann (1) owes 5.98, Bob (2) nothing, Dee (4) is retired with fees owing.
frmPayment &open(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s);
    s.addMember(4, u"Dee"_s, u"Gone"_s, {}, {}, true);
    s.exec(u"UPDATE tblMembers SET FeesOwing = 59800 WHERE CustomerNumber IN (1, 4)"_s);
    s.addMovie(10, u"Class One"_s, 1, 1);
    s.addTape(1001, 10);
    frmPayment &w = s.windows().payment();
    w.show();
    return w;
}

void lookUp(frmPayment &w, const QString &number)
{
    typeInto(*w.txtNum, number);
    clickOn(*w.cmdEnter);
}

// How many of the two pay buttons are enabled: they go together.
int payButtons(const frmPayment &w)
{
    return int(w.cmdPayFull->isEnabled()) + int(w.cmdPayPart->isEnabled());
}

// Another window or program charges 2.99.
void feeChargedElsewhere(TestStore &s)
{
    s.exec(u"UPDATE tblMembers SET FeesOwing = FeesOwing + 29900 WHERE CustomerNumber = 1"_s);
}

// Ann at the counter with tape 1001 in her bag.
frmCheckout &tapeInTheBag(TestStore &s)
{
    frmCheckout &counter = s.windows().checkout();
    counter.txtMemberID->setText(u"1"_s);
    counter.memberSource = 1;
    counter.cmdDisplayInfo_Click();
    counter.txtVidID->setText(u"1001"_s);
    counter.cmdAdd_Click();
    return counter;
}

} // namespace

class tst_frmPayment : public QObject
{
    Q_OBJECT

private slots:
    void partAndFullPaymentsAndTheNextVisit()
    {
        TestStore s;
        frmPayment &w = open(s);
        lookUp(w, u"1"_s);
        QCOMPARE(w.lblMessage->text(), AnnOwes + u"$5.98"_s);
        // Cancelled or empty pays nothing silently; the rest are refused.
        for (const QString &typed : {u""_s, u"abc"_s, u"2,x"_s, u"0"_s, u"-1"_s, u"1,000.005"_s, u"0.999"_s}) {
            s.ws().clear();
            s.ws().type(typed);
            clickOn(*w.cmdPayPart);
            QCOMPARE(s.ws().boxes().size(), typed.isEmpty() ? 1 : 2);
            QCOMPARE(feesOwing(s, 1), *Money::parse(u"5.98"));
        }
        // A fraction of a cent is refused, not taken off unsaid.
        QCOMPARE(s.ws().last().prompt,
                 u"\"0.999\" has more than two decimals. Amounts are in dollars and cents, such as "
                 "24.99. Nothing has been paid."_s);

        s.ws().clear();
        s.ws().type(u"2"_s);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdPayPart);
        QCOMPARE(s.ws().prompts().first(), u"Ann Smith owes $5.98. Amount paid now:"_s);
        QCOMPARE(s.ws().last().prompt, u"Payment made of $2.00 by Cash\r\n$3.98 still owing on account."_s);
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"3.98"));
        keepScreenshot(w, u"payment.png"_s);

        // A fee charged after the lookup is not paid off unseen, and stays payable.
        feeChargedElsewhere(s);
        s.ws().answer(Answer::No);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdPayFull);
        QCOMPARE(s.ws().last().prompt, u"Overdue fees paid in the amount of $3.98 by Cash."_s);
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"2.99"));
        QCOMPARE(w.lblMessage->text(), AnnOwes + u"$2.99"_s);

        s.ws().answer(Answer::No);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdPayFull);
        QCOMPARE(feesOwing(s, 1), Money());
        QCOMPARE(w.lblMessage->text(), u"Ann Smith has no fees owing. No payments are necessary."_s);
        QCOMPARE(payButtons(w), 0);

        // The next visit needs a new lookup; Enter looks up.
        s.exec(u"UPDATE tblMembers SET FeesOwing = 100 WHERE CustomerNumber = 1"_s);
        clickOn(*w.cmdReturn);
        QCOMPARE(shownWindows(), QStringList{u"frmMain"_s});
        s.windows().main().hide();
        w.show();
        QCOMPARE(payButtons(w), 0);
        QCOMPARE(w.lblMessage->text(), QString());
        typeInto(*w.txtNum, u"1"_s);
        QTest::keyClick(w.txtNum, Qt::Key_Return);
        QCOMPARE(payButtons(w), 2);
        // More than is owed leaves a credit.
        s.ws().type(u"$10.00"_s);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdPayPart);
        QCOMPARE(feesOwing(s, 1), -*Money::parse(u"9.99"));
        QCOMPARE(w.lblMessage->text(), AnnOwes + u"-$9.99"_s);
    }

    void lookupsThatAllowNoPayment()
    {
        TestStore s;
        frmPayment &w = open(s);
        const QString fees = u"SELECT FeesOwing FROM tblMembers ORDER BY CustomerNumber"_s;
        const QString before = s.rows(fees);
        struct Case { QString typed, message; };
        const Case cases[] = {
            {u"2"_s,
             u"Bob Jones has no fees owing. No payments are necessary.\n(If customer is returning overdue videos "
             "at this time, enter the returns and then return to payment.)"_s},
            {u"99"_s, u"There is no member 99."_s},
            {u"4"_s, u"That customer has been deleted."_s},
            {u"1; UPDATE tblMembers SET FeesOwing = 0"_s, {}},
        };
        for (const Case &c : cases) {
            lookUp(w, u"1"_s);
            s.ws().clear();
            lookUp(w, c.typed);
            QCOMPARE(w.lblMessage->text(), c.message);
            QCOMPARE(payButtons(w), 0);
            // Only a number that is not one gets a box.
            QCOMPARE(s.ws().boxes().size(), c.message.isEmpty() ? 1 : 0);
        }
        QCOMPARE(s.rows(fees), before);

        lookUp(w, u"1"_s);
        lookUp(w, QString());
        QCOMPARE(payButtons(w), 2);
    }

    void handOnToTheCounterTakesOffExactlyTheFee()
    {
        for (const bool complete : {true, false}) {
            TestStore s;
            frmPayment &w = open(s);
            // A tape already in the bag stays charged.
            frmCheckout &counter = tapeInTheBag(s);

            lookUp(w, u"1"_s);
            typeInto(*w.txtNum, u"2"_s); // typed after the lookup: not the member paying
            s.ws().answer(Answer::Yes);
            clickOn(*w.cmdPayFull);
            QCOMPARE(shownWindows(), QStringList{u"frmCheckout"_s});
            QCOMPARE(counter.List3->item(1)->text(), u"Pay  overdue fees \t5.98"_s);
            QCOMPARE(counter.txtMemID2->text(), u"1"_s);
            feeChargedElsewhere(s);

            counter.SSTab1->setCurrentIndex(3);
            if (complete) {
                clickOn(*counter.optCash);
                typeInto(*counter.txtCash, u"20"_s);
                s.ws().answer(Answer::Yes);
                s.ws().answer(Answer::No);
                clickOn(*counter.cmdCheckOut);
                QCOMPARE(s.count(u"tblRentals"_s, u"VideoID = 1001 AND CustomerNumber = 1"_s), 1);
            } else {
                s.ws().answer(Answer::No);
                s.ws().answer(Answer::No);
                clickOn(*counter.cmdPrintRec);
            }
            QCOMPARE(feesOwing(s, 1), *Money::parse(complete ? u"2.99" : u"8.97"));
            QCOMPARE(counter.List3->count(), 0);
        }
    }

    void balanceTooLargeForABillStaysHere()
    {
        TestStore s;
        frmPayment &w = open(s);
        frmCheckout &counter = tapeInTheBag(s);
        const Money bill = counter.vidTotal;
        // Near the largest number a column holds: added to the bill it would not fit.
        s.exec(u"UPDATE tblMembers SET FeesOwing = 9223372036854775000 WHERE CustomerNumber = 1"_s);
        counter.hide();
        w.show();

        lookUp(w, u"1"_s);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdPayFull);
        QCOMPARE(s.ws().last().title, u"Bill too large"_s);
        QCOMPARE(shownWindows(), QStringList{u"frmPayment"_s});
        QCOMPARE(counter.vidTotal, bill);
        QCOMPARE(counter.List3->count(), 1);
    }

    void billAndFeesAgreeAfterEveryChange()
    {
        TestStore s;
        frmPayment &w = open(s);
        s.addTape(1002, 10);
        frmCheckout &counter = s.windows().checkout();
        auto handOn = [&] {
            counter.hide();
            w.show();
            lookUp(w, u"1"_s);
            s.ws().answer(Answer::Yes);
            clickOn(*w.cmdPayFull);
        };
        auto feeLines = [&] { return listLines(counter.List3).filter(QRegularExpression(u"^Pay "_s)); };
        const QString fee = u"Pay  overdue fees \t5.98"_s;

        // The fee is in the bill's totals (5.98 + 0.42 + 0.48), so cash of 0 cannot clear it.
        handOn();
        counter.SSTab1->setCurrentIndex(3);
        QCOMPARE(counter.txtTotal1->text(), u"6.88"_s);
        clickOn(*counter.optCash);
        typeInto(*counter.txtCash, u"0"_s);
        clickOn(*counter.cmdCheckOut);
        QCOMPARE(s.ws().last().prompt, u"Must provide sufficient cash to cover this purchase or remove items."_s);

        // Away to the main menu, the bill kept, and back through Payments:
        // one fee line, and the payment page still open shows it.
        s.ws().answer(Answer::Yes);
        clickOn(*counter.cmdReturn);
        handOn();
        QCOMPARE(feeLines(), QStringList{fee});
        QCOMPARE(counter.txtTotal1->text(), u"6.88"_s);
        rent(counter, u"1002"_s);

        // Another member looked up, Ann's bill cleared: her fee stays owing;
        // Bob pays for his tape only.
        s.ws().answer(Answer::Yes);
        lookUp(counter, counter.txtMemberID, u"2"_s);
        QCOMPARE(feeLines(), QStringList());
        rent(counter, u"1002"_s);
        counter.SSTab1->setCurrentIndex(3);
        QCOMPARE(counter.txtSubTotal->text(), u"3.99"_s);
        clickOn(*counter.optCash);
        typeInto(*counter.txtCash, u"20"_s);
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::No);
        clickOn(*counter.cmdCheckOut);
        QCOMPARE(s.count(u"tblRentals"_s, u"VideoID = 1002 AND CustomerNumber = 2"_s), 1);
        QCOMPARE(feesOwing(s, 1), *Money::parse(u"5.98"));
        QCOMPARE(s.ws().unusedAnswers(), 0);
    }

    // Each payment asks once, naming the amount, the member and the way of
    // paying, No by default (a double Enter pays nothing), and names the way
    // in its result; a card is checked first. Only cash goes in the drawer.
    void eachPaymentAsksOnceKeepsItsMethodAndOnlyCashIsInTheDrawer()
    {
        TestStore s;
        frmPayment &w = open(s);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        typeInto(*w.txtNum, u"1"_s);
        QTest::keyClick(w.txtNum, Qt::Key_Return);
        s.ws().answer(Answer::No);
        s.ws().answer(Answer::No);
        QTest::keyClick(w.cmdPayFull, Qt::Key_Return);
        QCOMPARE(s.ws().prompts().value(1), u"Take $5.98 from Ann Smith by Cash?"_s);
        QCOMPARE(s.ws().last().byDefault, std::optional<Answer>(Answer::No));
        QCOMPARE(s.ws().boxes().first().byDefault, std::optional<Answer>(Answer::No));
        struct Case { QRadioButton *option; QString card, paid, method; };
        const Case cases[] = {
            {nullptr, {}, u"1.00"_s, u"Cash"_s}, // as chosen on arrival
            {w.OptVisa, u"4500 1111 2222 3334"_s, u"1.25"_s, u"VISA"_s},
            {w.optDebit, u"4506445566778898"_s, u"0.50"_s, u"Debit"_s},
            {w.optCash, {}, u"2.00"_s, u"Cash"_s},
        };
        for (const Case &c : cases) {
            typeInto(*w.txtNum, u"1"_s);
            QTest::keyClick(w.txtNum, Qt::Key_Return);
            // The member shown, Enter pays in full from where the focus is.
            QCOMPARE(QApplication::focusWidget(), w.cmdPayFull);
            if (c.option)
                clickOn(*c.option);
            QCOMPARE(w.txtCardNum->isEnabled(), !c.card.isEmpty());
            if (!c.card.isEmpty()) {
                // The expiry typed where the number goes: refused, nothing asked.
                QCOMPARE(QApplication::focusWidget(), w.txtCardNum);
                QTest::keyClicks(w.txtCardNum, u"12/28"_s);
                clickOn(*w.cmdPayPart);
                QVERIFY(s.ws().last().prompt.startsWith(u"The card number may hold only digits"_s));
                typeInto(*w.txtCardNum, c.card);
                QTest::keyClick(w.txtCardNum, Qt::Key_Tab);
                // Never whole on screen once typed.
                QCOMPARE(w.txtCardNum->text(), CardMask::masked(c.card));
                if (w.txtExDate->isEnabled())
                    typeInto(*w.txtExDate, u"12/29"_s);
            }
            s.ws().clear();
            s.ws().type(c.paid);
            s.ws().answer(Answer::Yes);
            clickOn(*w.cmdPayPart);
            QCOMPARE(s.ws().prompts().value(1), u"Take $%1 from Ann Smith by %2?"_s.arg(c.paid, c.method));
            QVERIFY(s.ws().last().prompt.startsWith(u"Payment made of $%1 by %2\r\n"_s.arg(c.paid, c.method)));
            // Ready for the next member's number.
            QCOMPARE(QApplication::focusWidget(), w.txtNum);
        }
        // Looked up again, Enter pays the rest, in cash.
        typeInto(*w.txtNum, u"1"_s);
        QTest::keyClick(w.txtNum, Qt::Key_Return);
        s.ws().answer(Answer::No);
        s.ws().answer(Answer::Yes);
        QTest::keyClick(w.cmdPayFull, Qt::Key_Return);
        QCOMPARE(s.ws().last().prompt, u"Overdue fees paid in the amount of $1.23 by Cash."_s);
        QCOMPARE(s.rows(u"SELECT Method, Amount FROM tblLedger WHERE Kind = 'payment' ORDER BY Seq"_s),
                 u"6|10000,1|12500,5|5000,6|20000,6|12300"_s);

        // The drawer holds the cash payments only.
        const auto drawer = LedgerStore(s.path()).drawer(s.windows().today(), Ledger::counterName());
        QVERIFY(drawer);
        QCOMPARE(drawer->feePayments, 3);
        QCOMPARE(drawer->feePaymentsAmount, *Money::parse(u"4.23"));
    }
};

QTEST_MAIN(tst_frmPayment)
#include "tst_frmPayment.moc"
