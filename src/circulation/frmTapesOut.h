#pragma once

#include "circulation/CirculationStore.h"
#include "ui/Form.h"

class FlexGrid;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowContext;

// Every tape out on rental and who has it, with the late fee a return on
// the day would charge: what the counter looks at before ringing a member.
// Opens on today's overdue tapes, most days late first.
class frmTapesOut final : public Form
{
    Q_OBJECT

public:
    explicit frmTapesOut(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmTapesOut)

    QLabel *Label1, *lblDate, *lblTotal;
    QLineEdit *txtDate;
    QCheckBox *chkOverdue;
    QPushButton *cmdShow, *cmdCallList, *cmdLetters, *cmdReturn;
    FlexGrid *grdTapes;

    enum Column { ColTape, ColTitle, ColMember, ColName, ColHome, ColCell, ColRented, ColDue, ColDaysLate, ColFee,
                  Columns };

    // Lists the tapes out on the day typed; false (the clerk told) when the
    // day is not a date or the store fails.
    bool cmdShow_Click();
    // Sorts by a column; the same column again turns the order round.
    void sortBy(int column);
    // The member of the current row's tapes out, in a box.
    void showMemberTapes();
    void cmdReturn_Click();
    // Shown again as it was left (back from the gate), the day kept.
    void showKeepingDay();
    // Asks where, then writes a letter to each member overdue on `day`.
    void writeLetters(QDate day);

signals:
    // The call list or the letters for `day`, asked for: behind the gate.
    void callListWanted(QDate day);
    void lettersWanted(QDate day);

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill();

    WindowContext &m_windows;
    CirculationStore m_store;
    QList<TapeOutRow> m_rows;
    QDate m_day;
    int m_sortColumn = ColDaysLate;
    bool m_descending = true;
    bool m_keepDay = false;
};
