#pragma once

#include "data/Database.h"
#include "data/Language.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What a receipt says of the store: its name, address, phone and tax
// registration numbers, and the paper its receipts are printed on; with them
// the days a hold is kept. Kept in tblSettings, one row a value; a new store
// has none of the details.
struct StoreDetails
{
    enum class Paper { Roll80, Letter };

    QString name, address, phone, gstNumber, pstNumber;
    Paper paper = Paper::Roll80;
    // The language receipts and letters are printed in; none: the counter's.
    std::optional<Language::Id> language;
    // How long a tape is set aside for a hold, as the store keeps it (a
    // value the program cannot use is shown as it is, to be put right);
    // left empty, a save keeps it as it is.
    QString holdDays;

    // Whether the manager has given the store's name: a receipt without it
    // says the details are not set.
    bool isSet() const { return !name.trimmed().isEmpty(); }
    Language::Id documentLanguage() const { return language.value_or(Language::program()); }
};

class StoreDetailsStore final
{
public:
    explicit StoreDetailsStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    std::optional<StoreDetails> load();
    // All of the details or none of them, each change recorded in the gate
    // log ("store details changed", "hold days 3 → 5") at `when`.
    bool save(const StoreDetails &details, const QDateTime &when = QDateTime::currentDateTime());

private:
    Database m_db;
};
