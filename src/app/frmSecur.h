#pragma once

#include "data/GateStore.h"
#include "ui/Form.h"

#include <QDateTime>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class WindowRegistry;

// The security gate in front of every manager feature: names the feature
// asked for and opens it only for the store's manager code (the default
// code while the store never had one of its own). Every try is recorded,
// and after three wrong codes in a row, at any counter, each further try
// must wait longer.
class frmSecur final : public Form
{
    Q_OBJECT

public:
    explicit frmSecur(WindowRegistry &windows);
    Q_DISABLE_COPY_MOVE(frmSecur)

    // Set by the main menu, 1 to 12, before it shows the gate.
    int destination = 0;

    QLabel *Label1, *lblDest, *Label2, *Image1;
    QLineEdit *txtCode;
    QPushButton *cmdSubmit, *cmdRMM;

    // The clock the waits and the log are read from; the system's unless
    // replaced.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // Seconds the next try must wait after `wrongInARow` wrong codes.
    static int waitAfter(int wrongInARow);

    void cmdSubmit_Click();
    void cmdRMM_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdRMM_Click(); }

private:
    void openDestination();
    // Asks twice for the store's new code and stores its hash.
    void changeManagerCode();
    QDateTime now() const { return m_now ? m_now() : QDateTime::currentDateTime(); }

    WindowRegistry &m_windows;
    GateStore m_store;
    std::function<QDateTime()> m_now;
    bool m_defaultNoticeGiven = false;
};
