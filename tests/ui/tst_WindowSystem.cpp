#include "ui/FileDialogs.h"
#include "ui/OutcomeList.h"
#include "ui/QtWindowSystem.h"
#include "ui/ScriptedWindowSystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

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
        const QList<ScriptedWindowSystem::Box> &b = scripted.boxes();
        QVERIFY(!b[0].input && b[0].title.isEmpty() && b[0].buttons == Buttons::Ok && b[0].icon == Icon::Information);
        QVERIFY(!b[1].input && b[1].title == QStringLiteral("Code incorrect") && b[1].buttons == Buttons::RetryCancel
                && b[1].icon == Icon::Exclamation);
        QVERIFY(b[2].input && b[2].title == QStringLiteral("Quantity") && b[2].defaultAnswer == QStringLiteral("1"));
        QCOMPARE(scripted.unusedAnswers(), 0);
        QCOMPARE(complaints, QStringList());
    }

    // Save dialogs start in Documents (else home), never in the store's folder.
    void saveDialogsStartAwayFromTheStore()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        const QString documents = home.filePath(QStringLiteral("Documents"));
        QVERIFY(QDir().mkpath(documents) && QDir().mkpath(home.filePath(QStringLiteral("shop"))));
        QCOMPARE(FileDialogs::startFolder(home.filePath(QStringLiteral("shop/video.db"))), documents);
        QCOMPARE(FileDialogs::startFolder(documents + QStringLiteral("/video.db")), home.path());
        const auto dialog = FileDialogs::saveDialog(nullptr, QStringLiteral("Save as CSV"), QStringLiteral("a.csv"),
                                                    QStringLiteral("CSV files (*.csv)"),
                                                    documents + QStringLiteral("/video.db"));
        QCOMPARE(dialog->directory().absolutePath(), home.path());
        qputenv("HOME", oldHome);
    }

    void unscriptedChoice()
    {
        // Nothing scripted, or an answer not among the buttons: a complaint and the safest way out.
        const struct { Buttons buttons; std::optional<Answer> scripted; Answer wayOut; } cases[] = {
            {Buttons::YesNo, {}, Answer::No},
            {Buttons::RetryCancel, {}, Answer::Cancel},
            {Buttons::RetryCancel, Answer::Yes, Answer::Cancel}};
        for (const auto &c : cases) {
            ScriptedWindowSystem sws;
            QStringList complaints;
            sws.onUnscripted = [&](const QString &why) { complaints << why; };
            if (c.scripted)
                sws.answer(*c.scripted);
            WindowSystem &ws = sws;
            QCOMPARE(ws.msgBox(QStringLiteral("Delete the member?"), c.buttons, Icon::Question), c.wayOut);
            QCOMPARE(complaints.size(), 1);
            QVERIFY2(complaints.first().contains(QStringLiteral("Delete the member?")), qPrintable(complaints.first()));
            QCOMPARE(ws.inputBox(QStringLiteral("Which tape?")), QString());
            QCOMPARE(complaints.size(), 2);
        }
    }

    void toldInTheWindowWithoutTakingTheKeyboard()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *box = new QLineEdit(&window);
        auto *list = new OutcomeList(&window, "lstOutcome");
        layout->addWidget(box);
        layout->addWidget(list);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        const QWidgetList before = QApplication::topLevelWidgets();

        // The real window system: no box comes up, nothing waits, the
        // keyboard stays in the box.
        QtWindowSystem real;
        WindowSystem &ws = real;
        ws.tell(*list, Told::Done, QStringLiteral("The video has been returned."), QStringLiteral("Video returned"),
                QStringLiteral("Tape 178"));
        ws.tell(*list, Told::Refused, QStringLiteral("I'm sorry, that videotape cannot be returned as it has not "
                                                     "been rented."),
                QStringLiteral("Return error."), QStringLiteral("Tape 99"));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::topLevelWidgets(), before);
        QCOMPARE(QApplication::activeWindow(), &window);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // Newest first; the refusal marked.
        QCOMPARE(list->lines(), QStringList({"Tape 99: I'm sorry, that videotape cannot be returned as it has not "
                                             "been rented.",
                                             "Tape 178: The video has been returned."}));
        QVERIFY(list->item(0)->font().bold() && !list->item(1)->font().bold());
    }

    void print()
    {
        for (const bool printer : {false, true}) {
            ScriptedWindowSystem ws;
            ws.setPrinterAvailable(printer);
            QLabel window(QStringLiteral("Receipt"));
            window.resize(230, 140);
            QCOMPARE(ws.printWindow(window), printer);
            QCOMPARE(ws.printed().size(), printer ? 1 : 0);
            QCOMPARE(ws.prompts(), printer ? QStringList() : QStringList{WindowSystem::noPrinterMessage()});
            if (printer)
                QCOMPARE(ws.printed().first().deviceIndependentSize().toSize(), QSize(230, 140));
            else
                QVERIFY(ws.last().icon == Icon::Exclamation && ws.last().buttons == Buttons::Ok);
        }
    }
};

QTEST_MAIN(tst_WindowSystem)
#include "tst_WindowSystem.moc"
