#pragma once

#include <QString>

// The store file on disk: where it lives, making it on first start, and
// checking that an existing one can be used.
namespace StoreFile {

// video.db in the program's application-data folder.
QString defaultPath();

struct Outcome
{
    bool ok = false;
    bool created = false;
    QString message; // for the user when !ok; names the path
};

// Makes a complete new store at `path` when nothing is there, built aside and
// moved into place so no half-made file is ever left. An existing file is
// checked and opened as it is; only missing lookup indexes are added.
Outcome prepare(const QString &path);

// Writes every table, the genres and walk-in member 0 into an open, empty
// database. Returns an empty string or the engine's error.
QString createSchema(const QString &connectionName);

} // namespace StoreFile
