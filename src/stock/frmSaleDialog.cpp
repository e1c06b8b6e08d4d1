#include "frmSaleDialog.h"

#include "ui/Controls.h"
#include "ui/Messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmSaleDialog::frmSaleDialog(WindowSystem &ws)
    : CopyRangeDialog(ws, "frmSaleDialog", tr("Video sale information"))
{
    Label3 = Controls::label(this, "Label3", tr("Enter sale Price:"));
    Text3 = Controls::moneyEdit(this, "Text3");
    addField(Label3, Text3);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, cmdCancel);
}

std::optional<CopyRange> frmSaleDialog::chooseSale()
{
    auto range = askRange();
    if (!range)
        return std::nullopt;
    const auto price = Money::parse(Text3->text());
    if (!price || *price < Money()) {
        showInvalidAmount(m_ws, tr("sale price"), Text3->text());
        return std::nullopt;
    }
    range->price = *price;
    return range;
}
