#pragma once

#include "stock/CatalogueStore.h"
#include "ui/Form.h"

#include <memory>
#include <optional>

class FlexGrid;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class WindowContext;
class frmRangeDialog;
class frmSaleDialog;
class frmLabels;

// Video management: the catalogue of titles in the upper half, the tape
// copies of one title in the lower half, and the range tools over those
// copies. Buttons change role with their captions while an edit is open.
class frmVidMn final : public Form
{
    Q_OBJECT

public:
    explicit frmVidMn(WindowContext &windows);
    ~frmVidMn() override;
    Q_DISABLE_COPY_MOVE(frmVidMn)

    // The genre's name; empty for a number outside 1 to 5.
    QString tName(int index) const;

    // While a title edit is open: true when it adds a title.
    bool addingMovie = false;

    QLabel *Label1, *Image1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    FlexGrid *fgMovies, *fgTapes;
    QLineEdit *txtName, *txtActor, *txtActress, *txtRating, *txtSalePrice;
    QComboBox *cmbType, *cmbPC;
    QPushButton *cmdAdd, *cmdEdit, *cmdDelete, *cmdShow, *cmdReturn;
    QFrame *Line1;
    QCheckBox *chkRent, *chkSale, *chkIn;
    QPushButton *cmdAddT, *cmdChange, *cmdDelTape, *cmdTools;
    // Barcode labels for the listed title's copies, a range or today's tapes.
    QPushButton *cmdLabels;
    QMenuBar *MenuBar;
    QMenu *mnuTools;
    QAction *mnuTool1, *mnuTool2, *mnuTool3, *mnuTool4;

    frmSaleDialog &saleDialog();
    frmRangeDialog &rangeDialog();
    frmLabels &labelsDialog();

    void fgMovies_Click();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdReturn_Click();
    void cmdShow_Click();
    void fgTapes_Click();
    void cmdAddT_Click();
    void cmdChange_Click();
    void cmdDelTape_Click();
    void cmdTools_Click();
    void cmdLabels_Click();
    void mnuTool_Click(TapeMark mark);

    static int CheckFromText(const QString &text);

protected:
    void Form_Activate() override;
    void closeBox() override { cmdReturn_Click(); }

private:
    void buildTitleHalf(QWidget *half);
    void buildTapeHalf(QWidget *half);

    void SetGridHeaders();
    void LoadMovies();
    void BeginMovieEdit();
    void EndMovieEdit();
    void ClearMovieFields();
    // The typed title, or nullopt when a field cannot be stored (the
    // manager has been told which).
    std::optional<MovieRow> StoreMovieFields();
    QStringList movieTexts(const MovieRow &m) const;
    void ShowMovieRow(int row, const MovieRow &m);
    // The title the operations act on: column 0 of the current row.
    std::optional<qint32> currentMovieNum();
    int movieRowOf(qint32 movieNum) const;
    // Tells the manager how retiring `name` ended; true when its row
    // leaves the list.
    bool retirementEnded(Outcome outcome, const QString &name, const QString &tapesOut, const QString &title);
    // The range tools' work: every listed copy whose copy number lies from
    // `first` to `last` gets `mark`, in the store and in its grid row;
    // nullopt when the store failed (the manager has been told).
    std::optional<MarkedTapes> markRange(qint32 first, qint32 last, TapeMark mark, Money price);
    // "2 tapes marked for sale at $9.50; 1 of them is out on rental to member 4".
    QString describeMarked(const MarkedTapes &marked, TapeMark mark, Money price) const;

    void ListTapes();
    void HideTapes();
    void EndTapeEdit();
    std::optional<TapeFields> StoreTapeFields();
    void ShowTapeRow(int row, qint32 videoId, qint32 copyNumber, const TapeFields &t);
    static QStringList tapeTexts(qint32 videoId, qint32 copyNumber, const TapeFields &t);
    int tapeRowOf(qint32 videoId) const;
    // Narrow number columns grow to show the longest number whole.
    void fitTapeNumbers();
    bool tapesListed() const;
    bool tapeEditOpen() const;
    bool titleEditOpen() const;

    WindowContext &m_windows;
    CatalogueStore m_store;
    std::unique_ptr<frmSaleDialog> m_saleDialog;
    std::unique_ptr<frmRangeDialog> m_rangeDialog;
    std::unique_ptr<frmLabels> m_labelsDialog;

    qint32 nextMovieNum = 1;
    qint32 nextVideoID = 1;
    qint32 nextCopyNumber = 1;
    qint32 editVideoID = 0;
    qint32 editCopyNumber = 0;
    bool editInStore = false;
    // The title a change edits, fixed when the edit opens.
    qint32 editMovieNum = 0;
    QString selMovieNum;
};
