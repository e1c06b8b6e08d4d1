#include "Destination.h"

#include <array>

QString destinationCaption(int destination)
{
    static const std::array<const char *, LastDestination> captions = {
        "Video Management form",         "Inventory Management Form",        "Customer modification form",
        "Customer delete form",          "Report listing all movies",        "Report listing selected movies",
        "Report listing all customers",  "Report listing customers by Date", "Report listing all sales",
        "Report of rental revenues",     "Manager code change",              "Day End report",
        "Cash Up form",                  "Prices and taxes form",            "Store details form",
        "Overdue call list",             "Overdue letters",                  "Taxes report"};
    if (destination < FirstDestination || destination > LastDestination)
        return {};
    return QString::fromLatin1(captions[destination - 1]);
}
