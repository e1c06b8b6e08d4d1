#pragma once

#include <QString>

#include <initializer_list>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls made in code with their own names, as every window builds them.
namespace Controls {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Each takes its caption as a translated text, tr("&Add"), or as a plain
// one not yet translated.
QLabel *label(QWidget *parent, const char *name, const QString &caption);
QLabel *label(QWidget *parent, const char *name, const char *caption);
// A window's own heading: bold and larger than its labels.
QLabel *heading(QWidget *parent, const char *name, const QString &caption);
QLabel *heading(QWidget *parent, const char *name, const char *caption);
// A Line Feed typed in it ends an entry as Return does (see LineFeed.h).
// While read-only, Tab passes the box by (a click still selects its text).
QLineEdit *edit(QWidget *parent, const char *name, bool readOnly = false);
// A box for an amount of money, as every window makes one: an amount typed
// is shown again with its two decimals when the box is left ("20" becomes
// "20.00"); anything else stays as typed, for the window to refuse.
QLineEdit *moneyEdit(QWidget *parent, const char *name);
// The same for a box made otherwise.
void showsMoney(QLineEdit *box);
// Buttons press only on a click or as the window's default button, never
// because they hold the focus.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &toolTip = {});
QPushButton *button(QWidget *parent, const char *name, const char *caption, const char *toolTip = nullptr);
QCheckBox *check(QWidget *parent, const char *name, const QString &caption);
QCheckBox *check(QWidget *parent, const char *name, const char *caption);
// Puts a label and its box on one row of a grid; the label's access key
// leads to the box.
void addRow(QGridLayout *grid, int row, QLabel *caption, QWidget *field);
// A label standing above its box, at `row` and `row + 1` of `grid`.
void labelAbove(QGridLayout *grid, int row, int column, QLabel *caption, QWidget *field);
// Tab order in the order given.
void tabOrder(std::initializer_list<QWidget *> widgets);
// Arrow keys among `group`'s options choose as they move (the next or the
// previous, in the order added), the focus staying on the options so the
// clerk can walk through them all; Space, a click or an Alt key choose one
// and its handler may send the focus on.
void arrowsChoose(QButtonGroup *group);
// Command buttons a little wider than their captions and 30 pixels high.
void commandSize(std::initializer_list<QPushButton *> buttons);

} // namespace Controls
