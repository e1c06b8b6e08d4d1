#pragma once

#include "reports/ReportLayout.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class WindowContext;

// Asks for a range of sales dates and shows who bought something in it; or,
// made for the Taxes report, the taxes collected over the days of a period.
class frmCustomersByDate final : public Form
{
    Q_OBJECT

public:
    explicit frmCustomersByDate(WindowContext &windows, ReportId report = ReportId::CustomersByDate);
    Q_DISABLE_COPY_MOVE(frmCustomersByDate)

    QLabel *Label1, *Label4, *Label2, *Label3, *Image1;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *cmdReturn;

    void Text2_Change();
    void Command1_Click();
    void cmdReturn_Click();

    // The refusal for a beginning after the ending.
    static QString rangeMessage();

signals:
    // The report to show with its parameters; whoever owns the report
    // windows shows it.
    void reportWanted(ReportId id, const QVariantList &parameters);

protected:
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowContext &m_windows;
    ReportId m_report;
};
