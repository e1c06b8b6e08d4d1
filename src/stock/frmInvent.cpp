#include "frmInvent.h"

#include "data/Identifier.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Controls;

frmInvent::frmInvent(WindowContext &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmInvent"));
    setWindowTitle(tr("Inventory"));
    auto *layout = new QVBoxLayout(this);

    Toolbar1 = named(new QToolBar(this), "Toolbar1");
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // Each button's key is its English caption, whatever the language shown.
    for (const char *text : {QT_TR_NOOP("Return"), QT_TR_NOOP("Checkout"), QT_TR_NOOP("All Sales"),
                             QT_TR_NOOP("by Date"), QT_TR_NOOP("Edit"), QT_TR_NOOP("Add new")}) {
        const QString key = QString::fromLatin1(text);
        QAction *action = Toolbar1->addAction(QIcon(Pictures::toolbarPicture(key)), tr(text));
        action->setObjectName(QStringLiteral("Toolbar1_") + QString(key).remove(u' '));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
    layout->setMenuBar(Toolbar1);

    auto *top = new QHBoxLayout;
    Image1 = Pictures::makeImage1(this);
    Label1 = label(this, "Label1", tr("Inventory Management"));
    QFont heading(QStringLiteral("Arial"));
    heading.setPointSizeF(14.25);
    heading.setBold(true);
    Label1->setFont(heading);
    top->addWidget(Image1);
    top->addSpacing(16);
    top->addWidget(Label1);
    top->addStretch();
    layout->addLayout(top);

    auto *body = new QHBoxLayout;
    fg1 = named(new FlexGrid(this), "fg1");
    body->addWidget(fg1, 1);

    auto *fields = new QGridLayout;
    Label2 = label(this, "Label2", tr("Inventory ID:"));
    lblID = label(this, "lblID", "");
    Label3 = label(this, "Label3", tr("Item Name:"));
    txtIName = edit(this, "txtIName");
    Label4 = label(this, "Label4", tr("Price: "));
    txtPrice = moneyEdit(this, "txtPrice");
    Label5 = label(this, "Label5", tr("Quantity on hand:"));
    txtQuan = edit(this, "txtQuan");
    const std::pair<QLabel *, QWidget *> rows[] = {{Label2, lblID}, {Label3, txtIName}, {Label4, txtPrice},
                                                   {Label5, txtQuan}};
    int r = 0;
    for (auto [caption, field] : rows)
        addRow(fields, r++, caption, field);
    cmdAdd = button(this, "cmdAdd", tr("Add new"), tr("Click here to add an all-new inventory item."));
    cmdEdit = button(this, "cmdEdit", tr("Edit"),
                     tr("Click on an inventory item in the flexgrid, then here to change it."));
    cmdDelete = button(this, "cmdDelete", tr("Delete"),
                       tr("Click on an inventory item in the flexgrid, then here to mark it as deleted."));
    cmdSave = button(this, "cmdSave", tr("Save"));
    cmdClear = button(this, "cmdClear", tr("Clear Changes"));
    auto *buttons = new QGridLayout;
    buttons->addWidget(cmdAdd, 0, 0);
    buttons->addWidget(cmdEdit, 0, 1);
    buttons->addWidget(cmdDelete, 0, 2);
    buttons->addWidget(cmdSave, 1, 0);
    buttons->addWidget(cmdClear, 1, 1, 1, 2);
    fields->addLayout(buttons, r, 0, 1, 2);
    fields->setRowStretch(r + 1, 1);
    auto *right = new QWidget(this);
    right->setLayout(fields);
    right->setFixedWidth(330);
    body->addWidget(right);
    layout->addLayout(body, 1);
    resize(820, 520);

    for (QWidget *w : std::initializer_list<QWidget *>{txtIName, txtPrice, txtQuan, cmdEdit, cmdDelete, cmdSave,
                                                        cmdClear})
        w->setEnabled(false);
    setDefaultButton(cmdAdd);
    setCancelAction([this] { Toolbar1_ButtonClick(QStringLiteral("Return")); });
    fg1->setCols(4);
    fg1->setColKind(1, FlexGrid::Text);
    fg1->setColKind(2, FlexGrid::Amount);
    SetGridHeaders();

    connect(fg1, &FlexGrid::cellClicked, this, &frmInvent::fg1_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmInvent::BeginAdd);
    connect(cmdEdit, &QPushButton::clicked, this, &frmInvent::BeginEdit);
    connect(cmdDelete, &QPushButton::clicked, this, &frmInvent::cmdDelete_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmInvent::cmdSave_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmInvent::cmdClear_Click);
}

void frmInvent::SetGridHeaders()
{
    fg1->setCols(4);
    fg1->setRowTexts(0, {tr("Inventory ID"), tr("Item Name"), tr("Price"), tr("Quantity on hand")});
    fg1->setColWidth(1, 1800);
    fg1->setColWidth(3, 1440);
    // Numbers need no more than their headings; the names take the rest.
    fg1->setColWidth(0, 600);
    fg1->setColWidth(2, 1000);
    for (int c = 0; c < fg1->cols(); ++c)
        fg1->fitText(c, fg1->text(0, c));
}

void frmInvent::Form_Activate()
{
    fg1->clear();
    SetGridHeaders();
    const auto items = m_store.items();
    if (!items) {
        fg1->setRows(1);
        showDbError(m_windows.ws(), m_store.lastError());
        return;
    }
    QVector<QStringList> records;
    records.reserve(items->size());
    qint64 highest = 0;
    for (const InventoryRow &i : *items) {
        records.append({QString::number(i.id), i.name, i.price.toPlainCents(), QString::number(i.quantity)});
        highest = qMax<qint64>(highest, i.id);
    }
    fg1->setRecords(std::move(records));
    // A retired item may hold the next number; the key must stay unique.
    if (const auto free = m_store.freeItemID(highest + 1))
        nextInventoryID = *free;
    else
        showDbError(m_windows.ws(), m_store.lastError());
}

int frmInvent::rowOf(qint32 id) const
{
    const QString number = QString::number(id);
    for (int r = 1; r < fg1->rows(); ++r)
        if (fg1->text(r, 0) == number)
            return r;
    return 0;
}

void frmInvent::fg1_Click()
{
    cmdEdit->setEnabled(true);
    cmdDelete->setEnabled(true);
    setDefaultButton(cmdEdit);
}

void frmInvent::BeginAdd()
{
    addingItem = true;
    for (QLineEdit *box : {txtIName, txtPrice, txtQuan})
        box->clear();
    lblID->setText(QString::number(nextInventoryID));
    OpenEdit();
    m_windows.ws().msgBox(tr("Please enter the data on the new product"), Buttons::Ok, Icon::Information,
                          tr("Data entry"));
    txtIName->setFocus();
}

void frmInvent::OpenEdit()
{
    for (QLineEdit *box : {txtIName, txtPrice, txtQuan})
        box->setEnabled(true);
    cmdSave->setEnabled(true);
    setDefaultButton(cmdSave);
    cmdClear->setEnabled(true);
    cmdAdd->setEnabled(false);
    cmdDelete->setEnabled(false);
    cmdEdit->setEnabled(false);
    fg1->setInUse(false);
}

void frmInvent::BeginEdit()
{
    const int r = fg1->row();
    if (r < 1) {
        m_windows.ws().msgBox(tr("Click an item in the list first."), Buttons::Ok, Icon::Exclamation,
                              tr("Data editing"));
        return;
    }
    addingItem = false;
    lblID->setText(fg1->text(r, 0));
    txtIName->setText(fg1->text(r, 1));
    txtPrice->setText(fg1->text(r, 2));
    txtQuan->setText(fg1->text(r, 3));
    m_editQuantity = fg1->text(r, 3).toLongLong();
    OpenEdit();
    m_windows.ws().msgBox(tr("Please type in your changes"), Buttons::Ok, Icon::Information, tr("Data editing"));
    txtIName->setFocus();
}

std::optional<InventoryRow> frmInvent::typedItem()
{
    WindowSystem &ws = m_windows.ws();
    if (txtIName->text().trimmed().isEmpty()) {
        ws.msgBox(tr("Type the item's name in the Item Name box."), Buttons::Ok, Icon::Exclamation, tr("Data entry"));
        txtIName->setFocus();
        return std::nullopt;
    }
    const auto price = Money::parse(txtPrice->text());
    if (!price || *price < Money()) {
        showInvalidAmount(ws, tr("price"), txtPrice->text());
        txtPrice->setFocus();
        return std::nullopt;
    }
    const auto quantity = Identifier::parse(txtQuan->text());
    if (!quantity) {
        showInvalidNumber(ws, tr("quantity on hand"), txtQuan->text());
        txtQuan->setFocus();
        return std::nullopt;
    }
    return InventoryRow{0, txtIName->text(), *price, *quantity};
}

void frmInvent::cmdSave_Click()
{
    WindowSystem &ws = m_windows.ws();
    auto item = typedItem();
    if (!item)
        return;
    if (addingItem) {
        const auto number = m_store.addItem(lblID->text().toLongLong(), *item);
        if (!number) {
            showDbError(ws, m_store.lastError());
            return;
        }
        nextInventoryID = *number + 1;
        const int r = fg1->rows();
        fg1->setRows(r + 1);
        fg1->setRowTexts(r, {QString::number(*number), item->name, item->price.toPlainCents(),
                             QString::number(item->quantity)});
        fg1->setRow(r);
    } else {
        const qint32 id = lblID->text().toInt();
        qint64 quantityNow = 0;
        switch (m_store.changeItem(id, item->name, item->price, item->quantity - m_editQuantity, quantityNow)) {
        case Outcome::Done:
            if (const int r = rowOf(id))
                fg1->setRowTexts(r, {lblID->text(), item->name, item->price.toPlainCents(),
                                     QString::number(quantityNow)});
            break;
        case Outcome::Failed:
            showDbError(ws, m_store.lastError());
            return;
        default:
            ws.msgBox(tr("Item %1 has been marked as deleted meanwhile, so the changes were not stored.").arg(id),
                      Buttons::Ok, Icon::Exclamation, tr("Data editing"));
            break;
        }
    }
    EndEdit();
}

void frmInvent::cmdClear_Click()
{
    EndEdit();
}

void frmInvent::EndEdit()
{
    lblID->clear();
    for (QLineEdit *box : {txtIName, txtPrice, txtQuan}) {
        box->clear();
        box->setEnabled(false);
    }
    cmdSave->setEnabled(false);
    cmdClear->setEnabled(false);
    cmdAdd->setEnabled(true);
    setDefaultButton(cmdAdd);
    fg1->setInUse(true);
}

void frmInvent::cmdDelete_Click()
{
    WindowSystem &ws = m_windows.ws();
    const int r = fg1->row();
    const auto id = r < 1 ? std::nullopt : Identifier::parse(fg1->text(r, 0));
    if (!id) {
        ws.msgBox(tr("Click an item in the list first."), Buttons::Ok, Icon::Exclamation, tr("Confirm delete"));
        return;
    }
    if (ws.msgBox(tr("Are you sure you want to entirely delete \r\n the inventory item '%1'?").arg(fg1->text(r, 1)),
                  Buttons::YesNo, Icon::Exclamation, tr("Confirm delete"))
        != Answer::Yes)
        return;
    switch (m_store.retireItem(*id)) {
    case Outcome::Done:
        showRetired(ws, fg1->text(r, 0), true);
        break;
    case Outcome::Failed:
        showDbError(ws, m_store.lastError());
        return;
    default:
        // Marked as deleted elsewhere meanwhile: it leaves the list all the same.
        break;
    }
    fg1->removeItem(rowOf(*id));
}

void frmInvent::Toolbar1_ButtonClick(const QString &button)
{
    WindowSystem &ws = m_windows.ws();
    if (button == QLatin1String("Return")) {
        m_windows.showMainMenu();
        hide();
    } else if (button == QLatin1String("Checkout")) {
        m_windows.showCounter();
        hide();
    } else if (button == QLatin1String("Edit")) {
        if (!cmdEdit->isEnabled())
            refuse(ws, tr("Cannot edit without a selected entry"), tr("Invalid option"));
        else
            BeginEdit();
    } else if (button == QLatin1String("Add new")) {
        if (!cmdAdd->isEnabled())
            refuse(ws, tr("Cannot add while entering data. Save or clear changes"), tr("Invalid option"));
        else
            BeginAdd();
    } else {
        ws.msgBox(tr("That option has not yet been implemented"));
    }
}
