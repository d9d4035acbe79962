#pragma once

#include <QWidget>

class Prompter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct WizardButton;
struct WizardProject;

// Fourth step: what each button does.
class FunctionsPage : public QWidget
{
    Q_OBJECT

public:
    FunctionsPage(WizardProject &project, Prompter &prompter, QWidget *parent = nullptr);

    // Entering the step: the list again from the buttons, no function panel.
    void enter();

private:
    WizardButton *selected() const;
    void showSelected();
    void choose(int function);
    void fallBackToMultimedia(WizardButton &button);
    void preview();

    WizardProject &m_project;
    Prompter &m_prompter;
    QListWidget *m_list;
    QGroupBox *m_functions;
    QRadioButton *m_choices[4]; // by function number
    QLineEdit *m_file;
    QLabel *m_target;
    QPushButton *m_preview;
    bool m_showing = false;
};
