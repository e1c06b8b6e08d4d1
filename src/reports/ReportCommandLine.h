#pragma once

#include <QString>

class QTextStream;

// What a script asks for: one report written to a PDF or CSV file.
struct ReportRequest
{
    QString store;  // the store file
    QString report; // all-movies, movies-by-type, ... daily-sales
    QString pdf;
    QString csv;
    QString genre;  // movies-by-type: 1 to 5 or a genre's name
    QString from;   // customers-by-date, taxes: yyyy-MM-dd
    QString to;
    bool force = false; // an existing file of that name is replaced
    QString date;   // day-end: yyyy-MM-dd
};

// Checks the store as a start-up does, runs the report's command and layout
// as the preview does and writes the file. Prints one line on `out` and
// returns 0, or prints why on `err` and returns 1 without writing anything
// (a store refused is left byte for byte as it was). Asks for no
// authorization code: whoever can read the store file can read its reports.
int runReportCommand(const ReportRequest &request, QTextStream &out, QTextStream &err);
