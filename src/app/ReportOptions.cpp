#include "ReportOptions.h"

#include "reports/ReportCommandLine.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace ReportOptions {

bool wanted(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--report") || !std::strncmp(argv[i], "--report=", 9) ||
            !std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h"))
            return true;
    return false;
}

int run(const QStringList &arguments, const QString &defaultStore)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Video Store. With --report, writes one report to a file and exits, without "
                       "windows and without the authorization code."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption store(QStringLiteral("store"), QStringLiteral("The store file to use."),
                                   QStringLiteral("FILE"), defaultStore);
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("Write a report: all-movies, movies-by-type, customer-list, customers-by-date, "
                       "rental-revenue or daily-sales."),
        QStringLiteral("NAME"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Write the report as a PDF file."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption csv(QStringLiteral("csv"), QStringLiteral("Write the report's rows as a CSV file."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption genre(QStringLiteral("genre"),
                                   QStringLiteral("movies-by-type: the genre, 1 to 5 or its name."),
                                   QStringLiteral("N|NAME"));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("customers-by-date: the first day."),
                                  QStringLiteral("yyyy-MM-dd"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("customers-by-date: the last day."),
                                QStringLiteral("yyyy-MM-dd"));
    parser.addOptions({help, store, report, pdf, csv, genre, from, to});
    if (!parser.parse(arguments)) {
        err << parser.errorText() << Qt::endl;
        return 1;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        out.flush();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first()) << Qt::endl;
        return 1;
    }
    ReportRequest request{parser.value(store), parser.value(report), parser.value(pdf), parser.value(csv),
                          parser.value(genre), parser.value(from),   parser.value(to)};
    return runReportCommand(request, out, err);
}

} // namespace ReportOptions
