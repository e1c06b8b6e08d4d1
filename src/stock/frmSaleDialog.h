#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class WindowSystem;
class frmVidMn;

// Asks for a range of copy numbers and a price, and marks the listed copies
// in that range for sale at it.
class frmSaleDialog final : public Form
{
    Q_OBJECT

public:
    frmSaleDialog(frmVidMn &vidMn, WindowSystem &ws);
    Q_DISABLE_COPY_MOVE(frmSaleDialog)

    QLabel *Label1, *Label2, *Label3;
    QLineEdit *Text1, *Text2, *Text3;
    QPushButton *Command1;

    // False when the tool was cancelled or refused and nothing changed.
    bool MarkSales();

protected:
    void Form_Activate() override;
    // Closing by the frame cancels the tool.
    void closeBox() override { done(Rejected); }

public slots:
    void reject() override { done(Rejected); }

private:
    frmVidMn &m_vidMn;
    WindowSystem &m_ws;
};
