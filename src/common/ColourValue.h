#pragma once

#include <QColor>

// Colours as project files and scripts store them: red + 256 × green + 65536 × blue.
// For the libraries that paint (QtGui); the players' core reads the same value itself.
namespace colourvalue {

inline QColor toColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int fromColor(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

} // namespace colourvalue
