#pragma once

#include "reports/ReportLayout.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class WindowContext;

// Asks which day's Day End report to show: today, unless changed.
class frmDayEnd final : public Form
{
    Q_OBJECT

public:
    explicit frmDayEnd(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmDayEnd)

    QLabel *Label1, *Label2, *Image1;
    QLineEdit *txtDate;
    QPushButton *Command1, *cmdReturn;

    void Command1_Click();
    void cmdReturn_Click();

signals:
    // The report to show with its parameters; whoever owns the report
    // windows shows it.
    void reportWanted(ReportId id, const QVariantList &parameters);

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowContext &m_windows;
};
