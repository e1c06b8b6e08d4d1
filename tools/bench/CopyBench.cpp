// Moving a store: --copy-to into a new file, beside the engine's own copy of
// the same file. A copy into a server needs an empty database made for it,
// so it is timed by hand (see the README).
#include "Bench.h"

#include "data/StoreCopy.h"

#include <QTemporaryDir>

void benchCopy(Bench &bench)
{
    if (bench.floor().onServer())
        return;
    QTemporaryDir dir;
    int n = 0;
    const double copy = measure(1, {}, [&] {
        const StoreCopy::Outcome out = StoreCopy::copy(bench.path(), dir.filePath(QStringLiteral("copy%1.db").arg(++n)));
        if (!out.ok)
            qFatal("%s", qPrintable(out.message));
    });
    const double floor = measure(1, {}, [&] {
        bench.floor().run(QStringLiteral("VACUUM INTO ?"), {dir.filePath(QStringLiteral("floor.db"))});
    });
    bench.add(QStringLiteral("--copy-to a new file (the whole store, checked)"), copy, floor, 60000);
}
