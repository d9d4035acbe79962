#pragma once

#include <QWidget>

class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct WizardProject;

// Second step: what the menu does when it starts.
class StartupPage : public QWidget
{
    Q_OBJECT

public:
    static inline const QString kNote = QStringLiteral(
        "Note : En mode édition normal, vous pouvez avoir accès à plus de fonctions grace à l'assistant VBS");

    StartupPage(WizardProject &project, Prompter &prompter, QWidget *parent = nullptr);

private:
    void chooseNothing();
    void chooseMultimedia();
    void chooseOpen();
    void chooseMessage();
    void preview();
    void fallBack();
    void refresh();

    WizardProject &m_project;
    Prompter &m_prompter;
    QRadioButton *m_nothing;
    QRadioButton *m_multimedia;
    QLineEdit *m_file;
    QRadioButton *m_open;
    QLabel *m_target;
    QRadioButton *m_message;
    QPushButton *m_preview;
};
