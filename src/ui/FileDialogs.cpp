#include "FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

#include <sys/stat.h>

namespace FileDialogs {

namespace {

// The context of these texts in translations/ui_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FileDialogs)
};

bool sameFolder(const QString &a, const QString &b)
{
    struct stat x, y;
    return ::stat(QFile::encodeName(a).constData(), &x) == 0 && ::stat(QFile::encodeName(b).constData(), &y) == 0
           && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

} // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    // The kind comes from the folder listing the dialog reads anyway.
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    if (info.isRoot())
        return Text::tr("Drive");
    if (info.isDir())
        return Text::tr("Folder");
    // By the name's pattern only: asked about the file itself, the database
    // would read its first bytes.
    static const QMimeDatabase mimes;
    const QList<QMimeType> byName = mimes.mimeTypesForFileName(info.fileName());
    if (!byName.isEmpty() && !byName.first().comment().isEmpty())
        return byName.first().comment();
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? Text::tr("File") : Text::tr("%1 File").arg(suffix.toUpper());
}

NameOnlyIconProvider &iconProvider()
{
    static auto *provider = new NameOnlyIconProvider;
    return *provider;
}

QString startFolder(const QString &storePath)
{
    const QString storeFolder = QFileInfo(storePath).absolutePath();
    for (const QString &folder : {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath(),
                                  QDir::rootPath()})
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && (storePath.isEmpty() || !sameFolder(folder, storeFolder)))
            return folder;
    return QDir::rootPath();
}

std::unique_ptr<QFileDialog> saveDialog(QWidget *parent, const QString &title, const QString &suggestedName,
                                        const QString &filter, const QString &storePath)
{
    // Qt's dialog starts listing the folder it is made with at once, with
    // its own provider: the root folder holds no files of the store's.
    auto dialog = std::make_unique<QFileDialog>(parent, title, QDir::rootPath());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setIconProvider(&iconProvider());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(filter);
    dialog->setDirectory(startFolder(storePath));
    dialog->selectFile(suggestedName);
    return dialog;
}

} // namespace FileDialogs
