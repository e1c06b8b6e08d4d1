#include "QtWindowSystem.h"

#include "FileDialogs.h"
#include "ReceiptFile.h"
#include "WindowPlace.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QPrintDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The context of these texts in translations/ui_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(WindowSystem)
};

QString shown(const QString &text)
{
    QString s = text;
    return s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString titleOr(const QString &title)
{
    return title.isEmpty() ? WindowSystem::applicationTitle() : title;
}

// A box is made wide enough for its whole title beside the title bar's
// buttons: a short prompt would otherwise leave the title cut.
void fitTitle(QMessageBox &box)
{
    const int wanted = WindowPlace::titleWidth(box.windowTitle());
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

} // namespace

Answer QtWindowSystem::msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title,
                              std::optional<Answer> byDefault)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(titleOr(title));
    box.setText(shown(prompt));
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    if (byDefault) {
        static const QMessageBox::StandardButton standard[] = {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes,
                                                               QMessageBox::No, QMessageBox::Retry};
        box.setDefaultButton(standard[static_cast<int>(*byDefault)]);
    }
    fitTitle(box);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Ok: return Answer::Ok;
    default:
        // Esc or the close box: the box's way out.
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

void QtWindowSystem::notice(const QString &prompt, const QString &title)
{
    auto *box = new QMessageBox(QMessageBox::Warning, titleOr(title), shown(prompt), QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    fitTitle(*box);
    box->show();
}

QString QtWindowSystem::inputBox(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOr(title), shown(prompt),
                                               QLineEdit::Normal, defaultAnswer, &ok);
    return ok ? text : QString();
}

QString QtWindowSystem::passwordBox(const QString &prompt, const QString &title)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titleOr(title), shown(prompt),
                                               QLineEdit::Password, QString(), &ok);
    return ok ? text : QString();
}

bool QtWindowSystem::choosePrinter(QPrinter &printer, int lastPage)
{
    // Printing to a file is left out: its file chooser is one Qt makes
    // itself, outside the rule in FileDialogs, and it writes straight over
    // whatever file is named. Save as PDF does the same job safely.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        msgBox(Text::tr("No printer is available. Set up a printer, or save the report as a PDF file, and try "
                        "again."),
               Buttons::Ok, Icon::Exclamation, Text::tr("Print"));
        return false;
    }
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setMinMax(1, lastPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

QString QtWindowSystem::saveFileName(const QString &title, const QString &suggestedName, const QString &filter)
{
    const auto dialog = FileDialogs::saveDialog(QApplication::activeWindow(), title, suggestedName, filter, storePath());
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return dialog->selectedFiles().value(0);
}

void QtWindowSystem::beep()
{
    QApplication::beep();
}

bool QtWindowSystem::hasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool QtWindowSystem::sendPagesToPrinter(const PrintPages &pages)
{
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(applicationTitle());
    return ReceiptFile::drawPages(printer, pages);
}

bool QtWindowSystem::sendToPrinter(const QImage &image)
{
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(applicationTitle());
    return ReceiptFile::drawPage(printer, image);
}
