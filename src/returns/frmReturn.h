#pragma once

#include "data/Money.h"
#include "returns/ReturnsStore.h"
#include "ui/Form.h"

#include <QDate>
#include <QList>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WindowRegistry;

// Takes rented tapes back: closes the rental, puts the tape on the shelf,
// charges any days overdue to the member, and lists the member's other
// tapes still out so that several brought back together go in a few clicks.
class frmReturn final : public Form
{
    Q_OBJECT

public:
    explicit frmReturn(WindowRegistry &windows);
    Q_DISABLE_COPY_MOVE(frmReturn)

    QLabel *Image1, *Label2, *Label1, *Label3;
    QLineEdit *txtVid, *txtDate;
    QListWidget *List1;
    QPushButton *cmdReturn, *cmdMain;

    void cmdReturn_Click();
    void cmdMain_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdMain_Click(); }

private:
    void ReturnTyped();
    void ReturnSelected();
    // The overdue charge written for the tape through `charge`; false when
    // the clerk has been told why nothing was written.
    bool ReturnTape(qint32 videoId, QDate returned, Money &charge);
    // One charge per tape, all returned together or none.
    std::optional<QList<Money>> returnTapes(const QList<qint32> &videoIds, QDate returned);
    // The date in txtDate, or nullopt once the clerk has been told it is not one.
    std::optional<QDate> returnDate();
    void listTapesOut(qint32 member);

    WindowRegistry &m_windows;
    // Reopened at each visit.
    std::optional<ReturnsStore> m_store;
};
