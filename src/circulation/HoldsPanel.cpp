#include "HoldsPanel.h"

#include "data/Identifier.h"
#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString titleLine(const HoldTitle &t)
{
    const QString number = QString::number(t.number);
    if (t.deleted)
        return frmHoldTitle::tr("%1\t%2 (retired)").arg(number, t.name);
    if (t.forRent == 0)
        return frmHoldTitle::tr("%1\t%2 (no copies for rent)").arg(number, t.name);
    return QStringLiteral("%1\t%2").arg(number, t.name);
}

} // namespace

frmHoldTitle::frmHoldTitle(WindowContext &windows, CirculationStore &store, QWidget *parent)
    : QDialog(parent), m_windows(windows), m_store(store)
{
    setObjectName(QStringLiteral("frmHoldTitle"));
    setWindowTitle(tr("Hold a Title"));
    Label1 = Controls::label(this, "Label1", tr("&Title number or part of its name:"));
    txtTitle = Controls::edit(this, "txtTitle");
    Label1->setBuddy(txtTitle);
    lstTitles = Controls::named(new QListWidget(this), "lstTitles");
    cmdPlace = Controls::button(this, "cmdPlace", tr("&Hold", "places the hold"));
    cmdCancel = Controls::button(this, "cmdCancel", tr("Cancel"));
    Controls::commandSize({cmdPlace, cmdCancel});
    cmdPlace->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtTitle);
    layout->addWidget(lstTitles);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdPlace);
    layout->addLayout(buttons);
    resize(420, 320);

    connect(cmdPlace, &QPushButton::clicked, this, &frmHoldTitle::cmdPlace_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstTitles, &QListWidget::itemActivated, this, &frmHoldTitle::cmdPlace_Click);
}

std::optional<qint32> frmHoldTitle::ask(qint32 member, const QString &name)
{
    m_member = member;
    Label1->setText(tr("For member %1 %2:").arg(member).arg(name).simplified() + u'\n'
                    + tr("&Title number or part of its name:"));
    m_placed.reset();
    m_found.clear();
    m_searched.clear();
    txtTitle->clear();
    lstTitles->clear();
    txtTitle->setFocus();
    m_windows.ws().showModal(*this);
    return m_placed;
}

bool frmHoldTitle::find()
{
    WindowSystem &ws = m_windows.ws();
    const QString typed = txtTitle->text().trimmed();
    m_found.clear();
    lstTitles->clear();
    m_searched = txtTitle->text();
    if (typed.isEmpty()) {
        ws.msgBox(tr("Type the title's number or part of its name."), Buttons::Ok, Icon::Exclamation, windowTitle());
        return false;
    }
    // Digits are a title number, and must be one.
    if (typed.front().isDigit() || typed.front() == u'-' || typed.front() == u'+') {
        bool digitsOnly = true;
        for (const QChar c : typed.mid(1))
            digitsOnly = digitsOnly && c.isDigit();
        if (digitsOnly && !Identifier::parse(typed)) {
            ws.msgBox(Identifier::invalidMessage(tr("title number"), typed), Buttons::Ok, Icon::Exclamation,
                      tr("Invalid number"));
            return false;
        }
    }
    const auto found = m_store.findTitles(typed);
    if (!found) {
        showDbError(ws, m_store.lastError());
        return false;
    }
    if (found->isEmpty()) {
        ws.msgBox(tr("No title matches \"%1\".").arg(typed), Buttons::Ok, Icon::Exclamation, windowTitle());
        return false;
    }
    m_found = *found;
    for (const HoldTitle &t : std::as_const(m_found))
        lstTitles->addItem(titleLine(t));
    lstTitles->setCurrentRow(0);
    return true;
}

void frmHoldTitle::cmdPlace_Click()
{
    if (m_found.isEmpty() || txtTitle->text() != m_searched) {
        if (!find()) {
            txtTitle->setFocus();
            txtTitle->selectAll();
            return;
        }
        // Several found: the clerk picks one from the list.
        if (m_found.size() > 1) {
            lstTitles->setFocus();
            return;
        }
    }
    const int row = lstTitles->currentRow();
    if (row < 0 || row >= m_found.size())
        return;
    const auto placed = m_store.placeHold(m_member, m_found.at(row).number, m_windows.today());
    if (!placed) {
        showDbError(m_windows.ws(), m_store.lastError());
        return;
    }
    m_placed = placed;
    m_placedTitle = m_found.at(row).name;
    accept();
}

HoldsPanel::HoldsPanel(WindowContext &windows, QWidget *parent)
    : QWidget(parent), m_windows(windows), m_store(windows.storePath())
{
    setObjectName(QStringLiteral("pnlHolds"));
    lblHolds = Controls::label(this, "lblHolds", tr("Holds"));
    lstHolds = Controls::named(new QListWidget(this), "lstHolds");
    lstHolds->setMaximumHeight(72);
    lstHolds->setWordWrap(true);
    lstHolds->setResizeMode(QListView::Adjust);
    cmdHoldTitle =
        Controls::button(this, "cmdHoldTitle", tr("Hold a &Title..."), tr("Put a copy aside for this member"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->addWidget(lblHolds);
    top->addStretch();
    top->addWidget(cmdHoldTitle);
    layout->addLayout(top);
    layout->addWidget(lstHolds);
    m_dialog = new frmHoldTitle(windows, m_store, this);
    connect(cmdHoldTitle, &QPushButton::clicked, this, &HoldsPanel::cmdHoldTitle_Click);
    showMember(0);
}

void HoldsPanel::showMember(qint32 member, const QString &name)
{
    m_member = member;
    m_memberName = name;
    lstHolds->clear();
    cmdHoldTitle->setEnabled(member > 0);
    if (member <= 0)
        return;
    const auto holds = m_store.memberHolds(member);
    if (!holds)
        return showDbError(m_windows.ws(), m_store.lastError());
    for (const HoldRow &h : *holds)
        lstHolds->addItem(tr("%1: %2", "a title and its hold's state").arg(h.titleName, h.stateText()));
}

void HoldsPanel::cmdHoldTitle_Click()
{
    if (m_member <= 0)
        return;
    if (!m_dialog->ask(m_member, m_memberName))
        return;
    showMember(m_member, m_memberName);
    m_windows.ws().msgBox(tr("%1 is now held for member %2 %3. Copies coming back are put aside for holds in the "
                             "order they were placed.")
                              .arg(m_dialog->placedTitle())
                              .arg(m_member)
                              .arg(m_memberName)
                              .simplified(),
                          Buttons::Ok, Icon::Information, tr("Hold placed"));
}
