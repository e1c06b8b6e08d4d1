#pragma once

#include "data/MemberLookup.h"

#include <QString>

class WindowSystem;
struct DbError;

// Shows what the store database could not do, in a clerk's words; the window
// that asked stays as it was and usable. `notSaved` ("The checkout was not
// saved") leads a message about the server failing the clerk's action.
void showDbError(WindowSystem &ws, const DbError &error, const QString &notSaved = {});

// Lets `ws` show, on this thread, what the program waits for on the store's
// server (nullptr: nothing shows it any more).
void showServerWaits(WindowSystem *ws);

// The question a window asks before it goes back to the main menu, the same
// in every window that asks; true to go.
bool confirmReturnToMenu(WindowSystem &ws);

// A refusal: exclamation icon, OK, nothing else changes.
void refuse(WindowSystem &ws, const QString &prompt, const QString &title);

// Refusal for a typed number that is not a whole number in range.
void showInvalidNumber(WindowSystem &ws, const QString &what, const QString &typed);

// Why what was typed or scanned for a tape, an item or a member is not a
// number of one, in the clerk's words ("Tape numbers are digits only").
enum class Numbered { Tape, Item, Member };
QString notANumber(Numbered what, const QString &typed);

// Refusal for a typed amount of money that is not one, or is below zero.
void showInvalidAmount(WindowSystem &ws, const QString &what, const QString &typed);

// Confirms a retirement: `name` is the retired thing's name or number. The
// inventory window's text has a blank before its line break.
void showRetired(WindowSystem &ws, const QString &name, bool blankBeforeBreak = false);

// Tells the clerk why a member lookup has nobody to show ("Customer not
// found", a member ID that is not a number, a database failure); true when
// there is somebody.
bool membersFound(WindowSystem &ws, const MemberLookup::Typed &found, const QString &typed, const DbError &error);
