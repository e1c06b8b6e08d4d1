#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

class QWidget;
class WindowSystem;
class frmChooseMember;

// What a window is handed instead of the program's whole set of windows: the
// window system, the store, today's date, and the few ways a window leads to
// another. The registry that owns the windows fulfils it, so a window depends
// on this and on none of the others. (A report window asks for its report by
// a signal of its own, since this layer knows nothing of reports.)
class WindowContext
{
public:
    virtual WindowSystem &ws() const = 0;
    virtual const QString &storePath() const = 0;
    virtual QDate today() const = 0;
    // Picks one of several members found by one phone or licence.
    virtual frmChooseMember &memberChooser() = 0;

    // Shows the main menu as it was left.
    virtual void showMainMenu() = 0;
    // Shows the counter as it was left.
    virtual void showCounter() = 0;
    // Hands `member`'s fees of `amount` on to the counter, which shows that
    // member and puts the fees on the bill; `from` hides once the counter is
    // up. Nothing changes when the bill cannot take them.
    virtual void handFeesToCounter(qint32 member, Money amount, QWidget &from) = 0;
    // Shows `member`'s card to print or save, or says why there is none.
    virtual void offerCard(qint32 member) = 0;

protected:
    ~WindowContext() = default;
};
