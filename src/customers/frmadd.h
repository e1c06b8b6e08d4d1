#pragma once

#include "customers/CustomerStore.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class WindowContext;

// Registers a new member under a number the window proposes.
class frmadd final : public Form
{
    Q_OBJECT

public:
    explicit frmadd(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmadd)

    QLabel *Image1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11;
    QLineEdit *txtMemb, *txtLast, *txtFirst, *txtAddr, *txtCity, *txtPostal, *txtHphone, *txtBPhone, *txtCell,
        *txtDLNum, *txtOtherName, *txtON2, *txtON3;
    QPushButton *cmdAdd, *cmdClearAll, *cmdReturn;
    // The card of the member just added; off until a member is added.
    QPushButton *cmdCard;
    // What the last add did: the new member's number, and other members
    // with the same home phone.
    QLabel *lblAdded;

    void cmdAdd_Click();
    void cmdClearAll_Click();
    void cmdReturn_Click();
    void cmdCard_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    void Form_Load();
    // True when last name, first name and home phone hold text; otherwise
    // the clerk is told which is missing.
    bool requiredDetailsGiven();
    void fillPlaceholders();
    void proposeFreeNumber(qint32 taken);
    void confirmAdded(const MemberRow &m);

    WindowContext &m_windows;
    CustomerStore m_store;
    bool m_loaded = false;
    bool m_added = false;
    qint32 m_addedNumber = 0;
};
