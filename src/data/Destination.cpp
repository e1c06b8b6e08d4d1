#include "Destination.h"

#include <QCoreApplication>

#include <array>

QString destinationCaption(int destination)
{
    static const std::array<const char *, LastDestination> captions = {
        QT_TRANSLATE_NOOP("Destination", "Video Management form"),
        QT_TRANSLATE_NOOP("Destination", "Inventory Management Form"),
        QT_TRANSLATE_NOOP("Destination", "Customer modification form"),
        QT_TRANSLATE_NOOP("Destination", "Customer delete form"),
        QT_TRANSLATE_NOOP("Destination", "Report listing all movies"),
        QT_TRANSLATE_NOOP("Destination", "Report listing selected movies"),
        QT_TRANSLATE_NOOP("Destination", "Report listing all customers"),
        QT_TRANSLATE_NOOP("Destination", "Report listing customers by Date"),
        QT_TRANSLATE_NOOP("Destination", "Report listing all sales"),
        QT_TRANSLATE_NOOP("Destination", "Report of rental revenues"),
        QT_TRANSLATE_NOOP("Destination", "Manager code change"),
        QT_TRANSLATE_NOOP("Destination", "Day End report"),
        QT_TRANSLATE_NOOP("Destination", "Cash Up form"),
        QT_TRANSLATE_NOOP("Destination", "Prices and taxes form"),
        QT_TRANSLATE_NOOP("Destination", "Store details form"),
        QT_TRANSLATE_NOOP("Destination", "Overdue call list"),
        QT_TRANSLATE_NOOP("Destination", "Overdue letters"),
        QT_TRANSLATE_NOOP("Destination", "Taxes report")};
    if (destination < FirstDestination || destination > LastDestination)
        return {};
    return QCoreApplication::translate("Destination", captions[destination - 1]);
}
