#include "Genres.h"

#include <QCoreApplication>

#include <array>

namespace Genres {

namespace {

const std::array<const char *, Count> Names = {
    QT_TRANSLATE_NOOP("Genres", "Action"), QT_TRANSLATE_NOOP("Genres", "Sci-Fi"), QT_TRANSLATE_NOOP("Genres", "Drama"),
    QT_TRANSLATE_NOOP("Genres", "Comedy"), QT_TRANSLATE_NOOP("Genres", "Horror & Thriller")};

} // namespace

QString name(int categoryId)
{
    if (categoryId < 1 || categoryId > Count)
        return {};
    return QString::fromLatin1(Names[categoryId - 1]);
}

QString shownName(int categoryId)
{
    if (categoryId < 1 || categoryId > Count)
        return {};
    return QCoreApplication::translate("Genres", Names[categoryId - 1]);
}

} // namespace Genres
