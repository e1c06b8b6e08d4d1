#pragma once

#include "ui/Form.h"

#include <QList>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class WindowRegistry;

// Asks for a genre and shows the movies of that genre.
class frmMovieByType final : public Form
{
    Q_OBJECT

public:
    explicit frmMovieByType(WindowRegistry &windows);
    Q_DISABLE_COPY_MOVE(frmMovieByType)

    // "1" to "5" once a genre has been chosen; empty until then.
    const QString &genre() const { return m_genre; }

    QLabel *Label1, *Image1;
    QGroupBox *Frame1;
    QList<QRadioButton *> MyOpt;
    QPushButton *Command1, *cmdReturn;

    void MyOpt_Click(int index);
    void Command1_Click();
    void cmdReturn_Click();

protected:
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowRegistry &m_windows;
    QString m_genre;
};
