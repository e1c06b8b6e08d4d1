#pragma once

#include <QSet>
#include <QTableView>
#include <QVector>

class FlexGridModel;

// A grid of text cells with one fixed header row and one fixed first column.
// Row 0 holds the headers and is counted in rows(); the current row is the
// selected record. While out of use (during an edit) it takes no clicks and
// its current row cannot change.
class FlexGrid final : public QTableView
{
    Q_OBJECT

public:
    explicit FlexGrid(QWidget *parent = nullptr);
    ~FlexGrid() override;

    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    int row() const;
    void setRow(int row);
    int col() const;
    void setCol(int col);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);
    // The text of the current cell.
    QString currentText() const;
    // Fills one row at once; cheaper than cell by cell for long lists.
    void setRowTexts(int row, const QStringList &texts);
    // Replaces every record row at once (row 0 stays): rows() becomes
    // records.size() + 1. The way to fill a long list.
    void setRecords(QVector<QStringList> records);

    int colWidth(int col) const; // twips
    void setColWidth(int col, int twips);
    // Widens a column, never narrows it, so that `text` shows whole in it.
    void fitText(int col, const QString &text);

    // What a column holds: text columns share the room the grid has beyond
    // its columns' widths; amounts stand at the right, under a heading at
    // the right.
    enum ColKind { Plain, Text, Amount };
    void setColKind(int col, ColKind kind);

    // Empties every cell; the number of rows stays.
    void clear();
    void removeItem(int row);

    void setInUse(bool inUse) { setEnabled(inUse); }
    bool inUse() const { return isEnabled(); }

    static int twipsToPixels(int twips);
    static int pixelsToTwips(int pixels);

signals:
    // A click on a record row, after it has become the current row.
    void cellClicked();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    // A column's width without its share of the spare room.
    int ownWidth(int col) const;
    void setOwnWidth(int col, int pixels);
    // Gives the spare room to the text columns.
    void spread();

    FlexGridModel *m_model;
    QVector<int> m_share; // per column: its share of the spare room, in its width now
    QSet<int> m_textCols;
    bool m_spreading = false;
};
