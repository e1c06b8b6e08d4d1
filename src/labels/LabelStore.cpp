#include "LabelStore.h"

#include "counter/StoreDetails.h"
#include "data/MemberLookup.h"
#include "data/StoreDate.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

const QString Columns =
    QStringLiteral("SELECT v.VideoID, m.Name, v.CopyNumber, m.PriceClass, v.Deleted FROM tblVideos v "
                   "LEFT JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE ");

TapeLabel labelOf(const QSqlQuery &q)
{
    return {q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()};
}

// The context of the labels' texts in translations/labels_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Labels)
};

} // namespace

std::optional<QList<TapeLabel>> LabelStore::labels(const QString &action, const QString &where,
                                                   const QVariantList &values)
{
    auto q = m_db.run(action, Columns + where + QStringLiteral(" AND v.Deleted = 0 ORDER BY v.VideoID"), values);
    if (!q)
        return std::nullopt;
    QList<TapeLabel> out;
    while (q->next())
        out.append(labelOf(*q));
    return out;
}

std::optional<QList<TapeLabel>> LabelStore::ofTitle(qint32 movieNum)
{
    return labels(QStringLiteral("read the title's tapes"), QStringLiteral("v.MovieNum = ?"), {movieNum});
}

std::optional<QList<TapeLabel>> LabelStore::addedOn(QDate day)
{
    return labels(QStringLiteral("read the tapes added today"), QStringLiteral("v.AddedOn = ?"),
                  {StoreDate::toText(day)});
}

std::optional<LabelStore::Range> LabelStore::range(qint32 first, qint32 last)
{
    auto q = m_db.run(QStringLiteral("read the tapes"),
                      Columns + QStringLiteral("v.VideoID BETWEEN ? AND ? ORDER BY v.VideoID"), {first, last});
    if (!q)
        return std::nullopt;
    Range r;
    qint64 expected = first;
    while (q->next()) {
        const TapeLabel label = labelOf(*q);
        for (; expected < label.tape; ++expected)
            r.missing.append(qint32(expected));
        expected = qint64(label.tape) + 1;
        if (q->value(4).toBool())
            r.retired.append(label.tape);
        else
            r.labels.append(label);
    }
    for (; expected <= last; ++expected)
        r.missing.append(qint32(expected));
    return r;
}

Fetched<LabelStore::Member> LabelStore::member(qint32 number)
{
    const Fetched<MemberRow> found = MemberLookup::byNumber(m_db, number);
    if (found.failed || !found.row)
        return {found.failed, {}};
    StoreDetailsStore details(m_db.path());
    const auto store = details.load();
    if (!store) {
        m_db.fail(details.lastError().action, details.lastError().detail);
        return {true, {}};
    }
    const MemberRow &m = *found.row;
    const QString name = (m.firstName.trimmed() + u' ' + m.lastName.trimmed()).trimmed();
    return {false, Member{{m.number, name, store->name.trimmed()}, m.deleted, store->documentLanguage()}};
}

std::optional<Language::Id> LabelStore::documentLanguage()
{
    StoreDetailsStore details(m_db.path());
    const auto store = details.load();
    if (!store) {
        m_db.fail(details.lastError().action, details.lastError().detail);
        return std::nullopt;
    }
    return store->documentLanguage();
}

namespace Labels {

QString runs(const QList<qint32> &numbers)
{
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        parts << (j == i ? QString::number(numbers[i])
                         : Text::tr("%1 to %2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QString rangeRefusal(qint64 first, qint64 last)
{
    if (first > last)
        return Text::tr("The first tape number, %1, is after the last, %2. No labels were made.").arg(first).arg(last);
    if (last - first + 1 > MostAtOnce)
        return Text::tr("At most %1 labels are made at once; tapes %2 to %3 are %4. No labels were made.")
            .arg(QLocale().toString(MostAtOnce))
            .arg(first)
            .arg(last)
            .arg(QLocale().toString(last - first + 1));
    return {};
}

QString rangeRefusal(const LabelStore::Range &range)
{
    if (!range.missing.isEmpty())
        return Text::tr("These tape numbers are not on file: %1. No labels were made.").arg(runs(range.missing));
    if (range.labels.isEmpty())
        return Text::tr("These tapes are all marked as deleted: %1. No labels were made.").arg(runs(range.retired));
    return {};
}

QString leftOut(const LabelStore::Range &range)
{
    if (range.retired.isEmpty())
        return {};
    return Text::tr("Tapes marked as deleted get no label: %1.").arg(runs(range.retired));
}

QString cardRefusal(qint32 number, const Fetched<LabelStore::Member> &found)
{
    if (!found.row)
        return Text::tr("There is no member with the number %1, so no card was made.").arg(number);
    if (number == 0)
        return Text::tr("Member 0 is the walk-in customer, who has no card.");
    if (found.row->retired)
        return Text::tr("Member %1 is marked as deleted, so no card was made.").arg(number);
    return {};
}

} // namespace Labels
