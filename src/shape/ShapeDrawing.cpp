#include "shape/ShapeDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any screen; the snapped vertices stay well within the range of twips.
constexpr double kPixelLimit = 100000;

QPoint toPoint(const ShapePoint &p)
{
    return QPoint(p.x, p.y);
}

int wholePixel(double pixels)
{
    return int(std::lround(std::clamp(pixels, -kPixelLimit, kPixelLimit)));
}

} // namespace

ShapeDrawing::ShapeDrawing(const QList<ShapePoint> &existing)
{
    for (qsizetype k = 1; k < existing.size(); ++k)
        m_existingLines.append(QLine(toPoint(existing[k - 1]), toPoint(existing[k])));
}

void ShapeDrawing::leftPress(QPoint twips)
{
    if (m_closed)
        return;
    const ShapePoint vertex{twips.x(), twips.y()};
    if (!m_drawing) {
        m_points = {vertex};
        m_drawing = true;
    } else {
        m_points.append(vertex);
        m_edges.append(QLine(m_rubberBand.p1(), twips));
    }
    m_rubberBand = QLine(twips, twips);
}

void ShapeDrawing::rightPress()
{
    if (m_closed || m_points.isEmpty())
        return;
    m_edges.append(QLine(toPoint(m_points.first()), toPoint(m_points.last())));
    m_points.append(m_points.first());
    m_drawing = false;
    m_closed = true;
    m_previewEnabled = true;
}

void ShapeDrawing::pointerMoved(QPoint twips)
{
    if (m_drawing)
        m_rubberBand.setP2(twips);
}

void ShapeDrawing::replaceWith(const QList<ShapePoint> &vertices)
{
    m_points = vertices;
    m_edges.clear();
    for (qsizetype k = 1; k < m_points.size(); ++k)
        m_edges.append(QLine(toPoint(m_points[k - 1]), toPoint(m_points[k])));
    m_drawing = false;
    m_closed = true;
    m_previewEnabled = true;
}

QPolygon ShapeDrawing::preview(const TwipsPerPixel &tpp)
{
    m_edges.clear();
    m_existingLines.clear();
    QPolygon pixels;
    pixels.reserve(m_points.size());
    for (ShapePoint &p : m_points) {
        const int x = wholePixel(tpp.toPixelsX(p.x));
        const int y = wholePixel(tpp.toPixelsY(p.y));
        pixels.append(QPoint(x, y));
        p = ShapePoint{qint32(std::lround(tpp.toTwipsX(x))), qint32(std::lround(tpp.toTwipsY(y)))};
    }
    m_previewEnabled = false;
    return pixels;
}
