#pragma once

#include "ReportLayout.h"
#include "ReportStore.h"
#include "data/OutputFile.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// A band placed on a page: where it stands and, for details, which rows.
struct PlacedBand
{
    BandKind kind = BandKind::Detail;
    int group = -1;
    qint64 firstRow = 0; // detail: first row, in report order
    qint64 rowCount = 0; // detail: rows one under another
    int y = 0;           // twips below the top margin
};

// A report laid out on letter paper with one-inch margins. The pages are
// worked out from the row counts alone; a page's rows are read only when
// that page is painted.
class ReportDocument final
{
public:
    static constexpr int PaperWidth = 12240;
    static constexpr int PaperHeight = 15840;
    static constexpr int Margin = 1440;

    // Over an opened store.
    ReportDocument(const ReportLayout &layout, ReportStore &store);

    const ReportLayout &layout() const { return m_layout; }
    ReportStore &store() const { return m_store; }
    int pageCount() const { return int(m_pageStarts.size()); }
    QList<PlacedBand> bandsOn(int page) const;

    // Paints page `page` (0-based) with the painter in twips from the
    // paper's top left corner; false when its rows cannot be read.
    bool paintPage(QPainter &painter, int page);

    // Called after each page with pages done and pages in all; false cancels.
    using Progress = std::function<bool(int done, int total)>;
    enum class Outcome { Done, Cancelled, Failed };

    // Pages from .. to (0-based, inclusive) onto a printer or PDF writer.
    Outcome render(QPagedPaintDevice &device, int from, int to, const Progress &progress = {});
    // The whole report as a PDF file; a cancelled or failed run leaves no
    // file behind (and an older file of that name as it was). Never over
    // the store's own files.
    Outcome writePdf(const QString &path, const Progress &progress = {}, QString *error = nullptr,
                     OutputFile::Existing existing = OutputFile::Existing::Replace);
    // Sets up a printer for these pages: letter paper, the caption as name.
    void preparePrinter(QPrinter &printer) const;

    // The text a field, group key or sum shows.
    static QString format(const QVariant &value, ColumnType type, bool currency);

private:
    struct Prepared
    {
        const ReportItem *item = nullptr;
        int font = 0;    // index into m_fonts
        int column = -1; // field: column of the row; sum: index of the sum
        int extent = 0;  // room a text may use before the next box
        int top = 0;     // from the band's top, once a line left off is closed up
        QString text;    // a label's text, a tax named as the store names it
    };
    struct PreparedBand
    {
        const ReportBand *band = nullptr;
        std::vector<Prepared> items;
    };

    void prepare();
    void paginate();
    const PreparedBand *prepared(BandKind kind) const;
    int fontIndex(const ReportFont &font);
    void paintBand(QPainter &painter, const PreparedBand &band, const PlacedBand &placed, int page,
                   const ReportRow *row, int y);
    void drawText(QPainter &painter, const Prepared &p, int y, const QString &text, ColumnType type);
    // `p` with the room up to the next box of its line that holds something in `row`.
    Prepared runOn(const PreparedBand &band, const Prepared &p, const ReportRow &row) const;

    const ReportLayout &m_layout;
    ReportStore &m_store;
    std::vector<PreparedBand> m_bands;
    QList<QFont> m_fonts;
    QList<QFontMetricsF> m_metrics;
    // Advances of the printable ASCII characters per font: most texts are
    // measured by adding these up rather than by laying the text out.
    QList<std::array<double, 128>> m_advances;
    double advance(int font, const QString &text) const;
    // Glyphs of the printable ASCII characters per font, so plain texts are
    // drawn without being laid out again on every row.
    QList<QRawFont> m_rawFonts;
    QList<std::array<quint32, 128>> m_glyphs;
    // The ellipsis that ends a text cut short, per font: glyph and advance.
    QList<std::pair<quint32, double>> m_ellipsis;
    static constexpr char16_t Ellipsis = 0x2026;
    // The glyph and advance of a character, when it is one of the cached ones.
    std::optional<std::pair<quint32, double>> cachedGlyph(int font, char16_t ch) const;
    // Plain texts of a page are gathered into one glyph run per font, size
    // and colour and drawn together at the end of the page: a printer or
    // PDF then gets a few runs a page instead of one per box.
    struct GlyphBatch
    {
        int font = 0;
        double scale = 1;
        QRgb color = 0;
        QRawFont raw;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<GlyphBatch> m_batches;
    void drawPlain(QPainter &painter, int font, QPointF at, const QString &text, double scale = 1);
    void flushGlyphs(QPainter &painter);
    std::vector<PlacedBand> m_placed;
    std::vector<qsizetype> m_pageStarts;
    int m_cachedPage = -1;
    QList<ReportRow> m_cachedRows;
};
