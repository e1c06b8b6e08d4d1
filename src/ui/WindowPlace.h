#pragma once

#include <QRect>
#include <QSize>

#include <optional>

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

// How wide a window must be for the desktop to show its whole title, the
// program's name after it, beside the title bar's buttons.
int titleWidth(const QString &title);

// Puts `window`, about to be shown, inside `area` (a screen's free area),
// at `at` or where it stands, moved as little as needed: no larger than the
// area, its frame included, so a small display shows it whole with its
// table made shorter or narrower, yet never smaller than its controls need
// nor than its title needs.
// The frame it gave the window, title bar included.
QRect place(QWidget &window, const QRect &area, std::optional<QPoint> at = {});

// `wanted`, no larger than `percent` of the main screen's free area each
// way, so that a tall window's bottom can be reached on a small display.
QSize atMost(QSize wanted, int percent);

} // namespace WindowPlace
