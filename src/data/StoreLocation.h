#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where a store lives: a file path (the embedded engine), or the address of a
// PostgreSQL database in the URI form psql takes, for a shop whose counters
// share one server:
//   postgresql://user@host:port/dbname
//   postgresql:///dbname?host=/run/postgresql&port=5433
// The password never stands in the address: libpq reads ~/.pgpass and
// PGPASSWORD itself.
namespace StoreLocation {

// Whether `location` is a server address rather than a file path.
bool isServer(const QString &location);

// A server address taken apart; empty parts are left to libpq's defaults.
struct Server
{
    QString host; // a name, an address, or a socket folder
    int port = -1;
    QString user;
    QString database;
    // Further libpq settings the address gave (sslmode=require, ...), each
    // "key=value".
    QStringList options;
};

// The server address in `location`, or nullopt with `problem` saying, in the
// manager's words, why it is not one this program takes.
std::optional<Server> parseServer(const QString &location, QString *problem = nullptr);

// The store's location for a message or a log: the path in the system's
// form, or the address with any password left out.
QString shown(const QString &location);

// The server address `location` with `user` as its user.
QString withUser(const QString &location, const QString &user);

// The folder on this PC for what the program keeps beside the store
// (receipts, daily copies): the store file's folder, or for a server store
// the program's application-data folder.
QString localFolder(const QString &location);

// The folder of the store file's daily copies: backups/ beside it.
QString backupsFolder(const QString &storePath);

} // namespace StoreLocation
