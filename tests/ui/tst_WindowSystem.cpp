#include "ui/ScriptedWindowSystem.h"

#include <QLabel>
#include <QTest>

class tst_WindowSystem : public QObject
{
    Q_OBJECT

private slots:
    void recordsEveryBox()
    {
        ScriptedWindowSystem scripted;
        QStringList complaints;
        scripted.onUnscripted = [&](const QString &why) { complaints << why; };
        WindowSystem &ws = scripted; // the defaults live on the interface the windows call

        QCOMPARE(ws.msgBox(QStringLiteral("Saved."), Buttons::Ok, Icon::Information), Answer::Ok);
        scripted.answer(Answer::Retry);
        scripted.type(QStringLiteral("42"));
        QCOMPARE(ws.msgBox(QStringLiteral("Try again?"), Buttons::RetryCancel, Icon::Exclamation,
                           QStringLiteral("Code incorrect")),
                 Answer::Retry);
        QCOMPARE(ws.inputBox(QStringLiteral("How many?"), QStringLiteral("Quantity"), QStringLiteral("1")),
                 QStringLiteral("42"));

        QCOMPARE(scripted.prompts(), QStringList({"Saved.", "Try again?", "How many?"}));
        const ScriptedWindowSystem::Box &ok = scripted.boxes().at(0);
        QVERIFY(!ok.input);
        QCOMPARE(ok.title, QString());
        QCOMPARE(ok.buttons, Buttons::Ok);
        QCOMPARE(ok.icon, Icon::Information);
        const ScriptedWindowSystem::Box &choice = scripted.boxes().at(1);
        QCOMPARE(choice.title, QStringLiteral("Code incorrect"));
        QCOMPARE(choice.buttons, Buttons::RetryCancel);
        QCOMPARE(choice.icon, Icon::Exclamation);
        QVERIFY(scripted.last().input);
        QCOMPARE(scripted.last().title, QStringLiteral("Quantity"));
        QCOMPARE(scripted.last().defaultAnswer, QStringLiteral("1"));
        QCOMPARE(scripted.unusedAnswers(), 0);
        QCOMPARE(complaints, QStringList());
    }

    void unscriptedChoice_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<std::optional<Answer>>("scripted");
        QTest::addColumn<Answer>("wayOut");
        QTest::newRow("yes/no, nothing scripted") << Buttons::YesNo << std::optional<Answer>() << Answer::No;
        QTest::newRow("retry/cancel, nothing scripted") << Buttons::RetryCancel << std::optional<Answer>()
                                                        << Answer::Cancel;
        QTest::newRow("answer not among the buttons")
            << Buttons::RetryCancel << std::optional<Answer>(Answer::Yes) << Answer::Cancel;
    }
    void unscriptedChoice()
    {
        QFETCH(Buttons, buttons);
        QFETCH(std::optional<Answer>, scripted);
        QFETCH(Answer, wayOut);
        ScriptedWindowSystem sws;
        QStringList complaints;
        sws.onUnscripted = [&](const QString &why) { complaints << why; };
        if (scripted)
            sws.answer(*scripted);
        WindowSystem &ws = sws;

        QCOMPARE(ws.msgBox(QStringLiteral("Delete the member?"), buttons, Icon::Question), wayOut);
        QCOMPARE(complaints.size(), 1);
        QVERIFY2(complaints.first().contains(QStringLiteral("Delete the member?")), qPrintable(complaints.first()));
        QCOMPARE(ws.inputBox(QStringLiteral("Which tape?")), QString());
        QCOMPARE(complaints.size(), 2);
    }

    void print_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::newRow("no printer") << false;
        QTest::newRow("printer") << true;
    }
    void print()
    {
        QFETCH(bool, printer);
        ScriptedWindowSystem ws;
        ws.setPrinterAvailable(printer);
        QLabel window(QStringLiteral("Receipt"));
        window.resize(230, 140);

        QCOMPARE(ws.printWindow(window), printer);
        if (printer) {
            QCOMPARE(ws.printed().size(), 1);
            QCOMPARE(ws.printed().first().deviceIndependentSize().toSize(), QSize(230, 140));
            QVERIFY(ws.boxes().isEmpty());
        } else {
            QVERIFY(ws.printed().isEmpty());
            QCOMPARE(ws.boxes().size(), 1);
            QCOMPARE(ws.last().prompt, WindowSystem::noPrinterMessage());
            QCOMPARE(ws.last().icon, Icon::Exclamation);
            QCOMPARE(ws.last().buttons, Buttons::Ok);
        }
    }
};

QTEST_MAIN(tst_WindowSystem)
#include "tst_WindowSystem.moc"
