#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The one date form of the program: ISO yyyy-MM-dd, in text boxes,
// statements and storage alike.
namespace StoreDate {

inline constexpr auto Format = "yyyy-MM-dd";

QString toText(QDate date);
// Only a real calendar date written exactly as yyyy-MM-dd is accepted.
std::optional<QDate> parse(QStringView text);
// The clerk-facing refusal for a date text that does not parse.
QString invalidMessage(QStringView text);

} // namespace StoreDate
