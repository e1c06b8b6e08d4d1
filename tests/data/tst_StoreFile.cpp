#include "TestSupport.h"

#include "data/Database.h"
#include "data/StoreFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>

#include <limits>

namespace {

// Runs `sql` through a plain connection with none of the store's own
// settings, so what it sees is what the file itself holds; the first column
// of its first row.
QVariant value(const QString &path, const QString &sql)
{
    QVariant out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        QSqlQuery q(db.open() ? db : QSqlDatabase());
        if (!q.exec(sql))
            qFatal("%s: %s: %s", qPrintable(path), qPrintable(sql), qPrintable(q.lastError().text()));
        if (q.next())
            out = q.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return out;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

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
    void newStoreIsCompleteAndReopensUnchanged()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("app/data")); // made on the way
        const QString path = folder + QStringLiteral("/video.db");
        const StoreFile::Outcome out = StoreFile::prepare(path);
        QVERIFY2(out.ok && out.created, qPrintable(out.message));

        QCOMPARE(value(path, QStringLiteral("PRAGMA journal_mode")).toString().toLower(), QStringLiteral("wal"));
        // Keys alone are enough, and a title may be stored before it has a genre.
        value(path, QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName) VALUES (5, 'Lee')"));
        value(path, QStringLiteral("INSERT INTO tblMovies (MovieNum, Name, CategoryID) VALUES (1, 'Untitled', 0)"));
        value(path, QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName) VALUES (9, 'Popcorn')"));

        // The rows of every table; a missing table fails the statement.
        QString counts = QStringLiteral("SELECT ''");
        for (const char *t : {"tblMembers", "tblCreditInfo", "Categories", "tblMovies", "tblVideos", "tblRentals",
                              "tblReceipts", "tblSalesDetails", "tblVideosSold", "tblInventory"})
            counts += QStringLiteral(" || (SELECT COUNT(*) FROM %1) || ' '").arg(QLatin1String(t));
        counts += QStringLiteral(" || (SELECT group_concat(CustomerNumber || ',' || FeesOwing || ',' || Deleted, ';') "
                                 "FROM (SELECT * FROM tblMembers ORDER BY 1))");
        const QString before = value(path, counts).toString();
        QCOMPARE(before, QStringLiteral("2 0 5 1 0 0 0 0 0 1 0,0,0;5,0,0")); // member 0, defaults
        const StoreFile::Outcome again = StoreFile::prepare(path);
        QVERIFY2(again.ok && !again.created, qPrintable(again.message));
        QCOMPARE(value(path, counts).toString(), before);

        // A store half built aside by a cut-short run is replaced; nothing built aside is left.
        QFile leftover(path + QStringLiteral(".new"));
        QVERIFY(QFile::remove(path) && leftover.open(QIODevice::WriteOnly) && leftover.write("half a store") > 0);
        leftover.close();
        QVERIFY(StoreFile::prepare(path).created);
        QCOMPARE(entries(folder), QStringList{"video.db"});
    }

    void storeFilesForTheOwnerAlone()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("videostore"));
        const QString path = folder + QStringLiteral("/video.db");
        QVERIFY(StoreFile::prepare(path).created);
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        QCOMPARE(accessOf(folder), ownerOnly | QFile::ExeOwner);
        {
            Database db(path); // the engine's working files take the store's permissions
            for (const QString &file : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")})
                QCOMPARE(accessOf(file), ownerOnly);
        }

        // A store from before, readable by everyone: tightened, and said so.
        QVERIFY(QFile::setPermissions(path, ownerOnly | QFile::ReadGroup | QFile::ReadOther));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("video.db could be read by other users; it "
                                                                          "is now for its owner alone")));
        QVERIFY(StoreFile::prepare(path).ok);
        QCOMPARE(accessOf(path), ownerOnly);
    }

    void restoreLeftoversAreNeverReplacedByAnEmptyStore_data()
    {
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("said");
        QTest::newRow("the replaced store") << QStringList{"video.db.replaced-20260301-093005"}
                                            << "To undo the restore, rename \"video.db.replaced-20260301-093005\" "
                                               "to \"video.db\".";
        QTest::newRow("the incoming copy") << QStringList{"video.db.restoring"}
                                           << "\"video.db.restoring\" (a restore's incoming copy, perhaps not "
                                              "complete)";
    }
    void restoreLeftoversAreNeverReplacedByAnEmptyStore()
    {
        QFETCH(QStringList, left);
        QFETCH(QString, said);
        NewStore store;
        for (const QString &name : left)
            QVERIFY(QFile::copy(store.path, store.dir.filePath(name)));
        QVERIFY(QFile::remove(store.path));
        const QStringList before = entries(store.dir.path());

        const StoreFile::Outcome out = StoreFile::prepare(store.path);
        QVERIFY(!out.ok);
        QVERIFY2(out.message.contains(said) && out.message.contains(QStringLiteral("does not make a new, empty store")),
                 qPrintable(out.message));
        QCOMPARE(entries(store.dir.path()), before);
    }

    void olderStoreGetsItsLookupIndexes()
    {
        NewStore store;
        const QString indexes = QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name "
                                               "LIKE 'ix%'");
        const int all = value(store.path, indexes).toInt();
        // A store from before the schema version, as it was then.
        value(store.path, QStringLiteral("DROP INDEX ixMembersHomePhone"));
        value(store.path, QStringLiteral("DROP INDEX ixRentalsVideoOpen"));
        for (const QString &sql : downgradeTo(0))
            value(store.path, sql);
        value(store.path, QStringLiteral("PRAGMA user_version = 0"));
        QVERIFY(StoreFile::prepare(store.path).ok);
        QCOMPARE(value(store.path, indexes).toInt(), all);
        // Every table and column back, as the store check finds them.
        QCOMPARE(StoreFile::inspect(store.path).problem, QString());
    }

    void unusableFileRefused_data()
    {
        QTest::addColumn<QString>("kind"); // "store": a new store, then the statements
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QString>("reason");
        // Files that are no database at all are refused in the command line's and start-up's tests.
        QTest::newRow("another program's") << "raw" << QStringList{"CREATE TABLE notes (id INTEGER, body TEXT)"}
                                           << "the table tblMembers is missing";
        // A store of the older journal kind missing a table with no lookup index of its own.
        QTest::newRow("old journal, table missing")
            << "store" << QStringList{"PRAGMA journal_mode=DELETE", "DROP TABLE tblCreditInfo"}
            << "the table tblCreditInfo is missing";
        QTest::newRow("column missing") << "store" << QStringList{"ALTER TABLE tblVideos DROP COLUMN InStore"}
                                        << "the table tblVideos has no column InStore";
        QTest::newRow("newer version") << "store"
                                       << QStringList{"CREATE TABLE tblBranches (id INTEGER)", "PRAGMA user_version = 99"}
                                       << "made by a newer version of Video Store";
        QTest::newRow("unknown required column") << "required" << QStringList()
                                                 << "column Branch that this program does not know";
        QTest::newRow("read-only file") << "readonly" << QStringList() << "It is read-only.";
        QTest::newRow("read-only folder") << "lockedfolder" << QStringList()
                                          << "is read-only, and the program keeps working files";
        QTest::newRow("folder") << "folder" << QStringList() << "It is not a file.";
        QTest::newRow("blocked") << "blocked" << QStringList() << "Its folder cannot be created.";
    }
    void unusableFileRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, sql);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("video.db"));
        if (!QStringList{"blocked", "folder", "raw"}.contains(kind))
            QVERIFY(StoreFile::prepare(path).ok);
        for (const QString &statement : sql)
            value(path, statement);
        if (kind == QLatin1String("blocked")) { // a file where its folder must go
            QFile file(dir.filePath(QStringLiteral("blocker")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
            path = dir.filePath(QStringLiteral("blocker/store/video.db"));
        } else if (kind == QLatin1String("required")) {
            // Only a column with no default makes every insert fail; SQLite
            // adds one only to a table being made, so make it again.
            QStringList columns;
            for (const auto &[table, names] : StoreFile::expectedColumns(Schema::Version))
                if (table == QLatin1String("tblRentals"))
                    columns = names;
            value(path, QStringLiteral("CREATE TABLE r2 (%1, Branch INTEGER NOT NULL)").arg(columns.join(u", ")));
            value(path, QStringLiteral("DROP TABLE tblRentals"));
            value(path, QStringLiteral("ALTER TABLE r2 RENAME TO tblRentals"));
        } else if (kind == QLatin1String("readonly")) {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else if (kind == QLatin1String("lockedfolder")) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        } else if (kind == QLatin1String("folder")) { // a folder where the file should be
            QVERIFY(QDir().mkpath(path));
        }
        const QStringList before = entries(dir.path());
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.close();

        const StoreFile::Outcome out = StoreFile::prepare(path);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!out.ok);
        QVERIFY2(out.message.contains(QDir::toNativeSeparators(path)) && out.message.contains(reason),
                 qPrintable(out.message));
        // Left byte for byte as it was, with nothing beside it.
        QCOMPARE(entries(dir.path()), before);
        if (QFileInfo(path).isFile()) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == bytes);
        }
    }

    void fullDiskRefusedAndLeavesNothing()
    {
        // Needs a disk that can be filled: a small memory disk of its own.
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath(QStringLiteral("small"));
        const QStringList mount = {"-t", "tmpfs", "-o", "size=512k", "tmpfs", mountPoint};
        if (!QDir().mkpath(mountPoint) || QProcess::execute(QStringLiteral("mount"), mount) != 0)
            QSKIP("a small disk cannot be mounted here (needs root)");
        const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {mountPoint}); });

        const QString path = mountPoint + QStringLiteral("/video.db");
        QVERIFY(StoreFile::prepare(path).ok);
        // A disk full to the byte under a store made before; then room for a
        // new store's pages once, not for writing them through from its journal.
        const std::pair<QString, qint64> cases[] = {{path, -4096},
                                                    {mountPoint + QStringLiteral("/second.db"), 180 * 1024}};
        for (const auto &[store, room] : cases) {
            QFile filler(mountPoint + QStringLiteral("/filler"));
            const QByteArray block(4096, 'x');
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (QStorageInfo(mountPoint).bytesAvailable() > room + qint64(block.size())
                   && filler.write(block) == block.size() && filler.flush()) {
            }
            filler.close();
            // The engine's working files of a store made before are its own
            // to remove: another counter may have them open.
            const auto unlessWorking = [&] {
                return entries(mountPoint).filter(QRegularExpression(QStringLiteral("^(?!video\\.db-(wal|shm)$)")));
            };
            const QStringList before = unlessWorking();
            const StoreFile::Outcome out = StoreFile::prepare(store);
            QVERIFY2(!out.ok && out.message.contains(QStringLiteral("The disk holding it is full")),
                     qPrintable(out.message));
            QCOMPARE(unlessWorking(), before);
            QVERIFY(filler.remove());
        }
        // With room again the same store opens.
        QVERIFY(StoreFile::prepare(path).ok);
    }

    void engineErrorsInClerksWordsAndValuesBound()
    {
        NewStore store;
        Database db(store.path);
        const QString action = QStringLiteral("record the checkout");
        // No room left in the file stands for no room left on the disk.
        const int pages = db.scalar(action, QStringLiteral("PRAGMA page_count"))->toInt();
        QVERIFY(db.run(action, QStringLiteral("PRAGMA max_page_count = %1").arg(pages)));
        QVERIFY(!db.transaction(action, [&] {
            for (int i = 1; i < 2000; ++i)
                if (!db.run(action, QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName) VALUES (?, ?)"),
                            {i, QString(200, u'x')}))
                    return false;
            return true;
        }));
        QCOMPARE(db.lastError().kind, DbError::Kind::DiskFull);
        QVERIFY2(db.lastError().clerkText().startsWith(QStringLiteral("The disk holding the store is full, so the "
                                                                      "store database could not record the checkout.")),
                 qPrintable(db.lastError().clerkText()));
        QCOMPARE(value(store.path, QStringLiteral("SELECT COUNT(*) FROM tblInventory")).toInt(), 0);

        QVERIFY(db.run(action, QStringLiteral("PRAGMA query_only = 1")));
        QVERIFY(!db.run(action, QStringLiteral("UPDATE tblMembers SET FeesOwing = 1")));
        QCOMPARE(db.lastError().kind, DbError::Kind::ReadOnly);
        QVERIFY(db.lastError().clerkText().startsWith(QStringLiteral("The store file is read-only")));
        QVERIFY(db.run(action, QStringLiteral("PRAGMA query_only = 0")));

        // A lock held past the busy timeout: advice, and it works once the lock goes.
        Database other(store.path);
        QVERIFY(other.run(action, QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(!db.transaction(action, [&] { return db.run(action, QStringLiteral("DELETE FROM tblCreditInfo")).has_value(); }));
        QCOMPARE(db.lastError().kind, DbError::Kind::Busy);
        QVERIFY(db.lastError().clerkText().startsWith(QStringLiteral("Another counter is saving; try again in a moment.")));
        QVERIFY(other.run(action, QStringLiteral("ROLLBACK")));
        QVERIFY(db.transaction(action, [&] { return db.run(action, QStringLiteral("DELETE FROM tblCreditInfo")).has_value(); }));

        // Statements bind their values.
        const QString add = QStringLiteral("add it"), look = QStringLiteral("look it up");
        // Past 2^53 a trip through double would lose digits.
        int id = 0;
        for (const qint64 units : {12345678901LL, -39800LL, std::numeric_limits<qint64>::max()}) {
            QVERIFY(db.run(add, QStringLiteral("INSERT INTO tblInventory (InventoryID, Price) VALUES (?, ?)"),
                           {++id, units}));
            const auto price = db.scalar(look, QStringLiteral("SELECT Price FROM tblInventory WHERE InventoryID = ?"),
                                         {id});
            QCOMPARE(price.value_or(QVariant()).toLongLong(), units);
        }
        // A quote in a value must stay data, never become part of the statement.
        const QString name = QStringLiteral("O'Brien'); DROP TABLE tblMembers; --");
        const QString byNumber = QStringLiteral("SELECT LastName FROM tblMembers WHERE CustomerNumber = ?");
        QVERIFY(db.run(add, QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName) VALUES (?, ?)"),
                       {7, name}));
        QCOMPARE(db.scalar(look, byNumber, {7}).value_or(QVariant()).toString(), name);
        const auto none = db.scalar(look, byNumber, {99});
        QVERIFY(none && !none->isValid());

        // A handle on a missing file fails each statement and makes no file.
        QTemporaryDir dir;
        {
            Database missing(dir.filePath(QStringLiteral("video.db")));
            QVERIFY(!missing.isOpen() && !missing.run(add, QStringLiteral("SELECT 1")));
        }
        QCOMPARE(entries(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_StoreFile)
#include "tst_StoreFile.moc"
