#include "WaitNotice.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

WaitNotice *current = nullptr;

// The window the clerk is working in.
QWidget *activeWindow()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    if (QWidget *w = QApplication::activeWindow())
        return w;
    QWidget *last = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->isMinimized())
            last = w;
    return last;
}

} // namespace

void WaitNotice::show(const QString &text)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    if (!current) {
        current = new WaitNotice;
        qApp->installEventFilter(current);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (QWidget *window = activeWindow()) {
            current->m_label = new QLabel(window);
            current->m_label->setObjectName(QStringLiteral("lblWaiting"));
            current->m_label->setAlignment(Qt::AlignCenter);
            current->m_label->setStyleSheet(QStringLiteral(
                "QLabel { background: #fff4c2; color: black; border: 2px solid #8a6d00; padding: 12px 24px; "
                "font-weight: bold; }"));
        }
    }
    if (QLabel *notice = current->m_label) {
        notice->setText(text);
        notice->adjustSize();
        const QWidget *window = notice->parentWidget();
        notice->move((window->width() - notice->width()) / 2, (window->height() - notice->height()) / 3);
        notice->show();
        notice->raise();
    }
    // Posted events and the window system's own (exposures, repaints) only.
    QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
}

void WaitNotice::end()
{
    if (!current)
        return;
    qApp->removeEventFilter(current);
    QApplication::restoreOverrideCursor();
    delete current->m_label;
    delete current;
    current = nullptr;
}

QLabel *WaitNotice::label()
{
    return current ? current->m_label.data() : nullptr;
}

bool WaitNotice::eventFilter(QObject *, QEvent *event)
{
    // Keys, clicks, the wheel and the frame's close box are dropped, not
    // kept for later: the clerk sees the window was busy.
    return event->isInputEvent() || event->type() == QEvent::Close || event->type() == QEvent::Shortcut;
}
