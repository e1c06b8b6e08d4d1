#include "TestSupport.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString rightCode = QStringLiteral("Popcorn-1987");
const QString grantedPrompt = QStringLiteral("Authorization granted");
const QString sure = QStringLiteral("Are you sure you want to go back to the main menu?");

// Opens the gate as a clerk does, with the main menu's button for `destination`.
frmSecur &openGate(TestStore &store, int destination)
{
    static const char *const buttons[] = {"cmdVidMn",    "cmdInvnt",   "cmdModCust",  "cmdDelCust",  "cmdLstAllMov",
                                          "cmdListSelMov", "cmdCustLst", "cmdCustDate", "cmdAllSales", "cmdSalesDate"};
    store.windows().main().show();
    clickOn(*child<QPushButton>(store.windows().main(), buttons[destination - 1]));
    return store.windows().secur();
}

// Types the code; QTest types only Latin-1 by key, so anything else arrives
// as a key event carrying just its text, as from an input method.
void typeCode(frmSecur &gate, const QString &code)
{
    typeInto(*gate.txtCode, QString());
    for (const QChar c : code) {
        if (c.unicode() <= 0xff)
            QTest::keyClicks(gate.txtCode, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, gate.txtCode, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// What the gate holds: its destination, the caption naming it and the code typed.
QString gateState(const frmSecur &gate)
{
    return QStringLiteral("%1|%2|%3").arg(gate.destination).arg(gate.lblDest->text(), gate.txtCode->text());
}

} // namespace

class tst_frmSecur : public QObject
{
    Q_OBJECT

private slots:
    void texts()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 1);
        QVERIFY(QTest::qWaitForWindowExposed(&gate));
        QCOMPARE(QStringList({gate.windowTitle(), gate.Label1->text(), gate.Label2->text(), gate.cmdSubmit->text(),
                              gate.cmdRMM->text()}),
                 QStringList({"Security authorization",
                              "You have requested a secured feature. Please enter the security authorization code "
                              "to access:",
                              "Authorization Code:", "Submit Authorization", "Return to Main Menu"}));
        QCOMPARE(gate.txtCode->echoMode(), QLineEdit::Password);
        typeCode(gate, QStringLiteral("abc"));
        QCOMPARE(gate.txtCode->displayText(), QStringLiteral("%%%"));
        if (const QString folder = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS"); !folder.isEmpty())
            QVERIFY(QDir().mkpath(folder) && gate.grab().save(QDir(folder).filePath(QStringLiteral("frmSecur.png"))));
    }

    void granted()
    {
        // Each destination's caption and the window it opens; reports come up over the main menu.
        const std::pair<const char *, QStringList> destinations[] = {
            {"Video Management form", {"frmVidMn"}},
            {"Inventory Management Form", {"frmInvent"}},
            {"Customer modification form", {"frmModify"}},
            {"Customer delete form", {"frmDelete"}},
            {"Report listing all movies", {"frmMain", "rptListOfAllMovies"}},
            {"Report listing selected movies", {"frmMovieByType"}},
            {"Report listing all customers", {"frmMain", "rptCustomerList"}},
            {"Report listing customers by Date", {"frmCustomersByDate"}},
            {"Report listing all sales", {"frmMain", "rptSalesReport"}},
            {"Report of rental revenues", {"frmMain", "rptRentalRevenue"}}};
        for (int destination = 1; destination <= 10; ++destination) {
            const auto &[caption, windows] = destinations[destination - 1];
            TestStore store;
            frmSecur &gate = openGate(store, destination);
            QCOMPARE(gateState(gate), QStringLiteral("%1|%2|").arg(destination).arg(QLatin1String(caption)));
            typeCode(gate, rightCode);
            clickOn(*gate.cmdSubmit);
            QCOMPARE(store.ws().prompts(), QStringList{grantedPrompt});
            QVERIFY(store.ws().last().icon == Icon::Information);
            QCOMPARE(store.ws().last().title, QStringLiteral("Security clearance"));
            QCOMPARE(shownWindows(), windows);
            QCOMPARE(gateState(gate), QStringLiteral("0||"));
        }
    }

    void refused()
    {
        for (const QString &code : {rightCode + u' ', QStringLiteral("popcorn-1987"), QStringLiteral("Popcorn-198"),
                                    QString(), QString::fromUtf8("Popcorn-198€"), QString::fromUtf8("€")}) {
            TestStore store;
            frmSecur &gate = openGate(store, 2);
            store.ws().answer(Answer::Cancel);
            typeCode(gate, code);
            QCOMPARE(gate.txtCode->text(), code);
            clickOn(*gate.cmdSubmit);
            QVERIFY2(shownWindows() == QStringList{"frmMain"}, qPrintable(code));
            QCOMPARE(store.ws().prompts(), QStringList{"Authorization failed - retry?"});
            QVERIFY(store.ws().last().icon == Icon::Exclamation && store.ws().last().buttons == Buttons::RetryCancel);
            QCOMPARE(store.ws().last().title, QStringLiteral("Code incorrect"));
            QCOMPARE(gateState(gate), QStringLiteral("0||"));
        }
    }

    void retryThenRightCode()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 4);
        store.ws().answer(Answer::Retry);
        typeCode(gate, QStringLiteral("Popcorn-1988"));
        clickOn(*gate.cmdSubmit);
        QCOMPARE(shownWindows(), QStringList{"frmSecur"});
        QCOMPARE(gateState(gate), QStringLiteral("4|Customer delete form|"));
        typeCode(gate, rightCode);
        clickOn(*gate.cmdSubmit);
        QCOMPARE(store.ws().last().prompt, grantedPrompt);
        QCOMPARE(shownWindows(), QStringList{"frmDelete"});
    }

    void returnToMainMenu()
    {
        for (const bool yes : {true, false}) {
            TestStore store;
            frmSecur &gate = openGate(store, 7);
            typeCode(gate, QStringLiteral("Pop"));
            store.ws().answer(yes ? Answer::Yes : Answer::No);
            clickOn(*gate.cmdRMM);
            QCOMPARE(store.ws().prompts(), QStringList{sure});
            QVERIFY(store.ws().last().icon == Icon::Question && store.ws().last().buttons == Buttons::YesNo);
            QCOMPARE(store.ws().last().title, QStringLiteral("Return to main menu"));
            QCOMPARE(shownWindows(), QStringList{yes ? "frmMain" : "frmSecur"});
            if (!yes)
                QCOMPARE(gateState(gate), QStringLiteral("7|Report listing all customers|Pop"));
        }
    }

    void keysAndAbandonedRequest()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 1);
        store.ws().answer(Answer::Yes);
        QTest::keyClick(gate.txtCode, Qt::Key_Escape); // asks as Return to Main Menu does
        QCOMPARE(store.ws().prompts(), QStringList{sure});
        QCOMPARE(shownWindows(), QStringList{"frmMain"});
        openGate(store, 3); // names the new request, not the abandoned one
        QCOMPARE(gateState(gate), QStringLiteral("3|Customer modification form|"));
        typeCode(gate, rightCode);
        QTest::keyClick(gate.txtCode, Qt::Key_Return);
        QCOMPARE(store.ws().last().prompt, grantedPrompt);
        QCOMPARE(shownWindows(), QStringList{"frmModify"});
    }
};

QTEST_MAIN(tst_frmSecur)
#include "tst_frmSecur.moc"
