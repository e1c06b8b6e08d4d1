#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <thread>

// Every start looks over the store's records (StoreIntegrity) on a thread of
// its own while the counter is already in use; what it finds, with what the
// start put right, waits for the manager behind the gate, told once, and
// goes to the terminal. The counter goes on regardless.
class ChainWatch final : public QObject
{
    Q_OBJECT

public:
    // `notes`: what preparing the store put right (a guard put back).
    ChainWatch(QString storePath, QStringList notes, QObject *parent = nullptr);
    // A walk under way is cut short.
    ~ChainWatch() override;
    Q_DISABLE_COPY_MOVE(ChainWatch)

    void start();
    bool isDone() const { return m_done; }

    // What the manager is to be told of the store at `storePath`, once:
    // empty when there is nothing, or when it was told already.
    static QString takeNotice(const QString &storePath);

signals:
    void finished();

private:
    void report(const QStringList &problems);

    QString m_storePath;
    QStringList m_notes;
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    bool m_done = false;
};
