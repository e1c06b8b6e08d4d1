#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Keeps a top-level window where the user last had it: each showing puts it
// back where it was when it was hidden, so the desktop does not place it
// anew (some put it in a corner). A place that is no longer on any screen
// (a smaller display, a screen unplugged) is moved onto the nearest one.
namespace WindowPlace {

void keep(QWidget &window);

// `frame` moved as little as needed to lie inside `area` (its top left
// corner first, when it is larger than the area).
QRect within(QRect frame, const QRect &area);

// `wanted`, no larger than `percent` of the main screen's free area each
// way, so that a tall window's bottom can be reached on a small display.
QSize atMost(QSize wanted, int percent);

} // namespace WindowPlace
