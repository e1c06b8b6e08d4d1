#pragma once

#include "data/MemberLookup.h"
#include "ui/Form.h"

#include <QList>

#include <optional>

class FlexGrid;
class QLabel;
class QPushButton;
class WindowSystem;

// Several members answer one home phone (a family) or one licence (typed
// with a slip): the clerk picks one from their numbers, names, addresses and
// fees owing. Nothing is shown until one is picked; Esc picks none.
class frmChooseMember final : public Form
{
    Q_OBJECT

public:
    frmChooseMember();
    Q_DISABLE_COPY_MOVE(frmChooseMember)

    QLabel *Label1;
    FlexGrid *fgMembers;
    QPushButton *cmdChoose, *cmdCancel;

    // The member meant among `rows` (at least one): the only one, or the one
    // picked when `ws` shows the list; nullopt when none is picked.
    std::optional<MemberRow> choose(WindowSystem &ws, const QList<MemberRow> &rows);

protected:
    void closeBox() override { QDialog::reject(); }

private:
    QList<MemberRow> m_rows;
};
