#pragma once

#include <QString>

// The five fixed genres, numbered 1 to 5; any other number has no name.
namespace Genres {

inline constexpr int Count = 5;
QString name(int categoryId);

} // namespace Genres
