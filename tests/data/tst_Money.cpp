#include "data/Identifier.h"
#include "data/Money.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"

#include <QTest>

char *toString(const Money &m)
{
    return QTest::toString(m.toPlain());
}

// Amounts are given as unit counts (ten-thousandths) so no expectation leans
// on the parser under test.
class tst_Money : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("units");
        for (const char *bad : {"", "abc", "1.23456", "1,23", "--1", "$", "1.2.3", "12,34.5"})
            QTest::addRow("refuses '%s'", bad) << bad << false << 0LL;
        QTest::newRow("whole dollars") << "12" << true << 120000LL;
        QTest::newRow("one decimal") << "12.5" << true << 125000LL;
        QTest::newRow("negative") << "-3.98" << true << -39800LL;
        QTest::newRow("negative with symbol") << "-$3.98" << true << -39800LL;
        QTest::newRow("symbol and thousands") << "$1,234.56" << true << 12345600LL;
        QTest::newRow("four decimals exact") << "1234567.8901" << true << 12345678901LL;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(qint64, units);
        const std::optional<Money> m = Money::parse(text);
        QCOMPARE(m.has_value(), accepted);
        if (accepted)
            QCOMPARE(m->units(), units);
    }

    void format_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("plain");
        QTest::newRow("thousands") << 12345600LL << "$1,234.56" << "1234.56";
        QTest::newRow("millions") << 12345678901LL << "$1,234,567.89" << "1234567.8901";
        QTest::newRow("negative") << -39800LL << "-$3.98" << "-3.98";
        QTest::newRow("zero") << 0LL << "$0.00" << "0";
        QTest::newRow("cents") << 29900LL << "$2.99" << "2.99";
        QTest::newRow("one decimal") << 45000LL << "$4.50" << "4.5";
        QTest::newRow("whole") << 250000LL << "$25.00" << "25";
        QTest::newRow("trailing zero dropped") << 125000LL << "$12.50" << "12.5";
        // Half a cent goes to the even cent, both ways and for negatives.
        QTest::newRow("0.125 down to even") << 1250LL << "$0.12" << "0.125";
        QTest::newRow("0.135 up to even") << 1350LL << "$0.14" << "0.135";
        QTest::newRow("0.0050 to zero") << 50LL << "$0.00" << "0.005";
        QTest::newRow("0.0150 up to two cents") << 150LL << "$0.02" << "0.015";
        QTest::newRow("-0.125 to even") << -1250LL << "-$0.12" << "-0.125";
        QTest::newRow("tiny negative shows no sign") << -40LL << "$0.00" << "-0.004";
    }
    void format()
    {
        QFETCH(qint64, units);
        QFETCH(QString, currency);
        QFETCH(QString, plain);
        QCOMPARE(Money::fromUnits(units).toCurrency(), currency);
        QCOMPARE(Money::fromUnits(units).toPlain(), plain);
        QCOMPARE(Money::parse(plain)->units(), units); // the plain form reads back exactly
    }

    void taxes_data()
    {
        QTest::addColumn<qint64>("subtotal"); // all in cents
        QTest::addColumn<qint64>("gst");
        QTest::addColumn<qint64>("pst");
        QTest::addColumn<qint64>("total");
        QTest::newRow("one rental 4.99") << 499LL << 35LL << 40LL << 574LL;
        QTest::newRow("ten dollars") << 1000LL << 70LL << 80LL << 1150LL;
        QTest::newRow("GST 0.035 up to even") << 50LL << 4LL << 4LL << 58LL;
        QTest::newRow("GST 0.105 down to even") << 150LL << 10LL << 12LL << 172LL;
        // The parts add up to 0.80; 115 % of 0.69 is 0.7935.
        QTest::newRow("total rounded on its own") << 69LL << 5LL << 6LL << 79LL;
    }
    void taxes()
    {
        QFETCH(qint64, subtotal);
        QFETCH(qint64, gst);
        QFETCH(qint64, pst);
        QFETCH(qint64, total);
        const Money s = Money::fromCents(subtotal);
        QCOMPARE(Pricing::gst(s), Money::fromCents(gst));
        QCOMPARE(Pricing::pst(s), Money::fromCents(pst));
        QCOMPARE(Pricing::total(s), Money::fromCents(total));
        if (subtotal == 499)
            QCOMPARE(Pricing::pst(s).toPlain(), QStringLiteral("0.4"));
    }

    void priceClass_data()
    {
        QTest::addColumn<int>("priceClass");
        QTest::addColumn<QString>("rentalFee");
        QTest::addColumn<QString>("lateFee");
        QTest::addColumn<QDate>("due");
        QTest::newRow("class 1") << 1 << "3.99" << "2.99" << QDate(2026, 3, 3);
        QTest::newRow("class 2") << 2 << "2.99" << "1.99" << QDate(2026, 3, 4);
        QTest::newRow("class 3") << 3 << "1.99" << "0.99" << QDate(2026, 3, 5);
    }
    void priceClass()
    {
        QFETCH(int, priceClass);
        QFETCH(QString, rentalFee);
        QFETCH(QString, lateFee);
        QFETCH(QDate, due);
        QCOMPARE(Pricing::rentalFee(priceClass).toPlain(), rentalFee);
        QCOMPARE(Pricing::lateFeePerDay(priceClass).toPlain(), lateFee);
        QCOMPARE(Pricing::dueDate(QDate(2026, 3, 1), priceClass), due);
    }

    void storeDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        for (const char *bad : {"2026-02-30", "03/01/2026", "2026-3-1", "", "2026-03-01x", "2026-13-01", "2100-02-29"})
            QTest::addRow("refuses '%s'", bad) << bad << QDate();
        QTest::newRow("refuses non-ASCII digits") << QString::fromUtf8("２０２６-03-01") << QDate();
        QTest::newRow("ordinary day") << "2026-03-01" << QDate(2026, 3, 1);
        QTest::newRow("leap day") << "2024-02-29" << QDate(2024, 2, 29);
    }
    void storeDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const std::optional<QDate> parsed = StoreDate::parse(text);
        QCOMPARE(parsed.value_or(QDate()), date);
        if (date.isValid())
            QCOMPARE(StoreDate::toText(date), text);
    }

    void identifier_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("value");
        for (const char *bad : {"", "abc", "-1", "1.5", "2147483648", "21474836470", "+5"})
            QTest::addRow("refuses '%s'", bad) << bad << false << 0;
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("surrounding blanks") << " 42 " << true << 42;
    }
    void identifier()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, value);
        const std::optional<qint32> id = Identifier::parse(text);
        QCOMPARE(id.has_value(), accepted);
        if (accepted)
            QCOMPARE(*id, value);
    }
};

QTEST_APPLESS_MAIN(tst_Money)
#include "tst_Money.moc"
