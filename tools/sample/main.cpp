#include "SampleStore.h"

#include "data/StoreFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

int usage(const QCommandLineParser &parser, const QString &problem)
{
    QTextStream err(stderr);
    err << "videostore-sample: " << problem << "\n\n" << parser.helpText();
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The program's own names, so --store finds the file the program opens.
    app.setOrganizationName(QString());
    app.setApplicationName(QStringLiteral("videostore"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a video store file filled with invented history."));
    parser.addHelpOption();
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("demo: a small believable store; full: ten busy years."),
                                        QStringLiteral("demo|full"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QStringLiteral("Write the store to <path>."),
                                          QStringLiteral("path"));
    const QCommandLineOption storeOption(QStringLiteral("store"),
                                         QStringLiteral("Write the store where the program opens it (%1).")
                                             .arg(QDir::toNativeSeparators(StoreFile::defaultPath())));
    const QCommandLineOption forceOption(QStringLiteral("force"), QStringLiteral("Replace an existing store file."));
    parser.addOptions({sizeOption, outputOption, storeOption, forceOption});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        return usage(parser, QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    const QString sizeName = parser.value(sizeOption);
    if (sizeName != QLatin1String("demo") && sizeName != QLatin1String("full"))
        return usage(parser, QStringLiteral("--size must be demo or full"));
    if (parser.isSet(outputOption) == parser.isSet(storeOption))
        return usage(parser, QStringLiteral("give either --output PATH or --store"));
    const QString path = parser.isSet(storeOption) ? StoreFile::defaultPath() : parser.value(outputOption);
    const SampleStore::Size size = sizeName == QLatin1String("demo") ? SampleStore::Size::Demo
                                                                      : SampleStore::Size::Full;

    QTextStream out(stdout);
    QTextStream err(stderr);
    SampleStore::Summary s;
    QString error;
    if (!SampleStore::write(path, size, parser.isSet(forceOption), nullptr, &s, &error)) {
        err << "videostore-sample: " << error;
        if (error.contains(QLatin1String("already exists")))
            err << " Add --force to replace it.";
        err << "\n";
        return 1;
    }
    const SampleStore::Counts &c = s.written;
    out << QStringLiteral("Wrote the %1 store to %2: %3 members, %4 titles, %5 tapes, %6 rentals in %7 checkouts "
                          "(%8 open, %9 overdue), ")
               .arg(sizeName, QDir::toNativeSeparators(path))
               .arg(c.members)
               .arg(c.titles)
               .arg(c.tapes)
               .arg(c.rentals)
               .arg(c.checkouts)
               .arg(s.openRentals)
               .arg(s.overdueRentals)
        << QStringLiteral("%1 receipts with %2 item lines and %3 tape sales, %4 stock items, in %5 s.\n")
               .arg(c.receipts)
               .arg(c.itemLines)
               .arg(c.tapeSales)
               .arg(c.stockItems)
               .arg(s.seconds, 0, 'f', 2);
    return 0;
}
