#pragma once

#include "data/Schema.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <functional>
#include <optional>

class Database;
class QSqlQuery;

// The chain over the records of money, of the security gate and of the
// prices. Every row of tblLedger, tblGateLog and tblPrices carries in its
// Hash column a BLAKE2b hash of its own columns and of the row before it,
// written in the row's own transaction; the first row of a table chains from
// a value made at random with the store. A row changed, removed, or put in
// another's place after it was written no longer matches, unless whoever
// changed it wrote every later link again: the chain has no secret, so only
// a seal printed before (Seal.h) catches that. The program computes every
// link, on either engine, so a store keeps its chain when it moves between
// them.
namespace Chain {

// A chained table. Its key numbers the rows from 1 in the order written.
struct Table
{
    QString name;  // tblLedger
    QString key;   // Seq
    QString entry; // "ledger entry", as a finding names a row
    // The column whose first ten characters are the day a row belongs to.
    QString dayColumn;
    const char *one = nullptr, *many = nullptr; // as a seal counts them, untranslated
    // "ledger entry" for 1, "ledger entries" for any other number.
    QString word(qint64 n) const;
    // "1 ledger entry", "1,204 ledger entries".
    QString count(qint64 n) const;
};
const Table &ledger();
const Table &gateLog();
const Table &prices();
// The three, in the order a seal covers them.
const QList<Table> &tables();

inline constexpr auto HashColumn = "Hash";
// The tblSettings row holding the value the chains start from.
inline constexpr auto StartSetting = "ChainStart";

// How a row goes into its link: the lower-case name and the value as text of
// each column but the link itself, in name order, NULLs left out. A column
// added later is NULL in the rows before it, so their links stay as they
// were, and it is covered in every row that fills it.
class Layout
{
public:
    // The columns in the order the values will come.
    explicit Layout(const QStringList &columns);
    // The link of a row holding `values` that follows `before`.
    QByteArray link(const QByteArray &before, const QVariantList &values) const;
    // The link of the row `q` stands on, read with the columns given.
    QByteArray link(const QByteArray &before, const QSqlQuery &q) const;

private:
    struct Column
    {
        int index;
        QByteArray name;
    };
    QList<Column> m_columns;
};

// Where `table`'s chain starts, from the store's start setting.
QByteArray start(const QVariant &setting, const Table &table);
// The start setting as a store keeps it: 64 hex digits.
bool isStartSetting(const QVariant &setting);
QString toText(const QByteArray &link);
QByteArray fromText(const QVariant &text);

// What a writer needs, read in its own transaction: its row's key and the
// link of the row before it.
struct Tail
{
    qint64 key = 1;
    QByteArray before;
};
std::optional<Tail> tail(Database &db, const Table &table, const QString &action);
// The same read as a statement to send beside others, and the tail from
// its rows (the start read on `db` when the table is empty).
QString tailSql(const Table &table);
std::optional<Tail> tailFrom(QSqlQuery &rows, Database &db, const Table &table, const QString &action);

// How far a walk got: the rows whose links match, and the first row that
// does not, in a manager's words; empty when every row matches.
struct Walk
{
    qint64 rows = 0;
    QString finding;
    bool cancelled = false;
};
// Reads `table` on `db` from its first row in order, working out each link
// afresh and comparing it with the one stored, until the first row that does
// not match. `visit` sees each matching row with its link and may end the
// walk early by returning false.
Walk walk(const QSqlDatabase &db, const Table &table,
          const std::function<bool(const QSqlQuery &row, const QByteArray &link)> &visit = {},
          const std::atomic<bool> *cancel = nullptr);

// A row as a seal names it: "entry 412, payment -$5.00".
QString brief(const Table &table, const QSqlQuery &row);
// A BLAKE2b hash of `parts`, each kept apart from the next, as 32 hex digits.
QString digest(const QStringList &parts);

// Links every row of `which` written before its chain, in order, in the
// caller's transaction (an upgrade's).
QSqlError linkExisting(const QSqlDatabase &db, Schema::Engine engine, const QList<Table> &which);

} // namespace Chain
