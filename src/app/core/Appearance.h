#pragma once

#include <QColor>
#include <QString>

class QPalette;

// A named set of three colours and a font for the designer's tool windows. Colours are
// red + 256 × green + 65536 × blue.
struct Appearance
{
    QString name;
    int windowBackground = 0;
    int fieldBackground = 0;
    int textColour = 0;
    QString font; // empty: the fallback font

    // The built-in "Par défaut": the system's button-face, window and button-text colours.
    static Appearance systemDefault(const QPalette &palette);
    static QString defaultName();
    static QString fallbackFont(); // "MS Sans Serif"

    QString effectiveFont() const { return font.isEmpty() ? fallbackFont() : font; }

    // The leading number of a file line; what is no colour (out of range) reads as 0.
    static int colourFromLine(QStringView line);

    bool operator==(const Appearance &) const = default;
};
