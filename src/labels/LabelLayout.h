#pragma once

#include "data/Language.h"
#include "data/OutputFile.h"
#include "ui/WindowSystem.h"

#include <QList>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QFont;
class QImage;

// What a tape's label shows.
struct TapeLabel
{
    qint32 tape = 0;
    QString title;
    qint32 copy = 0;
    int priceClass = 0;
};

// What a membership card shows.
struct MemberCard
{
    qint32 member = 0;
    QString name;
    QString store; // the store's name; empty when not set
};

// A sheet of self-adhesive labels: its paper and where each label lies on
// it, in millimetres from the paper's top left corner.
struct LabelSheet
{
    QString key; // as the command line names it: "letter30"
    QPageSize::PageSizeId paper = QPageSize::Letter;
    int columns = 0, rows = 0;
    QSizeF label;
    QPointF first; // the first label's top left corner
    QSizeF pitch;  // from one label's corner to the next one's

    int perSheet() const { return columns * rows; }
    // Position 1 is the top left one; positions go across, then down.
    QRectF labelMm(int position) const;
    // "Letter, 30 labels of 2 5/8 x 1 in", in the user's language.
    QString description() const;

    static const QList<LabelSheet> &all();
    // nullptr when no sheet has that key.
    static const LabelSheet *named(QStringView key);
};

namespace Labels {

// The most labels made at once: a hundred sheets.
inline constexpr int MostAtOnce = 3000;

// The sheets `count` labels take from position `start` of the first.
int sheetsFor(const LabelSheet &sheet, int start, int count);
// The labels, in order, from position `start` of the first sheet, their
// words in `language` (the store's for what it prints). The paper has no
// margins: positions are the paper's own.
PrintPages tapeSheets(const LabelSheet &sheet, int start, const QList<TapeLabel> &labels, Language::Id language);
// One card of ID-1 size (85.6 x 54 mm), as card stock and card printers
// take, its words in `language`.
PrintPages card(const MemberCard &card, Language::Id language);

// The font the program's printed documents use: the receipt's.
QFont printFont(double points, bool bold = false);

// Writes `pages` as a PDF whose bars and text stay vectors; false with
// `error` set and nothing under that name.
bool writePdf(const PrintPages &pages, const QString &file, const OutputFile::Rules &rules, const QString &title,
              QString *error);
enum class Printed { Done, Cancelled, Failed };
// Asks for a printer set to the pages' paper (drawn from its very corner),
// then draws the pages the print dialog chose on it, at its resolution.
Printed print(WindowSystem &ws, const PrintPages &pages, const QString &docName);
// Page `page` as a picture at `dpi`, for a window to show.
QImage picture(const PrintPages &pages, int page, double dpi);

} // namespace Labels
