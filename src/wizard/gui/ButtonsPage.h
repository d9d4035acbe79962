#pragma once

#include <QWidget>

class ButtonEditor;
class ButtonPreview;
class Prompter;
class QListWidget;
class QListWidgetItem;
struct WizardButton;
struct WizardProject;

// Third step: the buttons of the menu, made one by one in the add panel.
class ButtonsPage : public QWidget
{
    Q_OBJECT

public:
    ButtonsPage(WizardProject &project, Prompter &prompter, const QString &programFolder, QWidget *parent = nullptr);

    ButtonEditor &editor() const { return *m_editor; }

    // The list of a step: one entry per button not deleted, holding its place in the project.
    static void fillList(QListWidget *list, const WizardProject &project);
    static int positionOf(const QListWidgetItem *item);

private:
    void add();
    void remove();
    void append(const WizardButton &button);
    void previewEntry(QListWidgetItem *item);

    WizardProject &m_project;
    Prompter &m_prompter;
    QListWidget *m_list;
    ButtonPreview *m_preview;
    ButtonEditor *m_editor;
};
