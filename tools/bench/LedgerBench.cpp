// The day's money: the Cash Up window opening on a day of the ledger, a
// count typed, a count recorded, the chains over the ledger, the gate log
// and the prices walked as --check and every start walk them, and the seal of
// the ledger's last day checked as --verify-seal checks it.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "data/Database.h"
#include "data/Ledger.h"
#include "data/Seal.h"
#include "data/StoreIntegrity.h"
#include "reports/frmCashUp.h"

#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// What the window reads on opening: the day's entries of this counter.
const QString DrawerSql = QStringLiteral("SELECT * FROM tblLedger WHERE EntryDate = ? AND Counter = ? ORDER BY Seq");

} // namespace

void benchLedger(Bench &bench)
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString counter = Ledger::counterName();
    const double openFloor = measure(bench.runs(), {}, [&] {
        Database db(bench.path());
        db.run(QStringLiteral("read the drawer"), DrawerSql, {today, counter});
    });
    bench.add(QStringLiteral("open Cash Up (first time)"),
              bench.firstOpening([](WindowRegistry &w) { w.cashUp().show(); }), openFloor, 150);

    WindowRegistry windows(bench.path(), bench.ws());
    frmCashUp &w = windows.cashUp();
    w.show();
    QCoreApplication::processEvents();
    w.txtFloat->setText(QStringLiteral("150"));
    int cents = 0;
    bench.add(QStringLiteral("cash-up: a key typed in the count, difference shown"),
              measure(bench.runs() * 5, {}, [&] { w.txtCounted->setText(QString::number(100 + ++cents)); }),
              std::nullopt, 16);

    const double record = measure(
        bench.runs(),
        [&] {
            w.txtCounted->setText(QString::number(200 + ++cents));
            bench.ws().clear();
            bench.ws().answer(Answer::Yes);
        },
        [&] { w.cmdRecord->click(); },
        [&] {
            if (bench.ws().last().prompt != QLatin1String("The count has been recorded."))
                qFatal("the count was not recorded: %s", qPrintable(bench.ws().prompts().join(u" | ")));
        });
    const double recordFloor = measure(bench.runs(), {}, [&] {
        Floor &f = bench.floor();
        f.run(DrawerSql, {today, counter});
        f.begin();
        f.run(DrawerSql, {today, counter});
        ledgerEntrySql(f, "cashup", {}, 2000000);
        f.commit();
    });
    bench.add(QStringLiteral("cash-up: record a count"), record, recordFloor, 16);

    // Every link worked out again from the rows, beside reading every value
    // of every row.
    const int runs = qMin(bench.runs(), 5);
    qint64 entries = 0;
    const double walk = measure(runs, {}, [&] {
        const StoreIntegrity::Report report = StoreIntegrity::check(bench.path());
        if (!report.problems.isEmpty())
            qFatal("the store's records do not check: %s", qPrintable(report.problems.join(u"; ")));
        entries = report.ledgerEntries + report.gateTries + report.priceChanges;
    });
    const double walkFloor = measure(runs, {}, [&] {
        for (const char *table :
             {"tblLedger ORDER BY Seq", "tblGateLog ORDER BY TryNumber", "tblPrices ORDER BY ChangeID"}) {
            QSqlQuery q(bench.floor().database());
            q.setForwardOnly(true);
            q.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)));
            const int columns = q.record().count();
            while (q.next())
                for (int i = 0; i < columns; ++i)
                    q.value(i);
        }
    });
    // The walk grows with the store's history: ten microseconds a row, and
    // three seconds at least.
    bench.add(QStringLiteral("--check: the chains walked (%1 rows)").arg(entries), walk, walkFloor,
              qMax(3000.0, entries / 100.0));

    // The seal of the ledger's last day: every link up to it worked out again,
    // beside the same walk's floor (the seal's rows are the last of the chains).
    Seal::Typed typed;
    QDate sealed;
    {
        Database db(bench.path());
        const auto last = db.scalar(QStringLiteral("bench"), QStringLiteral("SELECT MAX(EntryDate) FROM tblLedger"));
        sealed = last ? QDate::fromString(last->toString().left(10), Qt::ISODate) : QDate();
        QList<Seal::Cover> covers;
        for (const Chain::Table &table : Chain::tables())
            if (const auto cover = sealed.isValid() ? Seal::cover(db, table, sealed) : std::nullopt)
                covers << *cover;
        const auto read = Seal::read(Seal::line(sealed, covers));
        if (covers.size() != Chain::tables().size() || !read)
            qFatal("the seal of the ledger's last day could not be worked out");
        typed = *read;
    }
    const double verify = measure(runs, {}, [&] {
        const Seal::Check check = Seal::verify(bench.path(), sealed, typed);
        if (!check.holds)
            qFatal("the seal does not hold: %s", qPrintable(check.message));
    });
    bench.add(QStringLiteral("--verify-seal of the ledger's last day"), verify, walkFloor,
              qMax(3000.0, entries / 100.0));
}
