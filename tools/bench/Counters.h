#pragma once

// What the counters benchmark's program counters and its floor share: the
// shelves, the tally of each counter, and the floor's counter.

#include <QDate>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QString>

#include <functional>
#include <optional>

// The tapes on the shelves: each is scanned at one counter only, as a
// physical tape would be.
class Shelf
{
public:
    explicit Shelf(QList<qint32> tapes) : m_tapes(std::move(tapes)) {}
    std::optional<qint32> take()
    {
        const QMutexLocker lock(&m_mutex);
        if (m_tapes.isEmpty())
            return std::nullopt;
        return m_tapes.takeLast();
    }

private:
    QMutex m_mutex;
    QList<qint32> m_tapes;
};

struct Counter
{
    qint64 checkouts = 0;
    qint64 unitsSold = 0;
    qint64 errors = 0;
    QString firstError;
    bool shelvesEmpty = false;

    void shown(const QString &message)
    {
        ++errors;
        if (firstError.isEmpty())
            firstError = message;
    }
};

// Where a counter works and until when.
struct Shift
{
    QString store;
    Shelf *shelf;
    const QList<qint32> *members;
    const QList<qint32> *items;
    QDate today;
    qint64 until; // milliseconds on `clock`
    const QElapsedTimer *clock;
    // Called by each counter once its connection is open; returns when
    // every counter's is, and the clock runs.
    std::function<void()> connected;
};

// The same checkouts as a program counter makes (the member, two tapes and
// an item looked up, the price classes read, then the writes under the
// writer lock, SERIALIZABLE), as bare prepared statements on a libpq
// connection of its own: the floor of the program's protocol. A lost
// connection is made anew and counted as an error.
void floorCounter(const Shift &shift, quint32 seed, Counter &out);
// The same durable work in the fewest round trips the program's design
// allows: reads before the lock in one, the lock, prices, last numbers and
// ledger tail in one, every write in one, then the COMMIT.
void pipelinedFloorCounter(const Shift &shift, quint32 seed, Counter &out);
