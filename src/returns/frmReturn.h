#pragma once

#include "data/Money.h"
#include "returns/ReturnsStore.h"
#include "ui/Form.h"

#include <QDate>
#include <QList>

#include <optional>

class OutcomeList;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WindowContext;

// Takes rented tapes back: closes the rental, puts the tape on the shelf,
// charges any days overdue to the member, and lists the member's other
// tapes still out so that several brought back together go in a few clicks.
class frmReturn final : public Form
{
    Q_OBJECT

public:
    explicit frmReturn(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmReturn)

    QLabel *Image1, *Label2, *Label1, *Label3;
    // "Member 26 Michelle Wilkins still has:" over List1.
    QLabel *lblTapesOut;
    QLineEdit *txtVid, *txtDate;
    QListWidget *List1;
    QPushButton *cmdReturn, *cmdMain;
    // This visit's returns and refusals, newest first: told in the window so
    // that a scanner's next tape is taken at once.
    OutcomeList *lstOutcome;

    void cmdReturn_Click();
    void cmdMain_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdMain_Click(); }

private:
    void ReturnTyped();
    void ReturnSelected();
    // Closes the tape's rental; nullopt once the clerk has been told why not.
    std::optional<ReturnOutcome> ReturnTape(qint32 videoId, QDate returned)
    {
        return returnTapes({videoId}, returned);
    }
    // Every tape returned together or none; nullopt once the clerk has been
    // told why nothing was written. Tapes another counter took back first
    // are told as such.
    std::optional<ReturnOutcome> returnTapes(const QList<qint32> &videoIds, QDate returned);
    // Tapes set aside for holds, in the outcome list.
    void tellHolds(const ReturnOutcome &outcome);
    void refused(const QString &text, const QString &title, const QString &about = {});
    // The date in txtDate, or nullopt once the clerk has been told it is not one.
    std::optional<QDate> returnDate();
    // The member's tapes still out under a heading naming the member, each
    // with its due date, the overdue ones marked.
    void listTapesOut(qint32 member, const QString &name);
    // One outcome row for a rental closed: tape, title, member, due date,
    // days late and fee.
    void tellReturned(const ReturnedRental &r);

    WindowContext &m_windows;
    // Whose tape came back last: lines to put aside stay on top until another's does.
    std::optional<qint32> m_member;
    // Reopened at each visit.
    std::optional<ReturnsStore> m_store;
};
