#include "TestSupport.h"

#include "data/Money.h"
#include "data/StoreFile.h"
#include "ui/FlexGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

TestStore::TestStore()
    : m_path(m_dir.filePath(QStringLiteral("video.db")))
    , m_connection(QStringLiteral("test-support"))
{
    if (!StoreFile::prepare(m_path).ok)
        qFatal("cannot make the test store");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open())
        qFatal("cannot open the test store");
    m_ws.onUnscripted = [](const QString &why) { QTest::qFail(qPrintable(why), __FILE__, __LINE__); };
    m_windows = std::make_unique<WindowRegistry>(m_path, m_ws);
    m_windows->setQuit([this] { m_quit = true; });
}

TestStore::~TestStore()
{
    m_windows.reset();
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void TestStore::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("test statement failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

QVariant TestStore::value(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("test query failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
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

QVariant valueIn(const QString &path, const QString &sql)
{
    const QString name = QStringLiteral("test-value-in");
    QVariant v;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery q(db);
        if (!q.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        if (q.next())
            v = q.value(0);
    }
    QSqlDatabase::removeDatabase(name);
    return v;
}

QStringList snapshot(TestStore &s)
{
    QStringList out;
    for (const char *sql :
         {"SELECT group_concat(RentalID||','||VideoID||','||CustomerNumber||','||DueDate, ';') FROM tblRentals",
          "SELECT group_concat(SaleID||','||CustomerID, ';') FROM tblReceipts",
          "SELECT group_concat(ReceiptID||','||InventoryID||','||QuantityPurchased, ';') FROM tblSalesDetails",
          "SELECT group_concat(ReceiptID||','||VideoID, ';') FROM tblVideosSold",
          "SELECT group_concat(InventoryID||','||Quantity, ';') FROM tblInventory",
          "SELECT group_concat(VideoID||','||InStore, ';') FROM tblVideos",
          "SELECT group_concat(CustomerNumber||','||FeesOwing, ';') FROM tblMembers"})
        out << s.value(QString::fromLatin1(sql)).toString();
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
    auto *line = qobject_cast<QLineEdit *>(&edit);
    if (line)
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

Money feesOwing(TestStore &s, int member)
{
    return Money::fromUnits(
        s.value(QStringLiteral("SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = ?"), {member}).toLongLong());
}

QFileDevice::Permissions accessOf(const QString &path)
{
    return QFile::permissions(path)
           & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
              | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}
