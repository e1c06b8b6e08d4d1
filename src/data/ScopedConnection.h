#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>

// A connection of its own for one piece of work, under a name no other
// connection has, closed and removed with all it holds when it goes.
class ScopedConnection final
{
public:
    // `open` makes the connection under the name it is given and returns
    // why it could not, or an invalid error.
    ScopedConnection(const char *purpose, const std::function<QSqlError(const QString &name)> &open);
    ~ScopedConnection();
    Q_DISABLE_COPY_MOVE(ScopedConnection)

    bool isOpen() const { return !m_error.isValid(); }
    const QSqlError &openError() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // A connection name no other has; `purpose` shows in it.
    static QString uniqueName(const char *purpose);

    // Opens the store file at `path` as the URI query asks (mode=ro,
    // immutable=1 ...): read-only, or writing with the busy timeout.
    static QSqlError openFile(const QString &name, const QString &path, const QString &uriQuery, bool readOnly);
    // The query that reads a file without writing it or leaving anything
    // beside it: as an unchanging file when nothing is half written beside
    // it (no locks, no -shm), otherwise read-only the usual way.
    static QString readOnlyQuery(const QString &path);

private:
    QString m_name;
    QSqlError m_error;
};
