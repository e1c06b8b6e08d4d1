#include "PlaceholderWindow.h"

#include "ui/Pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(const QString &objectName, const QString &caption,
                                     std::function<void()> onReturn)
    : m_onReturn(std::move(onReturn))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Pictures::makeImage1(this));
    auto *note = new QLabel(QStringLiteral("%1 is not available in this version.").arg(caption), this);
    note->setObjectName(QStringLiteral("lblNote"));
    layout->addWidget(note);
    cmdReturn = new QPushButton(QStringLiteral("Return"), this);
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));
    layout->addWidget(cmdReturn, 0, Qt::AlignRight);
    connect(cmdReturn, &QPushButton::clicked, this, &PlaceholderWindow::cmdReturn_Click);
}

void PlaceholderWindow::cmdReturn_Click()
{
    if (m_onReturn)
        m_onReturn();
    hide();
}
