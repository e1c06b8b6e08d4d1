#pragma once

#include "stock/CatalogueStore.h"
#include "ui/Form.h"

#include <optional>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;
class WindowSystem;
class frmVidMn;

// Asks for a range of copy numbers and marks the listed copies in it for
// rent, not for rent or not for sale. Each routine returns false when the
// tool was cancelled or refused and nothing changed.
class frmRangeDialog final : public Form
{
    Q_OBJECT

public:
    frmRangeDialog(frmVidMn &vidMn, WindowSystem &ws);
    Q_DISABLE_COPY_MOVE(frmRangeDialog)

    QLabel *Label1, *Label2;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1;

    bool marknosale() { return mark(TapeMark::NotForSale); }
    bool markrent() { return mark(TapeMark::ForRent); }
    bool marknorent() { return mark(TapeMark::NotForRent); }

    // The first and last copy number typed; nullopt, with the manager told
    // why, when either is not a whole number.
    static std::optional<std::pair<qint32, qint32>> readRange(WindowSystem &ws, const QLineEdit &first,
                                                              const QLineEdit &last);

protected:
    void Form_Activate() override;
    // Closing by the frame cancels the tool.
    void closeBox() override { done(Rejected); }

public slots:
    void reject() override { done(Rejected); }

private:
    bool mark(TapeMark mark);

    frmVidMn &m_vidMn;
    WindowSystem &m_ws;
};
