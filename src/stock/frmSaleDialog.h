#pragma once

#include "stock/CopyRangeDialog.h"

// Marks the listed copies in a range for sale at the price typed.
class frmSaleDialog final : public CopyRangeDialog
{
    Q_OBJECT

public:
    frmSaleDialog(frmVidMn &vidMn, WindowSystem &ws);
    Q_DISABLE_COPY_MOVE(frmSaleDialog)

    QLabel *Label3;
    QLineEdit *Text3;

    // False when the tool was cancelled or refused and nothing changed.
    bool MarkSales();
};
