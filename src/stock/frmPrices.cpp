#include "frmPrices.h"

#include "ui/WindowContext.h"
#include "data/Language.h"
#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/LineFeed.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

const QString Crlf = QStringLiteral("\r\n");

QLineEdit *box(QWidget *parent, const QString &name, int width)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    LineFeed::endsLikeReturn(e);
    e->setMinimumWidth(width);
    return e;
}

QLabel *columnHeading(QWidget *parent, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

// A rate as the manager reads it: "9.975", in French "9,975".
QString shownPercent(qint64 rate)
{
    QString text = Pricing::percent(rate);
    if (Language::current() == Language::French)
        text.replace(u'.', u',');
    return text;
}

// A rate typed: in French with a decimal comma, as amounts are, or a point.
std::optional<qint64> typedPercent(QString text)
{
    if (Language::current() == Language::French)
        text.replace(u',', u'.');
    return Pricing::parsePercent(text);
}

// "Price class 1", "Tax 2" in the language shown; the store's own words stay
// in English.
QString shownWhat(const PriceChange &c)
{
    return c.kind == PriceChange::Kind::Class ? QCoreApplication::translate("frmPrices", "Price class %1").arg(c.number)
                                              : QCoreApplication::translate("frmPrices", "Tax %1").arg(c.number);
}

// What a change makes of the values before it: "PST 8 % → 9.5 %", "Price
// class 1 (New release): rental fee $3.99 → $4.49; late fee $2.99 → $3.49 a day".
QString describe(const PriceChange &before, const PriceChange &c)
{
    const QString arrow = QStringLiteral(" \u2192 ");
    if (c.kind == PriceChange::Kind::Tax) {
        const QString was = QCoreApplication::translate("frmPrices", "%1 %2 %").arg(before.name, shownPercent(before.rate));
        const QString now = QCoreApplication::translate("frmPrices", "%1 %2 %").arg(c.name, shownPercent(c.rate));
        return before.name == c.name ? was + arrow
                                           + QCoreApplication::translate("frmPrices", "%1 %", "a tax's rate")
                                                 .arg(shownPercent(c.rate))
                                     : QCoreApplication::translate("frmPrices", "%1: %2").arg(shownWhat(c), was + arrow + now);
    }
    auto days = [](int n) {
        return n == 1 ? QCoreApplication::translate("frmPrices", "1 day")
                      : QCoreApplication::translate("frmPrices", "%1 days").arg(n);
    };
    QStringList parts;
    if (c.fee != before.fee)
        parts << QCoreApplication::translate("frmPrices", "rental fee %1").arg(before.fee.toCurrency() + arrow + c.fee.toCurrency());
    if (c.days != before.days)
        parts << QCoreApplication::translate("frmPrices", "rented for %1").arg(days(before.days) + arrow + days(c.days));
    if (c.lateFee != before.lateFee)
        parts << QCoreApplication::translate("frmPrices", "late fee %1 a day")
                     .arg(before.lateFee.toCurrency() + arrow + c.lateFee.toCurrency());
    const QString name = c.name == before.name ? c.name : before.name + arrow + c.name;
    if (parts.isEmpty())
        return QCoreApplication::translate("frmPrices", "%1 (%2)").arg(shownWhat(c), name);
    return QCoreApplication::translate("frmPrices", "%1 (%2): %3")
        .arg(shownWhat(c), name, parts.join(QCoreApplication::translate("frmPrices", "; ", "between two changes of a price class")));
}

} // namespace

frmPrices::frmPrices(WindowContext &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmPrices"));
    setWindowTitle(tr("Prices and taxes"));

    Image1 = Pictures::makeImage1(this);
    Label1 = heading(this, "Label1", tr("Prices and taxes"));
    Label2 = label(this, "Label2", tr("In force &from:"));
    txtFrom = edit(this, "txtFrom");
    txtFrom->setPlaceholderText(tr("yyyy-mm-dd", "how a day is typed"));
    txtFrom->setFixedWidth(120);
    txtFrom->setToolTip(
        tr("The day the changes take effect: today or later. The boxes show what is in force on that day."));
    Label2->setBuddy(txtFrom);
    Label3 = label(this, "Label3", tr("The boxes show what is charged on that day; change any and save."));

    fraClasses = named(new QGroupBox(tr("Price classes"), this), "fraClasses");
    auto *classes = new QGridLayout(fraClasses);
    const QString classHeadings[] = {tr("Class"), tr("Name"), tr("Rental fee"), tr("Days"), tr("Late fee a day")};
    for (int c = 0; c < 5; ++c)
        classes->addWidget(columnHeading(fraClasses, classHeadings[c]), 0, c);
    for (int i = 0; i < Pricing::Classes; ++i) {
        const QString n = QString::number(i + 1);
        classes->addWidget(new QLabel(n, fraClasses), i + 1, 0, Qt::AlignCenter);
        txtClassName[i] = box(fraClasses, QStringLiteral("txtClassName") + n, 190);
        txtClassName[i]->setMaxLength(Pricing::LongestName);
        txtFee[i] = box(fraClasses, QStringLiteral("txtFee") + n, 80);
        txtDays[i] = box(fraClasses, QStringLiteral("txtDays") + n, 50);
        txtLateFee[i] = box(fraClasses, QStringLiteral("txtLateFee") + n, 80);
        showsMoney(txtFee[i]);
        showsMoney(txtLateFee[i]);
        classes->addWidget(txtClassName[i], i + 1, 1);
        classes->addWidget(txtFee[i], i + 1, 2);
        classes->addWidget(txtDays[i], i + 1, 3);
        classes->addWidget(txtLateFee[i], i + 1, 4);
    }
    classes->setColumnStretch(1, 1);

    fraTaxes = named(new QGroupBox(tr("Taxes"), this), "fraTaxes");
    auto *taxes = new QGridLayout(fraTaxes);
    const QString taxHeadings[] = {tr("Tax"), tr("Name"), tr("Rate (%)")};
    for (int c = 0; c < 3; ++c)
        taxes->addWidget(columnHeading(fraTaxes, taxHeadings[c]), 0, c);
    for (int i = 0; i < Pricing::Taxes; ++i) {
        const QString n = QString::number(i + 1);
        taxes->addWidget(new QLabel(n, fraTaxes), i + 1, 0, Qt::AlignCenter);
        txtTaxName[i] = box(fraTaxes, QStringLiteral("txtTaxName") + n, 100);
        txtTaxName[i]->setMaxLength(Pricing::LongestName);
        txtRate[i] = box(fraTaxes, QStringLiteral("txtRate") + n, 70);
        taxes->addWidget(txtTaxName[i], i + 1, 1);
        taxes->addWidget(txtRate[i], i + 1, 2);
    }
    auto *oneTax = new QLabel(
        tr("A store with one tax sets the second to 0 %: it is then left off the bill, the receipt and the reports."),
        fraTaxes);
    oneTax->setWordWrap(true);
    taxes->addWidget(oneTax, Pricing::Taxes + 1, 0, 1, 3);
    taxes->setRowStretch(Pricing::Taxes + 2, 1);

    lblHistory = label(this, "lblHistory", tr("Every change, by the day it takes effect:"));
    fgHistory = named(new FlexGrid(this), "fgHistory");
    const QString historyHeadings[] = {tr("In force from"), tr("What"), tr("Name"), tr("Rental fee"), tr("Days"),
                                       tr("Late fee"), tr("Rate"), tr("Changed"), tr("Counter"), tr("Note")};
    const int historyWidths[] = {1300, 1100, 2000, 1000, 600, 1000, 800, 1700, 1200, 1800}; // twips
    fgHistory->setCols(10);
    fgHistory->setRows(1);
    for (int c = 0; c < 10; ++c) {
        fgHistory->setText(0, c, historyHeadings[c]);
        fgHistory->setColWidth(c, historyWidths[c]);
        fgHistory->fitText(c, historyHeadings[c]);
    }
    for (int c : {3, 4, 5, 6})
        fgHistory->setColKind(c, FlexGrid::Amount);
    for (int c : {2, 9})
        fgHistory->setColKind(c, FlexGrid::Text);
    fgHistory->setMinimumHeight(160);
    lblHistory->setBuddy(fgHistory);

    cmdSave = button(this, "cmdSave", tr("&Save Changes"));
    cmdReturn = button(this, "cmdReturn", tr("Return"));
    commandSize({cmdSave, cmdReturn});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto *top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addSpacing(16);
    top->addWidget(Label1);
    top->addStretch();
    layout->addLayout(top);
    auto *from = new QHBoxLayout;
    from->addWidget(Label2);
    from->addWidget(txtFrom);
    from->addSpacing(16);
    from->addWidget(Label3, 1);
    layout->addLayout(from);
    auto *frames = new QHBoxLayout;
    frames->addWidget(fraClasses, 3);
    frames->addWidget(fraTaxes, 2);
    layout->addLayout(frames);
    layout->addWidget(lblHistory);
    layout->addWidget(fgHistory, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    layout->addLayout(buttons);
    resize(1040, 620);

    QList<QWidget *> order{txtFrom};
    for (int i = 0; i < Pricing::Classes; ++i)
        order << txtClassName[i] << txtFee[i] << txtDays[i] << txtLateFee[i];
    for (int i = 0; i < Pricing::Taxes; ++i)
        order << txtTaxName[i] << txtRate[i];
    order << cmdSave << cmdReturn;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setDefaultButton(cmdSave);
    setCancelButton(cmdReturn);

    connect(txtFrom, &QLineEdit::editingFinished, this, &frmPrices::Refresh);
    connect(cmdSave, &QPushButton::clicked, this, &frmPrices::cmdSave_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmPrices::cmdReturn_Click);
}

void frmPrices::Form_Activate()
{
    m_store.reset();
    m_store.emplace(m_windows.storePath());
    txtFrom->setText(StoreDate::toText(m_windows.today()));
    Refresh();
    txtFrom->setFocus();
    txtFrom->selectAll();
}

void frmPrices::Refresh()
{
    const auto day = StoreDate::parse(txtFrom->text());
    if (day && m_store) {
        const auto rates = m_store->inForce(*day);
        if (!rates)
            return showDbError(m_windows.ws(), m_store->lastError());
        for (int i = 0; i < Pricing::Classes; ++i) {
            const PriceClass &c = rates->classes[i];
            txtClassName[i]->setText(c.name);
            txtFee[i]->setText(c.fee.toPlainCents());
            txtDays[i]->setText(QString::number(c.days));
            txtLateFee[i]->setText(c.lateFee.toPlainCents());
        }
        for (int i = 0; i < Pricing::Taxes; ++i) {
            txtTaxName[i]->setText(rates->taxes[i].name);
            txtRate[i]->setText(shownPercent(rates->taxes[i].rate));
        }
    }
    showHistory();
}

void frmPrices::showHistory()
{
    if (!m_store)
        return;
    const auto changes = m_store->history();
    if (!changes)
        return showDbError(m_windows.ws(), m_store->lastError());
    QVector<QStringList> records;
    for (const PriceChange &c : *changes) {
        const bool isClass = c.kind == PriceChange::Kind::Class;
        // The prices a store starts with stand from its first possible day.
        const bool starting = c.changedAt.isEmpty();
        records.append({starting ? tr("since the store started") : StoreDate::toText(c.from), shownWhat(c), c.name,
                        isClass ? c.fee.toPlainCents() : QString(), isClass ? QString::number(c.days) : QString(),
                        isClass ? c.lateFee.toPlainCents() : QString(),
                        isClass ? QString() : tr("%1 %", "a tax's rate").arg(shownPercent(c.rate)),
                        starting ? QString() : c.changedAt.left(16).replace(u'T', u' '), c.counter,
                        c.replaced ? tr("replaced by a later change") : QString()});
    }
    for (const QStringList &r : std::as_const(records))
        for (int col = 0; col < r.size(); ++col)
            fgHistory->fitText(col, r[col]);
    fgHistory->setRecords(std::move(records));
}

std::optional<QList<PriceChange>> frmPrices::typedChanges(const Rates &shown, QDate from)
{
    WindowSystem &ws = m_windows.ws();
    auto refused = [&](QLineEdit *box, const QString &why) {
        ws.msgBox(why, Buttons::Ok, Icon::Exclamation, windowTitle());
        box->setFocus();
        box->selectAll();
        return std::nullopt;
    };
    auto amount = [](QLineEdit *box) { return Money::parse(box->text().trimmed()); };
    QList<PriceChange> changes;
    for (int i = 0; i < Pricing::Classes; ++i) {
        PriceChange c = Pricing::classChange(shown, i + 1, from);
        const PriceChange before = c;
        for (QLineEdit *money : {txtFee[i], txtLateFee[i]})
            if (!amount(money))
                return refused(money, Money::parseProblem(money->text().trimmed()));
        bool whole = false;
        const int days = txtDays[i]->text().trimmed().toInt(&whole);
        if (!whole)
            return refused(txtDays[i], tr("\"%1\" is not a number of days. Type a whole number from 1 to %2.")
                                           .arg(txtDays[i]->text())
                                           .arg(Pricing::LongestPeriod));
        c.name = txtClassName[i]->text().trimmed();
        c.fee = *amount(txtFee[i]);
        c.days = days;
        c.lateFee = *amount(txtLateFee[i]);
        if (!c.sameValues(before))
            changes << c;
    }
    for (int i = 0; i < Pricing::Taxes; ++i) {
        PriceChange c = Pricing::taxChange(shown, i + 1, from);
        const PriceChange before = c;
        const auto rate = typedPercent(txtRate[i]->text());
        if (!rate)
            return refused(txtRate[i], tr("\"%1\" is not a rate. Type a percentage from 0 to 100, such as 7 or 9.975.")
                                           .arg(txtRate[i]->text()));
        c.name = txtTaxName[i]->text().trimmed();
        c.rate = *rate;
        if (!c.sameValues(before))
            changes << c;
    }
    return changes;
}

void frmPrices::cmdSave_Click()
{
    WindowSystem &ws = m_windows.ws();
    const auto from = StoreDate::parse(txtFrom->text());
    if (!from) {
        ws.msgBox(StoreDate::invalidMessage(txtFrom->text()), Buttons::Ok, Icon::Exclamation, windowTitle());
        txtFrom->setFocus();
        return;
    }
    if (!m_store)
        return;
    // Compared with what is in force now, not with what the boxes were
    // filled with: another manager may have saved meanwhile.
    const auto shown = m_store->inForce(*from);
    if (!shown)
        return showDbError(ws, m_store->lastError());
    const auto changes = typedChanges(*shown, *from);
    if (!changes)
        return;
    if (changes->isEmpty()) {
        ws.msgBox(tr("Nothing to save: the boxes hold the prices and taxes in force on %1.").arg(StoreDate::toText(*from)),
                  Buttons::Ok, Icon::Information, windowTitle());
        return;
    }
    const QDate today = m_windows.today();
    QStringList lines;
    for (const PriceChange &c : *changes) {
        if (const QString why = Pricing::problem(c, today); !why.isEmpty()) {
            ws.msgBox(why, Buttons::Ok, Icon::Exclamation, windowTitle());
            return;
        }
        const PriceChange before = c.kind == PriceChange::Kind::Class ? Pricing::classChange(*shown, c.number, *from)
                                                                     : Pricing::taxChange(*shown, c.number, *from);
        lines << describe(before, c);
    }
    if (ws.msgBox(tr("Charge these from %1 on?\r\n\r\n%2").arg(StoreDate::toText(*from), lines.join(Crlf)),
                  Buttons::YesNo, Icon::Question, windowTitle())
        != Answer::Yes)
        return;
    if (!m_store->record(*changes, today)) {
        showDbError(ws, m_store->lastError());
        Refresh();
        return;
    }
    Refresh();
    ws.msgBox(tr("The changes have been saved. They are charged from %1 on.").arg(StoreDate::toText(*from)),
              Buttons::Ok, Icon::Information, windowTitle());
}

void frmPrices::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
