#include "frmHolds.h"

#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

frmHolds::frmHolds(WindowContext &windows)
    : m_windows(windows), m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmHolds"));
    setWindowTitle(tr("Holds"));
    Label1 = Controls::heading(this, "Label1", tr("Holds"));
    grdHolds = Controls::named(new FlexGrid(this), "grdHolds");
    grdHolds->setCols(Columns + 1);
    const QStringList headers = {QString(), tr("Hold", "its number"), tr("Placed"), tr("Member"),
                                 tr("Name"), tr("Title"), tr("State"), tr("Tape")};
    grdHolds->setRowTexts(0, headers);
    const int widths[] = {200, 700, 1200, 800, 2000, 2600, 4600, 700};
    for (int c = 0; c <= Columns; ++c) {
        grdHolds->setColWidth(c, widths[c]);
        grdHolds->fitText(c, headers[c]);
    }
    for (int c : {4, 5, 6})
        grdHolds->setColKind(c, FlexGrid::Text);
    lblCount = Controls::label(this, "lblCount", "");
    cmdCancelHold = Controls::button(this, "cmdCancelHold", tr("&Cancel Hold"));
    cmdReturn = Controls::button(this, "cmdReturn", tr("Return"));
    Controls::commandSize({cmdCancelHold, cmdReturn});

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(grdHolds, 1, 0);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblCount, 1);
    bottom->addWidget(cmdCancelHold);
    bottom->addWidget(cmdReturn);
    grid->addLayout(bottom, 2, 0);
    resize(960, 480);

    Controls::tabOrder({grdHolds, cmdCancelHold, cmdReturn});
    setCancelButton(cmdReturn);
    connect(cmdCancelHold, &QPushButton::clicked, this, &frmHolds::cmdCancelHold_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmHolds::cmdReturn_Click);
}

void frmHolds::Form_Activate()
{
    if (const auto lapsed = m_store.lapseDue(m_windows.today()); !lapsed)
        showDbError(m_windows.ws(), m_store.lastError());
    else if (!lapsed->isEmpty()) {
        QStringList lines;
        for (const Lapse &l : *lapsed)
            lines << l.text();
        m_windows.ws().notice(lines.join(QStringLiteral("\r\n")), tr("Holds lapsed"));
    }
    load();
    grdHolds->setFocus();
}

bool frmHolds::load()
{
    const auto rows = m_store.openHolds();
    if (!rows) {
        showDbError(m_windows.ws(), m_store.lastError());
        return false;
    }
    m_rows = *rows;
    QVector<QStringList> records;
    int ready = 0;
    for (const HoldRow &h : std::as_const(m_rows)) {
        records << QStringList{QString(), QString::number(h.id), StoreDate::toText(h.placedOn),
                               QString::number(h.member), h.memberName, h.titleName, h.stateText(),
                               h.tape ? QString::number(h.tape) : QString()};
        ready += h.state == HoldRow::State::Ready;
    }
    grdHolds->setRecords(std::move(records));
    if (!m_rows.isEmpty())
        grdHolds->setRow(1);
    cmdCancelHold->setEnabled(!m_rows.isEmpty());
    lblCount->setText(tr("%1 waiting, %2 ready", "holds").arg(m_rows.size() - ready).arg(ready));
    return true;
}

void frmHolds::cmdCancelHold_Click()
{
    const int row = grdHolds->row();
    if (row < 1 || row > m_rows.size())
        return;
    const HoldRow &hold = m_rows.at(row - 1);
    WindowSystem &ws = m_windows.ws();
    if (ws.msgBox(tr("Cancel the hold of member %1 %2 on %3?").arg(hold.member).arg(hold.memberName, hold.titleName),
                  Buttons::YesNo, Icon::Question, tr("Cancel Hold"))
        != Answer::Yes)
        return;
    std::optional<SetAside> passedOn;
    if (!m_store.cancelHold(hold.id, m_windows.today(), passedOn))
        showDbError(ws, m_store.lastError());
    else if (passedOn)
        ws.msgBox(passedOn->text(), Buttons::Ok, Icon::Information, windowTitle());
    else if (hold.state == HoldRow::State::Ready)
        ws.msgBox(tr("Put tape %1 (%2) back on the shelf.").arg(hold.tape).arg(hold.titleName), Buttons::Ok,
                  Icon::Information, windowTitle());
    load();
}

void frmHolds::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
