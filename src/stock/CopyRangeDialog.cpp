#include "CopyRangeDialog.h"

#include "data/Identifier.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

CopyRangeDialog::CopyRangeDialog(WindowSystem &ws, const char *objectName, const QString &caption)
    : m_ws(ws)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    m_fields = new QGridLayout;
    layout->addLayout(m_fields);
    Label1 = label(this, "Label1", tr("Enter starting copy number:"));
    Text1 = edit(this, "Text1");
    Label2 = label(this, "Label2", tr("Enter last copy number:"));
    Text2 = edit(this, "Text2");
    addField(Label1, Text1);
    addField(Label2, Text2);
    Command1 = button(this, "Command1", tr("Enter"));
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    setDefaultButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &CopyRangeDialog::reject);
}

void CopyRangeDialog::addField(QLabel *caption, QLineEdit *box)
{
    addRow(m_fields, m_fields->rowCount(), caption, box);
}

void CopyRangeDialog::Form_Activate()
{
    for (QLineEdit *box : findChildren<QLineEdit *>())
        box->clear();
    Text1->setFocus();
}

std::optional<CopyRange> CopyRangeDialog::askRange()
{
    if (m_ws.showModal(*this) != Accepted)
        return std::nullopt;
    const auto from = Identifier::parse(Text1->text());
    if (!from) {
        showInvalidNumber(m_ws, tr("starting copy number"), Text1->text());
        return std::nullopt;
    }
    const auto to = Identifier::parse(Text2->text());
    if (!to) {
        showInvalidNumber(m_ws, tr("last copy number"), Text2->text());
        return std::nullopt;
    }
    return CopyRange{*from, *to, Money()};
}
