#include "TestSupport.h"

#include "app/Application.h"
#include "app/ChainWatch.h"
#include "data/GateStore.h"
#include "app/ManagerCode.h"
#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "counter/StoreDetails.h"
#include "data/Chain.h"
#include "data/Ledger.h"
#include "data/ServerStore.h"
#include "data/StoreDate.h"
#include "data/StoreIntegrity.h"
#include "reports/ReportStore.h"

#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 10);
const QString Code = u"Tape-Rewind-42"_s;

Schema::Engine engine()
{
    return onServer() ? Schema::Engine::PostgreSQL : Schema::Engine::SQLite;
}

// Runs `statements` on the store through a plain connection of its own, as
// anyone with the store file (or the server's password) can; the engine's
// error, or empty when it took them all; then, if asked, every link of the
// chain written again over what they left.
QString plainly(const QString &path, const QStringList &statements, bool relink = false)
{
    const QString name = u"tst-chain-plain"_s;
    QString error;
    {
        QSqlDatabase db = onServer() ? Database::connect(name, path, &error)
                                     : Database::openConnection(name, path, true, &error);
        QSqlQuery q(db);
        for (const QString &sql : statements)
            if (error.isEmpty() && !q.exec(sql))
                error = q.lastError().text();
        if (relink && error.isEmpty() && db.transaction()) {
            error = Chain::linkExisting(db, engine(), Chain::tables()).text();
            db.commit();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

// Takes the guards of `table` away, as someone with the store can.
QStringList lifted(const QString &table)
{
    QStringList statements;
    for (const Schema::Guard &g : Schema::guards(engine()))
        if (g.table == table)
            statements << g.drop;
    return statements;
}

StoreFile::Outcome start(const QString &path)
{
    return onServer() ? ServerStore::prepare(path) : StoreFile::prepare(path);
}

bool append(const QString &path, LedgerEntry::Kind kind, QDate day, const QString &amount)
{
    Database db(path);
    return db.transaction(u"write"_s, [&] {
        LedgerEntry e;
        e.kind = kind;
        e.day = day;
        e.member = 1;
        e.receiptId = 7;
        e.videoId = 1001;
        e.amount = *Money::parse(amount);
        return Ledger::append(db, e);
    });
}

// Three ledger entries (a checkout, a fee payment, a late fee), three tries
// at the gate, a code of the store's own and its details.
void fill(TestStore &s)
{
    for (const auto kind : {LedgerEntry::Kind::Checkout, LedgerEntry::Kind::Payment, LedgerEntry::Kind::Fee})
        QVERIFY(append(s.path(), kind, Today, u"12.50"_s));
    GateStore gate(s.path());
    for (int i = 0; i < 3; ++i)
        QVERIFY(gate.record(QDateTime(Today, QTime(9, i)), 1, i == 2 ? GateOutcome::Granted : GateOutcome::Refused));
    static const QByteArray hash = ManagerCode::hash(Code);
    QVERIFY(gate.setCode(hash, QDateTime(Today, QTime(9, 5)), 0));
    StoreDetails details;
    details.name = u"Corner Video"_s;
    details.holdDays = u"3"_s;
    QVERIFY(StoreDetailsStore(s.path()).save(details, QDateTime(Today, QTime(9, 6))));
}

// The seal line Day End gives for `day`, after "Seal: ".
QString sealOf(const QString &path, QDate day)
{
    ReportStore dayEnd(path, ReportCommands::dayEnd(), {StoreDate::toText(day)});
    if (!dayEnd.open())
        return {};
    for (const ReportRow &row : dayEnd.rows(0, dayEnd.rowCount()).value_or(QList<ReportRow>()))
        if (row.at(1).toString() == u"Seal of the day"_s)
            return row.at(2).toString().section(u"Seal: "_s, 1);
    return {};
}

struct Run
{
    int code;
    QString out, err;
};

Run videostore(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(VIDEOSTORE_EXE), arguments);
    if (!p.waitForFinished(30000))
        qFatal("videostore did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class tst_Chain : public QObject
{
    Q_OBJECT

private slots:
    void plainSqlCannotRewriteTheRecords_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("sql");
        const QString ledgerRow = u"INTO tblLedger (Seq, EntryDate, EntryTime, Counter, Kind, Amount) VALUES "
                                  "(1, '2026-03-10', '2026-03-10T09:00:00', 'x', 'fee', 30000)"_s;
        const QString gateRow = u"INTO tblGateLog (TryNumber, TriedAt, Destination, Outcome, Workstation) VALUES "
                                "(1, '2026-03-10 09:00:00', 1, 'granted', 'x')"_s;
        QTest::newRow("ledger: update") << u"tblLedger"_s << u"UPDATE tblLedger SET Amount = 0 WHERE Seq = 2"_s;
        QTest::newRow("ledger: delete") << u"tblLedger"_s << u"DELETE FROM tblLedger"_s;
        QTest::newRow("ledger: replace")
            << u"tblLedger"_s
            << (onServer() ? u"INSERT %1 ON CONFLICT (Seq) DO UPDATE SET Amount = 3"_s.arg(ledgerRow)
                           : u"INSERT OR REPLACE %1"_s.arg(ledgerRow));
        QTest::newRow("gate log: update") << u"tblGateLog"_s << u"UPDATE tblGateLog SET Outcome = 'granted'"_s;
        QTest::newRow("gate log: delete") << u"tblGateLog"_s << u"DELETE FROM tblGateLog"_s;
        QTest::newRow("gate log: replace")
            << u"tblGateLog"_s
            << (onServer() ? u"INSERT %1 ON CONFLICT (TryNumber) DO UPDATE SET Outcome = 'granted'"_s.arg(gateRow)
                           : u"INSERT OR REPLACE %1"_s.arg(gateRow));
        if (onServer())
            QTest::newRow("gate log: truncate") << u"tblGateLog"_s << u"TRUNCATE tblGateLog"_s;
        QTest::newRow("prices: update") << u"tblPrices"_s << u"UPDATE tblPrices SET Fee = 0 WHERE ChangeID = 1"_s;
        QTest::newRow("prices: delete") << u"tblPrices"_s << u"DELETE FROM tblPrices WHERE ChangeID > 3"_s;
        const QString priceRow = u"INTO tblPrices (ChangeID, Kind, Number, InForceFrom, Name, Fee, Days, LateFee) "
                                 "VALUES (1, 'class', 1, '1900-01-01', 'New release', 0, 2, 0)"_s;
        QTest::newRow("prices: replace")
            << u"tblPrices"_s
            << (onServer() ? u"INSERT %1 ON CONFLICT (ChangeID) DO UPDATE SET Fee = 0"_s.arg(priceRow)
                           : u"INSERT OR REPLACE %1"_s.arg(priceRow));
    }
    void plainSqlCannotRewriteTheRecords()
    {
        QFETCH(QString, table);
        QFETCH(QString, sql);
        TestStore s;
        fill(s);
        const QString before = s.rows(u"SELECT * FROM %1 ORDER BY 1"_s.arg(table));
        QVERIFY2(plainly(s.path(), {sql}).contains(u"append-only"_s), qPrintable(sql));
        QCOMPARE(s.rows(u"SELECT * FROM %1 ORDER BY 1"_s.arg(table)), before);
    }

    void checkNamesWhatWasChanged_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("finding"); // %1: the minute of the row named, as it stands
        QTest::addColumn<QString>("timeOf");
        const QString changed = u" was changed or removed after it was written"_s;
        QTest::newRow("a ledger entry's amount")
            << u"tblLedger"_s << QStringList{u"UPDATE tblLedger SET Amount = Amount + 10000 WHERE Seq = 2"_s}
            << u"ledger entry 2 (%1, fee payment of member 1)"_s + changed
            << u"SELECT EntryTime FROM tblLedger WHERE Seq = 2"_s;
        QTest::newRow("a gate-log try's outcome")
            << u"tblGateLog"_s << QStringList{u"UPDATE tblGateLog SET Outcome = 'granted' WHERE TryNumber = 2"_s}
            << u"gate log entry 2 (%1, granted)"_s + changed << u"SELECT TriedAt FROM tblGateLog WHERE TryNumber = 2"_s;
        QTest::newRow("a ledger entry removed")
            << u"tblLedger"_s << QStringList{u"DELETE FROM tblLedger WHERE Seq = 2"_s}
            << u"ledger entry 2 was removed after it was written"_s << QString();
        QTest::newRow("two ledger entries swapped")
            << u"tblLedger"_s
            << QStringList{u"UPDATE tblLedger SET Seq = 0 WHERE Seq = 2"_s, u"UPDATE tblLedger SET Seq = 2 WHERE Seq = 3"_s,
                           u"UPDATE tblLedger SET Seq = 3 WHERE Seq = 0"_s}
            << u"ledger entry 2 (%1, late fee for tape 1001)"_s + changed
            << u"SELECT EntryTime FROM tblLedger WHERE Seq = 2"_s;
        QTest::newRow("the code's row gone after a change")
            << u"tblSettings"_s << QStringList{u"DELETE FROM tblSettings WHERE Name = 'ManagerCode'"_s}
            << u"the manager code is missing or unreadable, though the gate log records that it was set: the "
               "manager's windows open for no code until one is set with videostore --set-manager-code"_s
            << QString();
        QTest::newRow("a price change's fee")
            << u"tblPrices"_s << QStringList{u"UPDATE tblPrices SET Fee = 0 WHERE ChangeID = 1"_s}
            << u"price change 1 (price class 1 (New release) from 1900-01-01)"_s + changed << QString();
        QTest::newRow("the store details written over")
            << u"tblSettings"_s << QStringList{u"UPDATE tblSettings SET Value = 'Other Video' WHERE Name = 'StoreName'"_s}
            << u"the store details were changed outside the program, after gate log entry 5 (2026-03-10 09:06, store "
               "details changed) recorded the last change made through it"_s
            << QString();
        QTest::newRow("hold days out of range")
            << u"tblSettings"_s << QStringList{u"UPDATE tblSettings SET Value = '-5' WHERE Name = 'HoldDays'"_s}
            << u"the hold days setting holds \"-5\", not a whole number of days from 1 to 365: tapes are set aside "
               "for 3 days until it is set again in Store details"_s
            << QString();
        QTest::newRow("a guard dropped") << QString() << QStringList() << u"the ledger's guard %1 is missing"_s
                                         << QString();
    }
    void checkNamesWhatWasChanged()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, statements);
        QFETCH(QString, finding);
        QFETCH(QString, timeOf);
        TestStore s;
        fill(s);
        QVERIFY(StoreIntegrity::check(s.path()).problems.isEmpty());
        if (table.isEmpty()) {
            // A guard taken away is named; a start puts it back (below, and in the manager's notice).
            const Schema::Guard &guard = Schema::guards(engine()).first();
            QCOMPARE(plainly(s.path(), {guard.drop}), QString());
            QCOMPARE(StoreIntegrity::check(s.path()).problems, QStringList{finding.arg(guard.name)});
            return;
        }
        // The guards taken away for the change, and put back by a start.
        QCOMPARE(plainly(s.path(), lifted(table) + statements), QString());
        QCOMPARE(start(s.path()).notes.size(), lifted(table).size());
        // "2026-03-10 14:12" of the row named, as it now stands.
        const QString expected =
            timeOf.isEmpty() ? finding : finding.arg(s.value(timeOf).toString().left(16).replace(u'T', u' '));
        QCOMPARE(StoreIntegrity::check(s.path()).problems, QStringList{expected});
    }

    void aStartTellsTheManagerOnceWhatItFound()
    {
        TestStore s;
        fill(s);
        QCOMPARE(plainly(s.path(), lifted(u"tblGateLog"_s) << u"UPDATE tblGateLog SET Outcome = 'granted' WHERE "
                                                             "TryNumber = 1"_s),
                 QString());
        const auto windows = startVideoStore(s.path(), s.ws());
        QVERIFY(windows);
        const ChainWatch *watch = windows->main().findChild<ChainWatch *>();
        QVERIFY(watch);
        QTRY_VERIFY(watch->isDone());
        QStringList told;
        for (int pass = 0; pass < 2; ++pass) {
            s.ws().clear();
            windows->main().cmdVidMn->click();
            windows->secur().txtCode->setText(Code);
            windows->secur().cmdSubmit->click();
            told << s.ws().prompts().mid(1);
        }
        QCOMPARE(told.size(), 1);
        QCOMPARE(s.ws().boxes().size(), 1); // the second pass: granted, and nothing more
        QVERIFY2(told[0].contains(u"gate log's guard"_s) && told[0].contains(u"put back"_s)
                     && told[0].contains(u"gate log entry 1 (2026-03-10 09:00, granted) was changed or removed after "
                                         "it was written"_s),
                 qPrintable(told[0]));
    }

    void upgradeLinksEarlierRowsAndKeepsLastFourDigits()
    {
        // A store as the version before the chain made it, with rows of its time.
        const QTemporaryDir dir;
        const QString path = onServer() ? newServerDatabase() : dir.filePath(u"old.db"_s);
        QStringList statements = Schema::tables() + Schema::seedRows();
        for (int step = 0; step < 3; ++step)
            statements += Schema::upgrade(step, engine());
        statements << (onServer() ? u"CREATE TABLE tblVersion (Version INTEGER NOT NULL)"_s : u"PRAGMA user_version = 3"_s);
        if (onServer())
            statements << u"INSERT INTO tblVersion (Version) VALUES (3)"_s;
        for (int seq = 1; seq <= 3; ++seq)
            statements << u"INSERT INTO tblLedger (Seq, EntryDate, EntryTime, Counter, Kind, CustomerNumber, Amount) "
                          "VALUES (%1, '2026-03-09', '2026-03-09T10:0%1:00', 'front', 'payment', 1, %2)"_s.arg(seq).arg(seq * 10000);
        statements << u"INSERT INTO tblGateLog (TryNumber, TriedAt, Destination, Outcome, Workstation) VALUES "
                      "(1, '2026-03-09 09:00:00', 2, 'granted', 'front')"_s
                   << u"INSERT INTO tblCreditInfo (CustomersNumber, Visa, VisaExp, MasterCard, MCExp, Sears, SearsExp) "
                      "VALUES (0, '4500 1234 9876 4242', '2028-04', '5500111122223333', '2027-01', '0', NULL)"_s;
        QCOMPARE(plainly(path, statements), QString());

        const StoreFile::Outcome upgraded = start(path);
        QVERIFY2(upgraded.ok, qPrintable(upgraded.message));
        StoreIntegrity::Report report = StoreIntegrity::check(path);
        QCOMPARE(report.problems, QStringList());
        QCOMPARE(report.gateTries, 1);
        QCOMPARE(valueIn(path, u"SELECT Visa || '|' || VisaExp || '|' || MasterCard || '|' || MCExp || '|' || Sears "
                              "FROM tblCreditInfo"_s)
                     .toString(),
                 u"4242|2028-04|3333|2027-01|0"_s);
        // The chain goes on from the rows linked in the step.
        QVERIFY(append(path, LedgerEntry::Kind::Fee, Today, u"1.00"_s));
        report = StoreIntegrity::check(path);
        QCOMPARE(report.problems, QStringList());
        QCOMPARE(report.ledgerEntries, 4);
        if (onServer()) {
            dropServerDatabase(path);
        } else {
            // Nothing of the whole numbers is left in the file.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(!bytes.contains("1234 9876") && !bytes.contains("55001111"));
        }
    }

    // The seal covers the day's ledger entries, gate-log entries and price
    // changes: what is cut from it, added to it or rewritten under it is told.
    void sealOfADayEnd_data()
    {
        QTest::addColumn<QStringList>("statements"); // run with the guards lifted, then put back
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("told");
        const QString ledger = u"tblLedger"_s, gate = u"tblGateLog"_s;
        QTest::newRow("as printed") << QStringList() << QString() << 0
                                    << u"holds: the store's 2 ledger entries, 3 gate entries and 0 price changes of "
                                       "that day, and every entry before them, are as they were when it was printed."_s;
        QTest::newRow("ledger's tail cut")
            << (lifted(ledger) << u"DELETE FROM tblLedger WHERE Seq > 2"_s) << QString() << 1
            << u"does not hold. The seal covers 2 ledger entries; the store holds 1."_s;
        QTest::newRow("gate log's tail cut, with the code")
            << (lifted(gate) << u"DELETE FROM tblGateLog WHERE TryNumber >= 3"_s
                             << u"DELETE FROM tblSettings WHERE Name = 'ManagerCode'"_s)
            << QString() << 1 << u"does not hold. The seal covers 3 gate entries; the store holds 2."_s;
        QTest::newRow("an entry added to the sealed day")
            << QStringList() << u"payment"_s << 1
            << u"does not hold. 1 ledger entry was added to 2026-03-10 after its seal: entry 4, payment -$5.00."_s;
        QTest::newRow("a try added to the sealed day")
            << QStringList() << u"try"_s << 1
            << u"does not hold. 1 gate entry was added to 2026-03-10 after its seal: entry 4, refused at 23:00."_s;
        QTest::newRow("an entry rewritten, with every link after it")
            << (lifted(ledger) << u"UPDATE tblLedger SET Amount = 10000 WHERE Seq = 2"_s) << u"relink"_s << 1
            << u"does not hold. The entries it covers, or entries before them, are not what they were when it was "
               "printed."_s;
        // The day changed no prices: its seal stands on the last change before it.
        QTest::newRow("a price rewritten before the day, with every link after it")
            << (lifted(u"tblPrices"_s) << u"UPDATE tblPrices SET Fee = 0 WHERE ChangeID = 1"_s) << u"relink"_s << 1
            << u"does not hold. The entries it covers, or entries before them, are not what they were when it was "
               "printed."_s;
        QTest::newRow("printed before seals had counts")
            << QStringList() << u"no counts"_s << 0
            << u"holds: the store's 2 ledger entries of that day, and every entry before them, are as they were when "
               "it was printed."_s;
    }
    void sealOfADayEnd()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, then);
        QFETCH(int, code);
        QFETCH(QString, told);
        TestStore s;
        QVERIFY(append(s.path(), LedgerEntry::Kind::Fee, Today.addDays(-1), u"1.00"_s));
        QVERIFY(append(s.path(), LedgerEntry::Kind::Checkout, Today, u"20.00"_s));
        QVERIFY(append(s.path(), LedgerEntry::Kind::Payment, Today, u"5.00"_s));
        GateStore gate(s.path());
        QVERIFY(gate.record(QDateTime(Today, QTime(9, 0)), 12, GateOutcome::Granted));
        QVERIFY(gate.setCode(ManagerCode::hash(Code), QDateTime(Today, QTime(9, 1)), 11));
        QVERIFY(gate.record(QDateTime(Today, QTime(9, 2)), 12, GateOutcome::Granted));
        QString seal = sealOf(s.path(), Today);
        QVERIFY2(seal.endsWith(u" — 2 ledger entries, 3 gate entries, 0 price changes"_s), qPrintable(seal));
        if (then == u"no counts"_s)
            seal = s.value(u"SELECT Hash FROM tblLedger WHERE Seq = 3"_s)
                       .toString()
                       .left(16)
                       .toUpper()
                       .replace(QRegularExpression(u"(.{4})(?!$)"_s), u"\\1 "_s);

        QCOMPARE(plainly(s.path(), statements, then == u"relink"_s), QString());
        if (!statements.isEmpty())
            QVERIFY(start(s.path()).ok);
        if (then == u"payment"_s)
            QVERIFY(append(s.path(), LedgerEntry::Kind::Payment, Today, u"-5.00"_s));
        if (then == u"try"_s)
            QVERIFY(gate.record(QDateTime(Today, QTime(23, 0)), 1, GateOutcome::Refused));
        const Run r = videostore({u"--store"_s, s.path(), u"--verify-seal"_s, StoreDate::toText(Today), seal});
        QCOMPARE(r.code, code);
        const QString said = (code == 0 ? r.out : r.err).trimmed();
        QVERIFY2(said.startsWith(u"The seal %1 of 2026-03-10 "_s.arg(seal.left(19))) && said.endsWith(told),
                 qPrintable(said));
    }
};

QTEST_MAIN(tst_Chain)
#include "tst_Chain.moc"
