#include "app/Application.h"
#include "app/SignalExit.h"
#include "app/WindowRegistry.h"
#include "data/StoreFile.h"
#include "ui/QtWindowSystem.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    nameApplication(app);
    QtWindowSystem ws;
    const auto windows = startVideoStore(StoreFile::defaultPath(), ws);
    if (!windows)
        return 1;
    SignalExit exitOnSignal([&] { windows->exitProgram(); });
    return app.exec();
}
