#include "WindowSystem.h"

#include <QWidget>

QString WindowSystem::applicationTitle()
{
    return QStringLiteral("Video Store");
}

QString WindowSystem::noPrinterMessage()
{
    return QStringLiteral("No printer is available. Set up a default printer and try again.");
}

void WindowSystem::notice(const QString &prompt, const QString &title)
{
    msgBox(prompt, Buttons::Ok, Icon::Exclamation, title);
}

bool WindowSystem::printWindow(QWidget &window)
{
    if (!hasDefaultPrinter()) {
        msgBox(noPrinterMessage(), Buttons::Ok, Icon::Exclamation, QStringLiteral("Print"));
        return false;
    }
    if (!sendToPrinter(window.grab().toImage())) {
        msgBox(QStringLiteral("The printer did not accept the page. Check the printer and try again."),
               Buttons::Ok, Icon::Exclamation, QStringLiteral("Print"));
        return false;
    }
    return true;
}
