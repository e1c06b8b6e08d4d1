#include "ServerSetup.h"

#include "ScopedConnection.h"
#include "ServerStore.h"
#include "StoreLocation.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace ServerSetup {

namespace {

QString quoted(const QString &identifier)
{
    return u'"' + QString(identifier).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// What daily work adds rows to, and the tables whose rows it changes. The
// ledger, the gate log and the prices are only ever added to; tblVersion is
// changed by no counter, but taking its lock (how writers take turns) asks
// for the right to.
QString addedTo()
{
    return QStringLiteral("tblLedger, tblGateLog, tblPrices, tblReceipts, tblRentals, tblSalesDetails, tblVideosSold, "
                          "tblHolds, tblMembers, tblMovies, tblVideos, tblInventory, tblSettings");
}

QString changedBy()
{
    return QStringLiteral("tblMembers, tblRentals, tblVideos, tblInventory, tblMovies, tblHolds, tblSettings, %1")
        .arg(QLatin1String(ServerStore::VersionTable));
}

QString errorText(const QSqlError &e)
{
    return (e.databaseText().isEmpty() ? e.driverText() : e.databaseText()).simplified();
}

// The counters' role made when the owner may make roles; why not, or empty.
QString makeRole(QSqlQuery &q, const QString &role, bool *made)
{
    q.prepare(QStringLiteral("SELECT rolsuper, rolcanlogin, pg_has_role(oid, current_user, 'MEMBER') "
                             "FROM pg_roles WHERE rolname = ?"));
    q.addBindValue(role);
    if (!q.exec())
        return errorText(q.lastError());
    if (!q.next()) {
        if (q.exec(QStringLiteral("CREATE ROLE %1 LOGIN").arg(quoted(role)))) {
            *made = true;
            return {};
        }
        return QCoreApplication::translate(
                   "ServerSetup",
                   "The counters' role %1 does not exist, and this login may not make roles (%2). On the "
                   "server PC, as root, make it with\n  su postgres -c \"createuser --pwprompt %1\"\nthen "
                   "run this again.")
            .arg(role, errorText(q.lastError()));
    }
    if (q.value(0).toBool() || q.value(2).toBool())
        return QCoreApplication::translate(
                   "ServerSetup",
                   "The role %1 may do whatever the store's owner may (it is a superuser or a member of "
                   "the owner's role), so it cannot be the counters' role.")
            .arg(role);
    if (!q.value(1).toBool())
        return QCoreApplication::translate(
                   "ServerSetup",
                   "The role %1 cannot log in. On the server PC, as root, let it with\n  su postgres -c "
                   "\"psql -c 'ALTER ROLE %1 LOGIN'\"\nthen run this again.")
            .arg(role);
    return {};
}

// The counters' rights and no others, in one transaction.
QSqlError grant(QSqlQuery &q, const QString &role, const QString &database, const QString &schema)
{
    const QString r = quoted(role), s = quoted(schema);
    const QStringList statements = {
        QStringLiteral("BEGIN"), QStringLiteral("REVOKE ALL ON ALL TABLES IN SCHEMA %1 FROM PUBLIC, %2").arg(s, r),
        QStringLiteral("GRANT CONNECT ON DATABASE %1 TO %2").arg(quoted(database), r),
        QStringLiteral("GRANT USAGE ON SCHEMA %1 TO %2").arg(s, r),
        QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA %1 TO %2").arg(s, r),
        QStringLiteral("GRANT INSERT ON %1 TO %2").arg(addedTo(), r),
        QStringLiteral("GRANT UPDATE ON %1 TO %2").arg(changedBy(), r),
        // Nor may a counter make tables or functions beside the store's.
        QStringLiteral("REVOKE CREATE ON SCHEMA %1 FROM PUBLIC, %2").arg(s, r), QStringLiteral("COMMIT")};
    for (const QString &sql : statements) {
        if (!q.exec(sql)) {
            const QSqlError error = q.lastError();
            q.exec(QStringLiteral("ROLLBACK"));
            return error;
        }
    }
    return {};
}

} // namespace

QString counterRole(const QString &database)
{
    return database + QStringLiteral("_counter");
}

Outcome run(const QString &location)
{
    const QString shown = StoreLocation::shown(location);
    auto refused = [&](const QString &why) {
        return Outcome{false,
                       QCoreApplication::translate("ServerSetup", "The store %1 was not set up: %2").arg(shown, why)};
    };
    if (!StoreLocation::isServer(location))
        return refused(QCoreApplication::translate("ServerSetup",
                                                   "only a store on a PostgreSQL server has roles; a store file is its "
                                                   "owner's alone."));
    const ScopedConnection c("server-setup", [&](const QString &name) {
        QSqlError error;
        ServerStore::openConnection(name, location, &error);
        return error;
    });
    if (!c.isOpen())
        return refused(errorText(c.openError()));
    QSqlQuery q(c.db());
    if (!q.exec(QStringLiteral("SELECT current_user, pg_get_userbyid(datdba), current_database(), current_schema() "
                               "FROM pg_database WHERE datname = current_database()"))
        || !q.next())
        return refused(errorText(q.lastError()));
    const QString user = q.value(0).toString(), owner = q.value(1).toString(), database = q.value(2).toString();
    const QString schema = q.value(3).toString();
    if (user != owner)
        return refused(QCoreApplication::translate("ServerSetup", "run it as the database's owner, %1, not as %2.")
                           .arg(owner, user));

    const StoreFile::Outcome prepared = ServerStore::prepare(location);
    if (!prepared.ok)
        return refused(prepared.message);
    const QString role = counterRole(database);
    bool made = false;
    if (const QString problem = makeRole(q, role, &made); !problem.isEmpty())
        return refused(problem);
    if (const QSqlError error = grant(q, role, database, schema); error.isValid())
        return refused(
            QCoreApplication::translate("ServerSetup", "the rights could not be given (%1).").arg(errorText(error)));
    QString message = QCoreApplication::translate(
                          "ServerSetup",
                          "The store %1 is set up: %2 owns it and alone changes its tables, guards and version; the "
                          "counters log in as %3 (%4), which may add to the ledger, the gate log and the prices but "
                          "never change or remove what they hold.")
                          .arg(shown, owner, role, StoreLocation::shown(StoreLocation::withUser(location, role)));
    if (made)
        message += QCoreApplication::translate(
                       "ServerSetup",
                       " The role %1 was made without a password: give it one on the server PC, as root, "
                       "with su postgres -c \"psql -c '\\password %1'\".")
                       .arg(role);
    return {true, message};
}

} // namespace ServerSetup
