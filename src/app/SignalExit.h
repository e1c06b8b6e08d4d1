#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (log-out, shutdown, Ctrl+C in a terminal,
// the terminal closed) into a call of `onSignal` on the event loop, so the program ends as its Exit does
// and closes the store cleanly instead of being cut off.
class SignalExit final : public QObject
{
public:
    explicit SignalExit(std::function<void()> onSignal);
    ~SignalExit() override;
    Q_DISABLE_COPY_MOVE(SignalExit)

private:
    std::function<void()> m_onSignal;
    QSocketNotifier *m_notifier = nullptr;
};
