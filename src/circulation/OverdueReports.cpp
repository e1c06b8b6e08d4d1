#include "OverdueReports.h"

#include "circulation/CirculationStore.h"
#include "counter/StoreDetails.h"
#include "data/Language.h"
#include "data/StoreDate.h"
#include "reports/ReportStore.h"
#include "ui/PrintFonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <optional>

namespace {

// The call list's texts in the clerk's language; the letters' in the store's
// language for letters.
struct CallList
{
    Q_DECLARE_TR_FUNCTIONS(OverdueCallList)
};
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OverdueLetters)
};

QString phones(const TapeOutRow &r)
{
    QStringList parts;
    if (!r.homePhone.trimmed().isEmpty())
        parts << CallList::tr("home %1").arg(r.homePhone.trimmed());
    // "N/A" is what the member's form keeps for a phone not given.
    if (!r.cellPhone.trimmed().isEmpty() && r.cellPhone.trimmed() != QLatin1String("N/A"))
        parts << CallList::tr("cell %1").arg(r.cellPhone.trimmed());
    return parts.isEmpty() ? CallList::tr("no phone on file") : parts.join(QStringLiteral(", "));
}

// The runs of one member's rows in rows sorted by member.
template <typename F>
void byMember(const QList<TapeOutRow> &rows, F each)
{
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype end = i;
        while (end < rows.size() && rows[end].member == rows[i].member)
            ++end;
        each(rows.mid(i, end - i));
        i = end;
    }
}

std::optional<QList<ReportRow>> overdueRows(Database &db, const QVariantList &parameters)
{
    const auto day = StoreDate::parse(parameters.value(0).toString());
    if (!day) {
        db.fail(CallList::tr("run the overdue call list"), StoreDate::invalidMessage(parameters.value(0).toString()));
        return std::nullopt;
    }
    const auto rows = TapesOut::overdue(db, *day);
    if (!rows)
        return std::nullopt;
    QList<ReportRow> out;
    byMember(*rows, [&](const QList<TapeOutRow> &tapes) {
        const TapeOutRow &first = tapes.first();
        Money total;
        for (const TapeOutRow &t : tapes)
            total += t.fee;
        const QString number = QString::number(first.member);
        const QString member =
            tapes.size() == 1
                ? CallList::tr("%1 %2: %3; 1 tape, %4 so far")
                      .arg(number, first.memberName(), phones(first), total.toCurrency())
                : CallList::tr("%1 %2: %3; %4 tapes, %5 so far")
                      .arg(number, first.memberName(), phones(first), QString::number(tapes.size()), total.toCurrency());
        for (const TapeOutRow &t : tapes)
            out.append(ReportRow{member, t.member, t.memberName(), t.homePhone, t.cellPhone, t.tape, t.title,
                                 StoreDate::toText(t.dueOn), t.daysLate, QVariant::fromValue(t.fee.units())});
    });
    return out;
}

} // namespace

namespace ReportCommands {

const ReportCommand &overdue()
{
    static const ReportCommand c{QStringLiteral("Overdue"),
                                 {{QStringLiteral("Member"), ColumnType::Text},
                                  {QStringLiteral("MemberNumber"), ColumnType::Number},
                                  {QStringLiteral("Name"), ColumnType::Text},
                                  {QStringLiteral("HomePhone"), ColumnType::Text},
                                  {QStringLiteral("CellPhone"), ColumnType::Text},
                                  {QStringLiteral("Tape"), ColumnType::Number},
                                  {QStringLiteral("Title"), ColumnType::Text},
                                  {QStringLiteral("Due"), ColumnType::Date},
                                  {QStringLiteral("DaysLate"), ColumnType::Number},
                                  {QStringLiteral("Fee"), ColumnType::Money}},
                                 {},
                                 {},
                                 {},
                                 QStringLiteral("Member"),
                                 {},
                                 {},
                                 {},
                                 {},
                                 {},
                                 [](const QVariantList &) { return QList<Money>(); },
                                 overdueRows};
    return c;
}

} // namespace ReportCommands

namespace OverdueLetters {

std::optional<Letters> compose(const QString &storePath, QDate day, QString *error)
{
    // The same name, address and phone the receipts print, when the manager gave them.
    StoreDetailsStore details(storePath);
    const auto store = details.load();
    if (!store) {
        if (error)
            *error = details.lastError().clerkText();
        return std::nullopt;
    }
    CirculationStore circulation(storePath);
    const auto rows = circulation.overdue(day);
    if (!rows) {
        if (error)
            *error = circulation.lastError().clerkText();
        return std::nullopt;
    }
    // Written in the store's language for letters; what went wrong is told
    // to the clerk in the clerk's, so the scope opens after the reading.
    const Language::Scope lettersLanguage(store->documentLanguage());
    // On three lines at most, so the letterhead stays above the envelope's window.
    QStringList letterhead, addressLines;
    if (!store->name.trimmed().isEmpty())
        letterhead << store->name.trimmed();
    for (const QString &line : store->address.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            addressLines << line.trimmed();
    if (!addressLines.isEmpty())
        letterhead << addressLines.join(QStringLiteral(", "));
    if (!store->phone.trimmed().isEmpty())
        letterhead << Text::tr("Telephone %1").arg(store->phone.trimmed());
    Letters letters;
    letters.title = Text::tr("Overdue Letters %1").arg(StoreDate::toText(day));
    byMember(*rows, [&](const QList<TapeOutRow> &tapes) {
        const TapeOutRow &m = tapes.first();
        Letter letter{letterhead, {m.memberName()}, {}};
        for (const QString &line : {m.address, (m.city.trimmed() + QStringLiteral("  ") + m.postalCode.trimmed()).trimmed()})
            if (!line.trimmed().isEmpty())
                letter.address << line.trimmed();
        QStringList &page = letter.body;
        const bool one = tapes.size() == 1;
        page << StoreDate::toText(day) << QString() << Text::tr("Member %1").arg(m.member) << QString()
             << Text::tr("Dear %1,").arg(m.memberName()) << QString()
             << (one ? Text::tr("Our records show this tape past its due date:")
                     : Text::tr("Our records show these tapes past their due date:"))
             << QString();
        Money total;
        for (const TapeOutRow &t : tapes) {
            const QString tape = QString::number(t.tape), due = StoreDate::toText(t.dueOn);
            page << (t.daysLate == 1 ? Text::tr("Tape %1, %2: due %3, 1 day late, %4 so far")
                                           .arg(tape, t.title, due, t.fee.toCurrency())
                                     : Text::tr("Tape %1, %2: due %3, %4 days late, %5 so far")
                                           .arg(tape, t.title, due, QString::number(t.daysLate), t.fee.toCurrency()));
            total += t.fee;
        }
        page << QString() << Text::tr("Late fees so far: %1").arg(total.toCurrency()) << QString()
             << (one ? Text::tr("Please bring it back to the store as soon as you can: the late fee grows with each "
                                "day it is out.")
                     : Text::tr("Please bring them back to the store as soon as you can: the late fee grows with "
                                "each day they are out."))
             << QString() << Text::tr("Thank you.");
        letters.pages << letter;
    });
    return letters;
}

namespace {

// Letter paper in inches from its top left corner, at the PDF's 300 dots an
// inch. The margins are an inch all round. A #10 window envelope shows a
// page folded in three from 7/8" to 5 3/8" across and from 2" to 3 1/8"
// down: the address starts at the margin, 1/8" below the window's top, so
// it still shows when the page slips in the envelope.
constexpr int Dpi = 300;
constexpr double MarginInches = 1.0;
constexpr double AddressTopInches = 2.125;
constexpr double WindowRightInches = 5.375;
constexpr double BodyTopInches = 3.5;

bool paintLetters(QPdfWriter &pdf, const Letters &letters)
{
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    QFont font = PrintFonts::font(PrintFonts::Face::Sans);
    font.setPointSizeF(11);
    QFont name = font;
    name.setBold(true);
    name.setPointSizeF(13);
    const double left = MarginInches * Dpi;
    const double width = (8.5 - 2 * MarginInches) * Dpi;
    const double bottom = (11 - MarginInches) * Dpi;
    // Lines one under another from `y`; a long letter goes on over the next page.
    auto lines = [&](const QStringList &texts, double y, double w, int flags) {
        for (const QString &text : texts) {
            const QString shown = text.isEmpty() ? QStringLiteral(" ") : text;
            const QRectF needed = painter.boundingRect(QRectF(left, y, w, bottom - y), flags, shown);
            if (y + needed.height() > bottom) {
                pdf.newPage();
                y = MarginInches * Dpi;
            }
            painter.drawText(QRectF(left, y, w, bottom - y), flags, shown);
            y += needed.height();
        }
    };
    for (qsizetype p = 0; p < letters.pages.size(); ++p) {
        if (p > 0)
            pdf.newPage();
        const Letter &letter = letters.pages[p];
        painter.setFont(name);
        lines(letter.letterhead.mid(0, 1), MarginInches * Dpi, width, Qt::AlignLeft | Qt::AlignTop);
        painter.setFont(font);
        lines(letter.letterhead.mid(1), MarginInches * Dpi + QFontMetricsF(name, &pdf).lineSpacing(), width,
              Qt::AlignLeft | Qt::AlignTop);
        lines(letter.address, AddressTopInches * Dpi, (WindowRightInches - MarginInches) * Dpi,
              Qt::AlignLeft | Qt::AlignTop);
        lines(letter.body, BodyTopInches * Dpi, width, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    }
    return painter.end();
}

} // namespace

bool writePdf(const QString &storePath, QDate day, const QString &file, OutputFile::Existing existing,
              QString *error, int *count)
{
    const auto letters = compose(storePath, day, error);
    if (!letters)
        return false;
    OutputFile out(file, {storePath, existing, OutputFile::Access::OwnerOnly});
    if (!out.open()) {
        if (error)
            *error = out.error();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter pdf(&out.device());
        pdf.setPageSize(QPageSize(QPageSize::Letter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(Dpi);
        pdf.setTitle(letters->title);
        pdf.setCreator(QStringLiteral("Video Store"));
        painted = paintLetters(pdf, *letters);
    }
    if (!painted) {
        out.cancel();
        if (error)
            *error = Text::tr("The letters could not be drawn.");
        return false;
    }
    if (!out.commit()) {
        if (error)
            *error = out.error();
        return false;
    }
    if (count)
        *count = int(letters->pages.size());
    return true;
}

} // namespace OverdueLetters
