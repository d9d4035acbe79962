#include "app/DesignerStartup.h"

#include "about/SplashWindow.h"
#include "app/MainWindow.h"
#include "app/OptionsController.h"
#include "app/core/AppIdentity.h"
#include "app/core/CommandLine.h"
#include "app/core/FileAssociation.h"
#include "app/core/FirstRun.h"
#include "app/core/MaintenanceActions.h"
#include "app/core/StartupLayout.h"
#include "common/gui/ScreenMetrics.h"
#include "designer/MousePositionWindow.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "project/MenuProject.h"
#include "prompt/Prompter.h"

DesignerStartup::DesignerStartup(DesignerSession::Environment environment)
    : m_env(std::move(environment))
{
    m_env.programFolder = appid::withTrailingSeparator(m_env.programFolder);
}

DesignerStartup::~DesignerStartup() = default;

bool DesignerStartup::start(const QStringList &arguments)
{
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.maintenance()) {
        MaintenanceActions(m_env.programFolder, m_env.settings, m_env.prompter).run();
        return false;
    }

    SplashWindow splash;
    splash.show();

    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    const QSizeF screen = screenmetrics::screenSizeTwips();
    if (const auto refusal = StartupLayout::screenCheck(screen.width(), tpp)) {
        m_env.prompter.message(*refusal);
        return false;
    }

    m_session = std::make_unique<DesignerSession>(m_env);
    m_session->setStartupProject(commandLine.startupProject());
    m_session->createWindows(!commandLine.startupProject().isEmpty());
    layOutWindows(screen.width());

    m_session->project().choose(ItemRef::project());
    FirstRun::createMissingFiles(m_env.programFolder, m_session->mainWindow()->options().current(),
                                 m_env.association());

    m_session->showWindows();
    if (m_session->wizardRequested())
        DesignerHooks::call(m_session->hooks().openWizard);
    splash.finish(m_session->mainWindow());
    return true;
}

void DesignerStartup::layOutWindows(double screenWidthTwips)
{
    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    const QSizeF screen = screenmetrics::screenSizeTwips();
    const QSizeF worksheet = StartupLayout::initialWorksheetSize(screenWidthTwips, tpp);
    m_session->project().setSize(float(worksheet.width()), float(worksheet.height()));

    const auto twipsOf = [&](QWidget *w) { return screenmetrics::toTwips(w->size(), tpp); };
    m_session->mainWindow()->layOutBar();
    const StartupLayout::Windows places = StartupLayout::arrange(
        screen, worksheet, twipsOf(m_session->palette()), twipsOf(m_session->mainWindow()),
        twipsOf(m_session->parametersPanel()), twipsOf(m_session->mousePosition()));

    m_session->worksheet()->setGeometry(screenmetrics::toPixels(places.worksheet, tpp));
    m_session->palette()->setGeometry(screenmetrics::toPixels(places.palette, tpp));
    m_session->mainWindow()->setGeometry(screenmetrics::toPixels(places.mainWindow, tpp));
    m_session->parametersPanel()->setGeometry(screenmetrics::toPixels(places.parametersPanel, tpp));
    m_session->mousePosition()->setGeometry(screenmetrics::toPixels(places.mousePosition, tpp));
}
