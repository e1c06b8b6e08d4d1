#pragma once

#include "ReportDocument.h"
#include "ReportLayout.h"

#include <QPointer>
#include <QVariantList>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class WindowSystem;

// The page on screen, at the preview's zoom.
class ReportPageView final : public QWidget
{
    Q_OBJECT

public:
    explicit ReportPageView(QWidget *parent = nullptr);
    void setPage(ReportDocument *document, int page, double scale);
    double scale() const { return m_scale; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ReportDocument *m_document = nullptr;
    int m_page = 0;
    double m_scale = 1;
};

// A report's preview window: one page at a time, page navigation, zoom,
// Print through the print dialog, Save as PDF and Save as CSV. It stands
// beside the main menu; closing it lets go of the report's rows.
class ReportPreview final : public QWidget
{
    Q_OBJECT

public:
    explicit ReportPreview(WindowSystem &ws);
    ~ReportPreview() override;

    // Runs the report's command and shows its first page. On a database
    // failure the user is told and false comes back.
    bool load(ReportId id, const QString &storePath, const QVariantList &parameters = {});
    // The window the report was asked from: it takes the keyboard back
    // when the preview closes.
    void setOpener(QWidget *opener) { m_opener = opener; }

    ReportDocument *document() const { return m_document.get(); }
    int page() const { return m_page; }
    void showPage(int page);
    bool busy() const { return m_busy; }

    QPushButton *cmdFirst = nullptr;
    QPushButton *cmdPrev = nullptr;
    QLineEdit *txtPage = nullptr;
    QLabel *lblPages = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdLast = nullptr;
    QComboBox *cmbZoom = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdPdf = nullptr;
    QPushButton *cmdCsv = nullptr;
    QPushButton *cmdClose = nullptr;
    QScrollArea *scrPage = nullptr;
    ReportPageView *picPage = nullptr;

public slots:
    void cmdPrint_Click();
    void cmdPdf_Click();
    void cmdCsv_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void txtPage_Return();
    void applyZoom();
    void release();
    // Runs a job page by page under a progress dialog that can cancel it.
    ReportDocument::Outcome withProgress(const QString &what, int total,
                                         const std::function<ReportDocument::Outcome(const ReportDocument::Progress &)> &job);
    // The file to save to, or empty when there is nothing to save or the user cancels.
    QString chooseFile(const QString &kind, const QString &extension);
    void showFailure(const QString &what, const QString &detail);

    WindowSystem &m_ws;
    QPointer<QWidget> m_opener;
    ReportId m_id = ReportId::AllMovies;
    std::unique_ptr<ReportStore> m_store;
    std::unique_ptr<ReportDocument> m_document;
    int m_page = 0;
    bool m_busy = false;
};
