#pragma once

#include "ui/Form.h"

#include <optional>
#include <utility>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowSystem;
class frmVidMn;

// What the range tools' dialogs share: the first and last copy number, an
// "Enter" button, empty boxes on every showing, and the frame's close box
// cancelling the tool.
class CopyRangeDialog : public Form
{
    Q_OBJECT

public:
    QLabel *Label1, *Label2;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1;

protected:
    CopyRangeDialog(frmVidMn &vidMn, WindowSystem &ws, const char *objectName, const char *caption);

    // Shows the dialog modally; the range typed, or nullopt when it was
    // cancelled or a bound is not a whole number (the manager told why).
    std::optional<std::pair<qint32, qint32>> askRange();
    // Adds a further box below the copy numbers.
    void addField(QLabel *caption, QLineEdit *box);

    void Form_Activate() override;
    void closeBox() override { done(Rejected); }

public slots:
    void reject() override { done(Rejected); }

protected:
    frmVidMn &m_vidMn;
    WindowSystem &m_ws;

private:
    QGridLayout *m_fields;
};
