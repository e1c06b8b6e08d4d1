// Draws the program's icon into a hicolor theme folder, one PNG per size:
// videostore-icons FOLDER SIZE... writes FOLDER/<size>x<size>/apps/videostore.png.
#include "ui/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: videostore-icons FOLDER SIZE...\n";
        return 2;
    }
    for (const QString &arg : args.mid(1)) {
        bool ok = false;
        const int size = arg.toInt(&ok);
        const QString folder = QDir(args.first()).filePath(QStringLiteral("%1x%1/apps").arg(size));
        if (!ok || size < 8 || !QDir().mkpath(folder)
            || !Pictures::appPicture(size).save(folder + QStringLiteral("/videostore.png"), "PNG")) {
            err << "videostore-icons: cannot write the " << arg << " icon in " << folder << "\n";
            return 1;
        }
    }
    return 0;
}
