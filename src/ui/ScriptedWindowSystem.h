#pragma once

#include "WindowSystem.h"

#include <QImage>
#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

// Answers boxes from a script instead of the user, and records each box
// shown. Boxes with only an OK button are acknowledged on their own; any box
// with a choice takes the next scripted answer. A choice box with no answer
// scripted calls onUnscripted (tests make that a failure) and gets its
// safest way out, so nothing ever waits for a user.
class ScriptedWindowSystem final : public WindowSystem
{
public:
    struct Box
    {
        bool input = false;
        QString prompt;
        QString title; // as given; empty when the box shows the program's title
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString defaultAnswer;
        bool hidden = false;      // an input box that hides what is typed
        bool nonBlocking = false; // a notice: the program went on while it was up
        // Told in the window (no box): Information when done, Exclamation
        // when refused; `about` as given.
        bool inWindow = false;
        QString about;
        // The button Enter answers, when the window chose one.
        std::optional<Answer> byDefault;
    };

    void answer(Answer a) { m_answers.enqueue(a); }
    void type(const QString &text) { m_inputs.enqueue(text); }
    // Fills and closes the next modal dialog; `fill` gets it on screen,
    // activated. A dialog still open after `fill` is closed as cancelled.
    void dialog(std::function<void(QDialog &)> fill) { m_dialogs.enqueue(std::move(fill)); }
    void setPrinterAvailable(bool available) { m_printer = available; }
    // The next print dialog prints to this PDF file (pages from .. to,
    // 1-based, 0 for all), or is cancelled when the file is empty.
    void printTo(const QString &pdfFile, int from = 0, int to = 0) { m_printChoices.enqueue({pdfFile, from, to}); }
    // The next save dialog chooses this file (empty: cancelled).
    void saveAs(const QString &file) { m_files.enqueue(file); }

    Answer msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title,
                  std::optional<Answer> byDefault = std::nullopt) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultAnswer) override;
    // Answered from type() as inputBox is; recorded as hidden.
    QString passwordBox(const QString &prompt, const QString &title) override
    {
        const QString typed = inputBox(prompt, title, {});
        m_boxes.last().hidden = true;
        return typed;
    }
    int showModal(QDialog &dialog) override;
    bool choosePrinter(QPrinter &printer, int lastPage) override;
    QString saveFileName(const QString &title, const QString &suggestedName, const QString &filter) override;
    // What each save dialog suggested, and the last page each print dialog offered.
    const QStringList &suggestedNames() const { return m_suggested; }
    const QList<int> &printDialogs() const { return m_printDialogs; }
    // Recorded among the boxes like an OK box.
    void notice(const QString &prompt, const QString &title) override
    {
        msgBox(prompt, Buttons::Ok, Icon::Exclamation, title);
        m_boxes.last().nonBlocking = true;
    }
    // Shown as the real one does, each new text recorded apart from the
    // boxes, and whileWaiting called at every step.
    void waiting(const QString &text) override;
    const QStringList &waits() const { return m_waits; }
    bool isWaiting() const { return !m_waitingFor.isEmpty(); }
    std::function<void()> whileWaiting;
    // Recorded among the boxes, marked inWindow, and shown in `place`.
    void tell(OutcomeList &place, Told kind, const QString &text, const QString &title,
              const QString &about) override;
    // The boxes that waited for the user: every box not told in a window.
    QList<Box> modalBoxes() const;
    int beeps() const { return m_beeps; }

    const QList<Box> &boxes() const { return m_boxes; }
    QStringList prompts() const;
    const Box &last() const { return m_boxes.constLast(); }
    qsizetype unusedAnswers() const
    {
        return m_answers.size() + m_inputs.size() + m_dialogs.size() + m_printChoices.size() + m_files.size();
    }
    const QList<QImage> &printed() const { return m_printed; }
    void clear();

    std::function<void(const QString &why)> onUnscripted;

protected:
    void beep() override { ++m_beeps; }
    bool hasDefaultPrinter() override { return m_printer; }
    bool sendToPrinter(const QImage &image) override;

private:
    void unscripted(const QString &why);

    QQueue<Answer> m_answers;
    QQueue<QString> m_inputs;
    QQueue<std::function<void(QDialog &)>> m_dialogs;
    QList<Box> m_boxes;
    QList<QImage> m_printed;
    struct PrintChoice
    {
        QString file;
        int from = 0, to = 0;
    };
    QQueue<PrintChoice> m_printChoices;
    QQueue<QString> m_files;
    QStringList m_suggested;
    QList<int> m_printDialogs;
    bool m_printer = true;
    QString m_waitingFor;
    QStringList m_waits;
    int m_beeps = 0;
};
