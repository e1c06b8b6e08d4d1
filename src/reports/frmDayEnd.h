#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class WindowRegistry;

// Asks which day's Day End report to show: today, unless changed.
class frmDayEnd final : public Form
{
    Q_OBJECT

public:
    explicit frmDayEnd(WindowRegistry &windows);
    Q_DISABLE_COPY_MOVE(frmDayEnd)

    QLabel *Label1, *Label2, *Image1;
    QLineEdit *txtDate;
    QPushButton *Command1, *cmdReturn;

    void Command1_Click();
    void cmdReturn_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowRegistry &m_windows;
};
