#include "frmRangeDialog.h"

frmRangeDialog::frmRangeDialog(WindowSystem &ws)
    : CopyRangeDialog(ws, "frmRangeDialog", tr("Range dialog"))
{
}
