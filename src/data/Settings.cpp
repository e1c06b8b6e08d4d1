#include "Settings.h"

#include "Chain.h"
#include "GateStore.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace Settings {

namespace {

const QString Select = QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?");

// A missing row and an empty value are told apart.
QString digestOf(const QStringList &names, const QHash<QString, QString> &values)
{
    QStringList parts;
    for (const QString &name : names) {
        const auto it = values.constFind(name);
        parts << name << (it == values.constEnd() ? QStringLiteral("-") : u'=' + *it);
    }
    return Chain::digest(parts);
}

// "2026-03-10 09:05" of "2026-03-10 09:05:12".
QString minute(const QVariant &time)
{
    return time.toString().left(16);
}

} // namespace

const QStringList &storeDetails()
{
    static const QStringList names = {QStringLiteral("StoreName"),      QStringLiteral("StoreAddress"),
                                      QStringLiteral("StorePhone"),     QStringLiteral("StoreGSTNumber"),
                                      QStringLiteral("StorePSTNumber"), QStringLiteral("ReceiptPaper"),
                                      QStringLiteral("DocumentLanguage")};
    return names;
}

std::optional<int> holdDays(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > LongestHold)
        return std::nullopt;
    return n;
}

const Group &codeGroup()
{
    static const Group g{QT_TRANSLATE_NOOP("Settings", "the manager code was changed"),
                         {QString::fromLatin1(ManagerCode)},
                         QStringLiteral("code changed")};
    return g;
}

const Group &detailsGroup()
{
    static const Group g{QT_TRANSLATE_NOOP("Settings", "the store details were changed"), storeDetails(),
                         QStringLiteral("store details changed")};
    return g;
}

const Group &holdDaysGroup()
{
    static const Group g{QT_TRANSLATE_NOOP("Settings", "the hold days setting was changed"),
                         {QString::fromLatin1(HoldDays)},
                         QStringLiteral("hold days "),
                         true};
    return g;
}

std::optional<QHash<QString, QString>> read(Database &db, const QString &action, const QStringList &names)
{
    QHash<QString, QString> values;
    for (const QString &name : names) {
        auto q = db.run(action, Select, {name});
        if (!q)
            return std::nullopt;
        if (q->next())
            values.insert(name, q->value(0).toString());
    }
    return values;
}

bool write(Database &db, const QString &action, const QHash<QString, QString> &values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const auto changed = db.change(action, QStringLiteral("UPDATE tblSettings SET Value = ? WHERE Name = ?"),
                                       {it.value(), it.key()});
        if (!changed)
            return false;
        if (*changed == 0
            && !db.change(action, QStringLiteral("INSERT INTO tblSettings (Name, Value) VALUES (?, ?)"),
                          {it.key(), it.value()}))
            return false;
    }
    return true;
}

bool recordChange(Database &db, const QString &action, const Group &group, const QString &outcome, int destination,
                  const QDateTime &when)
{
    const auto now = read(db, action, group.names);
    return now && GateLog::append(db, action, when, destination, outcome, digestOf(group.names, *now));
}

QStringList problems(const QSqlDatabase &db, bool codeTold)
{
    QStringList out;
    QHash<QString, QString> values;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT Name, Value FROM tblSettings"))) {
        out << QCoreApplication::translate("Settings", "the settings could not be read (%1)").arg(q.lastError().text());
        return out;
    }
    while (q.next())
        values.insert(q.value(0).toString(), q.value(1).toString());
    const QString days = QString::fromLatin1(HoldDays);
    if (values.contains(days) && !holdDays(values.value(days)))
        out << QCoreApplication::translate("Settings",
                                           "the hold days setting holds \"%1\", not a whole number of days from 1 "
                                           "to %2: tapes are set aside for %3 days until it is set again in Store "
                                           "details")
                   .arg(values.value(days))
                   .arg(LongestHold)
                   .arg(DefaultHoldDays);
    for (const Group *group : {&codeGroup(), &detailsGroup(), &holdDaysGroup()}) {
        if (group == &codeGroup() && codeTold)
            continue;
        q.prepare(QStringLiteral("SELECT TryNumber, TriedAt, Outcome, Digest FROM tblGateLog WHERE %1 "
                                 "ORDER BY TryNumber DESC LIMIT 1")
                      .arg(group->outcomeStarts ? QStringLiteral("Outcome LIKE ?") : QStringLiteral("Outcome = ?")));
        q.addBindValue(group->outcomeStarts ? group->outcome + u'%' : group->outcome);
        if (!q.exec()) {
            out << QCoreApplication::translate("Settings", "the gate log could not be read (%1)")
                       .arg(q.lastError().text());
            continue;
        }
        // A change made before the digests were kept proves nothing either way.
        if (!q.next() || q.value(3).isNull() || q.value(3).toString() == digestOf(group->names, values))
            continue;
        out << QCoreApplication::translate("Settings",
                                           "%1 outside the program, after gate log entry %2 (%3, %4) recorded the last "
                                           "change made through it")
                   .arg(QCoreApplication::translate("Settings", group->changed), q.value(0).toString(),
                        minute(q.value(1)), q.value(2).toString());
    }
    return out;
}

} // namespace Settings
