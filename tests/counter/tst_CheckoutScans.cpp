// The counter's boxes at the clerk's and the scanner's speed: what each
// refusal says, what the boxes keep for the next scan, Enter and Esc.

#include "CheckoutFixture.h"

#include "ui/OutcomeList.h"

#include <QApplication>
#include <QTabWidget>

class tst_CheckoutScans : public QObject
{
    Q_OBJECT

private slots:
    void rentalBagRefusalsInOrder_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("videoId");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::newRow("no member") << "" << "1002" << "Must be a member to rent." << "No member entered.";
        QTest::newRow("no video ID") << "1" << "" << "Enter A valid Video ID Number" << "Tape entry error.";
        QTest::newRow("not a number") << "1" << "10o2" << "Tape numbers are digits only: \"10o2\" is not one."
                                      << "Invalid number";
        QTest::newRow("not found")
            << "1" << "999" << "Tape 999 is not on file: check the number." << "Tape entry error.";
        QTest::newRow("retired before the rest")
            << "1" << "1004" << "Tape 1004 (Short) is retired (damaged or lost): it cannot be rented."
            << "Deleted Tape";
        QTest::newRow("not for rent before not in store")
            << "1" << "1005" << "Tape 1005 (Short) is not for rent. Find another copy of the title."
            << "Tape entry error.";
        QTest::newRow("out on rental") << "1" << "1001" << "Tape 1001 (The Long Goodbye Express Returns) is out to "
                                                          "member 2, due 2026-03-04."
                                       << "Tape entry error.";
        QTest::newRow("sold") << "1" << "2004" << "Tape 2004 (Short) was sold; it is no longer the store's."
                              << "Tape entry error.";
        QTest::newRow("not in store")
            << "1" << "1006"
            << "Tape 1006 (Short) is marked as not in the store, though no rental holds it. Ask the manager to check "
               "it in Video Management."
            << "Tape entry error.";
    }

    void rentalBagRefusalsInOrder()
    {
        QFETCH(QString, member);
        QFETCH(QString, videoId);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        TestStore s;
        frmCheckout &w = open(s);
        s.addRental(1, 2, 1001, u"2026-02-28"_s, u"2026-03-04"_s);
        s.exec(u"UPDATE tblVideos SET InStore = 0 WHERE VideoID = 1001"_s);
        s.exec(u"UPDATE tblVideos SET ForRent = 1 WHERE VideoID = 2004"_s);
        s.exec(u"INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (1, '2026-02-01', 0)"_s);
        s.exec(u"INSERT INTO tblVideosSold (VideoID, ReceiptID, Price, Amount) VALUES (2004, 1, 99900, 99900)"_s);
        if (!member.isEmpty())
            lookUp(w, w.txtMemberID, member);
        // The boxes show a tape only while it is the one accepted.
        rent(w, u"1002"_s);
        QCOMPARE(w.txtMovieName->text(), member.isEmpty() ? QString() : u"Short"_s);
        w.List1->clear();
        w.List3->clear();
        w.lstOutcome->clear();
        s.ws().clear();
        rent(w, videoId);
        QCOMPARE(w.txtMovieName->text(), QString());
        QCOMPARE(s.ws().last().prompt, prompt);
        QCOMPARE(s.ws().last().title, title);
        // Told in the window, with the bell, so a scanner can go on.
        QVERIFY(s.ws().last().inWindow);
        QCOMPARE(s.ws().beeps(), 1);
        QCOMPARE(w.List3->count(), 0);
    }

    void shoppingBagStockChecksAndLineForm()
    {
        TestStore s;
        frmCheckout &w = open(s);
        lookUp(w, w.txtMemberID, u"1"_s);

        buy(w, u"7"_s, u"3"_s);
        QCOMPARE(listLines(w.List2), QStringList{u"Buy 7 3  Popcorn\t7.50"_s});

        // Exactly the quantity on hand may be sold; one more may not.
        buy(w, u"8"_s, u"2"_s);
        buy(w, u"8"_s, u"3"_s);
        QCOMPARE(s.ws().last().prompt, u"Item 8 (Licorice): 2 are in stock, not enough to sell 3. Ask the manager."_s);

        struct Refusal { const char *item, *quantity, *prompt; };
        for (const Refusal &r : {Refusal{"", "1", "Enter Inventory ID of Item"},
                                 Refusal{"99", "1", "Item 99 is not on file: check the number."},
                                 Refusal{"9", "1",
                                         "Item 9 (Old stock) is retired and should not be on the shelf. Ask "
                                         "the manager."},
                                 Refusal{"7", "0",
                                         "\"0\" is not a quantity that can be sold. Enter a whole number of "
                                         "at least 1."},
                                 Refusal{"x7", "1", "Item numbers are digits only: \"x7\" is not one."}}) {
            buy(w, QString::fromLatin1(r.item), QString::fromLatin1(r.quantity));
            QCOMPARE(s.ws().last().prompt, QString::fromLatin1(r.prompt));
            QVERIFY(s.ws().last().inWindow); // a box would take the next scan's keys
        }
        QCOMPARE(w.List3->count(), 2);
        QCOMPARE(w.salesTotal(), *Money::parse(u"10"));
    }

    void buyVideoRefusalsAndLine()
    {
        TestStore s;
        frmCheckout &w = open(s);
        struct Refusal { const char *id, *prompt; };
        for (const Refusal &r :
             {Refusal{"999", "Tape 999 is not on file: check the number."},
              Refusal{"2002", "Tape 2002 (Short) is retired (damaged or lost): it cannot be sold."},
              Refusal{"2003", "Tape 2003 (Short) is not for sale. Find another copy of the title."},
              Refusal{"2004", "Tape 2004 (Short) is marked as not in the store, though no rental holds it. Ask the "
                              "manager to check it in Video Management."}}) {
            buyVideo(w, QString::fromLatin1(r.id));
            QCOMPARE(s.ws().last().prompt, QString::fromLatin1(r.prompt));
            QVERIFY(s.ws().last().inWindow);
            QCOMPARE(w.txtVidSale->selectedText(), QString::fromLatin1(r.id));
        }

        buyVideo(w, u"2001"_s);
        QCOMPARE(listLines(w.List3), QStringList{u"BuyV 2001  Short\t9.99"_s});
        QCOMPARE(w.txtSalesTotal->text(), u"$9.99"_s);
    }

    void oneTapeOnceInABillAndNoticesForOneCustomer()
    {
        TestStore s;
        frmCheckout &w = open(s);
        s.addTape(3001, 11, true, true, true, u"9.99"_s);
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1002"_s);
        // A scanner's double read: refused, nothing added, nothing charged.
        rent(w, u"01002"_s);
        QCOMPARE(s.ws().last().prompt, u"Tape 1002 is already in this bill."_s);
        QCOMPARE(w.txtTotal->text(), u"$2.99"_s);

        // One tape cannot be both sold and rented, nor sold twice.
        buyVideo(w, u"3001"_s);
        buyVideo(w, u"3001"_s);
        QCOMPARE(s.ws().last().prompt, u"Tape 3001 is already in this bill."_s);
        rent(w, u"3001"_s);
        QCOMPARE(s.ws().last().prompt, u"Tape 3001 is already in this bill."_s);
        buyVideo(w, u"1002"_s);
        QCOMPARE(s.ws().last().prompt, u"Tape 1002 is already in this bill."_s);

        // Items may come twice.
        buy(w, u"7"_s, u"1"_s);
        buy(w, u"7"_s, u"1"_s);
        QCOMPARE(w.List3->count(), 4);
        checkOutCash(s, w, u"50"_s);
        QCOMPARE(s.count(u"tblRentals"_s), 1);
        QCOMPARE(s.value(u"SELECT Quantity FROM tblInventory WHERE InventoryID = 7"_s).toInt(), 3);

        // A page's notices stay while the clerk works on it; a line added or
        // another page clears them.
        lookUp(w, w.txtMemberID, u"1"_s);
        QList<int> shown;
        for (const char *tape : {"999", "998", "1003", "997"}) {
            rent(w, QString::fromLatin1(tape));
            shown << w.lstOutcome->count();
        }
        w.SSTab1->setCurrentIndex(2);
        shown << w.lstOutcome->count();
        QCOMPARE(shown, QList<int>({1, 2, 0, 1, 0}));
    }

    void keyboardFromScanToCheckoutAndEsc()
    {
        TestStore s;
        frmCheckout &w = open(s);
        s.addItem(6, u"Chips"_s, u"1.00"_s, 50);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        lookUp(w, w.txtMemberID, u"1"_s);
        w.SSTab1->setCurrentIndex(1);
        w.txtVidID->setFocus();
        // Enter in a box does its own work once: no default button adds the tape again.
        QCOMPARE(scanKeys(u"1002\n"_s), 0);
        QCOMPARE(w.lstOutcome->count(), 0);
        QCOMPARE(w.List1->count(), 1);
        // Still in view, selected for the next scan.
        QCOMPARE(QApplication::focusWidget(), w.txtVidID);
        QCOMPARE(w.txtVidID->selectedText(), u"1002"_s);

        w.SSTab1->setCurrentIndex(2);
        // A tape number or an item number: the first Tab goes from one box to the other.
        w.txtVidSale->setFocus();
        QTest::keyClick(w.txtVidSale, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.txtInvID);
        // Item, Tab, quantity, Enter; then the next scan.
        QTest::keyClick(w.txtInvID, Qt::Key_5);
        QTest::keyClick(w.txtInvID, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.txtQuan);
        QTest::keyClicks(w.txtQuan, u"2"_s);
        QTest::keyClick(w.txtQuan, Qt::Key_Return);
        // Item 5 is not on file: a refusal keeps the quantity for the corrected number.
        QCOMPARE(w.txtQuan->text(), u"2"_s);
        w.txtInvID->setText(u"6"_s);
        QTest::keyClick(w.txtQuan, Qt::Key_Return);
        // The quantity is for that line only.
        QCOMPARE(w.txtQuan->text(), u"1"_s);
        QCOMPARE(QApplication::focusWidget(), w.txtInvID);
        QCOMPARE(w.txtInvID->selectedText(), u"6"_s);
        QCOMPARE(scanKeys(u"7\n"_s), 0);
        QCOMPARE(listLines(w.List2), QStringList({u"Buy 6 2  Chips\t2.00"_s, u"Buy 7 1  Popcorn\t2.50"_s}));

        w.SSTab1->setCurrentIndex(3);
        // Tab passes the totals by; arrow keys choose as they walk the ways
        // of paying, none chosen at first, and Tab goes on to the box of the
        // one chosen. Space or an Alt key chooses and goes there at once.
        w.List3->setFocus();
        QTest::keyClick(w.List3, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.OptVisa);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(w.paymentType(), 6);
        QTest::keyClick(w.optCash, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.txtCash);
        w.OptVisa->setFocus();
        QTest::keyClick(w.OptVisa, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), w.txtCardNum);
        QTest::keyClick(w.txtCardNum, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), w.txtCash);
        QTest::keyClicks(w.txtCash, u"20"_s);
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::No);
        QTest::keyClick(w.txtCash, Qt::Key_Return);
        QCOMPARE(s.count(u"tblRentals"_s), 1);

        // Esc is the Return button.
        QTest::keyClick(w.txtMemberID, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(tst_CheckoutScans)
#include "tst_CheckoutScans.moc"
