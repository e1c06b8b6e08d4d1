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

// One member's letter, in the parts a page places apart.
struct Letter
{
    QStringList letterhead; // the store's name, address and phone
    QStringList address;    // the member's name and address, where an envelope's window shows it
    QStringList body;
};

// The letters' text, a page a member, as they are printed.
struct Letters
{
    QString title; // "Overdue Letters 2026-12-07", the PDF's
    QList<Letter> pages;
};
// nullopt with `error` set when the store fails.
std::optional<Letters> compose(const QString &storePath, QDate day, QString *error);

// One PDF of every letter, readable by its owner only (it holds members'
// names and addresses); false with `error` set. `letters` counts the pages.
bool writePdf(const QString &storePath, QDate day, const QString &file, OutputFile::Existing existing,
              QString *error, int *letters = nullptr);

} // namespace OverdueLetters
