#include "TestSupport.h"

#include "counter/frmCheckout.h"
#include "data/Database.h"
#include "data/StoreFile.h"
#include "ui/FileDialogs.h"

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

frmCheckout &counter(TestStore &s)
{
    s.addMember(1, u"Ann"_s, u"Smith"_s);
    s.addMovie(10, u"Alien"_s, 2, 1);
    for (int tape = 1; tape <= 3; ++tape)
        s.addTape(tape, 10);
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

    // The hazard as any code could make it: a plain descriptor of the store
    // opened and closed in this process. Another program then deletes the
    // working files; the next checkout writes nothing and says why, the
    // bill stays, and every later write is refused too, while what was
    // committed before is in the store.
    void lostWorkingFilesStopEveryWrite()
    {
        TestStore s;
        frmCheckout &w = counter(s);
        checkOut(s, w, 1);
        const int fd = ::open(QFile::encodeName(s.path()).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        ::close(fd);
        QTemporaryDir other;
        QCOMPARE(rentedTapes(s.path(), other.path()), QStringList{u"1"_s});
        QVERIFY(!QFileInfo::exists(wal(s)));

        s.ws().clear();
        checkOut(s, w, 2);
        const QStringList told = s.ws().prompts();
        QVERIFY2(told.last().startsWith(u"The store's working files were removed by another program while this one "
                                        "was using them, so the store database could not record the checkout. "
                                        "Nothing of it was saved"_s)
                     && told.last().contains(u"Close the program and start it again"_s),
                 qPrintable(told.last()));
        QCOMPARE(w.List3->count(), 1); // the bill is kept
        QCOMPARE(rentedTapes(s.path(), other.path()), QStringList{u"1"_s});

        // A connection opened afterwards writes nothing either, until a restart.
        Database late(s.path());
        QVERIFY(!late.transaction(u"add the member"_s, [&] {
            return late.run(u"add the member"_s, u"INSERT INTO tblMembers (CustomerNumber) VALUES (7)"_s).has_value();
        }));
        QCOMPARE(late.lastError().kind, DbError::Kind::FilesLost);
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

QTEST_MAIN(tst_StoreInUse)
#include "tst_StoreInUse.moc"
