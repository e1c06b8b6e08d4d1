#pragma once

// The sample writer's invented history: the rows of each table it fills and
// the History that makes them, day by day. For the sample writer's own files.

#include "SampleStore.h"
#include "SampleWords.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

class QSqlDatabase;

namespace SampleStore {

constexpr int Never = 1 << 29;
// The latest a returned tape comes back after its rental day: four days'
// loan and a month late. Retirements wait for such tapes.
constexpr int LongestLoan = 4 + 30;

// splitmix64: the same sequence on every platform and Qt version, which
// QRandomGenerator's bounded() does not promise.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(qint64 n) { return n <= 0 ? 0 : int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(qint64(hi) - lo + 1); }
    bool percent(int p) { return below(100) < p; }
    QString word(SampleWords::Words words) { return QString::fromLatin1(words[below(qint64(words.size()))]); }

private:
    quint64 m_state;
};

// One slot's share of what is left, jittered around the mean but never so
// far that the remaining slots cannot take the rest.
int share(Random &rng, qint64 left, qint64 places, int lo, int hi);
// Arrival day of the i-th of n things when `head` percent are there at the
// start and the rest come evenly, in number order.
int arrival(int i, int n, int head, int days);

struct Member
{
    QString last, first, address, city, postal, home, cell, bus, licence;
    QString others[3];
    QString visa, visaExp, masterCard, mcExp, sears, searsExp;
    qint64 fees = 0;
    int joinDay = 0;
    int retireDay = Never;
    bool household = false;
};

struct Title
{
    QString name, actor, actress, rating;
    int genre = 1;
    int priceClass = 2;
    int addedDay = 0;
    int retireDay = Never;
};

struct Tape
{
    int title = 0; // index into titles
    int copy = 1;
    bool forRent = true;
    bool forSale = false;
    qint64 price = 0;
    int addedDay = 0;
    int retireDay = Never;
    int backDay = 0; // first day it stands on the shelf again
    int soldDay = Never;
};

struct Item
{
    QString name;
    qint64 price = 0;
    int quantity = 0;
    int retireDay = Never;
};

struct Rental
{
    int id, member, tape, day, due;
    bool open;
};

struct Receipt
{
    int id, day, customer;
};

struct Line
{
    int receipt, item, quantity;
};

struct Sale
{
    int receipt, tape;
};

struct Shape
{
    Counts counts;
    bool demo = false;
    int joinedAtStart = 100; // percent of members and titles there on the first day
    int forSalePercent = 30;
    int cardPercent = 35;
    int feesPercent = 12;
};

class History
{
public:
    explicit History(const Shape &shape);

    QString writeTo(const QSqlDatabase &db) const;
    // The ledger entries of the history's checkouts and sales, into the
    // store file at `path` once its tables are written.
    QString writeLedger(const QString &path) const;
    void summarise(Summary &s) const;

private:
    std::vector<int> distinct(int n, int k);
    std::vector<int> spread(int total) const;
    std::vector<int> knownBy(const std::vector<int> &arrivals) const;
    void makeMembers();
    void makeCards(Member &m);
    QString titleName(int genre, QSet<QString> &used);
    void makeTitles();
    void makeTapes();
    void makeItems();
    void simulate();
    int pickMember(int day, int mustStayPast);
    int pickRentalTape(int day, const std::vector<int> &chosen);
    int pickSaleTape(int day);
    int returnDay(int day, int due, int priceClass, bool mayBeLost);
    int checkout(int day, int tapes);
    bool sell(int day, bool withTape, int lines);

    Shape m_shape;
    int m_days;
    int m_today;
    QDate m_first;
    Random m_rng;
    QStringList m_dayText;

    std::vector<Member> m_members; // index = member number; 0 is the walk-in the schema writes
    std::vector<Title> m_titles;
    std::vector<Tape> m_tapes;
    std::vector<Item> m_items;
    std::vector<Rental> m_rentals;
    std::vector<Receipt> m_receipts;
    std::vector<Line> m_lines;
    std::vector<Sale> m_sales;
    std::vector<int> m_membersBy, m_tapesBy; // how many have arrived by each day
    std::vector<int> m_salePool;
    int m_checkouts = 0;
};

} // namespace SampleStore
