#pragma once

#include <QImage>
#include <QString>

class QPrinter;
class QWidget;

// The modal boxes and printing every window uses. Windows never make a
// QMessageBox themselves, so tests can answer each box from a script.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Question, Exclamation };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class WindowSystem
{
public:
    virtual ~WindowSystem() = default;

    // A box with no title of its own shows the program's title.
    virtual Answer msgBox(const QString &prompt, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                          const QString &title = {}) = 0;
    // The text typed, or empty when cancelled.
    virtual QString inputBox(const QString &prompt, const QString &title = {},
                             const QString &defaultAnswer = {}) = 0;

    // Prints an image of `window` on the default printer. With no printer
    // the user is told so and nothing else happens. True when printed.
    bool printWindow(QWidget &window);

    // The platform's print dialog over `printer`, for pages 1 to lastPage;
    // false when the user cancels. The printer comes back set as chosen.
    virtual bool choosePrinter(QPrinter &printer, int lastPage) = 0;
    // The platform's save dialog: the file chosen, or empty when cancelled.
    virtual QString saveFileName(const QString &title, const QString &suggestedName, const QString &filter) = 0;

    static QString applicationTitle();
    static QString noPrinterMessage();

protected:
    virtual bool hasDefaultPrinter() = 0;
    virtual bool sendToPrinter(const QImage &image) = 0;
};
