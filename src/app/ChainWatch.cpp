#include "ChainWatch.h"

#include "data/StoreIntegrity.h"

#include <QHash>
#include <QMetaObject>
#include <QMutex>

#include <cstdio>

namespace {

QMutex pendingLock;
QHash<QString, QString> pending; // by store

} // namespace

ChainWatch::ChainWatch(QString storePath, QStringList notes, QObject *parent)
    : QObject(parent)
    , m_storePath(std::move(storePath))
    , m_notes(std::move(notes))
{
}

ChainWatch::~ChainWatch()
{
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

void ChainWatch::start()
{
    m_thread = std::thread([this] {
        const StoreIntegrity::Report found =
            StoreIntegrity::check(m_storePath, StoreIntegrity::Reading::BesideProgram, &m_cancel);
        if (found.cancelled)
            return;
        // Back on the window thread, where the gate asks for it.
        QMetaObject::invokeMethod(this, [this, problems = found.problems] { report(problems); }, Qt::QueuedConnection);
    });
}

void ChainWatch::report(const QStringList &problems)
{
    m_done = true;
    QStringList lines;
    for (const QString &note : std::as_const(m_notes))
        lines << note.left(1).toUpper() + note.mid(1) + u'.';
    if (!problems.isEmpty())
        lines << tr("The store's records were changed outside the program:");
    for (const QString &problem : problems)
        lines << QStringLiteral("- %1.").arg(problem);
    if (!lines.isEmpty()) {
        if (!problems.isEmpty())
            lines << QString()
                  << tr("The counter works as usual. videostore --check tells the same; keep the store "
                        "and its backups as they are for whoever looks into it.");
        for (const QString &line : std::as_const(lines))
            if (!line.isEmpty())
                std::fprintf(stderr, "videostore: %s\n", qPrintable(line));
        const QMutexLocker lock(&pendingLock);
        pending.insert(m_storePath, lines.join(QStringLiteral("\r\n")));
    }
    emit finished();
}

QString ChainWatch::takeNotice(const QString &storePath)
{
    const QMutexLocker lock(&pendingLock);
    return pending.take(storePath);
}
