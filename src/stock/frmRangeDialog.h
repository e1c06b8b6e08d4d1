#pragma once

#include "stock/CatalogueStore.h"
#include "stock/CopyRangeDialog.h"

// Marks the listed copies in a range for rent, not for rent or not for
// sale. Each routine returns false when the tool was cancelled or refused
// and nothing changed.
class frmRangeDialog final : public CopyRangeDialog
{
    Q_OBJECT

public:
    frmRangeDialog(frmVidMn &vidMn, WindowSystem &ws);
    Q_DISABLE_COPY_MOVE(frmRangeDialog)

    bool marknosale() { return mark(TapeMark::NotForSale); }
    bool markrent() { return mark(TapeMark::ForRent); }
    bool marknorent() { return mark(TapeMark::NotForRent); }

private:
    bool mark(TapeMark mark);
};
