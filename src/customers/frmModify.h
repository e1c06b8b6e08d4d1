#pragma once

#include "customers/CustomerLookupForm.h"

// Changes a member's details: look the member up, edit the boxes, Modify.
class frmModify final : public CustomerLookupForm
{
    Q_OBJECT

public:
    explicit frmModify(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmModify)

    QPushButton *cmdDispaly, *cmdModify, *cmdClearAll, *cmdReturn;

    void cmdModify_Click();
    void cmdClearAll_Click();
    void cmdReturn_Click();

protected:
    void closeBox() override { cmdReturn_Click(); }
};
