#include "common/gui/ToolWindow.h"

#include <QCloseEvent>

ToolWindow::ToolWindow(const QString &scriptName, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(scriptName);
    setWindowTitle(caption);
}

void ToolWindow::closeForShutdown()
{
    m_shuttingDown = true;
    close();
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    if (m_shuttingDown)
        event->accept();
    else
        event->ignore();
}
