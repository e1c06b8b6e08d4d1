#pragma once

#include "counter/StoreDetails.h"
#include "ui/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class WindowContext;

// The manager gives what every receipt says of the store: its name,
// address, phone, GST and PST registration numbers, and the paper the
// counter's receipts are printed on; and how long holds are kept.
class frmStoreDetails final : public Form
{
    Q_OBJECT

public:
    explicit frmStoreDetails(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmStoreDetails)

    QLabel *Image1, *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label10;
    QLineEdit *txtStoreName, *txtPhone, *txtGSTNumber, *txtPSTNumber, *txtHoldDays;
    QPlainTextEdit *txtAddress;
    QRadioButton *optRoll80, *optLetter;
    QLabel *Label9;
    QComboBox *cmbLanguage;
    QPushButton *cmdSave, *cmdReturn;

    void cmdSave_Click();
    void cmdReturn_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowContext &m_windows;
    StoreDetailsStore m_store;
};
