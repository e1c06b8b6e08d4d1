// Video management's lower half: the tape copies of one title, a copy added,
// changed or retired, and the range tools over the listed copies.

#include "frmVidMn.h"

#include "data/Identifier.h"
#include "data/Language.h"
#include "labels/frmLabels.h"
#include "stock/frmRangeDialog.h"
#include "stock/frmSaleDialog.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

constexpr Money NewTapePrice = Money::fromCents(2499);
constexpr int MostTapesAtOnce = 1000;

// A yes or no of a copy as its grid shows it, and read back from it.
QString yesNo(bool value)
{
    return value ? frmVidMn::tr("True") : frmVidMn::tr("False");
}

} // namespace

void frmVidMn::buildTapeHalf(QWidget *half)
{
    auto *row = new QHBoxLayout;
    fgTapes = named(new FlexGrid(half), "fgTapes");
    fgTapes->setCols(6);
    fgTapes->setColKind(5, FlexGrid::Amount);
    fgTapes->setToolTip(tr("This flexgrid shows the tape copies of the movie selected above"));
    row->addWidget(fgTapes, 1);

    auto *fields = new QGridLayout;
    chkRent = check(half, "chkRent", tr("F/Rent", "for rent"));
    chkSale = check(half, "chkSale", tr("F/Sale", "for sale"));
    chkIn = check(half, "chkIn", tr("InStore", "in the store"));
    auto *checks = new QHBoxLayout;
    checks->addWidget(chkRent);
    checks->addWidget(chkSale);
    checks->addWidget(chkIn);
    fields->addLayout(checks, 0, 0, 1, 2);
    Label8 = label(half, "Label8", tr("Sale Price:"));
    txtSalePrice = moneyEdit(half, "txtSalePrice");
    txtSalePrice->setToolTip(tr("Enter the sale price here"));
    addRow(fields, 1, Label8, txtSalePrice);

    cmdAddT = button(half, "cmdAddT", tr("Add Tapes"), tr("Click here to add more copies of this movie"));
    cmdChange = button(half, "cmdChange", tr("Change Tape"),
                       tr("Click here to edit the details of a specific tape from the flexgrid"));
    cmdDelTape = button(half, "cmdDelTape", tr("Delete Tape"), tr("Click here to mark a tape as deleted"));
    cmdTools = button(half, "cmdTools", tr("Tools..."),
                      tr("Click here to adjust sale or rental properties for a range of tapes"));
    auto *buttons = new QGridLayout;
    buttons->addWidget(cmdAddT, 0, 0);
    buttons->addWidget(cmdChange, 0, 1);
    buttons->addWidget(cmdDelTape, 1, 0);
    buttons->addWidget(cmdTools, 1, 1);
    cmdLabels = button(half, "cmdLabels", tr("Print &labels..."),
                       tr("Click here to print barcode labels for tapes"));
    buttons->addWidget(cmdLabels, 2, 0, 1, 2);
    fields->addLayout(buttons, 2, 0, 1, 2);
    fields->setRowStretch(3, 1);
    auto *right = new QWidget(half);
    right->setLayout(fields);
    right->setFixedWidth(300);
    row->addWidget(right);
    static_cast<QVBoxLayout *>(layout())->addLayout(row, 2);

    for (QWidget *w : std::initializer_list<QWidget *>{chkRent, chkSale, chkIn, txtSalePrice, cmdAddT, cmdChange,
                                                        cmdDelTape, cmdTools})
        w->setEnabled(false);

    connect(fgTapes, &FlexGrid::cellClicked, this, &frmVidMn::fgTapes_Click);
    connect(cmdAddT, &QPushButton::clicked, this, &frmVidMn::cmdAddT_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmVidMn::cmdChange_Click);
    connect(cmdDelTape, &QPushButton::clicked, this, &frmVidMn::cmdDelTape_Click);
    connect(cmdTools, &QPushButton::clicked, this, &frmVidMn::cmdTools_Click);
    connect(cmdLabels, &QPushButton::clicked, this, &frmVidMn::cmdLabels_Click);
}

int frmVidMn::CheckFromText(const QString &text)
{
    return text == yesNo(true) ? 1 : 0;
}

void frmVidMn::ListTapes()
{
    const auto tapes = m_store.tapes(selMovieNum.toInt());
    if (!tapes) {
        fgTapes->setRows(1);
        showDbError(m_windows.ws(), m_store.lastError());
        return;
    }
    // The list goes in as one block, so the grid lays itself out once.
    const int current = fgTapes->row();
    QVector<QStringList> records;
    records.reserve(tapes->size());
    nextCopyNumber = 1;
    for (const TapeRow &t : *tapes) {
        records.append(tapeTexts(t.videoId, t.copyNumber, t.fields));
        if (nextCopyNumber <= t.copyNumber)
            nextCopyNumber = t.copyNumber + 1;
    }
    fgTapes->setRecords(std::move(records));
    fitTapeNumbers();
    if (tapeEditOpen())
        fgTapes->setRow(tapeRowOf(editVideoID));
    else if (current > 0 && current < fgTapes->rows())
        fgTapes->setRow(current);
}

QStringList frmVidMn::tapeTexts(qint32 videoId, qint32 copyNumber, const TapeFields &t)
{
    return {QString::number(copyNumber), QString::number(videoId), yesNo(t.forRent), yesNo(t.forSale),
            yesNo(t.inStore), t.salePrice.toPlainCents()};
}

void frmVidMn::ShowTapeRow(int row, qint32 videoId, qint32 copyNumber, const TapeFields &t)
{
    fgTapes->setRowTexts(row, tapeTexts(videoId, copyNumber, t));
}

void frmVidMn::fitTapeNumbers()
{
    fgTapes->fitText(0, QString::number(nextCopyNumber));
    fgTapes->fitText(1, QString::number(nextVideoID));
}

int frmVidMn::tapeRowOf(qint32 videoId) const
{
    const QString id = QString::number(videoId);
    for (int r = 1; r < fgTapes->rows(); ++r)
        if (fgTapes->text(r, 1) == id)
            return r;
    return 0;
}

void frmVidMn::HideTapes()
{
    fgTapes->setRows(1);
    fgTapes->setInUse(false);
    for (QWidget *w : std::initializer_list<QWidget *>{cmdAddT, cmdChange, cmdTools, cmdDelTape, chkRent, chkSale,
                                                        chkIn, txtSalePrice})
        w->setEnabled(false);
    cmdShow->setText(tr("Show Tapes"));
}

void frmVidMn::fgTapes_Click()
{
    cmdChange->setEnabled(true);
    cmdDelTape->setEnabled(true);
    const int r = fgTapes->row();
    chkRent->setChecked(CheckFromText(fgTapes->text(r, 2)));
    chkSale->setChecked(CheckFromText(fgTapes->text(r, 3)));
    chkIn->setChecked(CheckFromText(fgTapes->text(r, 4)));
    txtSalePrice->setText(fgTapes->text(r, 5));
}

void frmVidMn::cmdAddT_Click()
{
    WindowSystem &ws = m_windows.ws();
    const QString answer =
        ws.inputBox(tr("How many tapes of %1 are being added?").arg(txtName->text()), tr("Tape Add"), QStringLiteral("1"));
    if (answer.trimmed().isEmpty())
        return;
    const auto count = Identifier::parse(answer);
    if (!count) {
        showInvalidNumber(ws, tr("number of tapes"), answer);
        return;
    }
    if (*count > MostTapesAtOnce) {
        const QLocale shown = Language::current() == Language::French ? QLocale(QLocale::French, QLocale::Canada)
                                                                      : QLocale(QLocale::English);
        ws.msgBox(tr("At most %1 tapes can be added at once.").arg(shown.toString(MostTapesAtOnce)), Buttons::Ok,
                  Icon::Exclamation, tr("Tape Add"));
        return;
    }
    chkRent->setChecked(true);
    chkSale->setChecked(false);
    chkIn->setChecked(true);
    txtSalePrice->setText(NewTapePrice.toPlainCents());
    if (*count == 0)
        return;

    const TapeFields fields{true, false, true, NewTapePrice};
    Outcome outcome;
    const auto first =
        m_store.addTapes(selMovieNum.toInt(), nextVideoID, nextCopyNumber, *count, fields, outcome, m_windows.today());
    if (!first) {
        if (outcome == Outcome::Gone)
            ws.msgBox(tr("This movie has been marked as deleted, so no tapes were added."), Buttons::Ok,
                      Icon::Exclamation, tr("Tape Add"));
        else
            showDbError(ws, m_store.lastError());
        return;
    }
    const int r0 = fgTapes->rows();
    fgTapes->setRows(r0 + *count);
    for (int i = 0; i < *count; ++i)
        ShowTapeRow(r0 + i, *first + i, nextCopyNumber + i, fields);
    fgTapes->setRow(fgTapes->rows() - 1);
    nextVideoID = *first + *count;
    nextCopyNumber += *count;
    fitTapeNumbers();
    // New copies of a title members are waiting for go to the hold shelf.
    QStringList held;
    for (const SetAside &s : m_store.setAside())
        held << s.text();
    if (!held.isEmpty())
        ws.msgBox(held.join(QStringLiteral("\r\n")), Buttons::Ok, Icon::Information, tr("Holds"));
}

void frmVidMn::cmdChange_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (!tapeEditOpen()) {
        const int r = fgTapes->row();
        if (r < 1) {
            ws.msgBox(tr("Click a tape in the list first."), Buttons::Ok, Icon::Exclamation, tr("Tape details"));
            return;
        }
        cmdChange->setText(tr("Save"));
        cmdDelTape->setText(tr("Cancel"));
        cmdAddT->setEnabled(false);
        cmdTools->setEnabled(false);
        editCopyNumber = fgTapes->text(r, 0).toInt();
        editVideoID = fgTapes->text(r, 1).toInt();
        editInStore = CheckFromText(fgTapes->text(r, 4));
        fgTapes->setInUse(false);
        fgMovies->setInUse(false);
        for (QWidget *w : std::initializer_list<QWidget *>{cmdAdd, cmdEdit, cmdShow, cmdDelete})
            w->setEnabled(false);
        for (QWidget *w : std::initializer_list<QWidget *>{chkRent, chkSale, chkIn, txtSalePrice})
            w->setEnabled(true);
        ws.msgBox(tr("Please enter the tape details"), Buttons::Ok, Icon::Information, tr("Tape details"));
        return;
    }
    const auto fields = StoreTapeFields();
    if (!fields)
        return;
    switch (m_store.changeTape(editVideoID, *fields, fields->inStore != editInStore)) {
    case Outcome::Done:
        EndTapeEdit();
        if (const int r = tapeRowOf(editVideoID))
            ShowTapeRow(r, editVideoID, editCopyNumber, *fields);
        break;
    case Outcome::TapesOut:
        ws.msgBox(tr("Tape %1 is out on rental. It is marked in the store when it is returned.").arg(editVideoID),
                  Buttons::Ok, Icon::Exclamation, tr("Tape details"));
        break;
    case Outcome::Gone:
        ws.msgBox(tr("Tape %1 has been marked as deleted meanwhile, so the changes were not stored.").arg(editVideoID),
                  Buttons::Ok, Icon::Exclamation, tr("Tape details"));
        EndTapeEdit();
        break;
    case Outcome::Failed:
        showDbError(ws, m_store.lastError());
        break;
    }
}

std::optional<TapeFields> frmVidMn::StoreTapeFields()
{
    const auto price = Money::parse(txtSalePrice->text());
    if (!price || *price < Money()) {
        showInvalidAmount(m_windows.ws(), tr("sale price"), txtSalePrice->text());
        txtSalePrice->setFocus();
        return std::nullopt;
    }
    return TapeFields{chkRent->isChecked(), chkSale->isChecked(), chkIn->isChecked(), *price};
}

void frmVidMn::EndTapeEdit()
{
    for (QWidget *w : std::initializer_list<QWidget *>{chkRent, chkSale, chkIn, txtSalePrice})
        w->setEnabled(false);
    cmdChange->setText(tr("Change Tape"));
    cmdDelTape->setText(tr("Delete Tape"));
    fgTapes->setInUse(true);
    // A title edit still open keeps its own locks.
    const bool titleEdit = titleEditOpen();
    fgMovies->setInUse(!titleEdit);
    cmdAdd->setEnabled(true);
    cmdEdit->setEnabled(true);
    cmdShow->setEnabled(true);
    cmdDelete->setEnabled(!titleEdit);
    cmdAddT->setEnabled(true);
    cmdTools->setEnabled(true);
}

void frmVidMn::cmdDelTape_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (tapeEditOpen()) {
        EndTapeEdit();
        return;
    }
    const int r = fgTapes->row();
    const auto id = r < 1 ? std::nullopt : Identifier::parse(fgTapes->text(r, 1));
    if (!id) {
        ws.msgBox(tr("Click a tape in the list first."), Buttons::Ok, Icon::Exclamation, tr("Delete Tape"));
        return;
    }
    const QString number = QString::number(*id);
    if (ws.msgBox(tr("Are you sure you want to delete video %1?").arg(number), Buttons::YesNo, Icon::Question)
        != Answer::Yes)
        return;
    const QString out = tr("Tape %1 is out on rental. It can be marked as deleted once it is back.").arg(number);
    if (retirementEnded(m_store.retireTape(*id), number, out, tr("Delete Tape")))
        fgTapes->removeItem(tapeRowOf(*id));
}

void frmVidMn::cmdTools_Click()
{
    mnuTools->popup(cmdTools->mapToGlobal(QPoint(0, cmdTools->height())));
}

void frmVidMn::cmdLabels_Click()
{
    const auto listed = tapesListed() ? Identifier::parse(selMovieNum) : std::nullopt;
    const int row = listed ? movieRowOf(*listed) : 0;
    labelsDialog().offer(listed, row > 0 ? fgMovies->text(row, 1) : QString());
}

void frmVidMn::mnuTool_Click(TapeMark mark)
{
    const std::optional<CopyRange> range =
        mark == TapeMark::ForSale ? saleDialog().chooseSale() : rangeDialog().chooseRange();
    if (!range)
        return;
    if (const auto marked = markRange(range->first, range->last, mark, range->price))
        m_windows.ws().msgBox(describeMarked(*marked, mark, range->price), Buttons::Ok, Icon::Information,
                              tr("Tool tape changes"));
}

std::optional<MarkedTapes> frmVidMn::markRange(qint32 first, qint32 last, TapeMark mark, Money price)
{
    QList<qint32> ids;
    QList<int> rows;
    for (int r = 1; r < fgTapes->rows(); ++r) {
        const auto copy = Identifier::parse(fgTapes->text(r, 0));
        const auto id = Identifier::parse(fgTapes->text(r, 1));
        if (copy && id && first <= *copy && *copy <= last) {
            ids << *id;
            rows << r;
        }
    }
    if (ids.isEmpty())
        return MarkedTapes();
    const auto marked = m_store.markTapes(ids, mark, price);
    if (!marked) {
        showDbError(m_windows.ws(), m_store.lastError());
        return std::nullopt;
    }
    for (const int r : rows) {
        switch (mark) {
        case TapeMark::ForSale:
            fgTapes->setText(r, 3, yesNo(true));
            fgTapes->setText(r, 5, price.toPlainCents());
            break;
        case TapeMark::NotForSale: fgTapes->setText(r, 3, yesNo(false)); break;
        case TapeMark::ForRent: fgTapes->setText(r, 2, yesNo(true)); break;
        case TapeMark::NotForRent: fgTapes->setText(r, 2, yesNo(false)); break;
        }
    }
    return marked;
}

QString frmVidMn::describeMarked(const MarkedTapes &marked, TapeMark mark, Money price) const
{
    const int n = marked.changed;
    QString done;
    switch (mark) {
    case TapeMark::ForSale:
        done = n == 1 ? tr("1 tape marked for sale at %1").arg(price.toCurrency())
                      : tr("%1 tapes marked for sale at %2").arg(n).arg(price.toCurrency());
        break;
    case TapeMark::NotForSale:
        done = n == 1 ? tr("1 tape marked not for sale") : tr("%1 tapes marked not for sale").arg(n);
        break;
    case TapeMark::ForRent:
        done = n == 1 ? tr("1 tape marked for rent") : tr("%1 tapes marked for rent").arg(n);
        break;
    case TapeMark::NotForRent:
        done = n == 1 ? tr("1 tape marked not for rent") : tr("%1 tapes marked not for rent").arg(n);
        break;
    }
    if (n == 0)
        return tr("No listed copy lies in that range; nothing was changed.");
    if (marked.out.isEmpty())
        return tr("%1.", "a range tool's changes").arg(done);
    QString out;
    if (n == 1)
        out = tr("it is out on rental to member %1").arg(marked.out.first().member);
    else if (marked.out.size() == 1)
        out = tr("1 of them is out on rental to member %1").arg(marked.out.first().member);
    else {
        QStringList whose;
        for (const MarkedTapes::Out &o : marked.out)
            whose << tr("tape %1 to member %2").arg(o.tape).arg(o.member);
        out = tr("%1 of them are out on rental: %2").arg(marked.out.size()).arg(whose.join(QStringLiteral(", ")));
    }
    return tr("%1; %2.", "the tapes a range tool changed; those of them out on rental").arg(done, out);
}
