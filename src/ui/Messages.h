#pragma once

#include "data/MemberLookup.h"

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

// Tells the clerk why a member lookup has nobody to show ("Customer not
// found", a member ID that is not a number, a database failure); true when
// there is somebody.
bool membersFound(WindowSystem &ws, const MemberLookup::Typed &found, const QString &typed, const DbError &error);
