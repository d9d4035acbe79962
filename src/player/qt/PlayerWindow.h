#pragma once

#include "player/core/MenuSession.h"
#include "player/core/PlayerFront.h"
#include "player/qt/QtPictureCache.h"

#include <QImage>
#include <QList>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class Prompter;
class QAudioOutput;
class QMediaPlayer;
class QSoundEffect;
class QTextEdit;
class QTimer;

// The menu window on Qt: it draws what its MenuSession says and forwards the pointer, the
// timer and typing to it.
class PlayerWindow : public QWidget, public PlayerFront
{
    Q_OBJECT

public:
    // mediaFolder holds the images and sounds; discRoot is the folder above zep/.
    PlayerWindow(MenuModel menu, const QString &mediaFolder, const QString &discRoot, Prompter &prompter,
                 QWidget *parent = nullptr);
    ~PlayerWindow() override;

    MenuSession &session() { return *m_session; }
    // How a document, folder or address is opened; the desktop's default application by
    // default. Each says whether the system took it.
    void setOpener(std::function<bool(const QString &path)> opener) { m_opener = std::move(opener); }
    // How a program is started; detached by default.
    void setLauncher(std::function<bool(const QString &program, const QStringList &arguments)> launcher)
    {
        m_launcher = std::move(launcher);
    }

    void start() { m_session->start(); }

    // The composed mask of shape and transparency image; empty for a plain window.
    QRegion windowMask() const { return m_mask; }

    ScreenInfo screenInfo() const override;
    int userLocale() const override;
    void createWindow(const WindowLook &look) override;
    void setWindowVisible(bool visible) override;
    void showWindowState(int state) override;
    void setWindowFrame(PixelRect frame) override;
    PixelRect windowFrame() const override;
    void setTitle(const std::string &title) override;
    void invalidate() override;
    PixelSize loadPicture(const std::string &path) override;
    void showText(int number, const TextBoxLook &look) override;
    void showCursor(const Cursor &cursor) override;
    void startMenuTimer(int milliseconds) override;
    void stopMenuTimer() override;
    void playSound(SoundChannel channel, const std::string &path) override;
    void playVideo(const std::string &path) override;
    bool runProgram(const std::string &path, const std::string &arguments) override;
    bool openDocument(const std::string &target) override;
    void moveTray(bool open, const std::string &drive) override;
    int messageBox(const std::string &text, int buttons, const std::string &title) override;
    std::string inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText) override;
    void endMenu() override;

signals:
    void firstFrameShown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextEdit *textBox(int number);

    Prompter &m_prompter;
    std::function<bool(const QString &)> m_opener;
    std::function<bool(const QString &, const QStringList &)> m_launcher;
    QtPictureCache m_pictures;
    bool m_fullScreen = false;
    QRegion m_mask;
    QList<QTextEdit *> m_texts;
    QSoundEffect *m_effects[2] = {nullptr, nullptr}; // hover, click
    QMediaPlayer *m_players[2] = {nullptr, nullptr}; // music, script
    QAudioOutput *m_outputs[2] = {nullptr, nullptr};
    QTimer *m_timer = nullptr;
    bool m_painted = false;
    std::unique_ptr<MenuSession> m_session;
};
