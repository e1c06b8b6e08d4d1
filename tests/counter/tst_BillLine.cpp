#include "counter/BillLine.h"
#include "counter/BillView.h"
#include "counter/CardCheck.h"

#include <QTest>

using BillLine::Kind;

class tst_BillLine : public QObject
{
    Q_OBJECT

private slots:
    void linesReadBackAsWritten_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("amount");

        const QString title = BillLine::fitTitle(QStringLiteral("A Title Much Longer Than Twenty"));
        QTest::newRow("rent, title cut to 20")
            << BillLine::rent(1234, title, *Money::parse(u"3.99")) << int(Kind::Rent) << 1234 << 0 << "3.99";
        QTest::newRow("rent, large tape number")
            << BillLine::rent(2147483647, BillLine::fitTitle(QStringLiteral("X")), *Money::parse(u"1.99"))
            << int(Kind::Rent) << 2147483647 << 0 << "1.99";
        QTest::newRow("buy, several digits each")
            << BillLine::buy(123, 45, QStringLiteral("Jumbo Popcorn Tub"), *Money::parse(u"112.5")) << int(Kind::Buy)
            << 123 << 45 << "112.5";
        QTest::newRow("buy video") << BillLine::buyVideo(QStringLiteral("88"), QStringLiteral("Night Shift"),
                                                         *Money::parse(u"24.99"))
                                   << int(Kind::BuyVideo) << 88 << 0 << "24.99";
        QTest::newRow("pay") << BillLine::pay(*Money::parse(u"5.98")) << int(Kind::Pay) << 0 << 0 << "5.98";
    }

    void linesReadBackAsWritten()
    {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QFETCH(int, id);
        QFETCH(int, quantity);
        QFETCH(QString, amount);
        const auto parsed = BillLine::parse(line);
        QVERIFY(parsed);
        QCOMPARE(int(parsed->kind), kind);
        QCOMPARE(parsed->id, id);
        QCOMPARE(parsed->quantity, quantity);
        // The checkout takes exactly the fee line's amount off the member, and
        // keeps each line's amount as charged.
        QCOMPARE(parsed->amount, *Money::parse(amount));
        QCOMPARE(BillLine::amount(line), Money::parse(amount));
    }

    // Until the number and the expiry hold, a card is refused and the box at
    // fault named; a card is good to the end of its month (March 2026 here).
    void cardsCheckedBeforeTheyAreCharged()
    {
        struct Row { const char *number, *expiry, *refusal; CardProblem::Box box; };
        using enum CardProblem::Box;
        for (const Row &r : {Row{"12/28", "", "The card number may hold only digits", Number},
                             Row{"1228", "12/28", "A card number has 13 to 19 digits, not 4.", Number},
                             Row{"4111 1111 1111 1112", "12/28", "The card number does not pass", Number},
                             Row{"4111-1111-1111-1111", "", "The card's expiry date is missing.", Expiry},
                             Row{"4111111111111111", "2028-12", "The expiry date \"2028-12\" is not MM/YY.", Expiry},
                             Row{"4111111111111111", "02/26", "The card expired at the end of 02/26.", Expiry},
                             Row{"4111 1111 1111 1111", "03/26", nullptr, Number}}) {
            const auto problem = CardCheck::card(QString::fromLatin1(r.number), QString::fromLatin1(r.expiry), true,
                                                 QDate(2026, 3, 31));
            QCOMPARE(problem.has_value(), r.refusal != nullptr);
            if (problem) {
                QVERIFY2(problem->text.startsWith(QString::fromLatin1(r.refusal)), r.number);
                QCOMPARE(problem->box, r.box);
            }
        }
    }

    void foreignLinesArePassedOver()
    {
        for (const char *line : {"", "Sell 12  Thing\t1", "Rent abc  Title\t2.99", "Buy 7  Popcorn\t2.5",
                                 "Pay  overdue fees \tabc"})
            QVERIFY2(!BillLine::parse(QString::fromLatin1(line)), line);
    }

    void totalsAndTapesOfABill()
    {
        const QStringList bill = {BillLine::rent(4, BillLine::fitTitle(QStringLiteral("Four")), Money::fromCents(399)),
                                  BillLine::buy(7, 3, QStringLiteral("Popcorn"), Money::fromCents(750)),
                                  BillLine::pay(Money::fromCents(3726)),
                                  BillLine::buyVideo(QStringLiteral("0012"), QStringLiteral("Twelve"),
                                                     Money::fromCents(999)),
                                  QStringLiteral("a note\t100")};
        // Fees handed on count with the rentals; a line the checkout passes over
        // is not charged either.
        const BillLine::Totals t = BillLine::totals(bill);
        QCOMPARE(t.sales, Money::fromCents(1749));
        QCOMPARE(t.rentals, Money::fromCents(4125));
        QCOMPARE(t.subtotal(), Money::fromCents(5874));
        // Tapes rented or sold are on the bill; an item's number is not a tape's.
        QVERIFY(BillLine::holdsTape(bill, 4) && BillLine::holdsTape(bill, 12));
        QVERIFY(!BillLine::holdsTape(bill, 7) && !BillLine::holdsTape(bill, 3));
    }

    void columnsOfEachLine()
    {
        const QString title = BillLine::fitTitle(QStringLiteral("Two  Spaces In It"));
        const struct
        {
            QString line;
            QStringList cells;
        } rows[] = {
            {BillLine::rent(1234, title, *Money::parse(u"3.99")), {"Rent", "1234", "Two  Spaces In It", "1", "3.99"}},
            {BillLine::buy(7, 12, QStringLiteral("Popcorn"), *Money::parse(u"30")),
             {"Item", "7", "Popcorn", "12", "30.00"}},
            {BillLine::buyVideo(QStringLiteral("088"), QStringLiteral("Night Shift"), *Money::parse(u"24.99")),
             {"Tape", "88", "Night Shift", "1", "24.99"}},
            {BillLine::pay(*Money::parse(u"5.98")), {"Fees", "", "overdue fees", "", "5.98"}},
            // A line the checkout passes over is shown whole, charged nothing.
            {QStringLiteral("Note\tabc"), {"", "", "Note\tabc"}},
        };
        for (const auto &row : rows)
            QCOMPARE(BillView::cells(row.line), row.cells);
    }
};

QTEST_MAIN(tst_BillLine)
#include "tst_BillLine.moc"
