// Linked into every test program: before main() it gives the program a home
// and XDG folders of its own in a temporary folder, removed at its end, so
// nothing a test does (a receipt kept beside a server store, a file dialog's
// history) lands in the home of whoever runs the tests. Programs a test
// starts inherit them with the environment; a test program started by a
// test keeps its parent's, which outlives it even when it is killed.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

class TestHome final
{
public:
    TestHome()
    {
        if (!qEnvironmentVariableIsEmpty(Marker))
            return;
        m_dir.emplace(QDir::tempPath() + QStringLiteral("/videostore-test-home-XXXXXX"));
        if (!m_dir->isValid()) {
            std::fprintf(stderr, "cannot make a temporary home for the test: %s\n",
                         qPrintable(m_dir->errorString()));
            std::abort();
        }
        qputenv(Marker, QFile::encodeName(m_dir->path()));
        use("HOME", {});
        use("XDG_CONFIG_HOME", QStringLiteral(".config"));
        use("XDG_DATA_HOME", QStringLiteral(".local/share"));
        use("XDG_STATE_HOME", QStringLiteral(".local/state"));
        use("XDG_CACHE_HOME", QStringLiteral(".cache"));
        // Qt refuses a runtime folder that others may enter.
        use("XDG_RUNTIME_DIR", QStringLiteral("runtime"));
        QFile::setPermissions(m_dir->filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The programs a test starts speak English whatever the machine's
        // language; a test of the language choice sets its own.
        qputenv("LANGUAGE", "en");
    }

private:
    static constexpr const char *Marker = "VIDEOSTORE_TEST_HOME";

    void use(const char *variable, const QString &folder)
    {
        const QString path = folder.isEmpty() ? m_dir->path() : m_dir->filePath(folder);
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    }

    std::optional<QTemporaryDir> m_dir;
};

const TestHome home;

} // namespace
