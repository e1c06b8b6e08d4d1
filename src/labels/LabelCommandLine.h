#pragma once

#include <QString>

class QTextStream;

// What a script asks for: tape labels for a range of tape numbers, or one
// member's card, written to a PDF file.
struct LabelRequest
{
    QString store;
    QString kind;  // "tapes" or "member"
    QString what;  // "1001-1030" (or one number) for tapes, the number for a member
    QString sheet; // tapes: letter30 (when empty) or a4-21
    QString start; // tapes: the first label's position on the first sheet, 1 when empty
    QString pdf;
    bool force = false; // an existing file of that name is replaced
};

// Checks everything, then writes the file: prints one line on `out` and
// returns 0, or prints why on `err` and returns 1 having written nothing
// (tape numbers not on file, and members unknown or retired, are refused
// whole; retired tapes in a range are left out and named).
int runLabelCommand(const LabelRequest &request, QTextStream &out, QTextStream &err);
