#include "frmVidMn.h"

#include "app/WindowRegistry.h"
#include "data/Genres.h"
#include "data/Identifier.h"
#include "stock/frmRangeDialog.h"
#include "stock/frmSaleDialog.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

const QString Crlf = QStringLiteral("\r\n");
const QString True = QStringLiteral("True");
const QString False = QStringLiteral("False");
const QString NewTapePrice = QStringLiteral("24.99");
constexpr int MostTapesAtOnce = 1000;

QString yesNo(bool value)
{
    return value ? True : False;
}

} // namespace

frmVidMn::frmVidMn(WindowRegistry &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmVidMn"));
    setWindowTitle(QStringLiteral("Video Management"));

    auto *layout = new QVBoxLayout(this);
    MenuBar = named(new QMenuBar(this), "MenuBar");
    mnuTools = named(MenuBar->addMenu(QStringLiteral("Tools")), "mnuTools");
    const char *const tools[] = {"Mark for sale", "Mark not for sale", "Mark for rent", "Mark not for rent"};
    QAction **items[] = {&mnuTool1, &mnuTool2, &mnuTool3, &mnuTool4};
    for (int i = 0; i < 4; ++i) {
        *items[i] = mnuTools->addAction(QString::fromLatin1(tools[i]));
        (*items[i])->setObjectName(QStringLiteral("mnuTool%1").arg(i + 1));
        const auto mark = static_cast<TapeMark>(i);
        connect(*items[i], &QAction::triggered, this, [this, mark] { mnuTool_Click(mark); });
    }
    layout->setMenuBar(MenuBar);

    auto *top = new QHBoxLayout;
    Image1 = Pictures::makeImage1(this);
    Label1 = label(this, "Label1", "Video management center");
    QFont heading(QStringLiteral("MS Sans Serif"), 12);
    Label1->setFont(heading);
    cmdReturn = button(this, "cmdReturn", "Return");
    top->addWidget(Image1);
    top->addSpacing(16);
    top->addWidget(Label1);
    top->addStretch();
    top->addWidget(cmdReturn, 0, Qt::AlignTop);
    layout->addLayout(top);

    buildTitleHalf(this);
    Line1 = named(new QFrame(this), "Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    layout->addWidget(Line1);
    buildTapeHalf(this);
    resize(980, 720);

    connect(cmdReturn, &QPushButton::clicked, this, &frmVidMn::cmdReturn_Click);
    SetGridHeaders();
}

frmVidMn::~frmVidMn() = default;

void frmVidMn::buildTitleHalf(QWidget *half)
{
    auto *row = new QHBoxLayout;
    fgMovies = named(new FlexGrid(half), "fgMovies");
    fgMovies->setCols(7);
    // The grid's default width, which Name and Actor keep, fits a title.
    fgMovies->horizontalHeader()->setDefaultSectionSize(170);
    fgMovies->setToolTip(QStringLiteral("This flexgrid lists movie titles in the database"));
    row->addWidget(fgMovies, 1);

    auto *fields = new QGridLayout;
    Label2 = label(half, "Label2", "Name:");
    txtName = edit(half, "txtName");
    Label3 = label(half, "Label3", "Type:");
    cmbType = named(new QComboBox(half), "cmbType");
    for (int genre = 1; genre <= Genres::Count; ++genre)
        cmbType->addItem(tName(genre));
    Label4 = label(half, "Label4", "Actor:");
    txtActor = edit(half, "txtActor");
    Label5 = label(half, "Label5", "Actress:");
    txtActress = edit(half, "txtActress");
    Label6 = label(half, "Label6", "Rating:");
    txtRating = edit(half, "txtRating");
    txtRating->setToolTip(QStringLiteral("G, PG-13, R, or NC-17 etc..."));
    Label6->setToolTip(txtRating->toolTip());
    Label7 = label(half, "Label7", "PC:");
    cmbPC = named(new QComboBox(half), "cmbPC");
    cmbPC->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    cmbPC->setToolTip(QStringLiteral("1 = new release, 2 = regular, 3 = discount or specialty"));
    Label7->setToolTip(cmbPC->toolTip());
    addRow(fields, 0, Label2, txtName);
    addRow(fields, 1, Label3, cmbType);
    addRow(fields, 2, Label4, txtActor);
    addRow(fields, 3, Label5, txtActress);
    addRow(fields, 4, Label6, txtRating);
    addRow(fields, 5, Label7, cmbPC);

    cmdAdd = button(half, "cmdAdd", "Add Movie", "Click here to enter a new movie");
    cmdEdit = button(half, "cmdEdit", "Edit Details", "Click here to edit the details of an existing movie.");
    cmdDelete = button(half, "cmdDelete", "Delete Movie");
    cmdShow = button(half, "cmdShow", "Show Tapes", "Click here to show the tapes of a given movie");
    auto *buttons = new QGridLayout;
    buttons->addWidget(cmdAdd, 0, 0);
    buttons->addWidget(cmdEdit, 0, 1);
    buttons->addWidget(cmdDelete, 1, 0);
    buttons->addWidget(cmdShow, 1, 1);
    fields->addLayout(buttons, 6, 0, 1, 2);
    fields->setRowStretch(7, 1);
    auto *right = new QWidget(half);
    right->setLayout(fields);
    right->setFixedWidth(300);
    row->addWidget(right);
    static_cast<QVBoxLayout *>(layout())->addLayout(row, 3);

    for (QWidget *w : std::initializer_list<QWidget *>{txtName, cmbType, txtActor, txtActress, txtRating, cmbPC})
        w->setEnabled(false);
    ClearMovieFields();
    cmdEdit->setEnabled(false);
    cmdDelete->setEnabled(false);
    cmdShow->setEnabled(false);

    connect(fgMovies, &FlexGrid::cellClicked, this, &frmVidMn::fgMovies_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmVidMn::cmdAdd_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmVidMn::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmVidMn::cmdDelete_Click);
    connect(cmdShow, &QPushButton::clicked, this, &frmVidMn::cmdShow_Click);
}

void frmVidMn::buildTapeHalf(QWidget *half)
{
    auto *row = new QHBoxLayout;
    fgTapes = named(new FlexGrid(half), "fgTapes");
    fgTapes->setCols(6);
    fgTapes->setToolTip(QStringLiteral("This flexgrid shows the tape copies of the movie selected above"));
    row->addWidget(fgTapes, 1);

    auto *fields = new QGridLayout;
    chkRent = check(half, "chkRent", "F/Rent");
    chkSale = check(half, "chkSale", "F/Sale");
    chkIn = check(half, "chkIn", "InStore");
    auto *checks = new QHBoxLayout;
    checks->addWidget(chkRent);
    checks->addWidget(chkSale);
    checks->addWidget(chkIn);
    fields->addLayout(checks, 0, 0, 1, 2);
    Label8 = label(half, "Label8", "Sale Price:");
    txtSalePrice = edit(half, "txtSalePrice");
    txtSalePrice->setToolTip(QStringLiteral("Enter the sale price here"));
    addRow(fields, 1, Label8, txtSalePrice);

    cmdAddT = button(half, "cmdAddT", "Add Tapes", "Click here to add more copies of this movie");
    cmdChange = button(half, "cmdChange", "Change Tape",
                       "Click here to edit the details of a specific tape from the flexgrid");
    cmdDelTape = button(half, "cmdDelTape", "Delete Tape", "Click here to mark a tape as deleted");
    cmdTools = button(half, "cmdTools", "Tools...",
                      "Click here to adjust sale or rental properties for a range of tapes");
    auto *buttons = new QGridLayout;
    buttons->addWidget(cmdAddT, 0, 0);
    buttons->addWidget(cmdChange, 0, 1);
    buttons->addWidget(cmdDelTape, 1, 0);
    buttons->addWidget(cmdTools, 1, 1);
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
}

QString frmVidMn::tName(int index) const
{
    return Genres::name(index);
}

frmSaleDialog &frmVidMn::saleDialog()
{
    if (!m_saleDialog)
        m_saleDialog = std::make_unique<frmSaleDialog>(*this, m_windows.ws());
    return *m_saleDialog;
}

frmRangeDialog &frmVidMn::rangeDialog()
{
    if (!m_rangeDialog)
        m_rangeDialog = std::make_unique<frmRangeDialog>(*this, m_windows.ws());
    return *m_rangeDialog;
}

int frmVidMn::CheckFromText(const QString &text)
{
    return text == True ? 1 : 0;
}

bool frmVidMn::titleEditOpen() const { return cmdAdd->text() == QLatin1String("Save"); }
bool frmVidMn::tapeEditOpen() const { return cmdChange->text() == QLatin1String("Save"); }
bool frmVidMn::tapesListed() const { return cmdShow->text() == QLatin1String("Hide Tapes"); }

void frmVidMn::Form_Activate()
{
    const auto selected = currentMovieNum();
    SetGridHeaders();
    nextMovieNum = 1;
    LoadMovies();
    // An open change keeps its title current, since Save stores into it.
    const auto keep = titleEditOpen() && !addingMovie ? std::optional<qint32>(editMovieNum) : selected;
    if (keep)
        fgMovies->setRow(movieRowOf(*keep));

    if (const auto next = m_store.nextVideoID())
        nextVideoID = *next;
    else
        showDbError(m_windows.ws(), m_store.lastError());
    // Listed copies are read again rather than left as empty rows.
    if (tapesListed())
        ListTapes();
}

void frmVidMn::SetGridHeaders()
{
    fgMovies->clear();
    fgMovies->setRowTexts(0, {QStringLiteral("#"), QStringLiteral("Name"), QStringLiteral("Type"),
                              QStringLiteral("Actor"), QStringLiteral("Actress"), QStringLiteral("Rating"),
                              QStringLiteral("PC")});
    fgMovies->setColWidth(0, 240);
    fgMovies->setColWidth(2, 720);
    fgMovies->setColWidth(4, 800);
    fgMovies->setColWidth(5, 600);
    fgMovies->setColWidth(6, 300);

    fgTapes->clear();
    fgTapes->setRowTexts(0, {QStringLiteral("CN"), QStringLiteral("ID"), QStringLiteral("For Rent"),
                             QStringLiteral("For Sale"), QStringLiteral("In store"), QStringLiteral("Sale price")});
    fgTapes->setColWidth(0, 300);
    fgTapes->setColWidth(1, 300);
    for (FlexGrid *grid : {fgMovies, fgTapes})
        for (int c = 0; c < grid->cols(); ++c)
            grid->fitText(c, grid->text(0, c));
    fgMovies->fitText(2, tName(Genres::Count));
}

void frmVidMn::LoadMovies()
{
    const auto movies = m_store.movies();
    if (!movies) {
        fgMovies->setRows(1);
        showDbError(m_windows.ws(), m_store.lastError());
        return;
    }
    QVector<QStringList> records;
    records.reserve(movies->size());
    qint64 highest = 0;
    for (const MovieRow &m : *movies) {
        records.append(movieTexts(m));
        highest = qMax<qint64>(highest, m.movieNum);
    }
    fgMovies->setRecords(std::move(records));
    fgMovies->fitText(0, QString::number(highest));
    // A retired title may hold the next number; the key must stay unique.
    if (const auto free = m_store.freeMovieNum(highest + 1))
        nextMovieNum = *free;
    else
        showDbError(m_windows.ws(), m_store.lastError());
}

QStringList frmVidMn::movieTexts(const MovieRow &m) const
{
    return {QString::number(m.movieNum), m.name,    tName(m.categoryId),          m.actor,
            m.actress,                   m.rating, QString::number(m.priceClass)};
}

void frmVidMn::ShowMovieRow(int row, const MovieRow &m)
{
    fgMovies->setRowTexts(row, movieTexts(m));
}

std::optional<qint32> frmVidMn::currentMovieNum()
{
    if (fgMovies->row() < 1)
        return std::nullopt;
    return Identifier::parse(fgMovies->text(fgMovies->row(), 0));
}

int frmVidMn::movieRowOf(qint32 movieNum) const
{
    const QString number = QString::number(movieNum);
    for (int r = 1; r < fgMovies->rows(); ++r)
        if (fgMovies->text(r, 0) == number)
            return r;
    return 0;
}

void frmVidMn::fgMovies_Click()
{
    cmdEdit->setEnabled(true);
    cmdDelete->setEnabled(true);
    cmdShow->setEnabled(true);
    const int r = fgMovies->row();
    txtName->setText(fgMovies->text(r, 1));
    cmbType->setCurrentIndex(cmbType->findText(fgMovies->text(r, 2)));
    txtActor->setText(fgMovies->text(r, 3));
    txtActress->setText(fgMovies->text(r, 4));
    txtRating->setText(fgMovies->text(r, 5));
    cmbPC->setCurrentIndex(cmbPC->findText(fgMovies->text(r, 6)));
    HideTapes();
}

void frmVidMn::cmdAdd_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (!titleEditOpen()) {
        BeginMovieEdit();
        ClearMovieFields();
        ws.msgBox(QStringLiteral("Please enter the details for the new movie"), Buttons::Ok, Icon::Information,
                  QStringLiteral("Data entry"));
        txtName->setFocus();
        addingMovie = true;
        return;
    }
    auto movie = StoreMovieFields();
    if (!movie)
        return;
    if (addingMovie) {
        const auto number = m_store.addMovie(nextMovieNum, *movie);
        if (!number) {
            showDbError(ws, m_store.lastError());
            return;
        }
        movie->movieNum = *number;
        const int r = fgMovies->rows();
        fgMovies->setRows(r + 1);
        ShowMovieRow(r, *movie);
        fgMovies->fitText(0, QString::number(*number));
        fgMovies->setRow(r);
        nextMovieNum = *number + 1;
    } else {
        movie->movieNum = editMovieNum;
        switch (m_store.changeMovie(editMovieNum, *movie)) {
        case Outcome::Done:
            if (const int r = movieRowOf(editMovieNum))
                ShowMovieRow(r, *movie);
            break;
        case Outcome::Gone:
            ws.msgBox(QStringLiteral("This movie has been marked as deleted meanwhile, so the changes were not "
                                     "stored."),
                      Buttons::Ok, Icon::Exclamation, QStringLiteral("Data entry"));
            break;
        default:
            showDbError(ws, m_store.lastError());
            return;
        }
    }
    EndMovieEdit();
}

std::optional<MovieRow> frmVidMn::StoreMovieFields()
{
    WindowSystem &ws = m_windows.ws();
    if (txtName->text().trimmed().isEmpty()) {
        ws.msgBox(QStringLiteral("Type the movie's name in the Name box."), Buttons::Ok, Icon::Exclamation,
                  QStringLiteral("Data entry"));
        txtName->setFocus();
        return std::nullopt;
    }
    if (cmbPC->currentIndex() < 0) {
        ws.msgBox(QStringLiteral("Choose the movie's price class in the PC box: 1 = new release, 2 = regular, "
                                 "3 = discount or specialty."),
                  Buttons::Ok, Icon::Exclamation, QStringLiteral("Data entry"));
        cmbPC->setFocus();
        return std::nullopt;
    }
    MovieRow m;
    m.name = txtName->text();
    m.categoryId = cmbType->currentIndex() + 1;
    m.actor = txtActor->text();
    m.actress = txtActress->text();
    m.rating = txtRating->text();
    m.priceClass = cmbPC->currentIndex() + 1;
    return m;
}

void frmVidMn::cmdEdit_Click()
{
    if (titleEditOpen()) {
        EndMovieEdit();
        return;
    }
    const auto number = currentMovieNum();
    if (!number) {
        m_windows.ws().msgBox(QStringLiteral("Click a movie in the list first."), Buttons::Ok, Icon::Exclamation,
                              QStringLiteral("Data entry"));
        return;
    }
    editMovieNum = *number;
    BeginMovieEdit();
    m_windows.ws().msgBox(QStringLiteral("Enter your changes"), Buttons::Ok, Icon::Information,
                          QStringLiteral("Data entry"));
    addingMovie = false;
}

void frmVidMn::BeginMovieEdit()
{
    for (QWidget *w : std::initializer_list<QWidget *>{txtName, txtActor, txtActress, txtRating, cmbType, cmbPC})
        w->setEnabled(true);
    cmdAdd->setText(QStringLiteral("Save"));
    cmdEdit->setText(QStringLiteral("Cancel"));
    cmdEdit->setEnabled(true);
    cmdDelete->setEnabled(false);
    fgMovies->setInUse(false);
}

void frmVidMn::EndMovieEdit()
{
    // A tape edit still open keeps the title list out of use.
    fgMovies->setInUse(!tapeEditOpen());
    for (QWidget *w : std::initializer_list<QWidget *>{txtName, txtActor, txtActress, txtRating, cmbType, cmbPC})
        w->setEnabled(false);
    cmdAdd->setText(QStringLiteral("Add Movie"));
    cmdEdit->setText(QStringLiteral("Edit Details"));
    cmdDelete->setEnabled(true);
    cmdShow->setEnabled(true);
}

void frmVidMn::ClearMovieFields()
{
    txtName->clear();
    txtActor->clear();
    txtActress->clear();
    txtRating->clear();
    cmbType->setCurrentIndex(-1);
    cmbPC->setCurrentIndex(-1);
}

void frmVidMn::cmdDelete_Click()
{
    WindowSystem &ws = m_windows.ws();
    const auto number = currentMovieNum();
    if (!number) {
        ws.msgBox(QStringLiteral("Click a movie in the list first."), Buttons::Ok, Icon::Exclamation,
                  QStringLiteral("Confirm Delete"));
        return;
    }
    const QString name = txtName->text();
    if (ws.msgBox(QStringLiteral("Are you sure you want to delete the movie") + Crlf + name + u'?', Buttons::YesNo,
                  Icon::Question, QStringLiteral("Confirm Delete"))
        != Answer::Yes)
        return;
    int tapesOut = 0;
    const Outcome outcome = m_store.retireMovie(*number, tapesOut);
    const QString out = (tapesOut == 1 ? QStringLiteral("%1 tape of %2 is out on rental. The movie can be marked as "
                                                        "deleted once it is back.")
                                       : QStringLiteral("%1 tapes of %2 are out on rental. The movie can be marked as "
                                                        "deleted once they are all back."))
                            .arg(tapesOut)
                            .arg(name);
    if (retirementEnded(outcome, name, out, QStringLiteral("Confirm Delete")))
        fgMovies->removeItem(movieRowOf(*number));
}

bool frmVidMn::retirementEnded(Outcome outcome, const QString &name, const QString &tapesOut, const QString &title)
{
    WindowSystem &ws = m_windows.ws();
    switch (outcome) {
    case Outcome::Done:
        showRetired(ws, name);
        return true;
    case Outcome::Gone:
        // Marked as deleted elsewhere meanwhile: it leaves the list all the same.
        return true;
    case Outcome::TapesOut:
        ws.msgBox(tapesOut, Buttons::Ok, Icon::Exclamation, title);
        return false;
    case Outcome::Failed:
        break;
    }
    showDbError(ws, m_store.lastError());
    return false;
}

void frmVidMn::cmdReturn_Click()
{
    m_windows.showMainMenu();
    hide();
}

void frmVidMn::cmdShow_Click()
{
    if (tapesListed()) {
        HideTapes();
        return;
    }
    const auto number = currentMovieNum();
    if (!number) {
        m_windows.ws().msgBox(QStringLiteral("Click a movie in the list first."), Buttons::Ok, Icon::Exclamation,
                              QStringLiteral("Show Tapes"));
        return;
    }
    selMovieNum = QString::number(*number);
    ListTapes();
    cmdShow->setText(QStringLiteral("Hide Tapes"));
    fgTapes->setInUse(!tapeEditOpen());
    cmdTools->setEnabled(true);
    cmdAddT->setEnabled(true);
}

void frmVidMn::ListTapes()
{
    const auto tapes = m_store.tapes(selMovieNum.toInt());
    if (!tapes) {
        fgTapes->setRows(1);
        showDbError(m_windows.ws(), m_store.lastError());
        return;
    }
    fgTapes->setRows(int(tapes->size()) + 1);
    nextCopyNumber = 1;
    int r = 1;
    for (const TapeRow &t : *tapes) {
        ShowTapeRow(r++, t.videoId, t.copyNumber, t.fields);
        if (nextCopyNumber <= t.copyNumber)
            nextCopyNumber = t.copyNumber + 1;
    }
    fitTapeNumbers();
    if (tapeEditOpen())
        fgTapes->setRow(tapeRowOf(editVideoID));
}

void frmVidMn::ShowTapeRow(int row, qint32 videoId, qint32 copyNumber, const TapeFields &t)
{
    fgTapes->setRowTexts(row, {QString::number(copyNumber), QString::number(videoId), yesNo(t.forRent),
                               yesNo(t.forSale), yesNo(t.inStore), t.salePrice.toPlainCents()});
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
    cmdShow->setText(QStringLiteral("Show Tapes"));
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
        ws.inputBox(QStringLiteral("How many tapes of ") + txtName->text() + QStringLiteral(" are being added?"),
                    QStringLiteral("Tape Add"), QStringLiteral("1"));
    if (answer.trimmed().isEmpty())
        return;
    const auto count = Identifier::parse(answer);
    if (!count) {
        showInvalidNumber(ws, QStringLiteral("number of tapes"), answer);
        return;
    }
    if (*count > MostTapesAtOnce) {
        ws.msgBox(QStringLiteral("At most %1 tapes can be added at once.").arg(QLocale(QLocale::English).toString(
                      MostTapesAtOnce)),
                  Buttons::Ok, Icon::Exclamation, QStringLiteral("Tape Add"));
        return;
    }
    chkRent->setChecked(true);
    chkSale->setChecked(false);
    chkIn->setChecked(true);
    txtSalePrice->setText(NewTapePrice);
    if (*count == 0)
        return;

    const TapeFields fields{true, false, true, *Money::parse(NewTapePrice)};
    Outcome outcome;
    const auto first = m_store.addTapes(selMovieNum.toInt(), nextVideoID, nextCopyNumber, *count, fields, outcome);
    if (!first) {
        if (outcome == Outcome::Gone)
            ws.msgBox(QStringLiteral("This movie has been marked as deleted, so no tapes were added."), Buttons::Ok,
                      Icon::Exclamation, QStringLiteral("Tape Add"));
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
}

void frmVidMn::cmdChange_Click()
{
    WindowSystem &ws = m_windows.ws();
    if (!tapeEditOpen()) {
        const int r = fgTapes->row();
        if (r < 1) {
            ws.msgBox(QStringLiteral("Click a tape in the list first."), Buttons::Ok, Icon::Exclamation,
                      QStringLiteral("Tape details"));
            return;
        }
        cmdChange->setText(QStringLiteral("Save"));
        cmdDelTape->setText(QStringLiteral("Cancel"));
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
        ws.msgBox(QStringLiteral("Please enter the tape details"), Buttons::Ok, Icon::Information,
                  QStringLiteral("Tape details"));
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
        ws.msgBox(QStringLiteral("Tape %1 is out on rental. It is marked in the store when it is returned.")
                      .arg(editVideoID),
                  Buttons::Ok, Icon::Exclamation, QStringLiteral("Tape details"));
        break;
    case Outcome::Gone:
        ws.msgBox(QStringLiteral("Tape %1 has been marked as deleted meanwhile, so the changes were not stored.")
                      .arg(editVideoID),
                  Buttons::Ok, Icon::Exclamation, QStringLiteral("Tape details"));
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
        showInvalidAmount(m_windows.ws(), QStringLiteral("sale price"), txtSalePrice->text());
        txtSalePrice->setFocus();
        return std::nullopt;
    }
    return TapeFields{chkRent->isChecked(), chkSale->isChecked(), chkIn->isChecked(), *price};
}

void frmVidMn::EndTapeEdit()
{
    for (QWidget *w : std::initializer_list<QWidget *>{chkRent, chkSale, chkIn, txtSalePrice})
        w->setEnabled(false);
    cmdChange->setText(QStringLiteral("Change Tape"));
    cmdDelTape->setText(QStringLiteral("Delete Tape"));
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
        ws.msgBox(QStringLiteral("Click a tape in the list first."), Buttons::Ok, Icon::Exclamation,
                  QStringLiteral("Delete Tape"));
        return;
    }
    const QString number = QString::number(*id);
    if (ws.msgBox(QStringLiteral("Are you sure you want to delete video ") + number + u'?', Buttons::YesNo,
                  Icon::Question)
        != Answer::Yes)
        return;
    const QString out = QStringLiteral("Tape %1 is out on rental. It can be marked as deleted once it is back.");
    if (retirementEnded(m_store.retireTape(*id), number, out.arg(number), QStringLiteral("Delete Tape")))
        fgTapes->removeItem(tapeRowOf(*id));
}

void frmVidMn::cmdTools_Click()
{
    mnuTools->popup(cmdTools->mapToGlobal(QPoint(0, cmdTools->height())));
}

void frmVidMn::mnuTool_Click(TapeMark mark)
{
    const bool done = mark == TapeMark::ForSale ? saleDialog().MarkSales()
                    : mark == TapeMark::NotForSale ? rangeDialog().marknosale()
                    : mark == TapeMark::ForRent   ? rangeDialog().markrent()
                                                  : rangeDialog().marknorent();
    if (done)
        m_windows.ws().msgBox(QStringLiteral("The changes have been made"), Buttons::Ok, Icon::Information,
                              QStringLiteral("Tool tape changes"));
}

bool frmVidMn::markRange(qint32 first, qint32 last, TapeMark mark, Money price)
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
        return true;
    if (!m_store.markTapes(ids, mark, price)) {
        showDbError(m_windows.ws(), m_store.lastError());
        return false;
    }
    for (const int r : rows) {
        switch (mark) {
        case TapeMark::ForSale:
            fgTapes->setText(r, 3, True);
            fgTapes->setText(r, 5, price.toPlainCents());
            break;
        case TapeMark::NotForSale: fgTapes->setText(r, 3, False); break;
        case TapeMark::ForRent: fgTapes->setText(r, 2, True); break;
        case TapeMark::NotForRent: fgTapes->setText(r, 2, False); break;
        }
    }
    return true;
}
