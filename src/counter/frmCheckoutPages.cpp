// The counter's four pages, built in code: the member, the rental bag, the
// shopping bag and the payment.

#include "frmCheckout.h"

#include "counter/BillView.h"
#include "circulation/HoldsPanel.h"
#include "ui/Controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace Controls;

namespace {

QListWidget *billList(QWidget *parent, const char *name, const char *family)
{
    auto *list = named(new QListWidget(parent), name);
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    list->setFont(font);
    list->setUniformItemSizes(true);
    return list;
}

} // namespace

void frmCheckout::buildCustomerPage(QWidget *page)
{
    auto *layout = new QHBoxLayout(page);

    Frame1 = named(new QGroupBox(tr("Customer Search"), page), "Frame1");
    auto *search = new QGridLayout(Frame1);
    Label1 = label(Frame1, "Label1", tr("Member ID"));
    txtMemberID = edit(Frame1, "txtMemberID");
    Label2 = label(Frame1, "Label2", tr("Home Phone"));
    txtHPhoneNum = edit(Frame1, "txtHPhoneNum");
    Label3 = label(Frame1, "Label3", tr("Driver's Licence Number"));
    txtDLNumber = edit(Frame1, "txtDLNumber");
    cmdDisplayInfo = button(Frame1, "cmdDisplayInfo", tr("DISPLAY INFORMATION"));
    addRow(search, 0, Label1, txtMemberID);
    addRow(search, 1, Label2, txtHPhoneNum);
    addRow(search, 2, Label3, txtDLNumber);
    search->addWidget(cmdDisplayInfo, 3, 1);
    search->setRowStretch(4, 1);
    layout->addWidget(Frame1, 2);

    Frame3 = named(new QGroupBox(tr("MEMBER INFORMATION"), page), "Frame3");
    auto *info = new QGridLayout(Frame3);
    Label15 = label(Frame3, "Label15", tr("Member Name"));
    txtMemberName = edit(Frame3, "txtMemberName", true);
    Label16 = label(Frame3, "Label16", tr("Additional Names"));
    lstAdditionalName = named(new QListWidget(Frame3), "lstAdditionalName");
    lstAdditionalName->setMaximumHeight(64);
    Label17 = label(Frame3, "Label17", tr("Address"));
    txtAddress = edit(Frame3, "txtAddress", true);
    Label18 = label(Frame3, "Label18", tr("City"));
    txtCity = edit(Frame3, "txtCity", true);
    Label19 = label(Frame3, "Label19", tr("Postal Code"));
    txtPostalCode = edit(Frame3, "txtPostalCode", true);
    Label20 = label(Frame3, "Label20", tr("Business Phone Number"));
    txtBPhoneNum = edit(Frame3, "txtBPhoneNum", true);
    Label21 = label(Frame3, "Label21", tr("Cell Phone Number"));
    txtCPhoneNum = edit(Frame3, "txtCPhoneNum", true);
    addRow(info, 0, Label15, txtMemberName);
    addRow(info, 1, Label16, lstAdditionalName);
    addRow(info, 2, Label17, txtAddress);
    addRow(info, 3, Label18, txtCity);
    addRow(info, 4, Label19, txtPostalCode);
    addRow(info, 5, Label20, txtBPhoneNum);
    addRow(info, 6, Label21, txtCPhoneNum);
    lblFeesOwing = label(Frame3, "lblFeesOwing", "");
    QFont owing = lblFeesOwing->font();
    owing.setBold(true);
    lblFeesOwing->setFont(owing);
    lblFeesOwing->setStyleSheet(QStringLiteral("color: #b00000"));
    info->addWidget(lblFeesOwing, 7, 0, 1, 2);
    pnlHolds = new HoldsPanel(m_windows, Frame3);
    info->addWidget(pnlHolds, 8, 0, 1, 2);
    info->setRowStretch(9, 1);
    layout->addWidget(Frame3, 3);

    // The lookup uses the box typed in last, not the one that holds text.
    connect(txtMemberID, &QLineEdit::textEdited, this, [this] { memberSource = 1; });
    connect(txtHPhoneNum, &QLineEdit::textEdited, this, [this] { memberSource = 2; });
    connect(txtDLNumber, &QLineEdit::textEdited, this, [this] { memberSource = 3; });
    connect(cmdDisplayInfo, &QPushButton::clicked, this, &frmCheckout::cmdDisplayInfo_Click);
    // Enter in a box does what the button beside it does.
    for (QLineEdit *box : {txtMemberID, txtHPhoneNum, txtDLNumber})
        connect(box, &QLineEdit::returnPressed, this, &frmCheckout::cmdDisplayInfo_Click);
}

void frmCheckout::buildRentalPage(QWidget *page)
{
    auto *layout = new QHBoxLayout(page);
    auto *left = new QGridLayout;
    Label5 = label(page, "Label5", tr("Enter the video ID to be rented:"));
    txtVidID = edit(page, "txtVidID");
    cmdAdd = button(page, "cmdAdd", tr("Add to Rental Bag"));
    cmdClear = button(page, "cmdClear", tr("Clear video"));
    Label6 = label(page, "Label6", tr("Movie Name:"));
    txtMovieName = edit(page, "txtMovieName", true);
    Label7 = label(page, "Label7", tr("Rating:"));
    txtRating = edit(page, "txtRating", true);
    Label8 = label(page, "Label8", tr("Price Class:"));
    txtClass = edit(page, "txtClass", true);
    Label10 = label(page, "Label10", tr("Type:"));
    txtType = edit(page, "txtType", true);
    Label11 = label(page, "Label11", tr("Actor:"));
    txtActor = edit(page, "txtActor", true);
    Label12 = label(page, "Label12", tr("Actress:"));
    txtActress = edit(page, "txtActress", true);
    addRow(left, 0, Label5, txtVidID);
    auto *addButtons = new QHBoxLayout;
    addButtons->addWidget(cmdAdd);
    addButtons->addWidget(cmdClear);
    left->addLayout(addButtons, 1, 1);
    addRow(left, 2, Label6, txtMovieName);
    addRow(left, 3, Label7, txtRating);
    addRow(left, 4, Label8, txtClass);
    addRow(left, 5, Label10, txtType);
    addRow(left, 6, Label11, txtActor);
    addRow(left, 7, Label12, txtActress);
    left->setRowStretch(8, 1);
    layout->addLayout(left, 2);

    auto *right = new QGridLayout;
    List1 = billList(page, "List1", "Courier");
    Label9 = label(page, "Label9", tr("Total:"));
    txtTotal = edit(page, "txtTotal", true);
    cmdRemove = button(page, "cmdRemove", tr("Remove"),
                       tr("First click on the list box to select a video, then click here to remove it"));
    cmdClearAll = button(page, "cmdClearAll", tr("Clear All"), tr("Click to remove all videos from the rental bag"));
    right->addWidget(BillView::headed(List1, page), 0, 0, 1, 4);
    right->addWidget(Label9, 1, 0, Qt::AlignRight);
    right->addWidget(txtTotal, 1, 1);
    right->addWidget(cmdRemove, 1, 2);
    right->addWidget(cmdClearAll, 1, 3);
    Label9->setBuddy(txtTotal);
    layout->addLayout(right, 3);

    connect(cmdAdd, &QPushButton::clicked, this, &frmCheckout::cmdAdd_Click);
    connect(txtVidID, &QLineEdit::returnPressed, this, &frmCheckout::cmdAdd_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmCheckout::cmdClear_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmCheckout::cmdRemove_Click);
    connect(cmdClearAll, &QPushButton::clicked, this, &frmCheckout::cmdClearAll_Click);
}

void frmCheckout::buildSalePage(QWidget *page)
{
    auto *layout = new QHBoxLayout(page);
    auto *left = new QGridLayout;
    Label14 = label(page, "Label14", tr("Enter a video ID to be purchased here:"));
    txtVidSale = edit(page, "txtVidSale");
    cmdBuyVideo = button(page, "cmdBuyVideo", tr("Buy Video"));
    Label22 = label(page, "Label22", tr("OR"));
    QFont black(QStringLiteral("Arial Black"));
    black.setWeight(QFont::Black);
    black.setPointSize(14);
    Label22->setFont(black);
    Label22->setAlignment(Qt::AlignCenter);
    Label23 = label(page, "Label23", tr("Enter the Inventory ID Number of an item to be purchased:"));
    Label23->setWordWrap(true);
    txtInvID = edit(page, "txtInvID");
    Label24 = label(page, "Label24", tr("Quantity:"));
    txtQuan = edit(page, "txtQuan");
    Label25 = label(page, "Label25", tr("Unit Price:"));
    txtUnitPrice = edit(page, "txtUnitPrice", true);
    cmdBuy = button(page, "cmdBuy", tr("Buy it"));
    cmdCancel = button(page, "cmdCancel", tr("Cancel Buy"));
    addRow(left, 0, Label14, txtVidSale);
    left->addWidget(cmdBuyVideo, 1, 1);
    left->addWidget(Label22, 2, 0, 1, 2);
    addRow(left, 3, Label23, txtInvID);
    addRow(left, 4, Label24, txtQuan);
    addRow(left, 5, Label25, txtUnitPrice);
    auto *buyButtons = new QHBoxLayout;
    buyButtons->addWidget(cmdBuy);
    buyButtons->addWidget(cmdCancel);
    left->addLayout(buyButtons, 6, 1);
    left->setRowStretch(7, 1);
    layout->addLayout(left, 2);

    auto *right = new QGridLayout;
    List2 = billList(page, "List2", "Courier");
    Label13 = label(page, "Label13", tr("Total:"));
    txtSalesTotal = edit(page, "txtSalesTotal", true);
    cmdRemoveSale = button(page, "cmdRemoveSale", tr("Remove"),
                           tr("Click on an item in the shopping bag, then click here to remove it"));
    cmdClearAllSales = button(page, "cmdClearAllSales", tr("Clear All"), tr("Click here to empty the shopping bag"));
    right->addWidget(BillView::headed(List2, page), 1, 0, 1, 4);
    right->addWidget(Label13, 2, 0, Qt::AlignRight);
    right->addWidget(txtSalesTotal, 2, 1);
    right->addWidget(cmdRemoveSale, 2, 2);
    right->addWidget(cmdClearAllSales, 2, 3);
    Label13->setBuddy(txtSalesTotal);
    layout->addLayout(right, 3);
    // A tape number or an item number: Tab goes from one box to the other.
    tabOrder({txtVidSale, txtInvID, txtQuan, cmdBuy, cmdCancel, cmdBuyVideo, List2, cmdRemoveSale, cmdClearAllSales});

    connect(cmdBuyVideo, &QPushButton::clicked, this, &frmCheckout::cmdBuyVideo_Click);
    connect(txtVidSale, &QLineEdit::returnPressed, this, &frmCheckout::cmdBuyVideo_Click);
    connect(txtInvID, &QLineEdit::returnPressed, this, &frmCheckout::cmdBuy_Click);
    connect(txtQuan, &QLineEdit::returnPressed, this, &frmCheckout::cmdBuy_Click);
    connect(cmdBuy, &QPushButton::clicked, this, &frmCheckout::cmdBuy_Click);
    connect(cmdRemoveSale, &QPushButton::clicked, this, &frmCheckout::cmdRemoveSale_Click);
    connect(cmdClearAllSales, &QPushButton::clicked, this, &frmCheckout::cmdClearAllSales_Click);
}

void frmCheckout::buildPaymentPage(QWidget *page)
{
    auto *layout = new QGridLayout(page);
    List3 = billList(page, "List3", "Courier New");
    m_bill = CheckoutBill(List3);
    layout->addWidget(BillView::headed(List3, page), 0, 0, 2, 1);

    auto *totals = new QGridLayout;
    Label28 = label(page, "Label28", tr("SubTotal"));
    txtSubTotal = edit(page, "txtSubTotal", true);
    // The taxes' captions ("GST @ 7%") are those of the bill's day, set as
    // the page shows its totals.
    Label29 = label(page, "Label29", "");
    txtGST = edit(page, "txtGST", true);
    Label30 = label(page, "Label30", "");
    txtPST = edit(page, "txtPST", true);
    // Room for the longest caption a rate can make, so none is cut short.
    for (QLabel *caption : {Label29, Label30})
        caption->setMinimumWidth(caption->fontMetrics().horizontalAdvance(QStringLiteral("GST @ 99.999%")) + 4);
    Label31 = label(page, "Label31", tr("TOTAL"));
    txtTotal1 = edit(page, "txtTotal1", true);
    QFont bold = Label31->font();
    bold.setBold(true);
    Label31->setFont(bold);
    txtTotal1->setFont(bold);
    addRow(totals, 0, Label28, txtSubTotal);
    addRow(totals, 1, Label29, txtGST);
    addRow(totals, 2, Label30, txtPST);
    addRow(totals, 3, Label31, txtTotal1);
    layout->addLayout(totals, 0, 1);

    auto *pay = new QGridLayout;
    Label26 = label(page, "Label26", tr("Select the method of payment:"));
    pay->addWidget(Label26, 0, 0, 1, 2);
    m_payment = new QButtonGroup(this);
    auto option = [&](QRadioButton *&o, const char *name, const QString &caption, int row, int column) {
        o = named(new QRadioButton(caption, page), name);
        m_payment->addButton(o);
        pay->addWidget(o, row, column);
    };
    option(OptVisa, "OptVisa", tr("&VISA"), 1, 0);
    option(optMC, "optMC", tr("&MasterCard"), 1, 1);
    option(optAmEx, "optAmEx", tr("&American Express"), 2, 0);
    option(optSears, "optSears", tr("Sea&rs card"), 2, 1);
    option(optDebit, "optDebit", tr("&Debit"), 3, 0);
    option(optCash, "optCash", tr("&Cash"), 3, 1);
    arrowsChoose(m_payment);
    auto *boxes = new QGridLayout;
    Label27 = label(page, "Label27", tr("Card number:"));
    txtCardNum = edit(page, "txtCardNum");
    Label35 = label(page, "Label35", tr("Exp. Date"));
    txtExDate = edit(page, "txtExDate");
    Label33 = label(page, "Label33", tr("Cash", "cash handed over"));
    txtCash = moneyEdit(page, "txtCash");
    Label34 = label(page, "Label34", tr("Change", "money given back"));
    txtChange = edit(page, "txtChange", true);
    addRow(boxes, 0, Label27, txtCardNum);
    addRow(boxes, 1, Label35, txtExDate);
    addRow(boxes, 2, Label33, txtCash);
    addRow(boxes, 3, Label34, txtChange);
    pay->addLayout(boxes, 4, 0, 1, 2);
    cmdPrintRec = button(page, "cmdPrintRec", tr("Print a Receipt"));
    cmdCheckOut = button(page, "cmdCheckOut", tr("Check out"));
    auto *finish = new QHBoxLayout;
    finish->addWidget(cmdPrintRec);
    finish->addWidget(cmdCheckOut);
    pay->addLayout(finish, 5, 0, 1, 2);
    pay->setRowStretch(6, 1);
    layout->addLayout(pay, 1, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    tabOrder({List3, OptVisa, optMC, optAmEx, optSears, optDebit, optCash, txtCardNum, txtExDate, txtCash, cmdPrintRec,
              cmdCheckOut});

    connect(OptVisa, &QRadioButton::clicked, this, &frmCheckout::OptVisa_Click);
    connect(optMC, &QRadioButton::clicked, this, &frmCheckout::optMC_Click);
    connect(optAmEx, &QRadioButton::clicked, this, &frmCheckout::optAmEx_Click);
    connect(optSears, &QRadioButton::clicked, this, &frmCheckout::optSears_Click);
    connect(optDebit, &QRadioButton::clicked, this, &frmCheckout::optDebit_Click);
    connect(optCash, &QRadioButton::clicked, this, &frmCheckout::optCash_Click);
    connect(cmdPrintRec, &QPushButton::clicked, this, &frmCheckout::cmdPrintRec_Click);
    connect(cmdCheckOut, &QPushButton::clicked, this, &frmCheckout::cmdCheckOut_Click);
}
