#include "ReceiptFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace ReceiptFile {

bool drawPage(QPagedPaintDevice &device, const QImage &image)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Small text blurs under JPEG; a PDF receipt keeps every pixel.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
    return painter.end();
}

QString fileName(const QDateTime &when, int receiptNumber)
{
    QString name = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) + QStringLiteral("_receipt");
    if (receiptNumber > 0)
        name += u'-' + QString::number(receiptNumber);
    return name;
}

namespace {

// Claims a name no other receipt has, by creating the file exclusively, so
// two counters saving in the same second cannot take the same one.
bool claim(QFile &file, const QDir &dir, const QString &base, QString &error)
{
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1_%2.pdf").arg(base).arg(n);
        file.setFileName(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!file.exists()) {
            error = file.errorString();
            return false;
        }
    }
    error = QStringLiteral("Too many receipts already have the name %1.").arg(base);
    return false;
}

} // namespace

Saved save(const QImage &image, const QString &folder, const QDateTime &when, int receiptNumber)
{
    const QDir dir(folder);
    if (!QDir().mkpath(folder))
        return {{}, QStringLiteral("The folder cannot be made.")};
    QFile file;
    QString error;
    if (!claim(file, dir, fileName(when, receiptNumber), error))
        return {{}, error};

    bool drawn = false;
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Video Store"));
        pdf.setTitle(receiptNumber > 0 ? QStringLiteral("Receipt %1").arg(receiptNumber) : QStringLiteral("Receipt"));
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        drawn = drawPage(pdf, image);
    }
    file.close();
    if (!drawn || file.error() != QFileDevice::NoError) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                                 : QStringLiteral("The page could not be drawn.");
        file.remove();
        return {{}, why};
    }
    return {file.fileName(), {}};
}

} // namespace ReceiptFile
