#include "TestSupport.h"

#include "data/OutputFile.h"

#include <QDir>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Files this process writes may grow to `bytes` while it lives.
struct FileSizeLimit
{
    rlimit before{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::signal(SIGXFSZ, SIG_IGN); // the write fails instead of the process
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{bytes, before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &before); }
};

} // namespace

class tst_OutputFile : public QObject
{
    Q_OBJECT

private slots:
    // A write that fails anywhere (here: past the largest file this process
    // may write) leaves the older file as it was and nothing beside it.
    void failedWriteLeavesTheOlderFile()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(u"report.csv"_s);
        put(target, "older");
        OutputFile file(target, {});
        QVERIFY(file.open());
        {
            const FileSizeLimit limit(64 * 1024);
            const QByteArray line(1000, 'x');
            for (int i = 0; i < 1000; ++i)
                file.device().write(line);
            QVERIFY(!file.commit());
        }
        QCOMPARE(bytes(target), QByteArray("older"));
        QCOMPARE(entries(dir.path()), QStringList{u"report.csv"_s});
    }

    // A file kept is never replaced, even when its name is taken between
    // the start and the end of the write; the writer then names its file anew.
    void keptFileIsNeverReplaced()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(u"receipt.pdf"_s), second = dir.filePath(u"receipt_2.pdf"_s);
        OutputFile file(first, {{}, OutputFile::Existing::Keep, OutputFile::Access::OwnerOnly});
        QVERIFY(file.open());
        file.device().write("mine");
        put(first, "another counter's");
        QVERIFY(!file.commit());
        QVERIFY(file.nameTaken());
        QVERIFY(file.retarget(second));
        QVERIFY2(file.commit(), qPrintable(file.error()));
        QCOMPARE(bytes(first), QByteArray("another counter's"));
        QCOMPARE(bytes(second), QByteArray("mine"));
        QCOMPARE(accessOf(second), QFile::ReadOwner | QFile::WriteOwner);

        // Cancelled (or dropped), nothing is left; nor of the write retargeted.
        {
            OutputFile dropped(dir.filePath(u"third.pdf"_s), {});
            QVERIFY(dropped.open());
            dropped.device().write("half");
        }
        QCOMPARE(entries(dir.path()), (QStringList{u"receipt.pdf"_s, u"receipt_2.pdf"_s}));
    }
};

QTEST_GUILESS_MAIN(tst_OutputFile)
#include "tst_OutputFile.moc"
