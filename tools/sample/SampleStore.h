#pragma once

#include <QString>

// Writes a store file filled with invented but consistent history, for
// trying the program out (demo) or measuring it (full). The same size gives
// the same rows on every run, with the dates ending today.
namespace SampleStore {

enum class Size { Demo, Full };

struct Counts
{
    int members = 0; // besides walk-in member 0
    int titles = 0;
    int tapes = 0;
    int checkouts = 0;
    int rentals = 0; // one row per tape rented
    int receipts = 0;
    int itemLines = 0;
    int tapeSales = 0;
    int stockItems = 0;
    int days = 0; // length of the history, the last day being today
};

// Ten busy years.
Counts fullCounts();

struct Summary
{
    Counts written; // what was made; rentals and sales may fall a little short of the asked counts
    int openRentals = 0;
    int overdueRentals = 0;
    double seconds = 0;
};

// Builds the store beside `path` and moves it into place, making its folder
// for its owner alone. An existing file is left alone unless `force`, which
// replaces it and its -wal and -shm files, or unless it is a store that holds
// nothing yet besides walk-in member 0; either only while no program has it
// open.
// `fullShape` replaces the counts of the full size; the demo has its own.
bool write(const QString &path, Size size, bool force, const Counts *fullShape, Summary *summary,
           QString *error);

} // namespace SampleStore
