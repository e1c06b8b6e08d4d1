#include "Controls.h"

#include "LineFeed.h"
#include "data/Money.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Controls {

namespace {

// A read-only box shows what nobody types: Tab goes by it, whenever it
// becomes one.
class ReadOnlySkipsTab final : public QObject
{
public:
    explicit ReadOnlySkipsTab(QLineEdit *box) : QObject(box) { follow(box); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ReadOnlyChange)
            follow(static_cast<QLineEdit *>(watched));
        return false;
    }

private:
    static void follow(QLineEdit *box) { box->setFocusPolicy(box->isReadOnly() ? Qt::ClickFocus : Qt::StrongFocus); }
};

class ArrowsChoose final : public QObject
{
public:
    explicit ArrowsChoose(QButtonGroup *group) : QObject(group), m_group(group)
    {
        for (QAbstractButton *option : group->buttons())
            option->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                         : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                     : 0;
        if (step == 0)
            return false;
        const QList<QAbstractButton *> options = m_group->buttons();
        const qsizetype from = options.indexOf(static_cast<QAbstractButton *>(watched));
        // The next option that can be chosen; none past either end.
        for (qsizetype i = from + step; i >= 0 && i < options.size(); i += step) {
            QAbstractButton *next = options.at(i);
            if (!next->isEnabled() || !next->isVisible())
                continue;
            next->click();
            next->setFocus(Qt::TabFocusReason);
            break;
        }
        return true;
    }

private:
    QButtonGroup *m_group;
};

} // namespace

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QLabel(caption, parent), name);
}

QLabel *label(QWidget *parent, const char *name, const char *caption)
{
    return label(parent, name, QString::fromUtf8(caption));
}

QLabel *heading(QWidget *parent, const char *name, const char *caption)
{
    return heading(parent, name, QString::fromUtf8(caption));
}

QLabel *heading(QWidget *parent, const char *name, const QString &caption)
{
    QLabel *l = label(parent, name, caption);
    QFont big = l->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    l->setFont(big);
    return l;
}

QLineEdit *edit(QWidget *parent, const char *name, bool readOnly)
{
    auto *e = named(new QLineEdit(parent), name);
    e->setReadOnly(readOnly);
    e->installEventFilter(new ReadOnlySkipsTab(e));
    LineFeed::endsLikeReturn(e);
    return e;
}

QLineEdit *moneyEdit(QWidget *parent, const char *name)
{
    QLineEdit *e = edit(parent, name);
    showsMoney(e);
    return e;
}

void showsMoney(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::editingFinished, box, [box] {
        const QString typed = box->text().trimmed();
        if (const auto amount = Money::parse(typed); amount && !typed.isEmpty()) {
            const QString shown = amount->toPlainCents();
            if (shown != box->text())
                box->setText(shown);
        }
    });
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &toolTip)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

QPushButton *button(QWidget *parent, const char *name, const char *caption, const char *toolTip)
{
    return button(parent, name, QString::fromUtf8(caption), toolTip ? QString::fromUtf8(toolTip) : QString());
}

QCheckBox *check(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QCheckBox(caption, parent), name);
}

QCheckBox *check(QWidget *parent, const char *name, const char *caption)
{
    return check(parent, name, QString::fromUtf8(caption));
}

void addRow(QGridLayout *grid, int row, QLabel *caption, QWidget *field)
{
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
}

void labelAbove(QGridLayout *grid, int row, int column, QLabel *caption, QWidget *field)
{
    caption->setBuddy(field);
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row + 1, column);
}

void tabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void arrowsChoose(QButtonGroup *group)
{
    new ArrowsChoose(group);
}

void commandSize(std::initializer_list<QPushButton *> buttons)
{
    for (QPushButton *b : buttons)
        b->setMinimumSize(b->sizeHint().width() + 24, 30);
}

} // namespace Controls
