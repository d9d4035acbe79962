#pragma once

#include "build/TestRunHooks.h"

class DesignerSession;

// The designer's side of a build: the preparation, the wait panels and the worksheet
// while the menu under test runs, and the commands that start a test or a compilation.
class BuildCommands : public TestRunHooks
{
public:
    explicit BuildCommands(DesignerSession &session);

    void testRun();
    void compileAutorun();

    void prepareForBuild() override;
    void showWaitPanels(bool visible) override;
    void minimizeWorksheet() override;
    void restoreWorksheet() override;
    ZepError showTestWindow(const QString &player) override;

private:
    bool requireMultimediaFiles() const;

    DesignerSession &m_session;
};
