#pragma once

#include <QDateTime>
#include <QString>

class QImage;
class QPagedPaintDevice;

// A receipt kept as a PDF file when there is no printer to give it to.
namespace ReceiptFile {

// Draws `image` on one page of `device`, as large as the page allows with its
// shape kept, from the top left. Printer and PDF receipts look the same.
bool drawPage(QPagedPaintDevice &device, const QImage &image);

// "2026-03-01_140509_receipt-17.pdf", without the number when there is none
// (0). Names sort in the order the receipts were made.
QString fileName(const QDateTime &when, int receiptNumber);

struct Saved
{
    QString path;  // the file written, when it worked
    QString error; // why nothing was written, otherwise
};

// Writes a one-page PDF of `image` into `folder` (made when missing). A name
// already taken gets "_2", "_3"... so no receipt ever replaces another.
Saved save(const QImage &image, const QString &folder, const QDateTime &when, int receiptNumber);

} // namespace ReceiptFile
