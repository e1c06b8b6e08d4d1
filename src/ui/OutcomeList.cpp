#include "OutcomeList.h"

#include "Pictures.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStyle>

namespace {

// Enough for one customer's pile of tapes; older outcomes are dropped.
constexpr int Kept = 50;
constexpr int PinnedRole = Qt::UserRole + 1;

QString shownText(const QString &text, const QString &about)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (!about.isEmpty())
        //: What a notice is about ("Tape 13"), then the notice.
        shown = QCoreApplication::translate("OutcomeList", "%1: %2").arg(about, shown);
    return shown;
}

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
    const QString shown = shownText(text, about);
    auto *item = new QListWidgetItem(
        style()->standardIcon(refused ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation), shown);
    if (refused) {
        item->setForeground(QColor(0xB0, 0x00, 0x00));
        QFont bold = font();
        bold.setBold(true);
        item->setFont(bold);
    }
    item->setToolTip(shown);
    int below = 0;
    while (below < count() && isPinned(below))
        ++below;
    insertItem(below, item);
    while (count() > Kept)
        delete takeItem(count() - 1);
    scrollToTop();
}

void OutcomeList::addPinned(const QString &text, const QString &about)
{
    const QString shown = shownText(text, about);
    auto *item = new QListWidgetItem(QIcon(Pictures::toolbarPicture(QStringLiteral("Hold"))), shown);
    item->setForeground(QColor(0x70, 0x38, 0x00));
    item->setBackground(QColor(0xFF, 0xE8, 0xA8));
    QFont bold = font();
    bold.setBold(true);
    item->setFont(bold);
    item->setToolTip(shown);
    item->setData(PinnedRole, true);
    insertItem(0, item);
    scrollToTop();
}

void OutcomeList::unpin()
{
    for (int row = 0; row < count(); ++row)
        item(row)->setData(PinnedRole, false);
}

bool OutcomeList::isPinned(int row) const
{
    return item(row)->data(PinnedRole).toBool();
}

QStringList OutcomeList::lines() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}
