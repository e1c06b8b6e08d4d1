#pragma once

#include "labels/LabelStore.h"
#include "ui/Form.h"

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class WindowContext;

// Barcode labels for tapes, from Video Management: the listed title's
// copies, a range of tape numbers or the tapes added today, on a sheet of
// labels from a chosen position, saved as a PDF or printed.
class frmLabels final : public Form
{
    Q_OBJECT

public:
    explicit frmLabels(WindowContext &windows);
    Q_DISABLE_COPY_MOVE(frmLabels)

    QGroupBox *fraWhich;
    QRadioButton *optTitle, *optRange, *optToday;
    QLineEdit *txtFrom, *txtTo;
    QLabel *lblTo, *lblSheet, *lblStart, *lblOrder;
    QComboBox *cmbSheet;
    QSpinBox *spnStart;
    QPushButton *cmdPdf, *cmdPrint, *cmdClose;

    // Shows the dialog until its labels are made or it is closed; the
    // copies of `movieNum` (named `title`) may be chosen when it is given.
    void offer(std::optional<qint32> movieNum, const QString &title);

    void cmdPdf_Click();
    void cmdPrint_Click();

protected:
    void closeBox() override { done(Rejected); }

public slots:
    void reject() override { done(Rejected); }

private:
    // The labels chosen, with a name for their file; nullopt once the
    // manager has been told why there are none.
    struct Chosen
    {
        QList<TapeLabel> labels;
        QString name;
        QString leftOut; // retired tapes of a range, said once the labels are made
    };
    // The labels' pages in the store's language for printed documents;
    // nullopt once the manager has been told the store failed.
    std::optional<PrintPages> pages(const Chosen &chosen);
    std::optional<Chosen> chosen();
    std::optional<Chosen> chosenRange();
    const LabelSheet &sheet() const;
    void sheetChanged();
    // Proposes the position after the `used` labels just made.
    void nextStart(int used);
    void refuse(const QString &why);

    WindowContext &m_windows;
    LabelStore m_store;
    std::optional<qint32> m_movieNum;
};
