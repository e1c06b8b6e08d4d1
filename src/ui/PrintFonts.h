#pragma once

#include <QFont>
#include <QString>

// The fonts every printed document is drawn in (receipts, letters, reports,
// labels, and the logo at their head): DejaVu, which build.sh and the
// Debian package install. Named outright, so that a page comes out the same
// on every machine, not in whatever a machine puts in place of a name it
// lacks.
namespace PrintFonts {

enum class Face {
    Sans,      // running text
    Condensed, // narrow columns
    Mono,      // receipts and anything set in columns of characters
};

// "DejaVu Sans", "DejaVu Sans Condensed" or "DejaVu Sans Mono".
QString family(Face face);
// A font of that face; the caller sets its size.
QFont font(Face face);

} // namespace PrintFonts
