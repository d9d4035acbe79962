#pragma once

#include "player/core/MenuModel.h"
#include "player/core/PlayerFront.h"
#include "player/win32/Bitmap.h"
#include "player/win32/Shell.h"
#include "player/win32/Sounds.h"
#include "player/win32/TextBox.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class ScriptHost;

// The menu window on the Win32 API: background, buttons drawn in the window itself,
// text boxes as edit controls, sounds, music, timer, context menu and the window's
// shape; what scripts may change on it.
class MenuWindow : public PlayerFront
{
public:
    // mediaFolder holds the images and sounds (the zep folder).
    MenuWindow(MenuModel menu, std::wstring mediaFolder, Shell &shell);
    ~MenuWindow() override;
    MenuWindow(const MenuWindow &) = delete;
    MenuWindow &operator=(const MenuWindow &) = delete;

    const MenuModel &menu() const { return m_menu; }
    HWND handle() const { return m_window; }
    void setScriptHost(ScriptHost &scripts) { m_scripts = &scripts; }
    // Closes the window after its first frame (pictures and benchmarks).
    void setQuitAfterFirstFrame(bool on) { m_quitAfterFirstFrame = on; }

    // Creates and shows the window as the data asks, then runs the start-up action.
    bool start();

    Value property(Target target, Property property) const override;
    void setProperty(Target target, Property property, const Value &value) override;
    void closeMenu() override;
    void playSound(const std::string &path) override;
    void runCommand(const std::string &commandLine) override;
    void moveTray(bool open, const std::string &drive) override;
    int messageBox(const std::string &text, int buttons, const std::string &title) override;
    std::string inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText) override;

private:
    struct Button
    {
        int number = 0;
        POINT position{};
        Bitmap normal;
        Bitmap hover;
        Bitmap click;
        bool visible = true;
        bool enabled = true;
        std::string picture; // a script's picture in place of the normal image
        RECT box() const;
    };
    enum class Look { Normal, Hover, Click };

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    int toPixelsX(double twips) const;
    int toPixelsY(double twips) const;
    std::wstring mediaPath(const std::string &name) const;
    Bitmap picture(const std::string &name) const;
    Bitmap pictureFile(const std::string &path) const;
    void buildItems();
    void buildShape();
    SIZE clientSize() const;

    void paint(HDC dc);
    void paintButton(HDC dc, const Button &button) const;
    void invalidate(const Button &button);
    Button *buttonAt(POINT point);
    void pointerMoved(POINT point);
    void pointerLeft();
    void pressed(POINT point);
    void released(POINT point);
    void clicked(int number);
    bool setCursor();
    void showContextMenu(POINT screenPoint);
    void tick();
    void open(const std::string &reference);

    Button *buttonOf(Target target);
    const Button *buttonOf(Target target) const;
    TextBox *textOf(Target target) const;
    RECT boxOf(Target target) const;
    void setBox(Target target, Property property, int pixels);
    HCURSOR cursorFor(Target target) const;

    MenuModel m_menu;
    std::wstring m_mediaFolder;
    Shell &m_shell;
    ScriptHost *m_scripts = nullptr;
    HWND m_window = nullptr;
    int m_dpiX = 96;
    int m_dpiY = 96;
    SIZE m_outerSize{};
    bool m_frame = true;
    Bitmap m_background;
    Bitmap m_backgroundScaled;
    bool m_stretch = true;
    std::string m_backgroundPicture;
    std::vector<Button> m_buttons;
    std::vector<std::unique_ptr<TextBox>> m_texts;
    HRGN m_shape = nullptr;
    int m_hovered = 0;
    int m_pressed = 0;
    bool m_tracking = false;
    bool m_timerOn = false;
    int m_interval = 1000;
    bool m_windowHoverFailed = false;
    std::map<std::pair<int, int>, int> m_pointers; // MousePointer by kind and number
    std::map<std::pair<int, int>, std::string> m_icons; // MouseIcon paths given by scripts
    mutable std::map<std::string, HCURSOR> m_iconCursors;
    struct Border
    {
        bool visible = false;
        int colour = 0;
        int width = 1;
        int shape = 0;
    } m_border;
    Sounds m_sounds;
    bool m_quitAfterFirstFrame = false;
    bool m_painted = false;
};
