#include "frmTapesOut.h"

#include "circulation/OverdueReports.h"
#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <variant>

namespace {

QStringList cells(const TapeOutRow &r)
{
    return {QString(), QString::number(r.tape), r.title, QString::number(r.member), r.memberName(), r.homePhone,
            r.cellPhone, StoreDate::toText(r.rentedOn), StoreDate::toText(r.dueOn), QString::number(r.daysLate),
            r.fee.toCurrency()};
}

// The order of two rows by one column; ties by tape number.
bool before(const TapeOutRow &a, const TapeOutRow &b, int column)
{
    auto key = [column](const TapeOutRow &r) -> std::variant<qint64, QString> {
        switch (column) {
        case frmTapesOut::ColTape: return qint64(r.tape);
        case frmTapesOut::ColTitle: return r.title.toLower();
        case frmTapesOut::ColMember: return qint64(r.member);
        case frmTapesOut::ColName: return (r.lastName + QLatin1Char(' ') + r.firstName).toLower();
        case frmTapesOut::ColHome: return r.homePhone;
        case frmTapesOut::ColCell: return r.cellPhone;
        case frmTapesOut::ColRented: return r.rentedOn.toJulianDay();
        case frmTapesOut::ColDue: return r.dueOn.toJulianDay();
        case frmTapesOut::ColDaysLate: return r.daysLate;
        case frmTapesOut::ColFee: return r.fee.units();
        }
        return qint64(0);
    };
    return key(a) < key(b);
}

} // namespace

frmTapesOut::frmTapesOut(WindowContext &windows)
    : m_windows(windows), m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmTapesOut"));
    setWindowTitle(tr("Tapes Out"));

    Label1 = Controls::heading(this, "Label1", tr("Tapes Out"));
    lblDate = Controls::label(this, "lblDate", tr("&On:", "the day the list is for"));
    txtDate = Controls::edit(this, "txtDate");
    txtDate->setPlaceholderText(tr("yyyy-mm-dd", "how a day is typed"));
    txtDate->setFixedWidth(110);
    lblDate->setBuddy(txtDate);
    chkOverdue = Controls::check(this, "chkOverdue", tr("O&verdue only"));
    chkOverdue->setChecked(true);
    cmdShow = Controls::button(this, "cmdShow", tr("&Show"));
    cmdCallList = Controls::button(this, "cmdCallList", tr("&Call List..."),
                                   tr("The overdue members to ring (manager code)"));
    cmdLetters = Controls::button(this, "cmdLetters", tr("&Letters..."),
                                  tr("A letter to each overdue member (manager code)"));
    cmdReturn = Controls::button(this, "cmdReturn", tr("Return"));
    Controls::commandSize({cmdShow, cmdCallList, cmdLetters, cmdReturn});

    grdTapes = Controls::named(new FlexGrid(this), "grdTapes");
    grdTapes->setCols(Columns + 1);
    const QStringList headers = {QString(),        tr("Tape"),       tr("Title"),  tr("Member"),
                                 tr("Name"),       tr("Home phone"), tr("Cell phone"), tr("Rented"),
                                 tr("Due"),        tr("Days late"),  tr("Fee so far")};
    grdTapes->setRowTexts(0, headers);
    const int widths[] = {200, 700, 2600, 800, 2000, 1300, 1300, 1200, 1200, 900, 1100};
    for (int c = 0; c <= Columns; ++c) {
        grdTapes->setColWidth(c, widths[c]);
        grdTapes->fitText(c, headers[c]);
    }
    grdTapes->setColKind(ColTitle + 1, FlexGrid::Text);
    grdTapes->setColKind(ColName + 1, FlexGrid::Text);
    grdTapes->setColKind(ColFee + 1, FlexGrid::Amount);
    grdTapes->installEventFilter(this);
    lblTotal = Controls::label(this, "lblTotal", "");

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->addWidget(Label1, 0, 0, 1, 2);
    auto *top = new QHBoxLayout;
    top->addWidget(lblDate);
    top->addWidget(txtDate);
    top->addSpacing(12);
    top->addWidget(chkOverdue);
    top->addWidget(cmdShow);
    top->addStretch();
    grid->addLayout(top, 1, 0, 1, 2);
    grid->addWidget(grdTapes, 2, 0, 1, 2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblTotal, 1);
    bottom->addWidget(cmdCallList);
    bottom->addWidget(cmdLetters);
    bottom->addWidget(cmdReturn);
    grid->addLayout(bottom, 3, 0, 1, 2);
    resize(1100, 560);

    Controls::tabOrder({txtDate, chkOverdue, cmdShow, grdTapes, cmdCallList, cmdLetters, cmdReturn});
    setDefaultButton(cmdShow);
    setCancelButton(cmdReturn);
    connect(cmdShow, &QPushButton::clicked, this, [this] { cmdShow_Click(); });
    connect(chkOverdue, &QCheckBox::toggled, this, [this] { cmdShow_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, &frmTapesOut::cmdReturn_Click);
    connect(grdTapes->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section > 0)
            sortBy(section - 1);
    });
    connect(grdTapes, &QAbstractItemView::doubleClicked, this, &frmTapesOut::showMemberTapes);
    auto forDay = [this](auto signal) {
        return [this, signal] {
            if (cmdShow_Click())
                emit(this->*signal)(m_day);
        };
    };
    connect(cmdCallList, &QPushButton::clicked, this, forDay(&frmTapesOut::callListWanted));
    connect(cmdLetters, &QPushButton::clicked, this, forDay(&frmTapesOut::lettersWanted));
}

void frmTapesOut::showKeepingDay()
{
    m_keepDay = true;
    show();
    m_keepDay = false;
}

void frmTapesOut::writeLetters(QDate day)
{
    WindowSystem &ws = m_windows.ws();
    const QString file = ws.saveFileName(tr("Save the overdue letters"),
                                         QStringLiteral("overdue-letters-%1.pdf").arg(StoreDate::toText(day)),
                                         tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    QString error;
    int letters = 0;
    if (!OverdueLetters::writePdf(m_windows.storePath(), day, file, OutputFile::Existing::Replace, &error, &letters)) {
        ws.msgBox(error, Buttons::Ok, Icon::Exclamation, tr("Letters"));
        return;
    }
    const QString where = QDir::toNativeSeparators(file);
    ws.msgBox(letters == 1 ? tr("1 letter to members overdue on %1 written to %2.").arg(StoreDate::toText(day), where)
                           : tr("%1 letters to members overdue on %2 written to %3.")
                                 .arg(QString::number(letters), StoreDate::toText(day), where),
              Buttons::Ok, Icon::Information, tr("Letters"));
}

void frmTapesOut::Form_Activate()
{
    if (m_keepDay)
        return;
    txtDate->setText(StoreDate::toText(m_windows.today()));
    chkOverdue->blockSignals(true);
    chkOverdue->setChecked(true);
    chkOverdue->blockSignals(false);
    m_sortColumn = ColDaysLate;
    m_descending = true;
    // Holds not collected in time let their tapes go before the list is read.
    if (const auto lapsed = m_store.lapseDue(m_windows.today()); lapsed && !lapsed->isEmpty()) {
        QStringList lines;
        for (const Lapse &l : *lapsed)
            lines << l.text();
        m_windows.ws().notice(lines.join(QStringLiteral("\r\n")), tr("Holds lapsed"));
    }
    cmdShow_Click();
    grdTapes->setFocus();
}

bool frmTapesOut::cmdShow_Click()
{
    const auto day = StoreDate::parse(txtDate->text());
    if (!day) {
        m_windows.ws().msgBox(StoreDate::invalidMessage(txtDate->text()), Buttons::Ok, Icon::Exclamation, windowTitle());
        txtDate->setFocus();
        txtDate->selectAll();
        return false;
    }
    const auto rows = m_store.tapesOut(*day, chkOverdue->isChecked());
    if (!rows) {
        showDbError(m_windows.ws(), m_store.lastError());
        return false;
    }
    m_day = *day;
    m_rows = *rows;
    fill();
    return true;
}

void frmTapesOut::sortBy(int column)
{
    if (column < 0 || column >= Columns)
        return;
    m_descending = column == m_sortColumn ? !m_descending : column == ColDaysLate || column == ColFee;
    m_sortColumn = column;
    fill();
}

void frmTapesOut::fill()
{
    const int column = m_sortColumn;
    const bool descending = m_descending;
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const TapeOutRow &a, const TapeOutRow &b) {
        if (before(a, b, column))
            return !descending;
        if (before(b, a, column))
            return descending;
        return a.tape < b.tape;
    });
    QVector<QStringList> records;
    records.reserve(m_rows.size());
    Money total;
    qsizetype late = 0;
    for (const TapeOutRow &r : std::as_const(m_rows)) {
        records << cells(r);
        total += r.fee;
        late += r.daysLate > 0;
    }
    grdTapes->setRecords(std::move(records));
    if (!m_rows.isEmpty())
        grdTapes->setRow(1);
    lblTotal->setText(m_rows.size() == 1
                          ? tr("1 tape out, %1 overdue; late fees so far %2").arg(late).arg(total.toCurrency())
                          : tr("%1 tapes out, %2 overdue; late fees so far %3")
                                .arg(m_rows.size())
                                .arg(late)
                                .arg(total.toCurrency()));
}

void frmTapesOut::showMemberTapes()
{
    const int row = grdTapes->row();
    if (row < 1 || row > m_rows.size())
        return;
    const TapeOutRow &chosen = m_rows.at(row - 1);
    const auto tapes = m_store.memberTapesOut(chosen.member, m_day);
    if (!tapes) {
        showDbError(m_windows.ws(), m_store.lastError());
        return;
    }
    QStringList lines{tapes->size() == 1 ? tr("Member %1 %2 has 1 tape out:").arg(chosen.member).arg(chosen.memberName())
                                         : tr("Member %1 %2 has %3 tapes out:")
                                               .arg(chosen.member)
                                               .arg(chosen.memberName())
                                               .arg(tapes->size())};
    Money total;
    for (const TapeOutRow &t : *tapes) {
        const QString due = StoreDate::toText(t.dueOn);
        lines << (t.daysLate > 0 ? tr("Tape %1 (%2), due %3, %n days late, %4 so far", nullptr, t.daysLate)
                                       .arg(QString::number(t.tape), t.title, due, t.fee.toCurrency())
                                 : tr("Tape %1 (%2), due %3").arg(QString::number(t.tape), t.title, due));
        total += t.fee;
    }
    lines << tr("Late fees so far: %1").arg(total.toCurrency());
    m_windows.ws().msgBox(lines.join(QStringLiteral("\r\n")), Buttons::Ok, Icon::Information, windowTitle());
}

bool frmTapesOut::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grdTapes && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            showMemberTapes();
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void frmTapesOut::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
