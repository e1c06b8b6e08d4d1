#include "ReportDocument.h"

#include "ui/Pictures.h"
#include "ui/PrintFonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <mutex>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cmath>

namespace {

constexpr int ContentWidth = ReportDocument::PaperWidth - 2 * ReportDocument::Margin;
constexpr int ContentHeight = ReportDocument::PaperHeight - 2 * ReportDocument::Margin;
constexpr int Gap = 60;

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)
};

// The printed face standing for a layout's font: the fixed-pitch ones in
// DejaVu Sans Mono, the rest condensed, narrow enough to keep to the boxes
// drawn for Arial.
QFont makeFont(const ReportFont &f)
{
    const bool fixed = f.family.contains(QLatin1String("Console")) || f.family == QLatin1String("Fixedsys");
    QFont font = PrintFonts::font(fixed ? PrintFonts::Face::Mono : PrintFonts::Face::Condensed);
    // Sizes in twips: the painter works in twips.
    font.setPixelSize(qRound(f.points * 20));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setKerning(false);
    return font;
}

} // namespace

ReportDocument::ReportDocument(const ReportLayout &layout, ReportStore &store)
    : m_layout(layout)
    , m_store(store)
{
    const Language::Scope printed(store.language());
    prepare();
    paginate();
}

int ReportDocument::fontIndex(const ReportFont &f)
{
    const QFont font = makeFont(f);
    for (int i = 0; i < m_fonts.size(); ++i)
        if (m_fonts[i] == font)
            return i;
    m_fonts << font;
    m_metrics << QFontMetricsF(font);
    std::array<double, 128> table{};
    for (int ch = 32; ch < 127; ++ch)
        table[ch] = m_metrics.last().horizontalAdvance(QChar(ch));
    m_advances << table;
    const QRawFont raw = QRawFont::fromFont(font);
    std::array<quint32, 128> glyphs{};
    for (int ch = 32; ch < 127; ++ch) {
        const QList<quint32> g = raw.glyphIndexesForString(QString(QChar(ch)));
        glyphs[ch] = g.isEmpty() ? 0 : g.first();
    }
    m_rawFonts << raw;
    m_glyphs << glyphs;
    const QList<quint32> e = raw.glyphIndexesForString(QString(QChar(Ellipsis)));
    m_ellipsis << std::pair<quint32, double>(e.isEmpty() ? 0 : e.first(),
                                             m_metrics.last().horizontalAdvance(QChar(Ellipsis)));
    return int(m_fonts.size() - 1);
}

void ReportDocument::prepare()
{
    const ReportCommand &command = *m_layout.command;
    for (const ReportBand &band : m_layout.bands) {
        PreparedBand pb{&band, {}};
        // A tax left off takes its line with it; the lines under it close up.
        int leftOff = -1, pitch = 0;
        for (const ReportItem &item : band.items)
            if (item.tax > 0 && !m_store.showsTax(item.tax))
                leftOff = item.top;
        for (const ReportItem &item : band.items)
            if (leftOff >= 0 && item.top > leftOff && (pitch == 0 || item.top - leftOff < pitch))
                pitch = item.top - leftOff;
        for (const ReportItem &item : band.items) {
            if (item.tax > 0 && !m_store.showsTax(item.tax))
                continue;
            const bool closesUp = leftOff >= 0 && item.top > leftOff
                                  && (item.kind == ItemKind::Label || item.kind == ItemKind::Sum);
            // Headings in the language of the pages; fields, sums and
            // group keys name columns.
            QString text = item.kind == ItemKind::Label
                               ? QCoreApplication::translate("ReportLayouts", item.text.toUtf8().constData())
                               : item.text;
            if (item.withParameters)
                for (const QVariant &parameter : m_store.parameters())
                    text = text.arg(parameter.toString());
            if (item.tax > 0) {
                // The tax as the store names it, where the heading has its starting name.
                const Tax &tax = m_store.taxes()[item.tax - 1];
                text.replace(Tax{item.tax == 1 ? QStringLiteral("GST") : QStringLiteral("PST"), 0}.shownName(),
                             tax.shownName());
            }
            Prepared p{&item, fontIndex(item.font), -1, item.width, closesUp ? item.top - pitch : item.top, text};
            if (item.kind == ItemKind::Field)
                p.column = command.column(item.text);
            else if (item.kind == ItemKind::Sum)
                p.column = command.sumIndex(item.text);
            if (item.kind == ItemKind::Field || item.kind == ItemKind::GroupKey || item.kind == ItemKind::Label
                || item.kind == ItemKind::Summary) {
                // A text may run on to just before the next box on its line;
                // a label only as far as its longest word needs.
                int next = ContentWidth;
                for (const ReportItem &other : band.items)
                    if (other.top == item.top && other.left > item.left && other.kind != ItemKind::Line)
                        next = std::min(next, other.left);
                int room = next - item.left - Gap;
                // A report's title keeps to one line: a longer one (in French)
                // takes the room beside it.
                if (item.kind == ItemKind::Label && !item.alignRight && band.kind != BandKind::ReportHeader) {
                    double word = 0;
                    for (const QString &w : text.split(u' ', Qt::SkipEmptyParts))
                        word = std::max(word, m_metrics[p.font].horizontalAdvance(w));
                    room = std::min(room, int(std::ceil(word)) + 20);
                }
                p.extent = std::max(item.width, room);
            }
            pb.items.push_back(p);
        }
        m_bands.push_back(pb);
    }
}

const ReportDocument::PreparedBand *ReportDocument::prepared(BandKind kind) const
{
    for (const PreparedBand &b : m_bands)
        if (b.band->kind == kind)
            return &b;
    return nullptr;
}

void ReportDocument::paginate()
{
    const int rh = m_layout.height(BandKind::ReportHeader);
    const int ph = m_layout.height(BandKind::PageHeader);
    const int gh = m_layout.height(BandKind::GroupHeader);
    const int d = std::max(1, m_layout.height(BandKind::Detail));
    const int gf = m_layout.height(BandKind::GroupFooter);
    const int pf = m_layout.height(BandKind::PageFooter);
    const int rf = m_layout.height(BandKind::ReportFooter);
    const bool hasRf = m_layout.band(BandKind::ReportFooter) != nullptr;
    const bool grouped = !m_layout.command->groupBy.isEmpty();
    const int bottom = ContentHeight - pf;

    int y = 0;
    int contentTop = 0;
    auto place = [&](BandKind kind, int group = -1, qint64 first = 0, qint64 count = 0) {
        m_placed.push_back({kind, group, first, count, y});
    };
    auto pageHeader = [&] {
        if (m_layout.band(BandKind::PageHeader)) {
            place(BandKind::PageHeader);
            y += ph;
        }
        contentTop = y;
    };
    auto newPage = [&] {
        if (m_layout.band(BandKind::PageFooter)) {
            y = bottom;
            place(BandKind::PageFooter);
        }
        m_pageStarts.push_back(qsizetype(m_placed.size()));
        y = 0;
        pageHeader();
    };

    m_pageStarts.push_back(0);
    if (m_layout.band(BandKind::ReportHeader)) {
        place(BandKind::ReportHeader);
        y += rh;
    }
    pageHeader();

    const QList<ReportGroup> &groups = m_store.groups();
    for (int gi = 0; gi < groups.size(); ++gi) {
        const ReportGroup &g = groups[gi];
        if (grouped && m_layout.band(BandKind::GroupHeader)) {
            // A group's heading never stands alone at the foot of a page.
            if (y + gh + (g.rowCount > 0 ? d : 0) > bottom && y > contentTop)
                newPage();
            place(BandKind::GroupHeader, gi);
            y += gh;
        }
        qint64 r = 0;
        while (r < g.rowCount) {
            qint64 fit = (bottom - y) / d;
            if (fit <= 0) {
                if (y > contentTop) {
                    newPage();
                    continue;
                }
                fit = 1; // a band taller than a page still gets printed
            }
            const qint64 k = std::min(fit, g.rowCount - r);
            place(BandKind::Detail, gi, g.firstRow + r, k);
            y += int(k * d);
            r += k;
        }
        if (grouped && m_layout.band(BandKind::GroupFooter)) {
            if (y + gf > bottom && y > contentTop)
                newPage();
            place(BandKind::GroupFooter, gi);
            y += gf;
        }
    }
    if (hasRf) {
        if (y + rf > bottom && y > contentTop)
            newPage();
        place(BandKind::ReportFooter);
        y += rf;
    }
    if (m_layout.band(BandKind::PageFooter)) {
        y = bottom;
        place(BandKind::PageFooter);
    }
}

QList<PlacedBand> ReportDocument::bandsOn(int page) const
{
    QList<PlacedBand> out;
    if (page < 0 || page >= pageCount())
        return out;
    const qsizetype end = page + 1 < pageCount() ? m_pageStarts[page + 1] : qsizetype(m_placed.size());
    for (qsizetype i = m_pageStarts[page]; i < end; ++i)
        out << m_placed[i];
    return out;
}

QString ReportDocument::format(const QVariant &value, ColumnType type, bool currency)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (type) {
    case ColumnType::Money: {
        // Every amount with its two decimals: "2.50", never "2.5".
        const Money m = Money::fromUnits(value.toLongLong());
        return currency ? m.toCurrency() : m.toPlainCents();
    }
    case ColumnType::Number: return QString::number(value.toLongLong());
    case ColumnType::Text:
    case ColumnType::Date: break;
    }
    return value.toString();
}

double ReportDocument::advance(int font, const QString &text) const
{
    // Kerning is off, so a plain ASCII text is as wide as its characters.
    const std::array<double, 128> &table = m_advances[font];
    double width = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 32 || u >= 127)
            return m_metrics[font].horizontalAdvance(text);
        width += table[u];
    }
    return width;
}

std::optional<std::pair<quint32, double>> ReportDocument::cachedGlyph(int font, char16_t ch) const
{
    if (!m_rawFonts[font].isValid())
        return std::nullopt;
    if (ch == Ellipsis)
        return m_ellipsis[font].first ? std::optional(m_ellipsis[font]) : std::nullopt;
    if (ch < 32 || ch >= 127 || !m_glyphs[font][ch])
        return std::nullopt;
    return std::pair<quint32, double>(m_glyphs[font][ch], m_advances[font][ch]);
}

void ReportDocument::drawPlain(QPainter &painter, int font, QPointF at, const QString &text, double scale)
{
    for (const QChar ch : text)
        if (!cachedGlyph(font, ch.unicode())) {
            painter.drawText(at, text);
            return;
        }
    const QRgb color = painter.pen().color().rgba();
    auto batch = std::find_if(m_batches.begin(), m_batches.end(), [&](const GlyphBatch &b) {
        return b.font == font && b.scale == scale && b.color == color;
    });
    if (batch == m_batches.end()) {
        GlyphBatch b{font, scale, color, m_rawFonts[font], {}, {}};
        if (scale != 1)
            b.raw.setPixelSize(b.raw.pixelSize() * scale);
        m_batches.push_back(b);
        batch = m_batches.end() - 1;
    }
    double x = at.x();
    for (const QChar ch : text) {
        const auto [glyph, advance] = *cachedGlyph(font, ch.unicode());
        batch->glyphs << glyph;
        batch->positions << QPointF(x, at.y());
        x += advance * scale;
    }
}

void ReportDocument::flushGlyphs(QPainter &painter)
{
    const QPen pen = painter.pen();
    for (const GlyphBatch &b : m_batches) {
        if (b.glyphs.isEmpty())
            continue;
        QGlyphRun run;
        run.setRawFont(b.raw);
        run.setGlyphIndexes(b.glyphs);
        run.setPositions(b.positions);
        painter.setPen(QColor::fromRgba(b.color));
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    m_batches.clear();
    painter.setPen(pen);
}

void ReportDocument::drawText(QPainter &painter, const Prepared &p, int y, const QString &text, ColumnType type)
{
    if (text.isEmpty())
        return;
    const ReportItem &item = *p.item;
    const QFontMetricsF &fm = m_metrics[p.font];
    const double baseline = y + p.top + fm.ascent();
    if (item.currency || type == ColumnType::Money || item.alignRight) {
        // Amounts line up on their right edge and are never cut short.
        drawPlain(painter, p.font, QPointF(item.left + item.width - advance(p.font, text), baseline), text);
        return;
    }
    const double width = advance(p.font, text);
    if (width <= p.extent) {
        drawPlain(painter, p.font, QPointF(item.left, baseline), text);
    } else if (type == ColumnType::Text) {
        // Cut short with an ellipsis; plain texts are cut by their cached
        // advances, others as Qt lays them out.
        QString cut;
        double used = m_ellipsis[p.font].second;
        for (const QChar ch : text) {
            const auto g = cachedGlyph(p.font, ch.unicode());
            if (!g) {
                cut = fm.elidedText(text, Qt::ElideRight, p.extent);
                break;
            }
            if (used + g->second > p.extent) {
                cut.append(QChar(Ellipsis));
                break;
            }
            used += g->second;
            cut.append(ch);
        }
        drawPlain(painter, p.font, QPointF(item.left, baseline), cut);
    } else {
        // A date or a number is never cut short: it is set smaller to fit.
        drawPlain(painter, p.font, QPointF(item.left, baseline), text, p.extent / width);
    }
}

ReportDocument::Prepared ReportDocument::runOn(const PreparedBand &band, const Prepared &p, const ReportRow &row) const
{
    // A note standing alone on its row runs on over the empty boxes after it.
    Prepared wide = p;
    int next = ContentWidth;
    for (const Prepared &other : band.items)
        if (other.item->kind != ItemKind::Line && other.top == p.top && other.item->left > p.item->left) {
            const QVariant value = other.column >= 0 && other.item->kind == ItemKind::Field ? row.value(other.column)
                                                                                             : QVariant(1);
            if (!value.isNull() && value.isValid())
                next = std::min(next, other.item->left);
        }
    wide.extent = std::max(p.extent, next - p.item->left - Gap);
    return wide;
}

void ReportDocument::paintBand(QPainter &painter, const PreparedBand &band, const PlacedBand &placed, int page,
                               const ReportRow *row, int y)
{
    const ReportCommand &command = *m_layout.command;
    int currentFont = -1;
    for (const Prepared &p : band.items) {
        const ReportItem &item = *p.item;
        if (p.font != currentFont && item.kind != ItemKind::Logo && item.kind != ItemKind::Line) {
            painter.setFont(m_fonts[p.font]);
            currentFont = p.font;
        }
        if (painter.pen().color() != item.color)
            painter.setPen(item.color);
        switch (item.kind) {
        case ItemKind::Label:
            // A heading over amounts keeps to its box, at the amounts' right edge.
            painter.drawText(QRectF(item.left, y + p.top, item.alignRight ? item.width : p.extent,
                                    band.band->height - p.top),
                             (item.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap,
                             p.text);
            break;
        case ItemKind::Summary:
            if (item.summary)
                drawText(painter, p, y, item.summary(m_store), ColumnType::Text);
            break;
        case ItemKind::Field:
            if (row && p.column >= 0)
                drawText(painter, command.columns[p.column].type == ColumnType::Text ? runOn(band, p, *row) : p, y,
                         format(row->value(p.column), command.columns[p.column].type, item.currency),
                         command.columns[p.column].type);
            break;
        case ItemKind::GroupKey:
            if (placed.group >= 0) {
                QString key = m_store.groups()[placed.group].key.toString();
                // The store keeps the genres by their English names.
                if (m_layout.command->groupBy.endsWith(QLatin1String("CategoryName")))
                    key = QCoreApplication::translate("Genres", key.toUtf8().constData());
                drawText(painter, p, y, key, ColumnType::Text);
            }
            break;
        case ItemKind::Sum: {
            const QList<Money> &sums =
                placed.kind == BandKind::ReportFooter ? m_store.totals() : m_store.groupSums(placed.group);
            if (p.column >= 0 && p.column < sums.size())
                drawText(painter, p, y, sums[p.column].toCurrency(), ColumnType::Money);
            break;
        }
        case ItemKind::Logo:
            painter.drawPixmap(QRectF(item.left, y + item.top, item.width, item.width / 3.0), Pictures::logo(),
                               QRectF());
            break;
        case ItemKind::Line:
            painter.setPen(QPen(item.color, 15));
            painter.drawLine(QPointF(item.left, y + item.top), QPointF(item.left + item.width, y + item.top));
            painter.setPen(item.color);
            break;
        case ItemKind::PageNumber: {
            const QString text = Text::tr("Page %1 of %2").arg(page + 1).arg(pageCount());
            const QFontMetricsF &fm = m_metrics[p.font];
            painter.drawText(QPointF(item.left + (item.width - fm.horizontalAdvance(text)) / 2,
                                     y + item.top + fm.ascent()),
                             text);
            break;
        }
        }
    }
}

bool ReportDocument::paintPage(QPainter &painter, int page)
{
    if (page < 0 || page >= pageCount())
        return false;
    const Language::Scope printed(m_store.language());
    const QList<PlacedBand> bands = bandsOn(page);
    // The sums the page's footers show, read now if not yet.
    int firstGroup = -1, lastGroup = -1;
    for (const PlacedBand &b : bands) {
        if (b.kind == BandKind::ReportFooter && !m_store.loadSums())
            return false;
        if (b.kind == BandKind::GroupFooter) {
            firstGroup = firstGroup < 0 ? b.group : firstGroup;
            lastGroup = b.group;
        }
    }
    if (firstGroup >= 0 && !m_store.loadGroupSums(firstGroup, lastGroup))
        return false;
    if (page != m_cachedPage) {
        qint64 first = -1, last = -1;
        for (const PlacedBand &b : bands)
            if (b.kind == BandKind::Detail) {
                if (first < 0)
                    first = b.firstRow;
                last = b.firstRow + b.rowCount;
            }
        m_cachedRows.clear();
        if (first >= 0) {
            auto rows = m_store.rows(first, last - first);
            if (!rows)
                return false;
            m_cachedRows = std::move(*rows);
        }
        m_cachedPage = page;
    }
    const qint64 pageFirst = [&] {
        for (const PlacedBand &b : bands)
            if (b.kind == BandKind::Detail)
                return b.firstRow;
        return qint64(0);
    }();

    painter.save();
    painter.translate(Margin, Margin);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PlacedBand &b : bands) {
        const PreparedBand *band = prepared(b.kind);
        if (!band)
            continue;
        if (b.kind != BandKind::Detail) {
            paintBand(painter, *band, b, page, nullptr, b.y);
            continue;
        }
        const int h = band->band->height;
        for (qint64 i = 0; i < b.rowCount; ++i) {
            const qint64 at = b.firstRow + i - pageFirst;
            if (at >= m_cachedRows.size())
                break;
            paintBand(painter, *band, b, page, &m_cachedRows[at], b.y + int(i * h));
        }
    }
    flushGlyphs(painter);
    painter.restore();
    return true;
}

void ReportDocument::preparePrinter(QPrinter &printer) const
{
    const Language::Scope printed(m_store.language());
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(m_layout.title(m_store.parameters()));
    printer.setFromTo(1, pageCount());
}

ReportDocument::Outcome ReportDocument::render(QPagedPaintDevice &device, int from, int to,
                                               const Progress &progress)
{
    from = std::max(0, from);
    to = std::min(to, pageCount() - 1);
#ifdef __GLIBC__
    // The PDF and print engines grow and drop a large buffer for every
    // page; handing that memory back to the system each time costs more
    // than the drawing itself.
    static std::once_flag tuned;
    std::call_once(tuned, [] {
        mallopt(M_TRIM_THRESHOLD, 256 << 20);
        mallopt(M_TOP_PAD, 64 << 20);
        mallopt(M_MMAP_THRESHOLD, 64 << 20);
    });
#endif
    QPainter painter;
    if (!painter.begin(&device))
        return Outcome::Failed;
    const double scale = device.logicalDpiX() / 1440.0;
    const int total = to - from + 1;
    // From the first page on, rows are read in one pass rather than a
    // query per page, with every sum read before it: a server takes no
    // other statement while it streams.
    const bool stream = from == 0 && to > 0 && m_store.loadSums() && m_store.startStream();
    m_cachedPage = -1;
    struct EndStream
    {
        ReportDocument *doc;
        bool on;
        ~EndStream()
        {
            if (on)
                doc->m_store.stopStream();
            doc->m_cachedPage = -1;
        }
    } endStream{this, stream};
    for (int page = from; page <= to; ++page) {
        if (page > from && !device.newPage()) {
            painter.end();
            return Outcome::Failed;
        }
        painter.save();
        painter.scale(scale, scale);
        const bool painted = paintPage(painter, page);
        painter.restore();
        if (!painted) {
            painter.end();
            return Outcome::Failed;
        }
        if (progress && !progress(page - from + 1, total)) {
            painter.end();
            return Outcome::Cancelled;
        }
    }
    return painter.end() ? Outcome::Done : Outcome::Failed;
}

ReportDocument::Outcome ReportDocument::writePdf(const QString &path, const Progress &progress, QString *error,
                                                 OutputFile::Existing existing)
{
    OutputFile file(path, {m_store.path(), existing,
                           m_layout.ownerOnly ? OutputFile::Access::OwnerOnly : OutputFile::Access::Everyone});
    if (!file.open()) {
        if (error)
            *error = file.error();
        return Outcome::Failed;
    }
    Outcome outcome;
    {
        const Language::Scope printed(m_store.language());
        QPdfWriter pdf(&file.device());
        pdf.setPageSize(QPageSize(QPageSize::Letter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1440);
        pdf.setTitle(m_layout.title(m_store.parameters()));
        pdf.setCreator(QStringLiteral("Video Store"));
        outcome = render(pdf, 0, pageCount() - 1, progress);
    }
    if (outcome != Outcome::Done) {
        file.cancel();
        if (error && outcome == Outcome::Failed)
            *error = ReportStore::failedFile(path, m_store.lastError());
        return outcome;
    }
    if (!file.commit()) {
        if (error)
            *error = file.error();
        return Outcome::Failed;
    }
    return Outcome::Done;
}
