#include "ReceiptFile.h"

#include "data/OutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

QString nameFor(const QString &base, int n)
{
    return n == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1_%2.pdf").arg(base).arg(n);
}

} // namespace

Saved save(const QImage &image, const QString &folder, const QDateTime &when, int receiptNumber,
           const QString &storePath)
{
    const QDir dir(folder);
    if (!dir.exists()
        && !(QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)))
        return {{}, QStringLiteral("The folder cannot be made.")};
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
        pdf.setTitle(receiptNumber > 0 ? QStringLiteral("Receipt %1").arg(receiptNumber) : QStringLiteral("Receipt"));
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        pdf.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        drawn = drawPage(pdf, image);
    }
    if (!drawn)
        return {{}, QStringLiteral("The page could not be drawn.")};
    // A name another counter took meanwhile: the next free one.
    while (!file.commit()) {
        if (!file.nameTaken() || ++n >= 1000)
            return {{}, file.nameTaken() ? QStringLiteral("Too many receipts already have the name %1.").arg(base)
                                         : file.error()};
        if (!file.retarget(dir.filePath(nameFor(base, n))))
            return {{}, file.error()};
    }
    return {file.target(), {}};
}

} // namespace ReceiptFile
