#include "Holds.h"

#include "data/Database.h"
#include "data/Settings.h"
#include "data/StoreDate.h"

#include <QCoreApplication>

namespace {

// What a clerk is told the store could not do ("could not list the movies")
// and why, in the language shown.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Holds)
};

QString nameOf(const QVariant &first, const QVariant &last)
{
    return (first.toString().trimmed() + QLatin1Char(' ') + last.toString().trimmed()).trimmed();
}

QDate dateOf(const QVariant &v)
{
    return v.isNull() ? QDate() : StoreDate::readStored(v.toString()).value_or(QDate());
}

} // namespace

QString HoldRow::stateText() const
{
    switch (state) {
    case State::Waiting: return Text::tr("waiting", "a hold");
    case State::Ready: return Text::tr("tape %1 on the hold shelf until %2").arg(tape).arg(StoreDate::toText(until));
    case State::Filled: return Text::tr("filled on %1", "a hold").arg(StoreDate::toText(closedOn));
    case State::Lapsed: return Text::tr("lapsed on %1", "a hold").arg(StoreDate::toText(closedOn));
    case State::Cancelled: return Text::tr("cancelled on %1", "a hold").arg(StoreDate::toText(closedOn));
    }
    return {};
}

QString SetAside::text() const
{
    return Text::tr("Put tape %1 (%2) aside for member %3 %4, hold of %5.")
        .arg(tape)
        .arg(title)
        .arg(member)
        .arg(memberName, StoreDate::toText(placedOn));
}

QString Lapse::text() const
{
    const QString lapsed = Text::tr("The hold of member %1 %2 on %3 lapsed: tape %4 was not collected by %5.")
                               .arg(hold.member)
                               .arg(hold.memberName, hold.titleName)
                               .arg(hold.tape)
                               .arg(StoreDate::toText(hold.until));
    return lapsed + QLatin1Char(' ') + (passedOn ? passedOn->text() : Text::tr("Put it back on the shelf."));
}

QString Holds::Held::refusal(qint32 videoId) const
{
    return Text::tr("Tape %1 is held for member %2 until %3.").arg(videoId).arg(member).arg(StoreDate::toText(until));
}

std::optional<int> Holds::days(Database &db)
{
    const auto value = db.scalar(Text::tr("read how long holds are kept"),
                                 QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"),
                                 {QString::fromLatin1(Settings::HoldDays)});
    if (!value)
        return std::nullopt;
    // A value it cannot use is named by the store's check, which the
    // manager hears of at the gate.
    return Settings::holdDays(value->toString()).value_or(Settings::DefaultHoldDays);
}

bool Holds::setAside(Database &db, qint32 videoId, QDate day, std::optional<SetAside> &taken)
{
    taken.reset();
    const QString action = Text::tr("set tape %1 aside for a hold").arg(videoId);
    auto q = db.run(action,
                    QStringLiteral("SELECT v.MovieNum, m.Name FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum "
                                   "WHERE v.VideoID = ? AND v.ForRent = 1 AND v.Deleted = 0 AND v.InStore = 1 "
                                   "AND m.Deleted = 0 AND NOT EXISTS (SELECT 1 FROM tblHolds h "
                                   "WHERE h.VideoID = v.VideoID AND h.State = 'ready')"),
                    {videoId});
    if (!q)
        return false;
    if (!q->next())
        return true;
    const qint32 title = q->value(0).toInt();
    const QString titleName = q->value(1).toString();
    auto hold = db.run(action,
                       QStringLiteral("SELECT h.HoldID, h.CustomerNumber, h.PlacedOn, c.FirstName, c.LastName "
                                      "FROM tblHolds h JOIN tblMembers c ON c.CustomerNumber = h.CustomerNumber "
                                      "WHERE h.MovieNum = ? AND h.State = 'waiting' AND c.Deleted = 0 "
                                      "ORDER BY h.HoldID LIMIT 1"),
                       {title});
    if (!hold)
        return false;
    if (!hold->next())
        return true;
    const auto keep = days(db);
    if (!keep)
        return false;
    SetAside s;
    s.hold = hold->value(0).toInt();
    s.tape = videoId;
    s.title = titleName;
    s.member = hold->value(1).toInt();
    s.memberName = nameOf(hold->value(3), hold->value(4));
    s.placedOn = dateOf(hold->value(2));
    s.until = day.addDays(*keep);
    // Still waiting, and the tape still set aside for nobody: another
    // counter's return of a copy of the same title gives the hold one tape.
    const auto changed =
        db.change(action,
                  QStringLiteral("UPDATE tblHolds SET State = 'ready', VideoID = ?, ReadyOn = ?, Until = ? "
                                 "WHERE HoldID = ? AND State = 'waiting' AND NOT EXISTS "
                                 "(SELECT 1 FROM tblHolds o WHERE o.VideoID = ? AND o.State = 'ready')"),
                  {videoId, StoreDate::toText(day), StoreDate::toText(s.until), s.hold, videoId});
    if (!changed)
        return false;
    if (*changed != 1)
        return db.conflict(action, Text::tr("Another counter changed the holds on %1 at the same time. Nothing was "
                                            "saved; try again.")
                                       .arg(titleName));
    taken = s;
    return true;
}

bool Holds::heldOn(Database &db, qint32 videoId, QDate day, std::optional<Held> &held)
{
    held.reset();
    auto q = db.run(Text::tr("look up the holds on tape %1").arg(videoId),
                    QStringLiteral("SELECT HoldID, CustomerNumber, Until FROM tblHolds "
                                   "WHERE VideoID = ? AND State = 'ready' AND Until >= ?"),
                    {videoId, StoreDate::toText(day)});
    if (!q)
        return false;
    if (q->next())
        held = Held{q->value(0).toInt(), q->value(1).toInt(), dateOf(q->value(2))};
    return true;
}

const QString Holds::NotHeldForAnother =
    QStringLiteral("NOT EXISTS (SELECT 1 FROM tblHolds h WHERE h.VideoID = v.VideoID AND h.State = 'ready' "
                   "AND h.Until >= ? AND h.CustomerNumber <> ?)");

std::optional<QString> Holds::heldForAnother(Database &db, qint32 videoId, qint32 member, QDate day)
{
    std::optional<Held> held;
    if (!heldOn(db, videoId, day, held) || !held || held->member == member)
        return std::nullopt;
    return held->refusal(videoId);
}

bool Holds::rentOut(Database &db, const QList<qint32> &videoIds, qint32 member, QDate day)
{
    const Database::Statement close = rentingOut(videoIds, member, day);
    return db.change(close.action, close.sql, close.values).has_value();
}

Database::Statement Holds::rentingOut(const QList<qint32> &videoIds, qint32 member, QDate day)
{
    // One statement for the whole bill: the holder's own holds are filled,
    // holds that ran out unnoticed lapse.
    QVariantList values = {member, StoreDate::toText(day)};
    QStringList marks;
    for (qint32 id : videoIds) {
        values << id;
        marks << QStringLiteral("?");
    }
    return {Text::tr("close the holds on the tapes taken"),
            QStringLiteral("UPDATE tblHolds SET State = CASE WHEN CustomerNumber = ? THEN 'filled' "
                           "ELSE 'lapsed' END, ClosedOn = ? WHERE State = 'ready' AND VideoID IN (%1)")
                .arg(marks.join(QStringLiteral(", "))),
            values};
}

namespace {

const QString HoldColumns = QStringLiteral(
    "h.HoldID, h.CustomerNumber, c.FirstName, c.LastName, h.MovieNum, m.Name, h.PlacedOn, h.State, h.VideoID, "
    "h.ReadyOn, h.Until, h.ClosedOn FROM tblHolds h LEFT JOIN tblMembers c ON c.CustomerNumber = h.CustomerNumber "
    "LEFT JOIN tblMovies m ON m.MovieNum = h.MovieNum ");

} // namespace

namespace HoldRows {

QString select() { return QStringLiteral("SELECT ") + HoldColumns; }

HoldRow read(const QSqlQuery &q)
{
    HoldRow h;
    h.id = q.value(0).toInt();
    h.member = q.value(1).toInt();
    h.memberName = nameOf(q.value(2), q.value(3));
    h.title = q.value(4).toInt();
    h.titleName = q.value(5).toString();
    h.placedOn = dateOf(q.value(6));
    const QString state = q.value(7).toString();
    h.state = state == QLatin1String("ready")    ? HoldRow::State::Ready
              : state == QLatin1String("filled") ? HoldRow::State::Filled
              : state == QLatin1String("lapsed") ? HoldRow::State::Lapsed
              : state == QLatin1String("cancelled") ? HoldRow::State::Cancelled
                                                    : HoldRow::State::Waiting;
    h.tape = q.value(8).toInt();
    h.readyOn = dateOf(q.value(9));
    h.until = dateOf(q.value(10));
    h.closedOn = dateOf(q.value(11));
    return h;
}

std::optional<QList<HoldRow>> readAll(std::optional<QSqlQuery> &q)
{
    if (!q)
        return std::nullopt;
    QList<HoldRow> rows;
    while (q->next())
        rows.append(read(*q));
    return rows;
}

} // namespace HoldRows

namespace {

// Closes one hold as `state` if still open; a tape it held passes on.
bool close(Database &db, const HoldRow &hold, const char *state, QDate day, std::optional<SetAside> &passedOn)
{
    passedOn.reset();
    const QString action = Text::tr("close the hold of member %1").arg(hold.member);
    const auto changed =
        db.change(action,
                  QStringLiteral("UPDATE tblHolds SET State = ?, ClosedOn = ? WHERE HoldID = ? AND State = ?"),
                  {QLatin1String(state), StoreDate::toText(day), hold.id,
                   hold.state == HoldRow::State::Ready ? QStringLiteral("ready") : QStringLiteral("waiting")});
    if (!changed)
        return false;
    if (*changed != 1)
        return db.conflict(action, Text::tr("Another counter changed the hold of member %1 on %2 at the same time. "
                                            "Nothing was saved; look again.")
                                       .arg(hold.member)
                                       .arg(hold.titleName));
    return hold.state != HoldRow::State::Ready || Holds::setAside(db, hold.tape, day, passedOn);
}

bool readHolds(Database &db, const QString &action, const QString &where, const QVariantList &values,
               QList<HoldRow> &rows)
{
    auto q = db.run(action, HoldRows::select() + where, values);
    auto read = HoldRows::readAll(q);
    if (!read)
        return false;
    rows += *read;
    return true;
}

} // namespace

bool Holds::lapseDue(Database &db, QDate today, QList<Lapse> &lapsed)
{
    lapsed.clear();
    QList<HoldRow> due;
    if (!readHolds(db, Text::tr("look up the holds not collected"),
                   QStringLiteral("WHERE h.State = 'ready' AND h.Until < ? ORDER BY h.HoldID"),
                   {StoreDate::toText(today)}, due))
        return false;
    for (const HoldRow &hold : std::as_const(due)) {
        Lapse l{hold, {}};
        if (!close(db, hold, "lapsed", today, l.passedOn))
            return false;
        lapsed.append(l);
    }
    return true;
}

bool Holds::cancelAllOf(Database &db, qint32 member, QDate day, QList<SetAside> &passedOn)
{
    passedOn.clear();
    QList<HoldRow> open;
    if (!readHolds(db, Text::tr("look up the member's holds"),
                   QStringLiteral("WHERE h.CustomerNumber = ? AND h.State IN ('waiting', 'ready') ORDER BY h.HoldID"),
                   {member}, open))
        return false;
    for (const HoldRow &hold : std::as_const(open)) {
        std::optional<SetAside> next;
        if (!close(db, hold, "cancelled", day, next))
            return false;
        if (next)
            passedOn.append(*next);
    }
    return true;
}

bool Holds::cancel(Database &db, qint32 hold, QDate day, std::optional<SetAside> &passedOn)
{
    passedOn.reset();
    QList<HoldRow> rows;
    if (!readHolds(db, Text::tr("look up the hold"),
                   QStringLiteral("WHERE h.HoldID = ? AND h.State IN ('waiting', 'ready')"), {hold}, rows))
        return false;
    if (rows.isEmpty())
        return db.conflict(Text::tr("cancel the hold"),
                           Text::tr("That hold is no longer waiting: another counter has filled or cancelled it. "
                                    "Nothing was changed."));
    return close(db, rows.first(), "cancelled", day, passedOn);
}
