#pragma once

#include <QPolygon>
#include <QRect>

// The part of a polygon inside a rectangle (Sutherland–Hodgman). Points inside the
// rectangle keep their winding number, so a winding-fill region built from the result
// covers there what the whole polygon would, however far its vertices lie outside.
QPolygon clipToRect(const QPolygon &polygon, const QRect &rect);
