#pragma once

#include "TestSupport.h"

#include "data/Money.h"

// Every column of every member, to show that a refused action wrote nothing.
inline QString membersSnapshot(TestStore &s)
{
    return s
        .value(QStringLiteral(
            "SELECT group_concat(CustomerNumber||'|'||ifnull(LastName,'')||'|'||ifnull(FirstName,'')||'|'||"
            "ifnull(Address,'')||'|'||ifnull(City,'')||'|'||ifnull(PostalCode,'')||'|'||ifnull(HomePhone,'')||'|'||"
            "ifnull(CellPhone,'')||'|'||ifnull(BusPhone,'')||'|'||ifnull(DriverLicence,'')||'|'||"
            "ifnull(OtherNames1,'')||'|'||ifnull(OtherNames2,'')||'|'||ifnull(OtherNames3,'')||'|'||FeesOwing||'|'||"
            "Deleted, ';') FROM tblMembers"))
        .toString();
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
