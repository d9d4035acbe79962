#pragma once

#include "build/ExecutableExport.h"
#include "build/TestRunHooks.h"

#include <QString>

struct CompileOutcome;
class DesignerDocument;
class MainWindow;
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

    BuildCommands(DesignerDocument &document, Prompter &prompter, QString programFolder, Windows windows);

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
    void exportProgram(const ExecutableExport::Kind &kind);
    void show(const CompileOutcome &outcome);

    DesignerDocument &m_document;
    Prompter &m_prompter;
    QString m_programFolder;
    Windows m_windows;
};
