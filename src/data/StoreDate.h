#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The one date form of the program: ISO yyyy-MM-dd, in text boxes,
// statements and storage alike.
namespace StoreDate {

inline constexpr auto Format = "yyyy-MM-dd";
// A user's dates keep to these years, so that a due date a few days past
// the last one still has a four-digit year and reads back.
inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 9998;

QString toText(QDate date);
// Only a real calendar date written exactly as yyyy-MM-dd, in the years
// above, is accepted.
std::optional<QDate> parse(QStringView text);
// A date as the store keeps it (a computed due date may fall in 9999).
std::optional<QDate> readStored(QStringView text);
// The clerk-facing refusal for a date text that does not parse.
QString invalidMessage(QStringView text);

} // namespace StoreDate
