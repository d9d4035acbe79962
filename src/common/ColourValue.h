#pragma once

#include "format/MenuFormat.h"

#include <QColor>

// Colours as project files and scripts store them (menuformat::colourValue), as Qt
// colours: for the libraries that paint.
namespace colourvalue {

inline QColor toColor(int value)
{
    return QColor(menuformat::redOf(value), menuformat::greenOf(value), menuformat::blueOf(value));
}

inline int fromColor(const QColor &colour)
{
    return menuformat::colourValue(colour.red(), colour.green(), colour.blue());
}

} // namespace colourvalue
