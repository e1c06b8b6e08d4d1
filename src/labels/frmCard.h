#pragma once

#include "labels/LabelStore.h"
#include "ui/Form.h"

class QLabel;
class QPushButton;
class WindowContext;

// A member's card, shown as it will come out, to print or save as a PDF
// (readable by its owner only: it names the member).
class frmCard final : public Form
{
    Q_OBJECT

public:
    explicit frmCard(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmCard)

    QLabel *lblMember, *picCard;
    QPushButton *cmdPdf, *cmdPrint, *cmdClose;

    // Shows member `number`'s card until it is made or the window closed;
    // a member with no card is refused in a box instead.
    void offer(qint32 number);

    void cmdPdf_Click();
    void cmdPrint_Click();

protected:
    void closeBox() override { done(Rejected); }

public slots:
    void reject() override { done(Rejected); }

private:
    WindowContext &m_windows;
    LabelStore m_store;
    MemberCard m_card;
    PrintPages m_pages;
};
