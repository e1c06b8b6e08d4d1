#include "SampleStore.h"

#include "SampleHistory.h"

#include "data/Chain.h"
#include "data/Database.h"
#include "data/StoreDate.h"
#include "data/StoreFile.h"
#include "data/StoreLock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cerrno>
#include <cstring>

namespace SampleStore {

Counts fullCounts()
{
    Counts c;
    c.members = 50000;
    c.titles = 20000;
    c.tapes = 100000;
    c.checkouts = 300000;
    c.rentals = 1000000;
    c.receipts = 200000;
    c.itemLines = 400000;
    c.tapeSales = 50000;
    c.stockItems = 1000;
    c.days = 3650;
    return c;
}

namespace {

using namespace SampleWords;

Shape demoShape()
{
    Shape s;
    s.demo = true;
    s.counts.members = 40;
    s.counts.titles = int(std::size(DemoTitles));
    s.counts.checkouts = 150;
    s.counts.rentals = 330;
    s.counts.receipts = 90;
    s.counts.itemLines = 150;
    s.counts.tapeSales = 15;
    s.counts.stockItems = int(std::size(DemoItems));
    s.counts.days = 28;
    s.cardPercent = 40;
    s.feesPercent = 15;
    return s;
}

Shape fullShape(const Counts &counts)
{
    Shape s;
    s.counts = counts;
    s.joinedAtStart = 20;
    // Half the tapes are sold over the years, so most are offered for sale.
    s.forSalePercent = 70;
    return s;
}

QStringList sideFiles(const QString &path)
{
    return {path + QStringLiteral("-wal"), path + QStringLiteral("-shm"), path + QStringLiteral("-journal")};
}

// A store as the program makes it on its first start, with nothing in it
// yet besides walk-in member 0: replacing it loses nothing. A -wal beside it
// means it is in use or holds writes not yet folded in, so it does not count.
bool holdsNothing(const QString &path)
{
    if (QFileInfo::exists(path + QStringLiteral("-wal")) || !StoreFile::inspect(path).problem.isEmpty())
        return false;
    bool empty = false;
    StoreFile::readOnly(path, [&](const QSqlDatabase &db) {
        QSqlQuery q(db);
        empty = q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblMembers WHERE CustomerNumber <> 0) + "
                                      "(SELECT COUNT(*) FROM tblMovies) + (SELECT COUNT(*) FROM tblVideos) + "
                                      "(SELECT COUNT(*) FROM tblRentals) + (SELECT COUNT(*) FROM tblReceipts) + "
                                      "(SELECT COUNT(*) FROM tblInventory)"))
                && q.next() && q.value(0).toLongLong() == 0;
    });
    return empty;
}

QString run(const QString &connection, const QStringList &statements)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    for (const QString &sql : statements)
        if (!q.exec(sql))
            return q.lastError().text();
    return {};
}

// A few holds, so the store shows them: four members waiting for the titles
// most in demand, and a fifth with a tape set aside since yesterday.
QStringList holds()
{
    const QDate today = QDate::currentDate();
    auto day = [&](int offset) { return StoreDate::toText(today.addDays(offset)); };
    const QString members = QStringLiteral("(SELECT ROW_NUMBER() OVER (ORDER BY CustomerNumber) AS n, CustomerNumber "
                                           "FROM tblMembers WHERE Deleted = 0 AND CustomerNumber > 0) c");
    return {QStringLiteral("INSERT INTO tblHolds (HoldID, CustomerNumber, MovieNum, PlacedOn, State) "
                           "SELECT t.n, c.CustomerNumber, t.MovieNum, '%1', 'waiting' FROM "
                           "(SELECT ROW_NUMBER() OVER (ORDER BY COUNT(*) DESC, v.MovieNum) AS n, v.MovieNum "
                           "FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID JOIN tblMovies m ON "
                           "m.MovieNum = v.MovieNum WHERE r.Returned = 0 AND v.ForRent = 1 AND v.Deleted = 0 AND "
                           "m.Deleted = 0 GROUP BY v.MovieNum) t JOIN %2 ON c.n = t.n WHERE t.n <= 4")
                .arg(day(-3), members),
            QStringLiteral("INSERT INTO tblHolds (HoldID, CustomerNumber, MovieNum, PlacedOn, State, VideoID, ReadyOn, "
                           "Until) SELECT 5, c.CustomerNumber, v.MovieNum, '%1', 'ready', v.VideoID, '%2', '%3' FROM "
                           "tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum JOIN %4 ON c.n = 5 WHERE "
                           "v.ForRent = 1 AND v.InStore = 1 AND v.Deleted = 0 AND m.Deleted = 0 AND NOT EXISTS "
                           "(SELECT 1 FROM tblHolds h WHERE h.MovieNum = v.MovieNum) ORDER BY v.VideoID DESC LIMIT 1")
                .arg(day(-5), day(-1), day(2), members)};
}

// Fills the new file at `building`; an empty string or what went wrong.
QString build(const QString &building, const History &history)
{
    const QString name = QStringLiteral("videostore-sample");
    QString error;
    {
        QSqlDatabase db = Database::openConnection(name, building, true, &error);
        if (error.isEmpty())
            error = StoreFile::createSchema(name);
        // The same rows give the same chain on every run.
        if (error.isEmpty())
            error = run(name, {QStringLiteral("UPDATE tblSettings SET Value = '%1' WHERE Name = '%2'")
                                   .arg(QString::fromLatin1(QCryptographicHash::hash("videostore sample store",
                                                                                     QCryptographicHash::Sha256)
                                                                .toHex()),
                                        QLatin1String(Chain::StartSetting))});
        // The starting prices, linked from the start just set.
        if (error.isEmpty())
            error = Chain::linkExisting(db, Schema::Engine::SQLite, {Chain::prices()}).text();
        // The file is built aside and thrown away on failure, so it needs no
        // crash safety until it is finished.
        if (error.isEmpty())
            error = run(name, {QStringLiteral("PRAGMA synchronous=OFF"), QStringLiteral("PRAGMA journal_mode=MEMORY"),
                               QStringLiteral("PRAGMA cache_size=-65536")});
        if (error.isEmpty())
            error = history.writeTo(db);
        if (error.isEmpty())
            error = run(name, holds());
        if (error.isEmpty())
            error = run(name, {QStringLiteral("PRAGMA journal_mode=WAL")});
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (error.isEmpty())
        error = history.writeLedger(building);
    return error;
}

} // namespace

bool write(const QString &path, Size size, bool force, const Counts *fullShapeCounts, Summary *summary,
           QString *error)
{
    QElapsedTimer timer;
    timer.start();
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QString target = QFileInfo(path).absoluteFilePath();
    const QString shown = QDir::toNativeSeparators(target);
    const bool occupied = QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal"))
                          || QFileInfo::exists(target + QStringLiteral("-journal"));
    if (occupied && !force && !holdsNothing(target))
        return fail(QStringLiteral("%1 already exists and was left as it is.").arg(shown));
    if (!StoreFile::makeFolder(QFileInfo(target).absolutePath()))
        return fail(QStringLiteral("The folder of %1 cannot be created.").arg(shown));

    const Shape shape = size == Size::Demo ? demoShape() : fullShape(fullShapeCounts ? *fullShapeCounts : fullCounts());
    const History history(shape);

    StoreFile::Aside building(target + QStringLiteral(".new"));
    if (const int failure = building.claim(StoreLock::RestoreWaitMs)) {
        if (failure == EWOULDBLOCK)
            return fail(QCoreApplication::translate("SampleStore", "Another program is making a store at %1 at this "
                                                                   "moment.")
                            .arg(shown));
        return fail(QCoreApplication::translate("SampleStore", "%1 cannot be written: %2")
                        .arg(QDir::toNativeSeparators(building.path()), QString::fromLocal8Bit(std::strerror(failure))));
    }
    QString why = build(building.path(), history);
    // Replaced only while no program has it open; what a crash left beside
    // it would otherwise be read as part of the new store.
    StoreLock inUse;
    if (why.isEmpty() && occupied) {
        if (inUse.acquire(target, StoreLock::Mode::Exclusive) == StoreLock::Outcome::Busy)
            why = QCoreApplication::translate("SampleStore", "%1 is open in a running Video Store program. Close the "
                                                             "program, then write the sample again.")
                      .arg(shown);
        else if (!force && !holdsNothing(target))
            why = QStringLiteral("%1 already exists and was left as it is.").arg(shown);
        for (const QString &side : sideFiles(target))
            if (why.isEmpty() && !QFile::remove(side) && QFileInfo::exists(side))
                why = QCoreApplication::translate("SampleStore", "%1 cannot be removed.")
                          .arg(QDir::toNativeSeparators(side));
    }
    if (why.isEmpty() && building.place(target, occupied) != 0)
        why = QStringLiteral("The new file could not be moved to %1.").arg(shown);
    if (!why.isEmpty())
        return fail(why);
    if (summary) {
        history.summarise(*summary);
        summary->seconds = double(timer.elapsed()) / 1000.0;
    }
    return true;
}

} // namespace SampleStore
