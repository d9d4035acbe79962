#include "app/DesignerSession.h"

#include "app/AppearanceApplier.h"
#include "app/BuildCommands.h"
#include "app/DesignerExports.h"
#include "app/LanguageMenu.h"
#include "app/LanguagePack.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/MenuLabelBar.h"
#include "app/OptionsController.h"
#include "app/RecentFilesMenu.h"
#include "app/core/AppIdentity.h"
#include "app/core/AppearanceFile.h"
#include "app/core/DocumentLifecycle.h"
#include "app/core/FileAssociation.h"
#include "app/core/InstallationRecord.h"
#include "app/core/ManualLink.h"
#include "app/core/RecentFiles.h"
#include "app/core/WebLinks.h"
#include "common/ColourValue.h"
#include "common/Phrases.h"
#include "common/ProgramVersion.h"
#include "common/gui/ScreenMetrics.h"
#include "designer/MousePositionWindow.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "designer/ResourcesWindow.h"
#include "designer/Worksheet.h"
#include "designer/worksheet/ButtonItem.h"
#include "document/DesignerDocument.h"
#include "platform/SettingsStore.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "prompt/gui/QtDialogLanguage.h"
#include "script/gui/ScriptEditorWindow.h"
#include "shape/gui/ShapeEditor.h"
#include "wizard/gui/WizardWindow.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

void openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

// The desktop's own text editor, never the handler of .zep files (which is us).
void openInTextEditor(const QString &path)
{
    if (!QProcess::startDetached(u"xdg-text-editor"_s, {path}) && !QProcess::startDetached(u"gedit"_s, {path}))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

FileAssociation DesignerSession::Environment::association() const
{
    return FileAssociation(programFolder + appid::programFileName(), dataFolder, configFolder);
}

DesignerSession::DesignerSession(Environment environment)
    : m_env(environment), m_document(std::make_unique<DesignerDocument>(m_env.prompter, QDir::currentPath())),
      m_recent(std::make_unique<RecentFiles>(m_env.settings)),
      m_appearances(std::make_unique<AppearanceFile>(m_env.programFolder)),
      m_manual(std::make_unique<ManualLink>(m_env.settings, m_env.prompter, openUrl)),
      m_links(std::make_unique<WebLinks>(version::website(), m_env.prompter, openUrl)),
      m_exports(std::make_unique<DesignerExports>(*m_document, m_env.prompter, m_env.programFolder))
{
    storage().setRecentFiles(m_recent.get());
    DocumentLifecycle::Hooks documentHooks;
    // The wizard needs the main window to sit above.
    documentHooks.openWizard = [this] {
        if (m_mainWindow)
            openWizard();
    };
    documentHooks.wizardOpen = [this] { return m_wizard && m_wizard->isOpen(); };
    documentHooks.openInTextEditor = openInTextEditor;
    documentHooks.shutDown = [this] { shutDown(); };
    m_lifecycle = std::make_unique<DocumentLifecycle>(*m_document, m_env.prompter, documentHooks);
}

MenuProject &DesignerSession::project()
{
    return m_document->project();
}

ProjectStorage &DesignerSession::storage()
{
    return m_document->storage();
}

DesignerSession::~DesignerSession()
{
    delete m_wizard;
    for (QWidget *w : std::initializer_list<QWidget *>{m_palette, m_mainWindow, m_worksheet, m_panel, m_scriptEditor,
                                                       m_mousePosition, m_resources})
        delete w;
}

void DesignerSession::createWindows(bool startupProjectNamed)
{
    m_pack = new LanguagePack(m_env.programFolder, LanguagePacks::chosen(m_env.settings), m_env.prompter, this);
    // Qt's own dialogs and buttons: French, or their English with a pack.
    if (!m_pack->active())
        qtdialoglanguage::install(u"fr"_s, qtdialoglanguage::folders(appid::programFolder()), this);
    m_manual->setDefaultFolder(ManualLink::installedFolder(
        m_env.programFolder, m_pack->active() ? LanguagePacks::chosen(m_env.settings) : QString()));
    m_palette = new ObjectsPalette;
    m_pack->translate(m_palette);

    MainWindow::Services services{
        m_env.programFolder, m_env.prompter, *m_lifecycle, *m_recent,
        *m_appearances,      *m_manual,      *m_links,     [this] { return m_env.association().associate(); }};
    m_mainWindow = new MainWindow(services);
    new LanguageMenu(m_mainWindow->menus().language, m_mainWindow->menus().french, m_env.programFolder,
                     m_env.settings, m_env.prompter, m_mainWindow);
    m_pack->translate(m_mainWindow);
    const auto showTitle = [this] {
        m_mainWindow->setWindowTitle(
            appid::documentTitle(MainWindow::caption(), m_document->path(), m_document->isModified()));
    };
    showTitle();
    connect(&project(), &MenuProject::pathChanged, m_mainWindow, showTitle);
    connect(m_document.get(), &DesignerDocument::modifiedChanged, m_mainWindow, showTitle);
    if (m_pack->active()) {
        // Built before the pack filled the phrase list.
        m_mainWindow->recentMenu().rebuild();
        project().setDefaultIconMarker(ProjectSettings::defaultIconMarker());
        project().setIcon(ProjectSettings::defaultIconMarker());
    }
    m_mainWindow->loadPlugins();
    InstallationRecord record = InstallationRecord::current(QDateTime::currentDateTime());
    record.programFolder = m_env.programFolder;
    record.write(m_env.settings);

    m_worksheet = new Worksheet(*m_document);
    m_panel = new ParametersPanel(*m_document, m_env.prompter, [this] { return m_worksheet->size(); });
    m_scriptEditor =
        new ScriptEditorWindow(*m_document, m_env.prompter, [this] { m_mainWindow->menus().test->trigger(); });
    m_mousePosition = new MousePositionWindow;
    m_resources = new ResourcesWindow;
    for (QWidget *w : std::initializer_list<QWidget *>{m_worksheet, m_panel, m_scriptEditor, m_mousePosition, m_resources})
        m_pack->translate(w);
    m_pack->translateNewWindows();

    connect(m_mainWindow, &MainWindow::appearanceApplied, this, &DesignerSession::applyAppearance);
    connect(&m_mainWindow->options(), &OptionsController::mousePositionChanged, this, [this](bool on) {
        if (m_mainWindow->isVisible())
            m_mousePosition->setVisible(on);
    });
    connect(m_panel, &ParametersPanel::firstActivated, this, &DesignerSession::openStartupProject);
    connect(m_panel, &ParametersPanel::scriptEditorRequested, m_scriptEditor, &ScriptEditorWindow::openSlot);

    m_build =
        std::make_unique<BuildCommands>(*m_document, m_env.prompter, m_env.programFolder,
                                        BuildCommands::Windows{m_mainWindow, m_worksheet, m_panel, m_scriptEditor});
    m_exports->setWindows({m_mainWindow, m_worksheet, [this] { m_build->prepareForBuild(); }});
    connect(m_mainWindow, &MainWindow::appearanceApplied, this,
            [this](const Appearance &appearance) { m_exports->setAppearance(appearance); });
    connectMenuCommands();

    m_wizardRequested = m_mainWindow->options().read(startupProjectNamed, m_mainWindow->designedAppearance());
    // The script editor takes the theme in use once, as it loads.
    appearanceapplier::apply(m_scriptEditor, m_mainWindow->options().appearance());
    m_scriptEditor->restoreCodeLook();
    connectDesignSurface();
    createShapeEditor();
    // The editor has keys of its own, F5 included.
    for (QWidget *window :
         std::initializer_list<QWidget *>{m_palette, m_mainWindow, m_worksheet, m_panel, m_mousePosition})
        window->addActions(m_mainWindow->menus().designerKeys());
}

void DesignerSession::connectDesignSurface()
{
    m_worksheet->setPrompter(&m_env.prompter);
    m_palette->attach(*m_document, m_env.prompter, *m_resources);
    connectUndo();
    m_worksheet->setCornerMarkersShown(m_mainWindow->menus().cornerMarkers->isChecked());
    connect(&m_mainWindow->options(), &OptionsController::cornerMarkersChanged, m_worksheet,
            &Worksheet::setCornerMarkersShown);
    connect(m_worksheet, &Worksheet::pointerMoved, m_mousePosition, [this](double x, double y) {
        m_mousePosition->showPosition(x, y, m_worksheet->twipsPerPixel());
    });
    connect(m_worksheet, &Worksheet::backgroundHovered, m_mainWindow, [this] { m_mainWindow->labels().restoreAll(); });
    connect(m_worksheet, &Worksheet::testRequested, m_mainWindow->menus().test, &QAction::trigger);
    connect(m_worksheet, &Worksheet::helpRequested, this, [this] { m_manual->open(); });
    m_worksheet->setPrecisePointer(m_mainWindow->menus().precisePointer->isChecked());
    connect(&m_mainWindow->options(), &OptionsController::precisePointerChanged, m_worksheet,
            &Worksheet::setPrecisePointer);
    connect(m_worksheet, &Worksheet::filesDropped, this, [this](const QStringList &paths) {
        if (m_lifecycle->askToSave() != u"annule"_s)
            m_document->open(paths.last());
    });
    connect(m_palette, &ObjectsPalette::shapeEditorRequested, this, [this] { m_shapeEditor->open(); });
    connect(m_panel, &ParametersPanel::transparencyPreviewed, this, [this](int slot, const QImage &normal) {
        if (ButtonItem *item = m_worksheet->buttonItem(slot))
            item->showPicture(QPixmap::fromImage(normal));
    });
}

void DesignerSession::connectMenuCommands()
{
    const MainMenus &menus = m_mainWindow->menus();
    const auto on = [this](QAction *action, auto command) { connect(action, &QAction::triggered, this, command); };
    on(menus.test, [this] { m_build->testRun(); });
    on(menus.compileAutorun, [this] { m_build->compileAutorun(); });
    on(menus.compileExecutable, [this] { m_build->compileExecutable(); });
    on(menus.compileScreenSaver, [this] { m_build->compileScreenSaver(); });
    on(menus.compileIso, [this] { m_build->compileIso(); });
    on(menus.compileHtml, [this] { m_exports->compileHtml(); });
    on(menus.printBmp, [this] { m_exports->print(PrintPreview::Entry::Bmp); });
    on(menus.printClipboard, [this] { m_exports->print(PrintPreview::Entry::Clipboard); });
    on(menus.printPaper, [this] { m_exports->print(PrintPreview::Entry::Paper); });
    on(menus.properties, [this] { m_exports->fileProperties(); });
}

void DesignerSession::connectUndo()
{
    QUndoStack &stack = m_document->undoStack();
    MainMenus &menus = m_mainWindow->menus();
    m_mainWindow->addActions({menus.undo, menus.redo});
    connect(menus.undo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(menus.redo, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canUndoChanged, menus.undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, menus.redo, &QAction::setEnabled);
    menus.undo->setEnabled(stack.canUndo());
    menus.redo->setEnabled(stack.canRedo());
}

void DesignerSession::createShapeEditor()
{
    ShapeEditor::Host host;
    host.palette = m_palette;
    host.worksheet = m_worksheet;
    host.designerWindows = {m_palette, m_mainWindow, m_panel, m_mousePosition};
    host.look = [this] {
        const int colour = project().settings().backgroundColour;
        return ShapeSurface::Look{m_worksheet->size(),       colourvalue::toColor(colour),
                                  m_worksheet->background(), m_worksheet->twipsPerPixel(),
                                  project().shape().mid(1),  m_worksheet->itemsPicture()};
    };
    host.setShape = [this](const QList<ShapePoint> &shape) { m_document->setShape(shape); };
    host.transparencyImageSet = [this] { return !project().settings().transparencyImage.isEmpty(); };
    host.applyTheme = [this](QWidget *window) {
        appearanceapplier::apply(window, m_mainWindow->options().appearance());
    };
    m_shapeEditor = std::make_unique<ShapeEditor>(host, m_env.prompter);
}

QList<QWidget *> DesignerSession::themedWindows() const
{
    return {m_palette, m_mainWindow, m_panel, m_mousePosition};
}

void DesignerSession::applyAppearance(const Appearance &appearance)
{
    for (QWidget *window : themedWindows())
        appearanceapplier::apply(window, appearance);
}

void DesignerSession::showWindows()
{
    m_mainWindow->show();
    m_palette->show();
    m_worksheet->show();
    m_panel->show();
    m_mousePosition->setVisible(m_mainWindow->menus().mousePosition->isChecked());
    m_panel->activateWindow();
}

void DesignerSession::openStartupProject()
{
    const QString path = std::exchange(m_startupProject, QString());
    if (!path.isEmpty())
        m_document->open(path);
}

WizardWindow *DesignerSession::wizard() const
{
    return m_wizard;
}

void DesignerSession::openWizard()
{
    if (!m_wizard) {
        const auto open = [this](const QString &projectFile) { m_document->open(projectFile); };
        // Owned by the main window, so it stays above it.
        m_wizard = new WizardWindow({m_env.prompter, m_env.programFolder, open}, m_mainWindow);
        appearanceapplier::apply(m_wizard, m_mainWindow->options().appearance());
        m_wizard->move(
            screenmetrics::centredTopLeft(m_wizard->frameGeometry().size(), screenmetrics::availablePixels().center()));
    }
    m_wizard->show();
    m_wizard->raise();
    m_wizard->activateWindow();
}

void DesignerSession::shutDown()
{
    m_document->reset();
    for (ToolWindow *w : std::initializer_list<ToolWindow *>{m_palette, m_worksheet, m_panel, m_scriptEditor,
                                                             m_mousePosition, m_resources})
        w->hide();
    m_mainWindow->hide();
    for (ToolWindow *w : std::initializer_list<ToolWindow *>{m_palette, m_worksheet, m_panel, m_scriptEditor,
                                                             m_mousePosition, m_resources})
        w->closeForShutdown();
    // exit(), not quit(): quit() would ask every window, main window included, to close again.
    QCoreApplication::exit(0);
}
