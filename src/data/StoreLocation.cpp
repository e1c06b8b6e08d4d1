#include "StoreLocation.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace StoreLocation {

namespace {

const QStringList Schemes = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};

// The libpq settings an address may carry besides host, port, user and
// dbname. A password is not among them.
const QStringList Settings = {QStringLiteral("sslmode"),          QStringLiteral("sslrootcert"),
                              QStringLiteral("sslcert"),          QStringLiteral("sslkey"),
                              QStringLiteral("connect_timeout"),  QStringLiteral("application_name"),
                              QStringLiteral("target_session_attrs")};

QString decoded(QStringView part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

qsizetype schemeLength(const QString &location)
{
    for (const QString &scheme : Schemes)
        if (location.startsWith(scheme, Qt::CaseInsensitive))
            return scheme.size();
    return -1;
}

bool fail(QString *problem, const QString &why)
{
    if (problem)
        *problem = why;
    return false;
}

bool setPort(Server &server, const QString &text, QString *problem)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return fail(problem, QCoreApplication::translate("StoreLocation", "\"%1\" is not a port number.").arg(text));
    server.port = port;
    return true;
}

} // namespace

bool isServer(const QString &location)
{
    return schemeLength(location) > 0;
}

std::optional<Server> parseServer(const QString &location, QString *problem)
{
    const qsizetype start = schemeLength(location);
    if (start < 0) {
        fail(problem, QCoreApplication::translate("StoreLocation", "It does not start with postgresql://."));
        return std::nullopt;
    }
    const QString passwordAdvice = QCoreApplication::translate("StoreLocation",
                                                               "Leave the password out of the store's address: put it "
                                                               "in the file ~/.pgpass of each counter's user, or in "
                                                               "PGPASSWORD.");
    QStringView rest = QStringView(location).mid(start);
    QStringView query;
    if (const qsizetype q = rest.indexOf(u'?'); q >= 0) {
        query = rest.mid(q + 1);
        rest = rest.left(q);
    }
    QStringView authority = rest;
    QStringView path;
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        authority = rest.left(slash);
        path = rest.mid(slash + 1);
    }

    Server server;
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0) {
        const QStringView userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        if (userInfo.contains(u':')) {
            fail(problem, passwordAdvice);
            return std::nullopt;
        }
        server.user = decoded(userInfo);
    }
    // host, host:port, [v6 address]:port
    QStringView host = authority;
    QStringView port;
    if (host.startsWith(u'[')) {
        const qsizetype close = host.indexOf(u']');
        if (close < 0) {
            fail(problem, QCoreApplication::translate("StoreLocation", "Its host \"%1\" has no closing ].")
                .arg(host.toString()));
            return std::nullopt;
        }
        if (host.mid(close + 1).startsWith(u':'))
            port = host.mid(close + 2);
        host = host.mid(1, close - 1);
    } else if (const qsizetype colon = host.lastIndexOf(u':'); colon >= 0) {
        port = host.mid(colon + 1);
        host = host.left(colon);
    }
    server.host = decoded(host);
    if (!port.isEmpty() && !setPort(server, port.toString(), problem))
        return std::nullopt;
    server.database = decoded(path);

    for (const QStringView pair : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(u'=');
        const QString key = decoded(eq < 0 ? pair : pair.left(eq));
        const QString value = eq < 0 ? QString() : decoded(pair.mid(eq + 1));
        if (key == QLatin1String("password")) {
            fail(problem, passwordAdvice);
            return std::nullopt;
        }
        if (key == QLatin1String("host")) {
            server.host = value;
        } else if (key == QLatin1String("port")) {
            if (!setPort(server, value, problem))
                return std::nullopt;
        } else if (key == QLatin1String("user")) {
            server.user = value;
        } else if (key == QLatin1String("dbname")) {
            server.database = value;
        } else if (Settings.contains(key)) {
            // libpq reads blanks as separators; these settings never need one.
            if (value.isEmpty() || value.contains(QRegularExpression(QStringLiteral("[\\s'\\\\;]")))) {
                fail(problem, QCoreApplication::translate("StoreLocation", "The setting %1 has no usable value.")
                    .arg(key));
                return std::nullopt;
            }
            server.options << key + u'=' + value;
        } else {
            fail(problem, QCoreApplication::translate("StoreLocation",
                                                      "The setting \"%1\" is not one this program passes on (it takes "
                                                      "host, port, user, dbname, %2).")
                              .arg(key, Settings.join(QStringLiteral(", "))));
            return std::nullopt;
        }
    }
    if (server.host.contains(u',')) {
        fail(problem, QCoreApplication::translate("StoreLocation", "Give one host only."));
        return std::nullopt;
    }
    return server;
}

QString shown(const QString &location)
{
    const qsizetype start = schemeLength(location);
    if (start < 0)
        return location.isEmpty() ? location : QDir::toNativeSeparators(QFileInfo(location).absoluteFilePath());
    // Whatever follows "user:" up to "@" and any password= setting are left out.
    QString out = location;
    const qsizetype end = out.indexOf(u'/', start) < 0 ? out.size() : out.indexOf(u'/', start);
    const qsizetype at = out.lastIndexOf(u'@', end);
    const qsizetype colon = out.indexOf(u':', start);
    if (at > start && colon >= 0 && colon < at)
        out.replace(colon, at - colon, QStringLiteral(":..."));
    static const QRegularExpression password(QStringLiteral("([?&]password=)[^&]*"));
    out.replace(password, QStringLiteral("\\1..."));
    return out;
}

QString withUser(const QString &location, const QString &user)
{
    const qsizetype start = schemeLength(location);
    if (start < 0)
        return location;
    const qsizetype end = location.indexOf(u'/', start) < 0 ? location.size() : location.indexOf(u'/', start);
    const qsizetype at = location.lastIndexOf(u'@', end);
    const qsizetype from = at >= start ? at + 1 : start;
    return location.left(start) + QString::fromLatin1(QUrl::toPercentEncoding(user)) + u'@' + location.mid(from);
}

QString localFolder(const QString &location)
{
    if (isServer(location))
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QFileInfo(location).absolutePath();
}

QString backupsFolder(const QString &storePath)
{
    return QFileInfo(storePath).absoluteDir().filePath(QStringLiteral("backups"));
}

} // namespace StoreLocation
