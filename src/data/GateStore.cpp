#include "GateStore.h"

#include <QCoreApplication>

#include "data/Chain.h"
#include "data/Settings.h"
#include "data/StoreIntegrity.h"

#include <QSysInfo>

#include <algorithm>
#include <limits>

namespace {

const QString CodeSetting = QString::fromLatin1(StoreIntegrity::CodeSetting);
const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

} // namespace

QString GateStore::outcomeText(GateOutcome outcome)
{
    switch (outcome) {
    case GateOutcome::Granted: return QStringLiteral("granted");
    case GateOutcome::Refused: return QStringLiteral("refused");
    case GateOutcome::TooSoon: return QStringLiteral("too soon");
    case GateOutcome::CodeChanged: return QStringLiteral("code changed");
    case GateOutcome::NoCode: return QStringLiteral("no code");
    }
    return {};
}

int GateStore::waitAfter(int wrongInARow)
{
    if (wrongInARow < 3)
        return 0;
    return wrongInARow >= 8 ? 60 : 1 << (wrongInARow - 2);
}

int GateStore::State::secondsToWait(const QDateTime &at) const
{
    const int wait = waitAfter(wrongInARow);
    if (wait == 0 || !lastWrong.isValid())
        return 0;
    const qint64 ms = std::min(at.msecsTo(lastWrong.addSecs(wait)), qint64(wait) * 1000);
    return ms <= 0 ? 0 : int((ms + 999) / 1000);
}

Fetched<GateStore::State> GateStore::state()
{
    const QString action = QCoreApplication::translate("GateStore", "read the manager code");
    State out;
    const auto value = m_db.scalar(action, QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"), {CodeSetting});
    if (!value)
        return {true, {}};
    const QByteArray hash = value->toString().toUtf8();
    if (StoreIntegrity::codeHashReadable(hash))
        out.hash = hash;
    else
        out.unreadable = !hash.isEmpty();
    const auto changed = m_db.scalar(action, QStringLiteral("SELECT COUNT(*) FROM tblGateLog WHERE Outcome = ?"),
                                     {outcomeText(GateOutcome::CodeChanged)});
    if (!changed)
        return {true, {}};
    out.codeChanged = changed->toLongLong() > 0;
    // The wrong codes since the last that opened the gate or set a new code;
    // a try made too soon was not checked and counts neither way.
    auto q = m_db.run(action,
                      QStringLiteral("SELECT COUNT(*), MAX(TryNumber) FROM tblGateLog WHERE Outcome = ? AND TryNumber > "
                                     "(SELECT COALESCE(MAX(TryNumber), 0) FROM tblGateLog WHERE Outcome IN (?, ?))"),
                      {outcomeText(GateOutcome::Refused), outcomeText(GateOutcome::Granted),
                       outcomeText(GateOutcome::CodeChanged)});
    if (!q)
        return {true, {}};
    if (q->next() && q->value(0).toLongLong() > 0) {
        out.wrongInARow = int(std::min<qint64>(q->value(0).toLongLong(), std::numeric_limits<int>::max()));
        const auto when = m_db.scalar(action, QStringLiteral("SELECT TriedAt FROM tblGateLog WHERE TryNumber = ?"),
                                      {q->value(1)});
        if (!when)
            return {true, {}};
        out.lastWrong = QDateTime::fromString(when->toString(), TimeFormat);
    }
    return {false, out};
}

bool GateStore::record(const QDateTime &when, int destination, GateOutcome outcome)
{
    const QString action = QCoreApplication::translate("GateStore", "record the try at the security gate");
    return m_db.transaction(action,
                            [&] { return GateLog::append(m_db, action, when, destination, outcomeText(outcome)); });
}

bool GateStore::setCode(const QByteArray &hash, const QDateTime &when, int destination)
{
    const QString action = QCoreApplication::translate("GateStore", "store the new manager code");
    return m_db.transaction(action, [&] {
        return Settings::write(m_db, action, {{CodeSetting, QString::fromLatin1(hash)}})
               && Settings::recordChange(m_db, action, Settings::codeGroup(), outcomeText(GateOutcome::CodeChanged),
                                         destination, when);
    });
}

namespace GateLog {

bool append(Database &db, const QString &action, const QDateTime &when, int destination, const QString &outcome,
            const QString &digest)
{
    const auto tail = Chain::tail(db, Chain::gateLog(), action);
    if (!tail)
        return false;
    static const Chain::Layout layout({QStringLiteral("TryNumber"), QStringLiteral("TriedAt"),
                                       QStringLiteral("Destination"), QStringLiteral("Outcome"),
                                       QStringLiteral("Workstation"), QStringLiteral("Digest")});
    QVariantList values = {tail->key,
                           when.toString(TimeFormat),
                           destination,
                           outcome,
                           QSysInfo::machineHostName(),
                           digest.isEmpty() ? QVariant() : QVariant(digest)};
    values << Chain::toText(layout.link(tail->before, values));
    return db
        .change(action,
                QStringLiteral("INSERT INTO tblGateLog (TryNumber, TriedAt, Destination, Outcome, Workstation, Digest, "
                               "Hash) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                values)
        .has_value();
}

} // namespace GateLog
