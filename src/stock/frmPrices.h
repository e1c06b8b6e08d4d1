#pragma once

#include "data/Pricing.h"
#include "ui/Form.h"

#include <QList>

#include <array>
#include <optional>

class FlexGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowContext;

// The manager sets what the store charges: per price class its name,
// rental fee, rental period and late fee a day, and the two taxes' names and
// rates, each change in force from a day given (today or later). Every
// change is kept, with the ones before it, in the history under the boxes.
class frmPrices final : public Form
{
    Q_OBJECT

public:
    explicit frmPrices(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmPrices)

    QLabel *Image1, *Label1, *Label2, *Label3, *lblHistory;
    QLineEdit *txtFrom;
    QGroupBox *fraClasses, *fraTaxes;
    // One of each per price class (1 to 3) and per tax (1 and 2), in order.
    std::array<QLineEdit *, Pricing::Classes> txtClassName, txtFee, txtDays, txtLateFee;
    std::array<QLineEdit *, Pricing::Taxes> txtTaxName, txtRate;
    FlexGrid *fgHistory;
    QPushButton *cmdSave, *cmdReturn;

    // The boxes as the prices stand on the day in "In force from", and the
    // history read again.
    void Refresh();
    void cmdSave_Click();
    void cmdReturn_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    // The changes the boxes make to `shown`, each from `from`; nullopt when
    // a box does not hold a value (the manager has been told which).
    std::optional<QList<PriceChange>> typedChanges(const Rates &shown, QDate from);
    void showHistory();

    WindowContext &m_windows;
    std::optional<PriceStore> m_store;
};
