#include "WindowSystem.h"

#include <QDialog>
#include <QWidget>

QString WindowSystem::applicationTitle()
{
    return QStringLiteral("Video Store");
}

QString WindowSystem::noPrinterMessage()
{
    return QStringLiteral("No printer is available. Set up a default printer and try again.");
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

int WindowSystem::showModal(QDialog &dialog)
{
    return dialog.exec();
}
