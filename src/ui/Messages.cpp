#include "Messages.h"

#include "WindowSystem.h"
#include "data/Database.h"
#include "data/Identifier.h"

void showDbError(WindowSystem &ws, const DbError &error)
{
    ws.msgBox(error.clerkText(), Buttons::Ok, Icon::Exclamation,
              error.kind == DbError::Kind::Conflict ? QStringLiteral("Taken by another counter")
                                                    : QStringLiteral("Store database error"));
}

void showInvalidNumber(WindowSystem &ws, const QString &what, const QString &typed)
{
    ws.msgBox(Identifier::invalidMessage(what, typed), Buttons::Ok, Icon::Exclamation,
              QStringLiteral("Invalid number"));
}
