#include "Application.h"

#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"
#include "data/StoreLocation.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QApplication>

void nameApplication(QCoreApplication &app)
{
    app.setOrganizationName(QString());
    app.setApplicationName(QStringLiteral("videostore"));
}

void nameApplication(QApplication &app)
{
    nameApplication(static_cast<QCoreApplication &>(app));
    app.setApplicationDisplayName(WindowSystem::applicationTitle());
    // The desktop matches the windows to the menu entry and its icon.
    app.setDesktopFileName(QStringLiteral("videostore"));
    app.setWindowIcon(Pictures::appIcon());
    app.setQuitOnLastWindowClosed(false);
}

std::unique_ptr<WindowRegistry> startVideoStore(const QString &storePath, WindowSystem &ws)
{
    const StoreFile::Outcome store =
        StoreLocation::isServer(storePath) ? ServerStore::prepare(storePath) : StoreFile::prepare(storePath);
    if (!store.ok) {
        ws.msgBox(store.message, Buttons::Ok, Icon::Exclamation);
        return nullptr;
    }
    auto windows = std::make_unique<WindowRegistry>(storePath, ws);
    windows->main().show();
    return windows;
}
