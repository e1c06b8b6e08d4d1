#pragma once

// The benchmark's harness: timing, the bare-SQL floor, pools of rows to
// work on and the table of results. Each area of the program times its
// windows in a section of its own (CounterBench.cpp, ...), registered in
// main.cpp.

#include "ui/ScriptedWindowSystem.h"

#include <QList>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class WindowRegistry;

#include <functional>
#include <memory>
#include <optional>

// Median milliseconds of `op` over `runs`, with `setup` and `after` untimed.
// A memory figure (`field`, e.g. "VmHWM:") of a /proc status file, in
// megabytes; 0 once the process is gone.
double statusMb(const QString &statusFile, const char *field);
double measure(int runs, const std::function<void()> &setup, const std::function<void()> &op,
               const std::function<void()> &after = {});

// Bare statements on a connection of their own: the engine's floor.
class Floor
{
public:
    explicit Floor(const QString &path);
    ~Floor();
    Floor(const Floor &) = delete;
    Floor &operator=(const Floor &) = delete;

    // Runs a statement and reads every row; returns the row count.
    int run(const QString &sql, const QVariantList &values = {});
    // A write transaction as the engine starts and ends one: BEGIN
    // IMMEDIATE on a file, SERIALIZABLE on a server.
    void begin();
    void commit();
    bool onServer() const { return m_server; }
    // The first column of every row.
    QList<QVariant> column(const QString &sql, const QVariantList &values = {});
    const QSqlDatabase &database() const { return m_db; }

private:
    QSqlDatabase m_db;
    bool m_server = false;
};

// The ledger entry every money movement writes, as bare statements in the
// caller's transaction: the next number, then the row with every column.
void ledgerEntrySql(Floor &floor, const char *kind, const QVariant &member, qint64 amount);
// Gives the copy a year of ledger entries, as a store that has kept its
// ledger that long holds: about 300 a day.
void seedLedgerYear(Floor &floor);

class Bench
{
public:
    Bench(QString path, int runs);

    const QString &path() const { return m_path; }
    int runs() const { return m_runs; }
    Floor &floor() { return m_floor; }
    ScriptedWindowSystem &ws() { return m_ws; }

    // A random row of a pool, left in it; or the last one, taken out (for
    // rows an operation uses up, such as tapes that get rented).
    QVariant pick(const QList<QVariant> &pool);
    QVariant take(QList<QVariant> &pool);

    // A run of the program with its main menu on screen.
    std::unique_ptr<WindowRegistry> menuShown();
    // Median of a window's first showing: `open` on a fresh run with the
    // main menu up, and its events handled.
    double firstOpening(const std::function<void(WindowRegistry &)> &open);
    // Opening the store file, which every window does when it is shown: the
    // floor of the openings.
    double openStoreFloor();

    void add(const QString &operation, double median, std::optional<double> floor, double target);
    void print() const;

    // Random live members (with phone and licence), tapes in the store for
    // rent, tapes for sale, and stock items with more than 20 units.
    QList<QVariant> members, rentable, forSale, items;

private:
    struct Result
    {
        QString operation;
        double median = 0;
        std::optional<double> floor;
        double target = 0;
    };

    QString m_path;
    int m_runs;
    Floor m_floor;
    ScriptedWindowSystem m_ws;
    QRandomGenerator m_random{20261206};
    QList<Result> m_results;
};

// Every rental open and overdue on a day, with its tape, title and member,
// as bare SQL: the floor of Tapes Out and of the overdue reports.
extern const QString OverdueFloorSql;

// The sections, in the order they run.
void benchCounter(Bench &bench);
void benchReceipts(Bench &bench);
void benchReports(Bench &bench);
void benchReturns(Bench &bench);
void benchStock(Bench &bench);
void benchCustomers(Bench &bench);
void benchLedger(Bench &bench);
void benchGate(Bench &bench);
void benchCopy(Bench &bench);
// The largest report as CSV from the command line, run as a program of its
// own beside the engine's own export of the same rows: times and peak memory.
void benchCsvExport(Bench &bench);
void benchCirculation(Bench &bench);
// Tape labels for a sheet and for 1,000 tapes, and a member's card, as PDF.
void benchLabels(Bench &bench);

// Several counters at once: `counters` threads, each with its own
// connection and store classes, checking out for `seconds`; prints one line
// and then verifies the store. False when the store failed the check.
bool benchCounters(const QString &store, int counters, int seconds);
