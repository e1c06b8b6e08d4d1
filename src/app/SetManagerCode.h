#pragma once

#include <QString>

class QTextStream;

// videostore --set-manager-code: gives the store its own manager code. On a
// terminal the code is asked for twice without being shown; from a pipe or
// a file one line is read. Whoever can write the store file can do this,
// which is also how a forgotten code is replaced. Prints one line; 0 when
// the code was changed, 1 (and why) when not.
int setManagerCode(const QString &storePath, QTextStream &out, QTextStream &err);
