#pragma once

#include <QStringList>
#include <QStyledItemDelegate>
#include <QWidget>

#include <array>

class QListWidget;

// The bill's lists shown in columns (kind, number, description, quantity,
// amount) under headings of their own, while each item's text stays the
// bill's line as the counter's rules read it.
namespace BillView {

// Where each of the five columns starts and how wide it is, for a list of
// `width` pixels in the font of `metrics`; the description takes what the
// others leave.
struct Geometry
{
    std::array<int, 5> left{}, width{};
};
Geometry geometry(const QFontMetrics &metrics, int width);

// Puts `list` under its headings in a widget of its own, which it returns,
// and paints its lines in columns.
QWidget *headed(QListWidget *list, QWidget *parent);

// What each column shows of a line; an unread line is one text.
QStringList cells(const QString &line);

} // namespace BillView

class BillDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

class BillHeadings final : public QWidget
{
public:
    BillHeadings(QListWidget *list, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QListWidget *m_list;
};
