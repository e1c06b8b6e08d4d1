#include "frmSaleDialog.h"

#include "stock/frmVidMn.h"
#include "ui/Controls.h"
#include "ui/Messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmSaleDialog::frmSaleDialog(frmVidMn &vidMn, WindowSystem &ws)
    : CopyRangeDialog(vidMn, ws, "frmSaleDialog", "Video sale information")
{
    Label3 = Controls::label(this, "Label3", "Enter sale Price:");
    Text3 = Controls::edit(this, "Text3");
    addField(Label3, Text3);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
}

bool frmSaleDialog::MarkSales()
{
    const auto range = askRange();
    if (!range)
        return false;
    const auto price = Money::parse(Text3->text());
    if (!price || *price < Money()) {
        showInvalidAmount(m_ws, QStringLiteral("sale price"), Text3->text());
        return false;
    }
    return m_vidMn.markRange(range->first, range->second, TapeMark::ForSale, *price);
}
