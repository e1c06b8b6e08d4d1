#include "Pictures.h"

#include "PrintFonts.h"

#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Pictures {

namespace {

QPixmap canvas(int w, int h)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void drawCassette(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(20, 20, 30), 1.5));
    p.setBrush(QColor(45, 45, 60));
    p.drawRoundedRect(r, 2.5, 2.5);
    const QRectF window(r.left() + r.width() * 0.18, r.top() + r.height() * 0.22, r.width() * 0.64,
                        r.height() * 0.42);
    p.setBrush(QColor(235, 225, 200));
    p.setPen(Qt::NoPen);
    p.drawRect(window);
    p.setBrush(QColor(45, 45, 60));
    const qreal rad = window.height() * 0.32;
    p.drawEllipse(QPointF(window.left() + window.width() * 0.27, window.center().y()), rad, rad);
    p.drawEllipse(QPointF(window.left() + window.width() * 0.73, window.center().y()), rad, rad);
}

void drawPerson(QPainter &p, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(10, 3, 12, 12));
    QPainterPath body;
    body.moveTo(4, 30);
    body.cubicTo(4, 18, 28, 18, 28, 30);
    body.closeSubpath();
    p.drawPath(body);
}

void drawDollar(QPainter &p, const QRectF &r, QColor colour, int pixelSize)
{
    QFont f = PrintFonts::font(PrintFonts::Face::Sans);
    f.setBold(true);
    f.setPixelSize(pixelSize);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("$"));
}

} // namespace

QPixmap logo()
{
    QPixmap pm = canvas(150, 50);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 150, 50);
    g.setColorAt(0, QColor(25, 35, 95));
    g.setColorAt(1, QColor(120, 30, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 149, 49), 6, 6);
    // A strip of film along the left edge.
    p.setBrush(QColor(15, 15, 20));
    p.drawRect(QRectF(6, 4, 18, 42));
    p.setBrush(QColor(240, 200, 60));
    for (int y = 7; y < 44; y += 7) {
        p.drawRect(QRectF(8, y, 3, 4));
        p.drawRect(QRectF(19, y, 3, 4));
    }
    QFont f = PrintFonts::font(PrintFonts::Face::Sans);
    f.setBold(true);
    f.setPixelSize(17);
    p.setFont(f);
    p.setPen(QColor(255, 215, 80));
    p.drawText(QRectF(28, 3, 120, 24), Qt::AlignCenter, QStringLiteral("VIDEO"));
    p.setPen(Qt::white);
    p.drawText(QRectF(28, 23, 120, 24), Qt::AlignCenter, QStringLiteral("STORE"));
    return pm;
}

QLabel *makeImage1(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Image1"));
    label->setPixmap(logo());
    label->setFixedSize(150, 50);
    return label;
}

QPixmap appPicture(int size)
{
    QPixmap pm = canvas(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on the toolbar's 32-unit grid, scaled to the size asked for.
    p.scale(size / 32.0, size / 32.0);
    QLinearGradient g(0, 0, 32, 32);
    g.setColorAt(0, QColor(25, 35, 95));
    g.setColorAt(1, QColor(120, 30, 90));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    p.setClipPath(tile);
    p.fillPath(tile, g);
    p.setPen(Qt::NoPen);
    // The logo's film strip, across the top and the bottom.
    for (const qreal top : {3.0, 24.0}) {
        p.setBrush(QColor(15, 15, 20));
        p.drawRect(QRectF(1, top, 30, 5));
        p.setBrush(QColor(240, 200, 60));
        for (qreal x = 3; x < 30; x += 5)
            p.drawRect(QRectF(x, top + 1.5, 2.2, 2));
    }
    drawCassette(p, QRectF(4, 9.5, 24, 13));
    return pm;
}

QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(appPicture(size));
    return icon;
}

QPixmap toolbarPicture(const QString &key)
{
    QPixmap pm = canvas(32, 32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("Videos")) {
        drawCassette(p, QRectF(2, 7, 28, 18));
    } else if (key == QLatin1String("Inventory")) {
        p.setPen(QPen(QColor(110, 70, 30), 1.2));
        p.setBrush(QColor(205, 155, 95));
        p.drawPolygon(QPolygonF({{4, 11}, {16, 5}, {28, 11}, {16, 17}}));
        p.setBrush(QColor(180, 125, 70));
        p.drawPolygon(QPolygonF({{4, 11}, {16, 17}, {16, 30}, {4, 24}}));
        p.setBrush(QColor(160, 105, 55));
        p.drawPolygon(QPolygonF({{28, 11}, {16, 17}, {16, 30}, {28, 24}}));
    } else if (key == QLatin1String("Checkout")) {
        p.setPen(QPen(QColor(30, 60, 130), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(120, 160, 230));
        p.drawPolyline(QPolygonF({{2, 5}, {7, 5}, {10, 21}, {26, 21}}));
        p.drawPolygon(QPolygonF({{8, 9}, {29, 9}, {26, 18}, {10, 18}}));
        p.setBrush(QColor(30, 60, 130));
        p.drawEllipse(QPointF(12, 26), 2.5, 2.5);
        p.drawEllipse(QPointF(24, 26), 2.5, 2.5);
    } else if (key == QLatin1String("Return")) {
        drawCassette(p, QRectF(8, 14, 22, 14));
        p.setPen(QPen(QColor(30, 140, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 3, 18, 16), 30 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 140, 60));
        p.drawPolygon(QPolygonF({{1, 9}, {9, 9}, {4, 16}}));
    } else if (key == QLatin1String("Payment")) {
        p.setPen(QPen(QColor(20, 100, 40), 1.2));
        p.setBrush(QColor(120, 200, 120));
        p.drawRoundedRect(QRectF(2, 8, 28, 17), 2, 2);
        p.setBrush(QColor(90, 170, 90));
        p.drawEllipse(QRectF(10, 10, 12, 13));
        drawDollar(p, QRectF(10, 10, 12, 13), QColor(10, 70, 20), 11);
    } else if (key == QLatin1String("Movies")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 35));
        p.drawRect(QRectF(3, 13, 26, 16));
        p.save();
        p.translate(3, 12);
        p.rotate(-18);
        p.drawRect(QRectF(0, -6, 27, 6));
        p.setBrush(Qt::white);
        for (int x = 3; x < 26; x += 7)
            p.drawPolygon(QPolygonF({{qreal(x), -6}, {qreal(x + 3), -6}, {qreal(x + 1), 0}, {qreal(x - 2), 0}}));
        p.restore();
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 17, 20, 2));
        p.drawRect(QRectF(6, 22, 14, 2));
    } else if (key == QLatin1String("by Date")) {
        p.setPen(QPen(QColor(60, 60, 70), 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 6, 24, 22));
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(QRectF(4, 6, 24, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 70));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                p.drawRect(QRectF(7 + col * 5.5, 15 + row * 4.3, 3, 2.6));
    } else if (key == QLatin1String("Edit")) {
        p.save();
        p.translate(16, 16);
        p.rotate(45);
        p.setPen(QPen(QColor(120, 80, 20), 1));
        p.setBrush(QColor(240, 190, 60));
        p.drawRect(QRectF(-4, -14, 8, 20));
        p.setBrush(QColor(235, 205, 160));
        p.drawPolygon(QPolygonF({{-4, 6}, {4, 6}, {0, 14}}));
        p.setBrush(QColor(230, 120, 140));
        p.drawRect(QRectF(-4, -17, 8, 3));
        p.restore();
    } else if (key == QLatin1String("Add new")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 140, 60));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 8, 4, 16));
        p.drawRect(QRectF(8, 14, 16, 4));
    } else if (key == QLatin1String("Sales") || key == QLatin1String("All Sales")) {
        p.setPen(QPen(QColor(140, 90, 10), 1.2));
        p.setBrush(QColor(250, 200, 70));
        p.drawPolygon(QPolygonF({{3, 16}, {15, 4}, {28, 4}, {28, 17}, {16, 29}}));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(23, 9), 2, 2);
        drawDollar(p, QRectF(8, 9, 14, 16), QColor(120, 60, 0), 13);
    } else if (key == QLatin1String("Hold")) {
        // A tape with an amber tag: kept aside, not for the shelf.
        drawCassette(p, QRectF(2, 9, 24, 16));
        p.setPen(QPen(QColor(140, 70, 0), 1.2));
        p.setBrush(QColor(250, 170, 30));
        p.drawPolygon(QPolygonF({{18, 2}, {30, 2}, {30, 30}, {24, 24}, {18, 30}}));
    } else if (key == QLatin1String("Customer")) {
        drawPerson(p, QColor(40, 90, 170));
    } else if (key == QLatin1String("Remove")) {
        drawPerson(p, QColor(110, 110, 120));
        p.setPen(QPen(QColor(200, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 17), QPointF(29, 29));
        p.drawLine(QPointF(29, 17), QPointF(17, 29));
    } else {
        p.setPen(QPen(Qt::darkGray, 2));
        p.drawRect(QRectF(4, 4, 24, 24));
    }
    return pm;
}

} // namespace Pictures
