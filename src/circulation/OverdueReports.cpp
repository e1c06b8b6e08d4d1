#include "OverdueReports.h"

#include "circulation/CirculationStore.h"
#include "counter/StoreDetails.h"
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

QString phones(const TapeOutRow &r)
{
    QStringList parts;
    if (!r.homePhone.trimmed().isEmpty())
        parts << QStringLiteral("home ") + r.homePhone.trimmed();
    if (!r.cellPhone.trimmed().isEmpty() && r.cellPhone.trimmed() != QLatin1String("N/A"))
        parts << QStringLiteral("cell ") + r.cellPhone.trimmed();
    return parts.isEmpty() ? QStringLiteral("no phone on file") : parts.join(QStringLiteral(", "));
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
        db.fail(QStringLiteral("run the overdue call list"), StoreDate::invalidMessage(parameters.value(0).toString()));
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
        const QString member = QStringLiteral("%1 %2: %3; %4 tape%5, %6 so far")
                                   .arg(first.member)
                                   .arg(first.memberName(), phones(first))
                                   .arg(tapes.size())
                                   .arg(tapes.size() == 1 ? QString() : QStringLiteral("s"))
                                   .arg(total.toCurrency());
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
    // Written in the store's language for letters.
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
        letterhead << QCoreApplication::translate("OverdueLetters", "Telephone %1").arg(store->phone.trimmed());
    CirculationStore circulation(storePath);
    const auto rows = circulation.overdue(day);
    if (!rows) {
        if (error)
            *error = circulation.lastError().clerkText();
        return std::nullopt;
    }
    Letters letters;
    byMember(*rows, [&](const QList<TapeOutRow> &tapes) {
        const TapeOutRow &m = tapes.first();
        Letter letter{letterhead, {m.memberName()}, {}};
        for (const QString &line : {m.address, (m.city.trimmed() + QStringLiteral("  ") + m.postalCode.trimmed()).trimmed()})
            if (!line.trimmed().isEmpty())
                letter.address << line.trimmed();
        QStringList &page = letter.body;
        page << StoreDate::toText(day) << QString() << QStringLiteral("Member %1").arg(m.member) << QString()
             << QStringLiteral("Dear %1,").arg(m.memberName()) << QString()
             << QStringLiteral("Our records show %1 past %2 due date:")
                    .arg(tapes.size() == 1 ? QStringLiteral("this tape") : QStringLiteral("these tapes"),
                         tapes.size() == 1 ? QStringLiteral("its") : QStringLiteral("their"))
             << QString();
        Money total;
        for (const TapeOutRow &t : tapes) {
            page << QStringLiteral("Tape %1, %2: due %3, %4 day%5 late, %6 so far")
                        .arg(t.tape)
                        .arg(t.title, StoreDate::toText(t.dueOn))
                        .arg(t.daysLate)
                        .arg(t.daysLate == 1 ? QString() : QStringLiteral("s"))
                        .arg(t.fee.toCurrency());
            total += t.fee;
        }
        page << QString() << QStringLiteral("Late fees so far: %1").arg(total.toCurrency()) << QString()
             << QStringLiteral("Please bring %1 back to the store as soon as you can: the late fee grows with each "
                               "day %2 out.")
                    .arg(tapes.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                         tapes.size() == 1 ? QStringLiteral("it is") : QStringLiteral("they are"))
             << QString() << QStringLiteral("Thank you.");
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
        pdf.setTitle(QStringLiteral("Overdue Letters %1").arg(StoreDate::toText(day)));
        pdf.setCreator(QStringLiteral("Video Store"));
        painted = paintLetters(pdf, *letters);
    }
    if (!painted) {
        out.cancel();
        if (error)
            *error = QStringLiteral("The letters could not be drawn.");
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
