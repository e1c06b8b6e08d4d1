#pragma once

#include "data/Database.h"
#include "data/Language.h"

#include <QString>

#include <optional>

// What a receipt says of the store: its name, address, phone and tax
// registration numbers, and the paper its receipts are printed on. Kept in
// tblSettings, one row a value; a new store has none of them.
struct StoreDetails
{
    enum class Paper { Roll80, Letter };

    QString name, address, phone, gstNumber, pstNumber;
    Paper paper = Paper::Roll80;
    // The language receipts and letters are printed in; none: the counter's.
    std::optional<Language::Id> language;

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
    // All of the details or none of them.
    bool save(const StoreDetails &details);

private:
    Database m_db;
};
