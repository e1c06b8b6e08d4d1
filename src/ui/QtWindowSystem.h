#pragma once

#include "WindowSystem.h"

// The real boxes and the real default printer.
class QtWindowSystem final : public WindowSystem
{
public:
    Answer msgBox(const QString &prompt, Buttons buttons, Icon icon, const QString &title,
                  std::optional<Answer> byDefault = std::nullopt) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultAnswer) override;
    QString passwordBox(const QString &prompt, const QString &title) override;
    bool choosePrinter(QPrinter &printer, int lastPage) override;
    QString saveFileName(const QString &title, const QString &suggestedName, const QString &filter) override;
    void notice(const QString &prompt, const QString &title) override;

protected:
    void beep() override;
    bool hasDefaultPrinter() override;
    bool sendToPrinter(const QImage &image) override;
    bool sendPagesToPrinter(const PrintPages &pages) override;
};
