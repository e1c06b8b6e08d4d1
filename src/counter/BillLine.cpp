#include "BillLine.h"

#include "data/Identifier.h"

#include <QCoreApplication>

namespace BillLine {

namespace {

constexpr int TitleWidth = 20;

// The context of these texts in translations/counter_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(BillLine)
};

// The word that starts at `from` and runs to the next space (or the end).
QStringView wordAt(const QString &line, qsizetype from)
{
    if (from >= line.size())
        return {};
    qsizetype end = line.indexOf(u' ', from);
    if (end < 0)
        end = line.size();
    return QStringView(line).mid(from, end - from);
}

} // namespace

QString fitTitle(const QString &title)
{
    return title.left(TitleWidth).leftJustified(TitleWidth, u' ');
}

QString rent(qint32 videoId, const QString &title20, Money fee)
{
    return QStringLiteral("Rent %1  %2\t%3").arg(videoId).arg(title20, fee.toPlainCents(Money::Untranslated));
}

QString buy(qint32 inventoryId, qint32 quantity, const QString &itemName, Money amount)
{
    return QStringLiteral("Buy %1 %2  %3\t%4").arg(inventoryId).arg(quantity).arg(itemName, amount.toPlainCents(Money::Untranslated));
}

QString buyVideo(const QString &typedVideoId, const QString &title, Money salePrice)
{
    return QStringLiteral("BuyV %1  %2\t%3").arg(typedVideoId, title, salePrice.toPlainCents(Money::Untranslated));
}

QString pay(Money amount)
{
    return QStringLiteral("Pay  overdue fees \t") + amount.toPlainCents(Money::Untranslated);
}

std::optional<Money> amount(const QString &line)
{
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        return std::nullopt;
    return Money::parse(QStringView(line).mid(tab + 1));
}

std::optional<Parsed> parse(const QString &line)
{
    const QStringView head = QStringView(line).left(4);
    if (head == u"Pay ") {
        const auto paid = amount(line);
        if (!paid)
            return std::nullopt;
        return Parsed{Kind::Pay, 0, 0, *paid};
    }
    if (head == u"Rent" || head == u"BuyV") {
        const auto id = Identifier::parse(wordAt(line, 5));
        if (!id)
            return std::nullopt;
        return Parsed{head == u"Rent" ? Kind::Rent : Kind::BuyVideo, *id, 0, amount(line).value_or(Money())};
    }
    if (head == u"Buy ") {
        const QStringView idText = wordAt(line, 4);
        const auto id = Identifier::parse(idText);
        const auto quantity = Identifier::parse(wordAt(line, 4 + idText.size() + 1));
        if (!id || !quantity)
            return std::nullopt;
        return Parsed{Kind::Buy, *id, *quantity, amount(line).value_or(Money())};
    }
    return std::nullopt;
}

Totals totals(const QStringList &lines)
{
    Totals t;
    // Only what the checkout writes is charged.
    for (const QString &text : lines) {
        const auto line = parse(text);
        if (!line)
            continue;
        const bool sale = line->kind == Kind::Buy || line->kind == Kind::BuyVideo;
        (sale ? t.sales : t.rentals) += amount(text).value_or(Money());
    }
    return t;
}

std::optional<Columns> columns(const QString &line)
{
    const auto parsed = parse(line);
    if (!parsed)
        return std::nullopt;
    const qsizetype tab = line.indexOf(u'\t');
    // The description follows the first two spaces; a title may hold more.
    const qsizetype gap = line.indexOf(QLatin1String("  "));
    const QString description = gap < 0 ? QString() : line.mid(gap + 2, tab - gap - 2).trimmed();
    const auto amount = BillLine::amount(line);
    const QString amountText = amount ? amount->toPlainCents() : line.mid(tab + 1);
    const QString number = QString::number(parsed->id);
    const QStringList kinds = kindNames();
    switch (parsed->kind) {
    case Kind::Rent:
        return Columns{kinds[0], number, description, QStringLiteral("1"), amountText};
    case Kind::BuyVideo:
        return Columns{kinds[1], number, description, QStringLiteral("1"), amountText};
    case Kind::Buy:
        return Columns{kinds[2], number, description, QString::number(parsed->quantity), amountText};
    case Kind::Pay:
        //: What the bill's line of fees handed on from Payments says.
        return Columns{kinds[3], QString(), Text::tr("overdue fees"), QString(), amountText};
    }
    return std::nullopt;
}

QStringList kindNames()
{
    //: The bill's kinds of line, short: a tape rented, a tape sold, a stock item sold, fees paid.
    return {Text::tr("Rent", "bill line"), Text::tr("Tape", "bill line"), Text::tr("Item", "bill line"),
            Text::tr("Fees", "bill line")};
}

bool holdsTape(const QStringList &lines, qint32 videoId)
{
    for (const QString &text : lines) {
        const auto line = parse(text);
        if (line && (line->kind == Kind::Rent || line->kind == Kind::BuyVideo) && line->id == videoId)
            return true;
    }
    return false;
}

} // namespace BillLine
