#pragma once

#include "data/Database.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What became of one try at the security gate, or of a change of the code.
enum class GateOutcome { Granted, Refused, TooSoon, CodeChanged };

// The gate's statements against the store: the manager code's hash in the
// settings, and the log of every try. The log only ever gains rows, and the
// code as typed is never written anywhere.
class GateStore final
{
public:
    explicit GateStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // The store's own code, hashed; no row while the store has none yet.
    Fetched<QByteArray> codeHash();
    // Records a try at `destination` (0 for the command line), with this
    // computer's name.
    bool record(const QDateTime &when, int destination, GateOutcome outcome);
    // Makes `hash` the store's code and records the change, together.
    bool setCode(const QByteArray &hash, const QDateTime &when, int destination);

    // "granted", "refused", ... as the log keeps them.
    static QString outcomeText(GateOutcome outcome);

private:
    bool insertTry(const QString &action, const QDateTime &when, int destination, GateOutcome outcome);

    Database m_db;
};
