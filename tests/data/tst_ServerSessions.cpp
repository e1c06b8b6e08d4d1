// A program's sessions with a server store: how many, how many round trips
// a checkout takes, and what a clerk is told when the server restarts,
// stops answering, goes away in the middle of a checkout, is full or
// refuses the counter, when the writer lock is held too long and when a
// COMMIT's answer is lost; what the window shows while it waits; how a
// report's rows stream. On a server of its own, which it restarts and stops.
#include "TestSupport.h"

#include "counter/CheckoutStore.h"
#include "counter/frmCheckout.h"
#include "customers/CustomerStore.h"
#include "data/ServerConnection.h"
#include "data/ServerStore.h"
#include "data/StoreDate.h"
#include "reports/ReportPreview.h"
#include "reports/ReportStore.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"
#include "app/frmSecur.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <atomic>
#include <mutex>
#include <thread>

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 1);

BillLine::Parsed rentLine(qint32 tape) { return {BillLine::Kind::Rent, tape, 0}; }
BillLine::Parsed buyLine(qint32 item, qint32 quantity) { return {BillLine::Kind::Buy, item, quantity}; }

// A bill of member 1, priced as the counter would price it.
CheckoutPlan bill(const QString &path, QList<BillLine::Parsed> lines)
{
    CheckoutPlan plan{1, Today, std::move(lines)};
    priceBill(path, plan);
    return plan;
}

// A member, a title with tapes 1001 on and an item, ready for checkouts.
void stock(TestStore &s, int tapes = 4)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMovie(10, u"Alien"_s, 2, 1);
    s.exec(u"INSERT INTO tblVideos (VideoID, MovieNum, CopyNumber, ForRent, ForSale, InStore, SalePrice, Deleted) "
           "SELECT g, 10, 1, 1, 0, 1, 0, 0 FROM generate_series(1001, %1) g"_s.arg(1000 + tapes));
    s.addItem(8, u"Licorice"_s, u"1.25"_s, 1000);
}

// The program's sessions with the store's database, the test's own left
// out, once no more than `expected` (a closed session's server process may
// take a moment to go), or after two seconds.
int sessions(TestStore &s, int expected)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int n = s.value(u"SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database() AND pid <> "
                              "pg_backend_pid()"_s)
                          .toInt();
        if (n <= expected || clock.elapsed() > 2000)
            return n;
        QThread::msleep(50);
    }
}

// The name of the store's database on the server.
QString databaseOf(TestStore &s)
{
    return s.path().section(u'/', 3).section(u'?', 0, 0);
}

// Stands between a counter and the server, passing every byte on, except
// that it cuts the connection at the next COMMIT once told to: before the
// COMMIT reaches the server, or after the server has it but before its
// answer comes back, or after stopping the server's process (`pid`) for
// four seconds, as if it had stopped just as the COMMIT came.
class CommitCutter
{
public:
    enum class Cut { None, BeforeServer, AfterServer, Stopped };

    CommitCutter(const QString &serverFolder, const QString &folder)
        : m_server(socketIn(serverFolder)), m_listen(::socket(AF_UNIX, SOCK_STREAM, 0))
    {
        const sockaddr_un a = socketIn(folder);
        ::bind(m_listen, reinterpret_cast<const sockaddr *>(&a), sizeof a);
        ::listen(m_listen, 16);
        m_thread = std::thread([this] { relay(); });
    }
    ~CommitCutter()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_listen);
    }
    void arm(Cut cut, pid_t pid = 0)
    {
        m_pid = pid;
        m_cut = cut;
    }
    // Round trips since the last call: a client's message sent after the
    // server answered starts one. In all, and from the one that takes the
    // writer lock to the one that commits.
    std::pair<int, int> roundTrips()
    {
        const std::lock_guard lock(m_count);
        return {std::exchange(m_trips, 0), std::exchange(m_locked, 0)};
    }

private:
    struct Pair
    {
        int client, server;
        QByteArray pending; // from the client, not yet a whole message
        bool started = false;
        bool answered = true; // the server has sent since the client last did
        bool cutAtSync = false;
    };

    void count(Pair &p, const QByteArray &sent)
    {
        const std::lock_guard lock(m_count);
        if (p.answered) {
            ++m_trips;
            m_locking = m_locking || sent.contains("LOCK TABLE");
            m_locked += m_locking;
        }
        m_locking = m_locking && !sent.contains("COMMIT");
        p.answered = false;
    }

    static sockaddr_un socketIn(const QString &folder)
    {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        qstrncpy(a.sun_path, QFile::encodeName(folder + u"/.s.PGSQL.5432"_s).constData(), sizeof a.sun_path);
        return a;
    }

    // Passes whole messages from the client on; false when the pair is cut.
    bool forward(Pair &p)
    {
        for (;;) {
            // The start-up message has no type byte; every later one has.
            const int head = p.started ? 1 : 0;
            if (p.pending.size() < head + 4)
                return true;
            const uchar *b = reinterpret_cast<const uchar *>(p.pending.constData()) + head;
            const qsizetype length = head + ((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]);
            if (p.pending.size() < length)
                return true;
            const QByteArray message = p.pending.left(length);
            p.pending.remove(0, length);
            p.started = true;
            // A COMMIT alone, or the last of a pipeline, which ends at its sync.
            const bool alone = message.startsWith('Q') && message.mid(5).startsWith("COMMIT\0");
            const bool piped = message.startsWith('P') && message.mid(5).startsWith(QByteArray("\0COMMIT\0", 8));
            const Cut cut = alone || piped ? m_cut.exchange(Cut::None) : Cut::None;
            if (cut == Cut::BeforeServer)
                return false;
            if (cut == Cut::Stopped) {
                ::kill(m_pid, SIGSTOP);
                m_stopped.start();
            }
            if (piped && cut != Cut::None)
                p.cutAtSync = true;
            ::send(p.server, message.constData(), message.size(), MSG_NOSIGNAL);
            if ((alone && cut != Cut::None) || (p.cutAtSync && message.startsWith('S'))) {
                // The server answers into a connection nobody reads any more.
                ::shutdown(p.client, SHUT_RDWR);
                return false;
            }
        }
    }

    void relay()
    {
        std::vector<Pair> pairs;
        char buffer[65536];
        while (!m_stop) {
            if (m_stopped.isValid() && m_stopped.hasExpired(4000)) {
                ::kill(m_pid, SIGCONT);
                m_stopped.invalidate();
            }
            std::vector<pollfd> fds{{m_listen, POLLIN, 0}};
            for (const Pair &p : pairs)
                fds.insert(fds.end(), {{p.client, POLLIN, 0}, {p.server, POLLIN, 0}});
            if (::poll(fds.data(), fds.size(), 50) <= 0)
                continue;
            std::vector<Pair> kept;
            for (size_t i = 0; i < pairs.size(); ++i) {
                Pair &p = pairs[i];
                bool open = true;
                if (fds[1 + 2 * i].revents) {
                    const ssize_t n = ::recv(p.client, buffer, sizeof buffer, 0);
                    p.pending.append(buffer, std::max<ssize_t>(n, 0));
                    count(p, QByteArray::fromRawData(buffer, std::max<ssize_t>(n, 0)));
                    open = n > 0 && forward(p);
                }
                if (open && fds[2 + 2 * i].revents) {
                    const ssize_t n = ::recv(p.server, buffer, sizeof buffer, 0);
                    open = n > 0 && ::send(p.client, buffer, n, MSG_NOSIGNAL) == n;
                    p.answered = true;
                }
                if (open)
                    kept.push_back(p);
                else
                    ::close(p.client), ::close(p.server);
            }
            pairs = std::move(kept);
            if (fds[0].revents & POLLIN) {
                const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
                ::connect(server, reinterpret_cast<const sockaddr *>(&m_server), sizeof m_server);
                pairs.push_back({::accept(m_listen, nullptr, nullptr), server});
            }
        }
        for (const Pair &p : pairs)
            ::close(p.client), ::close(p.server);
    }

    const sockaddr_un m_server;
    const int m_listen;
    std::atomic<Cut> m_cut{Cut::None};
    pid_t m_pid = 0;
    QElapsedTimer m_stopped;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    std::mutex m_count;
    int m_trips = 0, m_locked = 0;
    bool m_locking = false;
};

// Another counter that holds the writer lock for `ms`, from when this returns.
std::thread holdWriterLock(const QString &path, int ms)
{
    const auto locked = std::make_shared<std::atomic<bool>>(false);
    std::thread holder([=] {
        {
            QString error;
            QSqlDatabase db = Database::connect(u"holder"_s, path, &error);
            QSqlQuery q(db);
            q.exec(u"BEGIN; LOCK TABLE tblVersion IN EXCLUSIVE MODE"_s);
            *locked = true;
            QThread::msleep(ms);
            q.exec(u"ROLLBACK"_s);
        }
        QSqlDatabase::removeDatabase(u"holder"_s);
    });
    while (!*locked)
        QThread::msleep(10);
    return holder;
}

// Counts the paintings of the notice shown while the program waits.
struct PaintCount : QObject
{
    int count = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += event->type() == QEvent::Paint && watched->objectName() == u"lblWaiting"_s;
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(CommitCutter::Cut)

class tst_ServerSessions : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_state;

    // Runs the test server's script on this test's own server.
    bool server(const QString &action)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(u"bash"_s, {qEnvironmentVariable("VIDEOSTORE_TEST_SCRIPT"), action, m_state});
        return p.waitForFinished(90000) && p.exitCode() == 0;
    }
    // The server's folder: its socket, its log, its data.
    QString folder()
    {
        QFile f(m_state);
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readLine().trimmed()) : QString();
    }

    // A checkout at the window, up to the click on Check Out: tape 1001
    // rented (and a unit of item 8 bought), paid in cash, the verification
    // answered Yes.
    static frmCheckout &billReady(TestStore &s, bool withItem = false)
    {
        frmCheckout &w = s.windows().checkout();
        w.show();
        lookUp(w, w.txtMemberID, u"1"_s);
        rent(w, u"1001"_s);
        if (withItem)
            buy(w, u"8"_s, u"1"_s);
        payBy(w, w.optCash);
        typeInto(*w.txtCash, u"20"_s);
        s.ws().answer(Answer::Yes);
        return w;
    }

private slots:
    void initTestCase()
    {
        // Few connections, so that a full server is quickly made; and the
        // server's log flushed to disk as in a shop, for what a crash keeps.
        qputenv("PG_TEST_SERVER_OPTIONS", "-c max_connections=20 -c fsync=on -c synchronous_commit=on");
        m_state = m_dir.filePath(u"server.state"_s);
        QVERIFY2(server(u"start"_s), "the test's server did not start");
        qputenv("VIDEOSTORE_TEST_SERVER", m_state.toLocal8Bit());
        qputenv("VIDEOSTORE_TEST_ENGINE", "postgresql");
    }

    void cleanupTestCase()
    {
        server(u"thaw"_s);
        server(u"stop"_s);
    }

    // A report's rows come a batch at a time: none lost or repeated at a
    // batch's edge, statements run between batches do not cut the stream,
    // and a stream read to its end or left early frees its cursor.
    void streamedRowsComeInBatchesAndNoCursorStaysOpen()
    {
        TestStore t;
        Database db(t.path());
        QVERIFY(db.beginSnapshot(u"read"_s, Database::Reading::OnePass));
        constexpr int Batch = ServerConnection::BatchRows;
        auto cursors = [&] {
            return db.scalar(u"count"_s, u"SELECT COUNT(*) FROM pg_cursors WHERE name <> ''"_s).value_or(-1).toInt();
        };
        for (const int stop : {2 * Batch + 7, Batch + 1}) {
            auto q = db.stream(u"stream"_s, u"SELECT n FROM generate_series(1, ?) AS n ORDER BY n"_s, {2 * Batch + 7});
            QVERIFY(q);
            int read = 0;
            while (read < stop && q->next()) {
                if (q->value(0).toInt() != ++read)
                    QFAIL(qPrintable(u"row %1 read as %2"_s.arg(read).arg(q->value(0).toInt())));
                // Once the statement is new, once already prepared.
                if (read % Batch == Batch - 1)
                    QCOMPARE(cursors(), 1);
            }
            QVERIFY(!q->lastError().isValid());
            QCOMPARE(read, stop);
        }
        QCOMPARE(cursors(), 0);
        db.endSnapshot();
    }

    // Counted on the socket: statements sent together share a round trip.
    void aCheckoutTakesFewRoundTrips()
    {
        TestStore s;
        stock(s);
        QTemporaryDir between;
        CommitCutter relay(folder(), between.path());
        CheckoutStore counter(u"postgresql://postgres@/%1?host=%2"_s.arg(databaseOf(s), between.path()));
        // What the counters benchmark does for one checkout; the bill is
        // priced beforehand, as the counter prices it while it is filled.
        auto checkout = [&](qint32 first, const CheckoutPlan &plan) {
            QVERIFY(counter.findTyped(1, u"1"_s).status == MemberLookup::Typed::Status::Done);
            QVERIFY(counter.rentalTape(first).row && counter.rentalTape(first + 1).row && counter.item(8).row);
            QVERIFY2(counter.recordCheckout(plan), qPrintable(counter.lastError().clerkText()));
        };
        auto lines = [](qint32 first) { return QList{rentLine(first), rentLine(first + 1), buyLine(8, 1)}; };
        checkout(1001, bill(s.path(), lines(1001))); // the statements are prepared once per session
        const CheckoutPlan second = bill(s.path(), lines(1003));
        relay.roundTrips();
        checkout(1003, second);
        const auto [trips, locked] = relay.roundTrips();
        qInfo("%d round trips, %d under the writer lock", trips, locked);
        QVERIFY2(trips <= 8 && locked <= 3, qPrintable(u"%1 round trips, %2 under the lock"_s.arg(trips).arg(locked)));
        QCOMPARE(s.count(u"tblLedger"_s), 2);
    }

    void priceChangedWhileWaitingForTheLockIsRefused_data()
    {
        QTest::addColumn<QList<BillLine::Parsed>>("lines");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("told");
        QTest::newRow("item") << QList{buyLine(8, 1)} << u"UPDATE tblInventory SET Price = 15000 WHERE InventoryID = 8"_s
                              << u"The price of item 8 is now"_s;
        QTest::newRow("rental fee")
            << QList{rentLine(1001)}
            << u"INSERT INTO tblPrices (Kind, Number, InForceFrom, Name, Fee, Days, LateFee, Rate, ChangeID, ChangedAt, "
               "Counter, Hash) SELECT Kind, Number, '%1', Name, Fee + 10000, Days, LateFee, Rate, ChangeID + 100, "
               "ChangedAt, Counter, Hash FROM tblPrices WHERE Kind = 'class' AND Number = 1 ORDER BY ChangeID DESC "
               "LIMIT 1"_s.arg(StoreDate::toText(Today))
            << u"The price of tape 1001 (Alien) is now"_s;
    }

    // The bill's prices are read before the writer lock: a price changed
    // while the checkout waits for it is refused by what is read under it.
    void priceChangedWhileWaitingForTheLockIsRefused()
    {
        QFETCH(QList<BillLine::Parsed>, lines);
        QFETCH(QString, change);
        QFETCH(QString, told);
        TestStore s;
        stock(s);
        const CheckoutPlan plan = bill(s.path(), lines);
        std::atomic<bool> locked{false};
        std::thread repricer([&] {
            {
                QString error;
                QSqlDatabase db = Database::connect(u"repricer"_s, s.path(), &error);
                QSqlQuery q(db);
                q.exec(u"BEGIN; LOCK TABLE tblVersion IN EXCLUSIVE MODE"_s);
                q.exec(change);
                locked = true;
                QThread::msleep(700);
                q.exec(u"COMMIT"_s);
            }
            QSqlDatabase::removeDatabase(u"repricer"_s);
        });
        while (!locked)
            QThread::msleep(10);
        CheckoutStore counter(s.path());
        const bool saved = counter.recordCheckout(plan);
        repricer.join();
        QVERIFY(!saved);
        QVERIFY2(counter.lastError().clerkText().startsWith(told), qPrintable(counter.lastError().clerkText()));
        QCOMPARE(s.value(u"SELECT (SELECT COUNT(*) FROM tblRentals) + (SELECT COUNT(*) FROM tblSalesDetails)"_s).toInt(),
                 0);
        QCOMPARE(s.value(u"SELECT Quantity FROM tblInventory WHERE InventoryID = 8"_s).toInt(), 1000);
    }

    void windowsShareOneSessionAndAReportKeepsItsOwn()
    {
        TestStore s;
        stock(s);
        for (int m = 2; m <= 5; ++m)
            s.addMember(m, u"First"_s, u"Last %1"_s.arg(m));
        WindowRegistry &windows = s.windows();
        const QList<QWidget *> opened{&windows.checkout(), &windows.returns(), &windows.payment(), &windows.secur()};
        for (QWidget *w : opened)
            w->show();
        lookUp(windows.checkout(), windows.checkout().txtMemberID, u"1"_s);
        QVERIFY(windows.openReport(ReportId::CustomerList));
        QVERIFY(sessions(s, 2) <= 2);

        {
            // A report read row by row in its moment of the store, while
            // another window of the program writes.
            ReportStore report(s.path(), ReportCommands::customerList());
            QVERIFY(report.open() && report.startStream());
            QCOMPARE(report.rows(0, 2)->size(), 2);
            CustomerStore add(s.path());
            MemberRow m;
            m.number = 6;
            m.lastName = u"Late"_s;
            QCOMPARE(add.addMember(m), CustomerStore::Outcome::Done);
            const auto rest = report.rows(2, 100);
            QVERIFY2(rest, qPrintable(report.lastError().detail));
            QCOMPARE(rest->size(), 3);
            QVERIFY2(CheckoutStore(s.path()).recordCheckout(bill(s.path(), {rentLine(1001)})), "saved beside the report");
        }
        windows.reportPreview(ReportId::CustomerList).close();
        for (QWidget *w : opened)
            w->hide();
        QVERIFY(sessions(s, 1) <= 1);
    }

    void restartedServerIsNotToldToTheClerk()
    {
        TestStore s;
        stock(s);
        frmCheckout &w = s.windows().checkout();
        w.show();
        lookUp(w, w.txtMemberID, u"1"_s);
        QVERIFY(server(u"restart"_s));
        s.ws().clear();
        lookUp(w, w.txtMemberID, u"1"_s);
        QVERIFY2(s.ws().boxes().isEmpty(), qPrintable(s.ws().prompts().join(u" | "_s)));
        QCOMPARE(w.txtMemberName->text(), u"Ann Smith"_s);
        billReady(s);
        QVERIFY(server(u"restart"_s));
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QVERIFY2(w.List3->count() == 0, qPrintable(s.ws().last().prompt));
        QCOMPARE(valueIn(s.path(), u"SELECT COUNT(*) FROM tblRentals WHERE VideoID = 1001"_s).toInt(), 1);
    }

    void benchmarkSurvivesARestart()
    {
        TestStore s;
        stock(s, 40000);
        for (int m = 2; m <= 20; ++m)
            s.addMember(m, u"First"_s, u"Last %1"_s.arg(m));
        QProcess bench;
        bench.start(QStringLiteral(VIDEOSTORE_BENCH), {u"--store"_s, s.path(), u"--counters"_s, u"2"_s,
                                                       u"--seconds"_s, u"4"_s});
        QVERIFY(bench.waitForStarted());
        QThread::msleep(1500);
        QVERIFY(server(u"restart"_s));
        QVERIFY(bench.waitForFinished(60000));
        const QString out = QString::fromUtf8(bench.readAllStandardOutput());
        QVERIFY2(bench.exitStatus() == QProcess::NormalExit && bench.exitCode() == 0,
                 qPrintable(out + QString::fromUtf8(bench.readAllStandardError())));
        QVERIFY2(out.contains(u"store checked"_s), qPrintable(out));
    }

    void serverNotAnsweringAtCheckOutIsToldAndTheBillKept()
    {
        TestStore s;
        stock(s);
        frmCheckout &w = billReady(s, true);
        const QStringList bill = listLines(w.List3);
        QVERIFY(server(u"freeze"_s));
        QElapsedTimer clock;
        clock.start();
        clickOn(*w.cmdCheckOut);
        const qint64 waited = clock.elapsed();
        QVERIFY(server(u"thaw"_s));
        QVERIFY2(waited < 15000, qPrintable(QString::number(waited)));
        const QString told = s.ws().last().prompt;
        QVERIFY2(told.contains(u"server cannot be reached"_s), qPrintable(told));
        QCOMPARE(listLines(w.List3), bill);
        QCOMPARE(valueIn(s.path(), u"SELECT (SELECT COUNT(*) FROM tblRentals) + (SELECT COUNT(*) FROM tblReceipts)"_s)
                     .toInt(),
                 0);

        // The same bill, once more: the window connects again by itself.
        s.ws().answer(Answer::Yes);
        s.ws().answer(Answer::No);
        clickOn(*w.cmdCheckOut);
        QVERIFY2(w.List3->count() == 0, qPrintable(s.ws().last().prompt));
        QCOMPARE(valueIn(s.path(), u"SELECT Quantity FROM tblInventory WHERE InventoryID = 8"_s).toInt(), 999);
    }

    void serverStoppedMidCheckoutIsWaitedFor_data()
    {
        QTest::addColumn<bool>("back");
        QTest::newRow("back within the wait") << true;
        QTest::newRow("not back") << false;
    }

    // The server stops at once under a checkout, as after a crash: the
    // counter waits for it with a notice and carries on when it is back,
    // or names the checkout and the server's reason when it is not.
    void serverStoppedMidCheckoutIsWaitedFor()
    {
        QFETCH(bool, back);
        TestStore s;
        stock(s);
        // The item line waits, once, long enough for the server to stop under it.
        s.exec(u"CREATE SEQUENCE once"_s);
        s.exec(u"CREATE FUNCTION slow() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF nextval('once') = 1 THEN "
               "PERFORM pg_sleep(4); END IF; RETURN NEW; END $$"_s);
        s.exec(u"CREATE TRIGGER slow BEFORE INSERT ON tblSalesDetails FOR EACH ROW EXECUTE FUNCTION slow()"_s);
        frmCheckout &w = billReady(s, true);
        const QStringList bill = listLines(w.List3);
        if (back)
            s.ws().answer(Answer::No); // no receipt
        std::thread halt([&] {
            QThread::msleep(800);
            server(u"halt"_s);
            if (back) {
                QThread::msleep(1500);
                server(u"resume"_s);
            }
        });
        clickOn(*w.cmdCheckOut);
        halt.join();
        QVERIFY(back || server(u"resume"_s));
        QVERIFY(s.ws().waits().contains(u"Waiting for the store server to come back..."_s));
        QVERIFY(!s.ws().isWaiting());
        const QString told = s.ws().last().prompt;
        if (back) {
            QVERIFY2(w.List3->count() == 0, qPrintable(told));
            QCOMPARE(valueIn(s.path(), u"SELECT Quantity FROM tblInventory WHERE InventoryID = 8"_s).toInt(), 999);
        } else {
            QVERIFY2(told.startsWith(u"The checkout was not saved: "_s) && told.contains(u"(the server said: "_s),
                     qPrintable(told));
            QCOMPARE(listLines(w.List3), bill);
            QCOMPARE(valueIn(s.path(), u"SELECT COUNT(*) FROM tblReceipts"_s).toInt(), 0);
        }
    }

    // Another counter holds the writer lock: the window shows a busy cursor
    // and a notice, repaints, and takes no keys; all of it gone once saved.
    void waitForAnotherCounterIsShown()
    {
        TestStore s;
        stock(s);
        frmCheckout &w = billReady(s);
        std::thread holder = holdWriterLock(s.path(), 1500);
        PaintCount painted;
        qApp->installEventFilter(&painted);
        QPointer<QLabel> notice;
        bool busy = true, typed = false;
        s.ws().whileWaiting = [&] {
            for (QWidget *widget : QApplication::allWidgets())
                if (widget->objectName() == u"lblWaiting"_s)
                    notice = qobject_cast<QLabel *>(widget);
            const QCursor *cursor = QApplication::overrideCursor();
            busy = busy && cursor && cursor->shape() == Qt::WaitCursor && notice && notice->isVisible()
                   && notice->text() == u"Waiting for another counter..."_s;
            const QString cash = w.txtCash->text();
            QTest::keyClick(w.txtCash, Qt::Key_5);
            typed = typed || w.txtCash->text() != cash;
        };
        s.ws().answer(Answer::No); // no receipt
        clickOn(*w.cmdCheckOut);
        holder.join();
        qApp->removeEventFilter(&painted);
        QVERIFY(s.ws().waits().contains(u"Waiting for another counter..."_s));
        QVERIFY(busy && !typed);
        QVERIFY(painted.count > 0);
        QVERIFY(!s.ws().isWaiting() && !QApplication::overrideCursor() && !notice);
        QCOMPARE(s.count(u"tblRentals"_s), 1);
    }

    void writerLockHeldLong_data()
    {
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<bool>("saved");
        QTest::newRow("past the lock timeout") << 3500 << true;
        QTest::newRow("past the bound") << 11000 << false;
    }

    void writerLockHeldLong()
    {
        QFETCH(int, heldMs);
        QFETCH(bool, saved);
        TestStore s;
        stock(s);
        // Another counter stuck while it holds the writer lock.
        std::thread holder = holdWriterLock(s.path(), heldMs);
        CheckoutStore counter(s.path());
        const bool done = counter.recordCheckout(bill(s.path(), {rentLine(1001)}));
        holder.join();
        QCOMPARE(done, saved);
        if (!saved)
            QVERIFY2(counter.lastError().clerkText().contains(u"waited for its turn"_s),
                     qPrintable(counter.lastError().clerkText()));
        QCOMPARE(s.count(u"tblRentals"_s), saved ? 1 : 0);
    }

    void commitWithoutAnAnswerIsSettled_data()
    {
        QTest::addColumn<CommitCutter::Cut>("cut");
        QTest::addColumn<QList<BillLine::Parsed>>("lines");
        const QList<BillLine::Parsed> both{rentLine(1001), buyLine(8, 1)};
        QTest::newRow("answer lost") << CommitCutter::Cut::AfterServer << both;
        QTest::newRow("commit lost") << CommitCutter::Cut::BeforeServer << both;
        QTest::newRow("server process stopped, tapes") << CommitCutter::Cut::Stopped
                                                       << QList{rentLine(1001), rentLine(1002)};
        QTest::newRow("server process stopped, items only") << CommitCutter::Cut::Stopped << QList{buyLine(8, 2)};
    }

    void commitWithoutAnAnswerIsSettled()
    {
        QFETCH(CommitCutter::Cut, cut);
        QFETCH(QList<BillLine::Parsed>, lines);
        TestStore s;
        stock(s);
        QTemporaryDir between;
        CommitCutter cutter(folder(), between.path());
        CheckoutStore counter(
            u"postgresql://postgres@/%1?host=%2&application_name=cut"_s.arg(databaseOf(s), between.path()));
        QVERIFY(counter.item(8).row);
        cutter.arm(cut, s.value(u"SELECT pid FROM pg_stat_activity WHERE application_name = 'cut'"_s).toInt());
        // Saved once, and told so: never twice, never "not saved", never in doubt.
        QVERIFY2(counter.recordCheckout(bill(s.path(), lines)), qPrintable(counter.lastError().clerkText()));
        int rentals = 0, unitsSold = 0;
        for (const BillLine::Parsed &line : std::as_const(lines))
            line.kind == BillLine::Kind::Rent ? ++rentals : unitsSold += line.quantity;
        QCOMPARE(s.count(u"tblRentals"_s), rentals);
        QCOMPARE(1000 - s.value(u"SELECT Quantity FROM tblInventory WHERE InventoryID = 8"_s).toInt(), unitsSold);
    }

    // A checkout told saved is on disk before the clerk hears it: with the
    // server's log writer held still, then killed, the server starts again
    // from what its log had flushed.
    void savedCheckoutOutlivesACrash()
    {
        TestStore s;
        stock(s);
        const CheckoutPlan plan = bill(s.path(), {rentLine(1001), buyLine(8, 1)});
        const int writer = s.value(u"SELECT pid FROM pg_stat_activity WHERE backend_type = 'walwriter'"_s).toInt();
        QVERIFY(writer > 0);
        ::kill(writer, SIGSTOP);
        CheckoutStore counter(s.path());
        const bool saved = counter.recordCheckout(plan);
        ::kill(writer, SIGKILL);
        QVERIFY2(saved, qPrintable(counter.lastError().clerkText()));
        // Back once it takes connections again.
        auto back = [&] {
            QString error;
            const bool open = Database::connect(u"probe"_s, s.path(), &error).isOpen();
            QSqlDatabase::removeDatabase(u"probe"_s);
            return open;
        };
        for (int tries = 0; tries < 150 && !back(); ++tries)
            QThread::msleep(200);
        QCOMPARE(valueIn(s.path(), u"SELECT COUNT(*) FROM tblRentals WHERE VideoID = 1001"_s).toInt(), 1);
    }

    void refusedSessionsToldAsWhatTheyAre()
    {
        TestStore s;
        stock(s);
        const QString database = databaseOf(s);
        // A session had before the server filled up knows how many it allows.
        QVERIFY(CheckoutStore(s.path()).item(8).row);

        // Every connection the server allows taken.
        QStringList taken;
        for (int i = 0; i < 25; ++i) {
            const QString name = u"filler%1"_s.arg(i);
            QString error;
            if (!Database::connect(name, s.path(), &error).isOpen()) {
                QSqlDatabase::removeDatabase(name);
                break;
            }
            taken << name;
        }
        CheckoutStore full(s.path());
        QVERIFY(full.item(8).failed);
        const QString told = full.lastError().clerkText();
        QVERIFY2(told.startsWith(u"The database server has no free connection for this counter (it allows 20)"_s)
                     && told.contains(u"raise max_connections"_s),
                 qPrintable(told));
        QVERIFY(ServerStore::prepare(s.path()).message.contains(u"no free connection"_s));
        for (const QString &name : std::as_const(taken)) {
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }

        // A line of pg_hba.conf that turns this database away.
        QFile hba(folder() + u"/data/pg_hba.conf"_s);
        QVERIFY(hba.open(QIODevice::ReadOnly));
        const QByteArray lines = hba.readAll();
        hba.close();
        auto write = [&](const QByteArray &text) {
            QVERIFY(hba.open(QIODevice::WriteOnly | QIODevice::Truncate));
            hba.write(text);
            hba.close();
            s.exec(u"SELECT pg_reload_conf()"_s);
            QThread::msleep(300);
        };
        write("local " + database.toUtf8() + " all reject\n" + lines);
        auto restore = qScopeGuard([&] { write(lines); });
        CheckoutStore refused(s.path());
        QVERIFY(refused.item(8).failed);
        const QString refusal = refused.lastError().clerkText();
        QVERIFY2(refusal.contains(u"pg_hba.conf"_s) && refusal.contains(database) && !refusal.contains(u"password"_s),
                 qPrintable(refusal));
        const QString atStart = ServerStore::prepare(s.path()).message;
        QVERIFY2(atStart.contains(u"pg_hba.conf"_s) && atStart.contains(database), qPrintable(atStart));
    }
};

QTEST_MAIN(tst_ServerSessions)
#include "tst_ServerSessions.moc"
