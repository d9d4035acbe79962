#pragma once

#include "player/core/MenuModel.h"
#include "player/core/PlayerFront.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

class PlayerButton;
class Prompter;
class QAudioOutput;
class QMediaPlayer;
class QSoundEffect;
class QTextEdit;
class QTimer;
class ScriptHost;

// The menu window: background, texts and buttons where the data puts them, sounds,
// music, timer, context menu and the window's shape; what scripts may change on it.
class PlayerWindow : public QWidget, public PlayerFront
{
    Q_OBJECT

public:
    // mediaFolder holds the images and sounds; discRoot is the folder above zep/,
    // against which multimedia files are named.
    PlayerWindow(MenuModel menu, QString mediaFolder, QString discRoot, ScriptHost &scripts, Prompter &prompter,
                 QWidget *parent = nullptr);
    ~PlayerWindow() override;

    const MenuModel &menu() const { return m_menu; }
    // The outer size the data asks for, in pixels.
    QSize outerSize() const { return m_outerSize; }
    // How a multimedia file is opened; the desktop's default application by default.
    void setOpener(std::function<void(const QString &path)> opener) { m_opener = std::move(opener); }
    // How a program named by a script is started; detached by default.
    void setLauncher(std::function<void(const QString &program, const QStringList &arguments)> launcher)
    {
        m_launcher = std::move(launcher);
    }
    QString discPath(const QString &reference) const;
    // The scripts, when they need the window to be built first.
    void setScriptHost(ScriptHost &scripts) { m_scripts = &scripts; }

    // Shows the window as the data asks and runs the start-up action.
    void start();

    // The composed mask of shape and transparency image; empty for a plain window.
    QRegion windowMask() const { return m_mask; }

    Value property(Target target, Property property) const override;
    void setProperty(Target target, Property property, const Value &value) override;
    void closeMenu() override;
    void playSound(const std::string &path) override;
    void runCommand(const std::string &commandLine) override;
    void moveTray(bool open, const std::string &drive) override;
    int messageBox(const std::string &text, int buttons, const std::string &title) override;
    std::string inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText) override;

signals:
    void firstFrameShown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    double toPixelsX(double twips) const;
    double toPixelsY(double twips) const;
    QWidget *widgetOf(Target target) const;
    void applyCursor(Target target);
    QString mediaPath(const std::string &name) const;
    QPixmap pixmap(const std::string &name) const;
    void buildItems();
    void buildMask();
    void buildMedia();
    void buttonEntered(int number);
    void buttonPressed(int number);
    void buttonClicked(int number);
    void showAbout();
    void open(const QString &reference);

    MenuModel m_menu;
    QString m_mediaFolder;
    QString m_discRoot;
    ScriptHost *m_scripts;
    Prompter &m_prompter;
    std::function<void(const QString &)> m_opener;
    std::function<void(const QString &, const QStringList &)> m_launcher;
    double m_twipsX = 15;
    double m_twipsY = 15;
    QSize m_outerSize;
    QImage m_background;
    QRegion m_mask;
    QList<PlayerButton *> m_buttons;
    QList<QTextEdit *> m_texts;
    std::map<std::pair<int, int>, int> m_pointers; // MousePointer by kind and number
    QMap<std::pair<int, int>, std::string> m_pictures; // Picture paths given by scripts
    QMap<std::pair<int, int>, std::string> m_icons;    // MouseIcon paths given by scripts
    bool m_stretch = true;
    struct Border
    {
        bool visible = false;
        int colour = 0;
        int width = 1;
        int shape = 0;
    } m_border;
    QSoundEffect *m_clickSound = nullptr;
    QSoundEffect *m_hoverSound = nullptr;
    QMediaPlayer *m_music = nullptr;
    QAudioOutput *m_audio = nullptr;
    QMediaPlayer *m_scriptSound = nullptr;
    QAudioOutput *m_scriptAudio = nullptr;
    QTimer *m_timer = nullptr;
    bool m_painted = false;
};
