#include "ManagerCode.h"

#include <QCoreApplication>
#include <QList>

#include <sodium.h>

namespace ManagerCode {

namespace {

// The context of these texts in translations/app_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ManagerCode)
};

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Text that survives the trip to UTF-8 and back, so two different codes
// never hash alike (a lone surrogate would become "?").
bool exactInUtf8(const QString &text)
{
    return QString::fromUtf8(text.toUtf8()) == text;
}

} // namespace

QString defaultCode()
{
    return QStringLiteral("Popcorn-1987");
}

QString problemWith(const QString &code)
{
    if (code.toUcs4().size() < MinimumLength)
        return Text::tr("A manager code needs at least %1 characters.").arg(MinimumLength);
    for (const QChar c : code)
        if (c.category() == QChar::Other_Control)
            return Text::tr("A manager code cannot hold tabs, line breaks or other control characters: "
                            "they cannot be typed at the security gate.");
    if (!exactInUtf8(code))
        return Text::tr("A manager code must be text that can be typed at the security gate.");
    if (code == defaultCode())
        return Text::tr("The default code cannot be a store's own code: everyone who has read the "
                        "program's instructions knows it.");
    return {};
}

QByteArray hash(const QString &code)
{
    if (!sodiumReady())
        return {};
    const QByteArray bytes = code.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    // About half a second on a counter's computer: nothing for a manager,
    // a long wait for each guess.
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_MODERATE, crypto_pwhash_MEMLIMIT_MODERATE)
        != 0)
        return {};
    return QByteArray(out);
}

bool matches(const QByteArray &hash, const QString &typed)
{
    if (hash.isEmpty() || !exactInUtf8(typed) || !sodiumReady())
        return false;
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size()))
           == 0;
}

} // namespace ManagerCode
