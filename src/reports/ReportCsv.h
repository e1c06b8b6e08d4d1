#pragma once

#include "ReportLayout.h"
#include "data/OutputFile.h"

#include <QString>

class ReportStore;

// A report's rows for a spreadsheet: UTF-8, commas, RFC 4180 quoting, one
// heading row, one line per detail row (the group's value first in grouped
// reports); amounts as plain decimals, dates as yyyy-MM-dd, no sums.
namespace ReportCsv {

// The heading row's texts, in column order.
QStringList headings(const ReportLayout &layout);
// A field quoted when it holds a comma, a quote or a line break.
QString quoted(const QString &field);
// Writes every row of the opened store; false with `error` set when the
// file or the store fails, leaving no file behind (and an older file of that
// name as it was). `rows` gets the count. Never over the store's own files.
bool write(const ReportLayout &layout, ReportStore &store, const QString &path, QString *error,
           qint64 *rows = nullptr, OutputFile::Existing existing = OutputFile::Existing::Replace);

} // namespace ReportCsv
