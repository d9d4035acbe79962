#include "shape/DouglasPeucker.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

double squaredDistanceToSegment(QPoint p, QPoint a, QPoint b)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double px = p.x() - a.x();
    const double py = p.y() - a.y();
    const double length = dx * dx + dy * dy;
    double t = length > 0 ? (px * dx + py * dy) / length : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = px - t * dx;
    const double ey = py - t * dy;
    return ex * ex + ey * ey;
}

// Marks the points to keep between first and last (both kept already), without
// recursion so that long outlines cannot exhaust the stack.
void simplifyChain(const QList<QPoint> &points, qsizetype first, qsizetype last, double squaredTolerance,
                   std::vector<char> &keep)
{
    const qsizetype n = points.size();
    std::vector<std::pair<qsizetype, qsizetype>> pending{{first, last}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        double worst = squaredTolerance;
        qsizetype worstAt = -1;
        for (qsizetype i = from + 1; i < to; ++i) {
            const double d = squaredDistanceToSegment(points[i % n], points[from % n], points[to % n]);
            if (d > worst) {
                worst = d;
                worstAt = i;
            }
        }
        if (worstAt < 0)
            continue;
        keep[worstAt % n] = 1;
        pending.emplace_back(from, worstAt);
        pending.emplace_back(worstAt, to);
    }
}

} // namespace

QList<QPoint> simplifyRing(const QList<QPoint> &ring, double tolerance)
{
    const qsizetype n = ring.size();
    if (n <= 3)
        return ring;
    // The point farthest from the first splits the ring into two open chains.
    qsizetype far = 0;
    double farthest = -1;
    for (qsizetype i = 1; i < n; ++i) {
        const double dx = ring[i].x() - ring[0].x();
        const double dy = ring[i].y() - ring[0].y();
        if (dx * dx + dy * dy > farthest) {
            farthest = dx * dx + dy * dy;
            far = i;
        }
    }
    std::vector<char> keep(size_t(n), 0);
    keep[0] = 1;
    keep[size_t(far)] = 1;
    const double squaredTolerance = tolerance * tolerance;
    simplifyChain(ring, 0, far, squaredTolerance, keep);
    simplifyChain(ring, far, n, squaredTolerance, keep);
    QList<QPoint> kept;
    for (qsizetype i = 0; i < n; ++i) {
        if (keep[size_t(i)])
            kept.append(ring[i]);
    }
    return kept;
}
