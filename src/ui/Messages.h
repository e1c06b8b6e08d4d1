#pragma once

#include <QString>

class WindowSystem;
struct DbError;

// Shows what the store database could not do, in a clerk's words; the window
// that asked stays as it was and usable.
void showDbError(WindowSystem &ws, const DbError &error);

// Refusal for a typed number that is not a whole number in range.
void showInvalidNumber(WindowSystem &ws, const QString &what, const QString &typed);

// Confirms that `name` has been retired: kept in the store, out of normal use.
// `trailingBlank` ends the first line with a blank, as the inventory window's does.
void showRetired(WindowSystem &ws, const QString &name, bool trailingBlank = false);
