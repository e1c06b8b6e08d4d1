#pragma once

#include <QList>
#include <QString>

#include <optional>

class QPainter;

// A Code 128 symbol as zint encodes and lays it out: its bars in modules
// from the left edge of the left quiet zone, and the digits it prints under
// them. Nothing here decides a bar; zint does.
struct Barcode
{
    // A scanner needs at least ten modules of white either side.
    static constexpr int QuietModules = 10;

    struct Bar
    {
        int start = 0; // modules from the left edge
        int width = 0;
    };
    QList<Bar> bars;
    int modules = 0; // the whole width, quiet zones included
    QString text;    // the digits under the bars
    double textCentre = 0; // in modules from the left edge

    // The symbol for `data`; nullopt with zint's reason in `error`.
    static std::optional<Barcode> code128(const QString &data, QString *error = nullptr);
};

// Where a symbol goes on a page and how big, in the device's pixels: a
// module a whole number of dots, never below a quarter of a millimetre, and
// every bar edge on a dot.
class BarcodePlacement
{
public:
    // The painter's device at `dpi`; a PDF is laid out for 300 dots an inch
    // and its multiples, the resolutions it is most often printed at.
    BarcodePlacement(double dpi, bool pdf);

    // One module, in device pixels.
    double module() const { return m_module; }
    // The symbol's width, quiet zones included, in device pixels.
    double width(const Barcode &code) const { return code.modules * m_module; }
    // Draws the bars with their top left corner (the quiet zone's) near
    // `left`, `top`, snapped to the dot grid, `height` pixels tall.
    void drawBars(QPainter &painter, const Barcode &code, double left, double top, double height) const;
    // The left edge drawBars() would use for `left`.
    double snapped(double left) const;

private:
    double m_dpi;
    double m_grid; // dots an inch the edges keep to
    double m_module;
};
