// Times the real windows on a full-size store, offscreen, with scripted
// boxes, next to the bare SQL each operation needs on the same file.
#include "app/Application.h"
#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "counter/frmCheckout.h"
#include "data/Database.h"
#include "ui/ScriptedWindowSystem.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

struct Result
{
    QString operation;
    double median = 0;
    std::optional<double> floor;
    double target = 0;
};

double medianOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

// Median milliseconds of `op` over `runs`, with `setup` and `after` untimed.
double measure(int runs, const std::function<void()> &setup, const std::function<void()> &op,
               const std::function<void()> &after = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        QElapsedTimer t;
        t.start();
        op();
        times.push_back(t.nsecsElapsed() / 1e6);
        if (after)
            after();
    }
    return medianOf(times);
}

// Bare statements on a connection of their own: the engine's floor.
class Floor
{
public:
    explicit Floor(const QString &path)
    {
        QString error;
        m_db = Database::openConnection(QStringLiteral("bench-floor"), path, false, &error);
        if (!error.isEmpty())
            qFatal("cannot open %s: %s", qPrintable(path), qPrintable(error));
    }
    ~Floor()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bench-floor"));
    }

    // Runs a statement and reads every row.
    int run(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q = exec(sql, values);
        int rows = 0;
        while (q.next())
            ++rows;
        return rows;
    }

    QList<QVariant> column(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q = exec(sql, values);
        QList<QVariant> out;
        while (q.next())
            out << q.value(0);
        return out;
    }

private:
    QSqlQuery exec(const QString &sql, const QVariantList &values)
    {
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        q.prepare(sql);
        for (const QVariant &v : values)
            q.addBindValue(v);
        if (!q.exec())
            qFatal("statement failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return q;
    }

    QSqlDatabase m_db;
};

class Bench
{
public:
    Bench(QString path, int runs)
        : m_path(std::move(path))
        , m_runs(runs)
        , m_floor(m_path)
    {
        m_ws.onUnscripted = [](const QString &why) { qFatal("unscripted box: %s", qPrintable(why)); };
        m_members = m_floor.column(QStringLiteral(
            "SELECT CustomerNumber FROM tblMembers WHERE Deleted = 0 AND CustomerNumber > 0 "
            "AND HomePhone IS NOT NULL AND DriverLicence IS NOT NULL ORDER BY random() LIMIT 500"));
        m_rentable = m_floor.column(QStringLiteral(
            "SELECT v.VideoID FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE v.ForRent = 1 "
            "AND v.InStore = 1 AND v.Deleted = 0 AND m.Deleted = 0 ORDER BY random() LIMIT 3000"));
        m_forSale = m_floor.column(QStringLiteral(
            "SELECT v.VideoID FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE v.ForSale = 1 "
            "AND v.InStore = 1 AND v.Deleted = 0 ORDER BY random() LIMIT 500"));
        m_items = m_floor.column(QStringLiteral(
            "SELECT InventoryID FROM tblInventory WHERE Deleted = 0 AND Quantity > 20 ORDER BY random() LIMIT 200"));
        if (m_members.size() < 50 || m_rentable.size() < 400 || m_forSale.size() < 100 || m_items.size() < 3)
            qFatal("the store is too small to benchmark; make it with videostore-sample --size full");
    }

    void run()
    {
        startUp();
        openWindows();
        counter();
        print();
    }

private:
    QVariant pick(const QList<QVariant> &pool) { return pool.at(m_random.bounded(int(pool.size()))); }
    QVariant take(QList<QVariant> &pool)
    {
        if (pool.isEmpty())
            qFatal("ran out of tapes to rent; use fewer runs");
        return pool.takeLast();
    }

    void add(const QString &operation, double median, std::optional<double> floor, double target)
    {
        m_results.append({operation, median, floor, target});
        std::fprintf(stderr, "  %s\n", qPrintable(operation));
    }

    void startUp()
    {
        // A whole new process each time: Qt, fonts and style included.
        const double process = measure(m_runs, {}, [&] {
            QProcess probe;
            probe.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe-startup"), m_path});
            if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
                qFatal("the start-up probe failed: %s", probe.readAllStandardError().constData());
        });
        add(QStringLiteral("start-up to the main menu shown (new process)"), process, std::nullopt, 300);

        std::unique_ptr<WindowRegistry> windows;
        const double t = measure(
            m_runs, {},
            [&] {
                windows = startVideoStore(m_path, m_ws);
                QCoreApplication::processEvents();
            },
            [&] { windows.reset(); });
        const double floor = measure(m_runs, {}, [&] {
            QString error;
            {
                QSqlDatabase db = Database::openConnection(QStringLiteral("bench-start"), m_path, false, &error);
                QSqlQuery(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), db).exec();
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("bench-start"));
        });
        add(QStringLiteral("start-up to the main menu shown (in process)"), t, floor, 300);
    }

    void openWindows()
    {
        std::unique_ptr<WindowRegistry> windows;
        auto fresh = [&] {
            windows = std::make_unique<WindowRegistry>(m_path, m_ws);
            windows->main().show();
            QCoreApplication::processEvents();
        };
        auto done = [&] { windows.reset(); };
        const double floor = measure(m_runs, {}, [&] { Database db(m_path); });
        add(QStringLiteral("open Checkout (first time)"),
            measure(m_runs, fresh, [&] {
                windows->main().cmdCheckout->click();
                QCoreApplication::processEvents();
            }, done),
            floor, 150);
        fresh();
        windows->checkout();
        add(QStringLiteral("open Checkout (again)"),
            measure(m_runs, [&] { windows->checkout().cmdReturn->click(); },
                    [&] {
                        windows->main().cmdCheckout->click();
                        QCoreApplication::processEvents();
                    }),
            std::nullopt, 150);
        add(QStringLiteral("open the security gate"),
            measure(m_runs, fresh, [&] {
                windows->main().cmdVidMn->click();
                QCoreApplication::processEvents();
            }, done),
            std::nullopt, 150);
        done();
    }

    void counter()
    {
        WindowRegistry windows(m_path, m_ws);
        frmCheckout &w = windows.checkout();
        w.show();
        QCoreApplication::processEvents();
        const QString memberSql = QStringLiteral(
            "SELECT CustomerNumber, LastName, FirstName, Address, City, PostalCode, HomePhone, CellPhone, BusPhone, "
            "DriverLicence, OtherNames1, OtherNames2, OtherNames3, Deleted FROM tblMembers WHERE %1 = ? "
            "ORDER BY CustomerNumber");

        struct Key { const char *name; const char *column; int source; QLineEdit *box; };
        for (const Key &key : {Key{"member ID", "CustomerNumber", 1, w.txtMemberID},
                               Key{"home phone", "HomePhone", 2, w.txtHPhoneNum},
                               Key{"licence", "DriverLicence", 3, w.txtDLNumber}}) {
            QVariant value;
            auto setup = [&] {
                const QVariant member = pick(m_members);
                value = key.source == 1 ? member
                                        : m_floor.column(QStringLiteral("SELECT %1 FROM tblMembers WHERE "
                                                                        "CustomerNumber = ?")
                                                             .arg(QLatin1String(key.column)),
                                                         {member})
                                              .value(0);
                key.box->setText(value.toString());
                w.memberSource = key.source;
            };
            const double t = measure(m_runs * 5, setup, [&] { w.cmdDisplayInfo_Click(); });
            const double floor = measure(m_runs * 5, setup, [&] {
                m_floor.run(memberSql.arg(QLatin1String(key.column)), {value});
            });
            add(QStringLiteral("counter: member lookup by %1").arg(QLatin1String(key.name)), t, floor, 16);
        }

        w.txtMemberID->setText(pick(m_members).toString());
        w.memberSource = 1;
        w.cmdDisplayInfo_Click();
        w.SSTab1->setCurrentIndex(1);
        QVariant tape;
        auto chooseTape = [&] {
            tape = pick(m_rentable);
            w.txtVidID->setText(tape.toString());
        };
        const double addTape = measure(m_runs * 5, chooseTape, [&] { w.cmdAdd_Click(); },
                                       [&] { w.cmdClearAll_Click(); });
        const double addTapeFloor = measure(m_runs * 5, chooseTape, [&] {
            m_floor.run(QStringLiteral("SELECT v.ForRent, v.InStore, v.Deleted, m.Name, m.CategoryID, m.Actor, "
                                       "m.Actress, m.Rating, m.PriceClass FROM tblVideos v JOIN tblMovies m "
                                       "ON v.MovieNum = m.MovieNum WHERE v.VideoID = ?"),
                        {tape});
        });
        add(QStringLiteral("counter: add a tape to the rental bag"), addTape, addTapeFloor, 16);

        w.SSTab1->setCurrentIndex(2);
        QVariant item;
        auto chooseItem = [&] {
            item = pick(m_items);
            w.txtInvID->setText(item.toString());
            w.txtQuan->setText(QStringLiteral("1"));
        };
        const double addItem = measure(m_runs * 5, chooseItem, [&] { w.cmdBuy_Click(); },
                                       [&] { w.cmdClearAllSales_Click(); });
        const double addItemFloor = measure(m_runs * 5, chooseItem, [&] {
            m_floor.run(QStringLiteral("SELECT ItemName, Price, Quantity, Deleted FROM tblInventory "
                                       "WHERE InventoryID = ?"),
                        {item});
        });
        add(QStringLiteral("counter: add an item to the shopping bag"), addItem, addItemFloor, 16);

        // Ten rentals and five sales, paid in cash.
        auto fillBill = [&] {
            w.ResetCheckout();
            w.txtMemberID->setText(pick(m_members).toString());
            w.memberSource = 1;
            w.cmdDisplayInfo_Click();
            w.SSTab1->setCurrentIndex(1);
            for (int i = 0; i < 10; ++i) {
                w.txtVidID->setText(take(m_rentable).toString());
                w.cmdAdd_Click();
            }
            w.SSTab1->setCurrentIndex(2);
            for (int i = 0; i < 3; ++i) {
                w.txtInvID->setText(pick(m_items).toString());
                w.txtQuan->setText(QStringLiteral("2"));
                w.cmdBuy_Click();
            }
            for (int i = 0; i < 2; ++i) {
                w.txtVidSale->setText(take(m_forSale).toString());
                w.cmdBuyVideo_Click();
            }
            w.SSTab1->setCurrentIndex(3);
            w.optCash->click();
            w.txtCash->setText(QStringLiteral("1000"));
            // Verified, and no receipt printed.
            m_ws.clear();
            m_ws.answer(Answer::Yes);
            m_ws.answer(Answer::No);
        };
        const double checkout = measure(m_runs, fillBill, [&] { w.cmdCheckOut_Click(); }, [&] {
            if (w.List3->count() != 0 || m_ws.unusedAnswers() != 0)
                qFatal("the checkout did not complete: %s", qPrintable(m_ws.prompts().join(u" | ")));
        });
        const double checkoutFloor = measure(m_runs, {}, [&] { checkoutSql(); });
        add(QStringLiteral("counter: checkout of 10 rentals and 5 sales, cash"), checkout, checkoutFloor, 16);
    }

    // The writes of one checkout as bare statements in one transaction.
    void checkoutSql()
    {
        const QVariant member = pick(m_members);
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        m_floor.run(QStringLiteral("BEGIN IMMEDIATE"));
        const int rentalId = m_floor.column(QStringLiteral("SELECT MAX(RentalID) FROM tblRentals")).value(0).toInt() + 1;
        for (int i = 0; i < 10; ++i) {
            const QVariant tape = take(m_rentable);
            const int pc = m_floor.column(QStringLiteral("SELECT m.PriceClass FROM tblMovies m JOIN tblVideos v ON "
                                                         "m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                                          {tape})
                               .value(0)
                               .toInt();
            m_floor.run(QStringLiteral("INSERT INTO tblRentals (RentalID, VideoID, CustomerNumber, RentalDate, "
                                       "DueDate, Returned) VALUES (?, ?, ?, ?, ?, 0)"),
                        {rentalId, tape, member, today, QDate::currentDate().addDays(pc + 1).toString(Qt::ISODate)});
            m_floor.run(QStringLiteral("UPDATE tblVideos SET InStore = 0 WHERE VideoID = ?"), {tape});
        }
        const int saleId = m_floor.column(QStringLiteral("SELECT MAX(SaleID) FROM tblReceipts")).value(0).toInt() + 1;
        m_floor.run(QStringLiteral("INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES (?, ?, ?)"),
                    {saleId, today, member});
        for (int i = 0; i < 3; ++i) {
            const QVariant item = pick(m_items);
            m_floor.run(QStringLiteral("INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased) "
                                       "VALUES (?, ?, 2)"),
                        {saleId, item});
            m_floor.run(QStringLiteral("UPDATE tblInventory SET Quantity = Quantity - 2 WHERE InventoryID = ?"),
                        {item});
        }
        for (int i = 0; i < 2; ++i) {
            const QVariant tape = take(m_forSale);
            m_floor.run(QStringLiteral("INSERT INTO tblVideosSold (VideoID, ReceiptID) VALUES (?, ?)"), {tape, saleId});
            m_floor.run(QStringLiteral("UPDATE tblVideos SET InStore = 0 WHERE VideoID = ?"), {tape});
        }
        m_floor.run(QStringLiteral("COMMIT"));
    }

    void print() const
    {
        std::printf("\n%-52s %10s %10s %7s %8s %s\n", "operation", "median ms", "floor ms", "ratio", "target", "");
        for (const Result &r : m_results) {
            const QString floor = r.floor ? QString::number(*r.floor, 'f', 3) : QStringLiteral("-");
            const QString ratio = r.floor && *r.floor > 0 ? QString::number(r.median / *r.floor, 'f', 1)
                                                          : QStringLiteral("-");
            std::printf("%-52s %10.3f %10s %7s %8.0f %s\n", qPrintable(r.operation), r.median, qPrintable(floor),
                        qPrintable(ratio), r.target, r.median <= r.target ? "ok" : "MISSED");
        }
    }

    QString m_path;
    int m_runs;
    Floor m_floor;
    ScriptedWindowSystem m_ws;
    QRandomGenerator m_random{20261206};
    QList<QVariant> m_members, m_rentable, m_forSale, m_items;
    QList<Result> m_results;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nameApplication(app);

    // The child run by the start-up measurement: show the main menu, then end.
    if (argc == 3 && qstrcmp(argv[1], "--probe-startup") == 0) {
        ScriptedWindowSystem ws;
        const auto windows = startVideoStore(QString::fromLocal8Bit(argv[2]), ws);
        QCoreApplication::processEvents();
        return windows && windows->main().isVisible() ? 0 : 1;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the store's windows on a full-size store."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("store"), QStringLiteral("A full-size store file (not changed)."));
    QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per operation (default 20)."),
                                  QStringLiteral("n"), QStringLiteral("20"));
    parser.addOption(runsOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    // The checkouts write, so they work on a copy.
    const QString source = parser.positionalArguments().constFirst();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("video.db"));
    if (!QFileInfo::exists(source) || !QFile::copy(source, path)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        return 1;
    }
    std::fprintf(stderr, "benchmarking a copy of %s\n", qPrintable(source));
    Bench(path, qMax(3, parser.value(runsOption).toInt())).run();
    return 0;
}
