#include "SetManagerCode.h"

#include "data/GateStore.h"
#include "app/ManagerCode.h"
#include "data/StoreFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <optional>

#include <termios.h>
#include <unistd.h>

namespace {

// The context of these texts in translations/app_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SetManagerCode)
};

// Longer than any code anyone types; a longer line is not a code.
constexpr qsizetype LineLimit = 4096;

// The terminal's settings while echo is off, put back even when the user
// interrupts, so the shell is never left without echo.
termios g_saved;

extern "C" void restoreTerminalAndDie(int sig)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &g_saved);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// One line of standard input without its line feed; nullopt at the end of
// input with nothing read, or for a line past the limit.
std::optional<QByteArray> readLine(bool *tooLong)
{
    QByteArray line;
    char c = 0;
    bool any = false;
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        any = true;
        if (c == '\n')
            break;
        if (line.size() >= LineLimit) {
            *tooLong = true;
            return std::nullopt;
        }
        line.append(c);
    }
    if (!any)
        return std::nullopt;
    return line;
}

// Asks on the terminal with echo off; the line typed.
std::optional<QByteArray> askHidden(QTextStream &err, const QString &prompt, bool *tooLong)
{
    termios quiet;
    if (tcgetattr(STDIN_FILENO, &g_saved) != 0)
        return readLine(tooLong);
    quiet = g_saved;
    quiet.c_lflag &= ~tcflag_t(ECHO);
    quiet.c_lflag |= ECHONL;
    const int interrupts[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};
    void (*before[std::size(interrupts)])(int);
    for (std::size_t i = 0; i < std::size(interrupts); ++i)
        before[i] = std::signal(interrupts[i], restoreTerminalAndDie);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    // The prompt comes once echo is off, so nothing typed after it shows.
    err << prompt << Qt::flush;
    const std::optional<QByteArray> line = readLine(tooLong);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_saved);
    for (std::size_t i = 0; i < std::size(interrupts); ++i)
        std::signal(interrupts[i], before[i]);
    return line;
}

// The code in `bytes`, which must be UTF-8 as the terminal sends it.
std::optional<QString> decoded(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return std::nullopt;
    return text;
}

} // namespace

int setManagerCode(const QString &storePath, QTextStream &out, QTextStream &err)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(storePath).absoluteFilePath());
    const QString unchanged = Text::tr("The manager code was not changed.");
    auto refuse = [&](const QString &why) {
        err << why << u' ' << unchanged << Qt::endl;
        return 1;
    };
    if (!QFileInfo(storePath).isFile())
        return refuse(Text::tr("There is no store file %1 (start the program once to make it).").arg(shown));
    QString problem = StoreFile::inspect(storePath).problem;
    if (problem.isEmpty())
        problem = StoreFile::writeProblem(storePath);
    if (!problem.isEmpty())
        return refuse(Text::tr("The store %1 cannot be used: %2").arg(shown, problem));
    // A store from an older version gets the table the code is kept in.
    if (const StoreFile::Outcome prepared = StoreFile::prepare(storePath); !prepared.ok)
        return refuse(prepared.message);

    bool tooLong = false;
    QString code;
    if (isatty(STDIN_FILENO)) {
        const auto first = askHidden(
            err,
            Text::tr("New manager code for %1 (at least %2 characters): ").arg(shown).arg(ManagerCode::MinimumLength),
            &tooLong);
        if (!first || first->isEmpty())
            return refuse(tooLong ? Text::tr("The code typed is too long.")
                                  : Text::tr("No code was typed."));
        const auto text = decoded(*first);
        if (!text)
            return refuse(Text::tr("The code typed is not UTF-8 text."));
        // Told at once, before the code is typed a second time.
        if (const QString why = ManagerCode::problemWith(*text); !why.isEmpty())
            return refuse(why);
        const auto second = askHidden(err, Text::tr("The same code again: "), &tooLong);
        if (!second || *second != *first)
            return refuse(Text::tr("The two codes differ."));
        code = *text;
    } else {
        const auto line = readLine(&tooLong);
        if (!line || line->isEmpty())
            return refuse(tooLong ? Text::tr("The line given is too long to be a code.")
                                  : Text::tr("No code was given on standard input."));
        const auto text = decoded(*line);
        if (!text)
            return refuse(Text::tr("The code given is not UTF-8 text."));
        code = *text;
    }
    if (const QString why = ManagerCode::problemWith(code); !why.isEmpty())
        return refuse(why);

    const QByteArray hash = ManagerCode::hash(code);
    if (hash.isEmpty())
        return refuse(Text::tr("The computer lacks the memory to keep the new code safely."));
    GateStore store(storePath);
    if (!store.setCode(hash, QDateTime::currentDateTime(), 0))
        return refuse(Text::tr("The store could not %1: %2").arg(store.lastError().action,
                                                                        store.lastError().detail));
    out << Text::tr("The manager code of the store %1 has been changed; the old code no longer opens "
                    "anything.")
               .arg(shown)
        << Qt::endl;
    return 0;
}
