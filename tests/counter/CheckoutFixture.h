#pragma once

// The counter's test store: members, titles of each price class, tapes in
// every state and stock items, with the helpers the counter's tests share.

#include "TestSupport.h"

#include "counter/frmCheckout.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

inline const QDate Today(2026, 3, 1);

// Members, titles of each price class, tapes in every state, stock items.
inline void seed(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s, u"555-1111"_s, u"D-1"_s);
    s.addMember(2, u"Bob"_s, u"Jones"_s, u"555-2222"_s, u"D-2"_s);
    s.addMember(3, u"Cy"_s, u"Jones"_s, u"555-2222"_s, u"D-3"_s);
    s.addMember(4, u"Dee"_s, u"Gone"_s, u"555-4444"_s, u"D-4"_s,
                true);
    s.addMovie(10, u"The Long Goodbye Express Returns"_s, 1, 1);
    s.addMovie(11, u"Short"_s, 4, 2);
    s.addMovie(12, u"Bargain Bin Classic"_s, 5, 3);
    s.addTape(1001, 10);
    s.addTape(1002, 11);
    s.addTape(1003, 12);
    s.addTape(1004, 11, false, false, false, u"24.99"_s, true);
    s.addTape(1005, 11, false, false, false);
    s.addTape(1006, 11, true, false, false);
    s.addTape(2001, 11, false, true, true, u"9.99"_s);
    s.addTape(2002, 11, false, true, true, u"9.99"_s, true);
    s.addTape(2003, 11, false, false, true);
    s.addTape(2004, 11, false, true, false);
    s.addItem(7, u"Popcorn"_s, u"2.50"_s, 5);
    s.addItem(8, u"Licorice"_s, u"1.25"_s, 2);
    s.addItem(9, u"Old stock"_s, u"1.00"_s, 9, true);
    s.exec(QStringLiteral("INSERT INTO tblCreditInfo (CustomersNumber, Visa, VisaExp, MasterCard, MCExp) "
                          "VALUES (1, '4500123412341234', '2028-04', '0', '2027-01')"));
}

inline frmCheckout &open(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    seed(s);
    frmCheckout &w = s.windows().checkout();
    w.show();
    return w;
}

// Pays in cash and answers the verification Yes, then the receipt question
// No unless the checkout is to be refused (and so asks none).
inline void checkOutCash(TestStore &s, frmCheckout &w, const QString &cash, bool refused = false)
{
    payBy(w, w.optCash);
    typeInto(*w.txtCash, cash);
    s.ws().answer(Answer::Yes);
    if (!refused)
        s.ws().answer(Answer::No);
    clickOn(*w.cmdCheckOut);
}

inline void cashRefused(TestStore &s, frmCheckout &w, const QString &cash)
{
    checkOutCash(s, w, cash, true);
}

inline QString rentLine(const QString &id, const QString &title20, const QString &fee)
{
    return u"Rent %1  %2\t%3"_s.arg(id, title20, fee);
}
