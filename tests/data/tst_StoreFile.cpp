#include "data/Database.h"
#include "data/StoreFile.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {

// Reads through a plain connection with none of the store's own settings, so
// what it sees is what the file itself holds.
QList<QVariantList> rows(const QString &path, const QString &sql)
{
    QList<QVariantList> out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery q(db);
        if (!q.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        while (q.next()) {
            out.append(QVariantList());
            for (int i = 0; i < q.record().count(); ++i)
                out.last() << q.value(i);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return out;
}

QVariant value(const QString &path, const QString &sql)
{
    const QList<QVariantList> r = rows(path, sql);
    return r.isEmpty() ? QVariant() : r.first().first();
}

QStringList columns(const QString &path, const QString &table)
{
    QStringList names;
    for (const QVariantList &r : rows(path, QStringLiteral("PRAGMA table_info(%1)").arg(table)))
        names << r.at(1).toString();
    return names;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

const QStringList allTables = {"tblMembers", "tblCreditInfo",   "Categories",    "tblMovies",   "tblVideos",
                               "tblRentals", "tblReceipts", "tblSalesDetails", "tblVideosSold", "tblInventory"};

// A new store in its own folder.
struct NewStore
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("video.db"));
    NewStore()
    {
        if (!StoreFile::prepare(path).ok)
            qFatal("cannot make a store");
    }
};

} // namespace

class tst_StoreFile : public QObject
{
    Q_OBJECT

private slots:
    void newStoreIsComplete()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("app/data")); // made on the way
        const QString path = folder + QStringLiteral("/video.db");
        const StoreFile::Outcome out = StoreFile::prepare(path);
        QVERIFY2(out.ok, qPrintable(out.message));
        QVERIFY(out.created);
        QCOMPARE(entries(folder), QStringList{"video.db"}); // nothing built aside is left

        QStringList tables;
        for (const QVariantList &r : rows(path, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
            tables << r.first().toString();
        for (const QString &t : allTables)
            QVERIFY2(tables.contains(t), qPrintable(t));
        QCOMPARE(columns(path, QStringLiteral("tblMembers")).value(0), QStringLiteral("CustomerNumber"));
        QCOMPARE(columns(path, QStringLiteral("tblMembers")).value(6), QStringLiteral("HomePhone"));
        QCOMPARE(columns(path, QStringLiteral("tblMovies")).mid(0, 7),
                 QStringList({"MovieNum", "Name", "CategoryID", "Actor", "Actress", "Rating", "PriceClass"}));
        QCOMPARE(columns(path, QStringLiteral("tblInventory")).mid(0, 4),
                 QStringList({"InventoryID", "ItemName", "Price", "Quantity"}));
        QCOMPARE(rows(path, QStringLiteral("SELECT CategoryID, CategoryName FROM Categories ORDER BY 1")),
                 (QList<QVariantList>{{1, "Action"}, {2, "Sci-Fi"}, {3, "Drama"}, {4, "Comedy"},
                                      {5, "Horror & Thriller"}}));
        QCOMPARE(value(path, QStringLiteral("SELECT COUNT(*) FROM tblMembers WHERE CustomerNumber = 0")), 1);
        QCOMPARE(value(path, QStringLiteral("PRAGMA journal_mode")).toString().toLower(), QStringLiteral("wal"));

        rows(path, QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName) VALUES (5, 'Lee')"));
        QCOMPARE(rows(path, QStringLiteral("SELECT FeesOwing, Deleted FROM tblMembers WHERE CustomerNumber = 5")),
                 (QList<QVariantList>{{0, 0}}));
        // A title may be stored before it has a genre.
        rows(path, QStringLiteral("INSERT INTO tblMovies (MovieNum, Name, CategoryID) VALUES (1, 'Untitled', 0)"));
    }

    void halfMadeLeftoverIsReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("video.db"));
        QFile leftover(path + QStringLiteral(".new"));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write("half a store from a run that was cut short");
        leftover.close();
        QVERIFY(StoreFile::prepare(path).ok);
        QCOMPARE(entries(dir.path()), QStringList{"video.db"});
        QCOMPARE(value(path, QStringLiteral("SELECT COUNT(*) FROM Categories")), 5);
    }

    void secondPrepareChangesNothing()
    {
        NewStore store;
        rows(store.path,
             QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName, Price) VALUES (9, 'Popcorn', 19900)"));
        auto counts = [&] {
            QList<int> n;
            for (const QString &t : allTables)
                n << value(store.path, QStringLiteral("SELECT COUNT(*) FROM %1").arg(t)).toInt();
            return n;
        };
        const QList<int> before = counts();
        const StoreFile::Outcome again = StoreFile::prepare(store.path);
        QVERIFY2(again.ok, qPrintable(again.message));
        QVERIFY(!again.created);
        QCOMPARE(counts(), before);
        QCOMPARE(rows(store.path, QStringLiteral("SELECT ItemName, Price FROM tblInventory")),
                 (QList<QVariantList>{{"Popcorn", 19900}}));
    }

    void olderStoreGetsItsLookupIndexes()
    {
        NewStore store;
        const QString indexes = QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name "
                                               "LIKE 'ix%'");
        const int all = value(store.path, indexes).toInt();
        QVERIFY(all >= 10);
        rows(store.path, QStringLiteral("DROP INDEX ixMembersHomePhone"));
        rows(store.path, QStringLiteral("DROP INDEX ixRentalsVideoOpen"));
        QVERIFY(StoreFile::prepare(store.path).ok);
        QCOMPARE(value(store.path, indexes).toInt(), all);
        QCOMPARE(rows(store.path, QStringLiteral("EXPLAIN QUERY PLAN SELECT * FROM tblMembers WHERE HomePhone = "
                                                 "'555'"))
                     .first()
                     .last()
                     .toString(),
                 QStringLiteral("SEARCH tblMembers USING INDEX ixMembersHomePhone (HomePhone=?)"));
    }

    void unusableFileRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << "garbage";
        QTest::newRow("database of another program") << "foreign";
        QTest::newRow("store missing one table") << "partial";
        QTest::newRow("folder where the file should be") << "folder";
        QTest::newRow("its folder cannot be made") << "blocked";
    }
    void unusableFileRefused()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("video.db"));
        if (kind == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("not a database").repeated(200));
        } else if (kind == QLatin1String("foreign")) {
            rows(path, QStringLiteral("CREATE TABLE notes (id INTEGER, body TEXT)"));
        } else if (kind == QLatin1String("partial")) {
            QVERIFY(StoreFile::prepare(path).ok);
            rows(path, QStringLiteral("DROP TABLE tblVideosSold"));
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile blocker(dir.filePath(QStringLiteral("blocker"))); // a file where a folder must go
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            path = dir.filePath(QStringLiteral("blocker/store/video.db"));
        }
        const QStringList before = entries(dir.path());
        const StoreFile::Outcome out = StoreFile::prepare(path);
        QVERIFY(!out.ok);
        QVERIFY2(out.message.contains(QDir::toNativeSeparators(path)), qPrintable(out.message));
        if (kind == QLatin1String("blocked"))
            QCOMPARE(entries(dir.path()), before); // nothing half made is left
    }

    void moneyRoundTrips_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::newRow("1234567.8901") << 12345678901LL;
        QTest::newRow("negative balance") << -39800LL;
        // Past 2^53, where a trip through double would lose digits.
        QTest::newRow("largest amount") << std::numeric_limits<qint64>::max();
    }
    void moneyRoundTrips()
    {
        QFETCH(qint64, units);
        NewStore store;
        Database db(store.path);
        QVERIFY(db.run(QStringLiteral("add an item"),
                       QStringLiteral("INSERT INTO tblInventory (InventoryID, Price) VALUES (1, ?)"),
                       {units}));
        const auto price =
            db.scalar(QStringLiteral("read the price"), QStringLiteral("SELECT Price FROM tblInventory"));
        QVERIFY(price.has_value());
        QCOMPARE(price->toLongLong(), units);
    }

    void runBindsValues()
    {
        NewStore store;
        Database db(store.path);
        QVERIFY(db.isOpen());
        // A quote in a value must stay data, never become part of the statement.
        const QString name = QStringLiteral("O'Brien'); DROP TABLE tblMembers; --");
        QVERIFY(db.run(QStringLiteral("add the member"),
                       QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName, HomePhone) VALUES (?, ?, ?)"),
                       {7, name, QStringLiteral("555-0101")}));
        auto q = db.run(QStringLiteral("look up the member"),
                        QStringLiteral("SELECT LastName FROM tblMembers WHERE HomePhone = ?"), {"555-0101"});
        QVERIFY(q && q->next());
        QCOMPARE(q->value(0).toString(), name);
        QVERIFY(!q->next());
        const auto none = db.scalar(QStringLiteral("look up the member"),
                                    QStringLiteral("SELECT LastName FROM tblMembers WHERE CustomerNumber = ?"), {99});
        QVERIFY(none && !none->isValid());
    }

    void failingStatementsKeepTheirError()
    {
        NewStore store;
        Database db(store.path);
        QVERIFY(!db.run(QStringLiteral("look up the member"), QStringLiteral("SELECT Nickname FROM tblMembers")));
        QCOMPARE(db.lastError().action, QStringLiteral("look up the member"));
        QVERIFY2(db.lastError().detail.contains(QStringLiteral("Nickname")), qPrintable(db.lastError().detail));

        // A handle on a missing file fails each statement and makes no file.
        QTemporaryDir dir;
        {
            Database none(dir.filePath(QStringLiteral("video.db")));
            QVERIFY(!none.isOpen());
            QVERIFY(!none.run(QStringLiteral("list the movies"), QStringLiteral("SELECT 1")));
            QCOMPARE(none.lastError().action, QStringLiteral("list the movies"));
            QVERIFY(!none.lastError().detail.isEmpty());
        }
        QCOMPARE(entries(dir.path()), QStringList());
    }

    void transaction_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("committed");
        QTest::newRow("body succeeds") << "true" << true;
        QTest::newRow("body gives up") << "false" << false;
        QTest::newRow("statement inside fails") << "check" << false;
    }
    void transaction()
    {
        QFETCH(QString, ending);
        QFETCH(bool, committed);
        NewStore store;
        Database db(store.path);
        const QString action = QStringLiteral("check out the tapes");
        auto run = [&](const char *sql) { return db.run(action, QString::fromLatin1(sql)).has_value(); };
        const bool ok = db.transaction(action, [&] {
            if (!run("INSERT INTO tblMembers (CustomerNumber) VALUES (1)")
                || !run("UPDATE tblMembers SET FeesOwing = 29900 WHERE CustomerNumber = 0"))
                return false;
            if (ending == QLatin1String("check"))
                return run("UPDATE tblMembers SET Deleted = 5 WHERE CustomerNumber = 1");
            return ending == QLatin1String("true");
        });
        QCOMPARE(ok, committed);
        if (ending == QLatin1String("check")) {
            QCOMPARE(db.lastError().action, action);
            QVERIFY2(db.lastError().detail.contains(QStringLiteral("CHECK")), qPrintable(db.lastError().detail));
        }
        // Read from another connection, so nothing pending in this one counts.
        QCOMPARE(value(store.path, QStringLiteral("SELECT COUNT(*) FROM tblMembers")), committed ? 2 : 1);
        QCOMPARE(value(store.path, QStringLiteral("SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = 0")),
                 committed ? 29900 : 0);
        QVERIFY(db.transaction(action, [&] { return run("INSERT INTO tblMembers (CustomerNumber) VALUES (2)"); }));
    }
};

QTEST_GUILESS_MAIN(tst_StoreFile)
#include "tst_StoreFile.moc"
