#pragma once

#include "circulation/Holds.h"
#include "data/Database.h"
#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// One open rental as Tapes Out lists it on a day.
struct TapeOutRow
{
    qint32 rentalId = 0;
    qint32 tape = 0;
    QString title;
    qint32 member = 0;
    QString lastName, firstName, address, city, postalCode, homePhone, cellPhone;
    QDate rentedOn, dueOn;
    qint64 daysLate = 0;
    Money fee; // the late fee a return on the day would charge

    QString memberName() const;
};

// The rentals open on `day` (rented that day or before, not yet back),
// `where` narrowing them ("AND r.DueDate < ?") with its values; by tape.
// For the store class and the overdue reports alike.
namespace TapesOut {
std::optional<QList<TapeOutRow>> read(Database &db, const QString &where, const QVariantList &values, QDate day);
// Only those past their due date on `day`, by member then tape.
std::optional<QList<TapeOutRow>> overdue(Database &db, QDate day);
} // namespace TapesOut

// A title a hold may be placed on.
struct HoldTitle
{
    qint32 number = 0;
    QString name;
    bool deleted = false;
    int forRent = 0; // copies for rent, out or in
};

// The statements of Tapes Out, the holds windows and the overdue reports.
class CirculationStore final
{
public:
    explicit CirculationStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // Every rental open on `day` (rented that day or before, not yet back),
    // or only those past their due date; by tape number.
    std::optional<QList<TapeOutRow>> tapesOut(QDate day, bool overdueOnly);
    // The overdue tapes on `day`, by member then tape: the calls and letters.
    std::optional<QList<TapeOutRow>> overdue(QDate day) { return TapesOut::overdue(m_db, day); }
    // The tapes one member has out, on `day`.
    std::optional<QList<TapeOutRow>> memberTapesOut(qint32 member, QDate day);

    // The title of that number, or the titles whose name holds `part`.
    std::optional<QList<HoldTitle>> findTitles(const QString &typed);
    // A hold of `member` on `title` placed on `day`; refused with a Conflict
    // whose text is for the clerk when the member or title is not on file or
    // retired, the title has no copy for rent, or the member holds it already.
    std::optional<qint32> placeHold(qint32 member, qint32 title, QDate day);
    // The waiting and ready holds, oldest first.
    std::optional<QList<HoldRow>> openHolds();
    // A member's holds still open, then the last closed ones.
    std::optional<QList<HoldRow>> memberHolds(qint32 member);
    bool cancelHold(qint32 hold, QDate day, std::optional<SetAside> &passedOn);
    // Ready holds not collected by `today` lapse (see Holds::lapseDue).
    std::optional<QList<Lapse>> lapseDue(QDate today);

private:
    Database m_db;
};
