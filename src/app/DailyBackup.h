#pragma once

#include "data/Backup.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <thread>

class WindowSystem;

// The day's copy of the store, made on a thread of its own once the main
// menu is up, so the counter is usable at once. A failure is told once, in a
// message that does not wait for the user; the counter goes on regardless.
class DailyBackup final : public QObject
{
    Q_OBJECT

public:
    DailyBackup(QString storePath, QDate today, WindowSystem &ws);
    // Waits for a copy under way: it is never left half made.
    ~DailyBackup() override;
    Q_DISABLE_COPY_MOVE(DailyBackup)

    void start();
    bool isDone() const { return m_done; }
    const Backup::Daily &outcome() const { return m_outcome; }

signals:
    void finished();

private:
    void report(const Backup::Daily &outcome);

    QString m_storePath;
    QDate m_today;
    WindowSystem &m_ws;
    std::thread m_thread;
    Backup::Daily m_outcome;
    bool m_done = false;
};
