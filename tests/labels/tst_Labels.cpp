// Labels and cards as a scanner meets them: every PDF page rendered at
// 300 dpi and each label read by a real decoder, in sheet order.

#include "TestSupport.h"

#include "counter/frmCheckout.h"
#include "customers/frmModify.h"
#include "customers/frmadd.h"
#include "labels/LabelLayout.h"
#include "labels/frmCard.h"
#include "labels/frmLabels.h"
#include "stock/frmVidMn.h"
#include "ui/FlexGrid.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 1);
constexpr double Dpi = 300;
// Ten modules of the narrowest bar this resolution draws (3 dots, 0.254 mm).
constexpr int QuietDots = 30;

// One label position as read from the rendered page.
struct Read
{
    QString data;      // what the decoder found; empty for nothing
    int narrowest = 0; // dots of the narrowest bar
    bool quiet = false; // white for ten modules either side of the bars
};

// The bars are the columns dark for 8 mm on end, which no text is.
void measure(const QImage &label, Read &read)
{
    auto dark = [&](int x, int y) { return label.constScanLine(y)[x] < 128; };
    QList<int> columns;
    int top = label.height(), bottom = 0;
    for (int x = 0; x < label.width(); ++x) {
        int run = 0, best = 0, end = 0;
        for (int y = 0; y < label.height(); ++y) {
            run = dark(x, y) ? run + 1 : 0;
            if (run > best)
                best = run, end = y;
        }
        if (best >= 8 / 25.4 * Dpi) {
            columns << x;
            top = std::min(top, end - best + 1);
            bottom = std::max(bottom, end);
        }
    }
    if (columns.isEmpty())
        return;
    read.narrowest = label.width();
    for (qsizetype i = 0, start = 0; i < columns.size(); ++i)
        if (i + 1 == columns.size() || columns[i + 1] != columns[i] + 1) {
            read.narrowest = std::min(read.narrowest, int(i - start + 1));
            start = i + 1;
        }
    const int first = columns.first(), last = columns.last();
    read.quiet = first >= QuietDots && last + QuietDots < label.width();
    for (int y = top; read.quiet && y <= bottom; ++y)
        for (int d = 1; d <= QuietDots; ++d)
            read.quiet = read.quiet && !dark(first - d, y) && !dark(last + d, y);
}

// Every label position of every page of `pdf`, page after page, in sheet
// order; a card is one position, the whole page.
QList<Read> readPositions(const QString &pdf, const LabelSheet *sheet)
{
    QTemporaryDir dir;
    const ProgramRun render = runProgram(u"pdftoppm"_s, {u"-r"_s, u"300"_s, u"-gray"_s, pdf, dir.filePath(u"page"_s)});
    if (render.code != 0)
        qWarning("pdftoppm: %s", qPrintable(render.err));
    QList<Read> reads;
    QStringList crops;
    for (const QString &page : QDir(dir.path()).entryList({u"page*.pgm"_s}, QDir::Files, QDir::Name)) {
        const QImage image = QImage(dir.filePath(page)).convertToFormat(QImage::Format_Grayscale8);
        for (int p = 1; p <= (sheet ? sheet->perSheet() : 1); ++p) {
            const QRectF mm = sheet ? sheet->labelMm(p) : QRectF(QPointF(), image.size() / Dpi * 25.4);
            const QImage label = image.copy(QRectF(mm.topLeft() * Dpi / 25.4, mm.size() * Dpi / 25.4).toRect());
            crops << dir.filePath(u"label-%1.pgm"_s.arg(int(crops.size()), 4, 10, QLatin1Char('0')));
            label.save(crops.last());
            reads.append(Read{});
            measure(label, reads.last());
        }
    }
    const ProgramRun zbar = runProgram(u"zbarimg"_s, QStringList{u"--nodbus"_s, u"--xml"_s, u"-q"_s} + crops);
    QXmlStreamReader xml(zbar.out);
    qsizetype at = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"source")
            at = crops.indexOf(xml.attributes().value(u"href"_s).toString());
        else if (xml.isStartElement() && xml.name() == u"data" && at >= 0)
            reads[at].data += xml.readElementText();
    }
    return reads;
}

QStringList decoded(const QList<Read> &reads)
{
    QStringList out;
    for (const Read &r : reads)
        out << r.data;
    return out;
}

// Title 1 "Steel Horizon" (class 1) with tapes 1001 to 1030, copies 1 to 30.
void thirtyTapes(TestStore &s)
{
    s.windows().setToday([] { return Today; });
    s.addMovie(1, u"Steel Horizon"_s, 1, 1);
    for (int tape = 1001; tape <= 1030; ++tape) {
        s.addTape(tape, 1);
        s.exec(u"UPDATE tblVideos SET CopyNumber = ? WHERE VideoID = ?"_s, {tape - 1000, tape});
    }
}

ProgramRun videostore(TestStore &s, const QStringList &arguments)
{
    return runProgram(QStringLiteral(VIDEOSTORE_EXE), QStringList{u"--store"_s, s.path(), u"--labels"_s} + arguments);
}

// Sheet order: nothing before `start`, then `tapes`, then nothing to the
// end of the last sheet.
QStringList inSheetOrder(const LabelSheet &sheet, int start, const QList<int> &tapes)
{
    QStringList out(start - 1);
    for (int t : tapes)
        out << QString::number(t);
    while (out.size() % sheet.perSheet())
        out << QString();
    return out;
}

} // namespace

class tst_Labels : public QObject
{
    Q_OBJECT

private slots:
    void sheetsDecodeInOrderFromTheStart_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("retired");
        QTest::newRow("letter, a whole sheet") << u"letter30"_s << 1 << 1030 << 0;
        QTest::newRow("A4 from position 20 onto a second sheet, a retired tape left out")
            << u"a4-21"_s << 20 << 1005 << 1002;
    }

    void sheetsDecodeInOrderFromTheStart()
    {
        QFETCH(QString, sheet);
        QFETCH(int, start);
        QFETCH(int, last);
        QFETCH(int, retired);
        TestStore s;
        thirtyTapes(s);
        s.exec(u"UPDATE tblVideos SET Deleted = 1 WHERE VideoID = ?"_s, {retired});
        const QString pdf = QDir(QDir::tempPath()).filePath(u"labels-%1.pdf"_s.arg(QCoreApplication::applicationPid()));
        const ProgramRun run = videostore(s, {u"tapes"_s, u"1001-%1"_s.arg(last), u"--sheet"_s, sheet, u"--start"_s,
                                              QString::number(start), u"--pdf"_s, pdf, u"--force"_s});
        QCOMPARE(run.code, 0);
        const LabelSheet &layout = *LabelSheet::named(sheet);
        QList<int> tapes;
        for (int t = 1001; t <= last; ++t)
            if (t != retired)
                tapes << t;
        const QList<Read> reads = readPositions(pdf, &layout);
        QCOMPARE(decoded(reads), inSheetOrder(layout, start, tapes));
        for (const Read &r : reads)
            if (!r.data.isEmpty())
                QVERIFY2(r.narrowest >= 3 && r.quiet, qPrintable(r.data));
        // Drawn as vectors: no picture in the file to blur the bars.
        QCOMPARE(runProgram(u"pdfimages"_s, {u"-list"_s, pdf}).out.count(u'\n'), 2);
        const QString text = runProgram(u"pdftotext"_s, {pdf, u"-"_s}).out;
        QVERIFY2(text.contains(u"Steel Horizon"_s) && text.contains(u"Copy 5, price class 1"_s), qPrintable(text));
        QFile::remove(pdf);
    }

    void refusedWithNothingWritten_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("why");
        QTest::newRow("unknown tapes in the range")
            << QStringList{u"tapes"_s, u"1025-1040"_s} << u"These tape numbers are not on file: 1031 to 1040."_s;
        QTest::newRow("unknown member") << QStringList{u"member"_s, u"99"_s}
                                        << u"There is no member with the number 99"_s;
        QTest::newRow("retired member") << QStringList{u"member"_s, u"3"_s} << u"Member 3 is marked as deleted"_s;
    }

    void refusedWithNothingWritten()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, why);
        TestStore s;
        thirtyTapes(s);
        s.addMember(3, u"Cy"_s, u"Gone"_s, {}, {}, true);
        QTemporaryDir dir;
        const ProgramRun run = videostore(s, arguments + QStringList{u"--pdf"_s, dir.filePath(u"out.pdf"_s)});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(why), qPrintable(run.err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    void cardScannedAtTheCounterFindsTheMember()
    {
        TestStore s;
        s.addMember(26, u"Ann"_s, u"Smith"_s, u"555-1111"_s);
        // Printed in the store's language for documents, whatever the clerk's.
        s.exec(u"INSERT INTO tblSettings (Name, Value) VALUES ('DocumentLanguage', 'fr')"_s);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"card.pdf"_s);
        QCOMPARE(videostore(s, {u"member"_s, u"26"_s, u"--pdf"_s, pdf}).code, 0);
        QCOMPARE(accessOf(pdf), QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(runProgram(u"pdftotext"_s, {pdf, u"-"_s}).out.contains(u"Membre 26"_s));
        const QList<Read> reads = readPositions(pdf, nullptr);
        QCOMPARE(decoded(reads), QStringList{u"26"_s});
        QVERIFY(reads.first().narrowest >= 3 && reads.first().quiet);

        frmCheckout &w = s.windows().checkout();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtMemberID->setFocus();
        QCOMPARE(scanKeys(reads.first().data + u'\n'), 0);
        QCOMPARE(w.txtMemberName->text(), u"Ann Smith"_s);
    }

    void labelsFromVideoManagement_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QList<int>>("tapes");
        QTest::newRow("the listed title's copies, saved") << u"optTitle"_s << false << QList<int>{1001, 1002};
        QTest::newRow("tapes added today, printed") << u"optToday"_s << true << QList<int>{1003, 1004};
        QTest::newRow("a range, saved") << u"optRange"_s << false << QList<int>{1002};
    }

    void labelsFromVideoManagement()
    {
        QFETCH(QString, option);
        QFETCH(bool, printed);
        QFETCH(QList<int>, tapes);
        TestStore s;
        s.windows().setToday([] { return Today; });
        s.addMovie(1, u"Steel Horizon"_s, 1, 1);
        s.addMovie(2, u"Iron Harbor"_s, 2, 2);
        s.addTape(1001, 1);
        s.addTape(1002, 1);
        frmVidMn &w = s.windows().vidMn();
        w.show();
        clickRow(*w.fgMovies, 1);
        clickOn(*w.cmdShow);
        if (option == u"optToday") {
            // Two copies of another title added now; the others were there before.
            clickRow(*w.fgMovies, 2);
            clickOn(*w.cmdShow);
            s.ws().type(u"2"_s);
            clickOn(*w.cmdAddT);
        }
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"labels.pdf"_s);
        s.ws().dialog([&](QDialog &d) {
            // Typing a tape number is choosing the range.
            if (option == u"optRange")
                typeInto(*child<QLineEdit>(d, "txtFrom"), u"1002"_s);
            else
                child<QRadioButton>(d, qPrintable(option))->setChecked(true);
            auto *sheet = child<QComboBox>(d, "cmbSheet");
            sheet->setCurrentIndex(sheet->findData(u"a4-21"_s));
            child<QSpinBox>(d, "spnStart")->setValue(21);
            keepScreenshot(d, u"labels-dialog.png"_s);
            clickOn(*child<QPushButton>(d, printed ? "cmdPrint" : "cmdPdf"));
        });
        if (printed)
            s.ws().printTo(pdf);
        else
            s.ws().saveAs(pdf);
        clickOn(*w.cmdLabels);
        QCOMPARE(s.ws().unusedAnswers(), 0);
        const LabelSheet &a4 = *LabelSheet::named(u"a4-21");
        QCOMPARE(decoded(readPositions(pdf, &a4)), inSheetOrder(a4, 21, tapes));
        // The next labels are proposed where these left off.
        QCOMPARE(w.labelsDialog().spnStart->value(), int(tapes.size()) % 21);
    }

    void cardFromAddAndLookup_data()
    {
        QTest::addColumn<bool>("added");
        QTest::newRow("after an add") << true;
        QTest::newRow("from the lookup") << false;
    }

    void cardFromAddAndLookup()
    {
        QFETCH(bool, added);
        TestStore s;
        s.addMember(1, u"Bob"_s, u"Jones"_s, u"555-2222"_s);
        QPushButton *card = nullptr;
        if (added) {
            auto &w = static_cast<frmadd &>(s.windows().addCustomer());
            w.show();
            QVERIFY(!w.cmdCard->isEnabled());
            typeInto(*w.txtLast, u"Smith"_s);
            typeInto(*w.txtFirst, u"Ann"_s);
            typeInto(*w.txtHphone, u"555-1111"_s);
            clickOn(*w.cmdAdd);
            card = w.cmdCard;
        } else {
            auto &w = static_cast<frmModify &>(s.windows().modify());
            w.show();
            typeInto(*w.txtMemb, u"1"_s);
            clickOn(*w.cmdDispaly);
            card = w.cmdCard;
        }
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"card.pdf"_s);
        s.ws().dialog([](QDialog &d) {
            keepScreenshot(d, u"card-dialog.png"_s);
            clickOn(*child<QPushButton>(d, "cmdPdf"));
        });
        s.ws().saveAs(pdf);
        clickOn(*card);
        QCOMPARE(s.ws().unusedAnswers(), 0);
        QCOMPARE(accessOf(pdf), QFile::ReadOwner | QFile::WriteOwner);
        // The new member gets the number the window proposed: the row count.
        QCOMPARE(decoded(readPositions(pdf, nullptr)), QStringList{added ? u"2"_s : u"1"_s});
    }
};

QTEST_MAIN(tst_Labels)
#include "tst_Labels.moc"
