#include "LabelLayout.h"

#include "Barcode.h"
#include "ui/PrintFonts.h"
#include "ui/ReceiptFile.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace {

// The context of the labels' texts in translations/labels_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Labels)
};

constexpr double MmPerInch = 25.4;
const QSizeF CardSize(85.6, 54);

// Millimetres on the painter's device, in its pixels.
class Scale
{
public:
    explicit Scale(const QPainter &painter)
        : m_dpi(painter.device()->logicalDpiX())
    {
    }
    double operator()(double mm) const { return mm / MmPerInch * m_dpi; }
    QRectF operator()(const QRectF &mm) const
    {
        return {(*this)(mm.x()), (*this)(mm.y()), (*this)(mm.width()), (*this)(mm.height())};
    }

private:
    double m_dpi;
};

BarcodePlacement placementFor(const QPainter &painter)
{
    const auto *printer = dynamic_cast<const QPrinter *>(painter.device());
    return BarcodePlacement(painter.device()->logicalDpiX(), !printer || printer->outputFormat() == QPrinter::PdfFormat);
}

// Draws `text` cut to `width` with "…", its top at `top`; the line's height.
double drawLine(QPainter &painter, const QFont &font, const QString &text, double left, double top, double width,
                Qt::Alignment align = Qt::AlignLeft)
{
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    double x = left;
    if (align & Qt::AlignHCenter)
        x += (width - metrics.horizontalAdvance(shown)) / 2;
    painter.drawText(QPointF(x, top + metrics.ascent()), shown);
    return metrics.height();
}

// The symbol for `number` centred across `left` to `left + width`, bars
// `barHeight` tall from `top`, its digits under them.
void drawCode(QPainter &painter, qint32 number, double left, double width, double top, double barHeight,
              const QFont &digits)
{
    const auto code = Barcode::code128(QString::number(number));
    if (!code)
        return;
    const BarcodePlacement place = placementFor(painter);
    const double x = place.snapped(left + (width - place.width(*code)) / 2);
    place.drawBars(painter, *code, x, top, barHeight);
    painter.setFont(digits);
    const QFontMetricsF metrics(digits, painter.device());
    const double centre = x + code->textCentre * place.module();
    painter.drawText(QPointF(centre - metrics.horizontalAdvance(code->text) / 2,
                             top + barHeight + metrics.ascent() + metrics.descent() / 2),
                     code->text);
}

// `detail` is the line under the title: the copy and its price class.
void drawTapeLabel(QPainter &painter, const Scale &mm, const QRectF &labelMm, const TapeLabel &label,
                   const QString &detail)
{
    const QRectF area = mm(labelMm.adjusted(2, 1.5, -2, -1.5));
    const QFont title = Labels::printFont(8, true);
    const QFont small = Labels::printFont(7);
    const QFont digits = Labels::printFont(8);
    const QFontMetricsF digitMetrics(digits, painter.device());
    const double gap = mm(1);
    // The bars take what the text leaves, up to 15 mm; the whole stands
    // in the middle of the label.
    const double text = QFontMetricsF(title, painter.device()).height()
                        + QFontMetricsF(small, painter.device()).height() + gap;
    const double under = digitMetrics.height();
    const double bars = std::min(mm(15), area.height() - text - under);
    double y = area.top() + (area.height() - text - bars - under) / 2;
    y += drawLine(painter, title, label.title, area.left(), y, area.width(), Qt::AlignHCenter);
    y += drawLine(painter, small, detail, area.left(), y, area.width(), Qt::AlignHCenter);
    // Centred on the whole label: the quiet zones need white, not margins.
    drawCode(painter, label.tape, mm(labelMm.left()), mm(labelMm.width()), y + gap, bars, digits);
}

} // namespace

QRectF LabelSheet::labelMm(int position) const
{
    const int i = position - 1;
    return {QPointF(first.x() + (i % columns) * pitch.width(), first.y() + (i / columns) * pitch.height()), label};
}

QString LabelSheet::description() const
{
    if (key == QLatin1String("a4-21"))
        return Text::tr("A4, 21 labels of 63.5 x 38.1 mm");
    return Text::tr("Letter, 30 labels of 2 5/8 x 1 in");
}

const QList<LabelSheet> &LabelSheet::all()
{
    // The common address-label sheets: three across, with the margins their
    // makers print them with.
    static const QList<LabelSheet> sheets = {
        {QStringLiteral("letter30"), QPageSize::Letter, 3, 10, QSizeF(66.675, 25.4), QPointF(4.7625, 12.7),
         QSizeF(69.85, 25.4)},
        {QStringLiteral("a4-21"), QPageSize::A4, 3, 7, QSizeF(63.5, 38.1), QPointF(7.21, 15.15), QSizeF(66.04, 38.1)},
    };
    return sheets;
}

const LabelSheet *LabelSheet::named(QStringView key)
{
    for (const LabelSheet &s : all())
        if (s.key == key)
            return &s;
    return nullptr;
}

namespace Labels {

QFont printFont(double points, bool bold)
{
    QFont font = PrintFonts::font(PrintFonts::Face::Mono);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

int sheetsFor(const LabelSheet &sheet, int start, int count)
{
    return std::max(1, (start - 1 + count + sheet.perSheet() - 1) / sheet.perSheet());
}

PrintPages tapeSheets(const LabelSheet &sheet, int start, const QList<TapeLabel> &labels, Language::Id language)
{
    QStringList details;
    {
        const Language::Scope printed(language);
        for (const TapeLabel &label : labels)
            details << Text::tr("Copy %1, price class %2").arg(label.copy).arg(label.priceClass);
    }
    PrintPages pages;
    pages.layout = QPageLayout(QPageSize(sheet.paper), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    pages.pageCount = sheetsFor(sheet, start, int(labels.size()));
    pages.draw = [sheet, start, labels, details](QPainter &painter, const QRect &, int page) {
        const Scale mm(painter);
        const int per = sheet.perSheet();
        // Label i goes to slot start - 1 + i, counted over every sheet.
        const int firstSlot = page * per;
        for (int slot = std::max(firstSlot, start - 1); slot < firstSlot + per; ++slot) {
            const int i = slot - (start - 1);
            if (i >= labels.size())
                break;
            drawTapeLabel(painter, mm, sheet.labelMm(slot - firstSlot + 1), labels[i], details[i]);
        }
    };
    return pages;
}

PrintPages card(const MemberCard &card, Language::Id language)
{
    const Language::Scope printed(language);
    const QString heading = card.store.trimmed().isEmpty() ? Text::tr("Membership card") : card.store;
    const QString number = Text::tr("Member %1").arg(card.member);
    PrintPages pages;
    pages.layout = QPageLayout(QPageSize(CardSize, QPageSize::Millimeter, QStringLiteral("ID-1 card"),
                                         QPageSize::ExactMatch),
                               QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    pages.draw = [card, heading, number](QPainter &painter, const QRect &, int) {
        const Scale mm(painter);
        const QRectF area = mm(QRectF(QPointF(0, 0), CardSize).adjusted(4, 4, -4, -4));
        double y = area.top();
        y += drawLine(painter, Labels::printFont(11, true), heading, area.left(), y, area.width());
        y += mm(1);
        painter.fillRect(QRectF(area.left(), y, area.width(), mm(0.3)), Qt::black);
        y += mm(3);
        y += drawLine(painter, Labels::printFont(10, true), card.name, area.left(), y, area.width());
        drawLine(painter, Labels::printFont(9), number, area.left(), y + mm(0.5), area.width());
        const QFont digits = Labels::printFont(9);
        const double under = QFontMetricsF(digits, painter.device()).height();
        const double bars = mm(14);
        drawCode(painter, card.member, 0, mm(CardSize.width()), area.bottom() - under - bars, bars, digits);
    };
    return pages;
}

bool writePdf(const PrintPages &pages, const QString &file, const OutputFile::Rules &rules, const QString &title,
              QString *error)
{
    OutputFile out(file, rules);
    if (!out.open()) {
        *error = out.error();
        return false;
    }
    bool drawn = false;
    {
        QPdfWriter pdf(&out.device());
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("Video Store"));
        pdf.setTitle(title);
        drawn = ReceiptFile::drawPages(pdf, pages);
    }
    if (!drawn) {
        out.cancel();
        *error = Text::tr("The pages could not be drawn.");
        return false;
    }
    if (!out.commit()) {
        *error = out.error();
        return false;
    }
    return true;
}

namespace {

bool drawOn(QPrinter &printer, const PrintPages &pages)
{
    int from = 0, to = pages.pageCount - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage() - 1;
        to = std::min(to, std::max(from, printer.toPage() - 1));
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = from; page <= to; ++page) {
        if (page > from && !printer.newPage())
            return false;
        pages.draw(painter, painter.viewport(), page);
    }
    return painter.end();
}

} // namespace

Printed print(WindowSystem &ws, const PrintPages &pages, const QString &docName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    printer.setPageSize(pages.layout.pageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    // Label positions are the paper's own, whatever margins the printer keeps.
    printer.setFullPage(true);
    if (!ws.choosePrinter(printer, pages.pageCount))
        return Printed::Cancelled;
    return drawOn(printer, pages) ? Printed::Done : Printed::Failed;
}

QImage picture(const PrintPages &pages, int page, double dpi)
{
    const QSizeF inches = pages.layout.fullRect(QPageLayout::Inch).size();
    QImage image((inches * dpi).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    pages.draw(painter, image.rect(), page);
    return image;
}

} // namespace Labels
