#pragma once

#include "counter/CheckoutBill.h"
#include "counter/CheckoutMoney.h"
#include "counter/CheckoutStore.h"
#include "counter/Receipt.h"
#include "counter/StoreDetails.h"
#include "data/Money.h"
#include "ui/Form.h"

#include <QDate>

#include <optional>

class HoldsPanel;
class OutcomeList;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class WindowContext;

// The counter: find the member, fill the rental bag and the shopping bag,
// total the bill with taxes, take the payment and record the checkout.
// Everything collected is a line of text in the bill until the checkout
// writes it all at once.
class frmCheckout final : public Form
{
    Q_OBJECT

public:
    explicit frmCheckout(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmCheckout)

    // Which lookup box the clerk typed in last: 1 member ID, 2 home phone,
    // 3 driver's licence.
    int memberSource = 0;
    // Running total of the rental bag; the late-fee window puts the fees
    // being paid here.
    Money vidTotal;

    QPushButton *cmdReturn;
    QLabel *Label32, *Label4, *Image1;
    QLineEdit *txtDate, *txtMemID2;
    QTabWidget *SSTab1;

    // Customer Information
    QGroupBox *Frame1, *Frame3;
    QLabel *Label1, *Label2, *Label3, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21;
    QLineEdit *txtMemberID, *txtHPhoneNum, *txtDLNumber, *txtMemberName, *txtAddress, *txtCity, *txtPostalCode,
        *txtBPhoneNum, *txtCPhoneNum;
    QListWidget *lstAdditionalName;
    QPushButton *cmdDisplayInfo;
    // The fees the member owes, when any, so nobody is rented to unawares.
    QLabel *lblFeesOwing;
    // The member's holds, and the way to place one.
    HoldsPanel *pnlHolds;

    // Video Rental
    QLabel *Label5, *Label6, *Label7, *Label8, *Label10, *Label11, *Label12, *Label9;
    QLineEdit *txtVidID, *txtMovieName, *txtRating, *txtClass, *txtType, *txtActor, *txtActress, *txtTotal;
    QListWidget *List1;
    QPushButton *cmdAdd, *cmdClear, *cmdRemove, *cmdClearAll;

    // Sale
    QLabel *Label14, *Label22, *Label23, *Label24, *Label25, *Label13;
    QLineEdit *txtVidSale, *txtInvID, *txtQuan, *txtUnitPrice, *txtSalesTotal;
    QPushButton *cmdBuyVideo, *cmdBuy, *cmdCancel, *cmdRemoveSale, *cmdClearAllSales;
    QListWidget *List2;

    // Payment Information
    QListWidget *List3;
    QLabel *Label28, *Label29, *Label30, *Label31, *Label26, *Label27, *Label35, *Label33, *Label34;
    QLineEdit *txtSubTotal, *txtGST, *txtPST, *txtTotal1, *txtCardNum, *txtExDate, *txtCash, *txtChange;
    QRadioButton *OptVisa, *optMC, *optAmEx, *optSears, *optDebit, *optCash;
    QPushButton *cmdPrintRec, *cmdCheckOut;

    // What the tape and item boxes did with each number typed or scanned,
    // newest first; nothing there takes the keyboard from the box.
    OutcomeList *lstOutcome;

    Money salesTotal() const { return m_salesTotal; }
    int paymentType() const { return m_paymentType; }

    void ResetCheckout();
    void cmdDisplayInfo_Click();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdClear_Click();
    void cmdClearAll_Click();
    void cmdReturn_Click();
    void cmdBuy_Click();
    void cmdBuyVideo_Click();
    void cmdRemoveSale_Click();
    void cmdClearAllSales_Click();
    void cmdCheckOut_Click();
    void cmdPrintRec_Click();

    // Whether a line of `amount` keeps the bill's taxed total within what
    // the program takes; the clerk is told when not. nullopt is an amount
    // too large to work out.
    bool billCanTake(std::optional<Money> amount);
    // The prices and taxes in force on the bill's day (the Date box, or
    // today while it holds no date), read once per bill and day. Should the
    // store fail, the clerk is told and the last known serve: the checkout
    // re-checks every price against the store as it writes.
    const Rates &rates();

    // The late-fee window hands on `member`'s fees: a "Pay " line of
    // `amount` (in cents) that replaces any fee line already on the bill, so
    // fees are charged once. Refused (false, nothing added) when the bill is
    // not for that member.
    bool addFeesPaid(qint32 member, Money amount);
    // The late-fee window hands on `member`'s fees: the counter shows that
    // member, `from` hides, and the fees go on the bill as addFeesPaid()
    // puts them. Nothing changes when the bill cannot take them.
    void takeFees(qint32 member, Money amount, QWidget &from);

signals:
    // Whether the bill has lines, after each change: the main menu asks
    // before the program ends with one open.
    void billOpenChanged(bool open);

protected:
    void closeBox() override { cmdReturn_Click(); }
    void keyPressEvent(QKeyEvent *event) override;

private:
    static constexpr int PaymentPage = 3;

    void buildCustomerPage(QWidget *page);
    void buildRentalPage(QWidget *page);
    void buildSalePage(QWidget *page);
    void buildPaymentPage(QWidget *page);

    void ShowMember(const MemberRow &row);
    // Whether `row` may be shown: the bill holds no other member's lines, or
    // the clerk has cleared them.
    bool keepsBill(const MemberRow &row);
    void SSTab1_Click(int page);
    // The button Enter presses on `page`, shown as the default.
    QPushButton *pageDefault(int page) const;
    void showDefaultButton(int page);
    void selectCard(int type, Card card);
    void OptVisa_Click() { selectCard(1, Card::Visa); }
    void optMC_Click() { selectCard(2, Card::MasterCard); }
    void optSears_Click() { selectCard(4, Card::Sears); }
    void optAmEx_Click();
    void optDebit_Click();
    void optCash_Click();
    // The walk-in rule: a sale with no member is booked to member 0.
    void walkInRule();
    // Enables the payment boxes of the chosen option and empties the rest.
    void openPaymentBoxes(bool card, bool expiry, bool cash);
    // The card as typed, checked before the customer is asked to pay; false
    // when the clerk has been told which box is wrong.
    bool cardAccepted();
    // The bill's lines and date, checked and read back for writing; false
    // when the clerk has been told why nothing can be written.
    bool planCheckout(CheckoutPlan &plan);
    // After a checkout is written: its receipt, when the customer wants one.
    void offerReceipt();
    // The receipt of the checkout of ledger entry `seq`, drawn from what was
    // written; false when it could not be read (the clerk has been told).
    bool printReceipt(qint64 seq);
    void addToRentalBag();
    void addToShoppingBag();

    // After each change of the bill: the bags' totals and, on the payment
    // page, its subtotal, taxes and total, all worked out from the bill's
    // lines, so what the clerk sees is what the checkout writes.
    void billChanged();
    // Puts `line` on the bill and in `bag`.
    void addLine(const QString &line, QListWidget *bag);
    void showPaymentTotals();
    // Takes the fee line off the bill (the fees stay owing); its amount.
    Money takeFeesLine();
    // A refusal of what was typed in a tape or item box, told in the window
    // so the next scan is taken at once.
    void scanRefused(const QString &text, const QString &title, const QString &about);
    // Why tape `videoId` (titled `name`) is not in the store, in the clerk's
    // words; nullopt when the store failed and the clerk has been told.
    std::optional<QString> notInStore(qint32 videoId, const QString &name);

    WindowContext &m_windows;
    CheckoutStore m_store;
    ReceiptStore m_receipts;
    StoreDetailsStore m_storeDetails;
    // Print a Receipt asked for it: the checkout prints it without asking again.
    bool m_receiptWanted = false;
    // The card's last four digits as the checkout was paid, for its receipt.
    QString m_cardLastFour;
    // The card on file as it filled the boxes; empty when none did.
    CardOnFile m_cardOnFile;
    // The card number as typed, behind the masked one shown.
    QString m_cardTyped;
    CheckoutBill m_bill;
    QButtonGroup *m_payment;
    // Whose fees the bill's "Pay " line pays, while it has one.
    std::optional<qint32> m_feesMember;
    // The member the bill is for, as last shown.
    std::optional<MemberRow> m_shownMember;

    Money m_salesTotal;
    // The payment page's figures as shown, and the payment taken.
    CheckoutMoney m_money;
    int m_paymentType = 0;
    std::optional<Rates> m_rates;
    QDate m_ratesDay;
    qint32 m_rentVideoID = 0;
    QString m_rentTitle;
    Money m_rentFee;
    qint32 m_saleInvID = 0;
    qint32 m_saleQuantity = 0;
    QString m_saleItemName;
    Money m_saleUnitPrice;
};
