#pragma once

#include <string>
#include <variant>

// What the scripts may change or read on the menu. Values are in the designer's units:
// positions and sizes in twips, colours red + 256 * green + 65536 * blue, texts UTF-8.
class MenuObjects
{
public:
    enum class Kind { Window, Timer, Button, Text, Background, Screen, Border };
    enum class Property {
        WindowState, Visible, Enabled, Caption, Text, BackColor, ForeColor,
        Left, Top, Width, Height, MousePointer, Locked, Interval,
        Alignment, FontBold, FontItalic, FontName, FontSize, FontStrikethru, FontUnderline, ScrollBar,
        Picture, Stretch, MouseIcon, // Picture and MouseIcon: the image file's path, empty for none
        BorderColor, BorderWidth, Shape // BorderWidth in pixels; Shape 0 rectangle, 2 oval, 4 rounded rectangle
    };
    using Value = std::variant<double, bool, std::string>;

    struct Target
    {
        Kind kind = Kind::Window;
        int number = 0; // of the button or text box
    };

    virtual ~MenuObjects() = default;

    virtual Value property(Target target, Property property) const = 0;
    virtual void setProperty(Target target, Property property, const Value &value) = 0;
    virtual void closeMenu() = 0;
    virtual void playSound(const std::string &path) = 0;
    virtual void playVideo(const std::string &path) = 0;
    // The command line a script gives to the shell's Run: a program, a document, a folder or an address.
    virtual void runCommand(const std::string &commandLine) = 0;
    // drive: a letter, or the disc's root folder for the menu's own drive.
    virtual void moveTray(bool open, const std::string &drive) = 0;
    // Returns the button pressed (1 = OK, 2 = Cancel, 6 = Yes, 7 = No …).
    virtual int messageBox(const std::string &text, int buttons, const std::string &title) = 0;
    // Returns the text typed, empty on Cancel.
    virtual std::string inputBox(const std::string &prompt, const std::string &title, const std::string &defaultText) = 0;
};
