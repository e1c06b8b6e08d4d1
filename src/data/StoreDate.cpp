#include "StoreDate.h"

#include <QCoreApplication>

namespace StoreDate {

QString toText(QDate date)
{
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    if (!date.isValid() || y < 1 || y > 9999)
        return date.toString(QString::fromLatin1(Format));
    // Written digit by digit: every statement carries a date or two, and the
    // general formatter goes through the locale and calendar each time.
    const char16_t text[10] = {char16_t(u'0' + y / 1000),     char16_t(u'0' + y / 100 % 10),
                               char16_t(u'0' + y / 10 % 10),  char16_t(u'0' + y % 10),
                               u'-',                          char16_t(u'0' + m / 10),
                               char16_t(u'0' + m % 10),       u'-',
                               char16_t(u'0' + d / 10),       char16_t(u'0' + d % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 10);
}

std::optional<QDate> readStored(QStringView text)
{
    const QStringView s = text.trimmed();
    if (s.size() != 10 || s[4] != u'-' || s[7] != u'-')
        return std::nullopt;
    for (qsizetype i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!s[i].isDigit() || s[i].unicode() > 127)
            return std::nullopt;
    const QDate date(s.left(4).toInt(), s.mid(5, 2).toInt(), s.mid(8, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> parse(QStringView text)
{
    const auto date = readStored(text);
    if (!date || date->year() < FirstYear || date->year() > LastYear)
        return std::nullopt;
    return date;
}

QString invalidMessage(QStringView text)
{
    if (readStored(text))
        return QCoreApplication::translate("StoreDate",
                                           "%1 is outside the dates the program keeps. Enter a date from %2 to %3.")
            .arg(text.trimmed().toString(), toText(QDate(FirstYear, 1, 1)), toText(QDate(LastYear, 12, 31)));
    return QCoreApplication::translate("StoreDate",
                                       "\"%1\" is not a date. Enter the date as year-month-day, for example %2.")
        .arg(text.toString(), toText(QDate(2026, 3, 1)));
}

} // namespace StoreDate
