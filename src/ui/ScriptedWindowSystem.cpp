#include "ScriptedWindowSystem.h"

#include <QDialog>
#include <QPrinter>

namespace {

bool offers(Buttons buttons, Answer a)
{
    switch (buttons) {
    case Buttons::Ok: return a == Answer::Ok;
    case Buttons::OkCancel: return a == Answer::Ok || a == Answer::Cancel;
    case Buttons::YesNo: return a == Answer::Yes || a == Answer::No;
    case Buttons::YesNoCancel: return a == Answer::Yes || a == Answer::No || a == Answer::Cancel;
    case Buttons::RetryCancel: return a == Answer::Retry || a == Answer::Cancel;
    }
    return false;
}

Answer wayOut(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

} // namespace

void ScriptedWindowSystem::unscripted(const QString &why)
{
    if (onUnscripted)
        onUnscripted(why);
}

Answer ScriptedWindowSystem::msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title,
                                    std::optional<Answer> byDefault)
{
    Box box;
    box.prompt = prompt;
    box.title = title;
    box.buttons = buttons;
    box.icon = icon;
    box.byDefault = byDefault;
    m_boxes.append(box);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.isEmpty()) {
        unscripted(QStringLiteral("no answer scripted for \"%1\"").arg(prompt));
        return wayOut(buttons);
    }
    const Answer a = m_answers.dequeue();
    if (!offers(buttons, a)) {
        unscripted(QStringLiteral("the scripted answer is not a button of \"%1\"").arg(prompt));
        return wayOut(buttons);
    }
    return a;
}

void ScriptedWindowSystem::tell(OutcomeList &place, Told kind, const QString &text, const QString &title,
                                const QString &about)
{
    Box box;
    box.prompt = text;
    box.title = title;
    box.icon = kind == Told::Refused ? Icon::Exclamation : Icon::Information;
    box.inWindow = true;
    box.about = about;
    m_boxes.append(box);
    WindowSystem::tell(place, kind, text, title, about);
}

QList<ScriptedWindowSystem::Box> ScriptedWindowSystem::modalBoxes() const
{
    QList<Box> out;
    for (const Box &b : m_boxes)
        if (!b.inWindow)
            out << b;
    return out;
}

void ScriptedWindowSystem::waiting(const QString &text)
{
    if (!text.isEmpty() && text != m_waitingFor)
        m_waits.append(text);
    m_waitingFor = text;
    WindowSystem::waiting(text);
    if (whileWaiting && !text.isEmpty())
        whileWaiting();
}

QString ScriptedWindowSystem::inputBox(const QString &prompt, const QString &title, const QString &defaultAnswer)
{
    Box box;
    box.input = true;
    box.prompt = prompt;
    box.title = title;
    box.buttons = Buttons::OkCancel;
    box.defaultAnswer = defaultAnswer;
    m_boxes.append(box);
    if (m_inputs.isEmpty()) {
        unscripted(QStringLiteral("no input scripted for \"%1\"").arg(prompt));
        return {};
    }
    return m_inputs.dequeue();
}

int ScriptedWindowSystem::showModal(QDialog &dialog)
{
    if (m_dialogs.isEmpty()) {
        unscripted(QStringLiteral("nothing scripted for the dialog %1").arg(dialog.objectName()));
        return QDialog::Rejected;
    }
    const auto fill = m_dialogs.dequeue();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    fill(dialog);
    if (dialog.isVisible()) {
        dialog.hide();
        return QDialog::Rejected;
    }
    return dialog.result();
}

QStringList ScriptedWindowSystem::prompts() const
{
    QStringList list;
    for (const Box &b : m_boxes)
        list << b.prompt;
    return list;
}

bool ScriptedWindowSystem::choosePrinter(QPrinter &printer, int lastPage)
{
    m_printDialogs.append(lastPage);
    if (m_printChoices.isEmpty()) {
        unscripted(QStringLiteral("no print dialog answer scripted"));
        return false;
    }
    const PrintChoice choice = m_printChoices.dequeue();
    if (choice.file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(choice.file);
    if (choice.from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(choice.from, choice.to);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
    return true;
}

QString ScriptedWindowSystem::saveFileName(const QString &, const QString &suggestedName, const QString &)
{
    m_suggested.append(suggestedName);
    if (m_files.isEmpty()) {
        unscripted(QStringLiteral("no file scripted for saving \"%1\"").arg(suggestedName));
        return {};
    }
    return m_files.dequeue();
}

void ScriptedWindowSystem::clear()
{
    m_printChoices.clear();
    m_files.clear();
    m_suggested.clear();
    m_printDialogs.clear();
    m_answers.clear();
    m_inputs.clear();
    m_dialogs.clear();
    m_boxes.clear();
    m_waits.clear();
    m_printed.clear();
    m_beeps = 0;
}

bool ScriptedWindowSystem::sendToPrinter(const QImage &image)
{
    m_printed.append(image);
    return true;
}
