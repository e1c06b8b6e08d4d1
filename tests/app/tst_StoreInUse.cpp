#include "TestSupport.h"

#include "counter/CheckoutStore.h"
#include "counter/frmCheckout.h"
#include "customers/CustomerStore.h"
#include "data/Database.h"
#include "data/StoreFile.h"
#include "data/StoreLock.h"
#include "returns/ReturnsStore.h"
#include "ui/FileDialogs.h"

#include <QApplication>

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What another program reading the store sees: the rentals' tapes, through
// the report command (which runs its own checks and its own connection).
QStringList rentedTapes(const QString &store, const QString &folder)
{
    const QString csv = folder + u"/seen.csv"_s;
    QFile::remove(csv);
    const ProgramRun r = runProgram(QStringLiteral(VIDEOSTORE_EXE),
                                    {u"--store"_s, store, u"--report"_s, u"rental-revenue"_s, u"--csv"_s, csv});
    if (r.code != 0)
        qFatal("the report failed: %s", qPrintable(r.err));
    QFile f(csv);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no report written");
    QStringList tapes;
    for (const QByteArray &line : f.readAll().split('\n').mid(1))
        if (!line.trimmed().isEmpty())
            tapes << QString::fromLatin1(line.split(',').value(3));
    return tapes;
}

// The counter with a member and three tapes; `beforeOpening` runs once
// they are in the store, before the counter opens it.
frmCheckout &counter(TestStore &s, const std::function<void()> &beforeOpening = {})
{
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMovie(10, u"Alien"_s, 2, 1);
    for (int tape = 1; tape <= 3; ++tape)
        s.addTape(tape, 10);
    if (beforeOpening)
        beforeOpening();
    frmCheckout &w = s.windows().checkout();
    w.show();
    return w;
}

// Rents `tape` to member 1 for cash and answers the boxes of a checkout.
void checkOut(TestStore &s, frmCheckout &w, int tape)
{
    lookUp(w, w.txtMemberID, u"1"_s);
    rent(w, QString::number(tape));
    payBy(w, w.optCash);
    typeInto(*w.txtCash, u"20"_s);
    s.ws().answer(Answer::Yes); // the cash is verified
    s.ws().answer(Answer::No);  // no receipt
    clickOn(*w.cmdCheckOut);
}

QString wal(const TestStore &s)
{
    return s.path() + u"-wal"_s;
}

// How many descriptors the process `pid` has open on the file at `path`:
// by device and inode, so a store a restore put aside still counts.
int openOn(qint64 pid, const QString &path)
{
    struct stat file, st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &file) != 0)
        return 0;
    int n = 0;
    const QDir fds(u"/proc/%1/fd"_s.arg(pid));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        n += ::stat(QFile::encodeName(fds.filePath(fd)).constData(), &st) == 0 && st.st_dev == file.st_dev
             && st.st_ino == file.st_ino;
    return n;
}

// A counter's start and its first business, as a child of the test: the
// program's own start on the store, then member 1000 + n added, tape 200 + n
// taken back and tape 100 + n rented, each said once the store has it.
int startAndWrite(const QString &path, int n)
{
    QTextStream out(stdout);
    StoreLock inUse;
    inUse.acquire(path, StoreLock::Mode::Shared, StoreLock::RestoreWaitMs);
    if (const StoreFile::Outcome start = StoreFile::prepare(path); !start.ok)
        return (out << start.message << Qt::endl, 1);
    if (CustomerStore(path).addMember({1000 + n, u"Counter"_s, u"Counter"_s}) == CustomerStore::Outcome::Done)
        out << "member " << 1000 + n << Qt::endl;
    if (!ReturnsStore(path).returnTapes({200 + n}, QDate::currentDate()).closed.isEmpty())
        out << "return " << 200 + n << Qt::endl;
    CheckoutPlan plan{1, QDate::currentDate(), {{BillLine::Kind::Rent, 100 + n, 0}}};
    priceBill(path, plan);
    plan.money.payCash(Money::fromCents(5000));
    if (CheckoutStore(path).recordCheckout(plan))
        out << "checkout " << 100 + n << Qt::endl;
    return 0;
}

} // namespace

class tst_StoreInUse : public QObject
{
    Q_OBJECT

private slots:
    // The save dialog shown on the store's folder, then another program
    // closing the store: Qt's own icon provider would read the store's files
    // and take the program's locks with them, so that the other program
    // deletes the -wal; with the program's, the -wal stays and the next
    // checkout reaches the store.
    void saveDialogOnTheStoresFolder()
    {
        TestStore s;
        frmCheckout &w = counter(s);
        checkOut(s, w, 1);
        const auto dialog = FileDialogs::saveDialog(nullptr, u"Save as CSV"_s, u"Rental Revenue.csv"_s,
                                                    u"CSV files (*.csv)"_s, s.path());
        auto *model = dialog->findChild<QFileSystemModel *>();
        QVERIFY(model);
        QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
        const QString folder = QFileInfo(s.path()).absolutePath();
        dialog->setDirectory(folder);
        dialog->show();
        // Every file of the folder listed, its icon and type worked out.
        QTRY_VERIFY_WITH_TIMEOUT(std::any_of(loaded.cbegin(), loaded.cend(),
                                             [&](const QList<QVariant> &signal) { return signal.value(0) == folder; }),
                                 5000);
        QTest::qWait(200);
        dialog->reject();

        QTemporaryDir other;
        QCOMPARE(rentedTapes(s.path(), other.path()), QStringList{u"1"_s});
        checkOut(s, w, 2);
        QVERIFY(QFileInfo::exists(wal(s)));
        QCOMPARE(rentedTapes(s.path(), other.path()), (QStringList{u"1"_s, u"2"_s}));
    }

    // The counter's working files gone from under it: through a plain
    // descriptor of the store opened and closed in this process (another
    // program then takes itself for the last user and deletes them), or the
    // -wal removed by another program, after the counter's first write or
    // before it opened the store. The next checkout writes nothing and says
    // which file went, the bill stays, and every later write is refused too.
    void lostWorkingFilesStopEveryWrite_data()
    {
        QTest::addColumn<int>("hazard");
        QTest::newRow("a descriptor closed") << 0;
        QTest::newRow("the -wal removed after a write") << 1;
        QTest::newRow("the -wal removed before the counter opened") << 2;
    }
    void lostWorkingFilesStopEveryWrite()
    {
        QFETCH(int, hazard);
        TestStore s;
        frmCheckout &w = counter(s, [&] {
            if (hazard == 2) // its -wal first emptied, so that what was written stays readable
                QVERIFY(s.value(u"PRAGMA wal_checkpoint(TRUNCATE)"_s).isValid() && QFile::remove(wal(s)));
        });
        QTemporaryDir other;
        if (hazard < 2)
            checkOut(s, w, 1);
        if (hazard == 0) {
            ::close(::open(QFile::encodeName(s.path()).constData(), O_RDONLY));
            QCOMPARE(rentedTapes(s.path(), other.path()), QStringList{u"1"_s});
            QVERIFY(!QFileInfo::exists(wal(s)));
        }
        QVERIFY(hazard != 1 || QFile::remove(wal(s)));

        s.ws().clear();
        checkOut(s, w, 2);
        const QString told = s.ws().prompts().join(u" | "_s);
        QVERIFY2(told.contains(u"The store's working file \"%1\" was removed or replaced by another program while "
                               "this one was using it, so the store database could not record the checkout. Nothing "
                               "of it was saved"_s.arg(wal(s)))
                     && told.contains(u"The store must be closed everywhere and opened again"_s),
                 qPrintable(told));
        QCOMPARE(w.List3->count(), 1); // the bill is kept
        if (hazard == 0)
            QCOMPARE(rentedTapes(s.path(), other.path()), QStringList{u"1"_s});

        // A connection opened afterwards writes nothing either.
        Database late(s.path());
        QVERIFY(!late.transaction(u"add the member"_s, [&] {
            return late.run(u"add the member"_s, u"INSERT INTO tblMembers (CustomerNumber) VALUES (7)"_s).has_value();
        }));
        QCOMPARE(late.lastError().kind, DbError::Kind::FilesLost);
    }

    // Counters started at the same moment on a store nobody has open (no
    // -wal beside it), or on none yet: each starts, and whatever each says
    // it wrote is in the store, whole.
    void countersStartedTogetherLoseNothing_data()
    {
        QTest::addColumn<int>("counters");
        QTest::addColumn<bool>("made");
        QTest::newRow("two") << 2 << false;
        QTest::newRow("four") << 4 << false;
        QTest::newRow("four, no store yet") << 4 << true; // each adds its member only
    }
    void countersStartedTogetherLoseNothing()
    {
        QFETCH(int, counters);
        QFETCH(bool, made);
        QTemporaryDir dir;
        const QString model = dir.filePath(u"model.db"_s);
        {
            TestStore s;
            s.addMember(1, u"Ann"_s, u"Smith"_s);
            s.addMovie(10, u"Alien"_s, 2, 2);
            for (int n = 0; n < counters; ++n) {
                s.addTape(100 + n, 10);
                s.addTape(200 + n, 10, true, false, false);
                s.addRental(n + 1, 1, 200 + n, u"2026-01-02"_s);
            }
            s.value(u"VACUUM INTO ?"_s, {model});
        }
        valueIn(model, u"PRAGMA journal_mode=WAL"_s); // as the program leaves it, with no -wal beside it
        for (int round = 0; round < 20; ++round) {
            const QString store = dir.filePath(u"round%1.db"_s.arg(round));
            QVERIFY(made || QFile::copy(model, store));
            QProcess children[4];
            for (int n = 0; n < counters; ++n)
                children[n].start(QCoreApplication::applicationFilePath(), {u"--start-and-write"_s, store, QString::number(n)});
            QStringList told;
            for (int n = 0; n < counters; ++n) {
                QVERIFY(children[n].waitForFinished(30000));
                told += QString::fromLocal8Bit(children[n].readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
            }
            QVERIFY2(told.size() == (made ? 1 : 3) * counters, qPrintable(told.join(u" | "_s)));
            QCOMPARE(valueIn(store, u"PRAGMA integrity_check"_s).toString(), u"ok"_s);
            told.sort();
            QCOMPARE(valueIn(store, u"SELECT group_concat(x, ',') FROM (SELECT 'member ' || CustomerNumber AS x FROM "
                                    "tblMembers WHERE CustomerNumber >= 1000 UNION ALL SELECT IIF(Returned, 'return ', "
                                    "'checkout ') || VideoID FROM tblRentals WHERE Returned = (VideoID >= 200) ORDER BY x)"_s)
                         .toString(),
                     told.join(u","_s));
        }
    }

    // A restore and a program starting on the store a moment later: either
    // may get there first. Once the program holds the store the restore is
    // refused; before that it is done, and the program then works on the
    // restored store, never on the one put aside.
    void restoreWhileTheProgramStarts()
    {
        int refused = 0;
        for (int round = 0; round < 8; ++round) {
            QTemporaryDir dir;
            const QString store = dir.filePath(u"video.db"_s), source = dir.filePath(u"source.db"_s);
            QVERIFY(StoreFile::prepare(store).ok && StoreFile::prepare(source).ok);
            QProcess program, restore;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
            program.setProcessEnvironment(env);
            restore.start(QStringLiteral(VIDEOSTORE_EXE), {u"--store"_s, store, u"--restore"_s, source});
            QTest::qWait(round * 8);
            program.start(QStringLiteral(VIDEOSTORE_EXE), {u"--store"_s, store});
            QVERIFY(program.waitForStarted());
            QVERIFY(restore.state() == QProcess::NotRunning || restore.waitForFinished(30000));
            const QString out = QString::fromLocal8Bit(restore.readAllStandardOutput()),
                          err = QString::fromLocal8Bit(restore.readAllStandardError());
            const QString keptAs = restore.exitCode() == 0 ? out.section(u"is kept as "_s, 1).trimmed().chopped(1) : QString();
            if (restore.exitCode() == 0)
                QVERIFY2(QFileInfo::exists(keptAs), qPrintable(keptAs));
            else
                QVERIFY2(err.contains(u"open in a running Video Store program"_s), qPrintable(err));
            refused += restore.exitCode() != 0;

            // Up: the day's copy is made once the main menu is shown.
            const QString daily = dir.filePath(u"backups/video-%1.db"_s.arg(QDate::currentDate().toString(Qt::ISODate)));
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(daily), 10000);
            const int current = openOn(program.processId(), store), replaced = openOn(program.processId(), keptAs);
            QVERIFY2(current > 0 && replaced == 0, qPrintable(u"round %1: %2 open on the store, %3 on the replaced one"_s
                                                                  .arg(round).arg(current).arg(replaced)));
            ::kill(pid_t(program.processId()), SIGTERM);
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitCode(), 0);
        }
        qInfo("%d of 8 restores refused, the others done before the program held the store", refused);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--start-and-write") {
        QCoreApplication app(argc, argv);
        return startAndWrite(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    QApplication app(argc, argv);
    tst_StoreInUse test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_StoreInUse.moc"
