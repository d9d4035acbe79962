#pragma once

#include <string_view>

// The fixed words of the project file and of the menu data a compiled player carries,
// as Windows-1252 bytes. Standard C++ only: the designer's writers and readers and the
// players' parser all take them from here.
namespace menuformat {

// Section headers, shared by project files and menu data.
inline constexpr std::string_view kFormat = "[Format]";
inline constexpr std::string_view kAuthor = "[Auteur]";
inline constexpr std::string_view kGeneral = "[G\xE9n\xE9ral]";
inline constexpr std::string_view kParamsPlus = "[ParamsPlus]";
inline constexpr std::string_view kOther = "[Autre]";
inline constexpr std::string_view kButton = "[Bouton]";
inline constexpr std::string_view kText = "[Texte]";
inline constexpr std::string_view kShape = "[FormeMenu]";
inline constexpr std::string_view kShapeEnd = "[/FormeMenu]";

// A full-screen menu stores these two lines in place of its width and height.
inline constexpr std::string_view kFullScreenWidth = "plein";
inline constexpr std::string_view kFullScreenHeight = "ecran";

// Colours are stored as red + 256 × green + 65536 × blue.
constexpr int redOf(int value)
{
    return value & 0xFF;
}
constexpr int greenOf(int value)
{
    return (value >> 8) & 0xFF;
}
constexpr int blueOf(int value)
{
    return (value >> 16) & 0xFF;
}
constexpr int colourValue(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// A start-up action that starts with this runs the code after it.
inline constexpr std::string_view kScriptPrefix = "VBS:";

// Menu data: the marker opens the one line appended to the player, whose fields are
// joined by the separator; the first field starts with the format prefix.
inline constexpr std::string_view kDataMarker = "(debut)\xAC";
inline constexpr char kSeparator = '\xAC';
inline constexpr std::string_view kDataFormatPrefix = "FICHIER DAT COMPATIBLE ZEP";
inline constexpr std::string_view kLastLinePrefix = "FICHIER GENERE PAR ZEP - COPYRIGHT ";

// The picture a transparent button shows in the player: its image composed over the
// menu background, named after the image with this ending.
inline constexpr std::string_view kCompanionSuffix = "_transp.bmp";

} // namespace menuformat
