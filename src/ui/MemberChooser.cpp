#include "MemberChooser.h"

#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/WindowSystem.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmChooseMember::frmChooseMember()
{
    setObjectName(QStringLiteral("frmChooseMember"));
    setWindowTitle(tr("Choose a Member"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    Label1 = Controls::label(this, "Label1", "");
    Label1->setWordWrap(true);
    fgMembers = Controls::named(new FlexGrid(this), "fgMembers");
    fgMembers->setCols(4);
    fgMembers->setRowTexts(0, {tr("Member ID"), tr("Name"), tr("Address"), tr("Fees Owing")});
    fgMembers->setColWidth(0, 1200);
    fgMembers->setColWidth(1, 2600);
    fgMembers->setColWidth(2, 3600);
    fgMembers->setColKind(1, FlexGrid::Text);
    fgMembers->setColKind(2, FlexGrid::Text);
    fgMembers->setColKind(3, FlexGrid::Amount);
    cmdChoose = Controls::button(this, "cmdChoose", tr("Show Member"));
    cmdCancel = Controls::button(this, "cmdCancel", tr("Cancel"));
    Controls::commandSize({cmdChoose, cmdCancel});
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdChoose);
    buttons->addWidget(cmdCancel);
    layout->addWidget(Label1);
    layout->addWidget(fgMembers, 1);
    layout->addLayout(buttons);
    resize(640, 260);

    setDefaultButton(cmdChoose);
    setCancelButton(cmdCancel);
    Controls::tabOrder({fgMembers, cmdChoose, cmdCancel});
    connect(cmdChoose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
    connect(fgMembers, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
}

std::optional<MemberRow> frmChooseMember::choose(WindowSystem &ws, const QList<MemberRow> &rows)
{
    if (rows.size() == 1)
        return rows.constFirst();
    m_rows = rows;
    Label1->setText(tr("%1 members match what was typed. Choose the customer at the counter:")
                        .arg(rows.size()));
    QVector<QStringList> records;
    for (const MemberRow &m : rows) {
        QString name = m.firstName + u' ' + m.lastName;
        if (m.deleted)
            name = tr("%1 (deleted)").arg(name);
        const QString address = QStringList({m.address, m.city}).join(QStringLiteral(", "));
        records.append({QString::number(m.number), name, address, m.feesOwing.toCurrency()});
    }
    fgMembers->setRecords(std::move(records));
    fgMembers->setRow(1);
    fgMembers->setFocus();
    if (ws.showModal(*this) != QDialog::Accepted)
        return std::nullopt;
    const int row = fgMembers->row();
    if (row < 1 || row > m_rows.size())
        return std::nullopt;
    return m_rows.at(row - 1);
}
