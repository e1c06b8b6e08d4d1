#pragma once

#include <QDateTime>
#include <QImage>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class OutcomeList;
class QDialog;
class QPainter;
class QPrinter;
class QWidget;

// A document of its own layout, drawn page by page on a printer or a PDF:
// its paper and margins, how many pages, and how each is drawn within
// `area` (the page inside its margins, in the device's units).
struct PrintPages
{
    QPageLayout layout;
    int pageCount = 1;
    std::function<void(QPainter &painter, const QRect &area, int page)> draw;
};

// The modal boxes and printing every window uses. Windows never make a
// QMessageBox themselves, so tests can answer each box from a script.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Question, Exclamation };
enum class Answer { Ok, Cancel, Yes, No, Retry };
// What an outcome told in a window was: done, refused, or done with
// something the clerk must act on (a tape to put aside), which sounds the bell.
enum class Told { Done, Refused, Attention };

class WindowSystem
{
public:
    virtual ~WindowSystem() = default;

    // A box with no title of its own shows the program's title. Enter
    // answers `byDefault` when given (No, where a slip of the keyboard must
    // not pay or drop anything), otherwise the platform's usual button.
    virtual Answer msgBox(const QString &prompt, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                          const QString &title = {}, std::optional<Answer> byDefault = std::nullopt) = 0;
    // A message that does not wait for the user: the program goes on while
    // it is on screen. Shown with an OK button and the exclamation icon.
    virtual void notice(const QString &prompt, const QString &title);
    // An outcome shown in the window itself, in its outcome list `place`,
    // without a box: it neither waits nor takes the keyboard, so a scanner
    // can go on typing. A refusal is marked and sounds the bell. `about`
    // names what it is about ("Tape 99"); `title` is the box title the
    // message would have had.
    virtual void tell(OutcomeList &place, Told kind, const QString &text, const QString &title = {},
                      const QString &about = {});
    // The program waits for the store: `text` is shown over the active
    // window with a busy cursor, and the windows repaint but take no input;
    // called again while the wait lasts, and with no text once it is over.
    virtual void waiting(const QString &text);
    // The text typed, or empty when cancelled.
    virtual QString inputBox(const QString &prompt, const QString &title = {},
                             const QString &defaultAnswer = {}) = 0;
    // An input box that hides what is typed (a code); empty when cancelled.
    virtual QString passwordBox(const QString &prompt, const QString &title = {});

    // Shows `dialog` modally and waits until it hides itself; its result
    // (QDialog::Accepted or Rejected).
    virtual int showModal(QDialog &dialog);

    // Prints an image of `window` on the default printer. With no printer
    // and a receipt folder set, the image is saved there as a one-page PDF
    // named by date, time and `receiptNumber` (when above 0), and the user is
    // told where; with neither, the user is told so. True when printed or saved.
    bool printWindow(QWidget &window);
    bool printWindow(QWidget &window, int receiptNumber);
    // The same for a document of its own layout, printed or saved as drawn.
    bool printPages(const PrintPages &pages, int receiptNumber);

    // Where receipts go as PDF files when there is no printer.
    void setReceiptFolder(const QString &folder) { m_receiptFolder = folder; }
    // The store the program works on: files saved never go over it, and
    // save dialogs do not start in its folder.
    void setStorePath(const QString &path) { m_storePath = path; }
    const QString &storePath() const { return m_storePath; }
    const QString &receiptFolder() const { return m_receiptFolder; }
    // The clock that names receipt files; the system's unless replaced.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // The platform's print dialog over `printer`, for pages 1 to lastPage;
    // false when the user cancels. The printer comes back set as chosen.
    virtual bool choosePrinter(QPrinter &printer, int lastPage) = 0;
    // The platform's save dialog: the file chosen, or empty when cancelled.
    virtual QString saveFileName(const QString &title, const QString &suggestedName, const QString &filter) = 0;

    static QString applicationTitle();
    static QString noPrinterMessage();

protected:
    // The bell that marks a refusal told in a window.
    virtual void beep() {}
    virtual bool hasDefaultPrinter() = 0;
    virtual bool sendToPrinter(const QImage &image) = 0;
    // Prints `pages` on the default printer; by default each page as an
    // image sent to sendToPrinter().
    virtual bool sendPagesToPrinter(const PrintPages &pages);

private:
    bool saveAsPdf(const QImage &image, int receiptNumber);
    bool savePagesAsPdf(const PrintPages &pages, int receiptNumber);
    bool told(const QString &path, const QString &error);

    QString m_receiptFolder;
    QString m_storePath;
    std::function<QDateTime()> m_now;
};
