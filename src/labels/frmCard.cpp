#include "frmCard.h"

#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// The card on screen a little larger than life on most displays.
constexpr double PictureDpi = 150;

} // namespace

frmCard::frmCard(WindowContext &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmCard"));
    setWindowTitle(tr("Membership Card"));
    auto *layout = new QVBoxLayout(this);
    lblMember = label(this, "lblMember", QString());
    layout->addWidget(lblMember);
    picCard = label(this, "picCard", QString());
    picCard->setFrameShape(QFrame::Box);
    picCard->setAlignment(Qt::AlignCenter);
    layout->addWidget(picCard, 0, Qt::AlignHCenter);

    cmdPdf = button(this, "cmdPdf", tr("Save as P&DF..."));
    cmdPrint = button(this, "cmdPrint", tr("&Print..."));
    cmdClose = button(this, "cmdClose", tr("Close"));
    auto *commands = new QHBoxLayout;
    commands->addStretch();
    for (QPushButton *b : {cmdPdf, cmdPrint, cmdClose})
        commands->addWidget(b);
    layout->addLayout(commands);
    setDefaultButton(cmdPrint);
    setCancelButton(cmdClose);
    tabOrder({cmdPdf, cmdPrint, cmdClose});

    connect(cmdPdf, &QPushButton::clicked, this, &frmCard::cmdPdf_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCard::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCard::reject);
}

void frmCard::offer(qint32 number)
{
    WindowSystem &ws = m_windows.ws();
    const auto found = m_store.member(number);
    if (found.failed)
        return showDbError(ws, m_store.lastError());
    if (const QString why = Labels::cardRefusal(number, found); !why.isEmpty()) {
        ws.msgBox(why, Buttons::Ok, Icon::Exclamation, windowTitle());
        return;
    }
    m_card = found.row->card;
    m_pages = Labels::card(m_card, found.row->language);
    lblMember->setText(tr("The card of member %1, %2:").arg(m_card.member).arg(m_card.name));
    picCard->setPixmap(QPixmap::fromImage(Labels::picture(m_pages, 0, PictureDpi)));
    ws.showModal(*this);
}

void frmCard::cmdPdf_Click()
{
    WindowSystem &ws = m_windows.ws();
    const QString file = ws.saveFileName(tr("Save the card"), QStringLiteral("member-card-%1.pdf").arg(m_card.member),
                                         tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!Labels::writePdf(m_pages, file,
                          {m_windows.storePath(), OutputFile::Existing::Replace, OutputFile::Access::OwnerOnly},
                          tr("Membership card %1").arg(m_card.member), &error)) {
        ws.msgBox(error, Buttons::Ok, Icon::Exclamation, windowTitle());
        return;
    }
    ws.msgBox(tr("The card of member %1 was written to %2.").arg(m_card.member).arg(QDir::toNativeSeparators(file)),
              Buttons::Ok, Icon::Information, windowTitle());
    accept();
}

void frmCard::cmdPrint_Click()
{
    const auto printed = Labels::print(m_windows.ws(), m_pages, tr("Membership card %1").arg(m_card.member));
    if (printed == Labels::Printed::Failed)
        m_windows.ws().msgBox(tr("The card could not be printed. Check the printer and try again."), Buttons::Ok,
                              Icon::Exclamation, windowTitle());
    if (printed == Labels::Printed::Done)
        accept();
}
