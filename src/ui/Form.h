#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

// A task window: shown and hidden for the whole run, never closed. Showing it
// runs its activation; the frame's close box takes the window's own way back
// to the main menu; Enter and Esc press its default and cancel buttons.
class Form : public QDialog
{
    Q_OBJECT

public:
    explicit Form(QWidget *parent = nullptr);

protected:
    // Runs each time the program shows the window.
    virtual void Form_Activate() {}
    // The frame's close box; by default the window only hides.
    virtual void closeBox() { hide(); }

    void setDefaultButton(QPushButton *button);
    void setCancelButton(QPushButton *button) { m_cancel = button; }
    // Esc for a window whose way back is not a button (a toolbar's Return).
    void setCancelAction(std::function<void()> action) { m_cancelAction = std::move(action); }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public slots:
    // Esc: the cancel button or action when the window has one, otherwise nothing.
    void reject() override;

private:
    QPushButton *m_cancel = nullptr;
    std::function<void()> m_cancelAction;
};
