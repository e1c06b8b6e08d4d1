#include "StoreIntegrity.h"

#include "Chain.h"
#include "Database.h"
#include "ScopedConnection.h"
#include "ServerStore.h"
#include "Settings.h"
#include "StoreFile.h"
#include "StoreLocation.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSqlQuery>

#include <sodium.h>

namespace StoreIntegrity {

namespace {

struct GuardState
{
    const Schema::Guard *guard;
    QString state; // "is missing", "was changed", "is switched off"
};

// The guards not in place as made, read from the engine's own catalogue.
QList<GuardState> guardStates(const QSqlDatabase &db, Schema::Engine engine, QSqlError *error)
{
    QSqlQuery q(db);
    struct Found
    {
        QString table, definition, function;
        int events = 0;
        bool enabled = true;
    };
    QHash<QString, Found> found;
    const bool file = engine == Schema::Engine::SQLite;
    const bool read =
        file ? q.exec(QStringLiteral("SELECT name, tbl_name, sql FROM sqlite_master WHERE type = 'trigger'"))
             : q.exec(QStringLiteral("SELECT t.tgname, c.relname, p.prosrc, p.proname, t.tgtype, t.tgenabled "
                                     "FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
                                     "JOIN pg_proc p ON p.oid = t.tgfoid "
                                     "WHERE c.relnamespace = current_schema()::regnamespace AND NOT t.tgisinternal"));
    if (!read) {
        *error = q.lastError();
        return {};
    }
    while (q.next()) {
        Found f;
        f.table = q.value(1).toString().toLower();
        f.definition = q.value(2).toString();
        if (!file) {
            f.function = q.value(3).toString().toLower();
            f.events = q.value(4).toInt();
            // 'O' fires as usual, 'A' always; 'D' is off, 'R' fires only on a replica.
            const QString mode = q.value(5).toString();
            f.enabled = mode == QLatin1String("O") || mode == QLatin1String("A");
        }
        found.insert(q.value(0).toString().toLower(), f);
    }
    QList<GuardState> out;
    for (const Schema::Guard &g : Schema::guards(engine)) {
        const auto it = found.constFind(g.name.toLower());
        if (it == found.constEnd())
            out.append({&g, QCoreApplication::translate("StoreIntegrity", "is missing")});
        else if (it->table != g.table.toLower() || it->definition != g.definition
                 || (!file && (it->function != g.function.toLower() || it->events != g.events)))
            out.append({&g, QCoreApplication::translate("StoreIntegrity", "was changed")});
        else if (!it->enabled)
            out.append({&g, QCoreApplication::translate("StoreIntegrity", "is switched off")});
    }
    return out;
}

QString guardName(const Schema::Guard &g)
{
    static const QHash<QString, const char *> owned = {
        {QStringLiteral("the ledger"), QT_TRANSLATE_NOOP("StoreIntegrity", "the ledger's guard %1")},
        {QStringLiteral("the gate log"), QT_TRANSLATE_NOOP("StoreIntegrity", "the gate log's guard %1")},
        {QStringLiteral("the prices"), QT_TRANSLATE_NOOP("StoreIntegrity", "the prices's guard %1")}};
    if (const auto it = owned.constFind(g.owner); it != owned.constEnd())
        return QCoreApplication::translate("StoreIntegrity", *it).arg(g.name);
    return QStringLiteral("%1's guard %2").arg(g.owner, g.name);
}

// Why the gate opens for no code: the log says a code was set, and the store
// has none it can check.
QString codeProblem(const QSqlDatabase &db)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblGateLog WHERE Outcome = 'code changed'), "
                             "(SELECT Value FROM tblSettings WHERE Name = ?)"));
    q.addBindValue(QString::fromLatin1(CodeSetting));
    if (!q.exec() || !q.next())
        return QCoreApplication::translate("StoreIntegrity", "the manager code could not be read (%1)")
            .arg(q.lastError().text());
    if (q.value(0).toLongLong() == 0 || codeHashReadable(q.value(1).toString().toUtf8()))
        return {};
    return QCoreApplication::translate("StoreIntegrity",
                                       "the manager code is missing or unreadable, though the gate log records that "
                                       "it was set: the manager's windows open for no code until one is set with "
                                       "videostore --set-manager-code");
}

QString thousands(qint64 n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

} // namespace

// Runs `work` on a connection to the store at `location` that sees one
// moment of it and writes nothing; why it could not be opened, or empty.
QString inSnapshot(const QString &location, Reading reading,
                   const std::function<void(const QSqlDatabase &db, Schema::Engine)> &work)
{
    auto inTransaction = [&](const QSqlDatabase &db) {
        QSqlQuery(QStringLiteral("BEGIN"), db);
        work(db, Schema::Engine::SQLite);
        QSqlQuery(QStringLiteral("ROLLBACK"), db);
    };
    if (!StoreLocation::isServer(location) && reading == Reading::Command) {
        const QSqlError failed = StoreFile::readOnly(location, inTransaction);
        return failed.isValid() ? failed.text() : QString();
    }
    if (!StoreLocation::isServer(location)) {
        // A file the program writes on meanwhile is never read as unchanging.
        const ScopedConnection c("integrity", [&](const QString &name) {
            QString why;
            Database::openConnection(name, location, false, &why);
            return why.isEmpty() ? QSqlError() : QSqlError(QString(), why);
        });
        if (!c.isOpen())
            return c.openError().text();
        inTransaction(c.db());
        return {};
    }
    const ScopedConnection c("integrity", [&](const QString &name) {
        QSqlError error;
        ServerStore::openConnection(name, location, &error);
        return error;
    });
    if (!c.isOpen())
        return c.openError().text();
    QSqlQuery(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"), c.db());
    work(c.db(), Schema::Engine::PostgreSQL);
    QSqlQuery(QStringLiteral("ROLLBACK"), c.db());
    return {};
}

QString Report::summary() const
{
    //: %1 and %2: "1,204 entries"; %3 and %4: "2 tries"; %5 and %6: "1 change".
    return QCoreApplication::translate("StoreIntegrity", "the ledger's %1 %2, the gate log's %3 %4 and the prices' %5 "
                                                         "%6 are as they were written")
        .arg(thousands(ledgerEntries),
             ledgerEntries == 1 ? QCoreApplication::translate("StoreIntegrity", "entry")
                                : QCoreApplication::translate("StoreIntegrity", "entries"),
             thousands(gateTries),
             gateTries == 1 ? QCoreApplication::translate("StoreIntegrity", "try")
                            : QCoreApplication::translate("StoreIntegrity", "tries"),
             thousands(priceChanges),
             priceChanges == 1 ? QCoreApplication::translate("StoreIntegrity", "change")
                               : QCoreApplication::translate("StoreIntegrity", "changes"));
}

Report check(const QSqlDatabase &db, Schema::Engine engine, const std::atomic<bool> *cancel)
{
    Report out;
    QSqlError error;
    for (const GuardState &g : guardStates(db, engine, &error))
        out.problems << QStringLiteral("%1 %2").arg(guardName(*g.guard), g.state);
    if (error.isValid())
        out.problems << QCoreApplication::translate("StoreIntegrity", "the guards could not be read (%1)")
            .arg(error.text());
    for (const Chain::Table &table : Chain::tables()) {
        const Chain::Walk walk = Chain::walk(db, table, {}, cancel);
        out.cancelled = out.cancelled || walk.cancelled;
        (table.name == Chain::ledger().name    ? out.ledgerEntries
         : table.name == Chain::gateLog().name ? out.gateTries
                                               : out.priceChanges) = walk.rows;
        if (!walk.finding.isEmpty() && !out.problems.contains(walk.finding))
            out.problems << walk.finding;
    }
    const QString code = codeProblem(db);
    if (!code.isEmpty())
        out.problems << code;
    out.problems << Settings::problems(db, !code.isEmpty());
    return out;
}

Report check(const QString &location, Reading reading, const std::atomic<bool> *cancel)
{
    Report out;
    const QString failed = inSnapshot(
        location, reading, [&](const QSqlDatabase &db, Schema::Engine engine) { out = check(db, engine, cancel); });
    if (!failed.isEmpty())
        out.problems << QCoreApplication::translate("StoreIntegrity",
                                                    "the store could not be opened to check its records (%1)")
            .arg(failed);
    return out;
}

QStringList restoreGuards(const QSqlDatabase &db, Schema::Engine engine, QSqlError *error)
{
    QStringList notes;
    QSqlQuery q(db);
    for (const GuardState &g : guardStates(db, engine, error)) {
        for (const QString &sql : QStringList{g.guard->drop} + g.guard->create)
            if (!q.exec(sql)) {
                *error = q.lastError();
                return {};
            }
        notes << QCoreApplication::translate("StoreIntegrity", "%1 %2; it has been put back")
            .arg(guardName(*g.guard), g.state);
    }
    return notes;
}

bool codeHashReadable(const QByteArray &hash)
{
    if (hash.isEmpty() || sodium_init() < 0)
        return false;
    // -1 for a text that is not a hash libsodium made.
    return crypto_pwhash_str_needs_rehash(hash.constData(), crypto_pwhash_OPSLIMIT_MODERATE,
                                          crypto_pwhash_MEMLIMIT_MODERATE)
           != -1;
}

} // namespace StoreIntegrity
