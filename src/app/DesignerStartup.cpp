#include "app/DesignerStartup.h"

#include "about/SplashWindow.h"
#include "app/FrameWatcher.h"
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
#include "document/DesignerDocument.h"
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

    m_session->document().selection().choose(ItemRef::project());
    FirstRun::createMissingFiles(m_env.programFolder, m_session->mainWindow()->options().current(),
                                 m_env.association());

    m_session->showWindows();
    if (m_session->wizardRequested())
        m_session->openWizard();
    splash.finish(m_session->mainWindow());
    return true;
}

void DesignerStartup::layOutWindows(double screenWidthTwips)
{
    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    const QSizeF worksheet = StartupLayout::initialWorksheetSize(screenWidthTwips, tpp);
    m_session->project().setSize(float(worksheet.width()), float(worksheet.height()));
    m_session->mainWindow()->layOutBar();
    placeWindows();
    DesignerSession &s = *m_session;
    m_frames = std::make_unique<FrameWatcher>(
        QList<QWidget *>{s.worksheet(), s.palette(), s.mainWindow(), s.parametersPanel(), s.mousePosition()});
    QObject::connect(m_frames.get(), &FrameWatcher::framesChanged, m_frames.get(), [this] { placeWindows(); });
}

void DesignerStartup::placeWindows()
{
    const TwipsPerPixel tpp = screenmetrics::twipsPerPixel();
    const QSizeF screen = screenmetrics::screenSizeTwips();
    // Each window is placed by its frame, so that no window covers another's title bar.
    const auto outerOf = [&](QWidget *w) { return screenmetrics::toTwips(w->frameGeometry().size(), tpp); };
    DesignerSession &s = *m_session;
    const StartupLayout::Windows places =
        StartupLayout::arrange(screen, outerOf(s.worksheet()), outerOf(s.palette()), outerOf(s.mainWindow()),
                               outerOf(s.parametersPanel()), outerOf(s.mousePosition()));
    const auto place = [&](QWidget *w, const QRectF &frameTwips, bool keepSize) {
        const QRect frame = screenmetrics::toPixels(frameTwips, tpp);
        w->move(frame.topLeft());
        if (!keepSize)
            w->resize(frame.size() - FrameWatcher::marginsOf(w));
    };
    // The worksheet's inside is the menu: it only moves.
    place(s.worksheet(), places.worksheet, true);
    place(s.palette(), places.palette, false);
    place(s.mainWindow(), places.mainWindow, false);
    place(s.parametersPanel(), places.parametersPanel, false);
    place(s.mousePosition(), places.mousePosition, true);
}
