#pragma once

#include "circulation/CirculationStore.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WindowContext;

// Asks which title a member wants held: its number, or part of its name
// with the matches to choose from, and places the hold.
class frmHoldTitle final : public QDialog
{
    Q_OBJECT

public:
    frmHoldTitle(WindowContext &windows, CirculationStore &store, QWidget *parent);
    Q_DISABLE_COPY_MOVE(frmHoldTitle)

    QLabel *Label1;
    QLineEdit *txtTitle;
    QListWidget *lstTitles;
    QPushButton *cmdPlace, *cmdCancel;

    // Shown modally for `member` (named `name`); the hold placed, if any.
    std::optional<qint32> ask(qint32 member, const QString &name);
    // The title of the hold last placed.
    const QString &placedTitle() const { return m_placedTitle; }
    // Looks up what is typed; with one title found, or one chosen from the
    // list, places the hold.
    void cmdPlace_Click();

private:
    bool find();

    WindowContext &m_windows;
    CirculationStore &m_store;
    qint32 m_member = 0;
    QString m_searched;
    QString m_placedTitle;
    QList<HoldTitle> m_found;
    std::optional<qint32> m_placed;
};

// The counter's view of a member's holds, and the way to place one.
class HoldsPanel final : public QWidget
{
    Q_OBJECT

public:
    HoldsPanel(WindowContext &windows, QWidget *parent);
    Q_DISABLE_COPY_MOVE(HoldsPanel)

    QLabel *lblHolds;
    QListWidget *lstHolds;
    QPushButton *cmdHoldTitle;

    // The member shown at the counter, and their name; 0 for none (the hold
    // button is then off).
    void showMember(qint32 member, const QString &name = {});
    void cmdHoldTitle_Click();
    frmHoldTitle &dialog() { return *m_dialog; }

private:
    WindowContext &m_windows;
    CirculationStore m_store;
    frmHoldTitle *m_dialog;
    qint32 m_member = 0;
    QString m_memberName;
};
