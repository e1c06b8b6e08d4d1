#include "ui/FileDialogs.h"
#include "ui/OutcomeList.h"
#include "ui/PrintFonts.h"
#include "ui/QtWindowSystem.h"
#include "ui/ScriptedWindowSystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

class tst_WindowSystem : public QObject
{
    Q_OBJECT

private slots:
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

    // Nothing scripted, or an answer not among the buttons: a complaint (the
    // test fails) and the safest way out.
    void unscriptedChoice()
    {
        ScriptedWindowSystem sws;
        QStringList complaints;
        sws.onUnscripted = [&](const QString &why) { complaints << why; };
        WindowSystem &ws = sws; // the defaults live on the interface the windows call
        QCOMPARE(ws.msgBox(QStringLiteral("Delete the member?"), Buttons::YesNo, Icon::Question), Answer::No);
        sws.answer(Answer::Yes);
        QCOMPARE(ws.msgBox(QStringLiteral("Try again?"), Buttons::RetryCancel, Icon::Question), Answer::Cancel);
        QCOMPARE(ws.inputBox(QStringLiteral("Which tape?")), QString());
        QCOMPARE(complaints.size(), 3);
        QVERIFY2(complaints.first().contains(QStringLiteral("Delete the member?")), qPrintable(complaints.first()));
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
        QCOMPARE(QApplication::focusWidget(), box);
        // Newest first.
        QCOMPARE(list->lines(), QStringList({"Tape 99: I'm sorry, that videotape cannot be returned as it has not "
                                             "been rented.",
                                             "Tape 178: The video has been returned."}));
    }

    // Printed documents are drawn in the fonts they name, which build.sh
    // installs; the tests see no others, as on a fresh machine.
    void printedInTheFontsInstalled()
    {
        for (const auto face : {PrintFonts::Face::Sans, PrintFonts::Face::Condensed, PrintFonts::Face::Mono})
            QCOMPARE(QFontInfo(PrintFonts::font(face)).family(), PrintFonts::family(face));
        const QRegularExpression others(QStringLiteral("^(?!DejaVu |(Sans )?Serif$|Monospace$)"));
        QCOMPARE(QFontDatabase::families().filter(others), QStringList());
    }
};

QTEST_MAIN(tst_WindowSystem)
#include "tst_WindowSystem.moc"
