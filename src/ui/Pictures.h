#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

// The program's own pictures, drawn rather than loaded so they never come
// out blank whatever theme or platform the program runs on.
namespace Pictures {

// The 150 x 50 store logo.
QPixmap logo();
// `Image1`: a label holding the logo, as every window shows it.
QLabel *makeImage1(QWidget *parent);
// The program's icon, `size` pixels square: the logo's colours and film
// strip around the Videos tape.
QPixmap appPicture(int size);
// The icon at the sizes a desktop asks for.
QIcon appIcon();
// A 32 x 32 toolbar picture for a main-menu toolbar key ("Videos", ...);
// "Hold" marks a tape to put aside.
QPixmap toolbarPicture(const QString &key);

} // namespace Pictures
