#pragma once

#include "customers/CustomerStore.h"
#include "ui/Form.h"

#include <optional>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowContext;

// What the Modify and Delete Customers windows share: the three key boxes,
// Display Member, and the member's details. Display Member searches on the
// key box whose text changed last, whoever changed it.
class CustomerLookupForm : public Form
{
    Q_OBJECT

public:
    // 0 none, 1 member number, 2 home phone, 3 driver's licence.
    int searchKey = 0;

    QLabel *Image1;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11;
    QLineEdit *txtMemb, *txtHphone, *txtDLNum;
    QLineEdit *txtLast, *txtFirst, *txtAddr, *txtCity, *txtPostal, *txtCell, *txtBPhone, *txtOther1, *txtOther2,
        *txtOther3;

    // The card of the member whose number is in Member ID.
    QPushButton *cmdCard;

    void DisplayMember();
    void cmdCard_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    CustomerLookupForm(WindowContext &windows, const char *objectName, const QString &caption,
                       const char *displayName);

    // After each member the lookup shows.
    virtual void memberShown(const MemberRow &) {}

    // The twelve detail boxes, key boxes included, emptied; focus in Member ID.
    void clearDetails();
    // The twelve detail columns as the boxes hold them.
    MemberRow details() const;
    // The number in Member ID, or nullopt once the clerk has been told why not.
    std::optional<qint32> typedMemberNumber();
    // Tells the clerk that no member has `number`.
    void refuseUnknownMember(qint32 number);
    void showReturn();

    QPushButton *displayButton() const { return m_display; }
    // Where a window puts its own boxes (the free cells right of the other
    // names) and its own buttons.
    QGridLayout *detailGrid() const { return m_details; }
    QHBoxLayout *commandRow() const { return m_commands; }

    WindowContext &m_windows;
    CustomerStore m_store;

private:
    void fill(const MemberRow &row);

    QPushButton *m_display;
    QGridLayout *m_details;
    QHBoxLayout *m_commands;
};
