#include "WindowPlace.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace {

class Keeper final : public QObject
{
public:
    explicit Keeper(QWidget &window) : QObject(&window), m_window(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_window)
            return false;
        if (event->spontaneous()) {
            // Some window managers map a window shown again somewhere of
            // their own (even at twice the place asked for): once it is on
            // screen it is put back again.
            if (event->type() == QEvent::Move && m_expected) {
                const QPoint expected = *m_expected;
                m_expected.reset();
                if (m_window.pos() != expected)
                    m_window.move(expected);
            }
            return false;
        }
        if (event->type() == QEvent::Hide)
            m_place = m_window.pos();
        else if (event->type() == QEvent::Show)
            putBack();
        return false;
    }

private:
    // Runs before the window reaches the screen, so it appears in its place
    // rather than jumping there.
    void putBack()
    {
        QRect frame = m_window.frameGeometry();
        if (m_place)
            frame.moveTopLeft(*m_place);
        QScreen *screen = QGuiApplication::screenAt(frame.center());
        if (!screen)
            screen = nearestScreen(frame.center());
        if (!screen)
            return;
        const QRect placed = WindowPlace::place(m_window, screen->availableGeometry(), m_place);
        if (m_place || placed.topLeft() != frame.topLeft()) {
            m_expected = placed.topLeft();
            // A window mapped where it was asked sends no word: a move the
            // user makes later is theirs.
            QTimer::singleShot(1000, this, [this] { m_expected.reset(); });
        }
    }

    static QScreen *nearestScreen(QPoint point)
    {
        QScreen *nearest = QGuiApplication::primaryScreen();
        qint64 best = -1;
        for (QScreen *s : QGuiApplication::screens()) {
            const QRect a = s->availableGeometry();
            const qint64 dx = qMax(0, qMax(a.left() - point.x(), point.x() - a.right()));
            const qint64 dy = qMax(0, qMax(a.top() - point.y(), point.y() - a.bottom()));
            const qint64 d = dx * dx + dy * dy;
            if (best < 0 || d < best) {
                best = d;
                nearest = s;
            }
        }
        return nearest;
    }

    QWidget &m_window;
    std::optional<QPoint> m_place;
    // Where the window was put as it was shown, until the window manager
    // says where it mapped it.
    std::optional<QPoint> m_expected;
};

} // namespace

namespace WindowPlace {

void keep(QWidget &window)
{
    window.installEventFilter(new Keeper(window));
}

QSize atMost(QSize wanted, int percent)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return wanted;
    const QSize area = screen->availableGeometry().size();
    return wanted.boundedTo(QSize(area.width() * percent / 100, area.height() * percent / 100));
}

int titleWidth(const QString &title)
{
    // Title bars mostly set their text in bold.
    QFont bold = QGuiApplication::font();
    bold.setBold(true);
    const QString name = QGuiApplication::applicationDisplayName();
    const QString shown = name.isEmpty() || title.isEmpty() ? title + name : title + QStringLiteral(" \u2014 ") + name;
    return QFontMetrics(bold).horizontalAdvance(shown) + 160;
}

QRect place(QWidget &window, const QRect &area, std::optional<QPoint> at)
{
    QMargins frame(window.geometry().left() - window.frameGeometry().left(),
                   window.geometry().top() - window.frameGeometry().top(),
                   window.frameGeometry().right() - window.geometry().right(),
                   window.frameGeometry().bottom() - window.geometry().bottom());
    // Until a window has been shown the desktop has not said how large its
    // frame is: room is kept for a title bar and borders, and a move then
    // places the window's inside, not its frame.
    const bool frameUnknown = frame.isNull();
    if (frameUnknown)
        frame = QMargins(4, 30, 4, 4);
    const QSize room = area.size().shrunkBy(frame);
    // A window never sized by the program opens at the size it asks for.
    QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    if (!wanted.isValid())
        wanted = window.size();
    const QSize size = wanted.expandedTo(QSize(titleWidth(window.windowTitle()), 0))
                           .boundedTo(room)
                           .expandedTo(window.minimumSizeHint())
                           .expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    // A window shown for the first time stands in the middle of the area:
    // left to the desktop (or to a dialog's own centring), a window nearly
    // as tall as the screen gets its title bar pushed above it.
    const QSize whole = window.size().grownBy(frame);
    const QPoint from = at ? *at
                        : window.testAttribute(Qt::WA_Moved)
                            ? window.pos()
                            : area.topLeft() + QPoint((area.width() - whole.width()) / 2, (area.height() - whole.height()) / 2);
    const QRect placed = within(QRect(from, whole), area);
    // Not moved when already there: a move of a hidden window is where
    // some window managers go wrong.
    const QPoint to = placed.topLeft() + (frameUnknown && !at ? QPoint(frame.left(), frame.top()) : QPoint());
    if (to != window.pos() || !window.testAttribute(Qt::WA_Moved))
        window.move(to);
    return placed;
}

QRect within(QRect frame, const QRect &area)
{
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    return frame;
}

} // namespace WindowPlace
