#include "app/BuildCommands.h"

#include "app/AppearanceApplier.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/OptionsController.h"
#include "build/ExecutableExport.h"
#include "build/IsoExport.h"
#include "build/TestRun.h"
#include "build/gui/CompileDialog.h"
#include "build/gui/TestWindow.h"
#include "common/Phrases.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "document/DesignerDocument.h"
#include "prompt/Prompter.h"
#include "script/gui/ScriptEditorWindow.h"

#include <QAction>
#include <QApplication>
#include <QProgressDialog>

using namespace Qt::StringLiterals;

BuildCommands::BuildCommands(DesignerDocument &document, Prompter &prompter, QString programFolder, Windows windows)
    : m_document(document), m_prompter(prompter), m_programFolder(std::move(programFolder)), m_windows(windows)
{
}

void BuildCommands::show(const CompileOutcome &outcome)
{
    if (outcome.hasNotice())
        m_prompter.message(outcome.notice);
}

bool BuildCommands::requireMultimediaFiles() const
{
    return m_windows.main->menus().requireMultimediaFile->isChecked();
}

void BuildCommands::testRun()
{
    TestRun run(m_document.project(), m_document.folder(), m_programFolder, *this);
    run.setRequireMultimediaFiles(requireMultimediaFiles());
    show(run.run());
}

void BuildCommands::compileAutorun()
{
    prepareForBuild();
    CompileDialog dialog(m_document.project(), m_document.folder(), m_prompter, m_programFolder, m_windows.main);
    appearanceapplier::apply(&dialog, m_windows.main->options().appearance());
    dialog.setRequireMultimediaFiles(requireMultimediaFiles());
    dialog.centreOn(m_windows.main);
    dialog.exec();
}

void BuildCommands::compileExecutable()
{
    exportProgram(ExecutableExport::Kind::executable());
}

void BuildCommands::compileScreenSaver()
{
    exportProgram(ExecutableExport::Kind::screenSaver());
}

void BuildCommands::exportProgram(const ExecutableExport::Kind &kind)
{
    prepareForBuild();
    showWaitPanels(true);
    CompileOutcome outcome = CompileOutcome::declined();
    if (const auto request = ExecutableExport::ask(m_prompter, kind)) {
        ExecutableExport exporter(m_document.project(), m_document.folder(), m_programFolder);
        exporter.setRequireMultimediaFiles(requireMultimediaFiles());
        outcome = exporter.run(*request);
    }
    showWaitPanels(false);
    show(outcome);
}

void BuildCommands::compileIso()
{
    prepareForBuild();
    showWaitPanels(true);
    CompileOutcome outcome = CompileOutcome::declined();
    if (const auto request = IsoExport::ask(m_document.project(), m_prompter)) {
        QProgressDialog progress(Phrases::text(Phrase::WritingIsoImage), QString(), 0, 1000, m_windows.main);
        progress.setWindowTitle(u"ZEP"_s);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        IsoExport exporter(m_document.project(), m_document.folder(), m_programFolder);
        exporter.setRequireMultimediaFiles(requireMultimediaFiles());
        exporter.setProgress(
            [&progress](qint64 done, qint64 total) { progress.setValue(total > 0 ? int(done * 1000 / total) : 1000); });
        outcome = exporter.run(*request);
    }
    showWaitPanels(false);
    show(outcome);
}

void BuildCommands::prepareForBuild()
{
    m_windows.panel->prepareForBuild();
}

void BuildCommands::showWaitPanels(bool visible)
{
    if (visible) {
        // The worksheet's panel looks like the script editor's, which took the theme.
        QWidget *own = m_windows.worksheet->waitPanel();
        const QWidget *model = m_windows.scriptEditor->waitPanel();
        own->setPalette(model->palette());
        own->setFont(model->font());
    }
    m_windows.worksheet->setWaitPanelShown(visible);
    m_windows.scriptEditor->setWaitPanelVisible(visible);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void BuildCommands::minimizeWorksheet()
{
    m_windows.worksheet->showMinimized();
}

void BuildCommands::restoreWorksheet()
{
    m_windows.worksheet->showNormal();
}

ZepError BuildCommands::showTestWindow(const QString &player)
{
    TestWindow window(player, m_windows.main);
    appearanceapplier::apply(&window, m_windows.main->options().appearance());
    return window.run();
}
