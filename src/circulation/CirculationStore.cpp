#include "CirculationStore.h"

#include "data/Numbering.h"
#include "data/StoreDate.h"
#include "returns/ReturnsStore.h"

#include <QCoreApplication>

namespace {

// What a clerk is told the store could not do ("could not list the movies")
// and why, in the language shown.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CirculationStore)
};

} // namespace

QString TapeOutRow::memberName() const
{
    return (firstName.trimmed() + QLatin1Char(' ') + lastName.trimmed()).trimmed();
}

std::optional<QList<TapeOutRow>> TapesOut::read(Database &db, const QString &where, const QVariantList &values,
                                                QDate day)
{
    auto q = db.run(Text::tr("list the tapes out"),
                      QStringLiteral("SELECT r.RentalID, r.VideoID, m.Name, r.CustomerNumber, c.LastName, c.FirstName, "
                                     "c.Address, c.City, c.PostalCode, c.HomePhone, c.CellPhone, r.RentalDate, "
                                     "r.DueDate, r.LateFee FROM tblRentals r "
                                     "LEFT JOIN tblVideos v ON v.VideoID = r.VideoID "
                                     "LEFT JOIN tblMovies m ON m.MovieNum = v.MovieNum "
                                     "LEFT JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber "
                                     "WHERE r.Returned = 0 AND r.RentalDate <= ? ")
                          + where + (where.contains(QLatin1String("ORDER BY")) ? QString()
                                                          : QStringLiteral(" ORDER BY r.VideoID, r.RentalID")),
                      QVariantList{StoreDate::toText(day)} + values);
    if (!q)
        return std::nullopt;
    QList<TapeOutRow> rows;
    while (q->next()) {
        TapeOutRow r;
        r.rentalId = q->value(0).toInt();
        r.tape = q->value(1).toInt();
        r.title = q->value(2).toString();
        r.member = q->value(3).toInt();
        r.lastName = q->value(4).toString();
        r.firstName = q->value(5).toString();
        r.address = q->value(6).toString();
        r.city = q->value(7).toString();
        r.postalCode = q->value(8).toString();
        r.homePhone = q->value(9).toString();
        r.cellPhone = q->value(10).toString();
        r.rentedOn = StoreDate::readStored(q->value(11).toString()).value_or(QDate());
        r.dueOn = StoreDate::readStored(q->value(12).toString()).value_or(QDate());
        if (r.dueOn.isValid()) {
            r.daysLate = std::max<qint64>(0, r.dueOn.daysTo(day));
            // What taking it back on `day` would charge, by the return's own rule.
            r.fee = ReturnsStore::overdueCharge(r.dueOn, day, Money::fromUnits(q->value(13).toLongLong()));
        }
        rows.append(r);
    }
    return rows;
}

std::optional<QList<TapeOutRow>> TapesOut::overdue(Database &db, QDate day)
{
    return read(db, QStringLiteral("AND r.DueDate < ? ORDER BY r.CustomerNumber, r.VideoID, r.RentalID"),
                {StoreDate::toText(day)}, day);
}

std::optional<QList<TapeOutRow>> CirculationStore::tapesOut(QDate day, bool overdueOnly)
{
    if (!overdueOnly)
        return TapesOut::read(m_db, {}, {}, day);
    return TapesOut::read(m_db, QStringLiteral("AND r.DueDate < ?"), {StoreDate::toText(day)}, day);
}

std::optional<QList<TapeOutRow>> CirculationStore::memberTapesOut(qint32 member, QDate day)
{
    return TapesOut::read(m_db, QStringLiteral("AND r.CustomerNumber = ?"), {member}, day);
}

std::optional<QList<HoldTitle>> CirculationStore::findTitles(const QString &typed)
{
    const QString text = typed.trimmed();
    bool isNumber = false;
    const qint64 number = text.toLongLong(&isNumber);
    const QString sql = QStringLiteral(
        "SELECT m.MovieNum, m.Name, m.Deleted, (SELECT COUNT(*) FROM tblVideos v WHERE v.MovieNum = m.MovieNum "
        "AND v.ForRent = 1 AND v.Deleted = 0) FROM tblMovies m WHERE ");
    std::optional<QSqlQuery> q;
    if (isNumber)
        q = m_db.run(Text::tr("look up the title"), sql + QStringLiteral("m.MovieNum = ?"),
                     {number >= 0 && number <= 2147483647 ? QVariant(number) : QVariant(-1)});
    else {
        // Part of the name, as typed: the wildcards of LIKE stand for themselves.
        QString pattern = text.toLower();
        pattern.replace(QLatin1Char('!'), QLatin1String("!!"))
            .replace(QLatin1Char('%'), QLatin1String("!%"))
            .replace(QLatin1Char('_'), QLatin1String("!_"));
        q = m_db.run(Text::tr("look up the titles"),
                     sql + QStringLiteral("LOWER(m.Name) LIKE ? ESCAPE '!' ORDER BY m.Deleted, m.Name, m.MovieNum "
                                          "LIMIT 200"),
                     {QLatin1Char('%') + pattern + QLatin1Char('%')});
    }
    if (!q)
        return std::nullopt;
    QList<HoldTitle> titles;
    while (q->next())
        titles.append(HoldTitle{q->value(0).toInt(), q->value(1).toString(), q->value(2).toBool(), q->value(3).toInt()});
    return titles;
}

std::optional<qint32> CirculationStore::placeHold(qint32 member, qint32 title, QDate day)
{
    const QString action = Text::tr("place the hold");
    std::optional<qint32> id;
    const bool done = m_db.transaction(action, [&] {
        id.reset();
        auto who = m_db.run(action, QStringLiteral("SELECT Deleted FROM tblMembers WHERE CustomerNumber = ?"), {member});
        if (!who)
            return false;
        if (!who->next())
            return m_db.conflict(action, Text::tr("Member %1 is not on file.").arg(member),
                                 Text::tr("Member not on file"));
        if (who->value(0).toBool())
            return m_db.conflict(action, Text::tr("Member %1 is retired.").arg(member),
                                 Text::tr("Member retired"));
        auto what = m_db.run(action,
                             QStringLiteral("SELECT m.Name, m.Deleted, (SELECT COUNT(*) FROM tblVideos v WHERE "
                                            "v.MovieNum = m.MovieNum AND v.ForRent = 1 AND v.Deleted = 0) "
                                            "FROM tblMovies m WHERE m.MovieNum = ?"),
                             {title});
        if (!what)
            return false;
        if (!what->next())
            return m_db.conflict(action, Text::tr("Title %1 is not on file.").arg(title),
                                 Text::tr("Title not on file"));
        const QString name = what->value(0).toString();
        if (what->value(1).toBool())
            return m_db.conflict(action, Text::tr("%1 (title %2) is retired.").arg(name).arg(title),
                                 Text::tr("Title retired"));
        if (what->value(2).toInt() == 0)
            return m_db.conflict(action, Text::tr("%1 (title %2) has no copies for rent.").arg(name).arg(title),
                                 Text::tr("No copies for rent"));
        const auto held = m_db.scalar(action,
                                      QStringLiteral("SELECT COUNT(*) FROM tblHolds WHERE CustomerNumber = ? AND "
                                                     "MovieNum = ? AND State IN ('waiting', 'ready')"),
                                      {member, title});
        if (!held)
            return false;
        if (held->toInt() > 0)
            return m_db.conflict(action, Text::tr("Member %1 already has a hold on %2.").arg(member).arg(name),
                                 Text::tr("Already on hold"));
        id = Numbering::freeNumber(m_db, action, QLatin1String("tblHolds"), QLatin1String("HoldID"), -1);
        if (!id)
            return false;
        return m_db.change(action,
                           QStringLiteral("INSERT INTO tblHolds (HoldID, CustomerNumber, MovieNum, PlacedOn, State) "
                                          "VALUES (?, ?, ?, ?, 'waiting')"),
                           {*id, member, title, StoreDate::toText(day)})
            .has_value();
    });
    return done ? id : std::nullopt;
}

std::optional<QList<HoldRow>> CirculationStore::openHolds()
{
    auto q = m_db.run(Text::tr("list the holds"),
                      HoldRows::select()
                          + QStringLiteral("WHERE h.State IN ('waiting', 'ready') ORDER BY h.PlacedOn, h.HoldID"));
    return HoldRows::readAll(q);
}

std::optional<QList<HoldRow>> CirculationStore::memberHolds(qint32 member)
{
    // Open ones first; of the closed, the last few are enough at the counter.
    auto q = m_db.run(Text::tr("list the member's holds"),
                      HoldRows::select()
                          + QStringLiteral("WHERE h.CustomerNumber = ? ORDER BY CASE WHEN h.State IN ('waiting', "
                                           "'ready') THEN 0 ELSE 1 END, h.HoldID DESC LIMIT 20"),
                      {member});
    return HoldRows::readAll(q);
}

bool CirculationStore::cancelHold(qint32 hold, QDate day, std::optional<SetAside> &passedOn)
{
    return m_db.transaction(Text::tr("cancel the hold"), [&] { return Holds::cancel(m_db, hold, day, passedOn); });
}

std::optional<QList<Lapse>> CirculationStore::lapseDue(QDate today)
{
    QList<Lapse> lapsed;
    if (!m_db.transaction(Text::tr("lapse the holds not collected"),
                          [&] { return Holds::lapseDue(m_db, today, lapsed); }))
        return std::nullopt;
    return lapsed;
}
