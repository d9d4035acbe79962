#pragma once

#include "common/Phrase.h"
#include "wizard/WizardProject.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class ButtonsPage;
class FunctionsPage;
class Prompter;
class QLabel;
class QPushButton;
class QStackedWidget;
class SavePage;
class StepIllustration;

// "Assistant création": five steps that make a whole project, then open it.
class WizardWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSteps = 5;
    // The steps' titles are phrases from this one on.
    static constexpr Phrase kFirstTitlePhrase = Phrase::WizardWelcome;
    static QString title(int step);

    struct Services
    {
        Prompter &prompter;
        QString programFolder; // ends with "/"
        // Reads the written project with reset and shows it in the designer.
        std::function<void(const QString &projectFile)> openProject;
    };

    explicit WizardWindow(Services services, QWidget *parent = nullptr);
    ~WizardWindow() override;

    // Raised while the wizard is up; the main window will not quit then.
    bool isOpen() const { return m_open; }
    int step() const { return m_step; }
    const WizardProject &project() const { return m_project; }
    ButtonsPage &buttonsPage() const { return *m_buttons; }

    void goTo(int step);
    void next();
    void previous();
    // "&Terminer"
    void finish();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Services m_services;
    WizardProject m_project;
    int m_step = 0;
    bool m_open = true;
    bool m_finished = false;
    StepIllustration *m_illustration;
    QLabel *m_title;
    QStackedWidget *m_pages;
    ButtonsPage *m_buttons;
    FunctionsPage *m_functions;
    SavePage *m_save;
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_finish;
};
