#include "LabelCommandLine.h"

#include "data/Identifier.h"
#include "data/ServerStore.h"
#include "data/StoreFile.h"
#include "data/StoreLocation.h"
#include "labels/LabelStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The context of the labels' texts in translations/labels_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Labels)
};

std::optional<std::pair<qint32, qint32>> tapeRange(const QString &text)
{
    const QStringList ends = text.split(u'-');
    if (ends.size() > 2)
        return std::nullopt;
    const auto first = Identifier::parse(ends.first().trimmed());
    const auto last = Identifier::parse(ends.last().trimmed());
    if (!first || !last)
        return std::nullopt;
    return std::pair{*first, *last};
}

QString shownFile(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Every check that needs no store: what to make, and where.
QString requestRefusal(const LabelRequest &r)
{
    if (r.kind != QLatin1String("tapes") && r.kind != QLatin1String("member"))
        return Text::tr("Give --labels tapes FIRST-LAST or --labels member NUMBER, not \"%1\".").arg(r.kind);
    if (r.what.isEmpty())
        return r.kind == QLatin1String("tapes") ? Text::tr("Give the tapes after --labels tapes, as 1001-1030.")
                                                : Text::tr("Give the member's number after --labels member.");
    if (r.pdf.isEmpty())
        return Text::tr("Give the file to write as --pdf FILE.");
    return {};
}

QString fileRefusal(const LabelRequest &r)
{
    QString refusal = OutputFile::refusal(r.pdf, {r.store, OutputFile::Existing::Replace});
    if (refusal.isEmpty() && !r.force && QFileInfo::exists(r.pdf))
        refusal = Text::tr("%1 already exists; nothing was written. Add --force to replace it.")
                      .arg(shownFile(r.pdf));
    return refusal;
}

QString storeRefusal(const QString &store)
{
    const bool server = StoreLocation::isServer(store);
    const QString problem = server ? ServerStore::inspect(store).problem : StoreFile::inspect(store).problem;
    if (problem.isEmpty())
        return {};
    return Text::tr("The store %1 cannot be used: %2")
        .arg(server ? StoreLocation::shown(store) : shownFile(store), problem);
}

QString dbRefusal(const LabelStore &store)
{
    return store.lastError().clerkText();
}

int tapes(const LabelRequest &r, QTextStream &out, QTextStream &err)
{
    const auto fail = [&](const QString &why) {
        err << why << Qt::endl;
        return 1;
    };
    const auto range = tapeRange(r.what);
    if (!range)
        return fail(Text::tr("\"%1\" is not a range of tape numbers; give it as 1001-1030.").arg(r.what));
    if (const QString why = Labels::rangeRefusal(range->first, range->second); !why.isEmpty())
        return fail(why);
    const LabelSheet *sheet = LabelSheet::named(r.sheet.isEmpty() ? QStringLiteral("letter30") : r.sheet);
    if (!sheet)
        return fail(Text::tr("Give the sheet as --sheet letter30 or --sheet a4-21, not \"%1\".").arg(r.sheet));
    const auto start = r.start.isEmpty() ? std::optional<qint32>(1) : Identifier::parse(r.start);
    if (!start || *start < 1 || *start > sheet->perSheet())
        return fail(Text::tr("Give --start a label position from 1 to %1 on the sheet, not \"%2\".")
                        .arg(sheet->perSheet())
                        .arg(r.start));
    for (const QString &why : {storeRefusal(r.store), fileRefusal(r)})
        if (!why.isEmpty())
            return fail(why);

    LabelStore store(r.store);
    const auto found = store.range(range->first, range->second);
    if (!found)
        return fail(dbRefusal(store));
    if (const QString why = Labels::rangeRefusal(*found); !why.isEmpty())
        return fail(why);
    const auto language = store.documentLanguage();
    if (!language)
        return fail(dbRefusal(store));
    QString error;
    const auto existing = r.force ? OutputFile::Existing::Replace : OutputFile::Existing::Keep;
    if (!Labels::writePdf(Labels::tapeSheets(*sheet, *start, found->labels, *language), r.pdf, {r.store, existing},
                          Text::tr("Tape labels %1 to %2").arg(range->first).arg(range->second), &error))
        return fail(error);
    const int sheets = Labels::sheetsFor(*sheet, *start, int(found->labels.size()));
    out << Text::tr("Tape labels written to %1: tapes %2, labels %3, sheets %4 (%5), from position %6.")
               .arg(r.pdf, range->first == range->second
                               ? QString::number(range->first)
                               : Text::tr("%1 to %2").arg(range->first).arg(range->second))
               .arg(found->labels.size())
               .arg(sheets)
               .arg(sheet->key)
               .arg(*start);
    if (const QString retired = Labels::leftOut(*found); !retired.isEmpty())
        out << u' ' << retired;
    out << Qt::endl;
    return 0;
}

int member(const LabelRequest &r, QTextStream &out, QTextStream &err)
{
    const auto fail = [&](const QString &why) {
        err << why << Qt::endl;
        return 1;
    };
    const auto number = Identifier::parse(r.what);
    if (!number)
        return fail(Identifier::invalidMessage(u"member number", r.what));
    for (const QString &why : {storeRefusal(r.store), fileRefusal(r)})
        if (!why.isEmpty())
            return fail(why);
    LabelStore store(r.store);
    const auto found = store.member(*number);
    if (found.failed)
        return fail(dbRefusal(store));
    if (const QString why = Labels::cardRefusal(*number, found); !why.isEmpty())
        return fail(why);
    QString error;
    // The card names the member: for the owner's eyes only.
    const auto existing = r.force ? OutputFile::Existing::Replace : OutputFile::Existing::Keep;
    if (!Labels::writePdf(Labels::card(found.row->card, found.row->language), r.pdf,
                          {r.store, existing, OutputFile::Access::OwnerOnly},
                          Text::tr("Membership card %1").arg(*number), &error))
        return fail(error);
    out << Text::tr("Membership card of member %1 written to %2").arg(*number).arg(r.pdf) << Qt::endl;
    return 0;
}

} // namespace

int runLabelCommand(const LabelRequest &request, QTextStream &out, QTextStream &err)
{
    if (const QString why = requestRefusal(request); !why.isEmpty()) {
        err << why << Qt::endl;
        return 1;
    }
    return request.kind == QLatin1String("tapes") ? tapes(request, out, err) : member(request, out, err);
}
