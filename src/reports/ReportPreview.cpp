#include "ReportPreview.h"

#include "ReportCsv.h"
#include "ui/Controls.h"
#include "ui/LineFeed.h"
#include "ui/Messages.h"
#include "ui/WindowPlace.h"
#include "ui/WindowSystem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const char *const ZoomTexts[] = {QT_TRANSLATE_NOOP("ReportPreview", "Page width"),
                                 QT_TRANSLATE_NOOP("ReportPreview", "Whole page")};
constexpr int ZoomPercents[] = {50, 75, 100, 150, 200};
constexpr int PageWidthZoom = 0;
constexpr int WholePageZoom = 1;

} // namespace

ReportPageView::ReportPageView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picPage"));
}

void ReportPageView::setPage(ReportDocument *document, int page, double scale)
{
    m_document = document;
    m_page = page;
    m_scale = scale;
    setFixedSize(qRound(ReportDocument::PaperWidth * scale), qRound(ReportDocument::PaperHeight * scale));
    update();
}

void ReportPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_document)
        return;
    painter.scale(m_scale, m_scale);
    if (!m_document->paintPage(painter, m_page)) {
        painter.resetTransform();
        painter.drawText(rect(), Qt::AlignCenter,
                         tr("This page could not be read from the store database."));
    }
}

ReportPreview::ReportPreview(WindowSystem &ws)
    : QWidget(nullptr, Qt::Window)
    , m_ws(ws)
{
    WindowPlace::keep(*this);
    auto *top = new QHBoxLayout;
    top->setSpacing(6);
    cmdFirst = Controls::button(this, "cmdFirst", QStringLiteral("|<"), tr("First page"));
    cmdPrev = Controls::button(this, "cmdPrev", QStringLiteral("<"), tr("Previous page"));
    txtPage = new QLineEdit(this);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    LineFeed::endsLikeReturn(txtPage);
    txtPage->setValidator(new QIntValidator(1, 1 << 30, txtPage));
    txtPage->setFixedWidth(70);
    txtPage->setAlignment(Qt::AlignRight);
    lblPages = new QLabel(this);
    lblPages->setObjectName(QStringLiteral("lblPages"));
    cmdNext = Controls::button(this, "cmdNext", QStringLiteral(">"), tr("Next page"));
    cmdLast = Controls::button(this, "cmdLast", QStringLiteral(">|"), tr("Last page"));
    for (QPushButton *b : {cmdFirst, cmdPrev, cmdNext, cmdLast})
        b->setFixedWidth(36);
    cmbZoom = new QComboBox(this);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    for (const char *z : ZoomTexts)
        cmbZoom->addItem(tr(z));
    for (int percent : ZoomPercents)
        //: A zoom of the page, as 50% or 200%.
        cmbZoom->addItem(tr("%1%").arg(percent), percent);
    cmbZoom->setToolTip(tr("Zoom"));
    cmdPrint = Controls::button(this, "cmdPrint", tr("&Print..."), tr("Print the report"));
    cmdPdf = Controls::button(this, "cmdPdf", tr("Save as P&DF..."), tr("Save the report as a PDF file"));
    cmdCsv = Controls::button(this, "cmdCsv", tr("Save as &CSV..."), tr("Save the report's rows for a spreadsheet"));
    cmdClose = Controls::button(this, "cmdClose", tr("Close"));

    top->addWidget(cmdFirst);
    top->addWidget(cmdPrev);
    top->addWidget(txtPage);
    top->addWidget(lblPages);
    top->addWidget(cmdNext);
    top->addWidget(cmdLast);
    top->addSpacing(12);
    top->addWidget(cmbZoom);
    top->addStretch();
    top->addWidget(cmdPrint);
    top->addWidget(cmdPdf);
    top->addWidget(cmdCsv);
    top->addWidget(cmdClose);

    scrPage = new QScrollArea(this);
    scrPage->setObjectName(QStringLiteral("scrPage"));
    scrPage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scrPage->setBackgroundRole(QPalette::Dark);
    picPage = new ReportPageView;
    scrPage->setWidget(picPage);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(scrPage, 1);
    resize(WindowPlace::atMost(QSize(900, 980), 90));

    connect(cmdFirst, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(cmdPrev, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(cmdLast, &QPushButton::clicked, this, [this] {
        if (m_document)
            showPage(m_document->pageCount() - 1);
    });
    connect(txtPage, &QLineEdit::returnPressed, this, &ReportPreview::txtPage_Return);
    connect(cmbZoom, &QComboBox::currentIndexChanged, this, &ReportPreview::applyZoom);
    connect(cmdPrint, &QPushButton::clicked, this, &ReportPreview::cmdPrint_Click);
    connect(cmdPdf, &QPushButton::clicked, this, &ReportPreview::cmdPdf_Click);
    connect(cmdCsv, &QPushButton::clicked, this, &ReportPreview::cmdCsv_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ReportPreview::close);
}

ReportPreview::~ReportPreview() = default;

bool ReportPreview::load(ReportId id, const QString &storePath, const QVariantList &parameters)
{
    if (m_busy)
        return false;
    const ReportLayout &layout = ReportLayouts::layout(id);
    release();
    auto store = std::make_unique<ReportStore>(storePath, *layout.command, parameters);
    if (!store->open()) {
        showDbError(m_ws, store->lastError());
        return false;
    }
    m_id = id;
    m_store = std::move(store);
    m_document = std::make_unique<ReportDocument>(layout, *m_store);
    setObjectName(layout.name);
    setWindowTitle(layout.captionFor(parameters));
    m_page = -1;
    showPage(0);
    return true;
}

void ReportPreview::release()
{
    picPage->setPage(nullptr, 0, picPage->scale());
    m_document.reset();
    m_store.reset();
}

void ReportPreview::showPage(int page)
{
    if (!m_document)
        return;
    const int count = m_document->pageCount();
    page = std::clamp(page, 0, count - 1);
    const bool moved = page != m_page;
    m_page = page;
    txtPage->setText(QString::number(page + 1));
    //: After the page number box: "of 20" pages.
    lblPages->setText(tr("of %1").arg(count));
    cmdFirst->setEnabled(page > 0);
    cmdPrev->setEnabled(page > 0);
    cmdNext->setEnabled(page + 1 < count);
    cmdLast->setEnabled(page + 1 < count);
    applyZoom();
    if (moved)
        scrPage->verticalScrollBar()->setValue(0);
}

void ReportPreview::txtPage_Return()
{
    bool ok = false;
    const int typed = txtPage->text().toInt(&ok);
    showPage(ok ? typed - 1 : m_page);
}

void ReportPreview::applyZoom()
{
    const double perTwip = logicalDpiX() / 1440.0;
    // Room beside the vertical scroll bar, which a page always needs.
    const QSize room = scrPage->size() - QSize(scrPage->verticalScrollBar()->sizeHint().width() + 8, 8);
    double scale = perTwip;
    switch (cmbZoom->currentIndex()) {
    case PageWidthZoom: scale = double(room.width()) / ReportDocument::PaperWidth; break;
    case WholePageZoom:
        scale = std::min(double(room.width()) / ReportDocument::PaperWidth,
                         double(room.height()) / ReportDocument::PaperHeight);
        break;
    default: scale = perTwip * cmbZoom->currentData().toInt() / 100; break;
    }
    picPage->setPage(m_document.get(), m_page, std::max(scale, 0.01));
}

void ReportPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (cmbZoom->currentIndex() <= WholePageZoom)
        applyZoom();
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown: showPage(m_page + 1); break;
    case Qt::Key_PageUp: showPage(m_page - 1); break;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier)
            showPage(0);
        break;
    case Qt::Key_End:
        if (m_document && (event->modifiers() & Qt::ControlModifier))
            showPage(m_document->pageCount() - 1);
        break;
    case Qt::Key_Escape: close(); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void ReportPreview::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    // The window goes, and with it the report's hold on the store.
    release();
    hide();
    event->accept();
    if (m_opener && m_opener->isVisible()) {
        m_opener->raise();
        m_opener->activateWindow();
    }
}

ReportDocument::Outcome ReportPreview::withProgress(const QString &what, int total,
                                                   const std::function<ReportDocument::Outcome(
                                                       const ReportDocument::Progress &)> &job)
{
    QProgressDialog dialog(what.arg(0).arg(total), tr("Cancel"), 0, total, this);
    dialog.setObjectName(QStringLiteral("dlgProgress"));
    dialog.setWindowTitle(windowTitle());
    // Nothing else may touch the report while it is being written.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(400);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    m_busy = true;
    const auto outcome = job([&dialog, what](int done, int all) {
        dialog.setValue(done);
        dialog.setLabelText(what.arg(done).arg(all));
        QCoreApplication::processEvents();
        return !dialog.wasCanceled();
    });
    m_busy = false;
    showPage(m_page);
    return outcome;
}

QString ReportPreview::chooseFile(const QString &kind, const QString &extension)
{
    if (!m_document || m_busy)
        return {};
    return m_ws.saveFileName(tr("Save as %1").arg(kind),
                             m_document->layout().title(m_store->parameters()) + u'.' + extension,
                             tr("%1 files (*.%2)").arg(kind, extension));
}

void ReportPreview::showFailure(const QString &what, const QString &detail)
{
    m_ws.msgBox(what + QStringLiteral("\r\n\r\n") + detail, Buttons::Ok, Icon::Exclamation, windowTitle());
}

void ReportPreview::cmdPrint_Click()
{
    if (!m_document || m_busy)
        return;
    QPrinter printer(QPrinter::HighResolution);
    m_document->preparePrinter(printer);
    if (!m_ws.choosePrinter(printer, m_document->pageCount()))
        return;
    int from = 0, to = m_document->pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage() - 1;
        to = std::max(from, printer.toPage() - 1);
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        from = to = m_page;
    }
    const auto outcome = withProgress(tr("Printing page %1 of %2"), to - from + 1, [&](const auto &progress) {
        return m_document->render(printer, from, to, progress);
    });
    if (outcome == ReportDocument::Outcome::Failed)
        showFailure(tr("The report could not be printed."), m_store->lastError().detail);
}

void ReportPreview::cmdPdf_Click()
{
    const QString path = chooseFile(QStringLiteral("PDF"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString error;
    const auto outcome = withProgress(tr("Writing page %1 of %2"), m_document->pageCount(),
                                      [&](const auto &progress) { return m_document->writePdf(path, progress, &error); });
    if (outcome == ReportDocument::Outcome::Failed)
        showFailure(tr("The report could not be saved as %1.").arg(path), error);
}

void ReportPreview::cmdCsv_Click()
{
    const QString path = chooseFile(QStringLiteral("CSV"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    m_busy = true;
    QString error;
    const bool ok = ReportCsv::write(m_document->layout(), *m_store, path, &error);
    m_busy = false;
    if (!ok)
        showFailure(tr("The report could not be saved as %1.").arg(path), error);
}
