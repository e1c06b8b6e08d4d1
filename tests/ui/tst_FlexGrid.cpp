#include "ui/FlexGrid.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Four records of three columns under the header "No", "Title", "Class";
// cell (r, c) holds "r.c".
void fill(FlexGrid &grid)
{
    grid.setCols(3);
    grid.setRows(5);
    grid.setRowTexts(0, {QStringLiteral("No"), QStringLiteral("Title"), QStringLiteral("Class")});
    for (int r = 1; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            grid.setText(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
}

// Every row as "a|b|c", as the view shows it (row 0 in the header); a cell
// is marked when text() holds something else.
QStringList lines(const FlexGrid &grid)
{
    QStringList all;
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c) {
            const QString shown = r == 0 ? grid.model()->headerData(c, Qt::Horizontal).toString()
                                         : grid.model()->index(r - 1, c).data().toString();
            cells << (shown == grid.text(r, c) ? shown : shown + QStringLiteral(" but text ") + grid.text(r, c));
        }
        all << cells.join(u'|');
    }
    return all;
}

} // namespace

class tst_FlexGrid : public QObject
{
    Q_OBJECT

private slots:
    void cellsRowsAndClear()
    {
        FlexGrid grid;
        QCOMPARE(grid.rows(), 1);
        fill(grid);
        grid.setText(0, 1, QStringLiteral("Movie"));
        grid.setText(9, 0, QStringLiteral("lost")); // outside the grid
        grid.setRowTexts(1, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        QCOMPARE(QList<int>({grid.cols(), grid.model()->rowCount()}), QList<int>({3, 4}));
        QCOMPARE(lines(grid), QStringList({"No|Movie|Class", "a|b|c", "2.0|2.1|2.2", "3.0|3.1|3.2", "4.0|4.1|4.2"}));
        QCOMPARE(grid.text(9, 0) + grid.text(1, 3), QString());
        grid.removeItem(2);
        grid.removeItem(0); // not the header
        QCOMPARE(lines(grid), QStringList({"No|Movie|Class", "a|b|c", "3.0|3.1|3.2", "4.0|4.1|4.2"}));
        grid.setRows(3);
        grid.setRows(4);
        QCOMPARE(grid.model()->rowCount(), 3);
        QCOMPARE(lines(grid), QStringList({"No|Movie|Class", "a|b|c", "3.0|3.1|3.2", "||"})); // regrown empty
        grid.clear();
        QCOMPARE(lines(grid), QStringList({"||", "||", "||", "||"}));

        fill(grid);
        grid.setRows(0); // the header row stays
        grid.setCols(5);
        grid.setText(0, 4, QStringLiteral("Due"));
        QCOMPARE(lines(grid), QStringList{"No|Title|Class||Due"});
        grid.setRecords({{QStringLiteral("x"), QStringLiteral("y")}, {}}); // under the same header
        QCOMPARE(lines(grid), QStringList({"No|Title|Class||Due", "x|y|||", "||||"}));
    }

    void currentCellAndClicks()
    {
        FlexGrid grid;
        fill(grid);
        grid.setRow(2);
        grid.setCol(1);
        QStringList current;
        for (int row : {2, 4, 0, 5}) { // the column stays; the header is never the current record
            grid.setRow(row);
            current << QString::number(grid.row()) + u' ' + (grid.row() ? grid.currentText() : QString());
        }
        QCOMPARE(current, QStringList({"2 2.1", "4 4.1", "0 ", "0 "}));
        grid.setRow(4);
        grid.setCol(2);
        QCOMPARE(grid.currentText(), QStringLiteral("4.2"));

        // Out of use, it takes no clicks.
        grid.resize(600, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy clicked(&grid, &FlexGrid::cellClicked);
        auto clickRow = [&](int row) {
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                              grid.visualRect(grid.model()->index(row - 1, 1)).center());
            return QStringLiteral("row %1, %2 clicks").arg(grid.row()).arg(clicked.size());
        };
        QCOMPARE(clickRow(3), QStringLiteral("row 3, 1 clicks"));
        grid.setInUse(false);
        QCOMPARE(clickRow(1), QStringLiteral("row 3, 1 clicks"));
        grid.setInUse(true);
        QCOMPARE(clickRow(1), QStringLiteral("row 1, 2 clicks"));
        QCOMPARE(grid.currentText(), QStringLiteral("1.1"));
        grid.setRecords({{QStringLiteral("x")}});
        QCOMPARE(grid.row(), 0); // a new list has no current record
    }

};

QTEST_MAIN(tst_FlexGrid)
#include "tst_FlexGrid.moc"
