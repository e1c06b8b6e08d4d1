#pragma once

#include <QString>

#include <initializer_list>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls made as the task windows make them: named, captioned, and
// buttons that do not take Enter for themselves.
namespace Controls {

QLabel *label(QWidget *parent, const char *name, const char *caption);
QLineEdit *edit(QWidget *parent, const char *name);
QPushButton *button(QWidget *parent, const char *name, const char *caption);
// A label standing above its box, at `row` and `row + 1` of `grid`.
void labelAbove(QGridLayout *grid, int row, int column, QLabel *caption, QWidget *field);
// Tab order in the order given.
void tabOrder(std::initializer_list<QWidget *> widgets);

} // namespace Controls
