#include "frmReturn.h"

#include "data/Identifier.h"
#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/OutcomeList.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Controls;

frmReturn::frmReturn(WindowContext &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmReturn"));
    setWindowTitle(tr("Video Return"));

    Image1 = Pictures::makeImage1(this);
    Label2 = label(this, "Label2", tr("Return Videos here."));
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setStyleHint(QFont::Serif);
    heading.setBold(true);
    heading.setPointSize(18);
    Label2->setFont(heading);

    Label1 = label(this, "Label1", tr("VID:"));
    txtVid = edit(this, "txtVid");
    txtVid->setToolTip(tr("Enter the Video ID of a video being returned here."));
    Label1->setBuddy(txtVid);
    Label3 = label(this, "Label3", tr("Date:"));
    txtDate = edit(this, "txtDate");
    Label3->setBuddy(txtDate);

    lblTapesOut = label(this, "lblTapesOut", "");
    List1 = named(new QListWidget(this), "List1");
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    List1->setFont(fixed);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setToolTip(tr("These are other videos currently being rented by the person who last returned a video. If "
                         "they are being returned at the same time, just click on them and hit return."));

    lstOutcome = new OutcomeList(this, "lstOutcome");
    // The returns of the visit are what the clerk reads here: most of the window.
    lstOutcome->setMinimumHeight(lstOutcome->height());
    lstOutcome->setMaximumHeight(QWIDGETSIZE_MAX);
    cmdReturn = button(this, "cmdReturn", tr("Return Vids"), tr("Click to return from the textbox or listbox"));
    cmdMain = button(this, "cmdMain", tr("Back to main"));
    commandSize({cmdReturn, cmdMain});

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addWidget(Image1, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Label2, 0, 2, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(txtVid, 1, 1);
    grid->addWidget(Label3, 1, 2, Qt::AlignRight);
    grid->addWidget(txtDate, 1, 3);
    grid->addWidget(lblTapesOut, 2, 0, 1, 4);
    grid->addWidget(List1, 3, 0, 1, 4);
    grid->addWidget(lstOutcome, 4, 0, 1, 4);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    buttons->addWidget(cmdMain);
    grid->addLayout(buttons, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(4, 3);
    resize(760, 600);

    tabOrder({txtVid, txtDate, List1, cmdReturn, cmdMain});
    setDefaultButton(cmdReturn);
    setCancelButton(cmdMain);

    connect(cmdReturn, &QPushButton::clicked, this, &frmReturn::cmdReturn_Click);
    connect(cmdMain, &QPushButton::clicked, this, &frmReturn::cmdMain_Click);
}

void frmReturn::Form_Activate()
{
    List1->clear();
    lblTapesOut->clear();
    lstOutcome->clear();
    m_member.reset();
    txtVid->clear();
    txtVid->setFocus();
    m_store.reset();
    m_store.emplace(m_windows.storePath());
    txtDate->setText(StoreDate::toText(m_windows.today()));
}

void frmReturn::cmdReturn_Click()
{
    const bool typed = !txtVid->text().isEmpty();
    const bool selected = !List1->selectedItems().isEmpty();
    WindowSystem &ws = m_windows.ws();
    if (typed && selected) {
        if (ws.msgBox(tr("Do you wish to return video %1?\r\n(No to return selected items from listbox.)")
                          .arg(txtVid->text()),
                      Buttons::YesNo, Icon::Question, tr("Return video source"))
            == Answer::Yes)
            ReturnTyped();
        else
            ReturnSelected();
    } else if (typed) {
        ReturnTyped();
    } else if (selected) {
        ReturnSelected();
    } else {
        refused(tr("Must designate videos to return"), tr("Return error"));
    }
}

void frmReturn::refused(const QString &text, const QString &title, const QString &about)
{
    m_windows.ws().tell(*lstOutcome, Told::Refused, text, title, about);
    // The number stays in view, but the next scan replaces it.
    txtVid->selectAll();
}

std::optional<QDate> frmReturn::returnDate()
{
    const auto date = StoreDate::parse(txtDate->text());
    if (!date)
        refused(StoreDate::invalidMessage(txtDate->text()), tr("Invalid date"));
    return date;
}

void frmReturn::ReturnTyped()
{
    WindowSystem &ws = m_windows.ws();
    const QString about = tr("Tape %1").arg(txtVid->text().trimmed());
    const auto videoId = Identifier::parse(txtVid->text());
    if (!videoId)
        return refused(notANumber(Numbered::Tape, txtVid->text()), tr("Invalid number"));
    const auto returned = returnDate();
    if (!returned)
        return;

    const Fetched<OpenRental> rental = m_store->openRental(*videoId);
    if (rental.failed)
        return showDbError(ws, m_store->lastError());
    if (!rental.row)
        return refused(tr("Tape %1 is not out on rental.").arg(*videoId), tr("Return error."));
    // Left open for a manager to settle.
    if (rental.row->tapeDeleted)
        return refused(tr("That tape has been deleted. Please recheck and consult manager."), tr("Deleted Tape"), about);

    const auto outcome = ReturnTape(*videoId, *returned);
    if (!outcome)
        return;
    // The last member's tapes to put aside are dealt with: this one's come first.
    if (rental.row->member != m_member)
        lstOutcome->unpin();
    m_member = rental.row->member;
    for (const ReturnedRental &r : outcome->closed)
        tellReturned(r);
    tellHolds(*outcome);

    if (!outcome->closed.isEmpty())
        listTapesOut(outcome->closed.constLast().member, outcome->closed.constLast().memberName);
    else
        listTapesOut(rental.row->member, {});
    // Ready for the next tape from a scanner: digits, then Enter.
    txtVid->clear();
    txtVid->setFocus();
}

namespace {

// Kept on one line when the row wraps.
QString whole(QString part)
{
    return part.replace(u' ', QChar::Nbsp);
}

// "12 Ann Smith", or "12" for a member with no name on file.
QString numbered(qint32 member, const QString &name)
{
    return (QString::number(member) + u' ' + name).trimmed();
}

} // namespace

void frmReturn::tellReturned(const ReturnedRental &r)
{
    QStringList parts{r.title, whole(tr("member %1 %2").arg(QString::number(r.member), r.memberName)),
                      whole(tr("due %1").arg(StoreDate::toText(r.due)))};
    if (r.daysLate == 0)
        parts << whole(tr("on time"));
    else
        parts << whole(r.daysLate == 1 ? tr("1 day late") : tr("%1 days late").arg(r.daysLate));
    // The fee and its amount kept together on one line.
    parts << (r.charge > Money() ? tr("fee\u00a0%1 added to the member's account").arg(whole(r.charge.toCurrency()))
                                 : whole(tr("no fee")));
    m_windows.ws().tell(*lstOutcome, Told::Done, parts.join(QStringLiteral(" · ")),
                        r.charge > Money() ? tr("Video returned overdue.") : tr("Video returned"),
                        tr("Tape %1").arg(r.videoId));
}

void frmReturn::listTapesOut(qint32 member, const QString &name)
{
    List1->clear();
    const auto tapes = m_store->tapesOut(member);
    if (!tapes)
        return showDbError(m_windows.ws(), m_store->lastError());
    lblTapesOut->setText(tapes->isEmpty() ? tr("Member %1 has no other tapes out.").arg(numbered(member, name))
                                          : tr("Member %1 still has:").arg(numbered(member, name)));
    // Overdue as of the return date typed, or today.
    const QDate day = StoreDate::parse(txtDate->text()).value_or(m_windows.today());
    for (const TapeOut &tape : *tapes) {
        const bool overdue = tape.due.isValid() && tape.due < day;
        // Titles cut to one width, so the due dates stand in a column.
        // The tape number before the tab is what a selected line returns.
        auto *line = new QListWidgetItem(
            (overdue ? tr("%1\t%2  due %3  OVERDUE") : tr("%1\t%2  due %3"))
                .arg(QString::number(tape.videoId), tape.title.leftJustified(30, u' ', true), StoreDate::toText(tape.due)));
        if (overdue)
            line->setForeground(QColor(0xB0, 0x00, 0x00));
        List1->addItem(line);
    }
}

std::optional<ReturnOutcome> frmReturn::returnTapes(const QList<qint32> &videoIds, QDate returned)
{
    WindowSystem &ws = m_windows.ws();
    const ReturnOutcome outcome = m_store->returnTapes(videoIds, returned);
    switch (outcome.status) {
    case ReturnOutcome::Done:
        // Fees were charged once, by the counter that closed the rental.
        for (const qint32 tape : outcome.closedElsewhere)
            refused(tr("Tape %1 had just been returned at another counter; nothing was charged here.").arg(tape),
                    tr("Return error."));
        return outcome;
    case ReturnOutcome::BeforeRental:
        refused(tr("The return date %1 is before tape %2 was rented on %3. Check the date; nothing has been "
                   "returned.")
                    .arg(StoreDate::toText(returned))
                    .arg(outcome.tape)
                    .arg(StoreDate::toText(outcome.rentedOn)),
                tr("Invalid date"));
        return std::nullopt;
    case ReturnOutcome::Failed:
        break;
    }
    showDbError(ws, m_store->lastError());
    return std::nullopt;
}

void frmReturn::ReturnSelected()
{
    const auto returned = returnDate();
    if (!returned)
        return;
    QList<QListWidgetItem *> lines;
    QList<qint32> videoIds;
    for (int i = 0; i < List1->count(); ++i) {
        QListWidgetItem *line = List1->item(i);
        if (!line->isSelected())
            continue;
        const QString text = line->text();
        // Every line is ours, so the number before the tab always reads.
        videoIds.append(Identifier::parse(QStringView(text).left(text.indexOf(u'\t'))).value_or(-1));
        lines.append(line);
    }

    const auto outcome = returnTapes(videoIds, *returned);
    if (!outcome)
        return;
    Money total;
    for (const Money &charge : outcome->charges)
        total += charge;
    for (QListWidgetItem *line : lines)
        delete List1->takeItem(List1->row(line));

    for (const ReturnedRental &r : outcome->closed)
        tellReturned(r);
    if (!outcome->closed.isEmpty() && List1->count() == 0)
        lblTapesOut->setText(tr("Member %1 has no other tapes out.")
                                 .arg(QString::number(outcome->closed.constLast().member) + u' '
                                      + outcome->closed.constLast().memberName));
    m_windows.ws().tell(*lstOutcome, Told::Done,
                        tr("%n videos have been returned. $%1 in fees have been accumulated.", nullptr,
                           int(lines.size()))
                            .arg(total.toPlainCents()),
                        tr("Videos returned."));
    tellHolds(*outcome);
}

void frmReturn::tellHolds(const ReturnOutcome &outcome)
{
    // A tape to put aside must not go back on the shelf: the bell calls the clerk.
    WindowSystem &ws = m_windows.ws();
    for (const SetAside &held : outcome.setAside)
        ws.tell(*lstOutcome, Told::Attention, held.text(), tr("Hold"), tr("Tape %1").arg(held.tape));
}

void frmReturn::cmdMain_Click()
{
    if (!confirmReturnToMenu(m_windows.ws()))
        return;
    txtVid->clear();
    List1->clear();
    hide();
    m_windows.showMainMenu();
}
