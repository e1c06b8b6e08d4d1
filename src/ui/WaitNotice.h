#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;

// While the program waits for the store: a notice over the active window
// and a busy cursor. The windows go on painting, but no input, close, timer
// or socket event reaches them, so nothing can start a second statement
// while the first one waits.
class WaitNotice final : public QObject
{
public:
    // Shows `text`, or changes the text shown, and lets the windows repaint.
    static void show(const QString &text);
    // The wait is over.
    static void end();
    // The notice on screen, if any.
    static QLabel *label();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WaitNotice() = default;
    QPointer<QLabel> m_label;
};
