#include "frmLabels.h"

#include "data/Identifier.h"
#include "data/StoreDate.h"
#include "ui/Controls.h"
#include "ui/Messages.h"
#include "ui/WindowContext.h"
#include "ui/WindowSystem.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Controls;

frmLabels::frmLabels(WindowContext &windows)
    : m_windows(windows)
    , m_store(windows.storePath())
{
    setObjectName(QStringLiteral("frmLabels"));
    setWindowTitle(tr("Print Labels"));
    auto *layout = new QVBoxLayout(this);

    fraWhich = named(new QGroupBox(tr("Labels for"), this), "fraWhich");
    auto *which = new QGridLayout(fraWhich);
    optTitle = named(new QRadioButton(fraWhich), "optTitle");
    optRange = named(new QRadioButton(tr("&Tapes"), fraWhich), "optRange");
    txtFrom = edit(fraWhich, "txtFrom");
    lblTo = label(fraWhich, "lblTo", tr("t&o"));
    txtTo = edit(fraWhich, "txtTo");
    lblTo->setBuddy(txtTo);
    optToday = named(new QRadioButton(fraWhich), "optToday");
    which->addWidget(optTitle, 0, 0, 1, 4);
    which->addWidget(optRange, 1, 0);
    which->addWidget(txtFrom, 1, 1);
    which->addWidget(lblTo, 1, 2);
    which->addWidget(txtTo, 1, 3);
    which->addWidget(optToday, 2, 0, 1, 4);
    layout->addWidget(fraWhich);

    auto *paper = new QGridLayout;
    lblSheet = label(this, "lblSheet", tr("&Sheet:"));
    cmbSheet = named(new QComboBox(this), "cmbSheet");
    for (const LabelSheet &s : LabelSheet::all())
        cmbSheet->addItem(s.description(), s.key);
    addRow(paper, 0, lblSheet, cmbSheet);
    lblStart = label(this, "lblStart", tr("Start at &label:"));
    spnStart = named(new QSpinBox(this), "spnStart");
    spnStart->setMinimum(1);
    addRow(paper, 1, lblStart, spnStart);
    lblOrder = label(this, "lblOrder", tr("Label 1 is the top left one; labels go across, then down."));
    paper->addWidget(lblOrder, 2, 1);
    layout->addLayout(paper);

    cmdPdf = button(this, "cmdPdf", tr("Save as P&DF..."));
    cmdPrint = button(this, "cmdPrint", tr("&Print..."));
    cmdClose = button(this, "cmdClose", tr("Close"));
    auto *commands = new QHBoxLayout;
    commands->addStretch();
    for (QPushButton *b : {cmdPdf, cmdPrint, cmdClose})
        commands->addWidget(b);
    layout->addLayout(commands);
    setDefaultButton(cmdPrint);
    setCancelButton(cmdClose);
    tabOrder({optTitle, optRange, txtFrom, txtTo, optToday, cmbSheet, spnStart, cmdPdf, cmdPrint, cmdClose});

    // Typing a tape number chooses the range.
    for (QLineEdit *box : {txtFrom, txtTo})
        connect(box, &QLineEdit::textEdited, optRange, [this] { optRange->setChecked(true); });
    connect(cmbSheet, &QComboBox::currentIndexChanged, this, &frmLabels::sheetChanged);
    connect(cmdPdf, &QPushButton::clicked, this, &frmLabels::cmdPdf_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLabels::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmLabels::reject);
    optRange->setChecked(true);
    sheetChanged();
}

const LabelSheet &frmLabels::sheet() const
{
    const LabelSheet *s = LabelSheet::named(cmbSheet->currentData().toString());
    return s ? *s : LabelSheet::all().constFirst();
}

void frmLabels::sheetChanged()
{
    spnStart->setMaximum(sheet().perSheet());
}

void frmLabels::nextStart(int used)
{
    // The next labels go on where these leave off.
    spnStart->setValue((spnStart->value() - 1 + used) % sheet().perSheet() + 1);
}

void frmLabels::offer(std::optional<qint32> movieNum, const QString &title)
{
    m_movieNum = movieNum;
    // An "&" in the title shows as itself, not as an access key.
    QString shown = title;
    shown.replace(u'&', QStringLiteral("&&"));
    optTitle->setText(movieNum ? tr("&Copies of %1").arg(shown) : tr("&Copies of the listed title"));
    optTitle->setEnabled(movieNum.has_value());
    if (movieNum)
        optTitle->setChecked(true);
    else if (optTitle->isChecked())
        optRange->setChecked(true);
    optToday->setText(tr("Tapes &added today, %1").arg(StoreDate::toText(m_windows.today())));
    m_windows.ws().showModal(*this);
}

void frmLabels::refuse(const QString &why)
{
    m_windows.ws().msgBox(why, Buttons::Ok, Icon::Exclamation, windowTitle());
}

std::optional<frmLabels::Chosen> frmLabels::chosenRange()
{
    WindowSystem &ws = m_windows.ws();
    const auto first = Identifier::parse(txtFrom->text());
    if (!first) {
        showInvalidNumber(ws, tr("first tape number"), txtFrom->text());
        txtFrom->setFocus();
        return std::nullopt;
    }
    // One tape when the last is left empty.
    const auto last = txtTo->text().trimmed().isEmpty() ? first : Identifier::parse(txtTo->text());
    if (!last) {
        showInvalidNumber(ws, tr("last tape number"), txtTo->text());
        txtTo->setFocus();
        return std::nullopt;
    }
    if (const QString why = Labels::rangeRefusal(*first, *last); !why.isEmpty()) {
        refuse(why);
        return std::nullopt;
    }
    const auto range = m_store.range(*first, *last);
    if (!range) {
        showDbError(ws, m_store.lastError());
        return std::nullopt;
    }
    if (const QString why = Labels::rangeRefusal(*range); !why.isEmpty()) {
        refuse(why);
        return std::nullopt;
    }
    return Chosen{range->labels, QStringLiteral("tape-labels-%1-%2").arg(*first).arg(*last), Labels::leftOut(*range)};
}

std::optional<frmLabels::Chosen> frmLabels::chosen()
{
    if (optRange->isChecked())
        return chosenRange();
    const bool title = optTitle->isChecked() && m_movieNum;
    const auto labels = title ? m_store.ofTitle(*m_movieNum) : m_store.addedOn(m_windows.today());
    if (!labels) {
        showDbError(m_windows.ws(), m_store.lastError());
        return std::nullopt;
    }
    if (labels->isEmpty()) {
        refuse(title ? tr("The title has no tapes to label.") : tr("No tapes have been added today."));
        return std::nullopt;
    }
    return Chosen{*labels, title ? QStringLiteral("tape-labels-title-%1").arg(*m_movieNum)
                                 : QStringLiteral("tape-labels-%1").arg(StoreDate::toText(m_windows.today())),
                  {}};
}

std::optional<PrintPages> frmLabels::pages(const Chosen &chosen)
{
    const auto language = m_store.documentLanguage();
    if (!language) {
        showDbError(m_windows.ws(), m_store.lastError());
        return std::nullopt;
    }
    return Labels::tapeSheets(sheet(), spnStart->value(), chosen.labels, *language);
}

void frmLabels::cmdPdf_Click()
{
    const auto labels = chosen();
    const auto pages = labels ? this->pages(*labels) : std::nullopt;
    if (!pages)
        return;
    WindowSystem &ws = m_windows.ws();
    const QString file = ws.saveFileName(tr("Save the labels"), labels->name + QStringLiteral(".pdf"),
                                         tr("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    QString error;
    if (!Labels::writePdf(*pages, file,
                          {m_windows.storePath()}, tr("Tape labels"), &error)) {
        refuse(error);
        return;
    }
    const int sheets = Labels::sheetsFor(sheet(), spnStart->value(), int(labels->labels.size()));
    QString done = tr("The labels were written to %1.\r\nLabels: %2. Sheets: %3.")
                       .arg(QDir::toNativeSeparators(file))
                       .arg(labels->labels.size())
                       .arg(sheets);
    if (!labels->leftOut.isEmpty())
        done += QStringLiteral("\r\n") + labels->leftOut;
    ws.msgBox(done, Buttons::Ok, Icon::Information, windowTitle());
    nextStart(int(labels->labels.size()));
    accept();
}

void frmLabels::cmdPrint_Click()
{
    const auto labels = chosen();
    const auto pages = labels ? this->pages(*labels) : std::nullopt;
    if (!pages)
        return;
    switch (Labels::print(m_windows.ws(), *pages, tr("Tape labels"))) {
    case Labels::Printed::Cancelled:
        return;
    case Labels::Printed::Failed:
        refuse(tr("The labels could not be printed. Check the printer and try again."));
        return;
    case Labels::Printed::Done:
        break;
    }
    if (!labels->leftOut.isEmpty())
        m_windows.ws().msgBox(labels->leftOut, Buttons::Ok, Icon::Information, windowTitle());
    nextStart(int(labels->labels.size()));
    accept();
}
