#pragma once

#include <QDateTime>
#include <QString>

class QImage;
class QPagedPaintDevice;
struct PrintPages;

// A receipt kept as a PDF file when there is no printer to give it to.
namespace ReceiptFile {

// Draws `image` on one page of `device`, as large as the page allows with its
// shape kept, from the top left. Printer and PDF receipts look the same.
bool drawPage(QPagedPaintDevice &device, const QImage &image);
// Draws every page of `pages` on `device`, set to their page layout.
bool drawPages(QPagedPaintDevice &device, const PrintPages &pages);

// "2026-03-01_140509_receipt-17.pdf", without the number when there is none
// (0). Names sort in the order the receipts were made.
QString fileName(const QDateTime &when, int receiptNumber);

struct Saved
{
    QString path;  // the file written, when it worked
    QString error; // why nothing was written, otherwise
};

// Writes a one-page PDF of `image` into `folder` (made for the owner alone
// when missing), readable by the owner alone: a receipt names the member.
// A name already taken gets "_2", "_3"... so no receipt ever replaces
// another, even one another counter saves in the same second. Never over
// the files of the store at `storePath`.
Saved save(const QImage &image, const QString &folder, const QDateTime &when, int receiptNumber,
           const QString &storePath = {});
// The same for a document of its own layout, its text kept as text.
Saved save(const PrintPages &pages, const QString &folder, const QDateTime &when, int receiptNumber,
           const QString &storePath = {});

} // namespace ReceiptFile
