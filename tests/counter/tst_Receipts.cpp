#include "TestSupport.h"

#include "counter/frmCheckout.h"
#include "ui/WindowSystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 3, 1), QTime(14, 5, 9));

// The counter with no printer, a member, a tape to rent and popcorn to sell.
frmCheckout &open(TestStore &s)
{
    s.windows().setToday([] { return Now.date(); });
    s.ws().setPrinterAvailable(false);
    s.ws().setClock([] { return Now; });
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMovie(11, u"Short"_s, 4, 2);
    s.addTape(1002, 11);
    s.addItem(7, u"Popcorn"_s, u"2.50"_s, 50);
    frmCheckout &w = s.windows().checkout();
    w.show();
    return w;
}

// Rents the tape (when it is in), sells popcorn and gets to the cash box.
void fillBill(frmCheckout &w, bool withRental)
{
    lookUp(w, w.txtMemberID, u"1"_s);
    if (withRental)
        rent(w, u"1002"_s);
    buy(w, u"7"_s, u"2"_s);
    payBy(w, w.optCash);
    typeInto(*w.txtCash, u"20"_s);
}

// The file the last message names, after its first line.
QString namedFile(TestStore &s)
{
    return s.ws().last().prompt.section(u"\r\n"_s, 1);
}

QString receipts(TestStore &s)
{
    return QFileInfo(s.path()).absoluteDir().filePath(u"receipts"_s);
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

// Whether any run of five digits of `card` stands in `text`, its blanks
// and dashes taken out.
bool showsMoreThanFour(const QString &text, const QString &card)
{
    QString digits = text;
    digits.remove(QRegularExpression(u"[ -]"_s));
    for (qsizetype i = 0; i + 5 <= card.size(); ++i)
        if (digits.contains(card.mid(i, 5)))
            return true;
    return false;
}

// Every text a window shows: boxes, labels and list lines.
QStringList windowTexts(QWidget &window)
{
    QStringList texts;
    for (const QLineEdit *e : window.findChildren<QLineEdit *>())
        texts << e->displayText();
    for (const QLabel *l : window.findChildren<QLabel *>())
        texts << l->text();
    for (const QListWidget *list : window.findChildren<QListWidget *>())
        texts << listLines(list);
    return texts;
}

} // namespace

class tst_Receipts : public QObject
{
    Q_OBJECT

private slots:
    void checkoutReceiptIsSavedAsOnePagePdfOfTheWindow()
    {
        if (QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty()
            || QStandardPaths::findExecutable(u"pdfimages"_s).isEmpty())
            QSKIP("poppler-utils is not installed (./build.sh test installs it)");
        TestStore s;
        frmCheckout &w = open(s);
        fillBill(w, true);
        // Verification answered No leaves the window as the receipt will show it.
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        const QImage shown = w.grab().toImage();
        s.ws().answer(Answer::Yes); // verified
        s.ws().answer(Answer::Yes); // a receipt, please
        clickOn(*w.cmdCheckOut);

        QCOMPARE(s.count(u"tblRentals"_s), 1);
        QCOMPARE(w.List3->count(), 0);
        const ScriptedWindowSystem::Box &told = s.ws().last();
        QVERIFY(told.icon == Icon::Information && told.title == u"Print"_s);
        QVERIFY2(told.prompt.startsWith(u"No printer is available, so the receipt was saved as a PDF file:\r\n"_s),
                 qPrintable(told.prompt));
        // Named by date, time and the receipt the sale made.
        const QString file = namedFile(s);
        QCOMPARE(file, QDir(receipts(s)).filePath(u"2026-03-01_140509_receipt-1.pdf"_s));

        QVERIFY(run(u"pdfinfo"_s, {file}).contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));
        const QStringList images = run(u"pdfimages"_s, {u"-list"_s, file}).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 3); // two heading lines, one image
        const QStringList image = images.at(2).simplified().split(u' ');
        QCOMPARE(image.at(0), u"1"_s); // on page 1
        QCOMPARE(QSize(image.at(3).toInt(), image.at(4).toInt()), shown.size());
        QTemporaryDir out;
        run(u"pdfimages"_s, {u"-png"_s, file, out.filePath(u"img"_s)});
        const QImage inPdf(out.filePath(u"img-000.png"_s));
        QVERIFY2(inPdf.convertToFormat(QImage::Format_RGB32) == shown.convertToFormat(QImage::Format_RGB32),
                 "the PDF does not hold the window's image");

        const QString keep = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
        if (!keep.isEmpty())
            QFile::copy(file, keep + u"/receipt.pdf"_s);
    }

    void cardNumbersAreMaskedOnScreenOnPaperAndInThePdf()
    {
        if (QStandardPaths::findExecutable(u"pdfimages"_s).isEmpty())
            QSKIP("poppler-utils is not installed (./build.sh test installs it)");
        const QString card = u"4929881733065521"_s;
        const QString masked = u"•••• •••• •••• 5521"_s;
        TestStore s;
        frmCheckout &w = open(s);
        s.exec(u"INSERT INTO tblCreditInfo (CustomersNumber, Visa, VisaExp) VALUES (1, ?, '2028-04')"_s, {card});
        fillBill(w, true);
        // On file: the last four digits, and it counts as a number given.
        clickOn(*w.OptVisa);
        QCOMPARE(w.txtCardNum->text(), masked);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QVERIFY2(s.ws().last().prompt.contains(u"\r\n"_s + masked + u" 2028-04 Total: "_s), qPrintable(s.ws().last().prompt));

        // Typed: as typed while typing, masked on the receipt printed before the checkout.
        clickOn(*w.optAmEx);
        typeInto(*w.txtCardNum, card);
        QCOMPARE(w.txtCardNum->displayText(), card);
        s.ws().setPrinterAvailable(true);
        s.ws().answer(Answer::Yes); // print it now
        s.ws().answer(Answer::Yes); // the customer checks out
        s.ws().answer(Answer::No);  // but not yet verified
        clickOn(*w.cmdPrintRec);
        QCOMPARE(w.txtCardNum->text(), u"•••• •••• •••• 5521"_s);
        QCOMPARE(s.ws().printed().size(), 1);
        const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(s.ws().printed().at(0).convertToFormat(QImage::Format_RGB32) == shown);
        for (const QString &text : windowTexts(w) + s.ws().prompts())
            QVERIFY2(!showsMoreThanFour(text, card), qPrintable(text));

        // The same picture as a PDF; with the whole number it would have differed.
        w.txtCardNum->setText(card);
        const QImage whole = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        w.txtCardNum->setText(masked);
        QVERIFY(whole != shown);
        s.ws().setPrinterAvailable(false);
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(s.count(u"tblRentals"_s), 1);
        const QString file = namedFile(s);
        QTemporaryDir out;
        run(u"pdfimages"_s, {u"-png"_s, file, out.filePath(u"img"_s)});
        const QImage inPdf = QImage(out.filePath(u"img-000.png"_s)).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(inPdf == shown, "the PDF does not hold the masked window");
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && !pdf.readAll().contains(card.toLatin1()));
        QCOMPARE(s.ws().unusedAnswers(), 0);
    }

    void receiptsInTheSameSecondKeepTheirOwnFiles()
    {
        TestStore s;
        frmCheckout &w = open(s);
        QStringList files;
        for (int i = 0; i < 2; ++i) {
            // Print a Receipt before checking out: no receipt number yet.
            fillBill(w, false);
            s.ws().answer(Answer::Yes); // print it now
            s.ws().answer(Answer::No);  // the customer does not check out
            clickOn(*w.cmdPrintRec);
            files << s.ws().boxes().at(s.ws().boxes().size() - 2).prompt.section(u"\r\n"_s, 1);
        }
        const QDir dir(receipts(s));
        QCOMPARE(files, QStringList({dir.filePath(u"2026-03-01_140509_receipt.pdf"_s),
                                     dir.filePath(u"2026-03-01_140509_receipt_2.pdf"_s)}));
        const QByteArray first = digest(files[0]);
        QVERIFY(!first.isEmpty() && !digest(files[1]).isEmpty());

        // Nor does a checkout's receipt replace one written earlier.
        fillBill(w, false);
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdCheckOut);
        QCOMPARE(namedFile(s), dir.filePath(u"2026-03-01_140509_receipt-1.pdf"_s));
        QCOMPARE(digest(files[0]), first);
        QCOMPARE(dir.entryList(QDir::Files).size(), 3);
        // Each whole, and like the store for its owner alone: a receipt names the member.
        QCOMPARE(accessOf(dir.path()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const QString &name : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-");
            QCOMPARE(accessOf(f.fileName()), QFile::ReadOwner | QFile::WriteOwner);
        }
    }

    void unwritableReceiptFolderIsToldAndTheCheckoutStillCompletes()
    {
        TestStore s;
        frmCheckout &w = open(s);
        // A file where the folder should be: no user, root included, can save there.
        QFile blocker(receipts(s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        fillBill(w, true);
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::Yes);
        clickOn(*w.cmdCheckOut);
        const ScriptedWindowSystem::Box &told = s.ws().last();
        QVERIFY(told.icon == Icon::Exclamation && told.title == u"Print"_s);
        QVERIFY2(told.prompt.startsWith(u"No printer is available, and the receipt could not be saved as a PDF "
                                        "file in "_s + QDir::toNativeSeparators(receipts(s)) + u": "_s),
                 qPrintable(told.prompt));
        QCOMPARE(s.count(u"tblRentals"_s), 1);
        QCOMPARE(s.count(u"tblSalesDetails"_s), 1);
        QCOMPARE(w.List3->count(), 0);
        QCOMPARE(s.ws().unusedAnswers(), 0);
    }
};

QTEST_MAIN(tst_Receipts)
#include "tst_Receipts.moc"
