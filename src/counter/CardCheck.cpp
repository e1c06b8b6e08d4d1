#include "CardCheck.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace CardCheck {

namespace {

// The context of these texts in translations/counter_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CardCheck)
};

CardProblem refused(CardProblem::Box box, const QString &text)
{
    return {box, text, Text::tr("Card not accepted")};
}

bool passesLuhn(const QString &digits)
{
    int sum = 0;
    bool twice = false;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        int d = digits.at(i).unicode() - u'0';
        if (twice && (d *= 2) > 9)
            d -= 9;
        sum += d;
        twice = !twice;
    }
    return sum % 10 == 0;
}

} // namespace

std::optional<CardProblem> number(const QString &typed)
{
    QString digits;
    for (const QChar c : typed.trimmed()) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (c != u' ' && c != u'-')
            return refused(CardProblem::Box::Number,
                           Text::tr("The card number may hold only digits, blanks and dashes."));
    }
    if (digits.isEmpty())
        return CardProblem{CardProblem::Box::Number, Text::tr("Must provide a card number"),
                           Text::tr("No card number")};
    if (digits.size() < 13 || digits.size() > 19)
        return refused(CardProblem::Box::Number,
                       Text::tr("A card number has 13 to 19 digits, not %1.").arg(digits.size()));
    if (!passesLuhn(digits))
        return refused(CardProblem::Box::Number,
                       Text::tr("The card number does not pass the card check: a digit is mistyped. Type it "
                                "again from the card."));
    return std::nullopt;
}

std::optional<CardProblem> expiry(const QString &typed, QDate today)
{
    static const QRegularExpression form(QStringLiteral("^(0[1-9]|1[0-2])/(\\d\\d)$"));
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return refused(CardProblem::Box::Expiry,
                       Text::tr("The card's expiry date is missing. Type it as MM/YY, for example 08/29."));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return refused(CardProblem::Box::Expiry,
                       Text::tr("The expiry date \"%1\" is not MM/YY. Type it as on the card, for example 08/29.")
                           .arg(text));
    // A card is good to the last day of its month.
    const QDate lastMonth(2000 + m.captured(2).toInt(), m.captured(1).toInt(), 1);
    if (lastMonth < QDate(today.year(), today.month(), 1))
        return refused(CardProblem::Box::Expiry,
                       Text::tr("The card expired at the end of %1. Ask for another card or another way to pay.")
                           .arg(text));
    return std::nullopt;
}

std::optional<CardProblem> card(const QString &number, const QString &expiry, bool hasExpiry, QDate today)
{
    if (auto problem = CardCheck::number(number))
        return problem;
    return hasExpiry ? CardCheck::expiry(expiry, today) : std::nullopt;
}

} // namespace CardCheck
