#include "Application.h"

#include "app/ChainWatch.h"
#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "data/Language.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"
#include "data/StoreLocation.h"
#include "data/StoreLock.h"
#include "ui/Pictures.h"
#include "ui/WindowSystem.h"

#include <QApplication>
#include <QTimer>

#include <chrono>

void nameApplication(QCoreApplication &app)
{
    app.setOrganizationName(QString());
    app.setApplicationName(QStringLiteral("videostore"));
    Language::install();
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

namespace {

// Holds the store's lock before anything reads the store, making a new
// store first when there is none.
QString lockStore(const QString &storePath, StoreLock &inUse)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        switch (inUse.acquire(storePath, StoreLock::Mode::Shared, StoreLock::RestoreWaitMs)) {
        case StoreLock::Outcome::Held:
        case StoreLock::Outcome::Failed: // the checks say why
            return {};
        case StoreLock::Outcome::Busy:
            return StoreFile::failureMessage(
                storePath, QCoreApplication::translate("Application", "It is being restored from a backup. Start the "
                                                                      "program again when that is done."));
        case StoreLock::Outcome::Missing:
            // Made whole aside and put in place; checked below once locked.
            if (const StoreFile::Outcome made = StoreFile::prepare(storePath); !made.ok)
                return made.message;
            break;
        }
    }
    return StoreFile::failureMessage(storePath, QCoreApplication::translate("Application", "It keeps disappearing."));
}

} // namespace

std::unique_ptr<WindowRegistry> startVideoStore(const QString &storePath, WindowSystem &ws, StoreLock *inUse)
{
    // A server keeps its own locks; only a store file is held.
    const bool server = StoreLocation::isServer(storePath);
    QString refusal = inUse && !server ? lockStore(storePath, *inUse) : QString();
    StoreFile::Outcome store;
    if (refusal.isEmpty()) {
        store = server ? ServerStore::prepare(storePath) : StoreFile::prepare(storePath);
        if (!store.ok)
            refusal = store.message;
    }
    if (!refusal.isEmpty()) {
        ws.msgBox(refusal, Buttons::Ok, Icon::Exclamation);
        return nullptr;
    }
    auto windows = std::make_unique<WindowRegistry>(storePath, ws);
    windows->main().show();
    // Goes with the main menu, which lives as long as the run; the walk
    // starts once the menu is up, so as not to slow its showing.
    auto *watch = new ChainWatch(storePath, store.notes, &windows->main());
    QTimer::singleShot(std::chrono::seconds(1), watch, &ChainWatch::start);
    return windows;
}
