#include "TestSupport.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "stock/frmInvent.h"
#include "reports/ReportCommandLine.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <optional>

namespace {

const QString rightCode = QStringLiteral("Popcorn-1987");
const QString grantedPrompt = QStringLiteral("Authorization granted");
const QString failedPrompt = QStringLiteral("Authorization failed - retry?");
const QString sure = QStringLiteral("Are you sure you want to return to the main menu?");
const QString defaultNotice =
    QStringLiteral("This store still opens with the default manager code, which is printed in the program's "
                   "instructions.\r\nGive the store its own code: \"Change manager code...\" in the main menu's "
                   "Manager menu, or videostore --set-manager-code.");

// Opens the gate as a clerk does, with the main menu's button for `destination`.
frmSecur &openGate(TestStore &store, int destination)
{
    static const char *const buttons[] = {"cmdVidMn",    "cmdInvnt",   "cmdModCust",  "cmdDelCust",  "cmdLstAllMov",
                                          "cmdListSelMov", "cmdCustLst", "cmdCustDate", "cmdAllSales", "cmdSalesDate"};
    store.windows().main().show();
    if (destination == DestManagerCode)
        store.windows().main().mnuCode->trigger();
    else
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

// Types the code and submits it.
void submit(frmSecur &gate, const QString &code)
{
    typeCode(gate, code);
    clickOn(*gate.cmdSubmit);
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
            submit(gate, rightCode);
            QCOMPARE(store.ws().prompts(), QStringList({grantedPrompt, defaultNotice}));
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
            QCOMPARE(gate.txtCode->displayText(), QString(code.size(), u'%'));
            keepScreenshot(gate, QStringLiteral("frmSecur.png"));
            clickOn(*gate.cmdSubmit);
            QVERIFY2(shownWindows() == QStringList{"frmMain"}, qPrintable(code));
            QCOMPARE(store.ws().prompts(), QStringList{failedPrompt});
            QCOMPARE(gateState(gate), QStringLiteral("0||"));
        }
    }

    // No and Retry keep the request, Esc asks as Return to Main Menu does, and
    // the default-code notice comes once, without waiting.
    void retryReturnAndNoticeOnce()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 7);
        typeCode(gate, QStringLiteral("Pop"));
        store.ws().answer(Answer::No);
        clickOn(*gate.cmdRMM);
        QVERIFY(store.ws().last().buttons == Buttons::YesNo);
        QCOMPARE(shownWindows(), QStringList{"frmSecur"});
        QCOMPARE(gateState(gate), QStringLiteral("7|Report listing all customers|Pop"));
        store.ws().answer(Answer::Yes);
        QTest::keyClick(gate.txtCode, Qt::Key_Escape);
        QCOMPARE(shownWindows(), QStringList{"frmMain"});
        openGate(store, 4); // names the new request, not the abandoned one
        store.ws().answer(Answer::Retry);
        submit(gate, QStringLiteral("Popcorn-1988"));
        QCOMPARE(shownWindows(), QStringList{"frmSecur"});
        QCOMPARE(gateState(gate), QStringLiteral("4|Customer delete form|"));
        typeCode(gate, rightCode);
        QTest::keyClick(gate.txtCode, Qt::Key_Return);
        QCOMPARE(store.ws().prompts(), QStringList({sure, sure, failedPrompt, grantedPrompt, defaultNotice}));
        QCOMPARE(shownWindows(), QStringList{"frmDelete"});
        QVERIFY(store.ws().last().nonBlocking && !store.ws().boxes().at(3).nonBlocking);
        store.ws().clear();
        openGate(store, 2);
        submit(gate, rightCode);
        QCOMPARE(store.ws().prompts(), QStringList{grantedPrompt});
    }

    void ownCodeSetThroughTheMenuReplacesTheDefault()
    {
        TestStore store;
        frmSecur &gate = store.windows().secur();
        const QString askNew = QStringLiteral("Type the store's new manager code (at least 8 characters; capitals count):");
        const QString newCode = QStringLiteral("Tape-Rewind-42");
        // A refusal leaves the store without a code of its own (the rules
        // for a code are tried out on the command line); typed text is hidden.
        const std::pair<QStringList, QString> tries[] = {
            {{newCode, QStringLiteral("Tape-rewind-42")},
             QStringLiteral("The two codes differ.\r\nThe manager code was not changed.")},
            {{QString()}, {}}, // cancelled
            {{newCode, newCode},
             QStringLiteral("The manager code has been changed. From now on only the new code opens the manager's "
                            "windows.")}};
        for (const auto &[typed, outcome] : tries) {
            store.ws().clear();
            for (const QString &t : typed)
                store.ws().type(t);
            submit(openGate(store, DestManagerCode), rightCode);
            QStringList told = {grantedPrompt, askNew};
            if (typed.size() == 2)
                told << QStringLiteral("Type the new manager code again:") << outcome;
            QCOMPARE(store.ws().prompts(), told);
            QVERIFY(store.ws().boxes().at(1).hidden);
            QCOMPARE(store.count(QStringLiteral("tblSettings"), QStringLiteral("Name = 'ManagerCode'")),
                     typed.value(1) == newCode ? 1 : 0);
            QCOMPARE(shownWindows(), QStringList{"frmMain"});
        }
        // Only a salted one-way hash is kept; the change is logged.
        const QString kept = store.value(QStringLiteral("SELECT Value FROM tblSettings WHERE Name = 'ManagerCode'")).toString();
        QVERIFY2(kept.startsWith(QStringLiteral("$argon2id$")) && !kept.contains(newCode), qPrintable(kept));
        QCOMPARE(store.count(QStringLiteral("tblGateLog"), QStringLiteral("Destination = 11 AND Outcome = 'code changed'")), 1);

        // The default no longer opens anything, nor does the code with a blank after it.
        for (const QString &code : {rightCode, newCode + u' '}) {
            store.ws().clear();
            store.ws().answer(Answer::Cancel);
            submit(openGate(store, 1), code);
            QCOMPARE(store.ws().prompts(), QStringList{failedPrompt});
        }

        // Another run of the program on the same store takes the new code, and says nothing of the default.
        WindowRegistry again(store.path(), store.ws());
        again.main().show();
        clickOn(*again.main().cmdInvnt);
        store.ws().clear();
        submit(again.secur(), newCode);
        QCOMPARE(store.ws().prompts(), QStringList{grantedPrompt});
        QVERIFY(again.invent().isVisible() && !again.secur().isVisible());
    }

    void wrongCodesWaitLongerAndEveryTryIsLogged()
    {
        TestStore store;
        const QDateTime start(QDate(2026, 3, 1), QTime(9, 0));
        QDateTime clock = start;
        store.windows().secur().setClock([&clock] { return clock; });
        QCOMPARE(frmSecur::waitAfter(7), 32);
        QCOMPARE(frmSecur::waitAfter(9), 60);

        frmSecur &gate = openGate(store, 2);
        auto attempt = [&](const QString &code, std::optional<Answer> answer = std::nullopt) {
            if (answer)
                store.ws().answer(*answer);
            submit(gate, code);
            return store.ws().last().prompt;
        };
        const QString waitFor = QStringLiteral("\r\nAfter %1 wrong codes in a row, the next try must wait %2.");
        const QString tooSoon = QStringLiteral("Too many wrong codes in a row. Wait %1 more before the next try.");
        // Typed text that would do harm if it reached the store as SQL.
        const QString hostile = QStringLiteral("x'); DROP TABLE tblGateLog; --");
        QCOMPARE(attempt(QStringLiteral("Wrong-one"), Answer::Retry), failedPrompt);
        QCOMPARE(attempt(hostile, Answer::Retry), failedPrompt);
        QCOMPARE(attempt(QStringLiteral("Wrong-three"), Answer::Retry),
                 failedPrompt + waitFor.arg(3).arg(QStringLiteral("2 seconds")));
        // Too soon, even the right code is not looked at.
        QCOMPARE(attempt(rightCode), tooSoon.arg(QStringLiteral("2 seconds")));
        QCOMPARE(gateState(gate), QStringLiteral("2|Inventory Management Form|"));
        clock = clock.addMSecs(1500);
        {
            // The program started again counts the same wrong codes.
            WindowRegistry again(store.path(), store.ws());
            again.secur().setClock([&clock] { return clock; });
            again.main().show();
            clickOn(*again.main().cmdInvnt);
            submit(again.secur(), rightCode);
            QCOMPARE(store.ws().last().prompt, tooSoon.arg(QStringLiteral("1 second")));
        }
        clock = clock.addMSecs(500);
        QCOMPARE(attempt(QStringLiteral("Wrong-four"), Answer::Retry),
                 failedPrompt + waitFor.arg(4).arg(QStringLiteral("4 seconds")));
        // A clock put back an hour does not make the wait any longer.
        clock = clock.addSecs(-3600);
        QCOMPARE(attempt(rightCode), tooSoon.arg(QStringLiteral("4 seconds")));
        clock = start.addSecs(6);
        QCOMPARE(attempt(rightCode), defaultNotice);
        QCOMPARE(shownWindows(), QStringList{"frmInvent"});
        // A granted code starts the count again.
        openGate(store, 3);
        QCOMPARE(attempt(QStringLiteral("Wrong-five"), Answer::Cancel), failedPrompt);

        // Each try once, with its time and destination; what was typed is nowhere.
        QCOMPARE(store.rows(QStringLiteral("SELECT TriedAt, Destination, Outcome FROM tblGateLog ORDER BY TryNumber")),
                 QStringLiteral("2026-03-01 09:00:00|2|refused,2026-03-01 09:00:00|2|refused,2026-03-01 09:00:00|2|refused,"
                                "2026-03-01 09:00:00|2|too soon,2026-03-01 09:00:01|2|too soon,2026-03-01 09:00:02|2|refused,"
                                "2026-03-01 08:00:02|2|too soon,2026-03-01 09:00:06|2|granted,2026-03-01 09:00:06|3|refused"));
        QCOMPARE(store.count(QStringLiteral("tblGateLog"), QStringLiteral("TriedAt || Outcome || Workstation LIKE "
                                                                          "'%DROP%' OR TriedAt LIKE '%Wrong%'")),
                 0);

        // The command line lists them for the manager.
        const QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("gate.csv"));
        QString said, why;
        QTextStream out(&said), err(&why);
        QCOMPARE(runReportCommand({store.path(), QStringLiteral("gate-log"), {}, csv, {}, {}, {}}, out, err), 0);
        QCOMPARE(said, QStringLiteral("Gate Log: 9 rows written to %1; no wait is in force at the gate\n").arg(csv));
        const QList<QStringList> rows = readCsv(csv);
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows.at(8), QStringList({"8", "2026-03-01 09:00:06", "Inventory Management Form", "granted",
                                          QSysInfo::machineHostName()}));
    }

    void aCodeGoneAfterAChangeOpensNothing_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("every setting deleted") << QStringLiteral("DELETE FROM tblSettings");
        QTest::newRow("code emptied") << QStringLiteral("UPDATE tblSettings SET Value = '' WHERE Name = 'ManagerCode'");
        QTest::newRow("code unreadable")
            << QStringLiteral("UPDATE tblSettings SET Value = 'Popcorn-1987' WHERE Name = 'ManagerCode'");
    }
    void aCodeGoneAfterAChangeOpensNothing()
    {
        QFETCH(QString, sql);
        TestStore store;
        // The store was given a code of its own, then its row was tampered with.
        QVERIFY(GateStore(store.path()).record(QDateTime::currentDateTime(), 0, GateOutcome::CodeChanged));
        store.exec(QStringLiteral("INSERT INTO tblSettings (Name, Value) VALUES ('ManagerCode', '$argon2id$x')"));
        store.exec(sql);
        frmSecur &gate = openGate(store, 1);
        submit(gate, rightCode);
        QCOMPARE(store.ws().prompts(), QStringList{"This store has no manager code the gate can check, so it opens "
                                                   "nothing: set one with videostore --set-manager-code."});
        QCOMPARE(shownWindows(), QStringList{"frmSecur"});
    }

    void aTryThatCannotBeRecordedOpensNothing()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 1);
        store.refuseInserts(QStringLiteral("tblGateLog"), QStringLiteral("disk I/O error"));
        submit(gate, rightCode);
        QVERIFY2(store.ws().last().prompt.startsWith(
                     QStringLiteral("The store database could not record the try at the security gate.")),
                 qPrintable(store.ws().last().prompt));
        QCOMPARE(shownWindows(), QStringList{"frmSecur"});
        QCOMPARE(gateState(gate), QStringLiteral("1|Video Management form|"));
    }
};

QTEST_MAIN(tst_frmSecur)
#include "tst_frmSecur.moc"
