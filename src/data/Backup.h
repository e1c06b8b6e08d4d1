#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Copies of the store: made through the engine, so a copy taken while
// counters write is still one consistent moment of the store, and put in
// place only once checked.
namespace Backup {

// How many daily copies are kept.
inline constexpr int DailyKept = 14;

struct Outcome
{
    bool ok = false;
    QString message; // one line: what was done, or why not
};

// Writes a consistent copy of the store at `storePath` to `target`, which
// must not exist yet. Safe while other programs work on the store.
Outcome copy(const QString &storePath, const QString &target);

struct Daily
{
    bool made = false;  // a copy was written on this call
    QString path;       // the day's copy
    QString error;      // why the day's copy could not be made; empty when none failed
    qint64 milliseconds = 0;
};

// Makes the day's copy, backups/video-yyyy-MM-dd.db, unless it is there
// already, and keeps only the newest `kept`.
Daily makeDaily(const QString &storePath, QDate today, int kept = DailyKept);

// Puts the content of `source` in place as the store at `storePath`, after
// checking it as a start-up does and in full. The store it replaces is kept
// beside it as video.db.replaced-yyyyMMdd-hhmmss. Refused while any running
// program has the store open.
Outcome restore(const QString &storePath, const QString &source, const QDateTime &now);

} // namespace Backup
