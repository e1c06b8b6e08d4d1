#pragma once

#include "data/Ledger.h"
#include "data/Money.h"
#include "ui/Form.h"

#include <QList>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WindowContext;

// The day's cash-up: the manager counts a counter's drawer, sees at once how
// it compares with what the ledger says should be in it, and records the
// count in the ledger. A second count of the same day stands beside the
// first.
class frmCashUp final : public Form
{
    Q_OBJECT

public:
    explicit frmCashUp(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmCashUp)

    // Bills and coins, largest first, in cents.
    static const QList<int> &denominations();

    QLabel *Image1, *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
        *Label11, *lblDifference;
    QLineEdit *txtDate, *txtFloat, *txtCounted, *txtTaken, *txtChange, *txtFees, *txtExpected, *txtDifference;
    QComboBox *cmbCounter;
    QCheckBox *chkDenominations;
    QGroupBox *fraCount, *fraDenominations, *fraFigures;
    QList<QLineEdit *> txtDenomination; // one per denomination, in the same order
    QListWidget *lstCounts;
    QPushButton *cmdRecord, *cmdReturn;

    // Reads the counter's drawer for the day in the boxes again.
    void Refresh();
    // Works the difference out from the boxes as they stand.
    void ShowDifference();
    void chkDenominations_Click();
    void cmdRecord_Click();
    void cmdReturn_Click();

    // The cash counted as the boxes give it; nullopt when a box does not hold
    // an amount (or a count).
    std::optional<Money> counted() const;

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    // The count by denomination, for the ledger: "100x2 0.25x8".
    QString denominationNote() const;

    WindowContext &m_windows;
    std::optional<LedgerStore> m_store;
    // The drawer as last read; empty until read, or when reading failed.
    std::optional<Drawer> m_drawer;
};
