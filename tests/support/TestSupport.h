#pragma once

#include "app/WindowRegistry.h"
#include "data/Money.h"
#include "data/Schema.h"
#include "ui/ScriptedWindowSystem.h"

#include <QFileDevice>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <memory>

class FlexGrid;
class QLineEdit;
class QRadioButton;
class frmCheckout;
class QAbstractButton;
class QListWidget;
class QWidget;

// Whether this run's stores are on the test server (the ctest entries
// ending in _pg set VIDEOSTORE_TEST_ENGINE=postgresql) rather than files.
bool onServer();
// The test server's maintenance database, from the state file named by
// VIDEOSTORE_TEST_SERVER; the test fails when there is none.
QString testServerAddress();
// A new, empty database on the test server, and its address; dropped again
// by dropServerDatabase().
QString newServerDatabase();
void dropServerDatabase(const QString &address);

// A fresh store, made by the same code as the real one: a file in its own
// folder, or a database of its own on the test server when onServer(); with
// scripted boxes and a registry of its own. Any choice box the test did not
// script fails the test.
class TestStore final
{
public:
    TestStore();
    ~TestStore();

    QString path() const { return m_path; }
    ScriptedWindowSystem &ws() { return m_ws; }
    WindowRegistry &windows() { return *m_windows; }
    bool quitCalled() const { return m_quit; }

    // Runs one statement on the store (test set-up and read-back only).
    void exec(const QString &sql, const QVariantList &values = {});
    // The first column of the first row of a query, or an invalid QVariant.
    QVariant value(const QString &sql, const QVariantList &values = {});
    int count(const QString &table, const QString &where = QStringLiteral("1 = 1"));
    // Every row of `sql`, its columns joined by "|", the rows by `separator`
    // (NULL as empty): a table's contents as one text on either engine.
    QString rows(const QString &sql, const QString &separator = QStringLiteral(","));
    // Makes every insert into `table` fail with `message`, as a failing disk
    // would, until allowInserts().
    void refuseInserts(const QString &table, const QString &message);
    void allowInserts(const QString &table);

    // A member, a title with its tapes, an item, as most tests need them.
    void addMember(int number, const QString &first, const QString &last, const QString &homePhone = {},
                   const QString &licence = {}, bool deleted = false);
    void addMovie(int movieNum, const QString &name, int category, int priceClass, bool deleted = false);
    void addTape(int videoId, int movieNum, bool forRent = true, bool forSale = false, bool inStore = true,
                 const QString &salePrice = QStringLiteral("24.99"), bool deleted = false);
    void addItem(int inventoryId, const QString &name, const QString &price, int quantity, bool deleted = false);
    // A tape rented on its own at the starting prices of its title's class,
    // charged as the counter charges it; due after the class's period
    // unless `due` is given.
    void addRental(int rentalId, int member, int videoId, const QString &rented, const QString &due = {},
                   bool returned = false);

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_connection;
    ScriptedWindowSystem m_ws;
    std::unique_ptr<WindowRegistry> m_windows;
    bool m_quit = false;
};

// A program run to its end: its exit code (-1 when it crashed) and output.
struct ProgramRun { int code = -1; QString out, err; };
// Runs `program` (30 s at most) with `input` on its standard input;
// `inChild` runs in the child before the program starts.
ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                      const QByteArray &input = {}, const std::function<void()> &inChild = {});

// Finds a named child or fails the test.
template <typename T>
T *child(QWidget &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child named %s", name);
    return w;
}

// The first column of the first row of `sql` run on the file at `path`
// through a plain connection of its own; an invalid QVariant when no row.
QVariant valueIn(const QString &path, const QString &sql);

// What turns a store of the current version back into one of `version`:
// the tables, columns, indexes, triggers and settings the later steps add,
// dropped, in the statements of `engine`.
QStringList downgradeTo(int version, Schema::Engine engine = Schema::Engine::SQLite);

// Every row of the tables a checkout writes, to compare before and after.
QStringList snapshot(TestStore &s);

// The object names of the top-level windows on screen, sorted.
QStringList shownWindows();
// Types text into a line edit as a user would: focus, select all, keys.
void typeInto(QWidget &edit, const QString &text);
// Clicks a button with the mouse.
void clickOn(QAbstractButton &button);
// Clicks a record row of a grid with the mouse (row 1 is the first record).
void clickRow(FlexGrid &grid, int row);
// Every row of a grid from row 0, cells joined by "|".
QStringList gridLines(const FlexGrid &grid);
// Every line of a list box, top to bottom.
QStringList listLines(const QListWidget *list);
// The object names of the enabled ones among `widgets`, in the order given;
// the window's default button is marked "*".
QStringList enabledNames(std::initializer_list<QWidget *> widgets);
// Who may read, write and run the file at `path`: its owner's, group's and
// others' permission bits as the file system keeps them.
QFileDevice::Permissions accessOf(const QString &path);
// The counter's steps, each on its own page first, as the clerk must take
// them: a member looked up by what is typed in `box`, a tape rented, an item
// or a tape bought, a way of paying chosen.
void lookUp(frmCheckout &w, QLineEdit *box, const QString &text);
void rent(frmCheckout &w, const QString &videoId);
void buy(frmCheckout &w, const QString &item, const QString &quantity);
void buyVideo(frmCheckout &w, const QString &videoId);
void payBy(frmCheckout &w, QRadioButton *option);

struct CheckoutPlan;
// A checkout of `lines` (their amounts left out) as the counter would total
// it on `plan.date`: each line priced as the store has it now, the bill
// taxed at the rates in force that day.
void priceBill(const QString &path, CheckoutPlan &plan);

// The text of a PDF file as pdftotext reads it, page breaks as form feeds,
// laid out as on the page when `layout`; compared after compatibility
// normalisation (NFKC), so that a ligature a font draws ("\uFB01") reads as
// its letters. Empty when pdftotext is missing or fails.
QString pdfText(const QString &path, bool layout = false);
int pdfPages(const QString &path);

// The lines of a CSV file split into fields, quotes undone (RFC 4180).
QList<QStringList> readCsv(const QString &path);
// Saves a picture of `w` as `name` in the folder VIDEOSTORE_SCREENSHOTS
// names, for a person to look at; nothing when it is not set.
void keepScreenshot(QWidget &w, const QString &name);
// The member's fees owing as stored.
Money feesOwing(TestStore &s, int member);

// Types `keys` ('\n' is Enter, '\u240A' a scanner's Line Feed) into whatever holds the keyboard focus, one
// key per turn of the event loop and without a pause, as a barcode scanner
// does; real boxes, if any come up, take the keys they have the focus for.
// The number of modal boxes still up at the end, which are then closed.
int scanKeys(const QString &keys);

class frmChooseMember;
// Answers the next member chooser from the keyboard: record `row` (1 is the
// first) with the arrow keys and Enter, or Esc when `row` is 0. `look` sees
// the chooser on screen first.
void chooseMember(TestStore &s, int row, std::function<void(frmChooseMember &)> look = {});
