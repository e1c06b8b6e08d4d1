#include "data/Identifier.h"
#include "data/Language.h"
#include "data/Money.h"
#include "counter/CheckoutMoney.h"
#include "data/Pricing.h"
#include "data/StoreDate.h"

#include <QTest>

#include <limits>

// Amounts are given as unit counts (ten-thousandths) so no expectation leans
// on the parser under test.
class tst_Money : public QObject
{
    Q_OBJECT

private slots:
    void textsRefusedAndAccepted() // amounts are accepted in format()
    {
        for (const char *bad : {"", "abc", "1,23", "--1", "$", "1.2.3", "12,34.5", "1.2x5"})
            QVERIFY2(!Money::parse(QString::fromLatin1(bad)) && !Money::finerThanCents(QString::fromLatin1(bad)), bad);
        // What is typed is what is written: a fraction of a cent is refused,
        // not rounded away behind the clerk's back.
        for (const char *fine : {"1,000.005", "0.001", "2.500", "-3.981", "$24.9999"}) {
            QVERIFY2(!Money::parse(QString::fromLatin1(fine)) && !Money::overLimit(QString::fromLatin1(fine)), fine);
            QVERIFY(Money::parseProblem(QString::fromLatin1(fine)).contains(u"more than two decimals"));
        }
        QCOMPARE(Money::parse(u".5")->units(), 5000);
        for (const char *bad : {"2026-02-30", "03/01/2026", "2026-3-1", "", "2026-03-01x", "2026-13-01", "2100-02-29"})
            QVERIFY2(!StoreDate::parse(QString::fromLatin1(bad)), bad);
        QVERIFY(!StoreDate::parse(QString::fromUtf8("２０２６-03-01")));
        for (const char *bad : {"", "abc", "-1", "1.5", "2147483648", "21474836470", "+5"})
            QVERIFY2(!Identifier::parse(QString::fromLatin1(bad)), bad);

        for (const QDate day : {QDate(2026, 3, 1), QDate(2024, 2, 29)})
            QCOMPARE(StoreDate::parse(StoreDate::toText(day)), std::optional<QDate>(day));
        const std::pair<const char *, qint32> ids[] = {{"0", 0}, {"2147483647", 2147483647}, {" 42 ", 42}};
        for (const auto &[text, id] : ids)
            QCOMPARE(Identifier::parse(QString::fromLatin1(text)), std::optional<qint32>(id));
    }

    void format_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("cents");
        QTest::newRow("thousands") << 12345600LL << "$1,234.56" << "1234.56" << "1234.56";
        QTest::newRow("millions") << 12345678901LL << "$1,234,567.89" << "1234567.8901" << "1234567.89";
        QTest::newRow("negative") << -39800LL << "-$3.98" << "-3.98" << "-3.98";
        QTest::newRow("zero") << 0LL << "$0.00" << "0" << "0.00";
        QTest::newRow("one decimal") << 45000LL << "$4.50" << "4.5" << "4.50";
        // Half a cent goes to the even cent, both ways and for negatives.
        QTest::newRow("0.125 down to even") << 1250LL << "$0.12" << "0.125" << "0.12";
        QTest::newRow("0.135 up to even") << 1350LL << "$0.14" << "0.135" << "0.14";
        QTest::newRow("0.0050 to zero") << 50LL << "$0.00" << "0.005" << "0.00";
        QTest::newRow("-0.125 to even") << -1250LL << "-$0.12" << "-0.125" << "-0.12";
        QTest::newRow("tiny negative shows no sign") << -40LL << "$0.00" << "-0.004" << "0.00";
    }
    void format()
    {
        QFETCH(qint64, units);
        QFETCH(QString, currency);
        QFETCH(QString, plain);
        QFETCH(QString, cents);
        QCOMPARE(Money::fromUnits(units).toCurrency(), currency);
        QCOMPARE(Money::fromUnits(units).toPlain(), plain);
        QCOMPARE(Money::fromUnits(units).toPlainCents(), cents);
        if (units % 100 == 0) { // whole cents read back exactly in every form
            QCOMPARE(Money::parse(plain)->units(), units);
            QCOMPARE(Money::parse(cents)->units(), units);
            QCOMPARE(Money::parse(currency)->units(), units);
        } else { // finer amounts are never taken as typed
            QVERIFY(!Money::parse(plain) && Money::finerThanCents(plain));
        }
    }

    // Shown in French with no-break blanks; files get the English form.
    void frenchForms_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("cents");
        QTest::newRow("thousands") << 12345600LL << QStringLiteral("1\u00a0234,56\u00a0$") << "1234,56" << "1234,56";
        QTest::newRow("millions") << 12345678900LL << QStringLiteral("1\u00a0234\u00a0567,89\u00a0$") << "1234567,89"
                                  << "1234567,89";
        QTest::newRow("negative") << -39800LL << QStringLiteral("-3,98\u00a0$") << "-3,98" << "-3,98";
        QTest::newRow("one decimal") << 45000LL << QStringLiteral("4,50\u00a0$") << "4,5" << "4,50";
    }
    void frenchForms()
    {
        QFETCH(qint64, units);
        QFETCH(QString, currency);
        QFETCH(QString, plain);
        QFETCH(QString, cents);
        const Money m = Money::fromUnits(units);
        const QString english[] = {m.toCurrency(), m.toPlain(), m.toPlainCents()};
        const Language::Scope french(Language::French);
        QCOMPARE(m.toCurrency(), currency);
        QCOMPARE(m.toPlain(), plain);
        QCOMPARE(m.toPlainCents(), cents);
        QCOMPARE(m.toCurrency(Money::Untranslated), english[0]);
        QCOMPARE(m.toPlain(Money::Untranslated), english[1]);
        QCOMPARE(m.toPlainCents(Money::Untranslated), english[2]);
        for (const QString &shown : {currency, plain, cents})
            QCOMPARE(Money::parse(shown)->units(), units);
    }

    // A clerk in French types a comma or a point, and blanks between thousands.
    void frenchTyped()
    {
        const Language::Scope french(Language::French);
        const std::pair<const char *, qint64> taken[] = {
            {"3,99", 39900}, {"3.99", 39900}, {"1 234,56", 12345600}, {"1 234,56 $", 12345600}, {"-0,5", -5000}};
        for (const auto &[typed, units] : taken)
            QCOMPARE(Money::parse(QString::fromUtf8(typed))->units(), units);
        for (const char *refused : {"1,234.56", "12 34", "3,99,1", "1 2345,00"})
            QVERIFY2(!Money::parse(QString::fromUtf8(refused)), refused);
        QVERIFY(Money::finerThanCents(u"3,999"));
    }

    void taxes_data()
    {
        QTest::addColumn<qint64>("subtotal"); // in cents; the taxes in plain form
        QTest::addColumn<QString>("gst");
        QTest::addColumn<QString>("pst");
        QTest::addColumn<QString>("total");
        QTest::newRow("one rental 4.99") << 499LL << "0.35" << "0.4" << "5.74";
        QTest::newRow("GST 0.035 up to even") << 50LL << "0.04" << "0.04" << "0.58";
        QTest::newRow("GST 0.105 down to even") << 150LL << "0.1" << "0.12" << "1.72";
        // The total is the parts as shown: 0.80, though 115 % of 0.69 is 0.7935.
        QTest::newRow("total of the parts, not 115 %") << 69LL << "0.05" << "0.06" << "0.8";
        // 33.22 + 2.33 + 2.66; 115 % of 33.22 rounds to 38.20.
        QTest::newRow("a receipt adds up to the cent") << 3322LL << "2.33" << "2.66" << "38.21";
    }
    void taxes()
    {
        QFETCH(qint64, subtotal);
        QFETCH(QString, gst);
        QFETCH(QString, pst);
        QFETCH(QString, total);
        const CheckoutMoney bill = CheckoutMoney::forSubtotal(Money::fromCents(subtotal), Pricing::starting().taxes);
        QCOMPARE(bill.gst.toPlain(), gst);
        QCOMPARE(bill.pst.toPlain(), pst);
        QCOMPARE(bill.total.toPlain(), total);
    }

    void limitsOfAmountsAndDates()
    {
        // Typed amounts stop at $100,000,000; past it the reason is the size.
        QCOMPARE(Money::parse(u"100000000")->units(), Money::limit().units());
        QCOMPARE(Money::parse(u"-$100,000,000.00")->units(), -Money::limit().units());
        for (const char *big : {"100000000.01", "1844674407371056", "922337203685478", "99999999999999999999999"}) {
            QVERIFY2(!Money::parse(QString::fromLatin1(big)) && Money::overLimit(QString::fromLatin1(big)), big);
            QVERIFY(Money::parseProblem(QString::fromLatin1(big)).contains(QStringLiteral("$100,000,000.00")));
        }
        QVERIFY(!Money::overLimit(u"12x") && Money::parseProblem(u"12x").contains(u"not an amount"));

        // Arithmetic past the range is an error, never a wrapped amount.
        const Money top = Money::fromUnits(std::numeric_limits<qint64>::max());
        QVERIFY(!top.plus(Money::fromUnits(1)) && !(-top).minus(Money::fromUnits(2)) && !top.times(2));
        QVERIFY(!Money::fromCents(1).times(std::numeric_limits<qint64>::min()));
        QVERIFY_THROWS_EXCEPTION(MoneyOverflow, top + Money::fromUnits(1));
        QVERIFY_THROWS_EXCEPTION(MoneyOverflow, Money::fromCents(499) * (std::numeric_limits<qint64>::max() / 1000));
        const auto &taxes = Pricing::starting().taxes;
        QVERIFY_THROWS_EXCEPTION(MoneyOverflow, CheckoutMoney::forSubtotal(top, taxes));
        // A subtotal of $8 × 10^12 once came to a negative total.
        QCOMPARE(CheckoutMoney::forSubtotal(Money::fromUnits(80000000000000000LL), taxes).total.toPlain(),
                 QStringLiteral("9200000000000"));

        // Years 1900 to 9998, so that a due date computed from the last day still reads back.
        QVERIFY(StoreDate::parse(u"1900-01-01") && StoreDate::parse(u"9998-12-31"));
        for (const char *out : {"1899-12-31", "0001-01-01", "9999-12-31"}) {
            QVERIFY2(!StoreDate::parse(QString::fromLatin1(out)), out);
            QVERIFY(StoreDate::invalidMessage(QString::fromLatin1(out)).contains(u"from 1900-01-01 to 9998-12-31"));
        }
        const QDate due = QDate(9998, 12, 31).addDays(Pricing::LongestPeriod);
        QCOMPARE(StoreDate::readStored(StoreDate::toText(due)), std::optional<QDate>(due));

        // Numbers read by value, leading zeros or not.
        for (const char *seven : {"7", "0000000007", "00000000007", "000000000000000000007"})
            QCOMPARE(Identifier::parse(QString::fromLatin1(seven)), std::optional<qint32>(7));
        QCOMPARE(Identifier::parse(u"0002147483647"), std::optional<qint32>(2147483647));
        QVERIFY(!Identifier::parse(u"0002147483648"));
    }
};

QTEST_APPLESS_MAIN(tst_Money)
#include "tst_Money.moc"
