#pragma once

#include <QString>

#include <memory>

class QApplication;
class StoreLock;
class QCoreApplication;
class WindowRegistry;
class WindowSystem;

// Names the program so its store lands in its own application-data folder,
// and gives it the program's translator.
void nameApplication(QApplication &app);
// The same names for the commands, which run with no windows.
void nameApplication(QCoreApplication &app);

// Prepares the store file at `storePath` and shows the main menu. When the
// store cannot be used the user is told why and nothing is returned. With
// `inUse`, the store's shared lock is taken before the first look at the
// file (waiting for a restore under way) and kept there; it must outlive
// the windows.
std::unique_ptr<WindowRegistry> startVideoStore(const QString &storePath, WindowSystem &ws,
                                                StoreLock *inUse = nullptr);
