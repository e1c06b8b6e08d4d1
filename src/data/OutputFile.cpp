#include "OutputFile.h"

#include "StoreLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

struct Identity
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    mode_t mode = 0;

    bool sameAs(const Identity &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
};

// What the name leads to, links followed: the file anything written there
// would really reach.
Identity identityOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, st.st_dev, st.st_ino, st.st_mode};
}

} // namespace

// Buffers what is written and keeps the first failure with the system's own
// cause, which QFile would turn into a bare "write error".
class OutputFile::Device final : public QIODevice
{
public:
    explicit Device(int fd)
        : m_fd(fd)
    {
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    int failure() const { return m_failure; }

    bool writeOut()
    {
        const char *data = m_buffer.constData();
        qint64 left = m_buffer.size();
        while (left > 0 && m_failure == 0) {
            const ssize_t n = ::write(m_fd, data, size_t(left));
            if (n < 0 && errno != EINTR)
                m_failure = errno;
            if (n > 0)
                data += n, left -= n;
        }
        m_buffer.clear();
        return m_failure == 0;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_failure != 0)
            return -1;
        m_buffer.append(data, size);
        if (m_buffer.size() >= Chunk && !writeOut())
            return -1;
        return size;
    }

private:
    static constexpr qsizetype Chunk = 256 * 1024;
    int m_fd;
    int m_failure = 0;
    QByteArray m_buffer;
};

OutputFile::OutputFile(QString target, Rules rules)
    : m_target(std::move(target))
    , m_rules(std::move(rules))
{
}

OutputFile::~OutputFile()
{
    cancel();
}

QString OutputFile::writeError(int error, const QString &path)
{
    if (error == ENOSPC || error == EDQUOT)
        return QCoreApplication::translate("OutputFile", "%1 could not be written: the disk holding it is full.")
            .arg(shown(path));
    return QCoreApplication::translate("OutputFile", "%1 could not be written: %2.")
        .arg(shown(path), QString::fromLocal8Bit(std::strerror(error)));
}

int OutputFile::renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(QFileInfo(from).absoluteFilePath());
    const QByteArray target = QFile::encodeName(QFileInfo(to).absoluteFilePath());
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A file system without it still refuses a taken name to link().
    if (::link(source.constData(), target.constData()) != 0)
        return errno;
    ::unlink(source.constData());
    return 0;
}

bool OutputFile::syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot sync a folder and say so; nothing is lost then.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

QString OutputFile::refusal(const QString &target, const Rules &rules)
{
    const QFileInfo info(target);
    const Identity folder = identityOf(info.absolutePath());
    if (!folder.exists || !S_ISDIR(folder.mode))
        return QCoreApplication::translate("OutputFile", "%1 cannot be written: its folder %2 does not exist.")
            .arg(shown(target), QDir::toNativeSeparators(info.absolutePath()));
    const Identity file = identityOf(target);
    if (file.exists && !S_ISREG(file.mode))
        return QCoreApplication::translate("OutputFile",
                                           "%1 is not a plain file (it is a folder, a device or the like); nothing "
                                           "was written to it.")
            .arg(shown(target));

    if (!rules.storePath.isEmpty()) {
        const QFileInfo store(rules.storePath);
        const Identity storeFile = identityOf(rules.storePath);
        const QString ownFiles = QCoreApplication::translate("OutputFile",
                                                             "%1 is the store file or one of its own files beside it; "
                                                             "the program never writes over them. Choose another name.")
                                     .arg(shown(target));
        // The names the engine, a first start and a restore give beside the
        // store are the store's whether or not such a file is there now.
        if (folder.sameAs(identityOf(store.absolutePath()))) {
            const QString name = info.fileName();
            for (const char *suffix : {"", "-wal", "-shm", "-journal", ".new", ".restoring"})
                if (name == store.fileName() + QLatin1String(suffix))
                    return ownFiles;
            if (name.startsWith(store.fileName() + QStringLiteral(".replaced-")))
                return ownFiles;
        }
        for (const char *suffix : {"", "-wal", "-shm", "-journal"})
            if (file.sameAs(suffix[0] ? identityOf(rules.storePath + QLatin1String(suffix)) : storeFile))
                return ownFiles;
        const QString backups = StoreLocation::backupsFolder(rules.storePath);
        const QString inBackups = QCoreApplication::translate("OutputFile",
                                                              "%1 is in the store's backups folder %2, which holds "
                                                              "only the program's own copies of the store. Choose "
                                                              "another folder.")
                                      .arg(shown(target), QDir::toNativeSeparators(backups));
        if (!rules.intoBackups && folder.sameAs(identityOf(backups)))
            return inBackups;
        if (file.exists) {
            const QDir dir(backups);
            for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
                if (file.sameAs(identityOf(dir.filePath(name))))
                    return inBackups;
        }
    }
    if (file.exists && rules.existing == Existing::Keep)
        return QCoreApplication::translate("OutputFile", "%1 already exists.").arg(shown(target));
    return {};
}

bool OutputFile::fail(const QString &why)
{
    m_error = why;
    cancel();
    return false;
}

bool OutputFile::open()
{
    cancel();
    m_error.clear();
    m_written = m_nameTaken = false;
    const QString refused = refusal(m_target, m_rules);
    if (!refused.isEmpty())
        return fail(refused);
    const mode_t mode = m_rules.access == Access::OwnerOnly ? 0600 : 0666;
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temporary = QStringLiteral("%1.part-%2")
                          .arg(QFileInfo(m_target).absoluteFilePath())
                          .arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16, QLatin1Char('0'));
        m_fd = ::open(QFile::encodeName(m_temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                      mode);
        if (m_fd < 0 && errno != EEXIST) {
            const int error = errno;
            m_temporary.clear();
            return fail(writeError(error, m_target));
        }
    }
    if (m_fd < 0) {
        m_temporary.clear();
        return fail(writeError(EEXIST, m_target));
    }
    m_device = std::make_unique<Device>(m_fd);
    return true;
}

QIODevice &OutputFile::device()
{
    if (!m_device)
        m_device = std::make_unique<Device>(-1);
    return *m_device;
}

bool OutputFile::commit()
{
    if (m_temporary.isEmpty())
        return fail(m_error.isEmpty() ? writeError(EBADF, m_target) : m_error);
    if (!m_written) {
        if (m_device && (m_device->failure() != 0 || !m_device->writeOut()))
            return fail(writeError(m_device->failure(), m_target));
        // The data reaches the disk before the file takes its name: a power
        // cut leaves the older file or the new one, never an empty one.
        if (::fsync(m_fd) != 0)
            return fail(writeError(errno, m_target));
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0)
            return fail(writeError(errno, m_target));
        m_written = true;
    }
    // Checked again: the name may have been given to something else meanwhile.
    Rules now = m_rules;
    now.existing = Existing::Replace;
    const QString refused = refusal(m_target, now);
    if (!refused.isEmpty())
        return fail(refused);

    int failure = 0;
    if (m_rules.existing == Existing::Replace) {
        if (::rename(QFile::encodeName(m_temporary).constData(),
                     QFile::encodeName(QFileInfo(m_target).absoluteFilePath()).constData())
            != 0)
            failure = errno;
    } else {
        failure = renameNoReplace(m_temporary, m_target);
        if (failure == EEXIST) {
            m_nameTaken = true;
            m_error = QCoreApplication::translate("OutputFile", "%1 already exists.").arg(shown(m_target));
            return false;
        }
    }
    if (failure != 0)
        return fail(writeError(failure, m_target));
    m_temporary.clear();
    if (!syncFolder(m_target)) {
        const int error = errno;
        QFile::remove(m_target);
        return fail(writeError(error, m_target));
    }
    m_device.reset();
    return true;
}

bool OutputFile::retarget(const QString &target)
{
    m_target = target;
    m_nameTaken = false;
    const QString refused = refusal(target, m_rules);
    return refused.isEmpty() || fail(refused);
}

void OutputFile::cancel()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    m_device.reset();
    if (!m_temporary.isEmpty())
        QFile::remove(std::exchange(m_temporary, QString()));
    m_written = false;
}
