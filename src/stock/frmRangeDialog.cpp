#include "frmRangeDialog.h"

#include "stock/frmVidMn.h"

frmRangeDialog::frmRangeDialog(frmVidMn &vidMn, WindowSystem &ws)
    : CopyRangeDialog(vidMn, ws, "frmRangeDialog", "Range dialog")
{
}

bool frmRangeDialog::mark(TapeMark mark)
{
    const auto range = askRange();
    return range && m_vidMn.markRange(range->first, range->second, mark, Money());
}
