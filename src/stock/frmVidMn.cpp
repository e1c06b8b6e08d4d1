#include "frmVidMn.h"

#include "data/Genres.h"
#include "labels/frmLabels.h"
#include "stock/frmRangeDialog.h"
#include "stock/frmSaleDialog.h"
#include "ui/Controls.h"
#include "ui/FlexGrid.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

frmVidMn::frmVidMn(WindowContext &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmVidMn"));
    setWindowTitle(tr("Video Management"));

    auto *layout = new QVBoxLayout(this);
    MenuBar = named(new QMenuBar(this), "MenuBar");
    mnuTools = named(MenuBar->addMenu(tr("Tools")), "mnuTools");
    const char *const tools[] = {QT_TR_NOOP("Mark for sale"), QT_TR_NOOP("Mark not for sale"), QT_TR_NOOP("Mark for rent"),
                                  QT_TR_NOOP("Mark not for rent")};
    QAction **items[] = {&mnuTool1, &mnuTool2, &mnuTool3, &mnuTool4};
    for (int i = 0; i < 4; ++i) {
        *items[i] = mnuTools->addAction(tr(tools[i]));
        (*items[i])->setObjectName(QStringLiteral("mnuTool%1").arg(i + 1));
        const auto mark = static_cast<TapeMark>(i);
        connect(*items[i], &QAction::triggered, this, [this, mark] { mnuTool_Click(mark); });
    }
    layout->setMenuBar(MenuBar);

    auto *top = new QHBoxLayout;
    Image1 = Pictures::makeImage1(this);
    Label1 = label(this, "Label1", tr("Video management center"));
    QFont heading(QStringLiteral("MS Sans Serif"), 12);
    Label1->setFont(heading);
    cmdReturn = button(this, "cmdReturn", tr("Return"));
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

    setCancelButton(cmdReturn);
    connect(cmdReturn, &QPushButton::clicked, this, &frmVidMn::cmdReturn_Click);
    SetGridHeaders();
}

frmVidMn::~frmVidMn() = default;

QString frmVidMn::tName(int index) const
{
    return Genres::shownName(index);
}

frmSaleDialog &frmVidMn::saleDialog()
{
    if (!m_saleDialog)
        m_saleDialog = std::make_unique<frmSaleDialog>(m_windows.ws());
    return *m_saleDialog;
}

frmRangeDialog &frmVidMn::rangeDialog()
{
    if (!m_rangeDialog)
        m_rangeDialog = std::make_unique<frmRangeDialog>(m_windows.ws());
    return *m_rangeDialog;
}

frmLabels &frmVidMn::labelsDialog()
{
    if (!m_labelsDialog)
        m_labelsDialog = std::make_unique<frmLabels>(m_windows);
    return *m_labelsDialog;
}

bool frmVidMn::titleEditOpen() const { return cmdAdd->text() == tr("Save"); }
bool frmVidMn::tapeEditOpen() const { return cmdChange->text() == tr("Save"); }
bool frmVidMn::tapesListed() const { return cmdShow->text() == tr("Hide Tapes"); }

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
    fgMovies->setRowTexts(0, {tr("#", "title number"), tr("Name"), tr("Type", "genre"), tr("Actor"), tr("Actress"),
                              tr("Rating"), tr("PC", "price class")});
    fgMovies->setColWidth(0, 240);
    fgMovies->setColWidth(2, 720);
    fgMovies->setColWidth(4, 800);
    fgMovies->setColWidth(5, 600);
    fgMovies->setColWidth(6, 300);

    fgTapes->clear();
    fgTapes->setRowTexts(0, {tr("CN", "copy number"), tr("ID", "tape number"), tr("For Rent"), tr("For Sale"),
                             tr("In store"), tr("Sale price")});
    fgTapes->setColWidth(0, 300);
    fgTapes->setColWidth(1, 300);
    for (FlexGrid *grid : {fgMovies, fgTapes})
        for (int c = 0; c < grid->cols(); ++c)
            grid->fitText(c, grid->text(0, c));
    for (int genre = 1; genre <= Genres::Count; ++genre)
        fgMovies->fitText(2, tName(genre));
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
