#include "Messages.h"

#include "WindowSystem.h"
#include "data/Database.h"
#include "data/Identifier.h"
#include "data/Money.h"
#include "data/ServerWait.h"

#include <QCoreApplication>

namespace {

// The context of these texts in translations/ui_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

} // namespace

void showDbError(WindowSystem &ws, const DbError &error, const QString &notSaved)
{
    ws.msgBox(notSaved.isEmpty() ? error.clerkText() : error.clerkText(notSaved), Buttons::Ok, Icon::Exclamation,
              !error.title.isEmpty()                  ? error.title
              : error.kind == DbError::Kind::Conflict ? Text::tr("Taken by another counter")
                                                      : Text::tr("Store database error"));
}

void showServerWaits(WindowSystem *ws)
{
    if (!ws) {
        ServerWait::setWatcher(nullptr);
        return;
    }
    ServerWait::setWatcher([ws](std::optional<ServerWait::For> what) {
        if (!what)
            return ws->waiting({});
        switch (*what) {
        case ServerWait::For::OtherCounter:
            return ws->waiting(Text::tr("Waiting for another counter..."));
        case ServerWait::For::ServerBack:
            return ws->waiting(Text::tr("Waiting for the store server to come back..."));
        case ServerWait::For::Answer:
            return ws->waiting(Text::tr("Waiting for the store server..."));
        }
    });
}

bool confirmReturnToMenu(WindowSystem &ws)
{
    return ws.msgBox(Text::tr("Are you sure you want to return to the main menu?"), Buttons::YesNo,
                     Icon::Question, Text::tr("Return to main menu"))
           == Answer::Yes;
}

void refuse(WindowSystem &ws, const QString &prompt, const QString &title)
{
    ws.msgBox(prompt, Buttons::Ok, Icon::Exclamation, title);
}

void showInvalidNumber(WindowSystem &ws, const QString &what, const QString &typed)
{
    ws.msgBox(Identifier::invalidMessage(what, typed), Buttons::Ok, Icon::Exclamation,
              Text::tr("Invalid number"));
}

QString notANumber(Numbered what, const QString &typed)
{
    const QString shown = typed.trimmed();
    bool digits = !shown.isEmpty();
    for (const QChar c : shown)
        digits = digits && c >= u'0' && c <= u'9';
    if (!digits) {
        static const char *const onlyDigits[] = {
            QT_TRANSLATE_NOOP("Messages", "Tape numbers are digits only: \"%1\" is not one."),
            QT_TRANSLATE_NOOP("Messages", "Item numbers are digits only: \"%1\" is not one."),
            QT_TRANSLATE_NOOP("Messages", "Member numbers are digits only: \"%1\" is not one.")};
        return Text::tr(onlyDigits[static_cast<int>(what)]).arg(shown);
    }
    static const char *const tooLarge[] = {
        QT_TRANSLATE_NOOP("Messages", "There is no tape %1: tape numbers go up to %2."),
        QT_TRANSLATE_NOOP("Messages", "There is no item %1: item numbers go up to %2."),
        QT_TRANSLATE_NOOP("Messages", "There is no member %1: member numbers go up to %2.")};
    return Text::tr(tooLarge[static_cast<int>(what)]).arg(shown).arg(Identifier::Max);
}

void showInvalidAmount(WindowSystem &ws, const QString &what, const QString &typed)
{
    const QString prompt =
        typed.trimmed().isEmpty() ? Text::tr("Enter the %1 as an amount of dollars, such as 24.99.").arg(what)
        : Money::finerThanCents(typed) || Money::overLimit(typed)
            ? Money::parseProblem(typed)
            : Text::tr("\"%1\" is not a valid %2. Enter an amount of dollars of 0 or more, such as 24.99.")
                  .arg(typed, what);
    ws.msgBox(prompt, Buttons::Ok, Icon::Exclamation, Text::tr("Invalid amount"));
}

void showRetired(WindowSystem &ws, const QString &name, bool blankBeforeBreak)
{
    //: %1 is what was retired; %2 is a line break.
    ws.msgBox(Text::tr("%1 has been marked as deleted. Items are not deleted from the database entirely,%2but can no "
                       "longer be accessed by normal means. Consult Corvane Inc. for a data retrieval kit if required.")
                  .arg(name, (blankBeforeBreak ? QStringLiteral(" ") : QString()) + QStringLiteral("\r\n")),
              Buttons::Ok, Icon::Information, Text::tr("Virtual Delete."));
}

bool membersFound(WindowSystem &ws, const MemberLookup::Typed &found, const QString &typed, const DbError &error)
{
    switch (found.status) {
    case MemberLookup::Typed::Status::InvalidNumber:
        ws.msgBox(notANumber(Numbered::Member, typed), Buttons::Ok, Icon::Exclamation,
                  Text::tr("Invalid number"));
        return false;
    case MemberLookup::Typed::Status::Failed:
        showDbError(ws, error);
        return false;
    case MemberLookup::Typed::Status::Done:
        break;
    }
    if (found.rows.isEmpty()) {
        ws.msgBox(Text::tr("Customer not found"));
        return false;
    }
    return true;
}
