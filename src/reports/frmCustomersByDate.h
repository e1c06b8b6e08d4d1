#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class WindowRegistry;

// Asks for a range of sales dates and shows who bought something in it.
class frmCustomersByDate final : public Form
{
    Q_OBJECT

public:
    explicit frmCustomersByDate(WindowRegistry &windows);
    Q_DISABLE_COPY_MOVE(frmCustomersByDate)

    QLabel *Label1, *Label4, *Label2, *Label3, *Image1;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *cmdReturn;

    void Text2_Change();
    void Command1_Click();
    void cmdReturn_Click();

    // The refusal for a beginning after the ending.
    static QString rangeMessage();

protected:
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowRegistry &m_windows;
};
