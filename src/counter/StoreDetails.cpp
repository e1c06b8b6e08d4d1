#include "StoreDetails.h"

#include <QSqlQuery>

#include <array>

namespace {

// The tblSettings names, in the order of the fields.
const std::array<const char *, 7> Names = {"StoreName",      "StoreAddress",   "StorePhone",      "StoreGSTNumber",
                                           "StorePSTNumber", "ReceiptPaper",   "DocumentLanguage"};

} // namespace

std::optional<StoreDetails> StoreDetailsStore::load()
{
    auto q = m_db.run(QStringLiteral("read the store details"),
                      QStringLiteral("SELECT Name, Value FROM tblSettings WHERE Name IN (?, ?, ?, ?, ?, ?, ?)"),
                      {QString::fromLatin1(Names[0]), QString::fromLatin1(Names[1]), QString::fromLatin1(Names[2]),
                       QString::fromLatin1(Names[3]), QString::fromLatin1(Names[4]), QString::fromLatin1(Names[5]),
                       QString::fromLatin1(Names[6])});
    if (!q)
        return std::nullopt;
    StoreDetails d;
    QString *const fields[] = {&d.name, &d.address, &d.phone, &d.gstNumber, &d.pstNumber};
    while (q->next()) {
        const QString name = q->value(0).toString();
        const QString value = q->value(1).toString();
        for (size_t i = 0; i < 5; ++i)
            if (name == QLatin1String(Names[i]))
                *fields[i] = value;
        if (name == QLatin1String(Names[5]))
            d.paper = value == QLatin1String("letter") ? StoreDetails::Paper::Letter : StoreDetails::Paper::Roll80;
        if (name == QLatin1String(Names[6]))
            d.language = Language::fromCode(value);
    }
    return d;
}

bool StoreDetailsStore::save(const StoreDetails &details)
{
    const QString action = QStringLiteral("save the store details");
    const QString values[] = {details.name.trimmed(),      details.address.trimmed(),   details.phone.trimmed(),
                              details.gstNumber.trimmed(), details.pstNumber.trimmed(),
                              details.paper == StoreDetails::Paper::Letter ? QStringLiteral("letter")
                                                                           : QStringLiteral("roll80"),
                              details.language ? Language::code(*details.language) : QString()};
    return m_db.transaction(action, [&] {
        for (size_t i = 0; i < Names.size(); ++i) {
            const QString name = QString::fromLatin1(Names[i]);
            const auto changed = m_db.change(action, QStringLiteral("UPDATE tblSettings SET Value = ? WHERE Name = ?"),
                                             {values[i], name});
            if (!changed)
                return false;
            if (*changed == 0
                && !m_db.change(action, QStringLiteral("INSERT INTO tblSettings (Name, Value) VALUES (?, ?)"),
                                {name, values[i]}))
                return false;
        }
        return true;
    });
}
