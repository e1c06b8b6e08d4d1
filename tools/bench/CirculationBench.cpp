// Tapes out and holds: opening Tapes Out on every open rental, the overdue
// letters, placing a hold and a return that sets a tape aside for one.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "circulation/CirculationStore.h"
#include "circulation/OverdueReports.h"
#include "circulation/frmTapesOut.h"
#include "data/StoreDate.h"
#include "returns/frmReturn.h"
#include "ui/FlexGrid.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QTemporaryDir>

const QString OverdueFloorSql = QStringLiteral(
    "SELECT r.RentalID, r.VideoID, m.Name, r.CustomerNumber, c.LastName, c.FirstName, c.Address, c.City, "
    "c.PostalCode, c.HomePhone, c.CellPhone, r.RentalDate, r.DueDate, r.LateFee FROM tblRentals r "
    "LEFT JOIN tblVideos v ON v.VideoID = r.VideoID LEFT JOIN tblMovies m ON m.MovieNum = v.MovieNum "
    "LEFT JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber WHERE r.Returned = 0 AND r.RentalDate <= ? "
    "AND r.DueDate < ? ORDER BY r.CustomerNumber, r.VideoID, r.RentalID");

namespace {

const QString EveryOpenRental = QStringLiteral(
    "SELECT r.RentalID, r.VideoID, m.Name, r.CustomerNumber, c.LastName, c.FirstName, c.Address, c.City, "
    "c.PostalCode, c.HomePhone, c.CellPhone, r.RentalDate, r.DueDate, r.LateFee FROM tblRentals r "
    "LEFT JOIN tblVideos v ON v.VideoID = r.VideoID LEFT JOIN tblMovies m ON m.MovieNum = v.MovieNum "
    "LEFT JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber WHERE r.Returned = 0 AND r.RentalDate <= ? "
    "ORDER BY r.VideoID, r.RentalID");

void tapesOut(Bench &bench)
{
    const QString today = StoreDate::toText(QDate::currentDate());
    const auto windows = bench.menuShown();
    frmTapesOut &w = windows->tapesOut();
    w.show();
    QCoreApplication::processEvents();
    auto every = [&] {
        w.chkOverdue->setChecked(false);
        QCoreApplication::processEvents();
    };
    const double t = measure(bench.runs(), [&] { w.chkOverdue->setChecked(true); }, every);
    const double floor = measure(bench.runs(), {}, [&] { bench.floor().run(EveryOpenRental, {today}); });
    bench.add(QStringLiteral("Tapes Out: every open rental (%1)").arg(w.grdTapes->model()->rowCount() - 1), t, floor,
              150);
    w.hide();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("letters.pdf"));
    int letters = 0;
    const double written = measure(std::min(bench.runs(), 5), {}, [&] {
        QString error;
        if (!OverdueLetters::writePdf(bench.path(), QDate::currentDate(), pdf, OutputFile::Existing::Replace, &error,
                                      &letters))
            qFatal("%s", qPrintable(error));
    });
    const double read = measure(bench.runs(), {}, [&] { bench.floor().run(OverdueFloorSql, {today, today}); });
    // A whole file, a page a member: the target of a whole report as PDF.
    bench.add(QStringLiteral("overdue letters: the PDF (%1 letters)").arg(letters), written, read, 60000);
}

// Holds on titles with a copy for rent, placed by random members.
void holds(Bench &bench)
{
    Floor &f = bench.floor();
    QList<QVariant> titles = f.column(QStringLiteral(
        "SELECT DISTINCT v.MovieNum FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE v.ForRent = 1 "
        "AND v.Deleted = 0 AND m.Deleted = 0 ORDER BY v.MovieNum"));
    CirculationStore store(bench.path());
    const QDate today = QDate::currentDate();
    QVariant member, title;
    auto choose = [&] {
        member = bench.pick(bench.members);
        title = bench.take(titles);
    };
    const double t = measure(bench.runs() * 2, choose, [&] {
        if (!store.placeHold(member.toInt(), title.toInt(), today))
            qFatal("%s", qPrintable(store.lastError().clerkText()));
    });
    const double floor = measure(bench.runs() * 2, choose, [&] {
        f.begin();
        f.run(QStringLiteral("SELECT Deleted FROM tblMembers WHERE CustomerNumber = ?"), {member});
        f.run(QStringLiteral("SELECT m.Name, m.Deleted, (SELECT COUNT(*) FROM tblVideos v WHERE v.MovieNum = "
                             "m.MovieNum AND v.ForRent = 1 AND v.Deleted = 0) FROM tblMovies m WHERE m.MovieNum = ?"),
              {title});
        const int id = f.column(QStringLiteral("SELECT COALESCE(MAX(HoldID), 0) + 1 FROM tblHolds")).value(0).toInt();
        f.run(QStringLiteral("INSERT INTO tblHolds (HoldID, CustomerNumber, MovieNum, PlacedOn, State) "
                             "VALUES (?, ?, ?, ?, 'waiting')"),
              {id, member, title, StoreDate::toText(today)});
        f.commit();
    });
    bench.add(QStringLiteral("holds: place a hold"), t, floor, 150);

    // A tape out on one rental whose title now has a waiting hold.
    QList<QVariant> out = f.column(QStringLiteral(
        "SELECT r.VideoID FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID "
        "JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber WHERE r.Returned = 0 AND v.Deleted = 0 "
        "AND v.ForRent = 1 GROUP BY r.VideoID HAVING COUNT(*) = 1 ORDER BY random()"));
    WindowRegistry windows(bench.path(), bench.ws());
    frmReturn &w = windows.returns();
    w.show();
    QCoreApplication::processEvents();
    QVariant tape;
    auto held = [&] {
        tape = bench.take(out);
        const QVariant movie =
            f.column(QStringLiteral("SELECT MovieNum FROM tblVideos WHERE VideoID = ?"), {tape}).value(0);
        const QVariant due =
            f.column(QStringLiteral("SELECT DueDate FROM tblRentals WHERE VideoID = ? AND Returned = 0"), {tape}).value(0);
        if (f.column(QStringLiteral("SELECT COUNT(*) FROM tblHolds WHERE MovieNum = ? AND State = 'waiting'"), {movie})
                .value(0)
                .toInt()
            == 0)
            store.placeHold(bench.pick(bench.members).toInt(), movie.toInt(), today);
        w.txtVid->setText(tape.toString());
        w.txtDate->setText(due.toString());
        bench.ws().clear();
    };
    const double back = measure(bench.runs(), held, [&] { w.cmdReturn_Click(); }, [&] {
        if (!bench.ws().last().prompt.startsWith(QStringLiteral("Put tape")))
            qFatal("the tape was not set aside: %s", qPrintable(bench.ws().last().prompt));
    });
    const double backFloor = measure(bench.runs(), held, [&] {
        f.begin();
        f.run(QStringLiteral("SELECT r.DueDate, r.LateFee FROM tblRentals r WHERE r.VideoID = ? AND r.Returned = 0"),
              {tape});
        f.run(QStringLiteral("UPDATE tblRentals SET Returned = 1 WHERE VideoID = ? AND Returned = 0"), {tape});
        f.run(QStringLiteral("UPDATE tblVideos SET InStore = 1 WHERE VideoID = ?"), {tape});
        const QVariant hold = f.column(QStringLiteral("SELECT MIN(h.HoldID) FROM tblHolds h JOIN tblVideos v ON "
                                                      "v.MovieNum = h.MovieNum WHERE v.VideoID = ? AND "
                                                      "h.State = 'waiting'"),
                                       {tape})
                                  .value(0);
        f.run(QStringLiteral("UPDATE tblHolds SET State = 'ready', VideoID = ?, ReadyOn = ?, Until = ? "
                             "WHERE HoldID = ? AND State = 'waiting'"),
              {tape, StoreDate::toText(today), StoreDate::toText(today.addDays(3)), hold});
        f.commit();
    });
    bench.add(QStringLiteral("returns: one tape that fills a hold"), back, backFloor, 150);
}

} // namespace

void benchCirculation(Bench &bench)
{
    tapesOut(bench);
    holds(bench);
}
