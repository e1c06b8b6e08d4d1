#include "frmSaleDialog.h"

#include "stock/frmRangeDialog.h"
#include "stock/frmVidMn.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

frmSaleDialog::frmSaleDialog(frmVidMn &vidMn, WindowSystem &ws)
    : m_vidMn(vidMn)
    , m_ws(ws)
{
    setObjectName(QStringLiteral("frmSaleDialog"));
    setWindowTitle(QStringLiteral("Video sale information"));
    auto *grid = new QGridLayout(this);
    Label1 = label(this, "Label1", "Enter starting copy number:");
    Text1 = edit(this, "Text1");
    Label2 = label(this, "Label2", "Enter last copy number:");
    Text2 = edit(this, "Text2");
    Label3 = label(this, "Label3", "Enter sale Price:");
    Text3 = edit(this, "Text3");
    Command1 = button(this, "Command1", "Enter");
    int row = 0;
    for (auto [caption, box] : {std::pair{Label1, Text1}, std::pair{Label2, Text2}, std::pair{Label3, Text3}}) {
        caption->setBuddy(box);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addWidget(Command1, row, 1, Qt::AlignRight);
    setDefaultButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void frmSaleDialog::Form_Activate()
{
    Text1->clear();
    Text2->clear();
    Text3->clear();
    Text1->setFocus();
}

bool frmSaleDialog::MarkSales()
{
    if (m_ws.showModal(*this) != Accepted)
        return false;
    const auto range = frmRangeDialog::readRange(m_ws, *Text1, *Text2);
    if (!range)
        return false;
    const auto price = Money::parse(Text3->text());
    if (!price || *price < Money()) {
        showInvalidAmount(m_ws, QStringLiteral("sale price"), Text3->text());
        return false;
    }
    return m_vidMn.markRange(range->first, range->second, TapeMark::ForSale, *price);
}
