#include "Form.h"

#include "WindowPlace.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>

Form::Form(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    WindowPlace::keep(*this);
}

void Form::setDefaultButton(QPushButton *button)
{
    button->setDefault(true);
}

void Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Restoring a minimised window is not a new visit.
    if (!event->spontaneous())
        Form_Activate();
}

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    closeBox();
}

void Form::reject()
{
    if (m_cancel && m_cancel->isEnabled() && m_cancel->isVisible())
        m_cancel->click();
    else if (!m_cancel && m_cancelAction)
        m_cancelAction();
}
