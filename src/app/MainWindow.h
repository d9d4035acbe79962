#pragma once

#include "app/core/Appearance.h"
#include "common/ZepError.h"
#include "common/gui/ToolWindow.h"

#include <functional>

class AppearanceEditor;
class AppearanceFile;
class DocumentLifecycle;
class ManualLink;
class MenuLabelBar;
class OptionsController;
class PluginMenu;
class Prompter;
class QLabel;
class QLineEdit;
class RecentFiles;
class RecentFilesMenu;
class WebLinks;
struct MainMenus;

// Form2: the thin bar above the worksheet that carries the program's menus and owns
// the life of the open project.
class MainWindow : public ToolWindow
{
    Q_OBJECT

public:
    static constexpr double kWidthTwips = 10500;

    struct Services
    {
        QString programFolder;
        Prompter &prompter;
        DocumentLifecycle &lifecycle;
        RecentFiles &recentFiles;
        AppearanceFile &appearances;
        ManualLink &manual;
        WebLinks &links;
        std::function<ZepError()> associate;
    };

    // The print, properties, test and compile entries are connected by the session.
    MainWindow(Services services, QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString caption();

    MainMenus &menus() { return *m_menus; }
    MenuLabelBar &labels() { return *m_labels; }
    OptionsController &options() { return *m_options; }
    RecentFilesMenu &recentMenu() { return *m_recentMenu; }
    PluginMenu &plugins() { return *m_plugins; }
    // Once the language pack has run: a failure is told in the pack's words.
    void loadPlugins();
    AppearanceEditor &appearanceEditor() { return *m_editor; }

    // The design colours and font that "Par défaut" and the first run start from.
    Appearance designedAppearance() const;
    void openAppearanceEditor();
    void closeAppearanceEditor();
    void layOutBar();

signals:
    // An appearance to put on the four tool windows.
    void appearanceApplied(const Appearance &appearance);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectDocumentCommands();
    void connectOptionsAndHelp();

    Services m_services;
    std::unique_ptr<MainMenus> m_menus;
    MenuLabelBar *m_labels;
    OptionsController *m_options;
    RecentFilesMenu *m_recentMenu;
    AppearanceEditor *m_editor;
    QLineEdit *m_sampleField;
    QLabel *m_sampleLabel;
    PluginMenu *m_plugins;
};
