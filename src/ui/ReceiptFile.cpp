#include "ReceiptFile.h"

#include "data/OutputFile.h"
#include "ui/WindowSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace ReceiptFile {

// The context of these texts in translations/ui_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReceiptFile)
};

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

bool drawPages(QPagedPaintDevice &device, const PrintPages &pages)
{
    if (!device.setPageLayout(pages.layout))
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = 0; i < pages.pageCount; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        // The painter's origin is the top left of the page inside its margins.
        pages.draw(painter, QRect(QPoint(0, 0), painter.viewport().size()), i);
    }
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

QString nameFor(const QString &base, int n)
{
    return n == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1_%2.pdf").arg(base).arg(n);
}

} // namespace

namespace {

// Writes the PDF `draw` makes into a new file of `folder`, named as
// fileName() says and never over another.
Saved saveDrawn(const std::function<bool(QPdfWriter &)> &draw, const QString &folder, const QDateTime &when,
                int receiptNumber, const QString &storePath)
{
    const QDir dir(folder);
    if (!dir.exists()
        && !(QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)))
        return {{}, Text::tr("The folder cannot be made.")};
    const QString base = fileName(when, receiptNumber);
    int n = 1;
    while (n < 1000 && QFileInfo::exists(dir.filePath(nameFor(base, n))))
        ++n;
    OutputFile file(dir.filePath(nameFor(base, n)),
                    {storePath, OutputFile::Existing::Keep, OutputFile::Access::OwnerOnly});
    if (!file.open())
        return {{}, file.error()};

    bool drawn = false;
    {
        QPdfWriter pdf(&file.device());
        pdf.setCreator(QStringLiteral("Video Store"));
        pdf.setTitle(receiptNumber > 0 ? Text::tr("Receipt %1").arg(receiptNumber) : Text::tr("Receipt"));
        drawn = draw(pdf);
    }
    if (!drawn)
        return {{}, Text::tr("The page could not be drawn.")};
    // A name another counter took meanwhile: the next free one.
    while (!file.commit()) {
        if (!file.nameTaken() || ++n >= 1000)
            return {{}, file.nameTaken() ? Text::tr("Too many receipts already have the name %1.").arg(base)
                                         : file.error()};
        if (!file.retarget(dir.filePath(nameFor(base, n))))
            return {{}, file.error()};
    }
    return {file.target(), {}};
}

} // namespace

Saved save(const QImage &image, const QString &folder, const QDateTime &when, int receiptNumber,
           const QString &storePath)
{
    return saveDrawn(
        [&](QPdfWriter &pdf) {
            const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
            pdf.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                          QPageLayout::Portrait, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
            return drawPage(pdf, image);
        },
        folder, when, receiptNumber, storePath);
}

Saved save(const PrintPages &pages, const QString &folder, const QDateTime &when, int receiptNumber,
           const QString &storePath)
{
    return saveDrawn([&](QPdfWriter &pdf) { return drawPages(pdf, pages); }, folder, when, receiptNumber,
                     storePath);
}

} // namespace ReceiptFile
