#include "UpgradeWork.h"

#include "Chain.h"

#include <QSqlQuery>
#include <QVariant>

namespace UpgradeWork {

QString lastFour(const QString &number)
{
    QString digits;
    for (const QChar c : number)
        if (c.isDigit())
            digits += c;
    return digits.size() > 4 ? digits.right(4) : number;
}

namespace {

QSqlError shortenCards(const QSqlDatabase &db, Schema::Engine engine)
{
    QSqlQuery q(db);
    // In a file, what an update leaves of the old numbers is overwritten
    // rather than left in free space.
    if (engine == Schema::Engine::SQLite && !q.exec(QStringLiteral("PRAGMA secure_delete = ON")))
        return q.lastError();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT CustomersNumber, Visa, MasterCard, Sears FROM tblCreditInfo")))
        return q.lastError();
    QList<QVariantList> changed;
    while (q.next()) {
        QVariantList row;
        bool any = false;
        for (int i = 1; i <= 3; ++i) {
            const QVariant v = q.value(i);
            const QString kept = v.isNull() ? QString() : lastFour(v.toString());
            any = any || (!v.isNull() && kept != v.toString());
            row << (v.isNull() ? v : QVariant(kept));
        }
        if (any)
            changed << (row << q.value(0));
    }
    if (q.lastError().isValid())
        return q.lastError();
    q = QSqlQuery(db);
    if (!q.prepare(QStringLiteral("UPDATE tblCreditInfo SET Visa = ?, MasterCard = ?, Sears = ? "
                                  "WHERE CustomersNumber = ?")))
        return q.lastError();
    for (const QVariantList &row : std::as_const(changed)) {
        for (const QVariant &v : row)
            q.addBindValue(v);
        if (!q.exec())
            return q.lastError();
    }
    return {};
}

} // namespace

QSqlError chainAndShortenCards(const QSqlDatabase &db, Schema::Engine engine)
{
    if (const QSqlError error = shortenCards(db, engine); error.isValid())
        return error;
    return Chain::linkExisting(db, engine, {Chain::ledger(), Chain::gateLog()});
}

} // namespace UpgradeWork
