#pragma once

#include "ui/Form.h"

#include <functional>

class QPushButton;

// Stands in for a task window or report that this version does not have yet:
// the right caption, and a way back.
class PlaceholderWindow final : public Form
{
    Q_OBJECT

public:
    PlaceholderWindow(const QString &objectName, const QString &caption, std::function<void()> onReturn);

    QPushButton *cmdReturn;

protected:
    void closeBox() override { cmdReturn_Click(); }

private:
    void cmdReturn_Click();

    std::function<void()> m_onReturn;
};
