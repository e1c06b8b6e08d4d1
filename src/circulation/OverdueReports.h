#pragma once

#include "data/OutputFile.h"

#include <QDate>
#include <QString>

struct ReportCommand;

namespace ReportCommands {
// The members with tapes past their due date on a day (yyyy-MM-dd), each
// with the phones to ring and the tapes to ask for, with the fees so far.
const ReportCommand &overdue();
} // namespace ReportCommands

// A letter to each member with tapes past their due date on a day.
namespace OverdueLetters {

// The letters' text, a page a member, as they are printed.
struct Letters
{
    QList<QStringList> pages;
};
// nullopt with `error` set when the store fails.
std::optional<Letters> compose(const QString &storePath, QDate day, QString *error);

// One PDF of every letter, readable by its owner only (it holds members'
// names and addresses); false with `error` set. `letters` counts the pages.
bool writePdf(const QString &storePath, QDate day, const QString &file, OutputFile::Existing existing,
              QString *error, int *letters = nullptr);

} // namespace OverdueLetters
