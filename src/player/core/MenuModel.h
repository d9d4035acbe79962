#pragma once

#include "format/ButtonKind.h"

#include <string>
#include <vector>

// A compiled menu as the player shows it. Texts are UTF-8; multi-line values have
// their CR LF back; positions and sizes are twips; colours red + 256 * green + 65536 * blue.
struct MenuModel
{
    struct Button
    {
        int number = 0; // 1, 2, … in data order
        double left = 0;
        double top = 0;
        std::string normalImage;
        std::string hoverImage;
        std::string clickImage;
        ButtonKind kind = ButtonKind::None;
        std::string code; // the script, or the multimedia file of a "vidéo" button
        std::string hoverCode;
        bool transparent = false;
        int transparentColour = 0;
    };

    struct Text
    {
        int number = 0;
        std::string text;
        int backColour = 16777215;
        int textColour = 0;
        bool bold = false;
        bool italic = false;
        std::string fontName;
        double fontSize = 10;
        bool strikethrough = false;
        bool underline = false;
        double top = 0;
        double left = 0;
        double width = 0;
        double height = 0;
        bool scrollBar = false;
        bool readOnly = false;
    };

    struct Point
    {
        long long x = 0;
        long long y = 0;
    };

    std::string formatLine;
    std::string backgroundImage;
    bool fullScreen = false;
    double width = 12000; // outer size
    double height = 9000;
    bool contours = true;
    std::string projectName;
    std::string author;
    std::string backgroundMusic;

    std::string startupAction;
    int backgroundColour = 16777215;
    bool contextMenu = true;
    bool timerEnabled = false;
    int timerInterval = 1000;
    std::string timerCode;
    std::string globalCode;
    bool handCursor = true;
    std::string clickSound;
    std::string hoverSound;

    std::string transparencyImage;
    std::string windowHoverCode;

    std::vector<Button> buttons;
    std::vector<Text> texts;
    std::vector<Point> shape;

    // "VBS:" followed by code runs that code; anything else names a file to launch.
    bool startupIsScript() const;
    std::string startupScript() const;
};
