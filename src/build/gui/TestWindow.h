#pragma once

#include "common/ZepError.h"

#include <QDialog>
#include <QProcess>

class QPushButton;

// The window that keeps the designer waiting while the menu under test runs: it
// starts the player and closes when the player ends or when "Stop" ends it.
class TestWindow : public QDialog
{
    Q_OBJECT

public:
    explicit TestWindow(QString player, QWidget *parent = nullptr);
    ~TestWindow() override;

    // Starts the player and shows the window modally until the player is gone; an
    // error when the player cannot be started.
    ZepError run();
    // "Stop"
    void stop();

    const QProcess &process() const { return m_process; }

signals:
    void playerStarted();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_player;
    QProcess m_process;
    QPushButton *m_stop;
};
