#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <functional>

class QCommandLineParser;
class QTextStream;

// The videostore executable's command line: with no command it starts the
// windows; a command (--backup, --check, --restore, ...) does its work on the
// store, prints one line and ends with 0 on success, 1 on failure.
namespace CommandLine {

// What a command is given to work with.
struct Context
{
    QString storePath; // --store FILE, or the default store
    QString value;     // the command's own value, when it takes one
    QTextStream &out;  // the one-line result on success
    QTextStream &err;  // the one-line reason on failure
    const QCommandLineParser &parser; // for the command's own further options
};

struct Command
{
    QString name;      // "backup" for --backup
    QString valueName; // "file" when it takes a value; empty when not
    QString description;
    std::function<int(const Context &)> run;
    // Options only this command takes (e.g. --pdf FILE), listed by --help.
    QList<QCommandLineOption> further = {};
    // Draws pages (fonts, pictures, PDF), so it runs with an offscreen
    // window system; still no display is needed.
    bool paints = false;
};

// Every command, in the order --help lists them, described in the language
// in use. A new command is one more entry here.
QList<Command> commands();

// Runs the program as `argc`/`argv` ask; the exit code.
int run(int argc, char *argv[]);

} // namespace CommandLine
