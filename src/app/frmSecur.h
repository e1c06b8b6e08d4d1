#pragma once

#include "ui/Form.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class WindowRegistry;

// The security gate in front of every manager feature: names the feature
// asked for and opens it only for the right authorization code.
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

    // Same length out as in; nullopt for a character with no single-byte
    // scrambled form, which can never belong to the code.
    static std::optional<QString> ScrambleCode(const QString &text);

    void cmdSubmit_Click();
    void cmdRMM_Click();

protected:
    void Form_Activate() override;
    void closeBox() override { cmdRMM_Click(); }

private:
    void openDestination();

    WindowRegistry &m_windows;
};
