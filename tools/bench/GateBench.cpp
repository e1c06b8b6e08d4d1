// The security gate: checking a manager code against the store's hash.
#include "Bench.h"

#include "data/GateStore.h"
#include "app/ManagerCode.h"
#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "app/frmSecur.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <sodium.h>

void benchGate(Bench &bench)
{
    const QString code = QStringLiteral("Bench-code-2026");
    const QByteArray hash = ManagerCode::hash(code);
    if (hash.isEmpty() || !GateStore(bench.path()).setCode(hash, QDateTime::currentDateTime(), 0))
        qFatal("could not give the benchmark's store a manager code");
    // Each check is meant to take about half a second: a few runs tell.
    const int runs = qMin(bench.runs(), 5);

    // The right code for the code change, which is then cancelled: the
    // check, its line in the log and the boxes.
    const auto windows = bench.menuShown();
    frmSecur &gate = windows->secur();
    const double t = measure(
        runs,
        [&] {
            windows->main().mnuCode->trigger();
            gate.txtCode->setText(code);
            bench.ws().type(QString());
        },
        [&] {
            gate.cmdSubmit->click();
            QCoreApplication::processEvents();
        });
    const QByteArray typed = code.toUtf8();
    const double floor = measure(runs, {}, [&] {
        if (crypto_pwhash_str_verify(hash.constData(), typed.constData(), typed.size()) != 0)
            qFatal("the bare check refused the right code");
    });
    bench.add(QStringLiteral("check the manager code at the gate"), t, floor, 1000);
}
