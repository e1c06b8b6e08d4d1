#include "Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {

std::atomic<Language::Id> programLanguage{Language::English};
thread_local std::optional<Language::Id> scoped;

// Built beside the program (build/translations; tests and tools one folder
// down) and installed under share/videostore by the package.
QString ourTranslation()
{
    const QString name = QStringLiteral("/videostore_fr.qm");
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString &folder : {dir + QStringLiteral("/translations"), dir + QStringLiteral("/../translations"),
                                  dir + QStringLiteral("/../share/videostore/translations")})
        if (QFileInfo::exists(folder + name))
            return folder + name;
    return {};
}

// One translator for the whole run that answers in the language current()
// names on the calling thread: a document's scope installs and removes
// nothing, which would tell every window that the language changed.
class Translations final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        if (Language::current() != Language::French)
            return {};
        // Loaded at the first French text, so an English start reads nothing.
        std::call_once(m_loaded, [this] { load(); });
        QString text = m_ours.translate(context, sourceText, disambiguation, n);
        if (text.isNull())
            text = m_qt.translate(context, sourceText, disambiguation, n);
        return text;
    }
    bool isEmpty() const override { return false; }

private:
    void load() const
    {
        const QString ours = ourTranslation();
        if (ours.isEmpty() || !m_ours.load(ours))
            std::fprintf(stderr, "videostore: the French translation (videostore_fr.qm) is missing beside the "
                                 "program; its texts stay in English.\n");
        // Debian's qt6-translations-l10n: Qt's standard buttons and dialogs.
        (void)m_qt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }

    mutable std::once_flag m_loaded;
    mutable QTranslator m_ours, m_qt;
};

Translations &translations()
{
    static Translations t;
    return t;
}

} // namespace

Language::Id Language::current()
{
    return scoped.value_or(programLanguage.load(std::memory_order_relaxed));
}

Language::Id Language::program()
{
    return programLanguage.load(std::memory_order_relaxed);
}

void Language::setProgram(Id language)
{
    programLanguage.store(language, std::memory_order_relaxed);
    // What Qt formats by itself (a file dialog's dates and sizes) follows.
    QLocale::setDefault(language == French ? QLocale(QLocale::French, QLocale::Canada) : QLocale::system());
}

Language::Id Language::system()
{
    const QLocale locale = QLocale::system();
    const QStringList ui = locale.uiLanguages();
    return fromCode(ui.isEmpty() ? locale.name() : ui.constFirst()).value_or(English);
}

std::optional<Language::Id> Language::fromCode(QStringView code)
{
    const QStringView c = code.trimmed();
    if (c.size() != 2 && !(c.size() > 2 && (c[2] == u'_' || c[2] == u'-' || c[2] == u'.')))
        return std::nullopt;
    if (c.left(2).compare(u"fr", Qt::CaseInsensitive) == 0)
        return French;
    if (c.left(2).compare(u"en", Qt::CaseInsensitive) == 0)
        return English;
    return std::nullopt;
}

QString Language::code(Id language)
{
    return language == French ? QStringLiteral("fr") : QStringLiteral("en");
}

QString Language::name(Id language)
{
    return language == French ? QStringLiteral("français") : QStringLiteral("English");
}

void Language::install()
{
    // Once per application object: a test makes several in turn.
    QCoreApplication::removeTranslator(&translations());
    QCoreApplication::installTranslator(&translations());
}

QString Language::translate(const char *context, const char *sourceText)
{
    const QString text = translations().translate(context, sourceText, nullptr, -1);
    return text.isNull() ? QString::fromUtf8(sourceText) : text;
}

Language::Scope::Scope(Id language)
    : m_previous(scoped)
{
    scoped = language;
}

Language::Scope::~Scope()
{
    scoped = m_previous;
}
