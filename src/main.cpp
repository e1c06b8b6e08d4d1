#include "app/Application.h"
#include "app/ReportOptions.h"
#include "app/SignalExit.h"
#include "app/WindowRegistry.h"
#include "data/StoreFile.h"
#include "ui/QtWindowSystem.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (ReportOptions::wanted(argc, argv)) {
        // A report from a script or from cron needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        nameApplication(app);
        return ReportOptions::run(app.arguments(), StoreFile::defaultPath());
    }
    QApplication app(argc, argv);
    nameApplication(app);
    QtWindowSystem ws;
    const auto windows = startVideoStore(StoreFile::defaultPath(), ws);
    if (!windows)
        return 1;
    SignalExit exitOnSignal([&] { windows->exitProgram(); });
    return app.exec();
}
