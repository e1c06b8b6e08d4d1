#include "TestSupport.h"

#include "app/frmMain.h"
#include "app/frmSecur.h"
#include "circulation/frmHolds.h"
#include "circulation/frmTapesOut.h"
#include "counter/frmCheckout.h"
#include "counter/frmStoreDetails.h"
#include "reports/ReportPreview.h"
#include "reports/frmCashUp.h"
#include "reports/frmCustomersByDate.h"
#include "reports/frmDayEnd.h"
#include "reports/frmMovieByType.h"
#include "returns/frmPayment.h"
#include "returns/frmReturn.h"
#include "stock/frmInvent.h"
#include "stock/frmPrices.h"
#include "stock/frmVidMn.h"
#include "ui/WindowPlace.h"

#include <QGuiApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

class tst_WindowPlace : public QObject
{
    Q_OBJECT

private slots:
    void menuComesBackWhereItWas()
    {
        TestStore s;
        frmMain &menu = s.windows().main();
        menu.show();
        // Away from the screen's corner (the test screen is as wide as the menu).
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        menu.move(screen.left() + qMax(0, (screen.width() - menu.frameGeometry().width()) / 2), screen.top() + 40);
        const QPoint place = menu.pos();
        clickOn(*menu.cmdCheckout);
        frmCheckout &counter = s.windows().checkout();
        QVERIFY(counter.isVisible() && !menu.isVisible());
        counter.move(screen.topLeft() + QPoint(0, 30));
        clickOn(*counter.cmdReturn);
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.pos(), place);
        // Placed by the program, so the desktop keeps it there.
        QVERIFY(menu.testAttribute(Qt::WA_Moved));
        clickOn(*menu.cmdCheckout);
        QCOMPARE(counter.pos(), screen.topLeft() + QPoint(0, 30));
    }

    // A report's preview opens no taller than most of the screen, so its
    // bottom can be reached.
    void previewFitsTheScreen()
    {
        TestStore s;
        QVERIFY(s.windows().openReport(ReportId::Taxes, {u"2026-03-01"_s, u"2026-03-10"_s}));
        ReportPreview &preview = s.windows().reportPreview(ReportId::Taxes);
        QVERIFY(preview.isVisible());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(preview.height() <= screen.height() * 9 / 10, qPrintable(QString::number(preview.height())));
    }

    // On a 1024x768 screen every window opens inside it, title bar and all,
    // with room for every control.
    void everyWindowFitsASmallScreen()
    {
        TestStore s;
        WindowRegistry &r = s.windows();
        const QRect area(0, 0, 1024, 768);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 &r.main(), &r.secur(), &r.checkout(), &r.returns(), &r.payment(), &r.vidMn(), &r.invent(),
                 &r.prices(), &r.tapesOut(), &r.holds(), &r.addCustomer(), &r.modify(), &r.deleteCustomer(),
                 &r.movieByType(), &r.customersByDate(), &r.dayEnd(), &r.cashUp(), &r.storeDetails(),
                 &r.reportPreview(ReportId::AllMovies)}) {
            const QRect frame = WindowPlace::place(*w, area);
            QVERIFY2(area.contains(frame), qPrintable(u"%1: %2x%3"_s.arg(w->objectName()).arg(frame.width()).arg(frame.height())));
        }
    }

    void aWindowOffEveryScreenComesBackOnOne()
    {
        TestStore s;
        frmMain &menu = s.windows().main();
        menu.show();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QPoint away : {QPoint(screen.right() + 4000, screen.bottom() + 3000), QPoint(-5000, -200)}) {
            menu.move(away);
            menu.hide();
            menu.show();
            const QRect frame = menu.frameGeometry();
            QVERIFY2(screen.intersects(frame) && screen.contains(frame.topLeft()),
                     qPrintable(QStringLiteral("%1,%2").arg(frame.x()).arg(frame.y())));
        }
    }
};

QTEST_MAIN(tst_WindowPlace)
#include "tst_WindowPlace.moc"
