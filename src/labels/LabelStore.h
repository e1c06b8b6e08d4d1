#pragma once

#include "data/Database.h"
#include "labels/LabelLayout.h"

#include <QDate>
#include <QList>

#include <optional>

// What labels and cards read of the store: tapes with their titles, a
// member's name, the store's name.
class LabelStore final
{
public:
    explicit LabelStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // The copies of a title that are not retired, by tape number.
    std::optional<QList<TapeLabel>> ofTitle(qint32 movieNum);
    // The tapes added on `day` that are not retired, by tape number.
    std::optional<QList<TapeLabel>> addedOn(QDate day);

    // Tapes `first` to `last`: the labels of those on file and not
    // retired, and the numbers of the others.
    struct Range
    {
        QList<TapeLabel> labels;
        QList<qint32> missing, retired;
    };
    std::optional<Range> range(qint32 first, qint32 last);

    // The card of member `number`; no row when nobody has that number.
    struct Member
    {
        MemberCard card;
        bool retired = false;
        Language::Id language = Language::English; // the store's for printed documents
    };
    Fetched<Member> member(qint32 number);
    // The language the store prints its documents in; nullopt when the
    // store fails.
    std::optional<Language::Id> documentLanguage();

private:
    std::optional<QList<TapeLabel>> labels(const QString &action, const QString &where, const QVariantList &values);

    Database m_db;
};

namespace Labels {

// Why labels for tapes `first` to `last` are not made (too many, the wrong
// way round), or empty when they may be; before the store is read.
QString rangeRefusal(qint64 first, qint64 last);
// Why the labels of `range` are not made (numbers not on file, most likely
// mistyped), or empty when they are.
QString rangeRefusal(const LabelStore::Range &range);
// The retired tapes of `range`, which a shelf no longer holds and which
// are left out; empty when there are none.
QString leftOut(const LabelStore::Range &range);
// Why member `number` gets no card, or empty when the member does.
QString cardRefusal(qint32 number, const Fetched<LabelStore::Member> &found);
// Tape numbers as runs: "1031 to 1040, 1045".
QString runs(const QList<qint32> &numbers);

} // namespace Labels
