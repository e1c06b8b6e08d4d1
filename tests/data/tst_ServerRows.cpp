// A report's rows streamed from a server come a batch at a time: none is
// lost or repeated at a batch's edge, statements run between batches do not
// cut the stream, and a stream read to its end or left early frees its cursor.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/ServerConnection.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

class tst_ServerRows : public QObject
{
    Q_OBJECT

private slots:
    void batchesJoinUpAndNoCursorStaysOpen()
    {
        TestStore t;
        Database db(t.path());
        QVERIFY(db.beginSnapshot(u"read"_s, Database::Reading::OnePass));
        constexpr int Batch = ServerConnection::BatchRows;
        auto cursors = [&] {
            return db.scalar(u"count"_s, u"SELECT COUNT(*) FROM pg_cursors WHERE name <> ''"_s).value_or(-1).toInt();
        };
        for (const int stop : {2 * Batch + 7, Batch + 1}) {
            auto q = db.stream(u"stream"_s, u"SELECT n FROM generate_series(1, ?) AS n ORDER BY n"_s, {2 * Batch + 7});
            QVERIFY(q);
            int read = 0;
            while (read < stop && q->next()) {
                if (q->value(0).toInt() != ++read)
                    QFAIL(qPrintable(u"row %1 read as %2"_s.arg(read).arg(q->value(0).toInt())));
                // Once the statement is new, once already prepared.
                if (read % Batch == Batch - 1)
                    QCOMPARE(cursors(), 1);
            }
            QVERIFY(!q->lastError().isValid());
            QCOMPARE(read, stop);
        }
        QCOMPARE(cursors(), 0);
        db.endSnapshot();
    }
};

QTEST_MAIN(tst_ServerRows)
#include "tst_ServerRows.moc"
