#pragma once

#include "stock/CopyRangeDialog.h"

// Asks for the listed copies in a range to mark for sale, and their price.
class frmSaleDialog final : public CopyRangeDialog
{
    Q_OBJECT

public:
    explicit frmSaleDialog(WindowSystem &ws);
    Q_DISABLE_COPY_MOVE(frmSaleDialog)

    QLabel *Label3;
    QLineEdit *Text3;

    // The range and the sale price chosen; nullopt when the tool was
    // cancelled or refused (the manager told why).
    std::optional<CopyRange> chooseSale();
};
