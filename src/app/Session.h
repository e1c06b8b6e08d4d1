#pragma once

#include <QString>
#include <QStringList>

// What the program needs from the session that starts it.
namespace Session {

// A session without XDG_RUNTIME_DIR (cron, su, a plain ssh login) gets a
// private folder of the program's own in its place, where Qt would default
// to, so that Qt does not warn about it on every command.
void provideRuntimeDir();

// The one line said when the windows cannot reach a display.
QString noDisplayMessage();

// While one lives (around making the QApplication), a window system that
// cannot be reached ends the program with noDisplayMessage() and exit code
// 1, instead of Qt's lines that end in advice to reinstall. What Qt says
// about the display on the way is kept back, and passed on only when the
// window system did start.
class DisplayGuard final
{
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;
};

} // namespace Session
