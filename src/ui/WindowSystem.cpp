#include "WindowSystem.h"

#include "OutcomeList.h"
#include "ReceiptFile.h"

#include <QDialog>
#include <QDir>
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

QString WindowSystem::passwordBox(const QString &prompt, const QString &title)
{
    return inputBox(prompt, title, {});
}

void WindowSystem::tell(OutcomeList &place, Told kind, const QString &text, const QString &, const QString &about)
{
    place.add(text, kind == Told::Refused, about);
    if (kind != Told::Done)
        beep();
}

bool WindowSystem::printWindow(QWidget &window)
{
    return printWindow(window, 0);
}

bool WindowSystem::printWindow(QWidget &window, int receiptNumber)
{
    if (!hasDefaultPrinter()) {
        if (!m_receiptFolder.isEmpty())
            return saveAsPdf(window.grab().toImage(), receiptNumber);
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

bool WindowSystem::saveAsPdf(const QImage &image, int receiptNumber)
{
    const QDateTime now = m_now ? m_now() : QDateTime::currentDateTime();
    const ReceiptFile::Saved saved = ReceiptFile::save(image, m_receiptFolder, now, receiptNumber, m_storePath);
    if (saved.path.isEmpty()) {
        msgBox(QStringLiteral("No printer is available, and the receipt could not be saved as a PDF file in ")
                   + QDir::toNativeSeparators(m_receiptFolder) + QStringLiteral(": ") + saved.error
                   + QStringLiteral("\r\nSet up a default printer, or make that folder writable, and try again."),
               Buttons::Ok, Icon::Exclamation, QStringLiteral("Print"));
        return false;
    }
    msgBox(QStringLiteral("No printer is available, so the receipt was saved as a PDF file:\r\n")
               + QDir::toNativeSeparators(saved.path),
           Buttons::Ok, Icon::Information, QStringLiteral("Print"));
    return true;
}

int WindowSystem::showModal(QDialog &dialog)
{
    return dialog.exec();
}
