#include "frmCheckout.h"

frmCheckout::frmCheckout(WindowRegistry &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmCheckout"));
    setWindowTitle(QStringLiteral("Checkout Form"));
}
