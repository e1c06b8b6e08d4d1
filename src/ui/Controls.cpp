#include "Controls.h"

#include "LineFeed.h"
#include "data/Money.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Controls {

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

void commandSize(std::initializer_list<QPushButton *> buttons)
{
    for (QPushButton *b : buttons)
        b->setMinimumSize(b->sizeHint().width() + 24, 30);
}

} // namespace Controls
