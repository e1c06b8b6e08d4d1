#include "CatalogueStore.h"

#include "data/Identifier.h"
#include "data/Numbering.h"
#include "data/StoreDate.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {

// What a clerk is told the store could not do ("could not list the movies")
// and why, in the language shown.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueStore)
};

const QLatin1String Movies("tblMovies");
const QLatin1String MovieNum("MovieNum");

QVariantList movieValues(const MovieRow &m)
{
    return {m.name, m.categoryId, m.actor, m.actress, m.rating, m.priceClass};
}

} // namespace

std::optional<QList<MovieRow>> CatalogueStore::movies()
{
    auto q = m_db.run(Text::tr("list the movies"),
                      QStringLiteral("SELECT MovieNum, Name, CategoryID, Actor, Actress, Rating, PriceClass "
                                     "FROM tblMovies WHERE Deleted = 0 ORDER BY MovieNum"));
    if (!q)
        return std::nullopt;
    QList<MovieRow> rows;
    while (q->next()) {
        MovieRow m;
        m.movieNum = q->value(0).toInt();
        m.name = q->value(1).toString();
        m.categoryId = q->value(2).toInt();
        m.actor = q->value(3).toString();
        m.actress = q->value(4).toString();
        m.rating = q->value(5).toString();
        m.priceClass = q->value(6).toInt();
        rows.append(m);
    }
    return rows;
}

std::optional<qint32> CatalogueStore::freeMovieNum(qint64 proposed)
{
    return Numbering::freeNumber(m_db, Text::tr("number the new movie"), Movies, MovieNum, proposed);
}

std::optional<qint32> CatalogueStore::nextVideoID()
{
    return Numbering::freeNumber(m_db, Text::tr("number the new tapes"), QLatin1String("tblVideos"),
                                 QLatin1String("VideoID"), -1);
}

std::optional<qint32> CatalogueStore::addMovie(qint64 proposed, const MovieRow &fields)
{
    std::optional<qint32> number;
    const bool ok = m_db.transaction(Text::tr("add the movie"), [&] {
        number = freeMovieNum(proposed);
        return number
            && m_db.run(Text::tr("add the movie"),
                        QStringLiteral("INSERT INTO tblMovies (MovieNum, Name, CategoryID, Actor, Actress, Rating, "
                                       "PriceClass, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, 0)"),
                        QVariantList{*number} + movieValues(fields));
    });
    return ok ? number : std::nullopt;
}

Outcome CatalogueStore::changed(const std::optional<QSqlQuery> &q)
{
    if (!q)
        return Outcome::Failed;
    return q->numRowsAffected() > 0 ? Outcome::Done : Outcome::Gone;
}

Outcome CatalogueStore::changeMovie(qint32 movieNum, const MovieRow &fields)
{
    return changed(m_db.run(Text::tr("change the movie"),
                            QStringLiteral("UPDATE tblMovies SET Name = ?, CategoryID = ?, Actor = ?, Actress = ?, "
                                           "Rating = ?, PriceClass = ? WHERE MovieNum = ? AND Deleted = 0"),
                            movieValues(fields) + QVariantList{movieNum}));
}

std::optional<qint64> CatalogueStore::openRentals(const QString &where, qint32 key)
{
    const auto n = m_db.scalar(Text::tr("look for tapes out on rental"),
                               QStringLiteral("SELECT COUNT(DISTINCT r.VideoID) FROM tblRentals r JOIN tblVideos v "
                                              "ON v.VideoID = r.VideoID WHERE r.Returned = 0 AND %1")
                                   .arg(where),
                               {key});
    if (!n)
        return std::nullopt;
    return n->toLongLong();
}

Outcome CatalogueStore::retireMovie(qint32 movieNum, int &tapesOut)
{
    Outcome outcome = Outcome::Failed;
    tapesOut = 0;
    const bool ok = m_db.transaction(Text::tr("mark the movie as deleted"), [&] {
        tapesOut = 0;
        outcome = Outcome::Failed;
        const auto out = openRentals(QStringLiteral("v.MovieNum = ?"), movieNum);
        if (!out)
            return false;
        if (*out > 0) {
            tapesOut = int(*out);
            outcome = Outcome::TapesOut;
            return false;
        }
        outcome = changed(m_db.run(Text::tr("mark the movie as deleted"),
                                   QStringLiteral("UPDATE tblMovies SET Deleted = 1 WHERE MovieNum = ? AND Deleted = 0"),
                                   {movieNum}));
        if (outcome != Outcome::Done)
            return false;
        if (!m_db.run(Text::tr("mark the movie's tapes as deleted"),
                      QStringLiteral("UPDATE tblVideos SET Deleted = 1 WHERE MovieNum = ?"), {movieNum})) {
            outcome = Outcome::Failed;
            return false;
        }
        return true;
    });
    return ok || outcome != Outcome::Done ? outcome : Outcome::Failed;
}

std::optional<QList<TapeRow>> CatalogueStore::tapes(qint32 movieNum)
{
    auto q = m_db.run(Text::tr("list the tapes"),
                      QStringLiteral("SELECT VideoID, CopyNumber, ForRent, ForSale, InStore, SalePrice FROM tblVideos "
                                     "WHERE MovieNum = ? AND Deleted = 0 ORDER BY VideoID"),
                      {movieNum});
    if (!q)
        return std::nullopt;
    QList<TapeRow> rows;
    while (q->next()) {
        TapeRow t;
        t.videoId = q->value(0).toInt();
        t.copyNumber = q->value(1).toInt();
        t.fields.forRent = q->value(2).toBool();
        t.fields.forSale = q->value(3).toBool();
        t.fields.inStore = q->value(4).toBool();
        t.fields.salePrice = Money::fromUnits(q->value(5).toLongLong());
        rows.append(t);
    }
    return rows;
}

std::optional<qint32> CatalogueStore::addTapes(qint32 movieNum, qint64 firstVideoId, qint32 firstCopy, int count,
                                               const TapeFields &fields, Outcome &outcome, QDate day)
{
    const QString action = Text::tr("add the tapes");
    std::optional<qint32> first;
    outcome = Outcome::Failed;
    const bool ok = m_db.transaction(action, [&] {
        first.reset();
        m_setAside.clear();
        outcome = Outcome::Failed;
        const auto retired = m_db.scalar(action, QStringLiteral("SELECT Deleted FROM tblMovies WHERE MovieNum = ?"),
                                         {movieNum});
        if (!retired)
            return false;
        if (retired->isNull() || retired->toBool()) {
            outcome = Outcome::Gone;
            return false;
        }
        const auto next = nextVideoID();
        if (!next)
            return false;
        const qint64 from = qMax<qint64>(firstVideoId, *next);
        if (from + count - 1 > Identifier::Max || qint64(firstCopy) + count - 1 > Identifier::Max)
            return m_db.fail(action, Text::tr("The tape numbers would pass %1.").arg(Identifier::Max));
        first = qint32(from);
        for (int i = 0; i < count; ++i) {
            if (!m_db.run(action,
                          QStringLiteral("INSERT INTO tblVideos (VideoID, MovieNum, CopyNumber, ForRent, ForSale, "
                                         "InStore, SalePrice, Deleted, AddedOn) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?)"),
                          {qint32(from + i), movieNum, firstCopy + i, fields.forRent ? 1 : 0, fields.forSale ? 1 : 0,
                           fields.inStore ? 1 : 0, fields.salePrice.units(), StoreDate::toText(day)}))
                return false;
        }
        for (int i = 0; i < count; ++i) {
            std::optional<SetAside> held;
            if (!Holds::setAside(m_db, qint32(from + i), day, held))
                return false;
            if (!held)
                break; // no hold left waiting
            m_setAside.append(*held);
        }
        return true;
    });
    if (!ok) {
        m_setAside.clear();
        return std::nullopt;
    }
    outcome = Outcome::Done;
    return first;
}

Outcome CatalogueStore::changeTape(qint32 videoId, const TapeFields &fields, bool writeInStore)
{
    const QString action = Text::tr("change the tape");
    Outcome outcome = Outcome::Failed;
    const bool ok = m_db.transaction(action, [&] {
        outcome = Outcome::Failed;
        if (writeInStore && fields.inStore) {
            const auto out = openRentals(QStringLiteral("v.VideoID = ?"), videoId);
            if (!out)
                return false;
            if (*out > 0) {
                outcome = Outcome::TapesOut;
                return false;
            }
        }
        outcome = changed(m_db.run(action,
                                   QStringLiteral("UPDATE tblVideos SET ForRent = ?, ForSale = ?, SalePrice = ? "
                                                  "WHERE VideoID = ? AND Deleted = 0"),
                                   {fields.forRent ? 1 : 0, fields.forSale ? 1 : 0, fields.salePrice.units(), videoId}));
        if (outcome != Outcome::Done || !writeInStore)
            return outcome == Outcome::Done;
        if (!m_db.run(action, QStringLiteral("UPDATE tblVideos SET InStore = ? WHERE VideoID = ?"),
                      {fields.inStore ? 1 : 0, videoId})) {
            outcome = Outcome::Failed;
            return false;
        }
        return true;
    });
    return ok || outcome != Outcome::Done ? outcome : Outcome::Failed;
}

Outcome CatalogueStore::retireTape(qint32 videoId)
{
    const QString action = Text::tr("mark the tape as deleted");
    Outcome outcome = Outcome::Failed;
    const bool ok = m_db.transaction(action, [&] {
        outcome = Outcome::Failed;
        const auto out = openRentals(QStringLiteral("v.VideoID = ?"), videoId);
        if (!out)
            return false;
        if (*out > 0) {
            outcome = Outcome::TapesOut;
            return false;
        }
        outcome = changed(m_db.run(action, QStringLiteral("UPDATE tblVideos SET Deleted = 1 WHERE VideoID = ? "
                                                          "AND Deleted = 0"),
                                   {videoId}));
        return outcome == Outcome::Done;
    });
    return ok || outcome != Outcome::Done ? outcome : Outcome::Failed;
}

std::optional<MarkedTapes> CatalogueStore::markTapes(const QList<qint32> &videoIds, TapeMark mark, Money price)
{
    static const char *const sets[] = {"ForSale = 1, SalePrice = ?", "ForSale = 0", "ForRent = 1", "ForRent = 0"};
    const QString sql = QStringLiteral("UPDATE tblVideos SET %1 WHERE VideoID = ? AND Deleted = 0")
                            .arg(QLatin1String(sets[static_cast<int>(mark)]));
    MarkedTapes marked;
    const bool ok = m_db.transaction(Text::tr("change the tapes"), [&] {
        marked = {};
        QVariantList changed;
        for (const qint32 id : videoIds) {
            const QVariantList values =
                mark == TapeMark::ForSale ? QVariantList{price.units(), id} : QVariantList{id};
            const auto q = m_db.run(Text::tr("change tape %1").arg(id), sql, values);
            if (!q)
                return false;
            if (q->numRowsAffected() > 0)
                changed << id;
        }
        marked.changed = int(changed.size());
        if (changed.isEmpty())
            return true;
        QStringList marks(changed.size(), QStringLiteral("?"));
        auto q = m_db.run(Text::tr("look for tapes out on rental"),
                          QStringLiteral("SELECT VideoID, CustomerNumber FROM tblRentals WHERE Returned = 0 AND "
                                         "VideoID IN (%1) ORDER BY VideoID")
                              .arg(marks.join(QStringLiteral(", "))),
                          changed);
        if (!q)
            return false;
        while (q->next())
            marked.out.append({q->value(0).toInt(), q->value(1).toInt()});
        return true;
    });
    if (!ok)
        return std::nullopt;
    return marked;
}
