#include "Schema.h"

#include "Chain.h"
#include "Money.h"
#include "Pricing.h"
#include "StoreDate.h"
#include "UpgradeWork.h"

#include <QSqlQuery>

namespace Schema {

const QStringList &tables()
{
    // CustomerNumber first and HomePhone seventh; the first seven columns of
    // tblMovies and four of tblInventory stand in the order the windows read.
    static const QStringList statements = {
        QStringLiteral(R"(CREATE TABLE tblMembers (
    CustomerNumber INTEGER NOT NULL PRIMARY KEY CHECK (CustomerNumber BETWEEN 0 AND 2147483647),
    LastName TEXT,
    FirstName TEXT,
    Address TEXT,
    City TEXT,
    PostalCode TEXT,
    HomePhone TEXT,
    CellPhone TEXT,
    BusPhone TEXT,
    DriverLicence TEXT,
    OtherNames1 TEXT,
    OtherNames2 TEXT,
    OtherNames3 TEXT,
    FeesOwing BIGINT NOT NULL DEFAULT 0,
    Deleted INTEGER NOT NULL DEFAULT 0 CHECK (Deleted IN (0, 1))))"),
        QStringLiteral(R"(CREATE TABLE tblCreditInfo (
    CustomersNumber INTEGER NOT NULL PRIMARY KEY,
    Visa TEXT,
    VisaExp TEXT,
    MasterCard TEXT,
    MCExp TEXT,
    Sears TEXT,
    SearsExp TEXT))"),
        QStringLiteral(R"(CREATE TABLE Categories (
    CategoryID INTEGER NOT NULL PRIMARY KEY,
    CategoryName TEXT))"),
        QStringLiteral(R"(CREATE TABLE tblMovies (
    MovieNum INTEGER NOT NULL PRIMARY KEY CHECK (MovieNum BETWEEN 0 AND 2147483647),
    Name TEXT,
    CategoryID INTEGER,
    Actor TEXT,
    Actress TEXT,
    Rating TEXT,
    PriceClass INTEGER,
    Deleted INTEGER NOT NULL DEFAULT 0 CHECK (Deleted IN (0, 1))))"),
        QStringLiteral(R"(CREATE TABLE tblVideos (
    VideoID INTEGER NOT NULL PRIMARY KEY CHECK (VideoID BETWEEN 0 AND 2147483647),
    MovieNum INTEGER,
    CopyNumber INTEGER,
    ForRent INTEGER NOT NULL DEFAULT 0 CHECK (ForRent IN (0, 1)),
    ForSale INTEGER NOT NULL DEFAULT 0 CHECK (ForSale IN (0, 1)),
    InStore INTEGER NOT NULL DEFAULT 0 CHECK (InStore IN (0, 1)),
    SalePrice BIGINT,
    Deleted INTEGER NOT NULL DEFAULT 0 CHECK (Deleted IN (0, 1))))"),
        // One checkout's tapes share a RentalID, and the same tape may stand
        // twice in one checkout, so the table has no key.
        QStringLiteral(R"(CREATE TABLE tblRentals (
    RentalID INTEGER NOT NULL,
    CustomerNumber INTEGER NOT NULL,
    VideoID INTEGER NOT NULL,
    RentalDate TEXT NOT NULL,
    DueDate TEXT NOT NULL,
    Returned INTEGER NOT NULL DEFAULT 0 CHECK (Returned IN (0, 1))))"),
        QStringLiteral(R"(CREATE TABLE tblReceipts (
    SaleID INTEGER NOT NULL PRIMARY KEY CHECK (SaleID BETWEEN 0 AND 2147483647),
    DateOfSale TEXT NOT NULL,
    CustomerID INTEGER NOT NULL))"),
        QStringLiteral(R"(CREATE TABLE tblSalesDetails (
    ReceiptID INTEGER NOT NULL,
    InventoryID INTEGER NOT NULL,
    QuantityPurchased INTEGER NOT NULL))"),
        QStringLiteral(R"(CREATE TABLE tblVideosSold (
    ReceiptID INTEGER NOT NULL,
    VideoID INTEGER NOT NULL))"),
        QStringLiteral(R"(CREATE TABLE tblInventory (
    InventoryID INTEGER NOT NULL PRIMARY KEY CHECK (InventoryID BETWEEN 0 AND 2147483647),
    ItemName TEXT,
    Price BIGINT,
    Quantity INTEGER,
    Deleted INTEGER NOT NULL DEFAULT 0 CHECK (Deleted IN (0, 1))))"),
    };
    return statements;
}

const QStringList &tableNames()
{
    static const QStringList names = {
        QStringLiteral("tblMembers"), QStringLiteral("tblCreditInfo"), QStringLiteral("Categories"),
        QStringLiteral("tblMovies"), QStringLiteral("tblVideos"), QStringLiteral("tblRentals"),
        QStringLiteral("tblReceipts"), QStringLiteral("tblSalesDetails"), QStringLiteral("tblVideosSold"),
        QStringLiteral("tblInventory"), QStringLiteral("tblSettings"), QStringLiteral("tblGateLog"),
        QStringLiteral("tblLedger"), QStringLiteral("tblPrices"), QStringLiteral("tblHolds")};
    return names;
}

const QStringList &seedRows()
{
    static const QStringList statements = {
        QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName) VALUES "
                       "(1, 'Action'), (2, 'Sci-Fi'), (3, 'Drama'), (4, 'Comedy'), (5, 'Horror & Thriller')"),
        // Sales without a member are booked to number 0.
        QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName, FirstName, Address, City, PostalCode, "
                       "HomePhone, CellPhone, BusPhone, DriverLicence, OtherNames1, OtherNames2, OtherNames3) "
                       "VALUES (0, 'Customer', 'Walk-in', '', '', '', NULL, 'N/A', 'N/A', NULL, 'N/A', 'N/A', 'N/A')"),
    };
    return statements;
}

const QStringList &indexes()
{
    static const QStringList statements = {
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixMembersHomePhone ON tblMembers (HomePhone)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixMembersDriverLicence ON tblMembers (DriverLicence)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixVideosMovie ON tblVideos (MovieNum)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixMoviesCategory ON tblMovies (CategoryID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixRentalsRental ON tblRentals (RentalID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixRentalsVideoOpen ON tblRentals (VideoID, Returned)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixRentalsMemberOpen ON tblRentals (CustomerNumber, Returned)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixReceiptsDate ON tblReceipts (DateOfSale)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixReceiptsCustomer ON tblReceipts (CustomerID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixSalesDetailsReceipt ON tblSalesDetails (ReceiptID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ixVideosSoldReceipt ON tblVideosSold (ReceiptID)"),
    };
    return statements;
}

namespace {

// The store's own settings (the manager code's hash) and the record of
// every try at the security gate, which no window changes: rows are only
// added, numbered one past the highest.
const QStringList &settingsAndGateLog()
{
    static const QStringList statements = {
        QStringLiteral(R"(CREATE TABLE tblSettings (
    Name TEXT NOT NULL PRIMARY KEY,
    Value TEXT))"),
        QStringLiteral(R"(CREATE TABLE tblGateLog (
    TryNumber INTEGER NOT NULL PRIMARY KEY,
    TriedAt TEXT NOT NULL,
    Destination INTEGER NOT NULL,
    Outcome TEXT NOT NULL,
    Workstation TEXT NOT NULL))"),
    };
    return statements;
}

// Every money movement, one row per event, written in the transaction of
// the event itself and never changed afterwards: a mistake is put right by
// a new row. Money in ten-thousandths (BIGINT, as one day's takings may pass
// what a 32-bit column holds); Seq is numbered by the writer as MAX + 1.
// Each row's link in the chain (Chain.h) covers every column it fills, so a
// column added later must be NULL in the rows before it: no DEFAULT.
const QString LedgerTable = QStringLiteral(R"(CREATE TABLE tblLedger (
    Seq INTEGER NOT NULL PRIMARY KEY,
    EntryDate TEXT NOT NULL,
    EntryTime TEXT NOT NULL,
    Counter TEXT NOT NULL,
    Kind TEXT NOT NULL CHECK (Kind IN ('checkout', 'payment', 'fee', 'cashup')),
    CustomerNumber INTEGER,
    RentalID INTEGER,
    ReceiptID INTEGER,
    VideoID INTEGER,
    Method INTEGER CHECK (Method BETWEEN 1 AND 6),
    SubTotal BIGINT,
    GST BIGINT,
    PST BIGINT,
    Total BIGINT,
    Tendered BIGINT,
    ChangeGiven BIGINT,
    FeesPaid BIGINT,
    Rentals INTEGER,
    RentalsAmount BIGINT,
    TapesSold INTEGER,
    TapesSoldAmount BIGINT,
    ItemsSold INTEGER,
    ItemsSoldAmount BIGINT,
    DaysLate INTEGER,
    Amount BIGINT NOT NULL,
    OpeningFloat BIGINT,
    Expected BIGINT,
    Note TEXT))");

const QString LedgerRefusal =
    QStringLiteral("tblLedger is append-only: its entries are never changed or deleted; put a mistake right with a "
                   "new entry");
const QString GateLogRefusal =
    QStringLiteral("tblGateLog is append-only: its tries are never changed or deleted");
const QString PricesRefusal =
    QStringLiteral("tblPrices is append-only: a change of the prices is never changed or deleted; make a new one");

// A guard as a store file keeps it: the engine keeps the text as given.
Guard fileGuard(const char *name, const char *table, const char *owner, const QString &when, const QString &refusal)
{
    const QString sql = QStringLiteral("CREATE TRIGGER %1 %2 BEGIN SELECT RAISE(ABORT, '%3'); END")
                            .arg(QLatin1String(name), when, refusal);
    return {QLatin1String(name), QLatin1String(table), QLatin1String(owner), {sql},
            QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(QLatin1String(name)), sql, {}, 0};
}

// In a file, a REPLACE deletes the row it replaces without firing any
// DELETE trigger, so the insert itself refuses a key that is taken.
Guard fileReplaceGuard(const char *name, const char *table, const char *owner, const char *key,
                       const QString &refusal)
{
    return fileGuard(name, table, owner,
                     QStringLiteral("BEFORE INSERT ON %1 WHEN EXISTS (SELECT 1 FROM %1 WHERE %2 = NEW.%2)")
                         .arg(QLatin1String(table), QLatin1String(key)),
                     refusal);
}

// pg_trigger.tgtype: FOR EACH ROW 1, BEFORE 2, DELETE 8, UPDATE 16, TRUNCATE 32.
constexpr int RowUpdateOrDelete = 1 | 2 | 8 | 16;
constexpr int BeforeTruncate = 2 | 32;

Guard serverGuard(const char *name, const char *table, const char *owner, const char *function, const char *when,
                  int events, const QString &refusal)
{
    const QString body = QStringLiteral(" BEGIN RAISE EXCEPTION '%1'; END ").arg(refusal);
    return {QLatin1String(name),
            QLatin1String(table),
            QLatin1String(owner),
            {QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $$%2$$")
                 .arg(QLatin1String(function), body),
             QStringLiteral("CREATE TRIGGER %1 %2 ON %3 %4 EXECUTE FUNCTION %5()")
                 .arg(QLatin1String(name), QLatin1String(when), QLatin1String(table),
                      events & 1 ? QStringLiteral("FOR EACH ROW") : QStringLiteral("FOR EACH STATEMENT"),
                      QLatin1String(function))},
            QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(QLatin1String(name), QLatin1String(table)),
            body,
            QLatin1String(function),
            events};
}

// The guards by the step that brought them: the ledger's first ones, then
// the rest.
QList<Guard> firstLedgerGuards(Engine engine)
{
    if (engine == Engine::SQLite)
        return {fileGuard("trLedgerNoUpdate", "tblLedger", "the ledger", QStringLiteral("BEFORE UPDATE ON tblLedger"),
                          LedgerRefusal),
                fileGuard("trLedgerNoDelete", "tblLedger", "the ledger", QStringLiteral("BEFORE DELETE ON tblLedger"),
                          LedgerRefusal)};
    return {serverGuard("trLedgerNoChange", "tblLedger", "the ledger", "ledger_append_only", "BEFORE UPDATE OR DELETE",
                        RowUpdateOrDelete, LedgerRefusal),
            serverGuard("trLedgerNoTruncate", "tblLedger", "the ledger", "ledger_append_only", "BEFORE TRUNCATE",
                        BeforeTruncate, LedgerRefusal)};
}

QList<Guard> laterGuards(Engine engine)
{
    if (engine == Engine::SQLite)
        return {fileReplaceGuard("trLedgerNoReplace", "tblLedger", "the ledger", "Seq", LedgerRefusal),
                fileGuard("trGateLogNoUpdate", "tblGateLog", "the gate log", QStringLiteral("BEFORE UPDATE ON tblGateLog"),
                          GateLogRefusal),
                fileGuard("trGateLogNoDelete", "tblGateLog", "the gate log", QStringLiteral("BEFORE DELETE ON tblGateLog"),
                          GateLogRefusal),
                fileReplaceGuard("trGateLogNoReplace", "tblGateLog", "the gate log", "TryNumber", GateLogRefusal)};
    return {serverGuard("trGateLogNoChange", "tblGateLog", "the gate log", "gate_log_append_only",
                        "BEFORE UPDATE OR DELETE", RowUpdateOrDelete, GateLogRefusal),
            serverGuard("trGateLogNoTruncate", "tblGateLog", "the gate log", "gate_log_append_only", "BEFORE TRUNCATE",
                        BeforeTruncate, GateLogRefusal)};
}

QList<Guard> priceGuards(Engine engine)
{
    if (engine == Engine::SQLite)
        return {fileGuard("trPricesNoUpdate", "tblPrices", "the prices", QStringLiteral("BEFORE UPDATE ON tblPrices"),
                          PricesRefusal),
                fileGuard("trPricesNoDelete", "tblPrices", "the prices", QStringLiteral("BEFORE DELETE ON tblPrices"),
                          PricesRefusal),
                fileReplaceGuard("trPricesNoReplace", "tblPrices", "the prices", "ChangeID", PricesRefusal)};
    return {serverGuard("trPricesNoChange", "tblPrices", "the prices", "prices_append_only", "BEFORE UPDATE OR DELETE",
                        RowUpdateOrDelete, PricesRefusal),
            serverGuard("trPricesNoTruncate", "tblPrices", "the prices", "prices_append_only", "BEFORE TRUNCATE",
                        BeforeTruncate, PricesRefusal)};
}

QStringList creating(const QList<Guard> &guards)
{
    QStringList statements;
    for (const Guard &g : guards)
        statements += g.create;
    return statements;
}

QStringList ledger(Engine engine)
{
    return QStringList{LedgerTable, QStringLiteral("CREATE INDEX ixLedgerDay ON tblLedger (EntryDate, Kind)")}
           + creating(firstLedgerGuards(engine));
}

// The chain over the ledger and the gate log (see Chain.h): each row's link,
// the value the chains start from, made at random with the store, and the
// guards against UPDATE, DELETE and REPLACE on both tables. The gate log is
// looked up by outcome to work out the wait after wrong codes.
QStringList chain(Engine engine)
{
    const QString start = engine == Engine::SQLite
                              ? QStringLiteral("lower(hex(randomblob(32)))")
                              : QStringLiteral("replace(gen_random_uuid()::text || gen_random_uuid()::text, '-', '')");
    return QStringList{QStringLiteral("ALTER TABLE tblLedger ADD COLUMN Hash TEXT"),
                       QStringLiteral("ALTER TABLE tblGateLog ADD COLUMN Hash TEXT"),
                       QStringLiteral("CREATE INDEX ixGateLogOutcome ON tblGateLog (Outcome, TryNumber)"),
                       QStringLiteral("INSERT INTO tblSettings (Name, Value) VALUES ('ChainStart', %1)").arg(start)}
           + creating(laterGuards(engine));
}

// The step that keeps what was charged starts from this version.
constexpr int ChargesStep = 4;

// Half to even, in SQL both engines read alike: `n` divided by `d` (both
// whole and not below zero), as a whole number.
QString halfEven(const QString &n, qint64 d)
{
    return QStringLiteral("((%1) / %2 + CASE WHEN 2 * ((%1) % %2) > %2 OR (2 * ((%1) % %2) = %2 AND ((%1) / %2) % 2 = 1) "
                          "THEN 1 ELSE 0 END)")
        .arg(n)
        .arg(d);
}

// An amount of ten-thousandths rounded to whole cents, and its tax at
// `rate` millionths, as Money and Tax round them.
QString centsOf(const QString &units)
{
    return QStringLiteral("100 * %1").arg(halfEven(units, 100));
}

QString taxOf(const QString &units, qint64 rate)
{
    return QStringLiteral("100 * %1").arg(halfEven(QStringLiteral("(%1) * %2").arg(units).arg(rate), 100 * Pricing::RateScale));
}

// The prices and taxes the store sets, each change kept with the day it
// takes effect (never overwritten), and on every rental, item line and tape
// sold what it was charged: fee, period, late fee a day, unit price, the
// line's amount, the two tax rates (millionths) and the line's share of
// each tax. Rows from before the step are filled in with the starting
// prices, the best the store knows: each line taxed on its own.
QStringList chargesKept()
{
    QStringList statements;
    const QStringList charged = {QStringLiteral("GSTRate INTEGER"), QStringLiteral("PSTRate INTEGER"),
                                 QStringLiteral("GST BIGINT"), QStringLiteral("PST BIGINT")};
    const QStringList rental = QStringList{QStringLiteral("RentalFee BIGINT"), QStringLiteral("RentalDays INTEGER"),
                                           QStringLiteral("LateFee BIGINT")} + charged;
    const QStringList sale = QStringList{QStringLiteral("Price BIGINT"), QStringLiteral("Amount BIGINT")} + charged;
    for (const QString &column : rental)
        statements << QStringLiteral("ALTER TABLE tblRentals ADD COLUMN ") + column;
    for (const char *table : {"tblSalesDetails", "tblVideosSold"})
        for (const QString &column : sale)
            statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(QLatin1String(table), column);
    statements << QStringLiteral(R"(CREATE TABLE tblPrices (
    ChangeID INTEGER NOT NULL PRIMARY KEY,
    Kind TEXT NOT NULL CHECK (Kind IN ('class', 'tax')),
    Number INTEGER NOT NULL,
    InForceFrom TEXT NOT NULL,
    Name TEXT NOT NULL,
    Fee BIGINT,
    Days INTEGER,
    LateFee BIGINT,
    Rate INTEGER,
    ChangedAt TEXT,
    Counter TEXT))");

    const Rates &rates = Pricing::starting();
    const QString first = StoreDate::toText(Pricing::startingDay());
    int id = 0;
    for (int n = 1; n <= Pricing::Classes; ++n) {
        const PriceClass &c = rates.classes[n - 1];
        statements << QStringLiteral("INSERT INTO tblPrices (ChangeID, Kind, Number, InForceFrom, Name, Fee, Days, "
                                     "LateFee) VALUES (%1, 'class', %2, '%3', '%4', %5, %6, %7)")
                          .arg(++id)
                          .arg(n)
                          .arg(first, c.name)
                          .arg(c.fee.units())
                          .arg(c.days)
                          .arg(c.lateFee.units());
    }
    for (int n = 1; n <= Pricing::Taxes; ++n)
        statements << QStringLiteral("INSERT INTO tblPrices (ChangeID, Kind, Number, InForceFrom, Name, Rate) "
                                     "VALUES (%1, 'tax', %2, '%3', '%4', %5)")
                          .arg(++id)
                          .arg(n)
                          .arg(first, rates.taxes[n - 1].name)
                          .arg(rates.taxes[n - 1].rate);

    const qint64 gst = rates.taxes[0].rate, pst = rates.taxes[1].rate;
    auto taxes = [&](const QString &amount) {
        return QStringLiteral("GSTRate = %1, PSTRate = %2, GST = %3, PST = %4")
            .arg(gst)
            .arg(pst)
            .arg(taxOf(amount, gst), taxOf(amount, pst));
    };
    // A stored quantity times a price raised since may pass what the
    // program takes: that line's amount stays unknown.
    const QString limit = QString::number(Money::limit().units());
    statements
        << QStringLiteral("UPDATE tblRentals SET (RentalFee, RentalDays, LateFee) = (SELECT p.Fee, p.Days, p.LateFee "
                          "FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum JOIN tblPrices p ON "
                          "p.Kind = 'class' AND p.Number = m.PriceClass WHERE v.VideoID = tblRentals.VideoID)")
        << QStringLiteral("UPDATE tblRentals SET ") + taxes(QStringLiteral("RentalFee"))
        << QStringLiteral("UPDATE tblSalesDetails SET Price = (SELECT i.Price FROM tblInventory i "
                          "WHERE i.InventoryID = tblSalesDetails.InventoryID)")
        << QStringLiteral("UPDATE tblSalesDetails SET Amount = CASE WHEN Price < 0 OR QuantityPurchased < 0 OR "
                          "(QuantityPurchased > 0 AND Price > %1 / QuantityPurchased) THEN NULL ELSE %2 END")
               .arg(limit, centsOf(QStringLiteral("Price * QuantityPurchased")))
        << QStringLiteral("UPDATE tblSalesDetails SET ") + taxes(QStringLiteral("Amount"))
        << QStringLiteral("UPDATE tblVideosSold SET Price = (SELECT v.SalePrice FROM tblVideos v "
                          "WHERE v.VideoID = tblVideosSold.VideoID)")
        << QStringLiteral("UPDATE tblVideosSold SET Amount = CASE WHEN Price < 0 OR Price > %1 THEN NULL ELSE %2 END")
               .arg(limit, centsOf(QStringLiteral("Price")))
        << QStringLiteral("UPDATE tblVideosSold SET ") + taxes(QStringLiteral("Amount"));
    return statements;
}

// Holds on titles: a member waits for a copy of a title; a copy that comes
// back is set aside for the oldest waiting hold until a day, then rented to
// the member (filled) or let go (lapsed). The partial unique indexes keep a
// tape from being set aside for two members and a member from holding one
// title twice, whatever two counters do at once.
QStringList holds()
{
    return {QStringLiteral(R"(CREATE TABLE tblHolds (
    HoldID INTEGER NOT NULL PRIMARY KEY CHECK (HoldID BETWEEN 1 AND 2147483647),
    CustomerNumber INTEGER NOT NULL,
    MovieNum INTEGER NOT NULL,
    PlacedOn TEXT NOT NULL,
    State TEXT NOT NULL CHECK (State IN ('waiting', 'ready', 'filled', 'lapsed', 'cancelled')),
    VideoID INTEGER,
    ReadyOn TEXT,
    Until TEXT,
    ClosedOn TEXT,
    CHECK (State <> 'ready' OR (VideoID IS NOT NULL AND Until IS NOT NULL))))"),
            QStringLiteral("CREATE UNIQUE INDEX ixHoldsTapeReady ON tblHolds (VideoID) WHERE State = 'ready'"),
            QStringLiteral("CREATE UNIQUE INDEX ixHoldsMemberTitle ON tblHolds (CustomerNumber, MovieNum) "
                           "WHERE State IN ('waiting', 'ready')"),
            QStringLiteral("CREATE INDEX ixHoldsTitleState ON tblHolds (MovieNum, State, HoldID)"),
            QStringLiteral("CREATE INDEX ixHoldsState ON tblHolds (State, HoldID)"),
            // The few rentals still open, by tape and by member, read at
            // once however many have been returned.
            QStringLiteral("CREATE INDEX ixRentalsOpen ON tblRentals (VideoID, RentalID) WHERE Returned = 0"),
            QStringLiteral("CREATE INDEX ixRentalsOpenMember ON tblRentals (CustomerNumber, VideoID) "
                           "WHERE Returned = 0"),
            QStringLiteral("INSERT INTO tblSettings (Name, Value) VALUES ('HoldDays', '3')")};
}

// The day each tape was added, so the day's new tapes can be labelled;
// tapes from before the step have none.
QStringList tapesDated()
{
    return {QStringLiteral("ALTER TABLE tblVideos ADD COLUMN AddedOn TEXT"),
            QStringLiteral("CREATE INDEX ixVideosAdded ON tblVideos (AddedOn)")};
}

// The prices' changes chained and guarded like the ledger (the rows a store
// holds are linked by the step's work), and beside a gate-log entry that
// records a change of the store's settings, a digest of what it wrote
// (Settings.h): a setting changed outside the program no longer matches.
QStringList pricesChained(Engine engine)
{
    return QStringList{QStringLiteral("ALTER TABLE tblPrices ADD COLUMN Hash TEXT"),
                       QStringLiteral("ALTER TABLE tblGateLog ADD COLUMN Digest TEXT")}
           + creating(priceGuards(engine));
}

QSqlError linkPrices(const QSqlDatabase &db, Engine engine)
{
    return Chain::linkExisting(db, engine, {Chain::prices()});
}

} // namespace

QStringList upgrade(int from, Engine engine)
{
    switch (from) {
    case 0: return indexes(); // the lookup indexes
    case 1: return settingsAndGateLog();
    case 2: return ledger(engine); // the money ledger, empty: it starts from the day of the step
    case 3: return chain(engine);  // with UpgradeWork::chainAndShortenCards
    case ChargesStep: return chargesKept();
    case 5: return holds();
    case 6: return tapesDated();
    case 7: return pricesChained(engine); // with linkPrices
    }
    return {};
}

StepWork work(int from)
{
    switch (from) {
    case 3: return UpgradeWork::chainAndShortenCards;
    case 7: return linkPrices;
    }
    return nullptr;
}

QSqlError runSteps(const QSqlDatabase &db, int from, Engine engine)
{
    QSqlQuery q(db);
    for (int step = from; step < Version; ++step) {
        for (const QString &sql : upgrade(step, engine))
            if (!q.exec(sql))
                return q.lastError();
        if (const StepWork stepWork = work(step))
            if (const QSqlError error = stepWork(db, engine); error.isValid())
                return error;
    }
    return {};
}

const QList<Guard> &guards(Engine engine)
{
    static const QList<Guard> file =
        firstLedgerGuards(Engine::SQLite) + laterGuards(Engine::SQLite) + priceGuards(Engine::SQLite);
    static const QList<Guard> server = firstLedgerGuards(Engine::PostgreSQL) + laterGuards(Engine::PostgreSQL)
                                       + priceGuards(Engine::PostgreSQL);
    return engine == Engine::SQLite ? file : server;
}


QString upgradeNote(int from)
{
    if (from == ChargesStep)
        return QStringLiteral("the store now keeps what each rental and sale was charged and the prices and taxes "
                              "it sets; rentals and sales recorded before were given the starting prices and "
                              "taxes (each line taxed on its own), the best the store knows");
    return {};
}

QStringList creation(Engine engine)
{
    QStringList all = tables() + seedRows();
    for (int step = 0; step < Version; ++step)
        all += upgrade(step, engine);
    return all;
}

QSqlError create(const QSqlDatabase &db, Engine engine)
{
    QSqlQuery q(db);
    for (const QString &sql : tables() + seedRows())
        if (!q.exec(sql))
            return q.lastError();
    return runSteps(db, 0, engine);
}

} // namespace Schema
