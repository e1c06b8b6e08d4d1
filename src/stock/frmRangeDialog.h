#pragma once

#include "stock/CopyRangeDialog.h"

// Asks for the listed copies in a range to mark for rent, not for rent or
// not for sale.
class frmRangeDialog final : public CopyRangeDialog
{
    Q_OBJECT

public:
    explicit frmRangeDialog(WindowSystem &ws);
    Q_DISABLE_COPY_MOVE(frmRangeDialog)

    // The range chosen; nullopt when the tool was cancelled or refused.
    std::optional<CopyRange> chooseRange() { return askRange(); }
};
