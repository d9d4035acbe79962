#pragma once

#include <QtGlobal>

// A vertex of the menu window's outline, in the shape editor's units.
struct ShapePoint
{
    qint32 x = 0;
    qint32 y = 0;

    bool operator==(const ShapePoint &) const = default;
};
