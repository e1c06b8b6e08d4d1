#include "LineFeed.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

class LineFeedFilter final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool lineFeed = key->text() == QStringLiteral("\n")
                              || (key->key() == Qt::Key_J && key->modifiers() == Qt::ControlModifier);
        if (!lineFeed)
            return false;
        QKeyEvent asReturn(event->type(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                           key->isAutoRepeat());
        QCoreApplication::sendEvent(watched, &asReturn);
        return true;
    }
};

} // namespace

namespace LineFeed {

void endsLikeReturn(QWidget *box)
{
    static LineFeedFilter *const filter = new LineFeedFilter;
    box->installEventFilter(filter);
}

} // namespace LineFeed
