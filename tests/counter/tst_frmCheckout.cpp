#include "TestSupport.h"

#include "app/frmMain.h"
#include "counter/frmCheckout.h"
#include "data/Pricing.h"
#include "ui/WindowSystem.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QDate Today(2026, 3, 1);

// Members, titles of each price class, tapes in every state, stock items.
void seed(TestStore &s)
{
    s.addMember(1, QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("555-1111"), QStringLiteral("D-1"));
    s.addMember(2, QStringLiteral("Bob"), QStringLiteral("Jones"), QStringLiteral("555-2222"), QStringLiteral("D-2"));
    s.addMember(3, QStringLiteral("Cy"), QStringLiteral("Jones"), QStringLiteral("555-2222"), QStringLiteral("D-3"));
    s.addMember(4, QStringLiteral("Dee"), QStringLiteral("Gone"), QStringLiteral("555-4444"), QStringLiteral("D-4"),
                true);
    s.addMovie(10, QStringLiteral("The Long Goodbye Express Returns"), 1, 1);
    s.addMovie(11, QStringLiteral("Short"), 4, 2);
    s.addMovie(12, QStringLiteral("Bargain Bin Classic"), 5, 3);
    s.addTape(1001, 10);
    s.addTape(1002, 11);
    s.addTape(1003, 12);
    s.addTape(1004, 11, false, false, false, QStringLiteral("24.99"), true);
    s.addTape(1005, 11, false, false, false);
    s.addTape(1006, 11, true, false, false);
    s.addTape(2001, 11, false, true, true, QStringLiteral("9.99"));
    s.addTape(2002, 11, false, true, true, QStringLiteral("9.99"), true);
    s.addTape(2003, 11, false, false, true);
    s.addTape(2004, 11, false, true, false);
    s.addItem(7, QStringLiteral("Popcorn"), QStringLiteral("2.50"), 5);
    s.addItem(8, QStringLiteral("Licorice"), QStringLiteral("1.25"), 2);
    s.addItem(9, QStringLiteral("Old stock"), QStringLiteral("1.00"), 9, true);
    s.exec(QStringLiteral("INSERT INTO tblCreditInfo (CustomersNumber, Visa, VisaExp, MasterCard, MCExp) "
                          "VALUES (1, '4500123412341234', '2028-04', '0', '2027-01')"));
}

frmCheckout &open(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    seed(s);
    frmCheckout &w = s.windows().checkout();
    w.show();
    return w;
}

// Each step turns to its own page first, as the clerk must.
void lookUp(frmCheckout &w, QLineEdit *box, const QString &text)
{
    w.SSTab1->setCurrentIndex(0);
    typeInto(*box, text);
    clickOn(*w.cmdDisplayInfo);
}

void rent(frmCheckout &w, const QString &videoId)
{
    w.SSTab1->setCurrentIndex(1);
    typeInto(*w.txtVidID, videoId);
    clickOn(*w.cmdAdd);
}

void buy(frmCheckout &w, const QString &item, const QString &quantity)
{
    w.SSTab1->setCurrentIndex(2);
    typeInto(*w.txtInvID, item);
    typeInto(*w.txtQuan, quantity);
    clickOn(*w.cmdBuy);
}

void buyVideo(frmCheckout &w, const QString &videoId)
{
    w.SSTab1->setCurrentIndex(2);
    typeInto(*w.txtVidSale, videoId);
    clickOn(*w.cmdBuyVideo);
}

QStringList lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void select(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    QVERIFY(list->item(row)->isSelected());
}

// Goes to the payment page (which totals the bill) and picks an option.
void payBy(frmCheckout &w, QRadioButton *option)
{
    w.SSTab1->setCurrentIndex(3);
    clickOn(*option);
}

QString rentLine(const QString &id, const QString &title20, const QString &fee)
{
    return QStringLiteral("Rent %1  %2\t%3").arg(id, title20, fee);
}

// Every row of the tables a checkout writes, to compare before and after.
QStringList snapshot(TestStore &s)
{
    QStringList out;
    for (const char *sql :
         {"SELECT group_concat(RentalID||','||VideoID||','||CustomerNumber||','||DueDate, ';') FROM tblRentals",
          "SELECT group_concat(SaleID||','||CustomerID, ';') FROM tblReceipts",
          "SELECT group_concat(ReceiptID||','||InventoryID||','||QuantityPurchased, ';') FROM tblSalesDetails",
          "SELECT group_concat(ReceiptID||','||VideoID, ';') FROM tblVideosSold",
          "SELECT group_concat(InventoryID||','||Quantity, ';') FROM tblInventory",
          "SELECT group_concat(VideoID||','||InStore, ';') FROM tblVideos",
          "SELECT group_concat(CustomerNumber||','||FeesOwing, ';') FROM tblMembers"})
        out << s.value(QString::fromLatin1(sql)).toString();
    return out;
}

} // namespace

class tst_frmCheckout : public QObject
{
    Q_OBJECT

private slots:
    void lookupByEachKeyUsesTheBoxTypedInLast();
    void lookupSharedPhoneShowsTheLastMatch();
    void lookupRefusesRetiredAndUnknownMembers();
    void rentalBagRefusalsInOrder_data();
    void rentalBagRefusalsInOrder();
    void rentalLineAndFeeByPriceClass_data();
    void rentalLineAndFeeByPriceClass();
    void removeAndClearAllKeepOtherBillLines();
    void shoppingBagStockChecksAndLineForm();
    void walkInSaleThenRentingIsRefused();
    void buyVideoRefusalsAndLine();
    void removeSaleTakesFirstEqualBillLineOnly();
    void paymentPageTotalsWithTaxes();
    void cardOnFileFillsTheCardBoxes();
    void checkoutWritesRentalsSalesAndFees();
    void checkoutRentalsOnlyWritesNoReceipt();
    void doubleSaleLowersStockBelowZero();
    void cashRefusalsAndVerificationAnswers();
    void cancelKeepsTheBillForTheNextVisit();
    void failureMidCheckoutWritesNothing();
    void receiptPrintingAndAbandoning();
    void badDateWritesNothing();
    void screenshots();
};

void tst_frmCheckout::lookupByEachKeyUsesTheBoxTypedInLast()
{
    TestStore s;
    frmCheckout &w = open(s);

    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    QCOMPARE(w.txtMemberName->text(), QStringLiteral("Ann Smith"));
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("1"));
    QCOMPARE(w.txtHPhoneNum->text(), QStringLiteral("555-1111"));
    QCOMPARE(w.txtDLNumber->text(), QStringLiteral("D-1"));
    QCOMPARE(w.txtCity->text(), QStringLiteral("Springfield"));
    QCOMPARE(lines(w.lstAdditionalName), QStringList({"Pat", "", "Sam"}));

    // The licence box is typed in last, so the member number is ignored.
    typeInto(*w.txtMemberID, QStringLiteral("1"));
    lookUp(w, w.txtDLNumber, QStringLiteral("D-2"));
    QCOMPARE(w.txtMemberName->text(), QStringLiteral("Bob Jones"));
    QCOMPARE(w.txtMemberID->text(), QStringLiteral("2"));
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("2"));
    QCOMPARE(w.memberSource, 3);

    // A lookup box that holds a number that cannot be one is refused.
    lookUp(w, w.txtMemberID, QStringLiteral("12x"));
    QCOMPARE(s.ws().last().title, QStringLiteral("Invalid number"));
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("2"));
}

void tst_frmCheckout::lookupSharedPhoneShowsTheLastMatch()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtHPhoneNum, QStringLiteral("555-2222"));
    QCOMPARE(w.txtMemberName->text(), QStringLiteral("Cy Jones"));
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("3"));
    QVERIFY(s.ws().boxes().isEmpty());

    // Enter in a lookup box looks up, as the button does.
    typeInto(*w.txtMemberID, QStringLiteral("1"));
    QTest::keyClick(w.txtMemberID, Qt::Key_Return);
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("1"));
}

void tst_frmCheckout::lookupRefusesRetiredAndUnknownMembers()
{
    TestStore s;
    frmCheckout &w = open(s);

    lookUp(w, w.txtMemberID, QStringLiteral("4"));
    QCOMPARE(s.ws().last().prompt, QStringLiteral("That user has been deleted and now has no checkout rights."));
    QCOMPARE(s.ws().last().title, QStringLiteral("User deleted."));
    QCOMPARE(s.ws().last().icon, Icon::Exclamation);
    QCOMPARE(w.txtMemberName->text(), QString());
    QCOMPARE(w.txtMemID2->text(), QString());
    rent(w, QStringLiteral("1002"));
    QCOMPARE(s.ws().last().prompt, QStringLiteral("Must be a member to rent."));

    // A retired member does not replace the member already chosen.
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    lookUp(w, w.txtHPhoneNum, QStringLiteral("555-4444"));
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("1"));
    QCOMPARE(w.txtMemberName->text(), QStringLiteral("Ann Smith"));

    lookUp(w, w.txtDLNumber, QStringLiteral("no such licence"));
    QCOMPARE(s.ws().last().prompt, QStringLiteral("Customer not found"));
    QCOMPARE(s.ws().last().title, QString());
    QCOMPARE(s.ws().last().icon, Icon::None);
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("1"));
    QCOMPARE(w.txtMemberName->text(), QStringLiteral("Ann Smith"));
}

void tst_frmCheckout::rentalBagRefusalsInOrder_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("videoId");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::newRow("no member") << "" << "1002" << "Must be a member to rent." << "No member entered.";
    QTest::newRow("no video ID") << "1" << "" << "Enter A valid Video ID Number" << "Tape entry error.";
    QTest::newRow("not a number") << "1" << "10o2"
                                  << "\"10o2\" is not a valid video ID. Enter a whole number from 0 to 2147483647."
                                  << "Invalid number";
    QTest::newRow("not found") << "1" << "999" << "That tape was not found in the system." << "Tape entry error.";
    QTest::newRow("retired before the rest")
        << "1" << "1004" << "That tape has been deleted and cannot be rented. It may be damaged or unusable."
        << "Deleted Tape";
    QTest::newRow("not for rent before not in store")
        << "1" << "1005" << "That tape is not available for rental. Please find another." << "Tape entry error.";
    QTest::newRow("not in store")
        << "1" << "1006" << "Our records show that tape is not in the store. Please check to see if you have mistyped."
        << "Tape entry error.";
}

void tst_frmCheckout::rentalBagRefusalsInOrder()
{
    QFETCH(QString, member);
    QFETCH(QString, videoId);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    TestStore s;
    frmCheckout &w = open(s);
    if (!member.isEmpty())
        lookUp(w, w.txtMemberID, member);
    rent(w, videoId);
    QCOMPARE(s.ws().last().prompt, prompt);
    QCOMPARE(s.ws().last().title, title);
    QCOMPARE(s.ws().last().icon, Icon::Exclamation);
    QCOMPARE(w.List1->count(), 0);
    QCOMPARE(w.List3->count(), 0);
    QCOMPARE(w.vidTotal, Money());
}

void tst_frmCheckout::rentalLineAndFeeByPriceClass_data()
{
    QTest::addColumn<QString>("videoId");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("genre");
    QTest::newRow("class 1, long title cut") << "1001" << rentLine("1001", "The Long Goodbye Exp", "3.99") << "$3.99"
                                             << "Action";
    QTest::newRow("class 2, short title padded")
        << "1002" << rentLine("1002", "Short               ", "2.99") << "$2.99" << "Comedy";
    QTest::newRow("class 3") << "1003" << rentLine("1003", "Bargain Bin Classic ", "1.99") << "$1.99"
                             << "Horror & Thriller";
}

void tst_frmCheckout::rentalLineAndFeeByPriceClass()
{
    QFETCH(QString, videoId);
    QFETCH(QString, line);
    QFETCH(QString, total);
    QFETCH(QString, genre);
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, videoId);
    QCOMPARE(lines(w.List1), QStringList{line});
    QCOMPARE(lines(w.List3), QStringList{line});
    QCOMPARE(line.indexOf(u'\t'), 31);
    QCOMPARE(w.txtTotal->text(), total);
    QCOMPARE(w.txtType->text(), genre);
    QVERIFY(s.ws().boxes().isEmpty());
}

void tst_frmCheckout::removeAndClearAllKeepOtherBillLines()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1002"));
    buy(w, QStringLiteral("7"), QStringLiteral("1"));
    rent(w, QStringLiteral("1002"));
    rent(w, QStringLiteral("1001"));
    QCOMPARE(w.vidTotal, *Money::parse(u"9.97"));

    select(w.List1, 1);
    clickOn(*w.cmdRemove);
    const QString twice = rentLine("1002", "Short               ", "2.99");
    QCOMPARE(lines(w.List1), QStringList({twice, rentLine("1001", "The Long Goodbye Exp", "3.99")}));
    QCOMPARE(lines(w.List3), QStringList({w.List2->item(0)->text(), twice,
                                          rentLine("1001", "The Long Goodbye Exp", "3.99")}));
    QCOMPARE(w.vidTotal, *Money::parse(u"6.98"));
    QCOMPARE(w.txtTotal->text(), QStringLiteral("6.98"));

    // Remove with nothing selected does nothing.
    w.List1->clearSelection();
    clickOn(*w.cmdRemove);
    QCOMPARE(w.List1->count(), 2);

    w.List3->addItem(QStringLiteral("Pay  overdue fees \t5.98"));
    buyVideo(w, QStringLiteral("2001"));
    w.SSTab1->setCurrentIndex(1);
    clickOn(*w.cmdClearAll);
    QCOMPARE(w.List1->count(), 0);
    QCOMPARE(lines(w.List3), QStringList({"Buy 7 1  Popcorn\t2.5", "Pay  overdue fees \t5.98",
                                          "BuyV 2001  Short\t9.99"}));
    QCOMPARE(w.vidTotal, Money());
    QCOMPARE(w.txtTotal->text(), QStringLiteral("$0.00"));
    QCOMPARE(w.txtVidID->text(), QString());
    QCOMPARE(w.txtMovieName->text(), QString());
}

void tst_frmCheckout::shoppingBagStockChecksAndLineForm()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));

    buy(w, QStringLiteral("7"), QStringLiteral("3"));
    QCOMPARE(lines(w.List2), QStringList{QStringLiteral("Buy 7 3  Popcorn\t7.5")});
    QCOMPARE(w.txtSalesTotal->text(), QStringLiteral("$7.50"));
    QCOMPARE(w.txtUnitPrice->text(), QStringLiteral("2.5"));
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("1"));

    // Exactly the quantity on hand may be sold; one more may not.
    buy(w, QStringLiteral("8"), QStringLiteral("2"));
    QCOMPARE(w.List2->count(), 2);
    buy(w, QStringLiteral("8"), QStringLiteral("3"));
    QCOMPARE(s.ws().last().prompt, QStringLiteral("There is insufficient stock marked in inventory to sell that "
                                                  "order. Please consult manager."));
    QCOMPARE(s.ws().last().title, QStringLiteral("Inventory Warning."));

    struct Refusal { const char *item, *quantity, *prompt; };
    for (const Refusal &r : {Refusal{"", "1", "Enter Inventory ID of Item"},
                             Refusal{"99", "1", "That inventory item was not found. Recheck."},
                             Refusal{"9", "1", "That inventory item was deleted, it should not be in stock. "
                                               "Please consult manager."},
                             Refusal{"7", "0", "\"0\" is not a quantity that can be sold. Enter a whole number of "
                                               "at least 1."},
                             Refusal{"7", "-2", "\"-2\" is not a quantity that can be sold. Enter a whole number "
                                                "of at least 1."},
                             Refusal{"x7", "1", "\"x7\" is not a valid inventory ID. Enter a whole number from 0 to "
                                                "2147483647."}}) {
        buy(w, QString::fromLatin1(r.item), QString::fromLatin1(r.quantity));
        QCOMPARE(s.ws().last().prompt, QString::fromLatin1(r.prompt));
    }
    QCOMPARE(w.List2->count(), 2);
    QCOMPARE(w.List3->count(), 2);
    QCOMPARE(w.salesTotal(), *Money::parse(u"10"));
}

void tst_frmCheckout::walkInSaleThenRentingIsRefused()
{
    TestStore s;
    frmCheckout &w = open(s);
    buy(w, QStringLiteral("7"), QStringLiteral("1"));
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("0"));
    rent(w, QStringLiteral("1002"));
    QCOMPARE(s.ws().last().prompt, QStringLiteral("Must be a member to rent."));
    QCOMPARE(w.List1->count(), 0);
    // Looking a member up makes renting possible again.
    lookUp(w, w.txtMemberID, QStringLiteral("2"));
    rent(w, QStringLiteral("1002"));
    QCOMPARE(w.List1->count(), 1);
}

void tst_frmCheckout::buyVideoRefusalsAndLine()
{
    TestStore s;
    frmCheckout &w = open(s);
    struct Refusal { const char *id, *prompt, *title; };
    for (const Refusal &r :
         {Refusal{"999", "That video ID was not found in the system.", "Tape Entry Error"},
          Refusal{"2002", "That tape has been deleted from the system. It may be damaged or unuseable.",
                  "Tape deleted."},
          Refusal{"2003", "That video is not for sale. Please try to find another.", "Tape Entry Error"},
          Refusal{"2004", "Our records show that that video is not in the store. Did you mistype?",
                  "Tape Entry Error"}}) {
        buyVideo(w, QString::fromLatin1(r.id));
        QCOMPARE(s.ws().last().prompt, QString::fromLatin1(r.prompt));
        QCOMPARE(s.ws().last().title, QString::fromLatin1(r.title));
        QCOMPARE(w.txtVidSale->text(), QString::fromLatin1(r.id));
    }
    buyVideo(w, QString());
    QCOMPARE(s.ws().last().title, QStringLiteral("Invalid number"));
    QCOMPARE(w.List2->count(), 0);
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("0"));

    buyVideo(w, QStringLiteral("2001"));
    QCOMPARE(lines(w.List2), QStringList{QStringLiteral("BuyV 2001  Short\t9.99")});
    QCOMPARE(lines(w.List3), lines(w.List2));
    QCOMPARE(w.txtSalesTotal->text(), QStringLiteral("$9.99"));
    QCOMPARE(w.txtVidSale->text(), QString());
}

void tst_frmCheckout::removeSaleTakesFirstEqualBillLineOnly()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    buy(w, QStringLiteral("7"), QStringLiteral("2"));
    rent(w, QStringLiteral("1002"));
    buy(w, QStringLiteral("7"), QStringLiteral("2"));
    QCOMPARE(w.List3->count(), 3);
    select(w.List2, 1);
    clickOn(*w.cmdRemoveSale);
    QCOMPARE(lines(w.List3), QStringList({rentLine("1002", "Short               ", "2.99"), "Buy 7 2  Popcorn\t5"}));
    QCOMPARE(w.List2->count(), 1);
    QCOMPARE(w.txtSalesTotal->text(), QStringLiteral("$5.00"));
    QCOMPARE(w.txtInvID->text(), QString());

    buyVideo(w, QStringLiteral("2001"));
    w.List3->addItem(QStringLiteral("Pay  overdue fees \t1.5"));
    clickOn(*w.cmdClearAllSales);
    QCOMPARE(w.List2->count(), 0);
    QCOMPARE(lines(w.List3), QStringList({rentLine("1002", "Short               ", "2.99"),
                                          "Pay  overdue fees \t1.5"}));
    QCOMPARE(w.salesTotal(), Money());
    QCOMPARE(w.txtSalesTotal->text(), QStringLiteral("$0.00"));
}

void tst_frmCheckout::paymentPageTotalsWithTaxes()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    w.vidTotal = *Money::parse(u"4.99");
    w.SSTab1->setCurrentIndex(3);
    QCOMPARE(w.txtSubTotal->text(), QStringLiteral("4.99"));
    QCOMPARE(w.txtGST->text(), QStringLiteral("0.35"));
    QCOMPARE(w.txtPST->text(), QStringLiteral("0.4"));
    QCOMPARE(w.txtTotal1->text(), QStringLiteral("5.74"));

    w.SSTab1->setCurrentIndex(2);
    buy(w, QStringLiteral("7"), QStringLiteral("2"));
    w.SSTab1->setCurrentIndex(3);
    QCOMPARE(w.txtSubTotal->text(), QStringLiteral("9.99"));
    QCOMPARE(w.txtGST->text(), QStringLiteral("0.7"));
    QCOMPARE(w.txtTotal1->text(), QStringLiteral("11.49"));
}

void tst_frmCheckout::cardOnFileFillsTheCardBoxes()
{
    TestStore s;
    frmCheckout &w = open(s);
    // No member yet: nothing on file, no statement without a number.
    payBy(w, w.OptVisa);
    QCOMPARE(w.paymentType(), 1);
    QCOMPARE(w.txtCardNum->text(), QString());

    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    payBy(w, w.OptVisa);
    QCOMPARE(w.txtCardNum->text(), QStringLiteral("4500123412341234"));
    QCOMPARE(w.txtExDate->text(), QStringLiteral("2028-04"));
    QVERIFY(!w.txtCash->isEnabled());

    // A card number of 0 means none on file.
    payBy(w, w.optMC);
    QCOMPARE(w.paymentType(), 2);
    QCOMPARE(w.txtCardNum->text(), QString());
    QCOMPARE(w.txtExDate->text(), QString());

    payBy(w, w.optDebit);
    QCOMPARE(w.paymentType(), 5);
    QVERIFY(w.txtCardNum->isEnabled());
    QVERIFY(!w.txtExDate->isEnabled());

    typeInto(*w.txtCardNum, QStringLiteral("123"));
    payBy(w, w.optCash);
    QCOMPARE(w.paymentType(), 6);
    QCOMPARE(w.txtCardNum->text(), QString());
    QVERIFY(!w.txtCardNum->isEnabled());
    QVERIFY(w.txtCash->isEnabled());
    QVERIFY(s.ws().boxes().isEmpty());
}

void tst_frmCheckout::checkoutWritesRentalsSalesAndFees()
{
    TestStore s;
    frmCheckout &w = open(s);
    s.addTape(1007, 12);
    s.exec(QStringLiteral("INSERT INTO tblRentals VALUES (41, 2, 1003, '2026-01-01', '2026-01-05', 1)"));
    s.exec(QStringLiteral("INSERT INTO tblReceipts VALUES (17, '2026-01-01', 2)"));
    s.exec(QStringLiteral("UPDATE tblMembers SET FeesOwing = 59800 WHERE CustomerNumber = 1"));

    // As the late-fee window hands a member on.
    w.vidTotal = *Money::parse(u"5.98");
    w.List3->addItem(QStringLiteral("Pay  overdue fees \t5.98"));
    w.txtMemberID->setText(QStringLiteral("1"));
    w.memberSource = 1;
    w.cmdDisplayInfo_Click();

    rent(w, QStringLiteral("1001"));
    rent(w, QStringLiteral("1002"));
    rent(w, QStringLiteral("1003"));
    buy(w, QStringLiteral("7"), QStringLiteral("2"));
    buyVideo(w, QStringLiteral("2001"));
    payBy(w, w.OptVisa);
    s.ws().answer(Answer::Yes);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdCheckOut);

    QCOMPARE(s.ws().boxes().at(0).prompt,
             QStringLiteral("Verify that the VISA credit charge transaction has gone through under the following "
                            "information: \r\n4500123412341234 2028-04 Total: %1\r\n(No to change payment type, "
                            "Cancel to kill this order.)")
                 .arg(Pricing::total(*Money::parse(u"5.98") + *Money::parse(u"8.97") + *Money::parse(u"14.99"))
                          .toPlain()));
    QCOMPARE(s.ws().boxes().at(1).prompt, QStringLiteral("Do you want to print out a receipt?"));

    QCOMPARE(s.value(QStringLiteral("SELECT group_concat(RentalID||':'||VideoID||':'||CustomerNumber||':'||"
                                    "RentalDate||':'||DueDate||':'||Returned, ' ') FROM (SELECT * FROM tblRentals "
                                    "WHERE RentalID = 42 ORDER BY VideoID)"))
                 .toString(),
             QStringLiteral("42:1001:1:2026-03-01:2026-03-03:0 42:1002:1:2026-03-01:2026-03-04:0 "
                            "42:1003:1:2026-03-01:2026-03-05:0"));
    QCOMPARE(s.value(QStringLiteral("SELECT SaleID||':'||DateOfSale||':'||CustomerID FROM tblReceipts "
                                    "WHERE SaleID > 17"))
                 .toString(),
             QStringLiteral("18:2026-03-01:1"));
    QCOMPARE(s.count(QStringLiteral("tblReceipts")), 2);
    QCOMPARE(s.value(QStringLiteral("SELECT ReceiptID||':'||InventoryID||':'||QuantityPurchased FROM "
                                    "tblSalesDetails"))
                 .toString(),
             QStringLiteral("18:7:2"));
    QCOMPARE(s.value(QStringLiteral("SELECT ReceiptID||':'||VideoID FROM tblVideosSold")).toString(),
             QStringLiteral("18:2001"));
    QCOMPARE(s.value(QStringLiteral("SELECT Quantity FROM tblInventory WHERE InventoryID = 7")).toInt(), 3);
    QCOMPARE(s.count(QStringLiteral("tblVideos"), QStringLiteral("InStore = 0 AND VideoID IN (1001, 1002, 1003, 2001)")),
             4);
    QCOMPARE(s.value(QStringLiteral("SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = 1")).toLongLong(), 0);

    // Ready for the next customer.
    QCOMPARE(w.List3->count(), 0);
    QCOMPARE(w.txtMemID2->text(), QString());
    QCOMPARE(w.SSTab1->currentIndex(), 0);
    QCOMPARE(w.paymentType(), 0);
    QCOMPARE(s.ws().unusedAnswers(), 0);
}

void tst_frmCheckout::checkoutRentalsOnlyWritesNoReceipt()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("2"));
    rent(w, QStringLiteral("1002"));
    payBy(w, w.optAmEx);
    typeInto(*w.txtCardNum, QStringLiteral("3782"));
    s.ws().answer(Answer::Yes);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(s.count(QStringLiteral("tblRentals")), 1);
    QCOMPARE(s.value(QStringLiteral("SELECT RentalID FROM tblRentals")).toInt(), 1);
    QCOMPARE(s.count(QStringLiteral("tblReceipts")), 0);
    QVERIFY(s.ws().boxes().at(0).prompt.contains(QStringLiteral("American express credit charge")));
}

void tst_frmCheckout::doubleSaleLowersStockBelowZero()
{
    TestStore s;
    frmCheckout &w = open(s);
    buy(w, QStringLiteral("8"), QStringLiteral("2"));
    buy(w, QStringLiteral("8"), QStringLiteral("2"));
    payBy(w, w.optCash);
    typeInto(*w.txtCash, QStringLiteral("20"));
    s.ws().answer(Answer::Yes);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(s.value(QStringLiteral("SELECT Quantity FROM tblInventory WHERE InventoryID = 8")).toInt(), -2);
    QCOMPARE(s.value(QStringLiteral("SELECT CustomerID FROM tblReceipts")).toInt(), 0);
    QCOMPARE(s.count(QStringLiteral("tblSalesDetails")), 2);
}

void tst_frmCheckout::cashRefusalsAndVerificationAnswers()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1001"));
    const QStringList before = snapshot(s);

    w.SSTab1->setCurrentIndex(3);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(s.ws().last().prompt, QStringLiteral("Must select a payment type!"));
    QCOMPARE(s.ws().last().title, QStringLiteral("Payment error."));

    payBy(w, w.optCash);
    QCOMPARE(w.txtTotal1->text(), QStringLiteral("4.59"));
    for (const char *cash : {"4.58", "abc", ""}) {
        typeInto(*w.txtCash, QString::fromLatin1(cash));
        clickOn(*w.cmdCheckOut);
        QCOMPARE(s.ws().last().title, QStringLiteral("Payment error"));
    }
    QCOMPARE(s.ws().boxes().at(1).prompt,
             QStringLiteral("Must provide sufficient cash to cover this purchase or remove items."));

    typeInto(*w.txtCash, QStringLiteral("10"));
    s.ws().answer(Answer::No);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(w.txtChange->text(), QStringLiteral("5.41"));
    QCOMPARE(s.ws().last().prompt,
             QStringLiteral("Verify that the customer has provided $10\r\nin cash and been returned $5.41 in change."
                            "\r\n(No to change payment type, Cancel to kill this order.)"));
    QCOMPARE(s.ws().last().buttons, Buttons::YesNoCancel);
    QCOMPARE(s.ws().last().icon, Icon::Question);
    QCOMPARE(s.ws().last().title, QStringLiteral("Payment verification."));
    QCOMPARE(snapshot(s), before);
    QCOMPARE(w.List3->count(), 1);
    QCOMPARE(w.txtChange->text(), QStringLiteral("5.41"));

    // A card chosen after No needs its number.
    payBy(w, w.optDebit);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(s.ws().last().prompt, QStringLiteral("Must provide a card number"));
    QCOMPARE(s.ws().last().title, QStringLiteral("No card number"));
    QCOMPARE(snapshot(s), before);
}

void tst_frmCheckout::cancelKeepsTheBillForTheNextVisit()
{
    TestStore s;
    frmCheckout &w = open(s);
    frmMain &menu = s.windows().main();
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1002"));
    payBy(w, w.optCash);
    typeInto(*w.txtCash, QStringLiteral("5"));
    s.ws().answer(Answer::Cancel);
    clickOn(*w.cmdCheckOut);
    QVERIFY(menu.isVisible());
    QVERIFY(!w.isVisible());
    QCOMPARE(s.count(QStringLiteral("tblRentals")), 0);

    clickOn(*menu.cmdCheckout);
    QVERIFY(w.isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(w.List3->count(), 1);
    QCOMPARE(w.txtMemID2->text(), QStringLiteral("1"));
    QCOMPARE(w.vidTotal, *Money::parse(u"2.99"));

    // The close box is the way back too, and keeps the bill as well.
    w.close();
    QVERIFY(menu.isVisible());
    QVERIFY(!w.isVisible());
    QCOMPARE(w.List3->count(), 1);
}

void tst_frmCheckout::failureMidCheckoutWritesNothing()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1001"));
    buy(w, QStringLiteral("7"), QStringLiteral("1"));
    buyVideo(w, QStringLiteral("2001"));
    const QStringList bill = lines(w.List3);
    // The tape sale is written after the rental and the item line.
    s.exec(QStringLiteral("CREATE TRIGGER failTapeSale BEFORE INSERT ON tblVideosSold "
                          "BEGIN SELECT RAISE(ABORT, 'disk failure'); END"));
    const QStringList before = snapshot(s);

    payBy(w, w.optCash);
    typeInto(*w.txtCash, QStringLiteral("100"));
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(s.ws().last().title, QStringLiteral("Store database error"));
    QVERIFY2(s.ws().last().prompt.startsWith(QStringLiteral("The store database could not write the tape sold.")),
             qPrintable(s.ws().last().prompt));
    QVERIFY(s.ws().last().prompt.contains(QStringLiteral("disk failure")));
    QCOMPARE(snapshot(s), before);
    QCOMPARE(lines(w.List3), bill);
    QVERIFY(w.isVisible());

    // Once the fault is gone the same bill goes through.
    s.exec(QStringLiteral("DROP TRIGGER failTapeSale"));
    s.ws().answer(Answer::Yes);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(s.count(QStringLiteral("tblVideosSold")), 1);
    QCOMPARE(s.count(QStringLiteral("tblRentals")), 1);
}

void tst_frmCheckout::receiptPrintingAndAbandoning()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1002"));
    payBy(w, w.optCash);
    typeInto(*w.txtCash, QStringLiteral("5"));

    // Print first, then the customer walks away: nothing is written.
    s.ws().answer(Answer::Yes);
    s.ws().answer(Answer::No);
    clickOn(*w.cmdPrintRec);
    QCOMPARE(s.ws().boxes().at(0).prompt, QStringLiteral("Do you wish to print this form out now as a receipt?"));
    QCOMPARE(s.ws().boxes().at(1).prompt,
             QStringLiteral("Does the customer want to check out now? (No cancels transaction.)"));
    QCOMPARE(s.ws().printed().size(), 1);
    QCOMPARE(s.ws().printed().at(0).size(), w.grab().size());
    QCOMPARE(w.List3->count(), 0);
    QCOMPARE(s.count(QStringLiteral("tblRentals")), 0);

    // No printer: the clerk is told, and the checkout still completes.
    s.ws().clear();
    s.ws().setPrinterAvailable(false);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1002"));
    payBy(w, w.optCash);
    typeInto(*w.txtCash, QStringLiteral("5"));
    s.ws().answer(Answer::No);  // not now
    s.ws().answer(Answer::Yes); // check out now
    s.ws().answer(Answer::Yes); // verified
    s.ws().answer(Answer::Yes); // print the receipt
    clickOn(*w.cmdPrintRec);
    QCOMPARE(s.ws().last().prompt, WindowSystem::noPrinterMessage());
    QCOMPARE(s.ws().printed().size(), 0);
    QCOMPARE(s.count(QStringLiteral("tblRentals")), 1);
    QCOMPARE(w.List3->count(), 0);
}

void tst_frmCheckout::badDateWritesNothing()
{
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1002"));
    typeInto(*w.txtDate, QStringLiteral("03/01/2026"));
    payBy(w, w.optCash);
    typeInto(*w.txtCash, QStringLiteral("5"));
    s.ws().answer(Answer::Yes);
    clickOn(*w.cmdCheckOut);
    QCOMPARE(s.ws().last().title, QStringLiteral("Invalid date"));
    QCOMPARE(s.count(QStringLiteral("tblRentals")), 0);
    QCOMPARE(w.List3->count(), 1);
}

void tst_frmCheckout::screenshots()
{
    const QString folder = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("VIDEOSTORE_SCREENSHOTS is not set");
    TestStore s;
    frmCheckout &w = open(s);
    lookUp(w, w.txtMemberID, QStringLiteral("1"));
    rent(w, QStringLiteral("1001"));
    rent(w, QStringLiteral("1003"));
    w.SSTab1->setCurrentIndex(2);
    buy(w, QStringLiteral("7"), QStringLiteral("3"));
    for (int page = 0; page < 4; ++page) {
        w.SSTab1->setCurrentIndex(page);
        if (page == 3)
            clickOn(*w.OptVisa);
        QVERIFY(w.grab().save(QStringLiteral("%1/checkout-%2.png").arg(folder).arg(page + 1)));
    }
}

QTEST_MAIN(tst_frmCheckout)
#include "tst_frmCheckout.moc"
