#pragma once

#include <QFileIconProvider>
#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

// Every file dialog the program shows is made here, by one rule: a dialog
// never opens the files it lists. Qt's own dialog runs in this process and,
// to give each file it shows an icon and a type, opens and reads it. Closing
// that descriptor drops every lock this process holds on the file, so a
// dialog that merely shows the store's folder takes the store's locks from
// under the program's own connections; the next program that closes the
// store then takes itself for the last one and deletes the store's working
// files while this one still writes to them. So each dialog here gets an
// icon provider that decides by the name alone, is always Qt's own dialog
// (a desktop's dialog may run in this process and read files its own way),
// and a save dialog starts away from the store's folder.
namespace FileDialogs {

// Icons and type names from a file's name and kind (file or folder) alone.
class NameOnlyIconProvider final : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
};

// The provider every dialog uses; it lives as long as the program, as a
// dialog's file lister may still be at work on its own thread.
NameOnlyIconProvider &iconProvider();

// A save dialog by the rule: `suggestedName` offered in the user's
// Documents folder (else the home folder), never in the folder of the store
// at `storePath`; an existing file is replaced only once the user says so.
std::unique_ptr<QFileDialog> saveDialog(QWidget *parent, const QString &title, const QString &suggestedName,
                                        const QString &filter, const QString &storePath);

// The folder a save dialog starts in.
QString startFolder(const QString &storePath);

} // namespace FileDialogs
