#include "Genres.h"

#include <array>

namespace Genres {

QString name(int categoryId)
{
    static const std::array<QString, Count> names = {
        QStringLiteral("Action"), QStringLiteral("Sci-Fi"), QStringLiteral("Drama"),
        QStringLiteral("Comedy"), QStringLiteral("Horror & Thriller")};
    if (categoryId < 1 || categoryId > Count)
        return {};
    return names[categoryId - 1];
}

} // namespace Genres
