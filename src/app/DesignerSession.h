#pragma once


#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class AppearanceFile;
class BuildCommands;
class DesignerDocument;
class DesignerExports;
class FileAssociation;
class LanguagePack;
class DocumentLifecycle;
class MainWindow;
class ManualLink;
class MenuProject;
class MousePositionWindow;
class ObjectsPalette;
class ParametersPanel;
class ProjectStorage;
class Prompter;
class RecentFiles;
class ResourcesWindow;
class ScriptEditorWindow;
class SettingsStore;
class ShapeEditor;
class ToolWindow;
class WebLinks;
class WizardWindow;
class Worksheet;

// Everything the running designer is made of: the project, its storage, the settings
// and the windows, created in the order the start-up needs.
class DesignerSession : public QObject
{
    Q_OBJECT

public:
    struct Environment
    {
        QString programFolder; // ends with "/"
        SettingsStore &settings;
        Prompter &prompter;
        // Where the file association is written; empty: the user's own folders.
        QString dataFolder;
        QString configFolder;

        FileAssociation association() const;
    };

    explicit DesignerSession(Environment environment);
    ~DesignerSession() override;

    const Environment &environment() const { return m_env; }

    // Creates the windows in their fixed order: objects palette, main window (which
    // records the installation, reads the options and the recent files), worksheet,
    // parameters panel, script editor, mouse position window.
    void createWindows(bool startupProjectNamed);
    // The designer windows the appearances recolour, in their order.
    QList<QWidget *> themedWindows() const;
    void showWindows();
    void shutDown();

    // Opened once, the first time the parameters panel becomes active.
    void setStartupProject(const QString &path) { m_startupProject = path; }
    bool wizardRequested() const { return m_wizardRequested; }

    // The open project, its edits, undo stack, file and folder.
    DesignerDocument &document() { return *m_document; }
    MenuProject &project();
    ProjectStorage &storage();
    DocumentLifecycle &lifecycle() { return *m_lifecycle; }
    RecentFiles &recentFiles() { return *m_recent; }
    BuildCommands &build() { return *m_build; }
    DesignerExports &exports() { return *m_exports; }

    ObjectsPalette *palette() const { return m_palette; }
    MainWindow *mainWindow() const { return m_mainWindow; }
    Worksheet *worksheet() const { return m_worksheet; }
    ParametersPanel *parametersPanel() const { return m_panel; }
    ScriptEditorWindow *scriptEditor() const { return m_scriptEditor; }
    MousePositionWindow *mousePosition() const { return m_mousePosition; }
    ResourcesWindow *resources() const { return m_resources; }
    ShapeEditor &shapeEditor() { return *m_shapeEditor; }
    // The project wizard while it is up.
    WizardWindow *wizard() const;
    void openWizard();

private:
    void openStartupProject();
    void connectMenuCommands();
    void connectDesignSurface();
    void connectUndo();
    void createShapeEditor();
    void applyAppearance(const struct Appearance &appearance);

    Environment m_env;
    std::unique_ptr<DesignerDocument> m_document;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<AppearanceFile> m_appearances;
    std::unique_ptr<ManualLink> m_manual;
    std::unique_ptr<WebLinks> m_links;
    std::unique_ptr<DocumentLifecycle> m_lifecycle;
    std::unique_ptr<BuildCommands> m_build;
    std::unique_ptr<DesignerExports> m_exports;
    std::unique_ptr<ShapeEditor> m_shapeEditor;
    ObjectsPalette *m_palette = nullptr;
    MainWindow *m_mainWindow = nullptr;
    Worksheet *m_worksheet = nullptr;
    ParametersPanel *m_panel = nullptr;
    ScriptEditorWindow *m_scriptEditor = nullptr;
    MousePositionWindow *m_mousePosition = nullptr;
    ResourcesWindow *m_resources = nullptr;
    LanguagePack *m_pack = nullptr;
    QPointer<WizardWindow> m_wizard;
    QString m_startupProject;
    bool m_wizardRequested = false;
};
