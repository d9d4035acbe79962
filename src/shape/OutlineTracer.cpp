#include "shape/OutlineTracer.h"

#include "shape/DouglasPeucker.h"

#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

struct Run
{
    int y;
    int x0; // first pixel
    int x1; // one past the last pixel
};

class RunSets
{
public:
    explicit RunSets(size_t count) : m_parent(count) { std::iota(m_parent.begin(), m_parent.end(), 0); }

    int find(int i)
    {
        while (m_parent[size_t(i)] != i) {
            m_parent[size_t(i)] = m_parent[size_t(m_parent[size_t(i)])];
            i = m_parent[size_t(i)];
        }
        return i;
    }
    void join(int a, int b)
    {
        a = find(a);
        b = find(b);
        if (a != b)
            m_parent[size_t(std::max(a, b))] = std::min(a, b);
    }

private:
    std::vector<int> m_parent;
};

// Runs of inside pixels, row by row; rowStart[y] is the first run of row y.
void findRuns(const QImage &image, QRgb key, std::vector<Run> &runs, std::vector<size_t> &rowStart)
{
    const auto near = [](int a, int b) { return std::abs(a - b) <= OutlineTracer::kColourTolerance; };
    const auto outside = [&](QRgb p) {
        return qAlpha(p) == 0 ||
               (near(qRed(p), qRed(key)) && near(qGreen(p), qGreen(key)) && near(qBlue(p), qBlue(key)));
    };
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        rowStart[size_t(y)] = runs.size();
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int x = 0;
        while (x < w) {
            while (x < w && outside(line[x]))
                ++x;
            if (x == w)
                break;
            const int start = x;
            while (x < w && !outside(line[x]))
                ++x;
            runs.push_back(Run{y, start, x});
        }
    }
    rowStart[size_t(image.height())] = runs.size();
}

// Runs that touch, diagonals included, belong to one region.
void joinTouchingRuns(const std::vector<Run> &runs, const std::vector<size_t> &rowStart, int height, RunSets &sets)
{
    for (int y = 1; y < height; ++y) {
        size_t a = rowStart[size_t(y - 1)];
        size_t b = rowStart[size_t(y)];
        const size_t aEnd = b;
        const size_t bEnd = rowStart[size_t(y + 1)];
        while (a < aEnd && b < bEnd) {
            if (runs[a].x0 <= runs[b].x1 && runs[b].x0 <= runs[a].x1)
                sets.join(int(a), int(b));
            if (runs[a].x1 < runs[b].x1)
                ++a;
            else
                ++b;
        }
    }
}

// Follows the region's outer boundary along pixel edges, the region on the right,
// keeping diagonal neighbours together; the points where the direction turns.
QList<QPoint> followBoundary(const std::vector<unsigned char> &inside, int w, int h, QPoint start)
{
    const auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && inside[size_t(y) * size_t(w) + size_t(x)];
    };
    // Directions: right, down, left, up; the pixels ahead-left and ahead-right of a
    // corner, as offsets from that corner.
    static constexpr int kStep[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    static constexpr int kAheadLeft[4][2] = {{0, -1}, {0, 0}, {-1, 0}, {-1, -1}};
    static constexpr int kAheadRight[4][2] = {{0, 0}, {-1, 0}, {-1, -1}, {0, -1}};
    QList<QPoint> turns;
    int x = start.x();
    int y = start.y();
    int d = 0;
    turns.append(start);
    do {
        x += kStep[d][0];
        y += kStep[d][1];
        int next;
        if (in(x + kAheadLeft[d][0], y + kAheadLeft[d][1]))
            next = (d + 3) % 4;
        else if (in(x + kAheadRight[d][0], y + kAheadRight[d][1]))
            next = d;
        else
            next = (d + 1) % 4;
        if (next != d && !(x == start.x() && y == start.y()))
            turns.append(QPoint(x, y));
        d = next;
    } while (x != start.x() || y != start.y());
    return turns;
}

} // namespace

QRgb OutlineTracer::cornerColour(const QImage &image)
{
    return image.isNull() ? 0 : image.pixel(0, 0);
}

QList<QPoint> OutlineTracer::trace(const QImage &picture, QRgb key)
{
    if (picture.isNull())
        return {};
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    std::vector<Run> runs;
    std::vector<size_t> rowStart(size_t(h) + 1);
    findRuns(image, key, runs, rowStart);
    if (runs.empty())
        return {};
    RunSets sets(runs.size());
    joinTouchingRuns(runs, rowStart, h, sets);

    std::vector<qint64> area(runs.size(), 0);
    for (size_t i = 0; i < runs.size(); ++i)
        area[size_t(sets.find(int(i)))] += runs[i].x1 - runs[i].x0;
    // A region's root is its first run, which starts its top row at its leftmost pixel.
    size_t largest = 0;
    for (size_t i = 1; i < runs.size(); ++i) {
        if (area[i] > area[largest])
            largest = i;
    }
    std::vector<unsigned char> inside(size_t(w) * size_t(h), 0);
    for (size_t i = 0; i < runs.size(); ++i) {
        if (size_t(sets.find(int(i))) == largest)
            std::fill_n(inside.begin() + qsizetype(runs[i].y) * w + runs[i].x0, runs[i].x1 - runs[i].x0, 1);
    }
    const QList<QPoint> turns = followBoundary(inside, w, h, QPoint(runs[largest].x0, runs[largest].y));

    double tolerance = kTolerance;
    QList<QPoint> outline = simplifyRing(turns, tolerance);
    while (outline.size() > kMaxVertices) {
        tolerance *= 1.5;
        outline = simplifyRing(turns, tolerance);
    }
    if (outline.size() < 3)
        outline = turns;
    outline.append(outline.first());
    return outline;
}
