#pragma once

#include "setup/core/InstallObserver.h"
#include "setup/core/SetupPlaces.h"

#include <QWidget>

#include <functional>

class Prompter;
class ProgressBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The installation window: the destination, then the progress of the copy.
class InstallWizard : public QWidget, private InstallObserver
{
    Q_OBJECT

public:
    // Starts the installed designer from its folder.
    using StartDesigner = std::function<void(const QString &program, const QString &folder)>;

    InstallWizard(SetupPlaces places, Prompter &prompter, StartDesigner startDesigner, QWidget *parent = nullptr);

    QLineEdit *destinationBox() const { return m_destination; }
    QPushButton *continueButton() const { return m_continue; }
    QPushButton *browseButton() const { return m_browse; }
    QPushButton *cancelButton() const { return m_cancel; }
    QWidget *progressPanel() const { return m_progressPanel; }
    ProgressBox *progressBox() const { return m_bar; }
    QString firstStatus() const;
    QString secondStatus() const;

signals:
    // The installer is to end with this exit code.
    void ended(int exitCode);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void browse();
    void install();
    bool confirmQuit();

    void copying(int index, int count, const QString &from, const QString &to) override;
    void status(const QString &first, const QString &second) override;
    void finished() override;
    void repaintNow();

    SetupPlaces m_places;
    Prompter &m_prompter;
    StartDesigner m_startDesigner;
    QLineEdit *m_destination;
    QPushButton *m_browse;
    QPushButton *m_continue;
    QPushButton *m_cancel;
    QWidget *m_progressPanel;
    ProgressBox *m_bar;
    QLabel *m_status1;
    QLabel *m_status2;
    bool m_ending = false;
};
