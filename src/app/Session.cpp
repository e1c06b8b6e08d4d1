#include "Session.h"

#include "data/Language.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace Session {

void provideRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir = QFile::encodeName(QDir::tempPath() + QStringLiteral("/runtime-videostore-")
                                             + QString::number(::getuid()));
    ::mkdir(dir.constData(), 0700);
    // Only a folder of ours that nobody else can enter will do; otherwise
    // Qt's own default (and its warning) stands.
    struct stat info = {};
    if (::lstat(dir.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return;
    if ((info.st_mode & 07777) != 0700 && ::chmod(dir.constData(), 0700) != 0)
        return;
    qputenv("XDG_RUNTIME_DIR", dir);
}

QString noDisplayMessage()
{
    const bool none = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    // Said while the application object is being made, before it translates.
    return QStringLiteral("videostore: ")
           + Language::translate("Session", "the windows need a graphical session and %1; start it from the "
                                            "desktop, or use the commands that need none (--report, --backup, "
                                            "--check, --restore; videostore --help lists them).")
                 .arg(none ? Language::translate("Session", "none was found (DISPLAY is not set)")
                           : Language::translate("Session", "the display could not be reached"));
}

namespace {

QtMessageHandler previous = nullptr;

struct Held
{
    QtMsgType type;
    QString category;
    QString text;
};
QList<Held> held;

void guard(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(noDisplayMessage()));
        std::fflush(stderr);
        ::_exit(1);
    }
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    if (category.startsWith(QLatin1String("qt.qpa"))) {
        held.append({type, category, text});
        return;
    }
    previous(type, context, text);
}

} // namespace

DisplayGuard::DisplayGuard()
{
    held.clear();
    previous = qInstallMessageHandler(guard);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previous);
    for (const Held &h : std::as_const(held)) {
        const QByteArray category = h.category.toLatin1();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        previous(h.type, context, h.text);
    }
    held.clear();
}

} // namespace Session
