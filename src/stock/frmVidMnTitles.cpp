// Video management's upper half: the catalogue of titles, and a title added,
// changed or retired.

#include "frmVidMn.h"

#include "data/Genres.h"
#include "data/Identifier.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

void frmVidMn::buildTitleHalf(QWidget *half)
{
    auto *row = new QHBoxLayout;
    fgMovies = named(new FlexGrid(half), "fgMovies");
    fgMovies->setCols(7);
    // The grid's default width, which Name and Actor keep, fits a title.
    fgMovies->horizontalHeader()->setDefaultSectionSize(170);
    fgMovies->setColKind(1, FlexGrid::Text);
    fgMovies->setColKind(3, FlexGrid::Text);
    fgMovies->setColKind(4, FlexGrid::Text);
    fgMovies->setToolTip(tr("This flexgrid lists movie titles in the database"));
    row->addWidget(fgMovies, 1);

    auto *fields = new QGridLayout;
    Label2 = label(half, "Label2", tr("Name:"));
    txtName = edit(half, "txtName");
    Label3 = label(half, "Label3", tr("Type:", "genre"));
    cmbType = named(new QComboBox(half), "cmbType");
    for (int genre = 1; genre <= Genres::Count; ++genre)
        cmbType->addItem(tName(genre));
    Label4 = label(half, "Label4", tr("Actor:"));
    txtActor = edit(half, "txtActor");
    Label5 = label(half, "Label5", tr("Actress:"));
    txtActress = edit(half, "txtActress");
    Label6 = label(half, "Label6", tr("Rating:"));
    txtRating = edit(half, "txtRating");
    txtRating->setToolTip(tr("G, PG-13, R, or NC-17 etc..."));
    Label6->setToolTip(txtRating->toolTip());
    Label7 = label(half, "Label7", tr("PC:", "price class"));
    cmbPC = named(new QComboBox(half), "cmbPC");
    cmbPC->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    cmbPC->setToolTip(tr("1 = new release, 2 = regular, 3 = discount or specialty"));
    Label7->setToolTip(cmbPC->toolTip());
    addRow(fields, 0, Label2, txtName);
    addRow(fields, 1, Label3, cmbType);
    addRow(fields, 2, Label4, txtActor);
    addRow(fields, 3, Label5, txtActress);
    addRow(fields, 4, Label6, txtRating);
    addRow(fields, 5, Label7, cmbPC);

    cmdAdd = button(half, "cmdAdd", tr("Add Movie"), tr("Click here to enter a new movie"));
    cmdEdit = button(half, "cmdEdit", tr("Edit Details"), tr("Click here to edit the details of an existing movie."));
    cmdDelete = button(half, "cmdDelete", tr("Delete Movie"));
    cmdShow = button(half, "cmdShow", tr("Show Tapes"), tr("Click here to show the tapes of a given movie"));
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
        ws.msgBox(tr("Please enter the details for the new movie"), Buttons::Ok, Icon::Information, tr("Data entry"));
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
            ws.msgBox(tr("This movie has been marked as deleted meanwhile, so the changes were not stored."),
                      Buttons::Ok, Icon::Exclamation, tr("Data entry"));
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
        ws.msgBox(tr("Type the movie's name in the Name box."), Buttons::Ok, Icon::Exclamation, tr("Data entry"));
        txtName->setFocus();
        return std::nullopt;
    }
    if (cmbPC->currentIndex() < 0) {
        ws.msgBox(tr("Choose the movie's price class in the PC box: 1 = new release, 2 = regular, "
                     "3 = discount or specialty."),
                  Buttons::Ok, Icon::Exclamation, tr("Data entry"));
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
        m_windows.ws().msgBox(tr("Click a movie in the list first."), Buttons::Ok, Icon::Exclamation, tr("Data entry"));
        return;
    }
    editMovieNum = *number;
    BeginMovieEdit();
    m_windows.ws().msgBox(tr("Enter your changes"), Buttons::Ok, Icon::Information, tr("Data entry"));
    addingMovie = false;
}

void frmVidMn::BeginMovieEdit()
{
    for (QWidget *w : std::initializer_list<QWidget *>{txtName, txtActor, txtActress, txtRating, cmbType, cmbPC})
        w->setEnabled(true);
    cmdAdd->setText(tr("Save"));
    cmdEdit->setText(tr("Cancel"));
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
    cmdAdd->setText(tr("Add Movie"));
    cmdEdit->setText(tr("Edit Details"));
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
        ws.msgBox(tr("Click a movie in the list first."), Buttons::Ok, Icon::Exclamation, tr("Confirm Delete"));
        return;
    }
    const QString name = txtName->text();
    if (ws.msgBox(tr("Are you sure you want to delete the movie\r\n%1?").arg(name), Buttons::YesNo, Icon::Question,
                  tr("Confirm Delete"))
        != Answer::Yes)
        return;
    int tapesOut = 0;
    const Outcome outcome = m_store.retireMovie(*number, tapesOut);
    const QString out =
        (tapesOut == 1 ? tr("%1 tape of %2 is out on rental. The movie can be marked as deleted once it is back.")
                       : tr("%1 tapes of %2 are out on rental. The movie can be marked as deleted once they are all "
                            "back."))
            .arg(tapesOut)
            .arg(name);
    if (retirementEnded(outcome, name, out, tr("Confirm Delete")))
        fgMovies->removeItem(movieRowOf(*number));
}

void frmVidMn::cmdShow_Click()
{
    if (tapesListed()) {
        HideTapes();
        return;
    }
    const auto number = currentMovieNum();
    if (!number) {
        m_windows.ws().msgBox(tr("Click a movie in the list first."), Buttons::Ok, Icon::Exclamation, tr("Show Tapes"));
        return;
    }
    selMovieNum = QString::number(*number);
    ListTapes();
    cmdShow->setText(tr("Hide Tapes"));
    fgTapes->setInUse(!tapeEditOpen());
    cmdTools->setEnabled(true);
    cmdAddT->setEnabled(true);
}
