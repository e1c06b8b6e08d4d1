#pragma once

#include <QString>

// The five fixed genres, numbered 1 to 5; any other number has no name.
namespace Genres {

inline constexpr int Count = 5;
// The name the store keeps and the command line takes: "Comedy", in every language.
QString name(int categoryId);
// The name shown to a person, in the language shown: "Comédie" in French.
QString shownName(int categoryId);

} // namespace Genres
