#pragma once

#include <QWidget>

// A designer window that the user cannot close: the main window and the other tool
// windows show and hide it. Only the end of the program closes it.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    ToolWindow(const QString &scriptName, const QString &caption, QWidget *parent = nullptr);

    // Lets the next close request through, for the end of the program.
    void closeForShutdown();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_shuttingDown = false;
};
