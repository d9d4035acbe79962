#pragma once

#include "common/Twips.h"
#include "player/core/DiscPaths.h"
#include "player/core/MenuModel.h"
#include "player/core/MenuObjects.h"
#include "player/core/MenuScriptHost.h"
#include "player/core/PlayerFront.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

class PlayerPainter;

// One run of a menu, whatever system shows it: every rule of what happens when. The front
// draws and forwards the pointer, the timer and typing; the session decides what each event
// means, keeps what the scripts see, and tells the front what to show.
class MenuSession : public MenuObjects
{
public:
    // Reads the screen of the front at once, so twips become pixels at its real density.
    MenuSession(MenuModel menu, PlayerFront &front, DiscPaths paths);
    ~MenuSession() override;
    MenuSession(const MenuSession &) = delete;
    MenuSession &operator=(const MenuSession &) = delete;

    // How long a script may run before it is interrupted.
    void setTimeLimit(std::chrono::milliseconds limit);

    // Makes and shows the window, starts the music and the timer, then runs the global
    // code and the start-up action.
    void start();
    // The window's own picture over its client area: background, border, buttons, outline.
    void paint(PlayerPainter &painter, PixelSize client) const;

    // Events of the window, in client pixels.
    void pointerMoved(PixelPoint at);
    void pointerLeft();
    void pointerPressed(PixelPoint at); // the left button
    void pointerReleased(PixelPoint at);
    void timerTicked();
    // The user typed in text box number; lines end with CR LF.
    void textEdited(int number, const std::string &text);
    // The right-click menu's entries, "" for a separator; none when the menu has it off.
    std::vector<std::string> contextMenu() const;
    void contextMenuChosen(std::size_t index);

    // Where the pointer is, for a front that looks the item up itself: 0 for none.
    int buttonAt(PixelPoint at) const;

    Value property(Target target, Property property) const override;
    void setProperty(Target target, Property property, const Value &value) override;
    void closeMenu() override;
    void playSound(const std::string &path) override;
    void playVideo(const std::string &path) override;
    void runCommand(const std::string &commandLine) override;
    void moveTray(bool open, const std::string &drive) override;
    int messageBox(const std::string &text, int buttons, const std::string &title) override;
    std::string inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText) override;

private:
    enum class Look { Normal, Hover, Click };
    struct Button
    {
        PixelPoint at;
        std::string images[3]; // normal, hover, click; empty when missing or unreadable
        PixelSize sizes[3];
        bool visible = true;
        bool enabled = true;
        int pointer = 0;
        std::string icon;
    };
    struct Text
    {
        TextBoxLook look;
        int pointer = 0;
        std::string icon;
    };

    int pixelsX(double twips) const;
    int pixelsY(double twips) const;
    // A picture's size on the screen: its pixels are 96-dpi pixels.
    PixelSize shownSize(PixelSize picture) const;
    void tellCannotStart(const std::string &target);
    Button *button(int number);
    Text *text(int number);
    PixelRect rectOf(const Button &b) const;
    bool reachable(int number) const;
    Target itemAt(PixelPoint at) const;
    Look lookOf(int number) const;
    void track(PixelPoint at);
    void hover(int number);
    void activate(int number);
    void forgetUnreachable();
    void updateCursor();
    Cursor cursorOf(int pointer, const std::string &icon, CursorShape fallback) const;
    void applyTimer();
    void setButton(Button &b, Property property, double number, bool flag, const std::string &text);
    void setText(int number, Text &t, Property property, double value, bool flag, const std::string &text);
    void setWindow(Property property, double number, bool flag, const std::string &text);
    Value textProperty(const Text &t, Property property) const;
    Value windowProperty(Property property) const;

    MenuModel m_menu;
    PlayerFront &m_front;
    DiscPaths m_paths;
    TwipsPerPixel m_twips;
    PixelSize m_screen;
    PixelRect m_workArea;
    struct
    {
        double x = 1;
        double y = 1;
    } m_pictureScale;
    std::vector<Button> m_buttons;
    std::vector<Text> m_texts;

    std::string m_title;
    int m_windowState = 0;
    bool m_windowVisible = false;
    int m_windowPointer = 0;
    std::string m_windowIcon;
    int m_screenPointer = 0;
    std::string m_screenIcon;
    std::string m_background;
    PixelSize m_backgroundSize;
    bool m_stretch = true;
    struct
    {
        bool visible = false;
        int colour = 0;
        int width = 1;
        int shape = 0;
    } m_border;
    bool m_timerEnabled = false;
    int m_timerInterval = 0;

    bool m_inside = false;
    PixelPoint m_pointerAt;
    int m_hovered = 0;
    int m_pressed = 0;
    Cursor m_cursor;
    bool m_cursorSent = false;

    MenuScriptHost m_scripts;
};
