#pragma once

#include <QStringList>

// The command line's report options:
//   videostore [--store FILE] --report NAME (--pdf FILE | --csv FILE)
//              [--genre N|NAME] [--from yyyy-MM-dd --to yyyy-MM-dd]
namespace ReportOptions {

// True when the arguments ask for a report or for help rather than the windows.
bool wanted(int argc, char **argv);
// Parses `arguments` (the program's name first), writes the report or the
// help, and returns the exit code.
int run(const QStringList &arguments, const QString &defaultStore);

} // namespace ReportOptions
