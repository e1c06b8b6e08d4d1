// Returns and late fees: opening the two windows, taking tapes back by
// number and from the member's list, looking a member up and a payment.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "data/Database.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"

#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QPushButton>
#include <QSqlQuery>

#include <memory>

namespace {

// What closing a tape's rentals reads first: due date first.
const QString OpenRentals = QStringLiteral(
    "SELECT r.DueDate, r.RentalDate, r.LateFee, c.CustomerNumber, m.MovieNum FROM tblRentals r "
    "JOIN tblVideos v ON v.VideoID = r.VideoID JOIN tblMovies m ON m.MovieNum = v.MovieNum "
    "JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber WHERE r.VideoID = ? AND r.Returned = 0");

void openWindows(Bench &bench)
{
    // Both windows reopen the store at every visit.
    const double floor = bench.openStoreFloor();
    for (const bool returns : {true, false}) {
        const QString name = returns ? QStringLiteral("open Returns") : QStringLiteral("open Payments");
        auto button = [returns](WindowRegistry &w) { return returns ? w.main().cmdReturns : w.main().cmdPayments; };
        bench.add(name + QStringLiteral(" (first time)"),
                  bench.firstOpening([&](WindowRegistry &w) { button(w)->click(); }), floor, 16);
        const auto windows = bench.menuShown();
        auto open = [&] {
            button(*windows)->click();
            QCoreApplication::processEvents();
        };
        open();
        auto back = [&] {
            (returns ? static_cast<QWidget &>(windows->returns()) : windows->payment()).hide();
            windows->main().show();
            QCoreApplication::processEvents();
        };
        bench.add(name + QStringLiteral(" (again)"), measure(bench.runs(), back, open), floor, 16);
    }
}

// One tape's return as bare statements: the lookup, the writes in one
// transaction, the member's tapes still out.
void returnSql(Bench &bench, const QVariant &tape, QDate returned, bool listTapes)
{
    Floor &f = bench.floor();
    const QVariant member = f.column(QStringLiteral("SELECT r.CustomerNumber FROM tblRentals r JOIN tblVideos v ON "
                                                    "v.VideoID = r.VideoID WHERE r.Returned = 0 AND v.VideoID = ? "
                                                    "ORDER BY r.RentalID LIMIT 1"),
                                     {tape})
                                .value(0);
    f.begin();
    QSqlQuery open(f.database());
    open.prepare(OpenRentals);
    open.addBindValue(tape);
    if (!open.exec() || !open.next())
        qFatal("the tape is not out");
    const QDate due = QDate::fromString(open.value(0).toString(), Qt::ISODate);
    const qint64 lateFee = open.value(2).toLongLong();
    open = QSqlQuery();
    f.run(QStringLiteral("UPDATE tblRentals SET Returned = 1 WHERE VideoID = ? AND Returned = 0"), {tape});
    f.run(QStringLiteral("UPDATE tblVideos SET InStore = 1 WHERE VideoID = ?"), {tape});
    if (due < returned) {
        f.run(QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing + ? WHERE CustomerNumber = ?"),
              {lateFee * due.daysTo(returned), member});
        ledgerEntrySql(f, "fee", member, lateFee * due.daysTo(returned));
    }
    f.commit();
    if (listTapes)
        f.run(QStringLiteral("SELECT DISTINCT r.VideoID, m.Name FROM tblRentals r JOIN tblVideos v ON v.VideoID = "
                             "r.VideoID JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE r.Returned = 0 AND "
                             "r.CustomerNumber = ? ORDER BY r.VideoID"),
              {member});
}

void returnsByNumber(Bench &bench, frmReturn &w)
{
    // Tapes out on one open rental each, in the order they are used up.
    QList<QVariant> out = bench.floor().column(QStringLiteral(
        "SELECT r.VideoID FROM tblRentals r JOIN tblVideos v ON v.VideoID = r.VideoID "
        "JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber WHERE r.Returned = 0 AND v.Deleted = 0 "
        "GROUP BY r.VideoID HAVING COUNT(*) = 1 ORDER BY random()"));
    for (const int lateDays : {0, 5}) {
        QVariant tape;
        QDate returned;
        auto choose = [&] {
            tape = bench.take(out);
            const QDate due = QDate::fromString(
                bench.floor().column(QStringLiteral("SELECT DueDate FROM tblRentals WHERE VideoID = ? AND Returned = 0"),
                                     {tape})
                    .value(0)
                    .toString(),
                Qt::ISODate);
            returned = due.addDays(lateDays);
            w.txtVid->setText(tape.toString());
            w.txtDate->setText(StoreDate::toText(returned));
            bench.ws().clear();
        };
        const double t = measure(bench.runs() * 2, choose, [&] { w.cmdReturn_Click(); }, [&] {
            // First the return; a tape set aside for a hold is told after it.
            if (bench.ws().boxes().isEmpty()
                || !bench.ws().boxes().constFirst().title.startsWith(QStringLiteral("Video returned")))
                qFatal("the return did not go through: %s", qPrintable(bench.ws().last().prompt));
        });
        const double floor = measure(bench.runs() * 2, choose, [&] { returnSql(bench, tape, returned, true); });
        bench.add(lateDays ? QStringLiteral("returns: one tape by number, overdue")
                           : QStringLiteral("returns: one tape by number, on time"),
                  t, floor, 16);
    }
}

// Five tapes rented to one member two days overdue, as the list shows them.
QList<QVariant> rentFive(Bench &bench, QDate today, QVariant &member)
{
    Floor &f = bench.floor();
    member = bench.pick(bench.members);
    const int rentalId = f.column(QStringLiteral("SELECT MAX(RentalID) FROM tblRentals")).value(0).toInt() + 1;
    QList<QVariant> tapes;
    // Charged as a regular title.
    const Rates &rates = Pricing::starting();
    const PriceClass &c = rates.classes[1];
    for (int i = 0; i < 5; ++i) {
        tapes << bench.take(bench.rentable);
        f.run(QStringLiteral("INSERT INTO tblRentals (RentalID, VideoID, CustomerNumber, RentalDate, DueDate, "
                             "Returned, RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, PST) "
                             "VALUES (?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?)"),
              {rentalId, tapes.last(), member, StoreDate::toText(today.addDays(-6)),
               StoreDate::toText(today.addDays(-2)), c.fee.units(), c.days, c.lateFee.units(), rates.taxes[0].rate,
               rates.taxes[1].rate, rates.taxes[0].on(c.fee).units(), rates.taxes[1].on(c.fee).units()});
        f.run(QStringLiteral("UPDATE tblVideos SET InStore = 0 WHERE VideoID = ?"), {tapes.last()});
    }
    return tapes;
}

void returnsFromList(Bench &bench, frmReturn &w)
{
    const QDate today = QDate::currentDate();
    QList<QVariant> tapes;
    QVariant member;
    auto fillList = [&] {
        tapes = rentFive(bench, today, member);
        w.txtVid->clear();
        w.txtDate->setText(StoreDate::toText(today));
        w.List1->clear();
        for (const QVariant &tape : tapes) {
            w.List1->addItem(tape.toString() + QStringLiteral("\tTitle"));
            w.List1->item(w.List1->count() - 1)->setSelected(true);
        }
        bench.ws().clear();
    };
    const double t = measure(bench.runs(), fillList, [&] { w.cmdReturn_Click(); }, [&] {
        // A line for each tape comes first, then the sum of the five.
        if (w.List1->count() != 0
            || bench.ws().prompts().filter(QRegularExpression(QStringLiteral("^5 videos have been returned"))).isEmpty())
            qFatal("the returns did not go through: %s", qPrintable(bench.ws().last().prompt));
    });
    const double floor = measure(bench.runs(), [&] { tapes = rentFive(bench, today, member); }, [&] {
        Floor &f = bench.floor();
        f.begin();
        for (const QVariant &tape : tapes) {
            f.run(OpenRentals, {tape});
            f.run(QStringLiteral("UPDATE tblRentals SET Returned = 1 WHERE VideoID = ? AND Returned = 0"), {tape});
            f.run(QStringLiteral("UPDATE tblVideos SET InStore = 1 WHERE VideoID = ?"), {tape});
            const qint64 fee = (Pricing::starting().classes[1].lateFee * 2).units();
            f.run(QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing + ? WHERE CustomerNumber = ?"),
                  {fee, member});
            ledgerEntrySql(f, "fee", member, fee);
        }
        f.commit();
    });
    bench.add(QStringLiteral("returns: five tapes selected from the list"), t, floor, 16);
}

void payments(Bench &bench, frmPayment &w)
{
    QVariant member;
    auto choose = [&] {
        member = bench.pick(bench.members);
        w.txtNum->setText(member.toString());
    };
    const QString memberSql = QStringLiteral("SELECT CustomerNumber, FirstName, LastName, FeesOwing, Deleted "
                                             "FROM tblMembers WHERE CustomerNumber = ?");
    bench.add(QStringLiteral("payments: look a member up"),
              measure(bench.runs() * 5, choose, [&] { w.cmdEnter_Click(); }),
              measure(bench.runs() * 5, choose, [&] { bench.floor().run(memberSql, {member}); }), 16);

    auto lookedUp = [&] {
        choose();
        w.cmdEnter_Click();
        bench.ws().clear();
        bench.ws().type(QStringLiteral("1.50"));
        bench.ws().answer(Answer::Yes); // take it
    };
    const double t = measure(bench.runs() * 5, lookedUp, [&] { w.cmdPayPart_Click(); }, [&] {
        if (!bench.ws().last().prompt.startsWith(QStringLiteral("Payment made of $1.50")))
            qFatal("the payment did not go through: %s", qPrintable(bench.ws().last().prompt));
    });
    const double floor = measure(bench.runs() * 5, choose, [&] {
        Floor &f = bench.floor();
        f.begin();
        f.run(QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing - 15000 WHERE CustomerNumber = ?"), {member});
        ledgerEntrySql(f, "payment", member, 15000);
        f.run(QStringLiteral("SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = ?"), {member});
        f.commit();
    });
    bench.add(QStringLiteral("payments: a partial payment"), t, floor, 16);
}

} // namespace

void benchReturns(Bench &bench)
{
    openWindows(bench);
    WindowRegistry windows(bench.path(), bench.ws());
    frmReturn &returns = windows.returns();
    returns.show();
    QCoreApplication::processEvents();
    returnsByNumber(bench, returns);
    returnsFromList(bench, returns);
    frmPayment &payment = windows.payment();
    payment.show();
    QCoreApplication::processEvents();
    payments(bench, payment);
}
