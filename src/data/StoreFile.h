#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <utility>

// The store file on disk: where it lives, making it on first start, and
// checking that an existing one can be used.
namespace StoreFile {

// video.db in the program's application-data folder.
QString defaultPath();

// Makes the folder a store goes in, when it is not there, for its owner
// alone (only the folder itself); false when it cannot be made.
bool makeFolder(const QString &folder);

struct Outcome
{
    bool ok = false;
    bool created = false;
    QString message; // for the user when !ok; names the path
    // What the start put right (a guard put back), one line each.
    QStringList notes = {};
};

// Makes a complete new store at `path` when nothing is there, built aside and
// moved into place so no half-made file is ever left. An existing file is
// first read without writing anything and refused, left byte for byte as it
// was, when it is not a store this program can use; only then is it brought
// up to date (in one transaction) and switched to the WAL journal.
Outcome prepare(const QString &path);

// Writes every table, the genres and walk-in member 0 into an open, empty
// database. Returns an empty string or the engine's error.
QString createSchema(const QString &connectionName);

struct Inspection
{
    QString problem; // why the file is not a usable store; empty when it is
    int version = 0; // its schema version, when it could be read
};

// How far inspect() reads: the tables only (quick, for start-up), every page
// as well (the engine's quick check), or every page and index against its
// table (the full integrity check; on a large store, seconds).
enum class Depth { Tables, Pages, Everything };

// Reads the file at `path` without writing it or leaving anything beside it:
// a database, with every table and column of a store, from this version of
// the program or an older one, read as deep as `depth`. Only before this
// process has a connection on the file: it reads the header with a
// descriptor of its own.
Inspection inspect(const QString &path, Depth depth = Depth::Tables);

// Runs `work` on a connection that only reads the file at `path`, as
// inspect() does; the engine's error when it cannot be opened.
QSqlError readOnly(const QString &path, const std::function<void(const QSqlDatabase &db)> &work);

// Makes the empty file `path`, which must not exist yet, for its owner
// alone; the engine's files beside it take the same permissions. 0, or the
// system's error.
int makePrivateFile(const QString &path);

// A store built aside under a name of its own (the store's name and ".new")
// before it takes the store's name. The builder holds it exclusively from
// claim() until it is put in place or dropped, and every builder claims it
// first, so two programs never build under one name, and what a run cut
// short left there (the file and the engine's files beside it) is taken
// away only while no one can have it open.
class Aside final
{
public:
    explicit Aside(const QString &path) : m_path(path) {}
    // Drops the file and the engine's files beside it unless it was put in
    // place; every connection to it must be closed first.
    ~Aside();
    Q_DISABLE_COPY_MOVE(Aside)

    // Takes the name, waiting up to `waitMs` for another builder, and leaves
    // an empty file there for its owner alone: 0, EWOULDBLOCK when another
    // builder kept it all that time, or the system's error.
    int claim(int waitMs);
    // Moves the built file to `target`, over an existing file only when
    // `replace`, and lets the name go: 0 or the system's error (EEXIST when a
    // file appeared there). Every connection to it must be closed first.
    int place(const QString &target, bool replace);
    // Writes what the file holds through to the disk: 0 or the system's error.
    int sync() const;
    const QString &path() const { return m_path; }

private:
    QString m_path;
    // Closing it would drop the engine's locks on the file in this process:
    // it is let go only once no connection has the file open.
    int m_fd = -1;
};

// The tables a store of `version` has, in creation order, each with its
// columns in order.
using Tables = QList<std::pair<QString, QStringList>>;
Tables expectedColumns(int version);

// Why a store of `version` is refused when this program knows only older
// versions; empty when it knows `version`.
QString newerVersion(int version);

// A column as the engine describes it: `required` when it is NOT NULL with
// no default, so every insert must name it.
struct Column
{
    QString name;
    bool required = false;
};

// Why a database whose tables are `present` (lower-case names), with the
// columns `columnsOf` reads for a table, is not a complete store of
// `version`; empty when it is one. The same rule for every engine.
QString missingFromStore(int version, const QStringList &present,
                         const std::function<QList<Column>(const QString &table)> &columnsOf);

// Why the program could not write a store at `path` (the file or its folder
// is read-only); empty when it can.
QString writeProblem(const QString &path);

// The start-up refusal: the path, the reason, and that the program closes.
QString failureMessage(const QString &path, const QString &reason);

} // namespace StoreFile
