#pragma once

#include <functional>

// Commands of the main window whose windows come with other parts of the designer.
// An empty hook does nothing.
struct DesignerHooks
{
    std::function<void()> testRun;
    std::function<void()> compileAutorun;
    std::function<void()> compileExecutable;
    std::function<void()> compileScreenSaver;
    std::function<void()> compileIso;
    std::function<void()> compileHtml;
    std::function<void()> printToBmp;
    std::function<void()> printToClipboard;
    std::function<void()> printOnPaper;
    std::function<void()> fileProperties;
    std::function<void()> openWizard;
    std::function<bool()> wizardOpen;
    std::function<void()> help;
    std::function<void()> shapeEditor;

    static void call(const std::function<void()> &hook)
    {
        if (hook)
            hook();
    }
};
