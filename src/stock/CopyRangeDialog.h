#pragma once

#include "data/Money.h"
#include "ui/Form.h"

#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowSystem;

// What a range tool acts on: the listed copies from copy number `first` to
// `last`, and the sale price it sets when it marks them for sale.
struct CopyRange
{
    qint32 first = 0;
    qint32 last = 0;
    Money price;
};

// What the range tools' dialogs share: the first and last copy number, an
// "Enter" button, empty boxes on every showing, and Cancel, Esc or the
// frame's close box cancelling the tool. A dialog only asks; the window that opened it applies
// what was chosen.
class CopyRangeDialog : public Form
{
    Q_OBJECT

public:
    QLabel *Label1, *Label2;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *cmdCancel;

protected:
    CopyRangeDialog(WindowSystem &ws, const char *objectName, const QString &caption);

    // Shows the dialog modally; the range typed, or nullopt when it was
    // cancelled or a bound is not a whole number (the manager told why).
    std::optional<CopyRange> askRange();
    // Adds a further box below the copy numbers.
    void addField(QLabel *caption, QLineEdit *box);

    void Form_Activate() override;
    void closeBox() override { done(Rejected); }

public slots:
    void reject() override { done(Rejected); }

protected:
    WindowSystem &m_ws;

private:
    QGridLayout *m_fields;
};
