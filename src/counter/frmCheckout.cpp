#include "frmCheckout.h"

#include "app/WindowRegistry.h"
#include "counter/CardMask.h"
#include "data/Genres.h"
#include "data/Identifier.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/MemberChooser.h"
#include "ui/Messages.h"
#include "ui/OutcomeList.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Controls;

namespace {

const QString Crlf = QStringLiteral("\r\n");
constexpr int PaymentPage = 3;
constexpr int Cash = 6;

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

QString billTooLarge()
{
    return QStringLiteral("With this line the bill would come to more than %1, the largest amount the program takes. "
                          "Check the quantity.")
        .arg(Money::limit().toCurrency());
}

} // namespace

frmCheckout::frmCheckout(WindowRegistry &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmCheckout"));
    setWindowTitle(QStringLiteral("Checkout Form"));

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    Image1 = Pictures::makeImage1(this);
    Label32 = label(this, "Label32", "Date:");
    txtDate = edit(this, "txtDate");
    txtDate->setMaximumWidth(110);
    Label32->setBuddy(txtDate);
    Label4 = label(this, "Label4", "Member ID:");
    txtMemID2 = edit(this, "txtMemID2", true);
    txtMemID2->setMaximumWidth(110);
    Label4->setBuddy(txtMemID2);
    cmdReturn = button(this, "cmdReturn", "Return");
    top->addWidget(Image1);
    top->addSpacing(16);
    top->addWidget(Label32);
    top->addWidget(txtDate);
    top->addSpacing(16);
    top->addWidget(Label4);
    top->addWidget(txtMemID2);
    top->addStretch();
    top->addWidget(cmdReturn, 0, Qt::AlignTop);
    layout->addLayout(top);

    SSTab1 = named(new QTabWidget(this), "SSTab1");
    SSTab1->setToolTip(QStringLiteral("Fill out the information for each tab in series, identifying a customer, "
                                      "renting videos, buying merchandise, and paying."));
    const char *const pages[] = {"Customer Information", "Video Rental", "Sale", "&Payment Information"};
    QWidget *page[4];
    for (int i = 0; i < 4; ++i) {
        page[i] = new QWidget(SSTab1);
        page[i]->setObjectName(QStringLiteral("page%1").arg(i + 1));
        SSTab1->addTab(page[i], QString::fromLatin1(pages[i]));
    }
    layout->addWidget(SSTab1);
    lstOutcome = new OutcomeList(this, "lstOutcome");
    layout->addWidget(lstOutcome);
    buildCustomerPage(page[0]);
    buildRentalPage(page[1]);
    buildSalePage(page[2]);
    buildPaymentPage(page[3]);
    resize(860, 620);

    connect(cmdReturn, &QPushButton::clicked, this, &frmCheckout::cmdReturn_Click);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmCheckout::SSTab1_Click);
    // The bill's taxes are those of its day.
    connect(txtDate, &QLineEdit::editingFinished, this, &frmCheckout::billChanged);

    ResetCheckout();
}

void frmCheckout::buildCustomerPage(QWidget *page)
{
    auto *layout = new QHBoxLayout(page);

    Frame1 = named(new QGroupBox(QStringLiteral("Customer Search"), page), "Frame1");
    auto *search = new QGridLayout(Frame1);
    Label1 = label(Frame1, "Label1", "Member ID");
    txtMemberID = edit(Frame1, "txtMemberID");
    Label2 = label(Frame1, "Label2", "Home Phone");
    txtHPhoneNum = edit(Frame1, "txtHPhoneNum");
    Label3 = label(Frame1, "Label3", "Driver's Licence Number");
    txtDLNumber = edit(Frame1, "txtDLNumber");
    cmdDisplayInfo = button(Frame1, "cmdDisplayInfo", "DISPLAY INFORMATION");
    addRow(search, 0, Label1, txtMemberID);
    addRow(search, 1, Label2, txtHPhoneNum);
    addRow(search, 2, Label3, txtDLNumber);
    search->addWidget(cmdDisplayInfo, 3, 1);
    search->setRowStretch(4, 1);
    layout->addWidget(Frame1, 2);

    Frame3 = named(new QGroupBox(QStringLiteral("MEMBER INFORMATION"), page), "Frame3");
    auto *info = new QGridLayout(Frame3);
    Label15 = label(Frame3, "Label15", "Member Name");
    txtMemberName = edit(Frame3, "txtMemberName", true);
    Label16 = label(Frame3, "Label16", "Additional Names");
    lstAdditionalName = named(new QListWidget(Frame3), "lstAdditionalName");
    lstAdditionalName->setMaximumHeight(64);
    Label17 = label(Frame3, "Label17", "Address");
    txtAddress = edit(Frame3, "txtAddress", true);
    Label18 = label(Frame3, "Label18", "City");
    txtCity = edit(Frame3, "txtCity", true);
    Label19 = label(Frame3, "Label19", "Postal Code");
    txtPostalCode = edit(Frame3, "txtPostalCode", true);
    Label20 = label(Frame3, "Label20", "Business Phone Number");
    txtBPhoneNum = edit(Frame3, "txtBPhoneNum", true);
    Label21 = label(Frame3, "Label21", "Cell Phone Number");
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
    info->setRowStretch(8, 1);
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
    Label5 = label(page, "Label5", "Enter the video ID to be rented:");
    txtVidID = edit(page, "txtVidID");
    cmdAdd = button(page, "cmdAdd", "Add to Rental Bag");
    cmdClear = button(page, "cmdClear", "Clear video");
    Label6 = label(page, "Label6", "Movie Name:");
    txtMovieName = edit(page, "txtMovieName", true);
    Label7 = label(page, "Label7", "Rating:");
    txtRating = edit(page, "txtRating", true);
    Label8 = label(page, "Label8", "Price Class:");
    txtClass = edit(page, "txtClass", true);
    Label10 = label(page, "Label10", "Type:");
    txtType = edit(page, "txtType", true);
    Label11 = label(page, "Label11", "Actor:");
    txtActor = edit(page, "txtActor", true);
    Label12 = label(page, "Label12", "Actress:");
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
    Label9 = label(page, "Label9", "Total:");
    txtTotal = edit(page, "txtTotal", true);
    cmdRemove = button(page, "cmdRemove", "Remove",
                       "First click on the list box to select a video, then click here to remove it");
    cmdClearAll = button(page, "cmdClearAll", "Clear All", "Click to remove all videos from the rental bag");
    right->addWidget(List1, 0, 0, 1, 4);
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
    Label14 = label(page, "Label14", "Enter a video ID to be purchased here:");
    txtVidSale = edit(page, "txtVidSale");
    cmdBuyVideo = button(page, "cmdBuyVideo", "Buy Video");
    Label22 = label(page, "Label22", "OR");
    QFont black(QStringLiteral("Arial Black"));
    black.setWeight(QFont::Black);
    black.setPointSize(14);
    Label22->setFont(black);
    Label22->setAlignment(Qt::AlignCenter);
    Label23 = label(page, "Label23", "Enter the Inventory ID Number of an item to be purchased:");
    Label23->setWordWrap(true);
    txtInvID = edit(page, "txtInvID");
    Label24 = label(page, "Label24", "Quantity:");
    txtQuan = edit(page, "txtQuan");
    Label25 = label(page, "Label25", "Unit Price:");
    txtUnitPrice = edit(page, "txtUnitPrice", true);
    cmdBuy = button(page, "cmdBuy", "Buy it");
    cmdCancel = button(page, "cmdCancel", "Cancel Buy");
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
    Label36 = label(page, "Label36", "Item");
    Label37 = label(page, "Label37", "Quantity");
    Label38 = label(page, "Label38", "Price");
    auto *headings = new QHBoxLayout;
    headings->addWidget(Label36, 3);
    headings->addWidget(Label37, 1);
    headings->addWidget(Label38, 1);
    List2 = billList(page, "List2", "Courier");
    Label13 = label(page, "Label13", "Total:");
    txtSalesTotal = edit(page, "txtSalesTotal", true);
    cmdRemoveSale = button(page, "cmdRemoveSale", "Remove",
                           "Click on an item in the shopping bag, then click here to remove it");
    cmdClearAllSales = button(page, "cmdClearAllSales", "Clear All", "Click here to empty the shopping bag");
    right->addLayout(headings, 0, 0, 1, 4);
    right->addWidget(List2, 1, 0, 1, 4);
    right->addWidget(Label13, 2, 0, Qt::AlignRight);
    right->addWidget(txtSalesTotal, 2, 1);
    right->addWidget(cmdRemoveSale, 2, 2);
    right->addWidget(cmdClearAllSales, 2, 3);
    Label13->setBuddy(txtSalesTotal);
    layout->addLayout(right, 3);

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
    layout->addWidget(List3, 0, 0, 2, 1);

    auto *totals = new QGridLayout;
    Label28 = label(page, "Label28", "SubTotal");
    txtSubTotal = edit(page, "txtSubTotal", true);
    // The taxes' captions ("GST @ 7%") are those of the bill's day, set as
    // the page shows its totals.
    Label29 = label(page, "Label29", "");
    txtGST = edit(page, "txtGST", true);
    Label30 = label(page, "Label30", "");
    txtPST = edit(page, "txtPST", true);
    Label31 = label(page, "Label31", "TOTAL");
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
    Label26 = label(page, "Label26", "Select the method of payment:");
    pay->addWidget(Label26, 0, 0, 1, 2);
    m_payment = new QButtonGroup(this);
    auto option = [&](QRadioButton *&o, const char *name, const char *caption, int row, int column) {
        o = named(new QRadioButton(QString::fromLatin1(caption), page), name);
        m_payment->addButton(o);
        pay->addWidget(o, row, column);
    };
    option(OptVisa, "OptVisa", "VISA", 1, 0);
    option(optMC, "optMC", "MasterCard", 1, 1);
    option(optAmEx, "optAmEx", "American Express", 2, 0);
    option(optSears, "optSears", "Sears card", 2, 1);
    option(optDebit, "optDebit", "Debit", 3, 0);
    option(optCash, "optCash", "Cash", 3, 1);
    auto *boxes = new QGridLayout;
    Label27 = label(page, "Label27", "Card number:");
    txtCardNum = edit(page, "txtCardNum");
    Label35 = label(page, "Label35", "Exp. Date");
    txtExDate = edit(page, "txtExDate");
    Label33 = label(page, "Label33", "Cash");
    txtCash = edit(page, "txtCash");
    Label34 = label(page, "Label34", "Change");
    txtChange = edit(page, "txtChange", true);
    addRow(boxes, 0, Label27, txtCardNum);
    addRow(boxes, 1, Label35, txtExDate);
    addRow(boxes, 2, Label33, txtCash);
    addRow(boxes, 3, Label34, txtChange);
    pay->addLayout(boxes, 4, 0, 1, 2);
    cmdPrintRec = button(page, "cmdPrintRec", "Print a Receipt");
    cmdCheckOut = button(page, "cmdCheckOut", "Check out");
    auto *finish = new QHBoxLayout;
    finish->addWidget(cmdPrintRec);
    finish->addWidget(cmdCheckOut);
    pay->addLayout(finish, 5, 0, 1, 2);
    pay->setRowStretch(6, 1);
    layout->addLayout(pay, 1, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);

    connect(OptVisa, &QRadioButton::clicked, this, &frmCheckout::OptVisa_Click);
    connect(optMC, &QRadioButton::clicked, this, &frmCheckout::optMC_Click);
    connect(optAmEx, &QRadioButton::clicked, this, &frmCheckout::optAmEx_Click);
    connect(optSears, &QRadioButton::clicked, this, &frmCheckout::optSears_Click);
    connect(optDebit, &QRadioButton::clicked, this, &frmCheckout::optDebit_Click);
    connect(optCash, &QRadioButton::clicked, this, &frmCheckout::optCash_Click);
    connect(cmdPrintRec, &QPushButton::clicked, this, &frmCheckout::cmdPrintRec_Click);
    connect(cmdCheckOut, &QPushButton::clicked, this, &frmCheckout::cmdCheckOut_Click);
}

void frmCheckout::ResetCheckout()
{
    List1->clear();
    List3->clear();
    List2->clear();
    lstAdditionalName->clear();

    // An exclusive group cannot be left with nothing chosen.
    m_payment->setExclusive(false);
    for (QAbstractButton *option : m_payment->buttons())
        option->setChecked(false);
    m_payment->setExclusive(true);

    for (QLineEdit *box : {txtActor, txtActress, txtAddress, txtBPhoneNum, txtCardNum, txtCash, txtChange, txtCity,
                           txtClass, txtCPhoneNum, txtDLNumber, txtExDate, txtGST, txtHPhoneNum, txtInvID,
                           txtMemberID, txtMemberName, txtMemID2, txtMovieName, txtPostalCode, txtPST, txtRating,
                           txtSalesTotal, txtSubTotal, txtTotal, txtTotal1, txtType, txtUnitPrice, txtVidID,
                           txtVidSale})
        box->clear();
    txtDate->setText(StoreDate::toText(m_windows.today()));
    txtQuan->setText(QStringLiteral("1"));

    lblFeesOwing->clear();
    lstOutcome->clear();
    m_feesMember.reset();

    vidTotal = Money();
    m_salesTotal = Money();
    m_money = {};
    m_ratesDay = {};
    m_paymentType = 0;
    SSTab1->setCurrentIndex(0);
    txtMemberID->setFocus();
}

void frmCheckout::cmdDisplayInfo_Click()
{
    QLineEdit *const boxes[] = {txtMemberID, txtHPhoneNum, txtDLNumber};
    const QString typed = memberSource >= 1 && memberSource <= 3 ? boxes[memberSource - 1]->text() : QString();
    const MemberLookup::Typed found = m_store.findTyped(memberSource, typed);
    if (!membersFound(m_windows.ws(), found, typed, m_store.lastError()))
        return;
    // A family shares a phone: the clerk says which of them is at the counter.
    const std::optional<MemberRow> chosen = m_windows.memberChooser().choose(m_windows.ws(), found.rows);
    if (!chosen)
        return;
    const MemberRow &row = *chosen;
    ShowMember(row);
    if (row.deleted)
        return;
    txtMemID2->setText(txtMemberID->text());
    // Fees handed on for someone else are not this member's to pay.
    if (m_feesMember && *m_feesMember != row.number) {
        const qint32 owner = *m_feesMember;
        const Money fees = takeFeesLine();
        m_windows.ws().tell(*lstOutcome, Told::Done,
                            QStringLiteral("The overdue fees of member %1 (%2) are off the bill; they stay owing.")
                                .arg(owner)
                                .arg(fees.toCurrency()),
                            QStringLiteral("Fees off the bill"));
    }
}

bool frmCheckout::addFeesPaid(qint32 member, Money amount)
{
    if (txtMemID2->text() != QString::number(member))
        return false;
    // A second hand-on replaces the first: the fees are charged once.
    takeFeesLine();
    List3->addItem(BillLine::pay(amount.roundedToCents()));
    m_feesMember = member;
    billChanged();
    return true;
}

Money frmCheckout::takeFeesLine()
{
    Money fees;
    for (int i = 0; i < List3->count();) {
        const QString line = List3->item(i)->text();
        if (line.startsWith(QLatin1String("Pay "))) {
            fees += BillLine::amount(line).value_or(Money());
            delete List3->takeItem(i);
        } else {
            ++i;
        }
    }
    m_feesMember.reset();
    billChanged();
    return fees;
}

void frmCheckout::ShowMember(const MemberRow &row)
{
    if (row.deleted) {
        m_windows.ws().msgBox(QStringLiteral("That user has been deleted and now has no checkout rights."),
                              Buttons::Ok, Icon::Exclamation, QStringLiteral("User deleted."));
        return;
    }
    lblFeesOwing->setText(row.feesOwing > Money() ? QStringLiteral("Fees owing: ") + row.feesOwing.toCurrency()
                                                  : QString());
    txtMemberID->setText(QString::number(row.number));
    txtHPhoneNum->setText(row.homePhone);
    txtDLNumber->setText(row.licence);
    txtMemberName->setText(row.firstName + u' ' + row.lastName);
    txtAddress->setText(row.address);
    txtCity->setText(row.city);
    txtPostalCode->setText(row.postalCode);
    txtCPhoneNum->setText(row.cellPhone);
    txtBPhoneNum->setText(row.busPhone);
    lstAdditionalName->clear();
    for (const QString &name : row.otherNames)
        lstAdditionalName->addItem(name);
}

void frmCheckout::cmdAdd_Click()
{
    addToRentalBag();
    // The number stays in view, but the next scan or keystrokes replace it.
    txtVidID->selectAll();
}

bool frmCheckout::fitsOnBill(std::optional<Money> amount)
{
    std::optional<Money> subtotal = BillLine::totals(billLines()).subtotal().plus(amount.value_or(Money()));
    return amount && subtotal && CheckoutMoney::fits(*subtotal, rates().taxes);
}

const Rates &frmCheckout::rates()
{
    const QDate day = StoreDate::parse(txtDate->text()).value_or(m_windows.today());
    if (!m_rates || m_ratesDay != day) {
        auto read = m_store.rates(day);
        m_ratesDay = read ? day : QDate();
        if (read)
            m_rates = std::move(read);
        else
            showDbError(m_windows.ws(), m_store.lastError());
        if (!m_rates)
            m_rates = Pricing::starting();
    }
    return *m_rates;
}

bool frmCheckout::billCanTake(std::optional<Money> amount)
{
    if (fitsOnBill(amount))
        return true;
    refuse(m_windows.ws(), billTooLarge(), QStringLiteral("Bill too large"));
    return false;
}

void frmCheckout::scanRefused(const QString &text, const QString &title, const QString &about)
{
    m_windows.ws().tell(*lstOutcome, Told::Refused, text, title, about);
}

QStringList frmCheckout::billLines() const
{
    QStringList lines;
    for (int i = 0; i < List3->count(); ++i)
        lines << List3->item(i)->text();
    return lines;
}

void frmCheckout::billChanged()
{
    const BillLine::Totals totals = BillLine::totals(billLines());
    vidTotal = totals.rentals;
    m_salesTotal = totals.sales;
    txtTotal->setText(vidTotal.toCurrency());
    txtSalesTotal->setText(m_salesTotal.toCurrency());
    if (SSTab1->currentIndex() == PaymentPage)
        showPaymentTotals();
}

void frmCheckout::addToRentalBag()
{
    WindowSystem &ws = m_windows.ws();
    const QString about = QStringLiteral("Tape ") + txtVidID->text().trimmed();
    if (txtMemID2->text() == QLatin1String("0") || txtMemID2->text().isEmpty())
        return scanRefused(QStringLiteral("Must be a member to rent."), QStringLiteral("No member entered."), about);
    if (txtVidID->text().isEmpty())
        return scanRefused(QStringLiteral("Enter A valid Video ID Number"), QStringLiteral("Tape entry error."), {});
    const auto videoId = Identifier::parse(txtVidID->text());
    if (!videoId)
        return scanRefused(Identifier::invalidMessage(QStringLiteral("video ID"), txtVidID->text()),
                           QStringLiteral("Invalid number"), {});
    // A scanner's double read must not rent one tape twice.
    if (BillLine::holdsTape(billLines(), *videoId))
        return scanRefused(QStringLiteral("Tape %1 is already in this bill.").arg(*videoId),
                           QStringLiteral("Tape entry error."), {});
    m_rentVideoID = *videoId;

    const Fetched<RentalTapeRow> tape = m_store.rentalTape(m_rentVideoID);
    if (tape.failed)
        return showDbError(ws, m_store.lastError());
    if (!tape.row)
        return scanRefused(QStringLiteral("That tape was not found in the system."),
                           QStringLiteral("Tape entry error."), about);
    if (tape.row->deleted)
        return scanRefused(QStringLiteral("That tape has been deleted and cannot be rented. It may be damaged or "
                                          "unusable."),
                           QStringLiteral("Deleted Tape"), about);
    if (!tape.row->forRent)
        return scanRefused(QStringLiteral("That tape is not available for rental. Please find another."),
                           QStringLiteral("Tape entry error."), about);
    if (!tape.row->inStore)
        return scanRefused(QStringLiteral("Our records show that tape is not in the store. Please check to see if "
                                          "you have mistyped."),
                           QStringLiteral("Tape entry error."), about);

    txtMovieName->setText(tape.row->name);
    txtClass->setText(QString::number(tape.row->priceClass));
    txtRating->setText(tape.row->rating);
    txtType->setText(Genres::name(tape.row->categoryId));
    txtActor->setText(tape.row->actor);
    txtActress->setText(tape.row->actress);

    m_rentTitle = BillLine::fitTitle(txtMovieName->text());
    const PriceClass *charge = rates().priceClass(tape.row->priceClass);
    if (!charge)
        return scanRefused(QStringLiteral("That tape's title has price class %1, which has no rental fee. Set its "
                                          "class in Video Management.")
                               .arg(tape.row->priceClass),
                           QStringLiteral("Tape entry error."), about);
    m_rentFee = charge->fee;
    if (!fitsOnBill(m_rentFee))
        return scanRefused(billTooLarge(), QStringLiteral("Bill too large"), about);
    const QString line = BillLine::rent(m_rentVideoID, m_rentTitle, m_rentFee);
    List1->addItem(line);
    List3->addItem(line);
    billChanged();
}

std::optional<Money> frmCheckout::takeSelectedLine(QListWidget *bag)
{
    QListWidgetItem *selected = bag->currentItem();
    if (!selected || !selected->isSelected())
        return std::nullopt;
    const QString line = selected->text();
    // Only the first equal line of the bill goes, though the same text may stand twice.
    for (int i = 0; i < List3->count(); ++i) {
        if (List3->item(i)->text() == line) {
            delete List3->takeItem(i);
            break;
        }
    }
    delete bag->takeItem(bag->row(selected));
    return BillLine::amount(line).value_or(Money());
}

void frmCheckout::removeBillLines(QLatin1String leading)
{
    for (int i = 0; i < List3->count();) {
        if (List3->item(i)->text().startsWith(leading))
            delete List3->takeItem(i);
        else
            ++i;
    }
}

void frmCheckout::cmdRemove_Click()
{
    const auto amount = takeSelectedLine(List1);
    if (!amount)
        return;
    m_rentFee = *amount;
    billChanged();
    txtVidID->setFocus();
}

void frmCheckout::cmdClear_Click()
{
    m_rentVideoID = 0;
    for (QLineEdit *box : {txtVidID, txtMovieName, txtClass, txtRating, txtType, txtActor, txtActress})
        box->clear();
    txtVidID->setFocus();
}

void frmCheckout::cmdClearAll_Click()
{
    cmdClear_Click();
    List1->clear();
    // Only the rentals go: fees handed on stay on the bill and in its totals.
    removeBillLines(QLatin1String("Rent"));
    billChanged();
}

void frmCheckout::cmdReturn_Click()
{
    m_windows.showMainMenu();
    hide();
}

void frmCheckout::walkInRule()
{
    if (txtMemID2->text().isEmpty())
        txtMemID2->setText(QStringLiteral("0"));
}

void frmCheckout::cmdBuy_Click()
{
    addToShoppingBag();
    txtInvID->selectAll();
}

void frmCheckout::addToShoppingBag()
{
    WindowSystem &ws = m_windows.ws();
    walkInRule();
    const QString about = QStringLiteral("Item ") + txtInvID->text().trimmed();
    if (txtInvID->text().isEmpty())
        return scanRefused(QStringLiteral("Enter Inventory ID of Item"), {}, {});
    const auto inventoryId = Identifier::parse(txtInvID->text());
    if (!inventoryId)
        return scanRefused(Identifier::invalidMessage(QStringLiteral("inventory ID"), txtInvID->text()),
                           QStringLiteral("Invalid number"), {});
    const auto quantity = Identifier::parse(txtQuan->text());
    if (!quantity || *quantity == 0)
        return scanRefused(QStringLiteral("\"%1\" is not a quantity that can be sold. Enter a whole number of at "
                                          "least 1.")
                               .arg(txtQuan->text()),
                           QStringLiteral("Invalid number"), about);
    m_saleInvID = *inventoryId;
    m_saleQuantity = *quantity;

    const Fetched<ItemRow> item = m_store.item(m_saleInvID);
    if (item.failed)
        return showDbError(ws, m_store.lastError());
    if (!item.row)
        return scanRefused(QStringLiteral("That inventory item was not found. Recheck."),
                           QStringLiteral("Inventory Error."), about);
    if (item.row->deleted)
        return scanRefused(QStringLiteral("That inventory item was deleted, it should not be in stock. Please "
                                          "consult manager."),
                           QStringLiteral("Deleted item."), about);
    if (item.row->quantity < m_saleQuantity)
        return scanRefused(QStringLiteral("There is insufficient stock marked in inventory to sell that order. "
                                          "Please consult manager."),
                           QStringLiteral("Inventory Warning."), about);
    m_saleItemName = item.row->name;
    m_saleUnitPrice = item.row->price;
    txtUnitPrice->setText(m_saleUnitPrice.toPlainCents());
    // The bill is in cents, whatever finer price an older store may hold.
    std::optional<Money> lineAmount = m_saleUnitPrice.times(m_saleQuantity);
    if (lineAmount)
        lineAmount = lineAmount->checkedTimesRateRounded(1, 1);
    if (!fitsOnBill(lineAmount))
        return scanRefused(billTooLarge(), QStringLiteral("Bill too large"), about);
    const QString line = BillLine::buy(m_saleInvID, m_saleQuantity, m_saleItemName, *lineAmount);
    List2->addItem(line);
    List3->addItem(line);
    billChanged();
}

void frmCheckout::cmdBuyVideo_Click()
{
    WindowSystem &ws = m_windows.ws();
    walkInRule();
    const QString typed = txtVidSale->text().trimmed();
    const QString about = QStringLiteral("Tape ") + typed;
    // Kept in view after a refusal, but the next scan replaces it.
    txtVidSale->selectAll();
    const auto videoId = Identifier::parse(typed);
    if (!videoId)
        return scanRefused(Identifier::invalidMessage(QStringLiteral("video ID"), txtVidSale->text()),
                           QStringLiteral("Invalid number"), {});
    if (BillLine::holdsTape(billLines(), *videoId))
        return scanRefused(QStringLiteral("Tape %1 is already in this bill.").arg(*videoId),
                           QStringLiteral("Tape Entry Error"), {});

    const Fetched<SaleTapeRow> tape = m_store.saleTape(*videoId);
    if (tape.failed)
        return showDbError(ws, m_store.lastError());
    if (!tape.row)
        return scanRefused(QStringLiteral("That video ID was not found in the system."),
                           QStringLiteral("Tape Entry Error"), about);
    if (tape.row->deleted)
        return scanRefused(QStringLiteral("That tape has been deleted from the system. It may be damaged or "
                                          "unuseable."),
                           QStringLiteral("Tape deleted."), about);
    if (!tape.row->forSale)
        return scanRefused(QStringLiteral("That video is not for sale. Please try to find another."),
                           QStringLiteral("Tape Entry Error"), about);
    if (!tape.row->inStore)
        return scanRefused(QStringLiteral("Our records show that that video is not in the store. Did you mistype?"),
                           QStringLiteral("Tape Entry Error"), about);

    const std::optional<Money> price = tape.row->salePrice.checkedTimesRateRounded(1, 1);
    if (!fitsOnBill(price))
        return scanRefused(billTooLarge(), QStringLiteral("Bill too large"), about);
    const QString line = BillLine::buyVideo(typed, tape.row->name, *price);
    List2->addItem(line);
    List3->addItem(line);
    billChanged();
    txtVidSale->clear();
}

void frmCheckout::cmdRemoveSale_Click()
{
    const auto amount = takeSelectedLine(List2);
    if (!amount)
        return;
    m_rentFee = *amount;
    billChanged();
    txtUnitPrice->clear();
    txtInvID->clear();
    txtInvID->setFocus();
}

void frmCheckout::cmdClearAllSales_Click()
{
    List2->clear();
    txtUnitPrice->clear();
    txtInvID->clear();
    txtInvID->setFocus();
    // "Buy" takes both "Buy " and "BuyV " lines.
    removeBillLines(QLatin1String("Buy"));
    billChanged();
}

void frmCheckout::SSTab1_Click(int page)
{
    if (page == PaymentPage)
        showPaymentTotals();
}

void frmCheckout::showPaymentTotals()
{
    // The boxes follow the taxes of the bill's day; one at 0 % is left off.
    const std::array<Tax, Pricing::Taxes> &taxes = rates().taxes;
    Label29->setText(taxes[0].label());
    Label30->setText(taxes[1].label());
    Label30->setVisible(taxes[1].charged());
    txtPST->setVisible(taxes[1].charged());
    m_money = CheckoutMoney::forSubtotal(BillLine::totals(billLines()).subtotal(), taxes);
    txtSubTotal->setText(m_money.subtotal.toPlainCents());
    txtGST->setText(m_money.gst.toPlainCents());
    txtPST->setText(m_money.pst.toPlainCents());
    txtTotal1->setText(m_money.total.toPlainCents());
}

void frmCheckout::openPaymentBoxes(bool card, bool expiry, bool cash)
{
    txtCardNum->setEnabled(card);
    txtExDate->setEnabled(expiry);
    txtCash->setEnabled(cash);
    txtCardNum->clear();
    txtExDate->clear();
    // Choosing cash again keeps the amount already typed.
    if (!cash)
        txtCash->clear();
}

void frmCheckout::selectCard(int type, Card card)
{
    openPaymentBoxes(true, true, false);
    // With no member there is no card on file to offer.
    if (const auto member = Identifier::parse(txtMemID2->text())) {
        const Fetched<CardOnFile> onFile = m_store.card(*member, card);
        if (onFile.failed)
            showDbError(m_windows.ws(), m_store.lastError());
        else if (onFile.row) {
            txtCardNum->setText(onFile.row->number);
            txtExDate->setText(onFile.row->expiry);
        }
    }
    m_paymentType = type;
}

void frmCheckout::optAmEx_Click()
{
    openPaymentBoxes(true, true, false);
    txtCardNum->setFocus();
    m_paymentType = 3;
}

void frmCheckout::optDebit_Click()
{
    openPaymentBoxes(true, false, false);
    txtCardNum->setFocus();
    m_paymentType = 5;
}

void frmCheckout::optCash_Click()
{
    openPaymentBoxes(false, false, true);
    txtCash->setFocus();
    m_paymentType = Cash;
}

bool frmCheckout::planCheckout(CheckoutPlan &plan)
{
    WindowSystem &ws = m_windows.ws();
    const auto date = StoreDate::parse(txtDate->text());
    if (!date) {
        ws.msgBox(StoreDate::invalidMessage(txtDate->text()), Buttons::Ok, Icon::Exclamation,
                  QStringLiteral("Invalid date"));
        txtDate->setFocus();
        return false;
    }
    plan.date = *date;
    plan.member = Identifier::parse(txtMemID2->text());
    // Totalled with the taxes of the day in the Date box as it stands now.
    showPaymentTotals();
    QStringList bill;
    for (int i = 0; i < List3->count(); ++i) {
        bill << List3->item(i)->text();
        if (const auto line = BillLine::parse(bill.last()))
            plan.lines.append(*line);
    }
    m_money.countLines(bill);
    if (plan.lines.isEmpty()) {
        ws.msgBox(QStringLiteral("There is nothing on the bill to check out. Add a tape or an item first."),
                  Buttons::Ok, Icon::Exclamation, QStringLiteral("Empty bill"));
        return false;
    }
    return true;
}

void frmCheckout::cmdCheckOut_Click()
{
    WindowSystem &ws = m_windows.ws();
    const QString paymentError = QStringLiteral("Payment error.");
    if (m_paymentType == 0) {
        ws.msgBox(QStringLiteral("Must select a payment type!"), Buttons::Ok, Icon::Exclamation, paymentError);
        return;
    }
    // The bill and its date are checked before the customer is asked to pay.
    CheckoutPlan plan;
    if (!planCheckout(plan))
        return;

    Answer answer;
    if (m_paymentType == Cash) {
        const auto cash = Money::parse(txtCash->text());
        if (!cash || *cash < Money()) {
            ws.msgBox(Money::overLimit(txtCash->text()) || Money::finerThanCents(txtCash->text())
                          ? Money::parseProblem(txtCash->text())
                          : QStringLiteral("\"%1\" is not an amount of cash. Enter the cash handed over, for example "
                                           "20 or 20.00.")
                                .arg(txtCash->text()),
                      Buttons::Ok, Icon::Exclamation, QStringLiteral("Payment error"));
            txtCash->setFocus();
            return;
        }
        if (*cash < m_money.total) {
            ws.msgBox(QStringLiteral("Must provide sufficient cash to cover this purchase or remove items."),
                      Buttons::Ok, Icon::Exclamation, QStringLiteral("Payment error"));
            return;
        }
        m_money.payCash(*cash);
        txtChange->setText(m_money.change.toPlainCents());
        answer = ws.msgBox(QStringLiteral("Verify that the customer has provided $") + cash->toPlainCents() + Crlf
                               + QStringLiteral("in cash and been returned $") + txtChange->text()
                               + QStringLiteral(" in change.") + Crlf
                               + QStringLiteral("(No to change payment type, Cancel to kill this order.)"),
                           Buttons::YesNoCancel, Icon::Question, QStringLiteral("Payment verification."));
    } else {
        if (txtCardNum->text().trimmed().isEmpty()) {
            ws.msgBox(QStringLiteral("Must provide a card number"), Buttons::Ok, Icon::Exclamation,
                      QStringLiteral("No card number"));
            return;
        }
        m_money.payByCard(m_paymentType);
        // From here on the window (and so the receipt) shows the number masked.
        txtCardNum->setText(CardMask::masked(txtCardNum->text()));
        static const char *const descriptions[] = {"VISA credit charge", "MasterCard credit charge",
                                                   "American express credit charge", "Sears store charge",
                                                   "Interac debit card"};
        answer = ws.msgBox(QStringLiteral("Verify that the ")
                               + QString::fromLatin1(descriptions[m_paymentType - 1])
                               + QStringLiteral(" transaction has gone through under the following information: ")
                               + Crlf + txtCardNum->text() + u' ' + txtExDate->text() + QStringLiteral(" Total: ")
                               + txtTotal1->text() + Crlf
                               + QStringLiteral("(No to change payment type, Cancel to kill this order.)"),
                           Buttons::YesNoCancel, Icon::Question, QStringLiteral("Payment verification."));
    }

    if (answer == Answer::Cancel) {
        m_windows.showMainMenu();
        hide();
        return;
    }
    if (answer != Answer::Yes)
        return;
    // All of it or none of it: a failure leaves the bill on screen to try again.
    plan.money = m_money;
    if (!m_store.recordCheckout(plan)) {
        // Prices may have changed meanwhile: the totals are read afresh.
        m_ratesDay = {};
        billChanged();
        return showDbError(ws, m_store.lastError());
    }

    if (ws.msgBox(QStringLiteral("Do you want to print out a receipt?"), Buttons::YesNo, Icon::Question,
                  QStringLiteral("Receipt option"))
        == Answer::Yes)
        ws.printWindow(*this, m_store.lastReceipt());
    ResetCheckout();
}

void frmCheckout::cmdPrintRec_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (ws.msgBox(QStringLiteral("Do you wish to print this form out now as a receipt?"), Buttons::YesNo,
                  Icon::Question, QStringLiteral("Print Receipt"))
        == Answer::Yes) {
        // The receipt carries no more of a card number than its last four digits.
        if (!txtCardNum->text().trimmed().isEmpty())
            txtCardNum->setText(CardMask::masked(txtCardNum->text()));
        ws.printWindow(*this);
    }
    if (ws.msgBox(QStringLiteral("Does the customer want to check out now? (No cancels transaction.)"),
                  Buttons::YesNo, Icon::Question, QStringLiteral("Check-out"))
        == Answer::Yes)
        cmdCheckOut_Click();
    else
        ResetCheckout();
}
