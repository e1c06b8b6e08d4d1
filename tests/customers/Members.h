#pragma once

#include "TestSupport.h"

#include "customers/CustomerLookupForm.h"
#include "data/Money.h"

#include <QLineEdit>
#include <QPushButton>

// Every column of every member, to show that a refused action wrote nothing.
inline QString membersSnapshot(TestStore &s)
{
    return s.rows(QStringLiteral("SELECT CustomerNumber, LastName, FirstName, Address, City, PostalCode, HomePhone, "
                                 "CellPhone, BusPhone, DriverLicence, OtherNames1, OtherNames2, OtherNames3, "
                                 "FeesOwing, Deleted FROM tblMembers ORDER BY CustomerNumber"),
                  QStringLiteral(";"));
}

inline void setFees(TestStore &s, int member, const QString &amount)
{
    s.exec(QStringLiteral("UPDATE tblMembers SET FeesOwing = ? WHERE CustomerNumber = ?"),
           {Money::parse(amount)->units(), member});
}

inline QString column(TestStore &s, int member, const char *name)
{
    return s.value(QStringLiteral("SELECT %1 FROM tblMembers WHERE CustomerNumber = ?").arg(QLatin1String(name)),
                   {member})
        .toString();
}

// The Display Member button of the modify or the delete window.
inline QPushButton *displayButton(CustomerLookupForm &w)
{
    return child<QPushButton>(w, w.objectName() == QStringLiteral("frmModify") ? "cmdDispaly" : "cmdDisplay");
}

// Types into one of the lookup boxes and presses Display Member.
inline void lookUp(CustomerLookupForm &w, QLineEdit *box, const QString &text)
{
    typeInto(*box, text);
    clickOn(*displayButton(w));
}
