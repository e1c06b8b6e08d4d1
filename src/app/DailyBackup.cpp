#include "DailyBackup.h"

#include "ui/WindowSystem.h"

#include <QMetaObject>

DailyBackup::DailyBackup(QString storePath, QDate today, WindowSystem &ws)
    : m_storePath(std::move(storePath))
    , m_today(today)
    , m_ws(ws)
{
}

DailyBackup::~DailyBackup()
{
    if (m_thread.joinable())
        m_thread.join();
}

void DailyBackup::start()
{
    m_thread = std::thread([this] {
        const Backup::Daily outcome = Backup::makeDaily(m_storePath, m_today);
        // Back on the window thread, where the message box may be shown.
        QMetaObject::invokeMethod(this, [this, outcome] { report(outcome); }, Qt::QueuedConnection);
    });
}

void DailyBackup::report(const Backup::Daily &outcome)
{
    m_outcome = outcome;
    m_done = true;
    if (!outcome.error.isEmpty())
        m_ws.notice(tr("Today's backup copy of the store could not be made:") + QStringLiteral("\r\n") + outcome.error
                        + QStringLiteral("\r\n\r\n")
                        + tr("The counter works as usual. The program tries again at its next start."),
                    tr("Backup"));
    emit finished();
}
