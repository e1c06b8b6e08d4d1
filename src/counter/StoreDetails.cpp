#include "StoreDetails.h"

#include "data/Destination.h"
#include "data/Settings.h"

#include <QCoreApplication>

namespace {

QString paperText(StoreDetails::Paper paper)
{
    return paper == StoreDetails::Paper::Letter ? QStringLiteral("letter") : QStringLiteral("roll80");
}

// The values as the store keeps them, by setting name.
QHash<QString, QString> detailValues(const StoreDetails &d)
{
    const QStringList &names = Settings::storeDetails();
    return {{names[0], d.name.trimmed()},      {names[1], d.address.trimmed()},   {names[2], d.phone.trimmed()},
            {names[3], d.gstNumber.trimmed()}, {names[4], d.pstNumber.trimmed()}, {names[5], paperText(d.paper)},
            {names[6], d.language ? Language::code(*d.language) : QString()}};
}

QString holdDaysOf(const QHash<QString, QString> &stored)
{
    return stored.value(QString::fromLatin1(Settings::HoldDays), QString::number(Settings::DefaultHoldDays));
}

} // namespace

std::optional<StoreDetails> StoreDetailsStore::load()
{
    const QStringList &names = Settings::storeDetails();
    const auto stored =
        Settings::read(m_db, QCoreApplication::translate("StoreDetails", "read the store details"), names + QStringList{Settings::HoldDays});
    if (!stored)
        return std::nullopt;
    StoreDetails d;
    d.name = stored->value(names[0]);
    d.address = stored->value(names[1]);
    d.phone = stored->value(names[2]);
    d.gstNumber = stored->value(names[3]);
    d.pstNumber = stored->value(names[4]);
    d.paper = stored->value(names[5]) == QLatin1String("letter") ? StoreDetails::Paper::Letter
                                                                 : StoreDetails::Paper::Roll80;
    d.language = Language::fromCode(stored->value(names[6]));
    d.holdDays = holdDaysOf(*stored);
    return d;
}

bool StoreDetailsStore::save(const StoreDetails &details, const QDateTime &when)
{
    const QString action = QCoreApplication::translate("StoreDetails", "save the store details");
    const QString days = QString::fromLatin1(Settings::HoldDays);
    return m_db.transaction(action, [&] {
        const auto before = Settings::read(m_db, action, Settings::storeDetails() + QStringList{days});
        if (!before)
            return false;
        // A detail not given yet reads as empty, the paper as the roll.
        const QHash<QString, QString> wanted = detailValues(details);
        const QHash<QString, QString> shown = detailValues(StoreDetails{});
        bool detailsChanged = false;
        for (auto it = wanted.constBegin(); it != wanted.constEnd(); ++it)
            detailsChanged = detailsChanged || before->value(it.key(), shown.value(it.key())) != it.value();
        // Hold days left empty stay as they are; a number the program cannot
        // use is never written.
        const QString oldDays = holdDaysOf(*before);
        const QString newDays = details.holdDays.trimmed().isEmpty() ? oldDays : details.holdDays.trimmed();
        if (newDays != oldDays && !Settings::holdDays(newDays))
            return m_db.conflict(action,
                                 QCoreApplication::translate("StoreDetails", "\"%1\" is not a number of days from "
                                                                             "1 to %2.")
                                     .arg(newDays)
                                     .arg(Settings::LongestHold),
                                 QCoreApplication::translate("StoreDetails", "Invalid number of days"));
        if (detailsChanged
            && !(Settings::write(m_db, action, wanted)
                 && Settings::recordChange(m_db, action, Settings::detailsGroup(),
                                           Settings::detailsGroup().outcome, DestStoreDetails, when)))
            return false;
        if (newDays != oldDays
            && !(Settings::write(m_db, action, {{days, newDays}})
                 && Settings::recordChange(m_db, action, Settings::holdDaysGroup(),
                                           QStringLiteral("hold days %1 → %2").arg(oldDays, newDays),
                                           DestStoreDetails, when)))
            return false;
        return true;
    });
}
