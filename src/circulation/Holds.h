#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

#include "data/Database.h"

// A hold on a title, as the windows list it.
struct HoldRow
{
    enum class State { Waiting, Ready, Filled, Lapsed, Cancelled };

    qint32 id = 0;
    qint32 member = 0;
    QString memberName; // "Jane Roe"
    qint32 title = 0;
    QString titleName;
    QDate placedOn;
    State state = State::Waiting;
    qint32 tape = 0; // Ready: the tape set aside
    QDate readyOn, until, closedOn;

    // "waiting", "tape 13 on the hold shelf until 2026-12-09", "filled on ...".
    QString stateText() const;
};

// A tape set aside for the oldest waiting hold on its title.
struct SetAside
{
    qint32 hold = 0;
    qint32 tape = 0;
    QString title;
    qint32 member = 0;
    QString memberName;
    QDate placedOn, until;

    // "Put tape 41 (Steel Horizon) aside for member 12 Jane Roe, hold of 2026-11-30."
    QString text() const;
};

// A ready hold whose member did not come in time, and where its tape went.
struct Lapse
{
    HoldRow hold;
    std::optional<SetAside> passedOn;

    QString text() const;
};

// The rules every window that moves a tape follows for holds, each run on
// the caller's handle inside the caller's transaction, so that a hold and
// its tape always change together. Each returns false on a failure, which
// `db` records; a re-check that finds the store changed is a Conflict.
namespace Holds {

// How many days a tape stays set aside: the manager's setting, else 3.
std::optional<int> days(Database &db);

// A tape now on the shelf goes to the oldest waiting hold on its title, if
// any; `taken` says which. Nothing for a tape not for rent or retired.
bool setAside(Database &db, qint32 videoId, QDate day, std::optional<SetAside> &taken);

// The member a tape is set aside for on `day`, if any, and until when.
struct Held
{
    qint32 hold = 0;
    qint32 member = 0;
    QDate until;
    QString refusal(qint32 videoId) const; // "Tape 41 is held for member 12 until 2026-12-09."
};
bool heldOn(Database &db, qint32 videoId, QDate day, std::optional<Held> &held);

// The tapes rented or sold to `member` on `day`, once off the shelf: the
// member's holds on them are filled, holds of other members that have run
// out are lapsed. The write that takes a tape off the shelf refuses one
// still running (NotHeldForAnother).
bool rentOut(Database &db, const QList<qint32> &videoIds, qint32 member, QDate day);
// The same write as a statement to send beside others.
Database::Statement rentingOut(const QList<qint32> &videoIds, qint32 member, QDate day);
// The condition, for an UPDATE of tblVideos v, that no other member's hold
// on the tape runs on the day; its values are the day and the member.
extern const QString NotHeldForAnother;
// Why a tape could not be taken for `member` on `day`: the refusal of a
// hold of another member, or nothing when none holds it.
std::optional<QString> heldForAnother(Database &db, qint32 videoId, qint32 member, QDate day);

// Every ready hold whose last day is before `today` lapses, its tape passed
// to the next waiting hold on the title or left on the shelf.
bool lapseDue(Database &db, QDate today, QList<Lapse> &lapsed);

// The member's waiting and ready holds cancelled (a member retired); each
// tape set aside passes on.
bool cancelAllOf(Database &db, qint32 member, QDate day, QList<SetAside> &passedOn);

// One hold cancelled, if still waiting or ready; its tape passes on.
bool cancel(Database &db, qint32 hold, QDate day, std::optional<SetAside> &passedOn);

} // namespace Holds

class QSqlQuery;

// The one SELECT of holds with their member and title, for the store
// classes that list them, and a row of it read.
namespace HoldRows {
// "SELECT ... FROM tblHolds h ... " to be followed by WHERE and ORDER BY.
QString select();
HoldRow read(const QSqlQuery &q);
// Every row of a run of select(); nothing when the run failed.
std::optional<QList<HoldRow>> readAll(std::optional<QSqlQuery> &q);
} // namespace HoldRows
