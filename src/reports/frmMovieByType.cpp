#include "frmMovieByType.h"

#include "ui/Controls.h"
#include "ui/Pictures.h"
#include "ui/WindowContext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmMovieByType::frmMovieByType(WindowContext &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmMovieByType"));
    setWindowTitle(tr("Movie By Type"));

    Image1 = Pictures::makeImage1(this);
    Label1 = Controls::label(this, "Label1", tr("Select A Movie By Type:"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    Label1->setFont(bold);
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *options = new QVBoxLayout(Frame1);
    const char *const captions[] = {QT_TR_NOOP("Action"), QT_TR_NOOP("Sci-fi"), QT_TR_NOOP("Drama"),
                                    QT_TR_NOOP("Comedy"), QT_TR_NOOP("Horror && Thriller")};
    for (int i = 0; i < 5; ++i) {
        auto *o = new QRadioButton(tr(captions[i]), Frame1);
        o->setObjectName(QStringLiteral("MyOpt%1").arg(i));
        options->addWidget(o);
        MyOpt << o;
        connect(o, &QRadioButton::clicked, this, [this, i] { MyOpt_Click(i); });
    }
    Command1 = Controls::button(this, "Command1", tr("&Show Report"));
    cmdReturn = Controls::button(this, "cmdReturn", tr("Return"));
    Controls::commandSize({Command1, cmdReturn});

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(10);
    grid->addWidget(Image1, 0, 0, Qt::AlignLeft);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Frame1, 2, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(cmdReturn);
    grid->addLayout(buttons, 3, 0);
    // Wider where the captions need it (in French).
    setFixedWidth(std::max(340, minimumSizeHint().width()));

    setDefaultButton(Command1);
    setCancelButton(cmdReturn);
    connect(Command1, &QPushButton::clicked, this, &frmMovieByType::Command1_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmMovieByType::cmdReturn_Click);
}

void frmMovieByType::MyOpt_Click(int index)
{
    m_genre = index >= 0 && index < 5 ? QString::number(index + 1) : QString();
}

void frmMovieByType::Command1_Click()
{
    if (m_genre.isEmpty())
        return;
    emit reportWanted(ReportId::MoviesByType, {m_genre.toInt()});
}

void frmMovieByType::cmdReturn_Click()
{
    hide();
    m_windows.showMainMenu();
}
