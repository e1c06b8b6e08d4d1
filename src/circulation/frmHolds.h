#pragma once

#include "circulation/CirculationStore.h"
#include "ui/Form.h"

class FlexGrid;
class QLabel;
class QPushButton;
class WindowContext;

// The holds still open, waiting or with a tape set aside, oldest first:
// what to look for on the hold shelf, and where a hold is cancelled.
class frmHolds final : public Form
{
    Q_OBJECT

public:
    explicit frmHolds(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmHolds)

    QLabel *Label1, *lblCount;
    FlexGrid *grdHolds;
    QPushButton *cmdCancelHold, *cmdReturn;

    enum Column { ColHold, ColPlaced, ColMember, ColName, ColTitle, ColState, ColTape, Columns };

    bool load();
    // Cancels the current row's hold once the clerk says yes.
    void cmdCancelHold_Click();
    void cmdReturn_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowContext &m_windows;
    CirculationStore m_store;
    QList<HoldRow> m_rows;
};
