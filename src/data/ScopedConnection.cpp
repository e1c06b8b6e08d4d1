#include "ScopedConnection.h"

#include <QFileInfo>
#include <QUrl>

#include <atomic>

ScopedConnection::ScopedConnection(const char *purpose, const std::function<QSqlError(const QString &name)> &open)
    : m_name(uniqueName(purpose))
    , m_error(open(m_name))
{
}

ScopedConnection::~ScopedConnection()
{
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

QString ScopedConnection::uniqueName(const char *purpose)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("videostore-%1-%2").arg(QLatin1String(purpose)).arg(++counter);
}

QSqlError ScopedConnection::openFile(const QString &name, const QString &path, const QString &uriQuery,
                                     bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(uriQuery);
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY")
                                  : QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return db.lastError();
    return {};
}

QString ScopedConnection::readOnlyQuery(const QString &path)
{
    const bool quiet =
        !QFileInfo::exists(path + QStringLiteral("-wal")) && !QFileInfo::exists(path + QStringLiteral("-journal"));
    return quiet ? QStringLiteral("mode=ro&immutable=1") : QStringLiteral("mode=ro");
}
