#pragma once

#include <QListWidget>

// The outcomes of a window's scans (a tape returned, a charge made, a tape
// refused), newest first, shown in the window itself so that nothing takes
// the keyboard from the box a scanner types into. A refusal is marked.
class OutcomeList final : public QListWidget
{
    Q_OBJECT

public:
    explicit OutcomeList(QWidget *parent, const char *name);

    // `about` names what the outcome is about ("Tape 99"); it leads the line.
    void add(const QString &text, bool refused, const QString &about = {});
    // Every line, newest first, as shown.
    QStringList lines() const;
    // How many lines show at once.
    static constexpr int Visible = 3;
};
