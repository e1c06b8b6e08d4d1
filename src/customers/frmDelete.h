#pragma once

#include "customers/CustomerLookupForm.h"

// Retires a member who owes nothing: the row stays, marked deleted.
class frmDelete final : public CustomerLookupForm
{
    Q_OBJECT

public:
    explicit frmDelete(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmDelete)

    QLabel *Label12;
    QLineEdit *txtbal;
    QPushButton *cmdDisplay, *cmdDelete, *cmdClearAll, *frmReturn;

    void cmdDelete_Click();
    void cmdClearAll_Click();
    void frmReturn_Click();

protected:
    void memberShown(const MemberRow &row) override;
    void closeBox() override { frmReturn_Click(); }

private:
    void enableCommands(bool enabled);
    void refuseOwing();
};
