// Barcode labels and membership cards, saved as PDF through their windows,
// each beside a floor that draws the same barcodes with zint alone into a
// PDF made as durable.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "labels/frmCard.h"
#include "labels/frmLabels.h"
#include "stock/frmVidMn.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <zint.h>

#include <unistd.h>

namespace {

// Tapes from `first` on until `count` of them are not retired: the last one.
qint32 lastOfRange(Floor &floor, qint32 first, int count)
{
    return floor
        .column(QStringLiteral("SELECT VideoID FROM tblVideos WHERE VideoID >= ? AND Deleted = 0 ORDER BY VideoID "
                               "LIMIT 1 OFFSET ?"),
                {first, count - 1})
        .value(0)
        .toInt();
}

// The floor: each number's Code 128 encoded and laid out by zint, its bars
// drawn as rectangles, 30 to a Letter page, into a file synced to the disk.
void zintAlone(const QList<QVariant> &numbers, const QString &file)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        qFatal("the floor's file could not be made");
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            if (i > 0 && i % 30 == 0)
                pdf.newPage();
            zint_symbol *symbol = ZBarcode_Create();
            symbol->symbology = BARCODE_CODE128;
            symbol->whitespace_width = 10;
            const QByteArray data = numbers[i].toString().toLatin1();
            if (ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char *>(data.constData()), int(data.size()))
                    >= ZINT_ERROR
                || ZBarcode_Buffer_Vector(symbol, 0) >= ZINT_ERROR)
                qFatal("zint failed: %s", symbol->errtxt);
            const QPointF at(100 + (i % 3) * 3300, 600 + (i % 30 / 3) * 1200);
            for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
                painter.fillRect(QRectF(at.x() + r->x * 6, at.y(), r->width * 6, 500), Qt::black);
            ZBarcode_Delete(symbol);
        }
    }
    out.flush();
    ::fsync(out.handle());
}

} // namespace

void benchLabels(Bench &bench)
{
    QTemporaryDir folder;
    int n = 0;
    auto next = [&] { return folder.filePath(QStringLiteral("labels-%1.pdf").arg(n++)); };
    WindowRegistry windows(bench.path(), bench.ws());
    frmLabels &dialog = windows.vidMn().labelsDialog();
    Floor &floor = bench.floor();

    for (const int count : {30, 1000}) {
        const qint32 first = 20001;
        const qint32 last = lastOfRange(floor, first, count);
        const double saved = measure(count > 30 ? std::min(bench.runs(), 5) : bench.runs(), {}, [&] {
            bench.ws().dialog([&](QDialog &d) {
                d.findChild<QRadioButton *>(QStringLiteral("optRange"))->setChecked(true);
                d.findChild<QLineEdit *>(QStringLiteral("txtFrom"))->setText(QString::number(first));
                d.findChild<QLineEdit *>(QStringLiteral("txtTo"))->setText(QString::number(last));
                d.findChild<QPushButton *>(QStringLiteral("cmdPdf"))->click();
            });
            bench.ws().saveAs(next());
            dialog.offer(std::nullopt, {});
            if (bench.ws().unusedAnswers() != 0 || bench.ws().boxes().size() != 1)
                qFatal("the labels were not saved");
            bench.ws().clear();
        });
        const double savedFloor = measure(count > 30 ? std::min(bench.runs(), 5) : bench.runs(), {}, [&] {
            zintAlone(floor.column(QStringLiteral("SELECT VideoID FROM tblVideos WHERE VideoID BETWEEN ? AND ? AND "
                                                  "Deleted = 0 ORDER BY VideoID"),
                                   {first, last}),
                      next());
        });
        bench.add(count == 30 ? QStringLiteral("labels: a sheet of 30 tape labels, saved as PDF")
                              : QStringLiteral("labels: 1,000 tape labels (34 sheets), saved as PDF"),
                  saved, savedFloor, count == 30 ? 300 : 2000);
    }

    const QVariant member = bench.pick(bench.members);
    const double card = measure(bench.runs(), {}, [&] {
        bench.ws().dialog([](QDialog &d) { d.findChild<QPushButton *>(QStringLiteral("cmdPdf"))->click(); });
        bench.ws().saveAs(next());
        windows.offerCard(member.toInt());
        if (bench.ws().unusedAnswers() != 0 || bench.ws().boxes().size() != 1)
            qFatal("the card was not saved");
        bench.ws().clear();
    });
    const double cardFloor = measure(bench.runs(), {}, [&] {
        floor.run(QStringLiteral("SELECT FirstName, LastName FROM tblMembers WHERE CustomerNumber = ?"), {member});
        zintAlone({member}, next());
    });
    bench.add(QStringLiteral("labels: a member's card, saved as PDF"), card, cardFloor, 300);
}
