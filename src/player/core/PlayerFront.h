#pragma once

#include "format/MenuFormat.h"

#include <string>
#include <vector>

// Positions and sizes in pixels; window frames in screen coordinates, the rest in the
// window's client area.
struct PixelPoint
{
    int x = 0;
    int y = 0;
};

struct PixelSize
{
    int width = 0;
    int height = 0;
};

struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool contains(PixelPoint p) const { return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height; }
};

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    // From the designer's stored value.
    static Rgb fromValue(int value)
    {
        return {menuformat::redOf(value), menuformat::greenOf(value), menuformat::blueOf(value)};
    }
    int value() const { return menuformat::colourValue(red, green, blue); }
    bool operator==(const Rgb &) const = default;
};

struct ScreenInfo
{
    PixelSize size{800, 600};
    double dpiX = 96;
    double dpiY = 96;
    PixelRect workArea; // the screen less the task bar; empty for the whole screen
};

enum class CursorShape {
    Arrow, Cross, IBeam, SizeAll, SizeNeSw, SizeNS, SizeNwSe, SizeWE, UpArrow, Wait, No, ArrowWait, ArrowQuestion,
    Hand,
    Picture // the image file in Cursor::picture
};

struct Cursor
{
    CursorShape shape = CursorShape::Arrow;
    std::string picture;
    bool operator==(const Cursor &) const = default;
};

// How a text box looks; the front keeps its own edit control in step with it.
struct TextBoxLook
{
    enum class Alignment { Left, Right, Centre };

    PixelRect rect;
    bool visible = true;
    bool locked = false; // read-only
    bool scrollBar = false; // a vertical one, always shown
    std::string text; // lines end with CR LF
    Rgb back{255, 255, 255};
    Rgb fore;
    std::string fontName;
    double fontSize = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    Alignment alignment = Alignment::Left;
};

struct WindowLook
{
    std::string title;
    // The menu's place and size: its inside, frame excluded, as on the worksheet. A framed
    // window's frame comes around it.
    PixelRect frame;
    bool framed = true; // a caption and border of the system; else a bare window
    bool fullScreen = false;
    std::vector<PixelPoint> shape; // polygon (winding fill) the window is cut to; empty for none
    std::string holesPicture; // image stretched over the frame whose white pixels are cut away; empty for none
};

enum class SoundChannel {
    Hover, Click,
    Music, // loops until the menu ends
    Script // Action's sounds
};

// What a menu window must do for the session (MenuSession). Paths are absolute, with "/"
// between folders (a front turns them to "\" if its system needs it); texts are UTF-8.
class PlayerFront
{
public:
    virtual ~PlayerFront() = default;

    // The screen the menu opens on: its size in pixels and its dots per inch.
    virtual ScreenInfo screenInfo() const = 0;
    // The user's regional settings as a Windows locale identifier (1036 French), 0 for unknown.
    virtual int userLocale() const = 0;
    // Makes the menu window, not yet shown; called once, at start, before it is shown, moved or drawn.
    virtual void createWindow(const WindowLook &look) = 0;
    // Shows (full screen if the look said so) or hides the window.
    virtual void setWindowVisible(bool visible) = 0;
    // 0 normal, 1 minimized, 2 maximized.
    virtual void showWindowState(int state) = 0;
    // Puts the window's top-left corner, frame included, at x, y and makes its inside
    // width x height: the menu's size means what the worksheet shows.
    virtual void setWindowFrame(PixelRect frame) = 0;
    // The same now, wherever the user moved the window: the frame's corner, the inside's size.
    virtual PixelRect windowFrame() const = 0;
    // The caption in the window's title bar and task bar.
    virtual void setTitle(const std::string &title) = 0;
    // The window's picture changed: paint it again soon through MenuSession::paint.
    virtual void invalidate() = 0;
    // Reads an image file for the painter; its size in the file's own pixels, or 0 x 0 when it
    // cannot be read.
    virtual PixelSize loadPicture(const std::string &path) = 0;
    // Creates text box number (1, 2, …) or brings it to look; an unchanged text keeps its caret.
    virtual void showText(int number, const TextBoxLook &look) = 0;
    // The pointer's look over the whole window from now on.
    virtual void showCursor(const Cursor &cursor) = 0;
    // Calls MenuSession::timerTicked every interval until stopMenuTimer; a new start replaces the old.
    virtual void startMenuTimer(int milliseconds) = 0;
    virtual void stopMenuTimer() = 0;
    // Plays a sound file on its channel, replacing what that channel played; a missing file is silence.
    virtual void playSound(SoundChannel channel, const std::string &path) = 0;
    // Plays a video file, in a window of its own or with the system's player.
    virtual void playVideo(const std::string &path) = 0;
    // Starts a program with its argument line; a file that is no program is opened as a
    // document; a name without a folder is a program the system finds. False when it failed.
    virtual bool runProgram(const std::string &path, const std::string &arguments) = 0;
    // Opens a document, folder or address (http:, mailto:) with the system's own application;
    // false when it failed.
    virtual bool openDocument(const std::string &target) = 0;
    // Opens or closes the tray of a drive: a letter, or the disc's root folder for the menu's own drive.
    virtual void moveTray(bool open, const std::string &drive) = 0;
    // A modal box with VBScript's MsgBox buttons value; returns the button pressed (1 OK, 2 Cancel, … 7 No).
    virtual int messageBox(const std::string &text, int buttons, const std::string &title) = 0;
    // A modal input box; returns the text typed, empty on Cancel.
    virtual std::string inputBox(const std::string &prompt, const std::string &title,
                                 const std::string &defaultText) = 0;
    // Ends the menu: the window closes, sounds stop, the program returns 0.
    virtual void endMenu() = 0;
};
