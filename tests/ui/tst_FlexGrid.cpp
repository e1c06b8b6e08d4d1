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

// What the view shows: the header, and the cell of record row `row`.
QString header(const FlexGrid &grid, int col)
{
    return grid.model()->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
}
QString shown(const FlexGrid &grid, int row, int col)
{
    return grid.model()->index(row - 1, col).data().toString();
}

} // namespace

class tst_FlexGrid : public QObject
{
    Q_OBJECT

private slots:
    void headerIsRowZero()
    {
        FlexGrid grid;
        QCOMPARE(grid.rows(), 1);
        fill(grid);
        QCOMPARE(grid.rows(), 5);
        QCOMPARE(grid.cols(), 3);
        QCOMPARE(grid.model()->rowCount(), 4);
        QCOMPARE(header(grid, 2), QStringLiteral("Class"));
        QCOMPARE(shown(grid, 1, 0), QStringLiteral("1.0"));
        QCOMPARE(shown(grid, 4, 2), QStringLiteral("4.2"));
        grid.setText(0, 1, QStringLiteral("Movie"));
        QCOMPARE(header(grid, 1), QStringLiteral("Movie"));

        grid.setText(9, 0, QStringLiteral("lost")); // outside the grid
        QCOMPARE(grid.text(9, 0), QString());
        grid.setRowTexts(1, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        QCOMPARE(grid.text(1, 2), QStringLiteral("c"));
        QCOMPARE(grid.text(1, 3), QString());
    }

    void resizing()
    {
        FlexGrid grid;
        fill(grid);
        grid.setRows(3);
        QCOMPARE(grid.model()->rowCount(), 2);
        QCOMPARE(grid.text(2, 1), QStringLiteral("2.1"));
        grid.setRows(4);
        QCOMPARE(grid.text(3, 1), QString()); // a regrown row starts empty
        grid.setRows(0);
        QCOMPARE(grid.rows(), 1); // the header row stays
        QCOMPARE(grid.text(0, 1), QStringLiteral("Title"));
        grid.setCols(5);
        grid.setText(0, 4, QStringLiteral("Due"));
        QCOMPARE(header(grid, 4), QStringLiteral("Due"));
    }

    void currentCellFollowsRowAndCol()
    {
        FlexGrid grid;
        fill(grid);
        grid.setRow(2);
        grid.setCol(1);
        QCOMPARE(grid.row(), 2);
        QCOMPARE(grid.currentText(), QStringLiteral("2.1"));
        grid.setRow(4); // the column stays
        QCOMPARE(grid.currentText(), QStringLiteral("4.1"));
        grid.setCol(2);
        QCOMPARE(grid.currentText(), QStringLiteral("4.2"));
        grid.setRow(0); // the header is never the current record
        QCOMPARE(grid.row(), 0);
        grid.setRow(5);
        QCOMPARE(grid.row(), 0);
    }

    void colWidthInTwips_data()
    {
        QTest::addColumn<int>("twips");
        for (int twips : {300, 1440, 2985, 6000})
            QTest::addRow("%d twips", twips) << twips;
    }
    void colWidthInTwips()
    {
        QFETCH(int, twips);
        FlexGrid grid;
        fill(grid);
        grid.setColWidth(1, twips);
        QCOMPARE(grid.columnWidth(1), twips / 15);
        QCOMPARE(grid.colWidth(1), twips);
    }

    void clearAndRemove()
    {
        FlexGrid grid;
        fill(grid);
        grid.removeItem(2);
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.text(1, 1), QStringLiteral("1.1"));
        QCOMPARE(grid.text(2, 1), QStringLiteral("3.1"));
        QCOMPARE(shown(grid, 3, 2), QStringLiteral("4.2"));
        grid.removeItem(0); // not the header
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.text(0, 1), QStringLiteral("Title"));

        grid.clear();
        QCOMPARE(grid.rows(), 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                QCOMPARE(grid.text(r, c), QString());
        QCOMPARE(header(grid, 1), QString());
        QCOMPARE(shown(grid, 3, 2), QString());
    }

    void outOfUseTakesNoClicks()
    {
        FlexGrid grid;
        fill(grid);
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy clicked(&grid, &FlexGrid::cellClicked);
        auto clickRow = [&](int row) {
            const QRect cell = grid.visualRect(grid.model()->index(row - 1, 1));
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        };
        clickRow(3);
        QCOMPARE(grid.row(), 3);
        QCOMPARE(clicked.size(), 1);

        grid.setInUse(false);
        QVERIFY(!grid.isEnabled());
        clickRow(1);
        QCOMPARE(grid.row(), 3);
        QCOMPARE(clicked.size(), 1);

        grid.setInUse(true);
        clickRow(1);
        QCOMPARE(grid.currentText(), QStringLiteral("1.1"));
        QCOMPARE(clicked.size(), 2);
    }
};

QTEST_MAIN(tst_FlexGrid)
#include "tst_FlexGrid.moc"
