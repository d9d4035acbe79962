#pragma once

#include <QWidget>

class Prompter;
class QLabel;
struct WizardProject;

// Last step: where the menu is saved.
class SavePage : public QWidget
{
    Q_OBJECT

public:
    SavePage(WizardProject &project, Prompter &prompter, QWidget *parent = nullptr);

    // Entering the step: the user's documents folder when none is chosen yet.
    void enter();
    void refresh();

private:
    void chooseFolder();

    WizardProject &m_project;
    Prompter &m_prompter;
    QLabel *m_folder;
};
