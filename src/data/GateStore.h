#pragma once

#include "data/Database.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What became of one try at the security gate, or of a change of the code.
// NoCode: the store had no code the gate could check, so nothing was.
enum class GateOutcome { Granted, Refused, TooSoon, CodeChanged, NoCode };

// The gate's statements against the store: the manager code's hash in the
// settings, and the log of every try. The log only ever gains rows, and the
// code as typed is never written anywhere.
class GateStore final
{
public:
    explicit GateStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // What the gate goes by, read from the store: its code and, from the
    // log, the wrong tries in a row (across programs and counters) since the
    // last granted one or change of the code.
    struct State
    {
        // The store's own code, when it has one the gate can check.
        std::optional<QByteArray> hash;
        bool unreadable = false; // a code row that holds no hash the gate can check
        // The log records a change of the code: from then on the default
        // code opens nothing, even with the code's row gone.
        bool codeChanged = false;
        int wrongInARow = 0;
        QDateTime lastWrong; // when the last of them was tried

        // Whole seconds a try at `at` must still wait; 0 when none. A clock
        // set back never makes the wait longer than it was.
        int secondsToWait(const QDateTime &at) const;
    };
    Fetched<State> state();
    // Records a try at `destination` (0 for the command line), with this
    // computer's name.
    bool record(const QDateTime &when, int destination, GateOutcome outcome);
    // Makes `hash` the store's code and records the change, together.
    bool setCode(const QByteArray &hash, const QDateTime &when, int destination);

    // "granted", "refused", ... as the log keeps them.
    static QString outcomeText(GateOutcome outcome);
    // Seconds the next try must wait after `wrongInARow` wrong codes: none
    // for the first three, then 2, 4, 8 ... up to a minute.
    static int waitAfter(int wrongInARow);

private:
    Database m_db;
};

namespace GateLog {

// Appends an entry to the gate log, numbered one past the highest and
// linked into its chain, with this computer's name, in the caller's
// transaction: a try, or a change of the settings with the digest of what
// it wrote (see Settings.h).
bool append(Database &db, const QString &action, const QDateTime &when, int destination, const QString &outcome,
            const QString &digest = {});

} // namespace GateLog
