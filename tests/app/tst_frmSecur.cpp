#include "TestSupport.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

const QString rightCode = QStringLiteral("Popcorn-1987");

// Opens the gate as a clerk does, with the main menu's button for `destination`.
frmSecur &openGate(TestStore &store, int destination)
{
    static const char *const buttons[] = {"cmdVidMn",    "cmdInvnt",   "cmdModCust",  "cmdDelCust",  "cmdLstAllMov",
                                          "cmdListSelMov", "cmdCustLst", "cmdCustDate", "cmdAllSales", "cmdSalesDate"};
    frmMain &menu = store.windows().main();
    menu.show();
    clickOn(*child<QPushButton>(menu, buttons[destination - 1]));
    return store.windows().secur();
}

// QTest types only Latin-1 by key; anything else arrives as a key event
// carrying just its text, as from an input method.
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

void submit(frmSecur &gate, const QString &code)
{
    typeCode(gate, code);
    clickOn(*gate.cmdSubmit);
}

bool isShown(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName)
            return w->isVisible();
    return false;
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
        QCOMPARE(gate.windowTitle(), QStringLiteral("Security authorization"));
        QCOMPARE(child<QLabel>(gate, "Label1")->text(),
                 QStringLiteral("You have requested a secured feature. Please enter the security authorization "
                                "code to access:"));
        QCOMPARE(child<QLabel>(gate, "Label2")->text(), QStringLiteral("Authorization Code:"));
        QCOMPARE(child<QPushButton>(gate, "cmdSubmit")->text(), QStringLiteral("Submit Authorization"));
        QCOMPARE(child<QPushButton>(gate, "cmdRMM")->text(), QStringLiteral("Return to Main Menu"));
        QLineEdit *code = child<QLineEdit>(gate, "txtCode");
        QCOMPARE(code->echoMode(), QLineEdit::Password);
        QCOMPARE(code->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, code), int('%'));
        typeInto(*code, QStringLiteral("abc"));
        QCOMPARE(code->displayText(), QStringLiteral("%%%"));
    }

    void granted_data()
    {
        QTest::addColumn<int>("destination");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("report"); // shown over the main menu
        QTest::newRow("1 video management") << 1 << "Video Management form" << "frmVidMn" << false;
        QTest::newRow("2 inventory") << 2 << "Inventory Management Form" << "frmInvent" << false;
        QTest::newRow("3 modify customer") << 3 << "Customer modification form" << "frmModify" << false;
        QTest::newRow("4 delete customer") << 4 << "Customer delete form" << "frmDelete" << false;
        QTest::newRow("5 all movies") << 5 << "Report listing all movies" << "rptListOfAllMovies" << true;
        QTest::newRow("6 movies by type") << 6 << "Report listing selected movies" << "frmMovieByType" << false;
        QTest::newRow("7 customer list") << 7 << "Report listing all customers" << "rptCustomerList" << true;
        QTest::newRow("8 customers by date")
            << 8 << "Report listing customers by Date" << "frmCustomersByDate" << false;
        QTest::newRow("9 all sales") << 9 << "Report listing all sales" << "rptSalesReport" << true;
        QTest::newRow("10 rental revenue") << 10 << "Report of rental revenues" << "rptRentalRevenue" << true;
    }
    void granted()
    {
        QFETCH(int, destination);
        QFETCH(QString, caption);
        QFETCH(QString, window);
        QFETCH(bool, report);
        TestStore store;
        frmSecur &gate = openGate(store, destination);
        QCOMPARE(gate.destination, destination);
        QCOMPARE(gate.lblDest->text(), caption);
        submit(gate, rightCode);

        QCOMPARE(store.ws().prompts(), QStringList{"Authorization granted"});
        QCOMPARE(store.ws().last().icon, Icon::Information);
        QCOMPARE(store.ws().last().title, QStringLiteral("Security clearance"));
        QVERIFY(isShown(window));
        QCOMPARE(store.windows().main().isVisible(), report);
        QVERIFY(!gate.isVisible());
        QCOMPARE(gate.txtCode->text(), QString());
        QCOMPARE(gate.lblDest->text(), QString());
        QCOMPARE(gate.destination, 0);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("trailing space") << rightCode + u' ';
        QTest::newRow("other case") << QStringLiteral("popcorn-1987");
        QTest::newRow("one short") << QStringLiteral("Popcorn-198");
        QTest::newRow("empty") << QString();
        QTest::newRow("outside Latin-1") << QString::fromUtf8("Popcorn-198€");
        QTest::newRow("only a euro sign") << QString::fromUtf8("€");
    }
    void refused()
    {
        QFETCH(QString, code);
        TestStore store;
        frmSecur &gate = openGate(store, 2);
        store.ws().answer(Answer::Cancel);
        typeCode(gate, code);
        QCOMPARE(gate.txtCode->text(), code);
        clickOn(*gate.cmdSubmit);

        QCOMPARE(store.ws().prompts(), QStringList{"Authorization failed - retry?"});
        QCOMPARE(store.ws().last().icon, Icon::Exclamation);
        QCOMPARE(store.ws().last().buttons, Buttons::RetryCancel);
        QCOMPARE(store.ws().last().title, QStringLiteral("Code incorrect"));
        QVERIFY(!gate.isVisible());
        QVERIFY(store.windows().main().isVisible());
        QVERIFY(!isShown(QStringLiteral("frmInvent")));
        QCOMPARE(gate.destination, 0);
        QCOMPARE(gate.txtCode->text(), QString());
        QCOMPARE(gate.lblDest->text(), QString());
    }

    void retryTwiceThenRight()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 4);
        for (int attempt = 0; attempt < 2; ++attempt) {
            store.ws().answer(Answer::Retry);
            submit(gate, QStringLiteral("Popcorn-1988"));
            QVERIFY(gate.isVisible());
            QVERIFY(!store.windows().main().isVisible());
            QCOMPARE(gate.destination, 4);
            QCOMPARE(gate.lblDest->text(), QStringLiteral("Customer delete form"));
            QCOMPARE(gate.txtCode->text(), QString());
        }
        submit(gate, rightCode);
        QCOMPARE(store.ws().last().prompt, QStringLiteral("Authorization granted"));
        QVERIFY(isShown(QStringLiteral("frmDelete")));
        QVERIFY(!store.windows().main().isVisible());
        QVERIFY(!gate.isVisible());
    }

    void returnToMainMenu_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void returnToMainMenu()
    {
        QFETCH(bool, yes);
        TestStore store;
        frmSecur &gate = openGate(store, 7);
        typeCode(gate, QStringLiteral("Pop"));
        store.ws().answer(yes ? Answer::Yes : Answer::No);
        clickOn(*gate.cmdRMM);

        QCOMPARE(store.ws().prompts(), QStringList{"Are you sure you want to go back to the main menu?"});
        QCOMPARE(store.ws().last().icon, Icon::Question);
        QCOMPARE(store.ws().last().buttons, Buttons::YesNo);
        QCOMPARE(store.ws().last().title, QStringLiteral("Return to main menu"));
        QCOMPARE(gate.isVisible(), !yes);
        QCOMPARE(store.windows().main().isVisible(), yes);
        QCOMPARE(gate.destination, 7);
        if (!yes) {
            QCOMPARE(gate.txtCode->text(), QStringLiteral("Pop"));
            QCOMPARE(gate.lblDest->text(), QStringLiteral("Report listing all customers"));
        }
    }

    void keys()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 6);
        store.ws().answer(Answer::No);
        QTest::keyClick(gate.txtCode, Qt::Key_Escape);
        QCOMPARE(store.ws().prompts(), QStringList{"Are you sure you want to go back to the main menu?"});
        QVERIFY(gate.isVisible());

        typeCode(gate, rightCode);
        QTest::keyClick(gate.txtCode, Qt::Key_Return);
        QCOMPARE(store.ws().last().prompt, QStringLiteral("Authorization granted"));
        QVERIFY(isShown(QStringLiteral("frmMovieByType")));
        QVERIFY(!gate.isVisible());
    }

    void abandonedRequestForgotten()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 1);
        store.ws().answer(Answer::Yes);
        clickOn(*gate.cmdRMM);
        QVERIFY(!gate.isVisible());

        openGate(store, 3);
        QCOMPARE(gate.destination, 3);
        QCOMPARE(gate.lblDest->text(), QStringLiteral("Customer modification form"));
        submit(gate, rightCode);
        QVERIFY(isShown(QStringLiteral("frmModify")));
        QVERIFY(!isShown(QStringLiteral("frmVidMn")));
    }

    void scrambleCode()
    {
        const std::optional<QString> empty = frmSecur::ScrambleCode(QString());
        QVERIFY(empty.has_value());
        QCOMPARE(*empty, QString());
        for (const QString &text : {rightCode, QStringLiteral("zz ~~"), QStringLiteral("caf\u00e9")}) {
            const std::optional<QString> s = frmSecur::ScrambleCode(text);
            QVERIFY2(s.has_value(), qPrintable(text));
            QCOMPARE(s->size(), text.size());
            QVERIFY(*s != text);
        }
        QVERIFY(!frmSecur::ScrambleCode(QString::fromUtf8("€")).has_value());
    }

    void screenshot()
    {
        TestStore store;
        frmSecur &gate = openGate(store, 1);
        QVERIFY(QTest::qWaitForWindowExposed(&gate));
        const QPixmap shot = gate.grab();
        QCOMPARE(shot.deviceIndependentSize().toSize(), gate.size());
        const QString folder = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            shot.save(QDir(folder).filePath(QStringLiteral("frmSecur.png")));
    }
};

QTEST_MAIN(tst_frmSecur)
#include "tst_frmSecur.moc"
