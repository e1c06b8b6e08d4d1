#include "frmReturn.h"

#include "app/WindowRegistry.h"
#include "data/Identifier.h"
#include "data/StoreDate.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmReturn::frmReturn(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmReturn"));
    setWindowTitle(QStringLiteral("Video Return"));

    Image1 = Pictures::makeImage1(this);
    Label2 = named(new QLabel(QStringLiteral("Return Videos here."), this), "Label2");
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setStyleHint(QFont::Serif);
    heading.setBold(true);
    heading.setPointSize(18);
    Label2->setFont(heading);

    Label1 = named(new QLabel(QStringLiteral("VID:"), this), "Label1");
    txtVid = named(new QLineEdit(this), "txtVid");
    txtVid->setToolTip(QStringLiteral("Enter the Video ID of a video being returned here."));
    Label1->setBuddy(txtVid);
    Label3 = named(new QLabel(QStringLiteral("Date:"), this), "Label3");
    txtDate = named(new QLineEdit(this), "txtDate");
    Label3->setBuddy(txtDate);

    List1 = named(new QListWidget(this), "List1");
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    List1->setFont(fixed);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setToolTip(QStringLiteral("These are other videos currently being rented by the person who last "
                                     "returned a video. If they are being returned at the same time, just click on "
                                     "them and hit return."));

    cmdReturn = named(new QPushButton(QStringLiteral("Return Vids"), this), "cmdReturn");
    cmdReturn->setToolTip(QStringLiteral("Click to return from the textbox or listbox"));
    cmdMain = named(new QPushButton(QStringLiteral("Back to main"), this), "cmdMain");
    for (QPushButton *b : {cmdReturn, cmdMain})
        b->setMinimumSize(b->sizeHint().width() + 24, 30);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addWidget(Image1, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Label2, 0, 2, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(txtVid, 1, 1);
    grid->addWidget(Label3, 1, 2, Qt::AlignRight);
    grid->addWidget(txtDate, 1, 3);
    grid->addWidget(List1, 2, 0, 1, 4);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch();
    buttons->addWidget(cmdReturn);
    buttons->addWidget(cmdMain);
    grid->addLayout(buttons, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    resize(540, 420);

    setTabOrder(txtVid, txtDate);
    setTabOrder(txtDate, List1);
    setTabOrder(List1, cmdReturn);
    setTabOrder(cmdReturn, cmdMain);
    setDefaultButton(cmdReturn);
    setCancelButton(cmdMain);
    cmdMain->setAutoDefault(false);

    connect(cmdReturn, &QPushButton::clicked, this, &frmReturn::cmdReturn_Click);
    connect(cmdMain, &QPushButton::clicked, this, &frmReturn::cmdMain_Click);
}

void frmReturn::Form_Activate()
{
    List1->clear();
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
        ws.msgBox(QStringLiteral("Must designate videos to return"), Buttons::Ok, Icon::Exclamation,
                  QStringLiteral("Return error"));
    }
}

std::optional<QDate> frmReturn::returnDate()
{
    const auto date = StoreDate::parse(txtDate->text());
    if (!date) {
        m_windows.ws().msgBox(StoreDate::invalidMessage(txtDate->text()), Buttons::Ok, Icon::Exclamation,
                              QStringLiteral("Invalid date"));
        txtDate->setFocus();
    }
    return date;
}

void frmReturn::ReturnTyped()
{
    WindowSystem &ws = m_windows.ws();
    const auto videoId = Identifier::parse(txtVid->text());
    if (!videoId)
        return showInvalidNumber(ws, QStringLiteral("video ID"), txtVid->text());
    const auto returned = returnDate();
    if (!returned)
        return;

    const Fetched<OpenRental> rental = m_store->openRental(*videoId);
    if (rental.failed)
        return showDbError(ws, m_store->lastError());
    if (!rental.row) {
        ws.msgBox(QStringLiteral("I'm sorry, that videotape cannot be returned as it has not been rented."),
                  Buttons::Ok, Icon::Information, QStringLiteral("Return error."));
        return;
    }
    // Left open for a manager to settle.
    if (rental.row->tapeDeleted) {
        ws.msgBox(QStringLiteral("That tape has been deleted. Please recheck and consult manager."), Buttons::Ok,
                  Icon::Exclamation, QStringLiteral("Deleted Tape"));
        return;
    }

    Money charge;
    if (!ReturnTape(*videoId, *returned, charge))
        return;
    if (charge > Money())
        ws.msgBox(QStringLiteral("The video has been returned. Since it is overdue, a charge of ") + charge.toCurrency()
                      + QStringLiteral(" has been added to the user's account."),
                  Buttons::Ok, Icon::Information, QStringLiteral("Video returned overdue."));
    else
        ws.msgBox(QStringLiteral("The video has been returned."), Buttons::Ok, Icon::Information,
                  QStringLiteral("Video returned"));

    listTapesOut(rental.row->member);
    // Ready for the next tape from a scanner: digits, then Enter.
    txtVid->clear();
    txtVid->setFocus();
}

void frmReturn::listTapesOut(qint32 member)
{
    List1->clear();
    const auto tapes = m_store->tapesOut(member);
    if (!tapes)
        return showDbError(m_windows.ws(), m_store->lastError());
    for (const TapeOut &tape : *tapes)
        List1->addItem(QString::number(tape.videoId) + u'\t' + tape.title);
}

bool frmReturn::ReturnTape(qint32 videoId, QDate returned, Money &charge)
{
    const auto charges = returnTapes({videoId}, returned);
    if (!charges)
        return false;
    charge = charges->constFirst();
    return true;
}

std::optional<QList<Money>> frmReturn::returnTapes(const QList<qint32> &videoIds, QDate returned)
{
    WindowSystem &ws = m_windows.ws();
    const ReturnOutcome outcome = m_store->returnTapes(videoIds, returned);
    switch (outcome.status) {
    case ReturnOutcome::Done:
        return outcome.charges;
    case ReturnOutcome::BeforeRental:
        ws.msgBox(QStringLiteral("The return date %1 is before tape %2 was rented on %3. Check the date; nothing "
                                 "has been returned.")
                      .arg(StoreDate::toText(returned))
                      .arg(outcome.tape)
                      .arg(StoreDate::toText(outcome.rentedOn)),
                  Buttons::Ok, Icon::Exclamation, QStringLiteral("Invalid date"));
        txtDate->setFocus();
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

    const auto charges = returnTapes(videoIds, *returned);
    if (!charges)
        return;
    Money total;
    for (const Money &charge : *charges)
        total += charge;
    for (QListWidgetItem *line : lines)
        delete List1->takeItem(List1->row(line));

    m_windows.ws().msgBox(QString::number(lines.size()) + QStringLiteral(" videos have been returned. $")
                              + total.toPlain() + QStringLiteral(" in fees have been accumulated."),
                          Buttons::Ok, Icon::Information, QStringLiteral("Videos returned."));
}

void frmReturn::cmdMain_Click()
{
    if (m_windows.ws().msgBox(QStringLiteral("Are you sure you want to return to the main menu"), Buttons::OkCancel,
                              Icon::None, QStringLiteral("Return to main menu"))
        != Answer::Ok)
        return;
    txtVid->clear();
    List1->clear();
    hide();
    m_windows.showMainMenu();
}
