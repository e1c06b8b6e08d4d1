#include "frmStoreDetails.h"

#include "data/Settings.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Controls;

frmStoreDetails::frmStoreDetails(WindowContext &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmStoreDetails"));
    setWindowTitle(tr("Store details"));

    Image1 = Pictures::makeImage1(this);
    Label1 = heading(this, "Label1", tr("Store details"));
    Label7 = label(this, "Label7", tr("What every receipt says of the store. Until a name is given, receipts say "
                                      "\"Store details not set\"."));
    Label7->setWordWrap(true);
    Label2 = label(this, "Label2", tr("Store &name:"));
    txtStoreName = edit(this, "txtStoreName");
    txtStoreName->setPlaceholderText(tr("Corner Video"));
    Label3 = label(this, "Label3", tr("&Address:"));
    txtAddress = named(new QPlainTextEdit(this), "txtAddress");
    txtAddress->setTabChangesFocus(true);
    txtAddress->setPlaceholderText(tr("12 Main Street\nSpringfield ON  K1A 0B1"));
    txtAddress->setFixedHeight(txtAddress->fontMetrics().lineSpacing() * 4 + 12);
    Label4 = label(this, "Label4", tr("&Phone:"));
    txtPhone = edit(this, "txtPhone");
    txtPhone->setPlaceholderText(tr("555-0100"));
    Label5 = label(this, "Label5", tr("&GST registration no.:"));
    txtGSTNumber = edit(this, "txtGSTNumber");
    txtGSTNumber->setPlaceholderText(QStringLiteral("123456789 RT0001"));
    Label6 = label(this, "Label6", tr("PS&T registration no.:"));
    txtPSTNumber = edit(this, "txtPSTNumber");
    txtPSTNumber->setPlaceholderText(tr("PST-1234-5678"));
    Label2->setBuddy(txtStoreName);
    Label3->setBuddy(txtAddress);
    Label4->setBuddy(txtPhone);
    Label5->setBuddy(txtGSTNumber);
    Label6->setBuddy(txtPSTNumber);
    optRoll80 = named(new QRadioButton(tr("80 mm &roll (a receipt printer)"), this), "optRoll80");
    optLetter = named(new QRadioButton(tr("&Letter page"), this), "optLetter");
    // The counter's own language unless the store prints in one of its own.
    Label9 = label(this, "Label9", tr("Language of rece&ipts and letters:"));
    cmbLanguage = named(new QComboBox(this), "cmbLanguage");
    cmbLanguage->addItem(tr("The counter's language"), QString());
    cmbLanguage->addItem(tr("English"), Language::code(Language::English));
    cmbLanguage->addItem(tr("French"), Language::code(Language::French));
    Label10 = label(this, "Label10", tr("Holds &kept for:"));
    txtHoldDays = edit(this, "txtHoldDays");
    txtHoldDays->setFixedWidth(60);
    txtHoldDays->setToolTip(tr("How many days a tape that came back stays set aside for the member holding its "
                               "title: 1 to %1.")
                                .arg(Settings::LongestHold));
    Label10->setBuddy(txtHoldDays);
    cmdSave = button(this, "cmdSave", tr("&Save"));
    cmdReturn = button(this, "cmdReturn", tr("Return"));

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addWidget(Label1, 1);
    layout->addLayout(top);
    layout->addWidget(Label7);
    auto *grid = new QGridLayout;
    addRow(grid, 0, Label2, txtStoreName);
    addRow(grid, 1, Label3, txtAddress);
    addRow(grid, 2, Label4, txtPhone);
    addRow(grid, 3, Label5, txtGSTNumber);
    addRow(grid, 4, Label6, txtPSTNumber);
    grid->addWidget(label(this, "Label8", tr("Receipt paper:")), 5, 0);
    auto *paper = new QVBoxLayout;
    paper->addWidget(optRoll80);
    paper->addWidget(optLetter);
    grid->addLayout(paper, 5, 1);
    addRow(grid, 6, Label9, cmbLanguage);
    auto *days = new QHBoxLayout;
    days->addWidget(txtHoldDays);
    days->addWidget(label(this, "Label11", tr("days")));
    days->addStretch();
    grid->addWidget(Label10, 7, 0);
    grid->addLayout(days, 7, 1);
    layout->addLayout(grid);
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdReturn);
    layout->addLayout(buttons);
    resize(560, 450);

    setDefaultButton(cmdSave);
    setCancelButton(cmdReturn);
    connect(cmdSave, &QPushButton::clicked, this, &frmStoreDetails::cmdSave_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmStoreDetails::cmdReturn_Click);
}

void frmStoreDetails::Form_Activate()
{
    const auto details = m_store.load();
    if (!details) {
        showDbError(m_windows.ws(), m_store.lastError());
        return;
    }
    txtStoreName->setText(details->name);
    txtAddress->setPlainText(details->address);
    txtPhone->setText(details->phone);
    txtGSTNumber->setText(details->gstNumber);
    txtPSTNumber->setText(details->pstNumber);
    (details->paper == StoreDetails::Paper::Letter ? optLetter : optRoll80)->setChecked(true);
    cmbLanguage->setCurrentIndex(
        cmbLanguage->findData(details->language ? Language::code(*details->language) : QString()));
    txtHoldDays->setText(details->holdDays);
    txtStoreName->setFocus();
}

void frmStoreDetails::cmdSave_Click()
{
    StoreDetails details;
    details.name = txtStoreName->text();
    details.address = txtAddress->toPlainText();
    details.phone = txtPhone->text();
    details.gstNumber = txtGSTNumber->text();
    details.pstNumber = txtPSTNumber->text();
    details.paper = optLetter->isChecked() ? StoreDetails::Paper::Letter : StoreDetails::Paper::Roll80;
    details.language = Language::fromCode(cmbLanguage->currentData().toString());
    details.holdDays = txtHoldDays->text().trimmed();
    if (!Settings::holdDays(details.holdDays)) {
        refuse(m_windows.ws(),
               tr("\"%1\" is not a number of days. Holds are kept from 1 to %2 days.")
                   .arg(details.holdDays)
                   .arg(Settings::LongestHold),
               tr("Invalid number of days"));
        txtHoldDays->setFocus();
        txtHoldDays->selectAll();
        return;
    }
    if (!m_store.save(details, QDateTime::currentDateTime()))
        return showDbError(m_windows.ws(), m_store.lastError());
    m_windows.ws().msgBox(details.isSet() ? tr("The store details are saved; the next receipt shows them.")
                                          : tr("Saved. With no store name, receipts say \"Store details not set\"."),
                          Buttons::Ok, Icon::Information, tr("Store details"));
}

void frmStoreDetails::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
