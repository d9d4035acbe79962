#include "shape/PolygonClip.h"

#include <QList>
#include <QPointF>

#include <cmath>
#include <functional>

namespace {

// Keeps the side of one edge of the rectangle where inside() holds.
QList<QPointF> clipEdge(const QList<QPointF> &points, const std::function<bool(const QPointF &)> &inside,
                        const std::function<QPointF(const QPointF &, const QPointF &)> &crossing)
{
    QList<QPointF> kept;
    if (points.isEmpty())
        return kept;
    kept.reserve(points.size() + 4);
    QPointF previous = points.last();
    bool previousInside = inside(previous);
    for (const QPointF &current : points) {
        const bool currentInside = inside(current);
        if (currentInside != previousInside)
            kept.append(crossing(previous, current));
        if (currentInside)
            kept.append(current);
        previous = current;
        previousInside = currentInside;
    }
    return kept;
}

QPointF atX(const QPointF &a, const QPointF &b, double x)
{
    return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
}

QPointF atY(const QPointF &a, const QPointF &b, double y)
{
    return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
}

} // namespace

QPolygon clipToRect(const QPolygon &polygon, const QRect &rect)
{
    const double left = rect.left();
    const double right = rect.left() + rect.width();
    const double top = rect.top();
    const double bottom = rect.top() + rect.height();
    QList<QPointF> points;
    points.reserve(polygon.size());
    for (const QPoint &p : polygon)
        points.append(QPointF(p));
    points = clipEdge(
        points, [&](const QPointF &p) { return p.x() >= left; },
        [&](const QPointF &a, const QPointF &b) { return atX(a, b, left); });
    points = clipEdge(
        points, [&](const QPointF &p) { return p.x() <= right; },
        [&](const QPointF &a, const QPointF &b) { return atX(a, b, right); });
    points = clipEdge(
        points, [&](const QPointF &p) { return p.y() >= top; },
        [&](const QPointF &a, const QPointF &b) { return atY(a, b, top); });
    points = clipEdge(
        points, [&](const QPointF &p) { return p.y() <= bottom; },
        [&](const QPointF &a, const QPointF &b) { return atY(a, b, bottom); });
    QPolygon clipped;
    clipped.reserve(points.size());
    for (const QPointF &p : points)
        clipped.append(QPoint(int(std::lround(p.x())), int(std::lround(p.y()))));
    return clipped;
}
