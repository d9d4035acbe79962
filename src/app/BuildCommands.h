#pragma once

#include "build/TestRunHooks.h"

#include <QString>

class MainWindow;
class MenuProject;
class ParametersPanel;
class Prompter;
class ScriptEditorWindow;
class Worksheet;

// The designer's side of a build: the preparation, the wait panels and the worksheet
// while the menu under test runs, and the commands that start a test or a compilation.
class BuildCommands : public TestRunHooks
{
public:
    struct Windows
    {
        MainWindow *main;
        Worksheet *worksheet;
        ParametersPanel *panel;
        ScriptEditorWindow *scriptEditor;
    };

    BuildCommands(MenuProject &project, Prompter &prompter, QString programFolder, Windows windows);

    void testRun();
    void compileAutorun();
    void compileExecutable();
    void compileScreenSaver();
    void compileIso();

    void prepareForBuild() override;
    void showWaitPanels(bool visible) override;
    void minimizeWorksheet() override;
    void restoreWorksheet() override;
    ZepError showTestWindow(const QString &player) override;

private:
    bool requireMultimediaFiles() const;

    MenuProject &m_project;
    Prompter &m_prompter;
    QString m_programFolder;
    Windows m_windows;
};
