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

    // `about` names what the outcome is about ("Tape 99"); it leads the line,
    // below any pinned lines.
    void add(const QString &text, bool refused, const QString &about = {});
    // Something the clerk must do (a tape to put aside): a line with its own
    // picture and colour, kept at the top until unpin().
    void addPinned(const QString &text, const QString &about = {});
    // The pinned lines stay as they are, but later outcomes go above them.
    void unpin();
    bool isPinned(int row) const;
    // Every line, newest first, as shown.
    QStringList lines() const;
    // How many lines show at once.
    static constexpr int Visible = 3;
};
