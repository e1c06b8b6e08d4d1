#include "BillView.h"

#include "counter/BillLine.h"

#include <QApplication>
#include <QCoreApplication>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

namespace BillView {

namespace {

// The context of these texts in translations/counter_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(BillView)
};

const char *const Headings[] = {QT_TRANSLATE_NOOP("BillView", "Kind"), QT_TRANSLATE_NOOP("BillView", "No."),
                                QT_TRANSLATE_NOOP("BillView", "Description"), QT_TRANSLATE_NOOP("BillView", "Qty"),
                                QT_TRANSLATE_NOOP("BillView", "Amount")};

// Amounts and quantities read from the right, under headings that do too.
Qt::Alignment alignment(int column)
{
    return (column >= 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void drawRow(QPainter &p, const QRect &row, const QStringList &cells, const QFontMetrics &metrics)
{
    const Geometry g = geometry(metrics, row.width());
    const int pad = metrics.horizontalAdvance(u' ') / 2;
    for (int c = 0; c < 5 && c < cells.size(); ++c) {
        const QRect cell(row.left() + g.left[c] + pad, row.top(), std::max(0, g.width[c] - 2 * pad), row.height());
        p.drawText(cell, alignment(c), metrics.elidedText(cells[c], Qt::ElideRight, cell.width()));
    }
}

} // namespace

Geometry geometry(const QFontMetrics &metrics, int width)
{
    const int ch = metrics.horizontalAdvance(u'0');
    // Kind, number and quantity fit their widest, heading included; an
    // amount fits the largest bill the program takes.
    int kind = metrics.horizontalAdvance(Text::tr(Headings[0]) + u' ');
    for (const QString &k : BillLine::kindNames())
        kind = std::max(kind, metrics.horizontalAdvance(k + u' '));
    const int quantity = metrics.horizontalAdvance(Text::tr(Headings[3]) + u' ');
    const std::array<int, 5> fixed{kind + ch, metrics.horizontalAdvance(QStringLiteral("0000000")) + ch, 0,
                                   quantity + ch, metrics.horizontalAdvance(QStringLiteral("100000000.00")) + ch};
    Geometry g;
    g.width = fixed;
    g.width[2] = std::max(ch * 6, width - fixed[0] - fixed[1] - fixed[3] - fixed[4]);
    int x = 0;
    for (int c = 0; c < 5; ++c) {
        g.left[c] = x;
        x += g.width[c];
    }
    return g;
}

QStringList cells(const QString &line)
{
    const auto columns = BillLine::columns(line);
    if (!columns)
        return {QString(), QString(), line};
    return {columns->kind, columns->number, columns->description, columns->quantity, columns->amount};
}

QWidget *headed(QListWidget *list, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new BillHeadings(list, box));
    list->setParent(box);
    list->setItemDelegate(new BillDelegate(list));
    layout->addWidget(list);
    return box;
}

} // namespace BillView

void BillDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The frame and selection as any list draws them, then the columns.
    QStyleOptionViewItem frame = option;
    initStyleOption(&frame, index);
    frame.text.clear();
    const QWidget *view = option.widget;
    QStyle *style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &frame, painter, view);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                              : QPalette::Text));
    BillView::drawRow(*painter, option.rect, BillView::cells(index.data().toString()), option.fontMetrics);
    painter->restore();
}

BillHeadings::BillHeadings(QListWidget *list, QWidget *parent)
    : QWidget(parent)
    , m_list(list)
{
    setFont(list->font());
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QSize BillHeadings::sizeHint() const
{
    return {0, fontMetrics().height() + 6};
}

void BillHeadings::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Over the list's rows, wherever its frame and viewport put them.
    const QWidget *rows = m_list->viewport();
    const QPoint at = rows->mapTo(parentWidget(), QPoint(0, 0)) - pos();
    QStringList headings;
    for (const char *h : BillView::Headings)
        headings << BillView::Text::tr(h);
    // The list's own metrics, so each heading stands over its column.
    QFontMetrics listMetrics(m_list->font());
    const QRect row(at.x(), 0, rows->width(), height());
    const BillView::Geometry g = BillView::geometry(listMetrics, row.width());
    const int pad = listMetrics.horizontalAdvance(u' ') / 2;
    for (int c = 0; c < 5; ++c) {
        const QRect cell(row.left() + g.left[c] + pad, 0, std::max(0, g.width[c] - 2 * pad), height());
        p.drawText(cell, (c >= 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, headings[c]);
    }
}
