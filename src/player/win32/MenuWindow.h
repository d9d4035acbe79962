#pragma once

#include "player/core/MenuSession.h"
#include "player/core/PlayerFront.h"
#include "player/win32/PictureCache.h"
#include "player/win32/Sounds.h"
#include "player/win32/TextBox.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// The menu window on the Win32 API: it draws what its MenuSession says and forwards the
// pointer, the timer and typing to it.
class MenuWindow : public PlayerFront
{
public:
    MenuWindow(MenuModel menu, DiscPaths paths);
    ~MenuWindow() override;
    MenuWindow(const MenuWindow &) = delete;
    MenuWindow &operator=(const MenuWindow &) = delete;

    MenuSession &session() { return *m_session; }
    // Closes the window after its first frame (pictures and benchmarks).
    void setQuitAfterFirstFrame(bool on) { m_quitAfterFirstFrame = on; }
    // Makes and shows the window; false when the system refused to make it.
    bool start();

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

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK textProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc);
    void trackLeave();
    void showContextMenu(POINT screenPoint);
    void textChanged(HWND edit);
    HRGN shapeRegion(const WindowLook &look);

    DiscPaths m_paths;
    HWND m_window = nullptr;
    PictureCache m_pictures;
    std::vector<std::unique_ptr<TextBox>> m_texts;
    HCURSOR m_cursor = nullptr;
    HCURSOR m_pictureCursor = nullptr;
    Sounds m_sounds;
    bool m_fullScreen = false;
    bool m_tracking = false;
    bool m_showingText = false;
    bool m_quitAfterFirstFrame = false;
    bool m_painted = false;
    std::unique_ptr<MenuSession> m_session;
};
