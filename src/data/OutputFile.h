#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <utility>

class QIODevice;

// Every file the program writes for its user (a report, a receipt, a copy of
// the store) is made here: under a temporary name beside its own, every
// write checked, synced to the disk, and only then given its name, so a
// failed write never leaves a file that looks whole. It never writes over
// the store, the engine's working files beside it, a copy in its backups
// folder or anything that is not a plain file; those are told by device and
// inode, so another name for the same file does not get past.
class OutputFile final
{
public:
    // An older file of the same name: replaced, or kept and the write refused.
    enum class Existing { Replace, Keep };
    // As the user's umask allows, or the owner's alone (names, addresses,
    // card numbers).
    enum class Access { Everyone, OwnerOnly };

    struct Rules
    {
        QString storePath; // the store whose files are kept safe; empty for none
        Existing existing = Existing::Replace;
        Access access = Access::Everyone;
        bool intoBackups = false; // a new copy may go into the store's backups folder
    };

    OutputFile(QString target, Rules rules);
    // Takes the temporary file away when it was not committed.
    ~OutputFile();
    Q_DISABLE_COPY_MOVE(OutputFile)

    // Checks the target and makes the temporary file; false with error() set.
    bool open();
    // Where to write: buffered, the first failure kept with its cause.
    QIODevice &device();
    // The temporary file, for a writer that opens it by name (the engine).
    QString temporaryPath() const { return m_temporary; }
    // Writes out what is buffered, syncs it to the disk and gives the file its
    // name; false with error() set and nothing under that name. Under
    // Existing::Keep a name taken meanwhile sets nameTaken() instead, and the
    // written file waits for retarget() and another commit().
    bool commit();
    bool nameTaken() const { return m_nameTaken; }
    bool retarget(const QString &target);
    // Drops the temporary file; the target is left as it was.
    void cancel();

    const QString &target() const { return m_target; }
    const QString &error() const { return m_error; }

    // Why `target` may not be written under `rules`, in the user's words;
    // empty when it may.
    static QString refusal(const QString &target, const Rules &rules);
    // A system error while writing `path`: a full disk named as such.
    static QString writeError(int error, const QString &path);
    // Gives `from` the name `to` unless `to` exists; 0, or the system's
    // error (EEXIST when the name is taken).
    static int renameNoReplace(const QString &from, const QString &to);
    // Syncs the folder holding `path`, so a name given in it survives a
    // power cut.
    static bool syncFolder(const QString &path);

private:
    class Device;

    bool fail(const QString &why);

    QString m_target;
    Rules m_rules;
    QString m_temporary;
    int m_fd = -1;
    std::unique_ptr<Device> m_device;
    QString m_error;
    bool m_written = false;
    bool m_nameTaken = false;
};
