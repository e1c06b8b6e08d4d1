#include "GateStore.h"

#include <QSysInfo>

namespace {

const QString CodeSetting = QStringLiteral("ManagerCode");

} // namespace

QString GateStore::outcomeText(GateOutcome outcome)
{
    switch (outcome) {
    case GateOutcome::Granted: return QStringLiteral("granted");
    case GateOutcome::Refused: return QStringLiteral("refused");
    case GateOutcome::TooSoon: return QStringLiteral("too soon");
    case GateOutcome::CodeChanged: return QStringLiteral("code changed");
    }
    return {};
}

Fetched<QByteArray> GateStore::codeHash()
{
    const auto value = m_db.scalar(QStringLiteral("read the manager code"),
                                   QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"), {CodeSetting});
    if (!value)
        return {true, {}};
    const QByteArray hash = value->toString().toUtf8();
    if (hash.isEmpty())
        return {};
    return {false, hash};
}

bool GateStore::insertTry(const QString &action, const QDateTime &when, int destination, GateOutcome outcome)
{
    const auto last = m_db.scalar(action, QStringLiteral("SELECT MAX(TryNumber) FROM tblGateLog"));
    if (!last)
        return false;
    return m_db
        .change(action,
                QStringLiteral("INSERT INTO tblGateLog (TryNumber, TriedAt, Destination, Outcome, Workstation) "
                               "VALUES (?, ?, ?, ?, ?)"),
                {last->toLongLong() + 1, when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), destination,
                 outcomeText(outcome), QSysInfo::machineHostName()})
        .has_value();
}

bool GateStore::record(const QDateTime &when, int destination, GateOutcome outcome)
{
    const QString action = QStringLiteral("record the try at the security gate");
    return m_db.transaction(action, [&] { return insertTry(action, when, destination, outcome); });
}

bool GateStore::setCode(const QByteArray &hash, const QDateTime &when, int destination)
{
    const QString action = QStringLiteral("store the new manager code");
    return m_db.transaction(action, [&] {
        const QString value = QString::fromLatin1(hash);
        const auto changed = m_db.change(action, QStringLiteral("UPDATE tblSettings SET Value = ? WHERE Name = ?"),
                                         {value, CodeSetting});
        if (!changed)
            return false;
        if (*changed == 0
            && !m_db.change(action, QStringLiteral("INSERT INTO tblSettings (Name, Value) VALUES (?, ?)"),
                            {CodeSetting, value}))
            return false;
        return insertTry(action, when, destination, GateOutcome::CodeChanged);
    });
}
