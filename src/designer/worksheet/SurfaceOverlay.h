#pragma once

#include <QPolygonF>
#include <QRect>
#include <QWidget>

// Drawn over the worksheet's items, never in the way of the mouse: the window's shape
// (its outline, the outside dimmed) and, during a move, the moved item's outline
// under the pointer.
class SurfaceOverlay : public QWidget
{
    Q_OBJECT

public:
    explicit SurfaceOverlay(QWidget *parent);

    // In pixels of the worksheet; fewer than three points: a rectangular window.
    void setShape(const QPolygonF &pixels);
    const QPolygonF &shape() const { return m_shape; }
    // A null rectangle: no move in progress.
    void setDragOutline(const QRect &rect);
    const QRect &dragOutline() const { return m_drag; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPolygonF m_shape;
    QRect m_drag;
};
