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
    setWindowTitle(QStringLiteral("Video Return"));

    Image1 = Pictures::makeImage1(this);
    Label2 = label(this, "Label2", "Return Videos here.");
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setStyleHint(QFont::Serif);
    heading.setBold(true);
    heading.setPointSize(18);
    Label2->setFont(heading);

    Label1 = label(this, "Label1", "VID:");
    txtVid = edit(this, "txtVid");
    txtVid->setToolTip(QStringLiteral("Enter the Video ID of a video being returned here."));
    Label1->setBuddy(txtVid);
    Label3 = label(this, "Label3", "Date:");
    txtDate = edit(this, "txtDate");
    Label3->setBuddy(txtDate);

    lblTapesOut = label(this, "lblTapesOut", "");
    List1 = named(new QListWidget(this), "List1");
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    List1->setFont(fixed);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setToolTip(QStringLiteral("These are other videos currently being rented by the person who last "
                                     "returned a video. If they are being returned at the same time, just click on "
                                     "them and hit return."));

    lstOutcome = new OutcomeList(this, "lstOutcome");
    // The returns of the visit are what the clerk reads here: most of the window.
    lstOutcome->setMinimumHeight(lstOutcome->height());
    lstOutcome->setMaximumHeight(QWIDGETSIZE_MAX);
    cmdReturn = button(this, "cmdReturn", "Return Vids", "Click to return from the textbox or listbox");
    cmdMain = button(this, "cmdMain", "Back to main");
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
        if (ws.msgBox(QStringLiteral("Do you wish to return video ") + txtVid->text() + QStringLiteral("?\r\n")
                          + QStringLiteral("(No to return selected items from listbox.)"),
                      Buttons::YesNo, Icon::Question, QStringLiteral("Return video source"))
            == Answer::Yes)
            ReturnTyped();
        else
            ReturnSelected();
    } else if (typed) {
        ReturnTyped();
    } else if (selected) {
        ReturnSelected();
    } else {
        refused(QStringLiteral("Must designate videos to return"), QStringLiteral("Return error"));
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
        refused(StoreDate::invalidMessage(txtDate->text()), QStringLiteral("Invalid date"));
    return date;
}

void frmReturn::ReturnTyped()
{
    WindowSystem &ws = m_windows.ws();
    const QString about = QStringLiteral("Tape ") + txtVid->text().trimmed();
    const auto videoId = Identifier::parse(txtVid->text());
    if (!videoId)
        return refused(notANumber(Numbered::Tape, txtVid->text()),
                       QStringLiteral("Invalid number"));
    const auto returned = returnDate();
    if (!returned)
        return;

    const Fetched<OpenRental> rental = m_store->openRental(*videoId);
    if (rental.failed)
        return showDbError(ws, m_store->lastError());
    if (!rental.row)
        return refused(tr("Tape %1 is not out on rental.").arg(*videoId), QStringLiteral("Return error."));
    // Left open for a manager to settle.
    if (rental.row->tapeDeleted)
        return refused(QStringLiteral("That tape has been deleted. Please recheck and consult manager."),
                       QStringLiteral("Deleted Tape"), about);

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

} // namespace

void frmReturn::tellReturned(const ReturnedRental &r)
{
    QStringList parts{r.title, whole(QStringLiteral("member %1 %2").arg(r.member).arg(r.memberName)),
                      whole(QStringLiteral("due ") + StoreDate::toText(r.due))};
    if (r.daysLate == 0)
        parts << whole(QStringLiteral("on time"));
    else
        parts << whole(QStringLiteral("%1 day%2 late").arg(r.daysLate).arg(r.daysLate == 1 ? "" : "s"));
    parts << (r.charge > Money() ? whole(QStringLiteral("fee ") + r.charge.toCurrency())
                                       + QStringLiteral(" added to the member's account")
                                 : whole(QStringLiteral("no fee")));
    m_windows.ws().tell(*lstOutcome, Told::Done, parts.join(QStringLiteral(" · ")),
                        r.charge > Money() ? QStringLiteral("Video returned overdue.")
                                           : QStringLiteral("Video returned"),
                        QStringLiteral("Tape %1").arg(r.videoId));
}

void frmReturn::listTapesOut(qint32 member, const QString &name)
{
    List1->clear();
    const auto tapes = m_store->tapesOut(member);
    if (!tapes)
        return showDbError(m_windows.ws(), m_store->lastError());
    const QString who = QStringLiteral("Member %1 %2").arg(member).arg(name).trimmed();
    lblTapesOut->setText(tapes->isEmpty() ? who + QStringLiteral(" has no other tapes out.")
                                          : who + QStringLiteral(" still has:"));
    // Overdue as of the return date typed, or today.
    const QDate day = StoreDate::parse(txtDate->text()).value_or(m_windows.today());
    for (const TapeOut &tape : *tapes) {
        const bool overdue = tape.due.isValid() && tape.due < day;
        // Titles cut to one width, so the due dates stand in a column.
        auto *line = new QListWidgetItem(QString::number(tape.videoId) + u'\t' + tape.title.leftJustified(30, u' ', true)
                                         + QStringLiteral("  due ") + StoreDate::toText(tape.due)
                                         + (overdue ? QStringLiteral("  OVERDUE") : QString()));
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
            refused(QStringLiteral("Tape %1 had just been returned at another counter; nothing was charged "
                                   "here.")
                        .arg(tape),
                    QStringLiteral("Return error."));
        return outcome;
    case ReturnOutcome::BeforeRental:
        refused(QStringLiteral("The return date %1 is before tape %2 was rented on %3. Check the date; nothing has "
                               "been returned.")
                    .arg(StoreDate::toText(returned))
                    .arg(outcome.tape)
                    .arg(StoreDate::toText(outcome.rentedOn)),
                QStringLiteral("Invalid date"));
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
        lblTapesOut->setText(QStringLiteral("Member %1 %2 has no other tapes out.")
                                 .arg(outcome->closed.constLast().member)
                                 .arg(outcome->closed.constLast().memberName));
    m_windows.ws().tell(*lstOutcome, Told::Done,
                        QString::number(lines.size()) + QStringLiteral(" videos have been returned. $")
                            + total.toPlainCents() + QStringLiteral(" in fees have been accumulated."),
                        QStringLiteral("Videos returned."));
    tellHolds(*outcome);
}

void frmReturn::tellHolds(const ReturnOutcome &outcome)
{
    // A tape to put aside must not go back on the shelf: the bell calls the clerk.
    WindowSystem &ws = m_windows.ws();
    for (const SetAside &held : outcome.setAside)
        ws.tell(*lstOutcome, Told::Attention, held.text(), QStringLiteral("Hold"),
                QStringLiteral("Tape %1").arg(held.tape));
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
