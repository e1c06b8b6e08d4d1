#include "FlexGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyle>

// Cells of rows 1.. are the view's rows 0..; row 0 is the view's header.
class FlexGridModel final : public QAbstractTableModel
{
public:
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : qMax(0, int(m_cells.size()) - 1);
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_cols; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return cell(index.row() + 1, index.column());
        if (role == Qt::BackgroundRole && index.column() == 0)
            return QApplication::palette().button();
        if (role == Qt::TextAlignmentRole && amounts.contains(index.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return cell(0, section);
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole && amounts.contains(section))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }

    QSet<int> amounts; // columns of amounts

    QString cell(int row, int col) const
    {
        if (row < 0 || row >= m_cells.size() || col < 0 || col >= m_cols)
            return {};
        const QStringList &r = m_cells[row];
        return col < r.size() ? r[col] : QString();
    }

    void setCell(int row, int col, const QString &text)
    {
        if (row < 0 || row >= m_cells.size() || col < 0 || col >= m_cols)
            return;
        QStringList &r = m_cells[row];
        if (r.size() < m_cols)
            r.resize(m_cols);
        r[col] = text;
        if (row == 0)
            emit headerDataChanged(Qt::Horizontal, col, col);
        else
            emit dataChanged(index(row - 1, col), index(row - 1, col));
    }

    void setRowTexts(int row, const QStringList &texts)
    {
        if (row < 0 || row >= m_cells.size())
            return;
        QStringList r = texts.mid(0, m_cols);
        r.resize(m_cols);
        m_cells[row] = r;
        if (row == 0)
            emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
        else
            emit dataChanged(index(row - 1, 0), index(row - 1, m_cols - 1));
    }

    int rows() const { return int(m_cells.size()); }

    void setRecords(QVector<QStringList> records)
    {
        beginResetModel();
        QStringList header = m_cells.value(0);
        m_cells = std::move(records);
        m_cells.prepend(std::move(header));
        endResetModel();
    }

    void setRows(int rows)
    {
        rows = qMax(1, rows);
        const int old = int(m_cells.size());
        if (rows > old) {
            beginInsertRows({}, old - 1, rows - 2);
            m_cells.resize(rows);
            endInsertRows();
        } else if (rows < old) {
            beginRemoveRows({}, rows - 1, old - 2);
            m_cells.resize(rows);
            endRemoveRows();
        }
    }

    void setCols(int cols)
    {
        cols = qMax(1, cols);
        beginResetModel();
        m_cols = cols;
        endResetModel();
    }

    void clearCells()
    {
        for (QStringList &r : m_cells)
            r = QStringList();
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
        if (m_cells.size() > 1)
            emit dataChanged(index(0, 0), index(int(m_cells.size()) - 2, m_cols - 1));
    }

    void removeRow(int row)
    {
        if (row < 1 || row >= m_cells.size())
            return;
        beginRemoveRows({}, row - 1, row - 1);
        m_cells.remove(row);
        endRemoveRows();
    }

private:
    QVector<QStringList> m_cells = QVector<QStringList>(1);
    int m_cols = 2;
};

FlexGrid::FlexGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new FlexGridModel)
{
    setModel(m_model);
    m_model->setParent(this);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // Narrow columns keep the width they are given.
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setWordWrap(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex &) { emit cellClicked(); });
    // A width set from outside (or dragged by the user) is the column's own.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int) {
        if (!m_spreading && col < m_share.size())
            m_share[col] = 0;
    });
}

FlexGrid::~FlexGrid() = default;

int FlexGrid::rows() const { return m_model->rows(); }
void FlexGrid::setRows(int rows) { m_model->setRows(rows); }
int FlexGrid::cols() const { return m_model->columnCount(); }
void FlexGrid::setCols(int cols)
{
    m_model->setCols(cols);
    // The columns are back at their default widths.
    m_share.fill(0);
    spread();
}

int FlexGrid::row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void FlexGrid::setRow(int row)
{
    if (row < 1 || row >= rows()) {
        setCurrentIndex({});
        return;
    }
    setCurrentIndex(m_model->index(row - 1, qMax(0, col())));
}

int FlexGrid::col() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : 0;
}

void FlexGrid::setCol(int col)
{
    const QModelIndex i = currentIndex();
    if (i.isValid() && col >= 0 && col < cols())
        setCurrentIndex(m_model->index(i.row(), col));
}

QString FlexGrid::text(int row, int col) const { return m_model->cell(row, col); }
void FlexGrid::setText(int row, int col, const QString &text) { m_model->setCell(row, col, text); }
QString FlexGrid::currentText() const { return text(row(), col()); }
void FlexGrid::setRowTexts(int row, const QStringList &texts) { m_model->setRowTexts(row, texts); }
void FlexGrid::setRecords(QVector<QStringList> records)
{
    // A reset would give every column the default width again.
    QList<int> widths;
    for (int c = 0; c < cols(); ++c)
        widths << columnWidth(c);
    m_spreading = true;
    m_model->setRecords(std::move(records));
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, widths[c]);
    m_spreading = false;
}

int FlexGrid::twipsToPixels(int twips) { return (twips * 96 + 720) / 1440; }
int FlexGrid::pixelsToTwips(int pixels) { return pixels * 15; }

int FlexGrid::colWidth(int col) const { return pixelsToTwips(columnWidth(col)); }
void FlexGrid::setColWidth(int col, int twips) { setOwnWidth(col, twipsToPixels(twips)); }

void FlexGrid::fitText(int col, const QString &text)
{
    // The cell's margins on both sides and the grid line.
    const int needed = fontMetrics().horizontalAdvance(text) + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    if (ownWidth(col) < needed)
        setOwnWidth(col, needed);
}

int FlexGrid::ownWidth(int col) const
{
    return columnWidth(col) - (col >= 0 && col < m_share.size() ? m_share[col] : 0);
}

void FlexGrid::setOwnWidth(int col, int pixels)
{
    setColumnWidth(col, pixels);
    spread();
}

void FlexGrid::setColKind(int col, ColKind kind)
{
    if (kind == Amount)
        m_model->amounts.insert(col);
    else
        m_model->amounts.remove(col);
    const int own = ownWidth(col);
    if (col < m_share.size() && m_share[col] > 0) {
        m_spreading = true;
        setColumnWidth(col, own);
        m_spreading = false;
        m_share[col] = 0;
    }
    if (kind == Text)
        m_textCols.insert(col);
    else
        m_textCols.remove(col);
    spread();
}

bool FlexGrid::viewportEvent(QEvent *event)
{
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        spread();
    return handled;
}

void FlexGrid::spread()
{
    if (m_spreading || m_textCols.isEmpty())
        return;
    m_spreading = true;
    m_share.resize(cols(), 0);
    int used = 0;
    QList<int> text;
    for (int c = 0; c < cols(); ++c) {
        if (isColumnHidden(c))
            continue;
        used += ownWidth(c);
        if (m_textCols.contains(c))
            text << c;
    }
    const int spare = std::max(0, viewport()->width() - used);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int c = text[i];
        const int own = ownWidth(c);
        m_share[c] = spare / int(text.size()) + (i < spare % text.size() ? 1 : 0);
        setColumnWidth(c, own + m_share[c]);
    }
    m_spreading = false;
}

void FlexGrid::clear() { m_model->clearCells(); }
void FlexGrid::removeItem(int row) { m_model->removeRow(row); }
