#include "frmCashUp.h"

#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/LineFeed.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Controls;

namespace {

const QString Crlf = QStringLiteral("\r\n");
const QString Title = QStringLiteral("Cash Up");
// More bills or coins of one kind than any drawer holds: a typing slip.
constexpr int MostPieces = 100000;

// "$100", "25¢".
QString pieceName(int cents)
{
    return cents >= 100 ? QStringLiteral("$%1").arg(cents / 100) : QStringLiteral("%1\u00a2").arg(cents);
}

// "Short by $2.70", "Over by $1.00", "Even".
QString verdict(Money difference)
{
    if (difference < Money())
        return QStringLiteral("Short by %1").arg((-difference).toCurrency());
    if (difference > Money())
        return QStringLiteral("Over by %1").arg(difference.toCurrency());
    return QStringLiteral("Even");
}

} // namespace

const QList<int> &frmCashUp::denominations()
{
    static const QList<int> cents = {10000, 5000, 2000, 1000, 500, 200, 100, 25, 10, 5, 1};
    return cents;
}

frmCashUp::frmCashUp(WindowContext &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmCashUp"));
    setWindowTitle(Title);

    Image1 = Pictures::makeImage1(this);
    Label1 = Controls::heading(this, "Label1", "Cash Up");
    Label2 = label(this, "Label2", "&Date:");
    txtDate = edit(this, "txtDate");
    txtDate->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
    txtDate->setFixedWidth(120);
    Label2->setBuddy(txtDate);
    Label3 = label(this, "Label3", "C&ounter:");
    cmbCounter = named(new QComboBox(this), "cmbCounter");
    cmbCounter->setEditable(true);
    cmbCounter->setMinimumWidth(180);
    cmbCounter->setToolTip(QStringLiteral("The counter whose drawer is counted: this one unless changed."));
    Label3->setBuddy(cmbCounter);

    fraCount = named(new QGroupBox(QStringLiteral("The count"), this), "fraCount");
    auto *count = new QGridLayout(fraCount);
    Label4 = label(fraCount, "Label4", "Opening &float:");
    txtFloat = moneyEdit(fraCount, "txtFloat");
    txtFloat->setToolTip(QStringLiteral("The cash the drawer started the day with."));
    Label5 = label(fraCount, "Label5", "Cash &counted:");
    txtCounted = moneyEdit(fraCount, "txtCounted");
    txtCounted->setToolTip(QStringLiteral("All the cash in the drawer now, the float included."));
    chkDenominations = check(fraCount, "chkDenominations", "Count &by denomination");
    fraDenominations = named(new QGroupBox(fraCount), "fraDenominations");
    fraDenominations->setFlat(true);
    auto *pieces = new QGridLayout(fraDenominations);
    pieces->setContentsMargins(0, 0, 0, 0);
    const QList<int> &cents = denominations();
    for (int i = 0; i < cents.size(); ++i) {
        auto *box = new QLineEdit(fraDenominations);
        box->setObjectName(QStringLiteral("txtDenomination%1").arg(cents[i]));
        LineFeed::endsLikeReturn(box);
        box->setPlaceholderText(QStringLiteral("0"));
        box->setFixedWidth(64);
        box->setAlignment(Qt::AlignRight);
        auto *caption = new QLabel(pieceName(cents[i]) + QStringLiteral(" \u00d7"), fraDenominations);
        caption->setBuddy(box);
        // Bills on the left, coins on the right.
        const int column = cents[i] >= 500 ? 0 : 2;
        const int row = cents[i] >= 500 ? i : i - 5;
        pieces->addWidget(caption, row, column, Qt::AlignRight);
        pieces->addWidget(box, row, column + 1);
        txtDenomination << box;
    }
    fraDenominations->setEnabled(false);
    addRow(count, 0, Label4, txtFloat);
    addRow(count, 1, Label5, txtCounted);
    count->addWidget(chkDenominations, 2, 0, 1, 2);
    count->addWidget(fraDenominations, 3, 0, 1, 2);
    count->setRowStretch(4, 1);

    fraFigures = named(new QGroupBox(QStringLiteral("What the ledger says"), this), "fraFigures");
    auto *figures = new QGridLayout(fraFigures);
    Label6 = label(fraFigures, "Label6", "Cash taken at checkouts:");
    txtTaken = edit(fraFigures, "txtTaken", true);
    Label7 = label(fraFigures, "Label7", "Change given:");
    txtChange = edit(fraFigures, "txtChange", true);
    Label8 = label(fraFigures, "Label8", "Fee payments in cash:");
    txtFees = edit(fraFigures, "txtFees", true);
    Label9 = label(fraFigures, "Label9", "Should be in the drawer:");
    txtExpected = edit(fraFigures, "txtExpected", true);
    Label10 = label(fraFigures, "Label10", "Difference:");
    txtDifference = edit(fraFigures, "txtDifference", true);
    for (QLineEdit *box : {txtTaken, txtChange, txtFees, txtExpected, txtDifference}) {
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(120);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    lblDifference = label(fraFigures, "lblDifference", "");
    QFont verdictFont = lblDifference->font();
    verdictFont.setBold(true);
    verdictFont.setPointSizeF(verdictFont.pointSizeF() * 1.3);
    lblDifference->setFont(verdictFont);
    lblDifference->setWordWrap(true);
    addRow(figures, 0, Label6, txtTaken);
    addRow(figures, 1, Label7, txtChange);
    addRow(figures, 2, Label8, txtFees);
    addRow(figures, 3, Label9, txtExpected);
    addRow(figures, 4, Label10, txtDifference);
    figures->addWidget(lblDifference, 5, 0, 1, 2);
    figures->setRowStretch(6, 1);

    Label11 = label(this, "Label11", "Counts recorded for this day:");
    lstCounts = named(new QListWidget(this), "lstCounts");
    lstCounts->setMaximumHeight(90);
    lstCounts->setFocusPolicy(Qt::NoFocus);
    cmdRecord = button(this, "cmdRecord", "&Record Count");
    cmdReturn = button(this, "cmdReturn", "Return");
    commandSize({cmdRecord, cmdReturn});

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addWidget(Image1, 0, 0, Qt::AlignLeft);
    grid->addWidget(Label1, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    auto *which = new QHBoxLayout;
    which->addWidget(Label2);
    which->addWidget(txtDate);
    which->addSpacing(24);
    which->addWidget(Label3);
    which->addWidget(cmbCounter);
    which->addStretch();
    grid->addLayout(which, 1, 0, 1, 2);
    grid->addWidget(fraCount, 2, 0);
    grid->addWidget(fraFigures, 2, 1);
    grid->addWidget(Label11, 3, 0, 1, 2);
    grid->addWidget(lstCounts, 4, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRecord);
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    for (QLineEdit *box : {txtFloat, txtCounted})
        box->setMinimumWidth(120);

    QList<QWidget *> order = {txtDate, cmbCounter, txtFloat, txtCounted, chkDenominations};
    for (QLineEdit *box : std::as_const(txtDenomination))
        order << box;
    order << cmdRecord << cmdReturn;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setDefaultButton(cmdRecord);
    setCancelButton(cmdReturn);

    connect(txtDate, &QLineEdit::editingFinished, this, &frmCashUp::Refresh);
    connect(cmbCounter, &QComboBox::activated, this, &frmCashUp::Refresh);
    connect(cmbCounter->lineEdit(), &QLineEdit::editingFinished, this, &frmCashUp::Refresh);
    for (QLineEdit *box : std::as_const(txtDenomination))
        connect(box, &QLineEdit::textChanged, this, &frmCashUp::ShowDifference);
    connect(txtFloat, &QLineEdit::textChanged, this, &frmCashUp::ShowDifference);
    connect(txtCounted, &QLineEdit::textChanged, this, &frmCashUp::ShowDifference);
    connect(chkDenominations, &QCheckBox::toggled, this, &frmCashUp::chkDenominations_Click);
    connect(cmdRecord, &QPushButton::clicked, this, &frmCashUp::cmdRecord_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmCashUp::cmdReturn_Click);
}

void frmCashUp::Form_Activate()
{
    m_store.reset();
    m_store.emplace(m_windows.storePath());
    const QDate today = m_windows.today();
    txtDate->setText(StoreDate::toText(today));
    // This counter first, then any other that wrote to the ledger today.
    const QString here = Ledger::counterName();
    cmbCounter->clear();
    cmbCounter->addItem(here);
    if (const auto others = m_store->counters(today))
        for (const QString &name : *others)
            if (name != here)
                cmbCounter->addItem(name);
    cmbCounter->setCurrentIndex(0);
    chkDenominations->setChecked(false);
    for (QLineEdit *box : std::as_const(txtDenomination))
        box->clear();
    txtFloat->clear();
    txtCounted->clear();
    Refresh();
    txtFloat->setFocus();
}

void frmCashUp::Refresh()
{
    m_drawer.reset();
    lstCounts->clear();
    for (QLineEdit *box : {txtTaken, txtChange, txtFees})
        box->clear();
    const auto day = StoreDate::parse(txtDate->text());
    const QString counter = cmbCounter->currentText().trimmed();
    if (day && !counter.isEmpty() && m_store) {
        m_drawer = m_store->drawer(*day, counter);
        if (!m_drawer)
            showDbError(m_windows.ws(), m_store->lastError());
    }
    if (m_drawer) {
        txtTaken->setText(m_drawer->tendered.toCurrency());
        txtChange->setText(m_drawer->change.toCurrency());
        txtFees->setText(m_drawer->feePaymentsAmount.toCurrency());
        for (const Drawer::Count &c : std::as_const(m_drawer->counts))
            lstCounts->addItem(QStringLiteral("%1  float %2  counted %3  should be %4  %5")
                                   .arg(c.time.mid(11, 5), c.openingFloat.toCurrency(), c.counted.toCurrency(),
                                        c.expected.toCurrency(), verdict(c.difference()).toLower()));
    }
    ShowDifference();
}

std::optional<Money> frmCashUp::counted() const
{
    if (!chkDenominations->isChecked()) {
        const auto cash = Money::parse(txtCounted->text().trimmed());
        return cash && *cash >= Money() ? cash : std::nullopt;
    }
    qint64 cents = 0;
    const QList<int> &values = denominations();
    for (int i = 0; i < values.size(); ++i) {
        const QString text = txtDenomination[i]->text().trimmed();
        if (text.isEmpty())
            continue;
        bool ok = false;
        const int pieces = text.toInt(&ok);
        if (!ok || pieces < 0 || pieces > MostPieces)
            return std::nullopt;
        cents += qint64(pieces) * values[i];
    }
    return Money::fromCents(cents);
}

QString frmCashUp::denominationNote() const
{
    if (!chkDenominations->isChecked())
        return {};
    QStringList parts;
    const QList<int> &values = denominations();
    for (int i = 0; i < values.size(); ++i) {
        const int pieces = txtDenomination[i]->text().trimmed().toInt();
        // Kept in the ledger, so the same in every language.
        if (pieces > 0)
            parts << QStringLiteral("%1x%2").arg(Money::fromCents(values[i]).toPlain(Money::Untranslated)).arg(pieces);
    }
    return parts.join(u' ');
}

void frmCashUp::ShowDifference()
{
    const std::optional<Money> cash = counted();
    if (chkDenominations->isChecked())
        txtCounted->setText(cash ? cash->toPlain() : QString());
    txtExpected->clear();
    txtDifference->clear();
    lblDifference->setStyleSheet({});
    if (!m_drawer) {
        lblDifference->setText(StoreDate::parse(txtDate->text())
                                   ? QString()
                                   : StoreDate::invalidMessage(txtDate->text()));
        return;
    }
    const QString floatText = txtFloat->text().trimmed();
    const auto openingFloat = floatText.isEmpty() ? std::optional<Money>(Money()) : Money::parse(floatText);
    if (!openingFloat || *openingFloat < Money()) {
        lblDifference->setText(QStringLiteral("Type the opening float as an amount, such as 150.00."));
        return;
    }
    const Money expected = m_drawer->expected(*openingFloat);
    txtExpected->setText(expected.toCurrency());
    if (!cash) {
        const bool typed = chkDenominations->isChecked() || !txtCounted->text().trimmed().isEmpty();
        lblDifference->setText(typed ? QStringLiteral("Type the cash counted as an amount, and each count by "
                                                      "denomination as a whole number.")
                                     : QString());
        return;
    }
    const Money difference = *cash - expected;
    txtDifference->setText(difference.toCurrency());
    lblDifference->setText(verdict(difference));
    lblDifference->setStyleSheet(difference < Money()   ? QStringLiteral("color: #b00000")
                                 : difference > Money() ? QStringLiteral("color: #a05000")
                                                        : QStringLiteral("color: #006000"));
}

void frmCashUp::chkDenominations_Click()
{
    const bool byPiece = chkDenominations->isChecked();
    fraDenominations->setEnabled(byPiece);
    txtCounted->setReadOnly(byPiece);
    if (byPiece)
        txtDenomination.first()->setFocus();
    ShowDifference();
}

void frmCashUp::cmdRecord_Click()
{
    WindowSystem &ws = m_windows.ws();
    const auto day = StoreDate::parse(txtDate->text());
    if (!day) {
        ws.msgBox(StoreDate::invalidMessage(txtDate->text()), Buttons::Ok, Icon::Exclamation, Title);
        txtDate->setFocus();
        return;
    }
    const QString counter = cmbCounter->currentText().trimmed();
    if (counter.isEmpty()) {
        ws.msgBox(QStringLiteral("Enter the name of the counter whose drawer was counted."), Buttons::Ok,
                  Icon::Exclamation, Title);
        cmbCounter->setFocus();
        return;
    }
    const QString floatText = txtFloat->text().trimmed();
    const auto openingFloat = floatText.isEmpty() ? std::optional<Money>(Money()) : Money::parse(floatText);
    if (!openingFloat || *openingFloat < Money()) {
        showInvalidAmount(ws, QStringLiteral("opening float"), txtFloat->text());
        txtFloat->setFocus();
        return;
    }
    const auto cash = counted();
    if (!cash) {
        if (chkDenominations->isChecked())
            ws.msgBox(QStringLiteral("Enter each count by denomination as a whole number of bills or coins (or "
                                     "leave it empty for none)."),
                      Buttons::Ok, Icon::Exclamation, QStringLiteral("Invalid number"));
        else
            showInvalidAmount(ws, QStringLiteral("cash counted"), txtCounted->text());
        return;
    }
    // The figures the manager is asked about are the ones read just now.
    Refresh();
    if (!m_drawer)
        return;
    const Money expected = m_drawer->expected(*openingFloat);
    if (ws.msgBox(QStringLiteral("Record a count of %1 in the drawer of %2 for %3?")
                          .arg(cash->toCurrency(), counter, StoreDate::toText(*day))
                      + Crlf
                      + QStringLiteral("It should hold %1: %2.")
                            .arg(expected.toCurrency(), verdict(*cash - expected).toLower()),
                  Buttons::YesNo, Icon::Question, Title)
        != Answer::Yes)
        return;
    if (!m_store->recordCashUp(*day, counter, *openingFloat, *cash, expected, denominationNote())) {
        showDbError(ws, m_store->lastError());
        Refresh();
        return;
    }
    Refresh();
    ws.msgBox(QStringLiteral("The count has been recorded."), Buttons::Ok, Icon::Information, Title);
}

void frmCashUp::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
