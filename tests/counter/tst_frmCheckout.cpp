#include "CheckoutFixture.h"

#include "app/frmMain.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"
#include "returns/ReturnsStore.h"
#include "ui/MemberChooser.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTabWidget>

class tst_frmCheckout : public QObject
{
    Q_OBJECT

private slots:
    void lookupByEachKeyUsesTheBoxTypedInLast()
    {
        TestStore s;
        frmCheckout &w = open(s);

        lookUp(w, w.txtMemberID, u"1"_s);
        QCOMPARE(w.txtMemberName->text(), u"Ann Smith"_s);
        QCOMPARE(listLines(w.lstAdditionalName), QStringList({"Pat", "", "Sam"}));

        // The licence box is typed in last, so the member number is ignored.
        typeInto(*w.txtMemberID, u"1"_s);
        lookUp(w, w.txtDLNumber, u"D-2"_s);
        QCOMPARE(w.txtMemID2->text(), u"2"_s);
        QCOMPARE(w.txtMemberID->text(), u"2"_s);

        // Two members share a phone: the one the clerk picks is at the counter,
        // with what they owe.
        s.exec(u"UPDATE tblMembers SET FeesOwing = 372600 WHERE CustomerNumber = 3"_s);
        chooseMember(s, 2, [&](frmChooseMember &c) { keepScreenshot(c, u"chooser.png"_s); });
        lookUp(w, w.txtHPhoneNum, u"555-2222"_s);
        QCOMPARE(w.txtMemID2->text(), u"3"_s);
        QCOMPARE(w.lblFeesOwing->text(), u"Fees owing: $37.26"_s);

        // Enter in a lookup box looks up, as the button does.
        typeInto(*w.txtMemberID, u"1"_s);
        QTest::keyClick(w.txtMemberID, Qt::Key_Return);
        QCOMPARE(w.txtMemID2->text(), u"1"_s);

        lookUp(w, w.txtMemberID, u"12x"_s);
        QCOMPARE(s.ws().last().title, u"Invalid number"_s);
        QCOMPARE(w.txtMemID2->text(), u"1"_s);

        // Neither a retired member nor an unknown one replaces the member already chosen.
        lookUp(w, w.txtHPhoneNum, u"555-4444"_s);
        QCOMPARE(s.ws().last().prompt, u"That user has been deleted and now has no checkout rights."_s);
        lookUp(w, w.txtDLNumber, u"no such licence"_s);
        QCOMPARE(s.ws().last().prompt, u"Customer not found"_s);
        QCOMPARE(w.txtMemID2->text(), u"1"_s);
    }

    void onlyAMemberRents()
    {
        TestStore s;
        frmCheckout &w = open(s);
        // A walk-in sale is no member to rent to.
        buy(w, u"7"_s, u"1"_s);
        QCOMPARE(w.txtMemID2->text(), u"0"_s);
        rent(w, u"1002"_s);
        QCOMPARE(s.ws().last().prompt, u"Must be a member to rent."_s);

        // Nor is a retired member.
        lookUp(w, w.txtMemberID, u"4"_s);
        rent(w, u"1002"_s);
        QCOMPARE(s.ws().last().prompt, u"Must be a member to rent."_s);
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1002"_s);
        QCOMPARE(w.List1->count(), 1);
    }

    void rentalLineFeeAndGenreByPriceClass()
    {
        TestStore s;
        frmCheckout &w = open(s);
        lookUp(w, w.txtMemberID, u"1"_s);
        // The title cut or padded to 20, the fee by the class, the total growing.
        const struct { const char *tape, *title, *fee, *total, *genre; } rows[] = {
            {"1001", "The Long Goodbye Exp", "3.99", "$3.99", "Action"},
            {"1002", "Short               ", "2.99", "$6.98", "Comedy"},
            {"1003", "Bargain Bin Classic ", "1.99", "$8.97", "Horror & Thriller"},
        };
        for (const auto &r : rows) {
            rent(w, QString::fromLatin1(r.tape));
            QCOMPARE(listLines(w.List3).last(), rentLine(r.tape, r.title, r.fee));
            QCOMPARE(w.txtTotal->text(), QString::fromLatin1(r.total));
            QCOMPARE(w.txtType->text(), QString::fromLatin1(r.genre));
        }
    }

    void removeAndClearAllKeepOtherBillLines()
    {
        TestStore s;
        frmCheckout &w = open(s);
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1002"_s);
        buy(w, u"7"_s, u"2"_s);
        rent(w, u"1003"_s);
        rent(w, u"1001"_s);
        buy(w, u"7"_s, u"2"_s);
        const QString kept = rentLine("1002", "Short               ", "2.99");
        const QString popcorn = u"Buy 7 2  Popcorn\t5.00"_s;
        const QString last = rentLine("1001", "The Long Goodbye Exp", "3.99");

        w.SSTab1->setCurrentIndex(1);
        w.List1->setCurrentRow(1);
        clickOn(*w.cmdRemove);
        // A sale equal to another takes the first such line of the bill only.
        w.SSTab1->setCurrentIndex(2);
        w.List2->setCurrentRow(1);
        clickOn(*w.cmdRemoveSale);
        QCOMPARE(listLines(w.List3), QStringList({kept, last, popcorn}));
        QCOMPARE(w.txtTotal->text(), u"$6.98"_s);
        QCOMPARE(w.txtSalesTotal->text(), u"$5.00"_s);
        // Remove with nothing selected does nothing.
        w.SSTab1->setCurrentIndex(1);
        w.List1->clearSelection();
        clickOn(*w.cmdRemove);
        QCOMPARE(w.List1->count(), 2);

        // Fees handed on stay, charged, whichever bag is cleared.
        QVERIFY(w.addFeesPaid(1, *Money::parse(u"5.98")));
        buyVideo(w, u"2001"_s);
        w.SSTab1->setCurrentIndex(1);
        clickOn(*w.cmdClearAll);
        QCOMPARE(listLines(w.List3), QStringList({popcorn, "Pay  overdue fees \t5.98", "BuyV 2001  Short\t9.99"}));
        QCOMPARE(w.txtTotal->text(), u"$5.98"_s);
        w.SSTab1->setCurrentIndex(2);
        clickOn(*w.cmdClearAllSales);
        QCOMPARE(listLines(w.List3), QStringList{u"Pay  overdue fees \t5.98"_s});
        QCOMPARE(w.salesTotal(), Money());
        // Fees are put only on the bill of the member who owes them.
        QVERIFY(!w.addFeesPaid(2, *Money::parse(u"1.00")));
    }

    void checkoutWritesRentalsSalesAndFees()
    {
        TestStore s;
        frmCheckout &w = open(s);
        s.addRental(41, 2, 1003, u"2026-01-01"_s, u"2026-01-05"_s, true);
        s.exec(u"INSERT INTO tblReceipts VALUES (17, '2026-01-01', 2)"_s);
        s.exec(u"UPDATE tblMembers SET FeesOwing = 59800 WHERE CustomerNumber = 1"_s);

        // As the late-fee window hands a member on.
        w.txtMemberID->setText(u"1"_s);
        w.memberSource = 1;
        w.cmdDisplayInfo_Click();
        QVERIFY(w.addFeesPaid(1, *Money::parse(u"5.98")));

        rent(w, u"1001"_s);
        rent(w, u"1002"_s);
        rent(w, u"1003"_s);
        buy(w, u"7"_s, u"2"_s);
        buyVideo(w, u"2001"_s);
        payBy(w, w.OptVisa);
        for (int page = 0; page < 4; ++page) {
            w.SSTab1->setCurrentIndex(page);
            keepScreenshot(w, u"checkout-%1.png"_s.arg(page + 1));
        }
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);

        // 29.94 and its taxes.
        QVERIFY2(
            s.ws().boxes().at(0).prompt.startsWith(u"Verify that the VISA credit charge transaction has gone through "
                                                   "under the following information: \r\n•••• •••• •••• 1234 "
                                                   "2028-04 Total: 34.44\r\n"_s),
            qPrintable(s.ws().boxes().at(0).prompt));
        QCOMPARE(
            s.rows(u"SELECT RentalID, VideoID, CustomerNumber, RentalDate, DueDate, Returned FROM tblRentals "
                   "WHERE RentalID = 42 ORDER BY VideoID"_s,
                   u" "_s),
            u"42|1001|1|2026-03-01|2026-03-03|0 42|1002|1|2026-03-01|2026-03-04|0 42|1003|1|2026-03-01|2026-03-05|0"_s);
        QCOMPARE(s.rows(u"SELECT SaleID, DateOfSale, CustomerID FROM tblReceipts WHERE SaleID > 17"_s),
                 u"18|2026-03-01|1"_s);
        QCOMPARE(s.rows(u"SELECT ReceiptID, InventoryID, QuantityPurchased FROM tblSalesDetails"_s), u"18|7|2"_s);
        QCOMPARE(s.rows(u"SELECT ReceiptID, VideoID FROM tblVideosSold"_s), u"18|2001"_s);
        QCOMPARE(s.value(u"SELECT Quantity FROM tblInventory WHERE InventoryID = 7"_s).toInt(), 3);
        QCOMPARE(s.count(u"tblVideos"_s, u"InStore = 0 AND VideoID IN (1001, 1002, 1003, 2001)"_s), 4);
        QCOMPARE(feesOwing(s, 1), Money());
        // Ready for the next customer.
        QCOMPARE(w.List3->count(), 0);
        QCOMPARE(w.txtMemID2->text(), QString());
        QCOMPARE(s.ws().unusedAnswers(), 0);
    }

    void cardBoxesReceiptOnlyForSalesAndStockNeverBelowZero()
    {
        TestStore s;
        frmCheckout &w = open(s);
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1002"_s);
        payBy(w, w.OptVisa);
        QCOMPARE(w.txtCardNum->text(), u"•••• •••• •••• 1234"_s); // the last four digits only
        QCOMPARE(w.txtExDate->text(), u"2028-04"_s);
        // A card number of 0 means none on file.
        payBy(w, w.optMC);
        QCOMPARE(w.paymentType(), 2);
        QCOMPARE(w.txtCardNum->text(), QString());
        QCOMPARE(w.txtExDate->text(), QString());
        typeInto(*w.txtCardNum, u"123"_s);
        payBy(w, w.optCash);
        QCOMPARE(w.paymentType(), 6);
        QCOMPARE(w.txtCardNum->text(), QString());

        // A rental alone, by a card typed, makes no sale receipt.
        payBy(w, w.optAmEx);
        typeInto(*w.txtCardNum, u"3782 822463 10005"_s);
        typeInto(*w.txtExDate, u"12/29"_s);
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QVERIFY(s.ws().boxes().at(0).prompt.contains(u"American express credit charge"_s));
        QCOMPARE(s.value(u"SELECT RentalID FROM tblRentals"_s).toInt(), 1);
        QCOMPARE(s.count(u"tblReceipts"_s), 0);

        // Each line checks the stock on hand alone, but the checkout writes only
        // what the stock covers: two of the last two, twice, is refused whole,
        // and the clerk hears what the store has, not what was left mid-bill.
        buy(w, u"8"_s, u"2"_s);
        buy(w, u"8"_s, u"2"_s);
        const QStringList before = snapshot(s);
        cashRefused(s, w, u"20"_s);
        QVERIFY2(s.ws().last().prompt.startsWith(u"Item 8 (Licorice) has only 2 left"_s),
                 qPrintable(s.ws().last().prompt));
        QCOMPARE(snapshot(s), before);
        QCOMPARE(w.List3->count(), 2); // the bill stays for the clerk to take the line off

        w.SSTab1->setCurrentIndex(2);
        w.List2->setCurrentRow(1);
        clickOn(*w.cmdRemoveSale);
        checkOutCash(s, w, u"20"_s);
        QCOMPARE(s.value(u"SELECT Quantity FROM tblInventory WHERE InventoryID = 8"_s).toInt(), 0);
        QCOMPARE(s.value(u"SELECT CustomerID FROM tblReceipts"_s).toInt(), 0);
    }

    // Leaving with lines on the bill asks (Yes keeps them for the member, No
    // clears them, Cancel stays); another member's lookup and the program's
    // end ask before a bill goes.
    void leavingAnotherMemberOrExitAsksAboutTheBill()
    {
        TestStore s;
        frmCheckout &w = open(s);
        for (const Answer keep : {Answer::Cancel, Answer::No, Answer::Yes}) {
            w.show();
            if (w.List3->count() == 0) {
                lookUp(w, w.txtMemberID, u"1"_s);
                rent(w, u"1002"_s);
            }
            s.ws().clear();
            s.ws().answer(keep);
            w.reject(); // Esc
            QVERIFY(s.ws().prompts().value(0).startsWith(u"Keep this bill for later?\r\n(Yes keeps it for member 1"_s));
            QCOMPARE(w.isVisible(), keep == Answer::Cancel);
            QCOMPARE(w.List3->count(), keep == Answer::No ? 0 : 1);
        }
        w.show();
        const QString question = u"The bill is for member 1 Ann Smith. Clear it and show member 2 Bob Jones?"_s;
        for (const Answer clear : {Answer::No, Answer::Yes}) {
            s.ws().clear();
            s.ws().answer(clear);
            lookUp(w, w.txtMemberID, u"2"_s);
            QCOMPARE(s.ws().prompts(), QStringList{question});
            QCOMPARE(s.ws().last().byDefault, std::optional<Answer>(Answer::No));
            const QStringList shown = {w.txtMemID2->text(), w.txtMemberName->text(), QString::number(w.List3->count())};
            QCOMPARE(shown, clear == Answer::Yes ? QStringList({"2", "Bob Jones", "0"})
                                                 : QStringList({"1", "Ann Smith", "1"}));
        }

        // Bob's bill kept at the main menu: Exit asks too.
        rent(w, u"1002"_s);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdReturn);
        for (const Answer exit : {Answer::No, Answer::Yes}) {
            s.ws().clear();
            s.ws().answer(exit);
            s.windows().main().mnuExit->trigger();
            QCOMPARE(s.ws().prompts().value(0), u"A bill is open at the counter. Close the program and drop it?"_s);
            QCOMPARE(s.quitCalled(), exit == Answer::Yes);
        }
    }

    void totalsWithTaxesAndCashRefusals()
    {
        TestStore s;
        frmCheckout &w = open(s);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        s.addItem(21, u"Box set"_s, u"29.23"_s, 10);
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1001"_s);
        buy(w, u"21"_s, u"1"_s);
        const QStringList before = snapshot(s);
        // 33.22: the taxes as shown add up to the total (not 115 %, 38.20).
        w.SSTab1->setCurrentIndex(3);
        QCOMPARE(QStringList({w.txtSubTotal->text(), w.txtGST->text(), w.txtPST->text(), w.txtTotal1->text()}),
                 QStringList({"33.22", "2.33", "2.66", "38.21"}));
        clickOn(*w.cmdCheckOut);
        QCOMPARE(s.ws().last().prompt, u"Must select a payment type!"_s);

        // The cash asked for follows the total shown: too little, not a
        // number, nothing, a fraction of a cent.
        payBy(w, w.optCash);
        for (const char *cash : {"38.20", "abc", "", "38.215"}) {
            typeInto(*w.txtCash, QString::fromLatin1(cash));
            clickOn(*w.cmdCheckOut);
            QCOMPARE(s.ws().last().title, u"Payment error"_s);
        }
        QCOMPARE(s.ws().boxes().at(1).prompt,
                 u"Must provide sufficient cash to cover this purchase or remove items."_s);
        QCOMPARE(s.ws().last().prompt, u"\"38.215\" has more than two decimals. Amounts are in dollars and cents, "
                                       "such as 24.99."_s);

        // No to the verification writes nothing and keeps the bill; "$40" is echoed once.
        typeInto(*w.txtCash, u"$40"_s);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(
            s.ws().last().prompt,
            QStringLiteral("Verify that the customer has provided $40.00\r\nin cash and been returned $1.79 in change."
                           "\r\n(No to change payment type, Cancel stops this checkout.)"));
        QCOMPARE(s.ws().last().buttons, Buttons::YesNoCancel);
        QCOMPARE(w.List3->count(), 2);

        // A card chosen after No needs its number (blanks are none), then a
        // good one: the box at fault is named and given the keyboard.
        payBy(w, w.optAmEx);
        for (const QString &number : {u"   "_s, u"4111 1111 1111 1111"_s}) {
            typeInto(*w.txtCardNum, number);
            clickOn(*w.cmdCheckOut);
        }
        QCOMPARE(s.ws().prompts().mid(s.ws().prompts().size() - 2),
                 QStringList({u"Must provide a card number"_s,
                              u"The card's expiry date is missing. Type it as MM/YY, for example 08/29."_s}));
        QCOMPARE(QApplication::focusWidget(), w.txtExDate);
        QCOMPARE(snapshot(s), before);
    }

    void cancelKeepsTheBillForTheNextVisit()
    {
        TestStore s;
        frmCheckout &w = open(s);
        frmMain &menu = s.windows().main();
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1002"_s);
        payBy(w, w.optCash);
        typeInto(*w.txtCash, u"5"_s);
        s.ws().answer(Answer::Cancel);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(shownWindows(), QStringList{u"frmMain"_s});
        QCOMPARE(s.count(u"tblRentals"_s), 0);

        clickOn(*menu.cmdCheckout);
        QCOMPARE(w.List3->count(), 1);

        // The customer walks away from Print a Receipt: nothing is written, nothing printed.
        payBy(w, w.optCash);
        typeInto(*w.txtCash, u"5"_s);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdPrintRec);
        QCOMPARE(s.ws().last().prompt, u"Does the customer want to check out now? (No cancels transaction.)"_s);
        QCOMPARE(s.ws().printed().size(), 0);
        QCOMPARE(w.List3->count(), 0);
        QCOMPARE(s.count(u"tblRentals"_s), 0);
    }

    void failureMidCheckoutWritesNothing()
    {
        TestStore s;
        frmCheckout &w = open(s);
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1001"_s);
        buy(w, u"7"_s, u"1"_s);
        buyVideo(w, u"2001"_s);
        const QStringList bill = listLines(w.List3);
        // The tape sale is written after the rental and the item line.
        s.refuseInserts(u"tblVideosSold"_s, u"disk failure"_s);
        const QStringList before = snapshot(s);

        cashRefused(s, w, u"100"_s);
        QVERIFY2(s.ws().last().prompt.startsWith(u"The store database could not write the tape sold."_s),
                 qPrintable(s.ws().last().prompt));
        QCOMPARE(snapshot(s), before);
        QCOMPARE(listLines(w.List3), bill);

        // A date that is not one, or one past the years kept, is refused
        // before the customer is asked to pay.
        for (const QString &date : {u"03/01/2026"_s, u"9999-12-31"_s, u"0001-01-01"_s}) {
            typeInto(*w.txtDate, date);
            const qsizetype boxes = s.ws().boxes().size();
            clickOn(*w.cmdCheckOut);
            QCOMPARE(s.ws().boxes().size(), boxes + 1);
            QCOMPARE(s.ws().last().title, u"Invalid date"_s);
        }
        QCOMPARE(snapshot(s), before);

        // Once the fault is gone the same bill goes through.
        s.allowInserts(u"tblVideosSold"_s);
        typeInto(*w.txtDate, u"2026-03-01"_s);
        checkOutCash(s, w, u"100"_s);
        QCOMPARE(s.count(u"tblVideosSold"_s), 1);
        QCOMPARE(s.count(u"tblRentals"_s), 1);
    }

    void feesPaidElsewhereMeanwhileAreNotChargedTwice()
    {
        TestStore s;
        frmCheckout &w = open(s);
        // A partial payment, then the rest, taken at another counter after the
        // fees went on this bill.
        struct Step { qint64 owingNow; const char *line, *said; };
        for (const Step &step :
             {Step{20000, "Pay  overdue fees \t2.00", "Member 1 now owes $2.00 in fees, not the $5.98"},
              Step{0, nullptr, "Member 1 no longer owes fees: the $2.00 on the bill has been paid"}}) {
            s.exec(u"UPDATE tblMembers SET FeesOwing = 59800 WHERE CustomerNumber = 1"_s);
            lookUp(w, w.txtMemberID, u"1"_s);
            QVERIFY(w.addFeesPaid(1, *Money::parse(step.owingNow ? u"5.98" : u"2.00")));
            s.exec(u"UPDATE tblMembers SET FeesOwing = ? WHERE CustomerNumber = 1"_s, {step.owingNow});
            cashRefused(s, w, u"10"_s);
            QVERIFY2(s.ws().last().prompt.startsWith(QString::fromLatin1(step.said)), qPrintable(s.ws().last().prompt));
            QCOMPARE(listLines(w.List3), step.line ? QStringList{QString::fromLatin1(step.line)} : QStringList());
            QCOMPARE(s.value(u"SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = 1"_s).toLongLong(),
                     step.owingNow);
            QCOMPARE(s.count(u"tblLedger"_s), 0);
        }
        // What is still owed is charged, and the account ends at nothing, never a credit.
        s.exec(u"UPDATE tblMembers SET FeesOwing = 20000 WHERE CustomerNumber = 1"_s);
        w.ResetCheckout();
        lookUp(w, w.txtMemberID, u"1"_s);
        QVERIFY(w.addFeesPaid(1, *Money::parse(u"5.98")));
        cashRefused(s, w, u"10"_s);
        checkOutCash(s, w, u"10"_s);
        QCOMPARE(s.value(u"SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = 1"_s).toLongLong(), 0);
        QCOMPARE(s.value(u"SELECT FeesPaid FROM tblLedger"_s).toLongLong(), 20000);
    }

    void cashCardBillAndLimits()
    {
        TestStore s;
        frmCheckout &w = open(s);

        // An empty bill is refused before any question.
        payBy(w, w.optCash);
        typeInto(*w.txtCash, u"5"_s);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(s.ws().last().title, u"Empty bill"_s);

        // Leading zeros are read by value.
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"00000000001002"_s);
        QCOMPARE(w.List1->count(), 1);

        // A line that would take the bill past what the program takes is refused.
        s.exec(u"UPDATE tblInventory SET Quantity = 2000000000 WHERE InventoryID = 7"_s);
        buy(w, u"7"_s, u"2000000000"_s);
        QCOMPARE(s.ws().last().title, u"Bill too large"_s);
        QCOMPARE(w.List2->count(), 0);

        // The last day of the last year kept: its due date is written, and the
        // tape comes back, two days late, on a date past the years a clerk types.
        typeInto(*w.txtDate, u"9998-12-31"_s);
        checkOutCash(s, w, u"20"_s);
        QCOMPARE(s.value(u"SELECT DueDate FROM tblRentals"_s).toString(), u"9999-01-03"_s);
        const ReturnOutcome back = ReturnsStore(s.path()).returnTapes({1002}, QDate(9999, 1, 5));
        QCOMPARE(back.status, ReturnOutcome::Done);
        QCOMPARE(back.charges, QList<Money>{*Money::parse(u"3.98")});
    }

    void pricesFromTomorrowLeaveTodaysBill()
    {
        TestStore s;
        frmCheckout &w = open(s);
        s.addTape(1008, 10);
        // From tomorrow on, new releases rent for 4.49 a night and GST is 5 %.
        const QDate tomorrow = Today.addDays(1);
        PriceChange fee = Pricing::classChange(Pricing::starting(), 1, tomorrow);
        fee.fee = *Money::parse(u"4.49");
        fee.days = 1;
        PriceChange gst = Pricing::taxChange(Pricing::starting(), 1, tomorrow);
        gst.rate = 50000;
        PriceStore prices(s.path());
        QVERIFY(prices.record({fee, gst}, Today));
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1001"_s);
        checkOutCash(s, w, u"10"_s);
        typeInto(*w.txtDate, StoreDate::toText(tomorrow));
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1008"_s);
        w.SSTab1->setCurrentIndex(3);
        QCOMPARE(QStringList({w.Label29->text(), w.txtTotal1->text()}), QStringList({"GST @ 5%", "5.07"}));
        checkOutCash(s, w, u"10"_s);
        QCOMPARE(s.rows(u"SELECT RentalDate, DueDate, RentalFee, GSTRate, GST FROM tblRentals ORDER BY RentalID"_s),
                 u"2026-03-01|2026-03-03|39900|70000|2800,2026-03-02|2026-03-03|44900|50000|2200"_s);

        // A price changed between the bag and the checkout: nothing is written.
        typeInto(*w.txtDate, StoreDate::toText(tomorrow));
        lookUp(w, w.txtMemberID, u"2"_s);
        rent(w, u"1002"_s);
        PriceChange regular = Pricing::classChange(Pricing::starting(), 2, tomorrow);
        regular.fee = *Money::parse(u"3.49");
        QVERIFY(prices.record({regular}, Today));
        const QStringList before = snapshot(s);
        cashRefused(s, w, u"10"_s);
        QVERIFY2(s.ws().last().prompt.contains(u"The price of tape 1002 (Short) is now $3.49"_s),
                 qPrintable(s.ws().last().prompt));
        QCOMPARE(snapshot(s), before);
    }

    void itemPricedInTenthsOfACent()
    {
        TestStore s;
        frmCheckout &w = open(s);
        s.exec(u"UPDATE tblInventory SET Price = 3333, Quantity = 10 WHERE InventoryID = 7"_s);
        buy(w, u"7"_s, u"3"_s);
        // 0.9999 shown, totalled and taxed as 1.00.
        QCOMPARE(listLines(w.List2), QStringList{u"Buy 7 3  Popcorn\t1.00"_s});
        w.SSTab1->setCurrentIndex(3);
        QCOMPARE(QStringList({w.txtSubTotal->text(), w.txtGST->text(), w.txtPST->text(), w.txtTotal1->text()}),
                 QStringList({"1.00", "0.07", "0.08", "1.15"}));
        checkOutCash(s, w, u"2"_s);
        QCOMPARE(s.rows(u"SELECT Price, Amount, GST, PST FROM tblSalesDetails"_s), u"3333|10000|700|800"_s);
    }
};

QTEST_MAIN(tst_frmCheckout)
#include "tst_frmCheckout.moc"
