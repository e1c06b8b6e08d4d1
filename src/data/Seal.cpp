#include "Seal.h"

#include "Database.h"
#include "StoreDate.h"
#include "StoreIntegrity.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlQuery>

#include <algorithm>

namespace Seal {

namespace {

// Four groups of four hex digits, in capitals.
QString grouped(const QString &hex)
{
    const QString upper = hex.left(16).toUpper();
    return QStringLiteral("%1 %2 %3 %4").arg(upper.mid(0, 4), upper.mid(4, 4), upper.mid(8, 4), upper.mid(12, 4));
}

// A seal as Day End printed it before seals had counts: the link of the
// day's last ledger entry.
QString ofLink(const QByteArray &link)
{
    return grouped(QString::fromLatin1(link.left(8).toHex()));
}

QString dayCondition(const Chain::Table &table)
{
    // The day's rows, whatever follows the date in the column.
    return QStringLiteral("%1 >= ? AND %1 < ?").arg(table.dayColumn);
}

QVariantList dayBounds(QDate day)
{
    return {StoreDate::toText(day), StoreDate::toText(day.addDays(1))};
}

// The last row written before `day` (the starting prices belong to no day),
// whose link a seal stands on when the day has no rows of the table.
QString lastBefore(const Chain::Table &table)
{
    return QStringLiteral("SELECT %1, Hash FROM %2 WHERE %3 IS NULL OR %3 < ? ORDER BY %1 DESC LIMIT 1")
        .arg(table.key, table.name, table.dayColumn);
}

QString capitalized(const QString &text)
{
    return text.left(1).toUpper() + text.mid(1);
}

// The day's rows of one table as the store holds them: keys and how a seal
// names them, in the order written.
struct DayRows
{
    QList<qint64> keys;
    QStringList named;
    std::optional<qint64> before; // the last row written before the day
};

std::optional<DayRows> dayRows(const QSqlDatabase &db, const Chain::Table &table, QDate day, QString *error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY %3").arg(table.name, dayCondition(table), table.key));
    for (const QVariant &v : dayBounds(day))
        q.addBindValue(v);
    if (!q.exec()) {
        *error = QCoreApplication::translate("Seal", "%1 could not be read (%2)").arg(table.name, q.lastError().text());
        return std::nullopt;
    }
    DayRows out;
    while (q.next()) {
        out.keys << q.value(table.key).toLongLong();
        out.named << Chain::brief(table, q);
    }
    q.prepare(lastBefore(table));
    q.addBindValue(StoreDate::toText(day));
    if (!q.exec()) {
        *error = QCoreApplication::translate("Seal", "%1 could not be read (%2)").arg(table.name, q.lastError().text());
        return std::nullopt;
    }
    if (q.next())
        out.before = q.value(0).toLongLong();
    return out;
}

// The links of the rows `wanted` of `table`, each worked out afresh from
// the start of its chain; what the walk found wrong on the way, if anything.
QHash<qint64, QByteArray> linksOf(const QSqlDatabase &db, const Chain::Table &table, const QList<qint64> &wanted,
                                  QString *finding)
{
    QHash<qint64, QByteArray> links;
    if (wanted.isEmpty())
        return links;
    const qint64 last = wanted.last();
    const Chain::Walk walk = Chain::walk(db, table, [&](const QSqlQuery &row, const QByteArray &link) {
        const qint64 key = row.value(table.key).toLongLong();
        if (wanted.contains(key))
            links.insert(key, link);
        return key < last;
    });
    *finding = walk.finding;
    return links;
}

// "1 ledger entry was added to 2026-12-06 after its seal: entry 412, payment -$5.00"
QString added(const Chain::Table &table, QDate day, const QStringList &named)
{
    constexpr int Shown = 5;
    QStringList shown = named.mid(0, Shown);
    if (named.size() > Shown)
        shown << QCoreApplication::translate("Seal", "and %1 more").arg(named.size() - Shown);
    return (named.size() == 1 ? QCoreApplication::translate("Seal", "%1 was added to %2 after its seal: %3")
                              : QCoreApplication::translate("Seal", "%1 were added to %2 after its seal: %3"))
        .arg(table.count(named.size()), StoreDate::toText(day), shown.join(QStringLiteral("; ")));
}

QString joined(const QStringList &counts)
{
    if (counts.size() < 2)
        return counts.join(QString());
    return QCoreApplication::translate("Seal", "%1 and %2")
        .arg(counts.mid(0, counts.size() - 1).join(QStringLiteral(", ")), counts.last());
}

// A seal with its counts: each table's rows of the day it covers, found by
// their number, the rest of the day's rows added after it.
Check verifyCounted(const QSqlDatabase &db, QDate day, const Typed &typed)
{
    const QString head =
        QCoreApplication::translate("Seal", "The seal %1 of %2").arg(typed.seal, StoreDate::toText(day));
    QStringList gone, later, findings, counts;
    QList<Cover> covers;
    for (qsizetype t = 0; t < Chain::tables().size(); ++t) {
        const Chain::Table &table = Chain::tables().at(t);
        const qint64 sealed = typed.counts.at(t);
        counts << table.count(sealed);
        QString error;
        const auto rows = dayRows(db, table, day, &error);
        if (!rows)
            return {false, QCoreApplication::translate("Seal", "%1 could not be checked: %2.").arg(head, error)};
        if (rows->keys.size() < sealed) {
            gone << QCoreApplication::translate("Seal", "the seal covers %1; the store holds %2")
                        .arg(table.count(sealed), QLocale(QLocale::English).toString(rows->keys.size()));
            continue;
        }
        if (rows->keys.size() > sealed)
            later << added(table, day, rows->named.mid(sealed));
        Cover cover{sealed, {}};
        const std::optional<qint64> key = sealed > 0 ? rows->keys.at(sealed - 1) : rows->before;
        if (key) {
            QString finding;
            cover.link = linksOf(db, table, {*key}, &finding).value(*key);
            if (cover.link.isEmpty() && !finding.isEmpty())
                findings << finding;
        }
        covers << cover;
    }
    QStringList problems;
    if (gone.isEmpty() && value(day, covers) != typed.seal)
        problems << QCoreApplication::translate("Seal",
                                                "the entries it covers, or entries before them, are not what they were "
                                                "when it was printed")
                + (findings.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(findings.join(u"; ")));
    problems << gone << later;
    if (problems.isEmpty())
        return {true,
                QCoreApplication::translate(
                    "Seal",
                    "%1 holds: the store's %2 of that day, and every entry before them, are as they "
                    "were when it was printed.")
                    .arg(head, joined(counts))};
    for (QString &p : problems)
        p = capitalized(p);
    return {
        false,
        QCoreApplication::translate("Seal", "%1 does not hold. %2.").arg(head, problems.join(QStringLiteral(". ")))};
}

// A seal printed before seals had counts: the link of the day's last
// ledger entry then, looked for among the day's entries now.
Check verifyLedgerOnly(const QSqlDatabase &db, QDate day, const QString &seal)
{
    const QString head = QCoreApplication::translate("Seal", "The seal %1 of %2").arg(seal, StoreDate::toText(day));
    const Chain::Table &table = Chain::ledger();
    QString error;
    const auto rows = dayRows(db, table, day, &error);
    if (!rows)
        return {false, QCoreApplication::translate("Seal", "%1 could not be checked: %2.").arg(head, error)};
    if (rows->keys.isEmpty())
        return {false,
                QCoreApplication::translate("Seal",
                                            "The store holds no ledger entries of %1, so no seal of that day holds.")
                    .arg(StoreDate::toText(day))};
    QString finding;
    const QHash<qint64, QByteArray> links = linksOf(db, table, rows->keys, &finding);
    qsizetype sealed = 0;
    for (qsizetype i = 0; i < rows->keys.size(); ++i)
        if (ofLink(links.value(rows->keys.at(i))) == seal)
            sealed = i + 1;
    const qsizetype held = rows->keys.size();
    if (sealed == held)
        return {true,
                QCoreApplication::translate("Seal",
                                            "%1 holds: the store's %2 of that day, and every entry before them, are as "
                                            "they were when it was printed.")
                    .arg(head, table.count(held))};
    if (sealed > 0)
        return {false,
                QCoreApplication::translate("Seal", "%1 holds for the first %2 of the day's %3 only. %4.")
                    .arg(head, QString::number(sealed), table.count(held),
                         capitalized(added(table, day, rows->named.mid(sealed))))};
    return {
        false,
        QCoreApplication::translate("Seal",
                                    "%1 does not hold: the store's entries of that day, or entries before them, are "
                                    "not what they were when it was printed%2. A seal printed with its counts is "
                                    "checked with them: give them after it, as Day End printed them.")
            .arg(head, finding.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(finding))};
}

} // namespace

std::optional<Cover> cover(Database &db, const Chain::Table &table, QDate day)
{
    const QString action = QCoreApplication::translate("Seal", "work out the seal of %1").arg(StoreDate::toText(day));
    auto q = db.run(action,
                    QStringLiteral("SELECT %1, Hash FROM %2 WHERE %3 ORDER BY %1 DESC")
                        .arg(table.key, table.name, dayCondition(table)),
                    dayBounds(day));
    if (!q)
        return std::nullopt;
    Cover out;
    while (q->next()) {
        if (out.count++ == 0)
            out.link = Chain::fromText(q->value(1));
    }
    if (out.count == 0) {
        // A day without rows of its own still seals every row before it.
        auto before = db.run(action, lastBefore(table), {StoreDate::toText(day)});
        if (!before)
            return std::nullopt;
        if (before->next())
            out.link = Chain::fromText(before->value(1));
    }
    return out;
}

QString value(QDate day, const QList<Cover> &covers)
{
    QStringList parts{QStringLiteral("videostore seal"), StoreDate::toText(day)};
    for (const Cover &c : covers)
        parts << QString::number(c.count) << Chain::toText(c.link);
    return grouped(Chain::digest(parts));
}

QString line(QDate day, const QList<Cover> &covers)
{
    // The counts without thousands separators, so the line reads back whole.
    QStringList counts;
    for (qsizetype t = 0; t < covers.size() && t < Chain::tables().size(); ++t) {
        const Chain::Table &table = Chain::tables().at(t);
        const qint64 n = covers.at(t).count;
        counts << QStringLiteral("%1 %2").arg(n).arg(table.word(n));
    }
    return QStringLiteral("%1 — %2").arg(value(day, covers), counts.join(QStringLiteral(", ")));
}

std::optional<Typed> read(const QString &typed)
{
    QString text = typed.trimmed();
    if (text.startsWith(QLatin1String("seal"), Qt::CaseInsensitive))
        text = text.mid(4);
    Typed out;
    QString hex;
    for (QString token :
         text.split(QRegularExpression(QStringLiteral("[\\s,;:()\u2014\u2013]+")), Qt::SkipEmptyParts)) {
        if (hex.size() < 16) {
            token.remove(u'-');
            for (const QChar c : std::as_const(token))
                if (!c.isDigit() && !(c.toUpper() >= u'A' && c.toUpper() <= u'F'))
                    return std::nullopt;
            hex += token.toUpper();
            if (hex.size() > 16)
                return std::nullopt;
            continue;
        }
        // The words between the counts, in whatever language they were printed.
        if (std::none_of(token.cbegin(), token.cend(), [](QChar c) { return c.isDigit(); }))
            continue;
        bool number = false;
        const qint64 n = token.toLongLong(&number);
        if (!number || n < 0)
            return std::nullopt;
        out.counts << n;
    }
    if (hex.size() != 16 || (!out.counts.isEmpty() && out.counts.size() != Chain::tables().size()))
        return std::nullopt;
    out.seal = grouped(hex);
    return out;
}

Check verify(const QString &location, QDate day, const Typed &typed)
{
    Check out;
    const QString failed = StoreIntegrity::inSnapshot(
        location, StoreIntegrity::Reading::BesideProgram, [&](const QSqlDatabase &db, Schema::Engine) {
            out = typed.counts.isEmpty() ? verifyLedgerOnly(db, day, typed.seal) : verifyCounted(db, day, typed);
        });
    if (!failed.isEmpty())
        out = {false, QCoreApplication::translate("Seal", "The store could not be opened (%1).").arg(failed)};
    return out;
}

} // namespace Seal
