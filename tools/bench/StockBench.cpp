// Stock management: video management with its titles and tapes, a range
// tool, and the inventory window.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "data/Money.h"
#include "stock/frmInvent.h"
#include "stock/frmPrices.h"
#include "stock/frmVidMn.h"
#include "ui/FlexGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

const QString MoviesSql = QStringLiteral("SELECT MovieNum, Name, CategoryID, Actor, Actress, Rating, PriceClass "
                                         "FROM tblMovies WHERE Deleted = 0 ORDER BY MovieNum");
const QString TapesSql = QStringLiteral("SELECT VideoID, CopyNumber, ForRent, ForSale, InStore, SalePrice "
                                        "FROM tblVideos WHERE MovieNum = ? AND Deleted = 0 ORDER BY VideoID");

// Shows the window again, so that it runs its activation, and lets it paint.
void reopen(QWidget &w)
{
    w.hide();
    w.show();
    QCoreApplication::processEvents();
}

void videoManagement(Bench &bench)
{
    WindowRegistry windows(bench.path(), bench.ws());
    frmVidMn &w = windows.vidMn();
    Floor &floor = bench.floor();

    const double open = measure(bench.runs(), [&] { w.hide(); }, [&] {
        w.show();
        QCoreApplication::processEvents();
    });
    const double openFloor = measure(bench.runs(), {}, [&] {
        floor.run(MoviesSql);
        floor.run(QStringLiteral("SELECT MAX(VideoID) FROM tblVideos"));
    });
    bench.add(QStringLiteral("stock: open Video Management (%1 titles)").arg(w.fgMovies->rows() - 1), open,
              openFloor, 150);

    int row = 0;
    auto chooseTitle = [&] {
        if (w.cmdShow->text() == QLatin1String("Hide Tapes"))
            w.cmdShow_Click();
        row = 1 + int(QRandomGenerator::global()->bounded(w.fgMovies->rows() - 1));
        w.fgMovies->setRow(row);
    };
    // Painting is timed apart from the query and the grid it fills, so each
    // ratio says where the time goes. The floor runs after the same painting
    // as the window does: run back to back, its statement would find the
    // processor's caches warm and be timed at a third of what it costs here.
    auto painted = [] { QCoreApplication::processEvents(); };
    const double show = measure(bench.runs() * 5, chooseTitle, [&] {
        w.fgMovies_Click();
        w.cmdShow_Click();
    }, painted);
    const double showFloor = measure(bench.runs() * 5, chooseTitle, [&] {
        floor.run(TapesSql, {w.fgMovies->text(row, 0)});
    }, painted);
    bench.add(QStringLiteral("stock: select a title and show its tapes"), show, showFloor, 16);
    const double paint = measure(bench.runs() * 5, [&] {
        chooseTitle();
        w.fgMovies_Click();
        w.cmdShow_Click();
    }, [] { QCoreApplication::processEvents(); });
    bench.add(QStringLiteral("stock: paint the title and its tapes"), paint, std::nullopt, 16);

    auto typeTitle = [&] {
        w.cmdAdd_Click();
        w.txtName->setText(QStringLiteral("Benchmark Title"));
        w.cmbType->setCurrentIndex(2);
        w.txtActor->setText(QStringLiteral("Actor"));
        w.txtActress->setText(QStringLiteral("Actress"));
        w.txtRating->setText(QStringLiteral("PG"));
        w.cmbPC->setCurrentIndex(1);
    };
    const double addTitle = measure(bench.runs(), typeTitle, [&] { w.cmdAdd_Click(); });
    const double addTitleFloor = measure(bench.runs(), {}, [&] {
        floor.begin();
        const int next = floor.column(QStringLiteral("SELECT MAX(MovieNum) FROM tblMovies")).value(0).toInt() + 1;
        floor.run(QStringLiteral("SELECT COUNT(*) FROM tblMovies WHERE MovieNum = ?"), {next});
        floor.run(QStringLiteral("INSERT INTO tblMovies (MovieNum, Name, CategoryID, Actor, Actress, Rating, "
                                 "PriceClass, Deleted) VALUES (?, 'Floor Title', 3, 'A', 'B', 'PG', 2, 0)"),
                  {next});
        floor.commit();
    });
    bench.add(QStringLiteral("stock: add a title"), addTitle, addTitleFloor, 16);

    // The titles just added are the current row: list their (no) tapes.
    w.fgMovies_Click();
    w.cmdShow_Click();
    const double addTapes = measure(bench.runs(), [&] { bench.ws().type(QStringLiteral("5")); },
                                    [&] { w.cmdAddT_Click(); });
    const int movie = w.fgMovies->text(w.fgMovies->row(), 0).toInt();
    const double addTapesFloor = measure(bench.runs(), {}, [&] {
        floor.begin();
        const int next = floor.column(QStringLiteral("SELECT MAX(VideoID) FROM tblVideos")).value(0).toInt() + 1;
        for (int i = 0; i < 5; ++i)
            floor.run(QStringLiteral("INSERT INTO tblVideos (VideoID, MovieNum, CopyNumber, ForRent, ForSale, "
                                     "InStore, SalePrice, Deleted) VALUES (?, ?, ?, 1, 0, 1, 249900, 0)"),
                      {next + i, movie, 1000 + i});
        floor.commit();
    });
    bench.add(QStringLiteral("stock: add 5 tapes"), addTapes, addTapesFloor, 16);

    // A range over 50 of the title's copies.
    while (w.fgTapes->rows() - 1 < 50) {
        bench.ws().type(QStringLiteral("5"));
        w.cmdAddT_Click();
    }
    const QString last = QString::number(50);
    bool rent = false;
    const double range = measure(
        bench.runs(),
        [&] {
            bench.ws().dialog([&](QDialog &d) {
                d.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("1"));
                d.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(last);
                d.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
            });
            rent = !rent;
        },
        [&] { w.mnuTool_Click(rent ? TapeMark::ForRent : TapeMark::NotForRent); });
    const QList<QVariant> ids =
        floor.column(QStringLiteral("SELECT VideoID FROM tblVideos WHERE MovieNum = ? AND CopyNumber <= 50"), {movie});
    if (ids.size() < 50)
        qFatal("the range covers %d copies, not 50", int(ids.size()));
    // The same durable work as the tool: each run changes every copy, so
    // each commit writes the 50 rows.
    const double rangeFloor = measure(bench.runs(), [&] { rent = !rent; }, [&] {
        floor.begin();
        for (const QVariant &id : ids)
            floor.run(QStringLiteral("UPDATE tblVideos SET ForRent = ? WHERE VideoID = ? AND Deleted = 0"),
                      {rent ? 1 : 0, id});
        floor.commit();
    });
    bench.add(QStringLiteral("stock: range tool over 50 copies"), range, rangeFloor, 16);
}

void inventory(Bench &bench)
{
    WindowRegistry windows(bench.path(), bench.ws());
    frmInvent &w = windows.invent();
    Floor &floor = bench.floor();
    const double open = measure(bench.runs(), [&] { w.hide(); }, [&] {
        w.show();
        QCoreApplication::processEvents();
    });
    const double openFloor = measure(bench.runs(), {}, [&] {
        floor.run(QStringLiteral("SELECT InventoryID, ItemName, Price, Quantity FROM tblInventory "
                                 "WHERE Deleted = 0 ORDER BY InventoryID"));
    });
    bench.add(QStringLiteral("stock: open Inventory (%1 items)").arg(w.fg1->rows() - 1), open, openFloor, 150);

    QVariant item;
    auto typeChange = [&] {
        item = bench.pick(bench.items);
        for (int r = 1; r < w.fg1->rows(); ++r)
            if (w.fg1->text(r, 0) == item.toString())
                w.fg1->setRow(r);
        w.fg1_Click();
        w.cmdEdit->click();
        w.txtQuan->setText(QString::number(w.txtQuan->text().toInt() + 1));
    };
    const double save = measure(bench.runs() * 5, typeChange, [&] { w.cmdSave_Click(); });
    const double saveFloor = measure(bench.runs() * 5, [&] { item = bench.pick(bench.items); }, [&] {
        floor.begin();
        floor.run(QStringLiteral("UPDATE tblInventory SET ItemName = ItemName, Price = Price, "
                                 "Quantity = Quantity + 1 WHERE InventoryID = ? AND Deleted = 0"),
                  {item});
        floor.run(QStringLiteral("SELECT Quantity FROM tblInventory WHERE InventoryID = ?"), {item});
        floor.commit();
    });
    bench.add(QStringLiteral("stock: save an item"), save, saveFloor, 16);
}

const QString PricesSql = QStringLiteral("SELECT Kind, Number, InForceFrom, Name, Fee, Days, LateFee, Rate, ChangeID, "
                                         "ChangedAt, Counter FROM tblPrices WHERE InForceFrom <= ? "
                                         "ORDER BY InForceFrom, ChangeID");

void prices(Bench &bench)
{
    WindowRegistry windows(bench.path(), bench.ws());
    frmPrices &w = windows.prices();
    Floor &floor = bench.floor();
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const double open = measure(bench.runs(), [&] { w.hide(); }, [&] {
        w.show();
        QCoreApplication::processEvents();
    });
    const double openFloor = measure(bench.runs(), {}, [&] {
        floor.run(PricesSql, {today});
        floor.run(QStringLiteral("SELECT Kind, Number, InForceFrom, Name, Fee, Days, LateFee, Rate, ChangeID, "
                                 "ChangedAt, Counter FROM tblPrices ORDER BY InForceFrom, Kind, Number, ChangeID"));
    });
    bench.add(QStringLiteral("prices: open Prices and taxes"), open, openFloor, 150);

    // A change of the new releases' fee a month from now, asked and saved;
    // each run's change replaces the one before for that day.
    const QString from = QDate::currentDate().addDays(30).toString(Qt::ISODate);
    int cents = 449;
    auto typeChange = [&] {
        w.txtFrom->setText(from);
        w.Refresh();
        w.txtFee[0]->setText(Money::fromCents(++cents).toPlainCents());
        bench.ws().clear();
        bench.ws().answer(Answer::Yes);
    };
    const double save = measure(bench.runs(), typeChange, [&] { w.cmdSave_Click(); }, [&] {
        if (!bench.ws().last().prompt.startsWith(QStringLiteral("The changes have been saved")))
            qFatal("the change was not saved: %s", qPrintable(bench.ws().prompts().join(u" | ")));
    });
    const double saveFloor = measure(bench.runs(), {}, [&] {
        floor.run(PricesSql, {from});
        floor.begin();
        const qint64 id = floor.column(QStringLiteral("SELECT MAX(ChangeID) FROM tblPrices")).value(0).toLongLong();
        const PriceClass &c = Pricing::starting().classes[0];
        floor.run(QStringLiteral("INSERT INTO tblPrices (ChangeID, Kind, Number, InForceFrom, Name, Fee, Days, "
                                 "LateFee, Rate, ChangedAt, Counter) VALUES (?, 'class', 1, ?, ?, ?, ?, ?, NULL, ?, "
                                 "'bench')"),
                  {id + 1, from, c.name, Money::fromCents(++cents).units(), c.days, c.lateFee.units(), today});
        floor.commit();
        floor.run(PricesSql, {from});
        floor.run(QStringLiteral("SELECT Kind, Number, InForceFrom, Name, Fee, Days, LateFee, Rate, ChangeID, "
                                 "ChangedAt, Counter FROM tblPrices ORDER BY InForceFrom, Kind, Number, ChangeID"));
    });
    bench.add(QStringLiteral("prices: save a change of a fee"), save, saveFloor, 16);
}

} // namespace

void benchStock(Bench &bench)
{
    videoManagement(bench);
    inventory(bench);
    prices(bench);
}
