// The largest report as CSV, as a script runs it: the program on its own,
// beside the engine's own export of the same rows, with the peak memory of
// each. Both write a file and sync it, so the floor does the same durable work.
#include "Bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct ChildRun
{
    double ms = 0;
    double peakMb = 0;
};


// Runs `program` with its output to `output`, then syncs that file. Its peak
// memory is read while it runs: a child's rusage would count the memory of
// this process, which it starts as a copy of.
ChildRun runChild(const QString &program, const QStringList &arguments, const QString &output)
{
    std::vector<QByteArray> texts{QFile::encodeName(program)};
    for (const QString &a : arguments)
        texts.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &t : texts)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    const QByteArray out = QFile::encodeName(output);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        qFatal("cannot run %s", qPrintable(program));
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    double peak = 0;
    pid_t done = 0;
    while ((done = waitpid(pid, &status, WNOHANG)) == 0) {
        peak = std::max(peak, statusMb(QStringLiteral("/proc/%1/status").arg(pid), "VmHWM:"));
        usleep(2000);
    }
    if (done != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s failed", qPrintable(program));
    const int fd = ::open(out.constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return {t.nsecsElapsed() / 1e6, peak};
}

qint64 lines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    qint64 n = 0;
    while (!f.atEnd())
        n += f.read(1 << 20).count('\n');
    return n;
}

// The report's rows and columns, as the engine writes them itself.
QString exportSql(bool server)
{
    return QStringLiteral(
               "SELECT tblRentals.RentalID AS \"Receipt Number\", tblRentals.RentalDate AS \"Date\", "
               "tblMovies.Name AS \"Movie Name\", tblVideos.VideoID AS \"Video ID\", tblRentals.CustomerNumber AS "
               "\"Customer's ID Number\", %1 AS \"Rental Price\" FROM tblRentals, tblVideos, tblMovies "
               "WHERE tblRentals.VideoID = tblVideos.VideoID AND tblVideos.MovieNum = tblMovies.MovieNum "
               "ORDER BY tblRentals.RentalID, tblRentals.VideoID, tblRentals.CustomerNumber")
        .arg(server ? QStringLiteral("round(tblRentals.RentalFee / 10000.0, 2)")
                    : QStringLiteral("CASE WHEN tblRentals.RentalFee IS NULL THEN NULL ELSE "
                                     "printf('%.2f', tblRentals.RentalFee / 10000.0) END"));
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

void benchCsvExport(Bench &bench)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("videostore"), {QDir(appDir).filePath(QStringLiteral("..")), appDir});
    if (program.isEmpty()) {
        std::fprintf(stderr, "  (no videostore program beside the benchmark: the CSV export is not timed)\n");
        return;
    }
    const bool server = bench.floor().onServer();
    const QString engine = QStandardPaths::findExecutable(server ? QStringLiteral("psql") : QStringLiteral("sqlite3"));
    QTemporaryDir dir;
    const QString ours = dir.filePath(QStringLiteral("ours.csv")), theirs = dir.filePath(QStringLiteral("engine.csv"));
    const QStringList arguments = {QStringLiteral("--store"), bench.path(), QStringLiteral("--report"),
                                   QStringLiteral("rental-revenue"), QStringLiteral("--csv"), ours,
                                   QStringLiteral("--force")};
    QStringList engineArguments;
    if (!engine.isEmpty() && server)
        engineArguments = {QStringLiteral("-q"), bench.path(), QStringLiteral("-c"),
                           QStringLiteral("\\copy (%1) TO STDOUT WITH CSV HEADER").arg(exportSql(true))};
    else if (!engine.isEmpty())
        engineArguments = {QStringLiteral("-csv"), QStringLiteral("-header"), bench.path(), exportSql(false)};

    // Turn about, so that a busy moment of the machine falls on both alike.
    const int runs = 3;
    std::vector<double> ms, mb, floorMs, floorMb;
    for (int i = 0; i < runs; ++i) {
        const ChildRun run = runChild(program, arguments, dir.filePath(QStringLiteral("said.txt")));
        ms.push_back(run.ms);
        mb.push_back(run.peakMb);
        if (engine.isEmpty()) {
            // Without the engine's program: its reading of the same rows.
            floorMs.push_back(measure(1, {}, [&] { bench.floor().run(exportSql(server)); }));
            continue;
        }
        const ChildRun floor = runChild(engine, engineArguments, theirs);
        floorMs.push_back(floor.ms);
        floorMb.push_back(floor.peakMb);
    }
    const qint64 rows = lines(ours) - 1;
    if (!engine.isEmpty() && lines(theirs) - 1 != rows)
        qFatal("the engine's export has %lld lines, the program's %lld", lines(theirs), lines(ours));
    const QString floorName = engine.isEmpty() ? QStringLiteral("its reading") : QFileInfo(engine).fileName();
    bench.add(QStringLiteral("CSV of %1 rentals, program vs %2").arg(rows).arg(floorName), median(ms),
              median(floorMs), 10000);
    bench.add(QStringLiteral("CSV of the rentals: peak memory MB vs %1").arg(floorName), median(mb),
              floorMb.empty() ? std::nullopt : std::optional<double>(median(floorMb)), 50);
}
