// A report's rows streamed from a server come a batch at a time: none is
// lost or repeated at a batch's edge, another statement between batches
// does not cut the stream, and a stream left early frees its cursor.
#include "TestSupport.h"

#include "data/Database.h"
#include "data/ServerConnection.h"

#include <QSqlQuery>

class tst_ServerRows : public QObject
{
    Q_OBJECT

private slots:
    void batchesJoinUpAndAStreamLeftEarlyIsClosed()
    {
        TestStore t;
        Database db(t.path());
        QVERIFY(db.beginSnapshot(QStringLiteral("read"), Database::Reading::OnePass));
        const int rows = 2 * ServerConnection::BatchRows + 7;
        const QString series = QStringLiteral("SELECT n, 'row ' || n FROM generate_series(1, ?) AS n ORDER BY n");
        const QString open = QStringLiteral("SELECT COUNT(*) FROM pg_cursors WHERE name <> ''");
        {
            auto q = db.stream(QStringLiteral("stream"), series, {rows});
            QVERIFY(q);
            int read = 0;
            while (q->next()) {
                ++read;
                if (q->value(0).toInt() != read || q->value(1).toString() != QStringLiteral("row %1").arg(read))
                    QFAIL(qPrintable(QStringLiteral("row %1 read as %2").arg(read).arg(q->value(0).toInt())));
                // Statements of their own while the next batch is on its way,
                // the second one already prepared.
                if (read == ServerConnection::BatchRows - 1 || read == 2 * ServerConnection::BatchRows - 1)
                    QCOMPARE(db.scalar(QStringLiteral("count"), open).value_or(-1).toInt(), 1);
            }
            QVERIFY(!q->lastError().isValid());
            QCOMPARE(read, rows);
        }
        {
            auto q = db.stream(QStringLiteral("stream"), series, {rows});
            QVERIFY(q);
            for (int i = 0; i < ServerConnection::BatchRows + 1; ++i)
                QVERIFY(q->next());
        }
        // The first ran to its end, the second was left: neither stays open.
        QCOMPARE(db.scalar(QStringLiteral("count"), open).value_or(-1).toInt(), 0);
        db.endSnapshot();
    }
};

QTEST_MAIN(tst_ServerRows)
#include "tst_ServerRows.moc"
