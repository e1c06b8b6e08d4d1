#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The languages the program speaks: English, in which its texts are
// written, and Canadian French, from translations/*.ts. Texts go through
// tr(), amounts through Money's display forms; both follow current().
class Language final
{
public:
    enum Id { English, French };

    // The language of what this thread shows now: the program's, or a
    // document's while a Scope is open.
    static Id current();
    // The clerk's language, for every thread; English until the start sets it.
    static Id program();
    static void setProgram(Id language);
    // The system's: French when the locale's language is (LANG=fr_CA.UTF-8).
    static Id system();

    // "fr" and "en" (also "fr_CA", "en_US", any case); nullopt otherwise.
    static std::optional<Id> fromCode(QStringView code);
    static QString code(Id language);
    // The language's name as its own speakers write it: "English", "français".
    static QString name(Id language);

    // Puts the program's translator on the application object made last,
    // which every tr() goes through; a French start also loads Qt's own
    // French, so standard buttons and file dialogs follow.
    static void install();
    // A text in the language in use where no application object translates
    // yet (one that is being made), with the context tr() would give it.
    static QString translate(const char *context, const char *sourceText);

    // A document in a language of its own (a French receipt printed by an
    // English-speaking clerk): texts and amounts made on this thread while
    // the scope lives are in `language`. Message boxes shown meanwhile would
    // be too, so open it around the document's making only.
    class Scope final
    {
    public:
        explicit Scope(Id language);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        std::optional<Id> m_previous;
    };
};
