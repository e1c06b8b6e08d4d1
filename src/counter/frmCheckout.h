#pragma once

#include "ui/Form.h"

class WindowRegistry;

class frmCheckout final : public Form
{
    Q_OBJECT

public:
    explicit frmCheckout(WindowRegistry &windows);

private:
    WindowRegistry &m_windows;
};
