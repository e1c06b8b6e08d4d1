#include "StoreCopy.h"

#include "data/Chain.h"
#include "data/Database.h"
#include "data/OutputFile.h"
#include "data/Schema.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"
#include "data/StoreLocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cerrno>

namespace StoreCopy {

namespace {

// Rows written by one statement: few round trips to a server, and well
// within either engine's limit on bound values.
constexpr int Batch = 200;

// The money columns, whose sums the check compares.
const QHash<QString, QStringList> &moneyColumns()
{
    static const QHash<QString, QStringList> columns = {
        {QStringLiteral("tblMembers"), {QStringLiteral("FeesOwing")}},
        {QStringLiteral("tblVideos"), {QStringLiteral("SalePrice")}},
        {QStringLiteral("tblInventory"), {QStringLiteral("Price")}},
    };
    return columns;
}

QString errorText(const QSqlError &e)
{
    const QString db = e.databaseText().trimmed();
    return (db.isEmpty() ? e.text() : db).simplified();
}

// A connection of its own, removed with everything it holds when it goes.
class Connection final
{
public:
    Connection() : m_name(QStringLiteral("videostore-copy-%1").arg(++counter())) {}
    ~Connection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Q_DISABLE_COPY_MOVE(Connection)

    const QString &name() const { return m_name; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    static std::atomic<int> &counter()
    {
        static std::atomic<int> n{0};
        return n;
    }
    QString m_name;
};

// "rows 12, FeesOwing 34500" for one table, read on `db`.
std::optional<QString> figures(const QSqlDatabase &db, const QString &table, QString *error)
{
    QStringList parts{QStringLiteral("COUNT(*)")};
    for (const QString &column : moneyColumns().value(table))
        parts << QStringLiteral("COALESCE(SUM(%1), 0)").arg(column);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2").arg(parts.join(QStringLiteral(", ")), table)) || !q.next()) {
        *error = QCoreApplication::translate("StoreCopy", "%1 could not be counted (%2).")
            .arg(table, errorText(q.lastError()));
        return std::nullopt;
    }
    QStringList out{QStringLiteral("%1 rows").arg(q.value(0).toString())};
    const QStringList money = moneyColumns().value(table);
    for (int i = 0; i < money.size(); ++i)
        out << QStringLiteral("%1 %2").arg(money[i], q.value(1 + i).toString());
    return out.join(QStringLiteral(", "));
}

QString insertSql(const QString &table, const QStringList &columns, int rows)
{
    const QString one = QStringLiteral("(%1)").arg(QStringList(columns.size(), QStringLiteral("?")).join(u','));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table, columns.join(QStringLiteral(", ")), QStringList(rows, one).join(u','));
}

// Copies one table's rows from `from` to `to`; empty, or why not.
QString copyTable(const QSqlDatabase &from, const QSqlDatabase &to, const QString &table, const QStringList &columns,
                  const Progress &progress)
{
    QString error;
    QSqlQuery count(from);
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !count.next())
        return QCoreApplication::translate("StoreCopy", "%1 could not be read (%2).")
            .arg(table, errorText(count.lastError()));
    const qint64 total = count.value(0).toLongLong();
    count = QSqlQuery();

    QSqlQuery rows(from);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), table)))
        return QCoreApplication::translate("StoreCopy", "%1 could not be read (%2).")
            .arg(table, errorText(rows.lastError()));
    QSqlQuery full(to);
    if (!full.prepare(insertSql(table, columns, Batch)))
        return QCoreApplication::translate("StoreCopy", "%1 could not be written (%2).")
            .arg(table, errorText(full.lastError()));

    QVariantList pending;
    qint64 done = 0;
    auto write = [&](QSqlQuery &q) {
        for (int i = 0; i < pending.size(); ++i)
            q.bindValue(i, pending[i]);
        if (!q.exec())
            return false;
        done += pending.size() / columns.size();
        pending.clear();
        if (progress)
            progress(table, done, total);
        return true;
    };
    while (rows.next()) {
        for (int c = 0; c < columns.size(); ++c)
            pending << rows.value(c);
        if (pending.size() == Batch * columns.size() && !write(full))
            return QCoreApplication::translate("StoreCopy", "%1 could not be written (%2).")
                .arg(table, errorText(full.lastError()));
    }
    if (rows.lastError().isValid())
        return QCoreApplication::translate("StoreCopy", "%1 could not be read (%2).")
            .arg(table, errorText(rows.lastError()));
    if (!pending.isEmpty()) {
        QSqlQuery last(to);
        if (!last.prepare(insertSql(table, columns, int(pending.size() / columns.size()))) || !write(last))
            return QCoreApplication::translate("StoreCopy", "%1 could not be written (%2).")
                .arg(table, errorText(last.lastError()));
    }
    if (progress && total == 0)
        progress(table, 0, 0);
    return {};
}

// Makes the whole store in the target's open transaction and copies every
// table into it; empty, or why not.
QString fill(const QSqlDatabase &from, const QSqlDatabase &to, bool toServer, const Progress &progress,
             qint64 *rowsCopied)
{
    QSqlQuery q(to);
    if (toServer) {
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = "
                                   "current_schema()"))
            || !q.next())
            return errorText(q.lastError());
        if (q.value(0).toLongLong() != 0)
            return QCoreApplication::translate("StoreCopy",
                                               "The target database is not empty: copy into a new, empty database.");
    }
    QStringList statements = toServer ? ServerStore::creation() : Schema::creation(Schema::Engine::SQLite);
    if (!toServer)
        statements << QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version);
    // The seed rows are copied with the rest; the guards stand aside for
    // that, in this transaction only.
    const QList<Schema::Guard> &guards =
        Schema::guards(toServer ? Schema::Engine::PostgreSQL : Schema::Engine::SQLite);
    for (const Schema::Guard &g : guards)
        statements << g.drop;
    for (const QString &table : Schema::tableNames())
        statements << QStringLiteral("DELETE FROM %1").arg(table);
    for (const QString &sql : statements)
        if (!q.exec(sql))
            return QCoreApplication::translate("StoreCopy", "The new store could not be made (%1).")
                .arg(errorText(q.lastError()));

    const StoreFile::Tables tables = StoreFile::expectedColumns(Schema::Version);
    for (const auto &[table, columns] : tables) {
        const QString problem = copyTable(from, to, table, columns, progress);
        if (!problem.isEmpty())
            return problem;
    }
    for (const Schema::Guard &g : guards)
        for (const QString &sql : g.create)
            if (!q.exec(sql))
                return QCoreApplication::translate("StoreCopy", "The new store could not be made (%1).")
                    .arg(errorText(q.lastError()));
    // Every link worked out again on the target, where the engine may be
    // another, comes out as on the source.
    for (const Chain::Table &table : Chain::tables()) {
        const Chain::Walk source = Chain::walk(from, table);
        const Chain::Walk copied = Chain::walk(to, table);
        if (copied.rows != source.rows || copied.finding != source.finding)
            return QCoreApplication::translate("StoreCopy",
                                               "The check after copying found the chain of %1 whole for %2 rows where "
                                               "the source's is for %3.")
                .arg(table.name)
                .arg(copied.rows)
                .arg(source.rows);
    }
    // The copy is kept only when every table holds what the source holds.
    for (const auto &[table, columns] : tables) {
        QString error;
        const auto expected = figures(from, table, &error);
        const auto copied = expected ? figures(to, table, &error) : std::nullopt;
        if (!copied)
            return error;
        if (*expected != *copied)
            return QCoreApplication::translate("StoreCopy",
                                               "The check after copying found %1 with %2 where the source has %3.")
                .arg(table, *copied, *expected);
        *rowsCopied += expected->section(u' ', 0, 0).toLongLong();
    }
    return {};
}

} // namespace

Outcome copy(const QString &source, const QString &target, const Progress &progress)
{
    const bool fromServer = StoreLocation::isServer(source);
    const bool toServer = StoreLocation::isServer(target);
    const QString shownSource = StoreLocation::shown(source);
    const QString shownTarget = StoreLocation::shown(target);
    auto refused = [&](const QString &why) {
        return Outcome{false, QCoreApplication::translate("StoreCopy", "The store %1 was not copied to %2: %3")
            .arg(shownSource, shownTarget, why)};
    };
    if (shownSource == shownTarget)
        return refused(QCoreApplication::translate("StoreCopy", "the source and the target are the same."));
    if (!toServer && QFileInfo::exists(target))
        return refused(QCoreApplication::translate("StoreCopy", "%1 already exists. Give the name of a new file.")
            .arg(shownTarget));

    const StoreFile::Inspection check = fromServer ? ServerStore::inspect(source) : StoreFile::inspect(source);
    if (!check.problem.isEmpty())
        return refused(check.problem);
    if (check.version != Schema::Version)
        return refused(QCoreApplication::translate("StoreCopy",
                                                   "it is a store of version %1. Start the program on it once, so "
                                                   "that it is brought up to date, then copy it.")
                           .arg(check.version));

    Connection from;
    QString error;
    {
        QSqlDatabase db = Database::connect(from.name(), source, &error);
        if (!db.isOpen())
            return refused(error);
    }
    // One moment of the source, while counters may go on writing to it.
    QSqlQuery(from.db()).exec(fromServer ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY")
                                         : QStringLiteral("BEGIN"));

    // Built aside under FILE.part, held by this copy alone: what a copy cut
    // short left there goes first, so nothing of it is ever read as part of
    // the new one.
    StoreFile::Aside part(target + QStringLiteral(".part"));
    if (!toServer)
        if (const int failure = part.claim(0))
            return refused(failure == EWOULDBLOCK
                               ? QCoreApplication::translate("StoreCopy", "another copy to %1 is under way.").arg(shownTarget)
                               : OutputFile::writeError(failure, part.path()));

    qint64 rows = 0;
    {
        Connection to;
        QSqlDatabase db;
        if (toServer) {
            QSqlError e;
            db = ServerStore::openConnection(to.name(), target, &e);
            error = e.isValid() ? errorText(e) : QString();
        } else {
            db = Database::openConnection(to.name(), part.path(), true, &error);
        }
        if (!db.isOpen())
            return refused(error);
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("BEGIN")))
            error = errorText(q.lastError());
        else
            error = fill(from.db(), db, toServer, progress, &rows);
        if (error.isEmpty() && !q.exec(QStringLiteral("COMMIT")))
            error = errorText(q.lastError());
        // The file holds all of it before it takes its name: its -wal stays
        // behind with the .part name.
        if (error.isEmpty() && !toServer
            && (!q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) || !q.next() || q.value(0).toInt() != 0))
            error = q.lastError().isValid() ? errorText(q.lastError())
                                            : QCoreApplication::translate("StoreCopy",
                                                                          "the new file could not be written through.");
        if (!error.isEmpty())
            q.exec(QStringLiteral("ROLLBACK"));
        else if (toServer)
            // So the server plans well from the first checkout on; only the
            // store's tables, which are this user's own.
            for (const QString &table : Schema::tableNames())
                q.exec(QStringLiteral("ANALYZE %1").arg(table));
        q = QSqlQuery();
        db.close();
    }
    QSqlQuery(from.db()).exec(QStringLiteral("ROLLBACK"));
    if (!toServer) {
        if (error.isEmpty() && QFileInfo::exists(part.path() + QStringLiteral("-wal")))
            error = QCoreApplication::translate("StoreCopy", "the new file could not be written through.");
        // Never over a file that appeared under the name meanwhile.
        if (const int failure = error.isEmpty() ? part.place(target, false) : 0)
            error = failure == EEXIST
                        ? QCoreApplication::translate("StoreCopy",
                                                      "%1 appeared meanwhile. Give the name of a new file.")
                            .arg(shownTarget)
                        : OutputFile::writeError(failure, target);
    }
    if (!error.isEmpty())
        return refused(error);
    return {true, QCoreApplication::translate("StoreCopy",
                                              "Copied the store %1 to %2: %3 rows in %4 tables, each table checked by "
                                              "its row count and money sums.")
                      .arg(shownSource, shownTarget)
                      .arg(rows)
                      .arg(Schema::tableNames().size())};
}

} // namespace StoreCopy
