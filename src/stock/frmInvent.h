#pragma once

#include "stock/InventoryStore.h"
#include "ui/Form.h"

class FlexGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;
class WindowContext;

// The stock items other than tapes: add, change and retire them. Its
// toolbar leads back to the main menu or on to the counter.
class frmInvent final : public Form
{
    Q_OBJECT

public:
    explicit frmInvent(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmInvent)

    // While an edit is open: true when it adds an item.
    bool addingItem = false;

    QLabel *Label1, *Image1, *Label2, *lblID, *Label3, *Label4, *Label5;
    QToolBar *Toolbar1;
    FlexGrid *fg1;
    QLineEdit *txtIName, *txtPrice, *txtQuan;
    QPushButton *cmdAdd, *cmdEdit, *cmdDelete, *cmdSave, *cmdClear;

    void Toolbar1_ButtonClick(const QString &button);
    void fg1_Click();
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdDelete_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { Toolbar1_ButtonClick(QStringLiteral("Return")); }

private:
    void SetGridHeaders();
    void BeginAdd();
    void BeginEdit();
    // The boxes and buttons of an open edit, adding or changing.
    void OpenEdit();
    void EndEdit();
    // The typed item, or nullopt when a box cannot be stored (the manager
    // has been told which).
    std::optional<InventoryRow> typedItem();
    int rowOf(qint32 id) const;

    WindowContext &m_windows;
    InventoryStore m_store;
    qint32 nextInventoryID = 1;
    // The quantity shown when a change was opened; the change stores the
    // difference typed, not the figure.
    qint64 m_editQuantity = 0;
};
