#pragma once

#include <QList>
#include <QPoint>

// Douglas–Peucker simplification of a closed ring of points (the first point is not
// repeated at the end): the points whose removal moves the outline by more than the
// tolerance stay, in their order, the first one always among them.
QList<QPoint> simplifyRing(const QList<QPoint> &ring, double tolerance);
