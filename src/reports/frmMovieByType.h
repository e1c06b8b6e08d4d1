#pragma once

#include "reports/ReportLayout.h"
#include "ui/Form.h"

#include <QList>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class WindowContext;

// Asks for a genre and shows the movies of that genre.
class frmMovieByType final : public Form
{
    Q_OBJECT

public:
    explicit frmMovieByType(WindowContext &windows);
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

signals:
    // The report to show with its parameters; whoever owns the report
    // windows shows it.
    void reportWanted(ReportId id, const QVariantList &parameters);

protected:
    void closeBox() override { cmdReturn_Click(); }

private:
    WindowContext &m_windows;
    QString m_genre;
};
