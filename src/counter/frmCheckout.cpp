#include "frmCheckout.h"

#include "data/Identifier.h"
#include "data/StoreDate.h"
#include "circulation/HoldsPanel.h"
#include "ui/Controls.h"
#include "ui/MemberChooser.h"
#include "ui/Messages.h"
#include "ui/OutcomeList.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Controls;

frmCheckout::frmCheckout(WindowContext &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
    , m_receipts(windows.storePath())
    , m_storeDetails(windows.storePath())
{
    setObjectName(QStringLiteral("frmCheckout"));
    setWindowTitle(tr("Checkout Form"));

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    Image1 = Pictures::makeImage1(this);
    Label32 = label(this, "Label32", tr("Date:"));
    txtDate = edit(this, "txtDate");
    txtDate->setMaximumWidth(110);
    Label32->setBuddy(txtDate);
    Label4 = label(this, "Label4", tr("Member ID:"));
    txtMemID2 = edit(this, "txtMemID2", true);
    txtMemID2->setMaximumWidth(110);
    Label4->setBuddy(txtMemID2);
    cmdReturn = button(this, "cmdReturn", tr("Return", "the button that goes back"));
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
    SSTab1->setToolTip(tr("Fill out the information for each tab in series, identifying a customer, renting videos, "
                          "buying merchandise, and paying."));
    const char *const pages[] = {QT_TR_NOOP("Customer Information"), QT_TR_NOOP("Video Rental"), QT_TR_NOOP("Sale"),
                                 QT_TR_NOOP("&Payment Information")};
    QWidget *page[4];
    for (int i = 0; i < 4; ++i) {
        page[i] = new QWidget(SSTab1);
        page[i]->setObjectName(QStringLiteral("page%1").arg(i + 1));
        SSTab1->addTab(page[i], tr(pages[i]));
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
    // One default button, the shown page's; a button with the focus does not
    // take Enter over, so Enter never does two things at once.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);
    setCancelButton(cmdReturn);
    showDefaultButton(0);
    // The bill's taxes are those of its day.
    connect(txtDate, &QLineEdit::editingFinished, this, &frmCheckout::billChanged);

    ResetCheckout();
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
    pnlHolds->showMember(0);
    lstOutcome->clear();
    m_feesMember.reset();
    m_shownMember.reset();

    vidTotal = Money();
    m_salesTotal = Money();
    m_money = {};
    m_ratesDay = {};
    m_paymentType = 0;
    SSTab1->setCurrentIndex(0);
    txtMemberID->setFocus();
    emit billOpenChanged(false);
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
    // One member's bill never becomes another's: the clerk clears it first.
    if (!row.deleted && !keepsBill(row))
        return;
    ShowMember(row);
    pnlHolds->showMember(row.deleted ? 0 : row.number, row.firstName + u' ' + row.lastName);
    if (row.deleted)
        return;
    // The last customer's refusals are not this one's business.
    if (txtMemID2->text() != QString::number(row.number))
        lstOutcome->clear();
    txtMemID2->setText(txtMemberID->text());
    m_shownMember = row;
}

bool frmCheckout::keepsBill(const MemberRow &row)
{
    const QStringList lines = m_bill.lines();
    const auto owner = Identifier::parse(txtMemID2->text());
    // A walk-in's sale becomes the member's, who is at the counter.
    if (lines.isEmpty() || !owner || *owner == 0 || *owner == row.number)
        return true;
    const QString name = m_shownMember ? m_shownMember->firstName + u' ' + m_shownMember->lastName : QString();
    if (m_windows.ws().msgBox(tr("The bill is for member %1 %2. Clear it and show member %3 %4?")
                                  .arg(*owner)
                                  .arg(name)
                                  .arg(row.number)
                                  .arg(row.firstName + u' ' + row.lastName),
                              Buttons::YesNo, Icon::Question, tr("Another member"), Answer::No)
        == Answer::Yes) {
        ResetCheckout();
        return true;
    }
    // The bill's member stays on screen, whatever was typed to find another.
    if (m_shownMember)
        ShowMember(*m_shownMember);
    return false;
}

void frmCheckout::takeFees(qint32 member, Money amount, QWidget &from)
{
    // A stored balance can be past what one bill takes.
    if (!billCanTake(amount))
        return;
    show();
    // The member looked up, whatever has been typed since.
    txtMemberID->setText(QString::number(member));
    memberSource = 1;
    from.hide();
    cmdDisplayInfo_Click();
    // On the bill of the member just shown, beside what it already holds.
    if (!addFeesPaid(member, amount))
        m_windows.ws().msgBox(
            tr("The fees were not put on the bill: the counter could not show member %1.").arg(member), Buttons::Ok,
            Icon::Exclamation, tr("Additional Transactions"));
}

bool frmCheckout::addFeesPaid(qint32 member, Money amount)
{
    if (txtMemID2->text() != QString::number(member))
        return false;
    // A second hand-on replaces the first: the fees are charged once.
    takeFeesLine();
    m_bill.add(BillLine::pay(amount.roundedToCents()));
    m_feesMember = member;
    billChanged();
    return true;
}

Money frmCheckout::takeFeesLine()
{
    const Money fees = m_bill.remove(QLatin1String("Pay "));
    m_feesMember.reset();
    billChanged();
    return fees;
}

void frmCheckout::ShowMember(const MemberRow &row)
{
    if (row.deleted) {
        m_windows.ws().msgBox(tr("That user has been deleted and now has no checkout rights."), Buttons::Ok,
                              Icon::Exclamation, tr("User deleted."));
        return;
    }
    lblFeesOwing->setText(row.feesOwing > Money() ? tr("Fees owing: %1").arg(row.feesOwing.toCurrency()) : QString());
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
    if (m_bill.fits(amount, rates().taxes))
        return true;
    refuse(m_windows.ws(), CheckoutBill::tooLarge(), tr("Bill too large"));
    return false;
}

void frmCheckout::scanRefused(const QString &text, const QString &title, const QString &about)
{
    m_windows.ws().tell(*lstOutcome, Told::Refused, text, title, about);
}

void frmCheckout::addLine(const QString &line, QListWidget *bag)
{
    m_bill.add(line, bag);
    // What was refused before is behind the clerk now.
    lstOutcome->clear();
    billChanged();
}

void frmCheckout::billChanged()
{
    emit billOpenChanged(!m_bill.lines().isEmpty());
    const BillLine::Totals totals = m_bill.totals();
    vidTotal = totals.rentals;
    m_salesTotal = totals.sales;
    txtTotal->setText(vidTotal.toCurrency());
    txtSalesTotal->setText(m_salesTotal.toCurrency());
    if (SSTab1->currentIndex() == PaymentPage)
        showPaymentTotals();
}

QPushButton *frmCheckout::pageDefault(int page) const
{
    QPushButton *const defaults[] = {cmdDisplayInfo, cmdAdd, cmdBuy, cmdCheckOut};
    return page >= 0 && page < 4 ? defaults[page] : nullptr;
}

void frmCheckout::showDefaultButton(int page)
{
    for (int i = 0; i < 4; ++i)
        pageDefault(i)->setDefault(i == page);
}

void frmCheckout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget *focus = focusWidget();
        // These boxes do their own work on Enter (a scanner's Enter among them).
        for (QWidget *own : {static_cast<QWidget *>(txtMemberID), static_cast<QWidget *>(txtHPhoneNum),
                             static_cast<QWidget *>(txtDLNumber), static_cast<QWidget *>(txtVidID),
                             static_cast<QWidget *>(txtVidSale), static_cast<QWidget *>(txtInvID),
                             static_cast<QWidget *>(txtQuan), static_cast<QWidget *>(txtDate)})
            if (focus == own) {
                event->accept();
                return;
            }
        if (auto *button = qobject_cast<QPushButton *>(focus); button && button->isEnabled()) {
            event->accept();
            button->click();
            return;
        }
        if (QPushButton *button = pageDefault(SSTab1->currentIndex()); button && button->isEnabled()) {
            event->accept();
            button->click();
            return;
        }
    }
    Form::keyPressEvent(event);
}

void frmCheckout::cmdReturn_Click()
{
    if (!m_bill.lines().isEmpty()) {
        const QString member = m_shownMember ? QStringLiteral("%1 %2 %3")
                                                   .arg(m_shownMember->number)
                                                   .arg(m_shownMember->firstName, m_shownMember->lastName)
                                             : txtMemID2->text();
        const Answer keep = m_windows.ws().msgBox(
            tr("Keep this bill for later?") + QStringLiteral("\r\n")
                + tr("(Yes keeps it for member %1, No clears it, Cancel stays here.)").arg(member),
            Buttons::YesNoCancel, Icon::Question, tr("Leave the counter"));
        if (keep == Answer::Cancel)
            return;
        if (keep == Answer::No)
            ResetCheckout();
    }
    m_windows.showMainMenu();
    hide();
}

void frmCheckout::walkInRule()
{
    if (txtMemID2->text().isEmpty())
        txtMemID2->setText(QStringLiteral("0"));
}
