#include "OutcomeList.h"

#include <QApplication>
#include <QStyle>

namespace {

// Enough for one customer's pile of tapes; older outcomes are dropped.
constexpr int Kept = 50;

} // namespace

OutcomeList::OutcomeList(QWidget *parent, const char *name)
    : QListWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    // Never takes the focus: the scanning box keeps it.
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::NoSelection);
    // A long message wraps rather than losing its end.
    setWordWrap(true);
    setResizeMode(QListView::Adjust);
    setToolTip(tr("What the last tapes and items typed or scanned did, newest first."));
    const int icon = fontMetrics().height();
    setIconSize(QSize(icon, icon));
    const int line = icon + 4;
    setFixedHeight(line * Visible + 2 * frameWidth() + 4);
}

void OutcomeList::add(const QString &text, bool refused, const QString &about)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (!about.isEmpty())
        shown.prepend(about + QStringLiteral(": "));
    auto *item = new QListWidgetItem(
        style()->standardIcon(refused ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation), shown);
    if (refused) {
        item->setForeground(QColor(0xB0, 0x00, 0x00));
        QFont bold = font();
        bold.setBold(true);
        item->setFont(bold);
    }
    item->setToolTip(shown);
    insertItem(0, item);
    while (count() > Kept)
        delete takeItem(count() - 1);
    scrollToTop();
}

QStringList OutcomeList::lines() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}
