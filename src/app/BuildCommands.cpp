#include "app/BuildCommands.h"

#include "app/DesignerSession.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "build/TestRun.h"
#include "build/gui/CompileDialog.h"
#include "build/gui/TestWindow.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "script/gui/ScriptEditorWindow.h"
#include "project/MenuProject.h"

#include <QAction>
#include <QApplication>

BuildCommands::BuildCommands(DesignerSession &session)
    : m_session(session)
{
}

bool BuildCommands::requireMultimediaFiles() const
{
    return m_session.mainWindow()->menus().requireMultimediaFile->isChecked();
}

void BuildCommands::testRun()
{
    TestRun run(m_session.project(), m_session.environment().prompter, m_session.environment().programFolder, *this);
    run.setRequireMultimediaFiles(requireMultimediaFiles());
    run.run();
}

void BuildCommands::compileAutorun()
{
    prepareForBuild();
    CompileDialog dialog(m_session.project(), m_session.environment().prompter,
                         m_session.environment().programFolder, m_session.mainWindow());
    dialog.setRequireMultimediaFiles(requireMultimediaFiles());
    dialog.exec();
}

void BuildCommands::prepareForBuild()
{
    m_session.parametersPanel()->prepareForBuild();
}

void BuildCommands::showWaitPanels(bool visible)
{
    m_session.worksheet()->setWaitPanelShown(visible);
    m_session.scriptEditor()->setWaitPanelVisible(visible);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BuildCommands::minimizeWorksheet()
{
    m_session.worksheet()->showMinimized();
}

void BuildCommands::restoreWorksheet()
{
    m_session.worksheet()->showNormal();
}

ZepError BuildCommands::showTestWindow(const QString &player)
{
    TestWindow window(player, m_session.mainWindow());
    return window.run();
}
