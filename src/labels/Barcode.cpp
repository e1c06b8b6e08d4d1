#include "Barcode.h"

#include <QPainter>

#include <zint.h>

#include <cmath>
#include <memory>

namespace {

struct SymbolDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

// The narrowest bar a label scanner reads reliably.
constexpr double LeastModuleMm = 0.25;
constexpr double MmPerInch = 25.4;

} // namespace

std::optional<Barcode> Barcode::code128(const QString &data, QString *error)
{
    const std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        if (error)
            *error = QStringLiteral("zint could not make a symbol.");
        return std::nullopt;
    }
    symbol->symbology = BARCODE_CODE128;
    symbol->whitespace_width = QuietModules;
    symbol->show_hrt = 1;
    const QByteArray bytes = data.toUtf8();
    int status = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(bytes.constData()),
                                 int(bytes.size()));
    if (status < ZINT_ERROR)
        status = ZBarcode_Buffer_Vector(symbol.get(), 0);
    if (status >= ZINT_ERROR || !symbol->vector) {
        if (error)
            *error = QString::fromUtf8(symbol->errtxt);
        return std::nullopt;
    }
    Barcode code;
    code.modules = symbol->width + 2 * QuietModules;
    // zint's vector units per module depend on its scale; the whole width
    // tells them.
    const double unit = symbol->vector->width / code.modules;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
        code.bars.append({int(std::lround(r->x / unit)), int(std::lround(r->width / unit))});
    if (const zint_vector_string *s = symbol->vector->strings) {
        code.text = QString::fromUtf8(reinterpret_cast<const char *>(s->text), s->length);
        code.textCentre = s->x / unit;
    }
    return code;
}

BarcodePlacement::BarcodePlacement(double dpi, bool pdf)
    : m_dpi(dpi)
    , m_grid(pdf ? 300 : dpi)
{
    const double dots = std::ceil(LeastModuleMm / MmPerInch * m_grid - 1e-9);
    m_module = dots / m_grid * m_dpi;
}

double BarcodePlacement::snapped(double left) const
{
    return std::round(left / m_dpi * m_grid) / m_grid * m_dpi;
}

void BarcodePlacement::drawBars(QPainter &painter, const Barcode &code, double left, double top,
                                double height) const
{
    const double x = snapped(left);
    for (const Barcode::Bar &bar : code.bars)
        painter.fillRect(QRectF(x + bar.start * m_module, top, bar.width * m_module, height), Qt::black);
}
