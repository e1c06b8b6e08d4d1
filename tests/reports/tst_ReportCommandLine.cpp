#include "ReportTestData.h"

#include "data/StoreDate.h"
#include "reports/ReportCommandLine.h"
#include "reports/frmCustomersByDate.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/stat.h>

// Reports for scripts and spreadsheets: CSV, PDF, refused parameters.
class tst_ReportCommandLine : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int code = 0;
        QString out, err;
    };

    static Run run(ReportRequest request)
    {
        Run r;
        QTextStream out(&r.out), err(&r.err);
        r.code = runReportCommand(request, out, err);
        return r;
    }

    static void seed(TestStore &t)
    {
        t.addMember(5, QStringLiteral("Ann"), QStringLiteral("Lee"));
        t.addMember(6, QStringLiteral("Cy"), QStringLiteral("Orr"));
        t.addMovie(1, QStringLiteral("Night, \"Moves\""), 4, 1);
        t.addMovie(2, QStringLiteral("Plain"), 1, 3);
        t.addTape(100, 1);
        t.addTape(200, 2);
        addRental(t, 1, 5, 100, QStringLiteral("2026-03-01"));
        addRental(t, 1, 5, 200, QStringLiteral("2026-03-01"));
        addRental(t, 2, 6, 200, QStringLiteral("2026-03-02"));
        t.addItem(1, QStringLiteral("Popcorn"), QStringLiteral("5.00"), 10);
        t.addItem(2, QStringLiteral("Candy"), QStringLiteral("3.00"), 10);
        addReceipt(t, 1, 5, QStringLiteral("2026-03-01"));
        addSaleLine(t, 1, 1, 2);
        addSaleLine(t, 1, 2, 1);
        addReceipt(t, 2, 6, QStringLiteral("2026-03-02"));
        addSaleLine(t, 2, 2, 3);
    }

    static Money sumColumn(const QList<QStringList> &rows, int column)
    {
        Money sum;
        for (qsizetype i = 1; i < rows.size(); ++i)
            sum += *Money::parse(rows[i][column]);
        return sum;
    }

private slots:
    // A report that lists members, by name or by number beside what they
    // rented or bought, is for the owner's eyes alone, as PDF and as CSV.
    void filesThatNameMembersAreTheOwnersOnly_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("mode");
        QTest::newRow("customer list") << QStringLiteral("customer-list") << 0600;
        QTest::newRow("customers by date") << QStringLiteral("customers-by-date") << 0600;
        QTest::newRow("rental revenue") << QStringLiteral("rental-revenue") << 0600;
        QTest::newRow("sales") << QStringLiteral("daily-sales") << 0600;
        QTest::newRow("all movies, no member") << QStringLiteral("all-movies") << 0644;
    }

    void filesThatNameMembersAreTheOwnersOnly()
    {
        QFETCH(QString, report);
        QFETCH(int, mode);
        ::umask(022);
        TestStore t;
        seed(t);
        QTemporaryDir dir;
        for (const bool pdf : {true, false}) {
            const QString file = dir.filePath(pdf ? QStringLiteral("r.pdf") : QStringLiteral("r.csv"));
            const Run r = run({t.path(), report, pdf ? file : QString(), pdf ? QString() : file, {},
                               QStringLiteral("2026-03-01"), QStringLiteral("2026-03-02")});
            QVERIFY2(r.code == 0, qPrintable(r.err));
            struct stat st;
            QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
            QCOMPARE(int(st.st_mode & 0777), mode);
        }
    }

    void eachReportAsCsvAndRefusedParametersWriteNothing()
    {
        TestStore t;
        seed(t);
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("r.csv"));
        auto csvOf = [&](const char *report, const QString &genre = {}, const QString &from = {},
                         const QString &to = {}) {
            QFile::remove(csv);
            const Run r = run({t.path(), QString::fromLatin1(report), {}, csv, genre, from, to});
            if (r.code != 0)
                qWarning("%s", qPrintable(r.err));
            return readCsv(csv);
        };

        // Each written through the same writer; the rental revenue's bytes are the report store tests'.
        QCOMPARE(sumColumn(csvOf("rental-revenue"), 5).toCurrency(), QStringLiteral("$7.97"));
        const QList<QStringList> sales = csvOf("daily-sales");
        QCOMPARE(sales[1], QStringList({"2026-03-01", "1", "5", "Popcorn", "2", "5.00", "10.00"}));
        QCOMPARE(sumColumn(sales, 6).toCurrency(), QStringLiteral("$22.00"));
        QCOMPARE(csvOf("all-movies")[1].mid(0, 3), QStringList({"Action", "Plain", "2"}));
        QCOMPARE(csvOf("movies-by-type", QStringLiteral("comedy")).size(), 2);
        QCOMPARE(csvOf("movies-by-type", QStringLiteral("4"))[1][0], QStringLiteral("Comedy"));
        const QList<QStringList> members = csvOf("customer-list");
        QCOMPARE(members[1].mid(0, 3), QStringList({"5", "Ann", "Lee"}));
        QCOMPARE(members[1].last(), QStringLiteral("0.00"));

        // Refused parameters write nothing.
        const QString file = dir.filePath(QStringLiteral("out.csv"));
        const struct
        {
            ReportRequest request;
            QString message;
        } cases[] = {
            {{t.path(), "weekly", {}, file, {}, {}, {}}, "\"weekly\" is not a report."},
            {{t.path(), "movies-by-type", {}, file, {}, {}, {}}, "Select A Movie By Type:"},
            {{t.path(), "movies-by-type", {}, file, "6", {}, {}}, "Select A Movie By Type:"},
            // Named by the customers' dates: the days of their receipts.
            {{t.path(), "customers-by-date", {}, file, {}, {}, "2026-03-01"},
             "give the first day of their receipts as --from yyyy-mm-dd"},
            {{t.path(), "customers-by-date", {}, file, {}, "2026-03-01", {}},
             "give the last day of their receipts as --to yyyy-mm-dd"},
            {{t.path(), "customers-by-date", {}, file, {}, "2026-3-1", "2026-03-01"},
             StoreDate::invalidMessage(u"2026-3-1")},
            {{t.path(), "customers-by-date", {}, file, {}, "2026-03-02", "2026-03-01"},
             frmCustomersByDate::rangeMessage()},
            {{t.path(), "rental-revenue", {}, {}, {}, {}, {}}, "--pdf FILE or --csv FILE"},
            {{t.path(), "rental-revenue", file, file, {}, {}, {}}, "--pdf FILE or --csv FILE"},
            {{dir.filePath(QStringLiteral("none.db")), "rental-revenue", {}, file, {}, {}, {}}, "There is no such file."},
        };
        for (const auto &c : cases) {
            const Run r = run(c.request);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(c.message), qPrintable(r.err));
            QVERIFY(r.out.isEmpty());
            QVERIFY(!QFile::exists(file));
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("none.db"))));

        // The program itself takes the report options.
        // Named in words, though its preview window keeps its caption.
        const std::pair<QStringList, const char *> runs[] = {
            {{"--report", "movies-by-type", "--genre", "Comedy"}, "List Of Movies By Type: 1 row"},
            {{"--report", "customers-by-date", "--from", "2026-03-02", "--to", "2026-03-02"}, "Customers by Date: 1 row"}};
        for (const auto &[arguments, said] : runs) {
            const QString written = dir.filePath(QStringLiteral("m.csv"));
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("QT_QPA_PLATFORM")); // it needs no display of its own
            env.insert(QStringLiteral("DISPLAY"), QString());
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(VIDEOSTORE_EXE),
                    QStringList{QStringLiteral("--store"), t.path(), QStringLiteral("--force"), QStringLiteral("--csv"),
                                written} + arguments);
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitCode(), 0);
            QCOMPARE(QString::fromLocal8Bit(p.readAllStandardOutput()),
                     QStringLiteral("%1 written to %2\n").arg(QLatin1String(said), written));
        }
    }
};

QTEST_MAIN(tst_ReportCommandLine)
#include "tst_ReportCommandLine.moc"
