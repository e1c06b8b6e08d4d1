#include "frmRangeDialog.h"

#include "data/Identifier.h"
#include "stock/frmVidMn.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowSystem.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

frmRangeDialog::frmRangeDialog(frmVidMn &vidMn, WindowSystem &ws)
    : m_vidMn(vidMn)
    , m_ws(ws)
{
    setObjectName(QStringLiteral("frmRangeDialog"));
    setWindowTitle(QStringLiteral("Range dialog"));
    auto *grid = new QGridLayout(this);
    Label1 = label(this, "Label1", "Enter starting copy number:");
    Text1 = edit(this, "Text1");
    Label2 = label(this, "Label2", "Enter last copy number:");
    Text2 = edit(this, "Text2");
    Command1 = button(this, "Command1", "Enter");
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(Command1, 2, 1, Qt::AlignRight);
    setDefaultButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void frmRangeDialog::Form_Activate()
{
    Text1->clear();
    Text2->clear();
    Text1->setFocus();
}

std::optional<std::pair<qint32, qint32>> frmRangeDialog::readRange(WindowSystem &ws, const QLineEdit &first,
                                                                   const QLineEdit &last)
{
    const auto from = Identifier::parse(first.text());
    if (!from) {
        showInvalidNumber(ws, QStringLiteral("starting copy number"), first.text());
        return std::nullopt;
    }
    const auto to = Identifier::parse(last.text());
    if (!to) {
        showInvalidNumber(ws, QStringLiteral("last copy number"), last.text());
        return std::nullopt;
    }
    return std::pair{*from, *to};
}

bool frmRangeDialog::mark(TapeMark mark)
{
    if (m_ws.showModal(*this) != Accepted)
        return false;
    const auto range = readRange(m_ws, *Text1, *Text2);
    return range && m_vidMn.markRange(range->first, range->second, mark, Money());
}
