#include "TestSupport.h"

#include "data/Database.h"
#include "counter/CheckoutStore.h"
#include "counter/frmCheckout.h"
#include "data/Pricing.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"
#include "ui/FlexGrid.h"
#include "ui/MemberChooser.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QProcess>
#include <QSqlRecord>

#include <atomic>

#include <unistd.h>

bool onServer()
{
    return qEnvironmentVariable("VIDEOSTORE_TEST_ENGINE") == QLatin1String("postgresql");
}

QString testServerAddress()
{
    const QString state = qEnvironmentVariable("VIDEOSTORE_TEST_SERVER");
    QFile file(state);
    const QList<QByteArray> lines =
        !state.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
    if (lines.size() < 2 || !lines[1].startsWith("postgresql://"))
        qFatal("no test server: the state file VIDEOSTORE_TEST_SERVER names (%s), which the ctest fixture "
               "pg_server_start writes, holds no address",
               qPrintable(state));
    return QString::fromUtf8(lines[1]);
}

namespace {

// Runs `sql` through a plain connection of its own to `address`: the first
// column of its first row, or an invalid QVariant.
QVariant valueThrough(const QString &name, const QString &address, const QString &sql)
{
    QVariant v;
    {
        QString error;
        QSqlDatabase db = Database::connect(name, address, &error);
        if (!db.isOpen())
            qFatal("cannot open %s: %s", qPrintable(address), qPrintable(error));
        QSqlQuery q(db);
        if (!q.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        if (q.next())
            v = q.value(0);
    }
    QSqlDatabase::removeDatabase(name);
    return v;
}

// Runs one statement of the tests on `connection`, its values bound; a
// server prepares only queries and row changes, not the rest (CREATE ...).
QSqlQuery run(const QString &connection, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(QSqlDatabase::database(connection, false));
    if (!values.isEmpty())
        q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!(values.isEmpty() ? q.exec(sql) : q.exec()))
        qFatal("test statement failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}

} // namespace

QString newServerDatabase()
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("test_%1_%2").arg(::getpid()).arg(++counter);
    // Copying the template's files is the quicker way for a small database.
    valueThrough(QStringLiteral("test-server-admin"), testServerAddress(),
                 QStringLiteral("CREATE DATABASE %1 STRATEGY FILE_COPY").arg(name));
    const QString admin = testServerAddress();
    return admin.left(admin.indexOf(QLatin1String("/postgres?"))) + u'/' + name + admin.mid(admin.indexOf(u'?'));
}

void dropServerDatabase(const QString &address)
{
    valueThrough(QStringLiteral("test-server-admin"), testServerAddress(),
                 QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(address.section(u'/', 3).section(u'?', 0, 0)));
}

TestStore::TestStore()
    : m_path(onServer() ? newServerDatabase() : m_dir.filePath(QStringLiteral("video.db")))
    , m_connection(QStringLiteral("test-support"))
{
    const StoreFile::Outcome made = onServer() ? ServerStore::prepare(m_path) : StoreFile::prepare(m_path);
    if (!made.ok)
        qFatal("cannot make the test store: %s", qPrintable(made.message));
    QString error;
    if (!Database::connect(m_connection, m_path, &error).isOpen())
        qFatal("cannot open the test store: %s", qPrintable(error));
    m_ws.onUnscripted = [](const QString &why) { QTest::qFail(qPrintable(why), __FILE__, __LINE__); };
    m_windows = std::make_unique<WindowRegistry>(m_path, m_ws);
    m_windows->setQuit([this] { m_quit = true; });
}

TestStore::~TestStore()
{
    m_windows.reset();
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
    if (onServer())
        dropServerDatabase(m_path);
}

void TestStore::exec(const QString &sql, const QVariantList &values)
{
    run(m_connection, sql, values);
}

QString TestStore::rows(const QString &sql, const QString &separator)
{
    QSqlQuery q = run(m_connection, sql, {});
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (int c = 0; c < q.record().count(); ++c)
            cells << q.value(c).toString();
        out << cells.join(u'|');
    }
    return out.join(separator);
}

void TestStore::refuseInserts(const QString &table, const QString &message)
{
    if (onServer())
        exec(QStringLiteral("CREATE FUNCTION refuse_%1() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE "
                            "EXCEPTION '%2'; END $$").arg(table, message));
    exec(onServer() ? QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE INSERT ON %1 FOR EACH ROW EXECUTE FUNCTION "
                                     "refuse_%1()").arg(table)
                    : QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, '%2'); "
                                     "END").arg(table, message));
}

void TestStore::allowInserts(const QString &table)
{
    exec(onServer() ? QStringLiteral("DROP TRIGGER refuse_%1 ON %1").arg(table)
                    : QStringLiteral("DROP TRIGGER refuse_%1").arg(table));
}

QVariant TestStore::value(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = run(m_connection, sql, values);
    return q.next() ? q.value(0) : QVariant();
}

int TestStore::count(const QString &table, const QString &where)
{
    return value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)).toInt();
}

void TestStore::addMember(int number, const QString &first, const QString &last, const QString &homePhone,
                          const QString &licence, bool deleted)
{
    exec(QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName, FirstName, Address, City, PostalCode, "
                        "HomePhone, CellPhone, BusPhone, DriverLicence, OtherNames1, OtherNames2, OtherNames3, "
                        "Deleted) VALUES (?, ?, ?, '12 Elm St', 'Springfield', 'K1A 0B1', ?, '555-0100', "
                        "'555-0199', ?, 'Pat', '', 'Sam', ?)"),
         {number, last, first, homePhone, licence, deleted ? 1 : 0});
}

void TestStore::addMovie(int movieNum, const QString &name, int category, int priceClass, bool deleted)
{
    exec(QStringLiteral("INSERT INTO tblMovies (MovieNum, Name, CategoryID, Actor, Actress, Rating, PriceClass, "
                        "Deleted) VALUES (?, ?, ?, 'Actor A', 'Actress B', 'PG', ?, ?)"),
         {movieNum, name, category, priceClass, deleted ? 1 : 0});
}

void TestStore::addTape(int videoId, int movieNum, bool forRent, bool forSale, bool inStore,
                        const QString &salePrice, bool deleted)
{
    exec(QStringLiteral("INSERT INTO tblVideos (VideoID, MovieNum, CopyNumber, ForRent, ForSale, InStore, "
                        "SalePrice, Deleted) VALUES (?, ?, 1, ?, ?, ?, ?, ?)"),
         {videoId, movieNum, forRent ? 1 : 0, forSale ? 1 : 0, inStore ? 1 : 0, Money::parse(salePrice)->units(),
          deleted ? 1 : 0});
}

void TestStore::addItem(int inventoryId, const QString &name, const QString &price, int quantity, bool deleted)
{
    exec(QStringLiteral("INSERT INTO tblInventory (InventoryID, ItemName, Price, Quantity, Deleted) "
                        "VALUES (?, ?, ?, ?, ?)"),
         {inventoryId, name, Money::parse(price)->units(), quantity, deleted ? 1 : 0});
}

void TestStore::addRental(int rentalId, int member, int videoId, const QString &rented, const QString &due,
                          bool returned)
{
    const int priceClass = value(QStringLiteral("SELECT m.PriceClass FROM tblVideos v JOIN tblMovies m ON "
                                                "m.MovieNum = v.MovieNum WHERE v.VideoID = ?"),
                                 {videoId})
                               .toInt();
    const Rates &rates = Pricing::starting();
    const PriceClass *c = rates.priceClass(priceClass);
    if (!c)
        qFatal("tape %d has no title of price class 1 to 3", videoId);
    const QString dueDate = due.isEmpty() ? QDate::fromString(rented, Qt::ISODate).addDays(c->days).toString(Qt::ISODate)
                                          : due;
    exec(QStringLiteral("INSERT INTO tblRentals (RentalID, CustomerNumber, VideoID, RentalDate, DueDate, Returned, "
                        "RentalFee, RentalDays, LateFee, GSTRate, PSTRate, GST, PST) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
         {rentalId, member, videoId, rented, dueDate, returned ? 1 : 0, c->fee.units(), c->days, c->lateFee.units(),
          rates.taxes[0].rate, rates.taxes[1].rate, rates.taxes[0].on(c->fee).units(),
          rates.taxes[1].on(c->fee).units()});
}

void priceBill(const QString &path, CheckoutPlan &plan)
{
    CheckoutStore store(path);
    const auto rates = store.rates(plan.date);
    if (!rates)
        qFatal("cannot read the prices: %s", qPrintable(store.lastError().clerkText()));
    Money subtotal;
    for (BillLine::Parsed &line : plan.lines) {
        switch (line.kind) {
        case BillLine::Kind::Rent: {
            const auto tape = store.rentalTape(line.id);
            const PriceClass *c = tape.row ? rates->priceClass(tape.row->priceClass) : nullptr;
            line.amount = c ? c->fee : Money();
            break;
        }
        case BillLine::Kind::Buy:
            if (const auto item = store.item(line.id); item.row)
                line.amount = (item.row->price * line.quantity).roundedToCents();
            break;
        case BillLine::Kind::BuyVideo:
            if (const auto tape = store.saleTape(line.id); tape.row)
                line.amount = tape.row->salePrice.roundedToCents();
            break;
        case BillLine::Kind::Pay:
            break;
        }
        subtotal += line.amount;
    }
    const CheckoutMoney paid = plan.money;
    plan.money = CheckoutMoney::forSubtotal(subtotal, rates->taxes);
    plan.money.method = paid.method;
}

QString pdfText(const QString &path, bool layout)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), (layout ? QStringList{QStringLiteral("-layout")} : QStringList())
                                             << path << QStringLiteral("-"));
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

int pdfPages(const QString &path)
{
    return int(pdfText(path).count(u'\f'));
}

QVariant valueIn(const QString &path, const QString &sql)
{
    return valueThrough(QStringLiteral("test-value-in"), path, sql);
}

ProgramRun runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &env,
                      const QByteArray &input, const std::function<void()> &inChild)
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.start(program, arguments);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000))
        qFatal("%s %s did not finish", qPrintable(program), qPrintable(arguments.join(u' ')));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QStringList downgradeTo(int version, Schema::Engine engine)
{
    static const QRegularExpression created(QStringLiteral("^CREATE TABLE (\\w+)")),
        added(QStringLiteral("^ALTER TABLE (\\w+) ADD COLUMN (\\w+)")),
        index(QStringLiteral("^CREATE INDEX (?:IF NOT EXISTS )?(\\w+)")),
        trigger(QStringLiteral("^CREATE TRIGGER (\\w+) .*? ON (\\w+)"), QRegularExpression::DotMatchesEverythingOption),
        setting(QStringLiteral("^INSERT INTO tblSettings \\(Name, Value\\) VALUES \\('(\\w+)'"));
    // Each step undone from the last, its statements from the last.
    QStringList statements;
    for (int step = Schema::Version - 1; step >= version; --step) {
        const QStringList sqls = Schema::upgrade(step, engine);
        for (auto sql = sqls.crbegin(); sql != sqls.crend(); ++sql) {
            if (const QRegularExpressionMatch m = created.match(*sql); m.hasMatch())
                statements << QStringLiteral("DROP TABLE %1").arg(m.captured(1));
            if (const QRegularExpressionMatch m = added.match(*sql); m.hasMatch())
                statements << QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(m.captured(1), m.captured(2));
            if (const QRegularExpressionMatch m = index.match(*sql); m.hasMatch())
                statements << QStringLiteral("DROP INDEX IF EXISTS %1").arg(m.captured(1));
            if (const QRegularExpressionMatch m = trigger.match(*sql); m.hasMatch())
                statements << (engine == Schema::Engine::SQLite
                                   ? QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(m.captured(1))
                                   : QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(m.captured(1), m.captured(2)));
            if (const QRegularExpressionMatch m = setting.match(*sql); m.hasMatch())
                statements << QStringLiteral("DELETE FROM tblSettings WHERE Name = '%1'").arg(m.captured(1));
        }
    }
    return statements;
}

QStringList snapshot(TestStore &s)
{
    QStringList out;
    for (const char *sql :
         {"SELECT RentalID, VideoID, CustomerNumber, DueDate, Returned FROM tblRentals ORDER BY RentalID, VideoID",
          "SELECT SaleID, CustomerID FROM tblReceipts ORDER BY SaleID",
          "SELECT ReceiptID, InventoryID, QuantityPurchased FROM tblSalesDetails ORDER BY 1, 2, 3",
          "SELECT ReceiptID, VideoID FROM tblVideosSold ORDER BY ReceiptID, VideoID",
          "SELECT InventoryID, Quantity FROM tblInventory ORDER BY InventoryID",
          "SELECT VideoID, InStore FROM tblVideos ORDER BY VideoID",
          "SELECT CustomerNumber, FeesOwing FROM tblMembers ORDER BY CustomerNumber"})
        out << s.rows(QString::fromLatin1(sql), QStringLiteral(";"));
    return out;
}

QStringList shownWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names << w->objectName();
    names.sort();
    return names;
}

void typeInto(QWidget &edit, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(&edit))
        line->clear();
    edit.setFocus();
    QTest::keyClicks(&edit, text);
}

void clickOn(QAbstractButton &button)
{
    // A hidden button would silently take no click.
    if (!button.isVisible())
        QTest::qFail(qPrintable(QStringLiteral("%1 is not visible").arg(button.objectName())), __FILE__, __LINE__);
    // Option buttons and check boxes answer only on their mark and caption.
    if (qobject_cast<QRadioButton *>(&button) || qobject_cast<QCheckBox *>(&button))
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    else
        QTest::mouseClick(&button, Qt::LeftButton);
}

void clickRow(FlexGrid &grid, int row)
{
    const QModelIndex index = grid.model()->index(row - 1, 1);
    grid.scrollTo(index);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
}

QStringList gridLines(const FlexGrid &grid)
{
    QStringList lines;
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c)
            cells << grid.text(r, c);
        lines << cells.join(u'|');
    }
    return lines;
}

QStringList listLines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList enabledNames(std::initializer_list<QWidget *> widgets)
{
    QStringList names;
    for (QWidget *w : widgets) {
        if (!w->isEnabled())
            continue;
        const auto *button = qobject_cast<QPushButton *>(w);
        names << w->objectName() + (button && button->isDefault() ? QStringLiteral("*") : QString());
    }
    return names;
}

void lookUp(frmCheckout &w, QLineEdit *box, const QString &text)
{
    w.SSTab1->setCurrentIndex(0);
    typeInto(*box, text);
    clickOn(*w.cmdDisplayInfo);
}

void rent(frmCheckout &w, const QString &videoId)
{
    w.SSTab1->setCurrentIndex(1);
    typeInto(*w.txtVidID, videoId);
    clickOn(*w.cmdAdd);
}

void buy(frmCheckout &w, const QString &item, const QString &quantity)
{
    w.SSTab1->setCurrentIndex(2);
    typeInto(*w.txtInvID, item);
    typeInto(*w.txtQuan, quantity);
    clickOn(*w.cmdBuy);
}

void buyVideo(frmCheckout &w, const QString &videoId)
{
    w.SSTab1->setCurrentIndex(2);
    typeInto(*w.txtVidSale, videoId);
    clickOn(*w.cmdBuyVideo);
}

void payBy(frmCheckout &w, QRadioButton *option)
{
    w.SSTab1->setCurrentIndex(3);
    clickOn(*option);
}

QList<QStringList> readCsv(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(f.readAll());
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' && quoted && text.mid(i + 1, 1) == u"\"")
            field += text[++i]; // a doubled quote inside quotes
        else if (c == u'"')
            quoted = !quoted;
        else if (quoted || (c != u',' && text.mid(i, 2) != u"\r\n"))
            field += c;
        else {
            row << std::exchange(field, {});
            if (c == u'\r') { // \r\n ends the line
                rows << std::exchange(row, {});
                ++i;
            }
        }
    }
    return rows;
}

void keepScreenshot(QWidget &w, const QString &name)
{
    const QString folder = qEnvironmentVariable("VIDEOSTORE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    if (!QDir().mkpath(folder) || !w.grab().save(QDir(folder).filePath(name)))
        QTest::qFail(qPrintable(QStringLiteral("cannot save %1 in %2").arg(name, folder)), __FILE__, __LINE__);
}

Money feesOwing(TestStore &s, int member)
{
    return Money::fromUnits(
        s.value(QStringLiteral("SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = ?"), {member}).toLongLong());
}

void chooseMember(TestStore &s, int row, std::function<void(frmChooseMember &)> look)
{
    s.ws().dialog([row, look](QDialog &d) {
        auto &chooser = static_cast<frmChooseMember &>(d);
        if (look)
            look(chooser);
        QWidget *keys = chooser.fgMembers;
        if (row == 0) {
            QTest::keyClick(keys, Qt::Key_Escape);
            return;
        }
        for (int r = 1; r < row; ++r)
            QTest::keyClick(keys, Qt::Key_Down);
        QTest::keyClick(keys, Qt::Key_Return);
    });
}

int scanKeys(const QString &keys)
{
    QEventLoop done;
    int next = 0;
    int leftOver = 0;
    std::function<void()> step = [&] {
        if (next < keys.size()) {
            // A timer of its own for each key, so keys keep coming while a
            // modal box runs its own loop, as they do from a scanner.
            QTimer::singleShot(0, step);
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            const QChar key = keys.at(next++);
            if (!target)
                return;
            if (key == u'\n') {
                QTest::keyClick(target, Qt::Key_Return);
            } else if (key == QChar(0x240A)) {
                // A Line Feed as a scanner types it: Ctrl+J.
                QTest::sendKeyEvent(QTest::Press, target, Qt::Key_J, QStringLiteral("\n"), Qt::ControlModifier);
                QTest::sendKeyEvent(QTest::Release, target, Qt::Key_J, QStringLiteral("\n"), Qt::ControlModifier);
            } else {
                QTest::keyClick(target, key.toLatin1());
            }
            return;
        }
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ++leftOver;
            box->reject();
            QTimer::singleShot(0, step);
            return;
        }
        done.quit();
    };
    QTimer::singleShot(0, step);
    done.exec();
    return leftOver;
}

QFileDevice::Permissions accessOf(const QString &path)
{
    return QFile::permissions(path)
           & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
              | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}
