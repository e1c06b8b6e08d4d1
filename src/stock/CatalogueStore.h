#pragma once

#include "circulation/Holds.h"
#include "data/Database.h"
#include "data/Money.h"
#include "stock/Outcome.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

struct MovieRow
{
    qint32 movieNum = 0;
    QString name;
    int categoryId = 0; // 0 when no genre was chosen
    QString actor, actress, rating;
    int priceClass = 0;
};

struct TapeFields
{
    bool forRent = false, forSale = false, inStore = false;
    Money salePrice;
};

struct TapeRow
{
    qint32 videoId = 0;
    qint32 copyNumber = 0;
    TapeFields fields;
};

// What one range tool sets on each copy.
enum class TapeMark { ForSale, NotForSale, ForRent, NotForRent };

// What a range tool did: how many tapes it changed, and which of them are
// out on rental, to whom, by tape number.
struct MarkedTapes
{
    struct Out
    {
        qint32 tape = 0;
        qint32 member = 0;
    };
    int changed = 0;
    QList<Out> out;
};

// The movie catalogue's and the tape copies' statements.
class CatalogueStore final
{
public:
    explicit CatalogueStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // Titles that are not retired, by number.
    std::optional<QList<MovieRow>> movies();
    // `proposed` if no title holds it, else one past the highest number.
    std::optional<qint32> freeMovieNum(qint64 proposed);
    // One past the highest tape number, retired tapes included.
    std::optional<qint32> nextVideoID();

    // Adds the title under freeMovieNum(proposed), checked again as it is
    // written; the number it got.
    std::optional<qint32> addMovie(qint64 proposed, const MovieRow &fields);
    Outcome changeMovie(qint32 movieNum, const MovieRow &fields);
    // Retires the title and every tape of it at once; refused while any of
    // its tapes is out (their number in `tapesOut`), since a retired tape
    // can no longer be taken back.
    Outcome retireMovie(qint32 movieNum, int &tapesOut);

    // The copies of a title that are not retired, by tape number.
    std::optional<QList<TapeRow>> tapes(qint32 movieNum);
    // Adds `count` copies numbered on from `firstCopy`, with tape numbers
    // from `firstVideoId` or past the highest one if that has grown since;
    // the first tape number used. Refused (Gone) if the title was retired.
    // New tapes on the shelf go to the title's waiting holds, oldest first,
    // as set aside on `day` (see setAside()); the tapes are dated `day`.
    std::optional<qint32> addTapes(qint32 movieNum, qint64 firstVideoId, qint32 firstCopy, int count,
                                   const TapeFields &fields, Outcome &outcome, QDate day);
    // The tapes the last addTapes set aside for holds.
    const QList<SetAside> &setAside() const { return m_setAside; }
    // InStore is written only when `writeInStore`, so a rental or sale at
    // the counter meanwhile is not undone; a tape out on an open rental is
    // never marked in the store (TapesOut).
    Outcome changeTape(qint32 videoId, const TapeFields &fields, bool writeInStore);
    Outcome retireTape(qint32 videoId);
    // Sets one flag (and for sale the price) on every tape, all or none;
    // a tape retired meanwhile is left as it is.
    std::optional<MarkedTapes> markTapes(const QList<qint32> &videoIds, TapeMark mark, Money price);

private:
    std::optional<qint64> openRentals(const QString &where, qint32 key);
    Outcome changed(const std::optional<QSqlQuery> &q);

    Database m_db;
    QList<SetAside> m_setAside;
};
