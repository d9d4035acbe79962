#pragma once

#include "common/Twips.h"
#include "project/ShapePoint.h"

#include <QLine>
#include <QList>
#include <QPolygon>

// What the shape editor's drawing surface holds, in twips from its top-left corner:
// the vertices, the drawn lines and the rubber band. Idle, drawing (the rubber band
// shows), closed (a right click or a loaded file), previewed.
class ShapeDrawing
{
public:
    // existing: the project's shape when the editor opens, shown until a preview.
    explicit ShapeDrawing(const QList<ShapePoint> &existing = {});

    const QList<ShapePoint> &points() const { return m_points; }
    bool isClosed() const { return m_closed; }
    bool isDrawing() const { return m_drawing; }
    QLine rubberBand() const { return m_rubberBand; }
    const QList<QLine> &edges() const { return m_edges; }
    const QList<QLine> &existingLines() const { return m_existingLines; }
    bool previewEnabled() const { return m_previewEnabled; }

    void leftPress(QPoint twips);
    void rightPress();
    // The rubber band's free end follows the pointer while a polygon is being drawn.
    void pointerMoved(QPoint twips);
    // A loaded or traced polygon: drawn edge by edge, closed, ready for a preview.
    void replaceWith(const QList<ShapePoint> &vertices);
    // The polygon in whole pixels for the window region; afterwards every vertex lies
    // on a whole pixel and the drawn lines are gone.
    QPolygon preview(const TwipsPerPixel &tpp);

private:
    QList<ShapePoint> m_points;
    QList<QLine> m_edges;
    QList<QLine> m_existingLines;
    QLine m_rubberBand;
    bool m_drawing = false;
    bool m_closed = false;
    bool m_previewEnabled = false;
};
