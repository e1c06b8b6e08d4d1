#include "WindowSystem.h"

#include "OutcomeList.h"
#include "ReceiptFile.h"
#include "WaitNotice.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QWidget>

namespace {

// The context of these texts in translations/ui_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(WindowSystem)
};

} // namespace

QString WindowSystem::applicationTitle()
{
    return QStringLiteral("Video Store");
}

QString WindowSystem::noPrinterMessage()
{
    return Text::tr("No printer is available. Set up a default printer and try again.");
}

void WindowSystem::notice(const QString &prompt, const QString &title)
{
    msgBox(prompt, Buttons::Ok, Icon::Exclamation, title);
}

void WindowSystem::waiting(const QString &text)
{
    if (text.isEmpty())
        WaitNotice::end();
    else
        WaitNotice::show(text);
}

QString WindowSystem::passwordBox(const QString &prompt, const QString &title)
{
    return inputBox(prompt, title, {});
}

void WindowSystem::tell(OutcomeList &place, Told kind, const QString &text, const QString &, const QString &about)
{
    if (kind == Told::Attention)
        place.addPinned(text, about);
    else
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
        msgBox(noPrinterMessage(), Buttons::Ok, Icon::Exclamation, Text::tr("Print"));
        return false;
    }
    if (!sendToPrinter(window.grab().toImage())) {
        msgBox(Text::tr("The printer did not accept the page. Check the printer and try again."),
               Buttons::Ok, Icon::Exclamation, Text::tr("Print"));
        return false;
    }
    return true;
}

bool WindowSystem::printPages(const PrintPages &pages, int receiptNumber)
{
    if (!hasDefaultPrinter()) {
        if (!m_receiptFolder.isEmpty())
            return savePagesAsPdf(pages, receiptNumber);
        msgBox(noPrinterMessage(), Buttons::Ok, Icon::Exclamation, Text::tr("Print"));
        return false;
    }
    if (!sendPagesToPrinter(pages)) {
        msgBox(Text::tr("The printer did not accept the page. Check the printer and try again."),
               Buttons::Ok, Icon::Exclamation, Text::tr("Print"));
        return false;
    }
    return true;
}

bool WindowSystem::sendPagesToPrinter(const PrintPages &pages)
{
    // At a receipt printer's resolution, 203 dots an inch.
    constexpr qreal Dpi = 203;
    const QRectF page = pages.layout.fullRect(QPageLayout::Inch);
    const QRectF inside = pages.layout.paintRect(QPageLayout::Inch);
    for (int i = 0; i < pages.pageCount; ++i) {
        QImage image((page.size() * Dpi).toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(Dpi / 0.0254));
        image.setDotsPerMeterY(qRound(Dpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        pages.draw(painter, QRectF(inside.topLeft() * Dpi, inside.size() * Dpi).toRect(), i);
        painter.end();
        if (!sendToPrinter(image))
            return false;
    }
    return true;
}

bool WindowSystem::saveAsPdf(const QImage &image, int receiptNumber)
{
    const QDateTime now = m_now ? m_now() : QDateTime::currentDateTime();
    const ReceiptFile::Saved saved = ReceiptFile::save(image, m_receiptFolder, now, receiptNumber, m_storePath);
    return told(saved.path, saved.error);
}

bool WindowSystem::savePagesAsPdf(const PrintPages &pages, int receiptNumber)
{
    const QDateTime now = m_now ? m_now() : QDateTime::currentDateTime();
    const ReceiptFile::Saved saved = ReceiptFile::save(pages, m_receiptFolder, now, receiptNumber, m_storePath);
    return told(saved.path, saved.error);
}

bool WindowSystem::told(const QString &path, const QString &error)
{
    if (path.isEmpty()) {
        msgBox(Text::tr("No printer is available, and the receipt could not be saved as a PDF file in %1: %2")
                       .arg(QDir::toNativeSeparators(m_receiptFolder), error)
                   + QStringLiteral("\r\n")
                   + Text::tr("Set up a default printer, or make that folder writable, and try again."),
               Buttons::Ok, Icon::Exclamation, Text::tr("Print"));
        return false;
    }
    msgBox(Text::tr("No printer is available, so the receipt was saved as a PDF file:") + QStringLiteral("\r\n")
               + QDir::toNativeSeparators(path),
           Buttons::Ok, Icon::Information, Text::tr("Print"));
    return true;
}

int WindowSystem::showModal(QDialog &dialog)
{
    return dialog.exec();
}
