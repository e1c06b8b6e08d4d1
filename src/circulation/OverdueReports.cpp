#include "OverdueReports.h"

#include "circulation/CirculationStore.h"
#include "counter/StoreDetails.h"
#include "data/StoreDate.h"
#include "reports/ReportStore.h"
#include "ui/PrintFonts.h"

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
    // The same name and address the receipts print, when the manager gave them.
    StoreDetailsStore details(storePath);
    const auto store = details.load();
    if (!store) {
        if (error)
            *error = details.lastError().clerkText();
        return std::nullopt;
    }
    QStringList heading;
    for (const QString &text : {store->name, store->address})
        for (const QString &line : text.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                heading << line.trimmed();
    CirculationStore circulation(storePath);
    const auto rows = circulation.overdue(day);
    if (!rows) {
        if (error)
            *error = circulation.lastError().clerkText();
        return std::nullopt;
    }
    // Written in the store's language for letters.
    const Language::Scope lettersLanguage(store->documentLanguage());
    Letters letters;
    byMember(*rows, [&](const QList<TapeOutRow> &tapes) {
        const TapeOutRow &m = tapes.first();
        QStringList page = heading;
        if (!page.isEmpty())
            page << QString();
        page << StoreDate::toText(day) << QString() << m.memberName();
        for (const QString &line : {m.address, (m.city.trimmed() + QStringLiteral("  ") + m.postalCode.trimmed()).trimmed()})
            if (!line.trimmed().isEmpty())
                page << line.trimmed();
        page << QString() << QStringLiteral("Member %1").arg(m.member) << QString()
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
        letters.pages << page;
    });
    return letters;
}

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
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Overdue Letters %1").arg(StoreDate::toText(day)));
        pdf.setCreator(QStringLiteral("Video Store"));
        QPainter painter;
        painted = painter.begin(&pdf);
        if (painted) {
            QFont font = PrintFonts::font(PrintFonts::Face::Sans);
            font.setPointSizeF(11);
            painter.setFont(font);
            const QRect area = painter.viewport();
            for (qsizetype p = 0; p < letters->pages.size(); ++p) {
                if (p > 0)
                    pdf.newPage();
                painter.drawText(area, Qt::TextWordWrap, letters->pages[p].join(QLatin1Char('\n')));
            }
            painted = painter.end();
        }
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
