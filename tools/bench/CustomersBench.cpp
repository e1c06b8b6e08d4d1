// Customer management: opening the three windows, adding a member, the
// member lookup, saving a change and retiring a member.
#include "Bench.h"

#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "customers/frmDelete.h"
#include "customers/frmModify.h"
#include "customers/frmadd.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

const QString MemberSql = QStringLiteral(
    "SELECT CustomerNumber, LastName, FirstName, Address, City, PostalCode, HomePhone, CellPhone, BusPhone, "
    "DriverLicence, OtherNames1, OtherNames2, OtherNames3, Deleted, FeesOwing FROM tblMembers WHERE %1 = ? "
    "ORDER BY CustomerNumber");

void addCustomer(Bench &bench)
{
    const double openFloor = measure(bench.runs(), {}, [&] {
        Database db(bench.path());
        db.scalar(QStringLiteral("count"), QStringLiteral("SELECT COUNT(*) FROM tblMembers"));
    });
    bench.add(QStringLiteral("open Add Customer (counts the members)"),
              bench.firstOpening([](WindowRegistry &w) { w.main().cmdAddCust->click(); }), openFloor, 150);

    WindowRegistry windows(bench.path(), bench.ws());
    auto &w = static_cast<frmadd &>(windows.addCustomer());
    w.show();
    QCoreApplication::processEvents();
    auto details = [&] {
        w.cmdClearAll_Click();
        w.txtLast->setText(QStringLiteral("Bench"));
        w.txtFirst->setText(QStringLiteral("Mark"));
        w.txtHphone->setText(QStringLiteral("555-0000"));
    };
    const double add = measure(bench.runs() * 5, details, [&] { w.cmdAdd_Click(); }, [&] {
        if (w.cmdAdd->isEnabled())
            qFatal("the member was not added: %s", qPrintable(bench.ws().prompts().join(u" | ")));
    });
    qint32 next = bench.floor().column(QStringLiteral("SELECT MAX(CustomerNumber) FROM tblMembers")).value(0).toInt();
    const double addFloor = measure(bench.runs() * 5, {}, [&] {
        bench.floor().run(QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName, FirstName, Address, City, "
                                         "PostalCode, HomePhone, CellPhone, BusPhone, DriverLicence, OtherNames1, "
                                         "OtherNames2, OtherNames3) VALUES (?, 'Bench', 'Floor', '', '', '', "
                                         "'555-0000', 'N/A', 'N/A', '', 'N/A', 'N/A', 'N/A')"),
                          {++next});
    });
    bench.add(QStringLiteral("customers: add a member"), add, addFloor, 16);
}

void modifyCustomer(Bench &bench)
{
    const double openFloor = bench.openStoreFloor();
    bench.add(QStringLiteral("open Modify Customer"),
              bench.firstOpening([](WindowRegistry &w) { w.modify().show(); }), openFloor, 150);

    WindowRegistry windows(bench.path(), bench.ws());
    auto &w = static_cast<frmModify &>(windows.modify());
    w.show();
    QCoreApplication::processEvents();

    struct Key { const char *name; const char *column; QLineEdit *box; };
    for (const Key &key : {Key{"member ID", "CustomerNumber", w.txtMemb}, Key{"home phone", "HomePhone", w.txtHphone},
                           Key{"licence", "DriverLicence", w.txtDLNum}}) {
        QVariant value;
        auto setup = [&] {
            const QVariant member = bench.pick(bench.members);
            value = bench.floor()
                        .column(QStringLiteral("SELECT %1 FROM tblMembers WHERE CustomerNumber = ?")
                                    .arg(QLatin1String(key.column)),
                                {member})
                        .value(0);
            key.box->setText(value.toString());
        };
        const double t = measure(bench.runs() * 5, setup, [&] { w.DisplayMember(); });
        const double floor = measure(bench.runs() * 5, setup, [&] {
            bench.floor().run(MemberSql.arg(QLatin1String(key.column)), {value});
        });
        bench.add(QStringLiteral("customers: look a member up by %1").arg(QLatin1String(key.name)), t, floor, 16);
    }

    // Saves the details as shown, so the store keeps its contents.
    QVariant member;
    auto show = [&] {
        member = bench.pick(bench.members);
        w.txtMemb->setText(member.toString());
        w.DisplayMember();
    };
    const double save = measure(bench.runs() * 5, show, [&] { w.cmdModify_Click(); });
    const double saveFloor = measure(bench.runs() * 5, show, [&] {
        bench.floor().run(QStringLiteral("UPDATE tblMembers SET LastName = ?, FirstName = ?, Address = ?, City = ?, "
                                         "PostalCode = ?, HomePhone = ?, CellPhone = ?, BusPhone = ?, "
                                         "DriverLicence = ?, OtherNames1 = ?, OtherNames2 = ?, OtherNames3 = ? "
                                         "WHERE CustomerNumber = ?"),
                          {w.txtLast->text(), w.txtFirst->text(), w.txtAddr->text(), w.txtCity->text(),
                           w.txtPostal->text(), w.txtHphone->text(), w.txtCell->text(), w.txtBPhone->text(),
                           w.txtDLNum->text(), w.txtOther1->text(), w.txtOther2->text(), w.txtOther3->text(),
                           member});
    });
    bench.add(QStringLiteral("customers: save a change"), save, saveFloor, 16);
}

void deleteCustomer(Bench &bench)
{
    const double openFloor = bench.openStoreFloor();
    bench.add(QStringLiteral("open Delete Customer"),
              bench.firstOpening([](WindowRegistry &w) { w.deleteCustomer().show(); }), openFloor, 150);

    // Members who owe nothing and have no tapes out, apart from the pool the
    // other sections use.
    QList<QVariant> clear = bench.floor().column(QStringLiteral(
        "SELECT CustomerNumber FROM tblMembers c WHERE Deleted = 0 AND FeesOwing <= 0 AND CustomerNumber > 0 "
        "AND NOT EXISTS (SELECT 1 FROM tblRentals r WHERE r.CustomerNumber = c.CustomerNumber AND r.Returned = 0) "
        "ORDER BY random() LIMIT 1000"));
    clear.removeIf([&](const QVariant &m) { return bench.members.contains(m); });
    if (clear.size() < bench.runs() * 10)
        qFatal("too few members owing nothing to retire; use fewer runs");

    WindowRegistry windows(bench.path(), bench.ws());
    auto &w = static_cast<frmDelete &>(windows.deleteCustomer());
    w.show();
    QCoreApplication::processEvents();
    auto show = [&] {
        w.txtMemb->setText(bench.take(clear).toString());
        w.DisplayMember();
    };
    const double retire = measure(bench.runs() * 5, show, [&] { w.cmdDelete_Click(); }, [&] {
        if (w.cmdDelete->isEnabled())
            qFatal("the member was not retired: %s", qPrintable(bench.ws().prompts().join(u" | ")));
    });
    const double retireFloor = measure(bench.runs() * 5, {}, [&] {
        const QVariant member = bench.take(clear);
        bench.floor().begin();
        bench.floor().run(QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE CustomerNumber = ? AND Returned = 0"),
                          {member});
        bench.floor().run(QStringLiteral("UPDATE tblMembers SET Deleted = 1 WHERE CustomerNumber = ? "
                                         "AND FeesOwing <= 0"),
                          {member});
        bench.floor().commit();
    });
    bench.add(QStringLiteral("customers: retire a member"), retire, retireFloor, 16);
}

} // namespace

void benchCustomers(Bench &bench)
{
    addCustomer(bench);
    modifyCustomer(bench);
    deleteCustomer(bench);
}
