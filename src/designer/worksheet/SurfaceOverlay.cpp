#include "designer/worksheet/SurfaceOverlay.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

SurfaceOverlay::SurfaceOverlay(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"apercu_forme"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SurfaceOverlay::setShape(const QPolygonF &pixels)
{
    m_shape = pixels.size() >= 3 ? pixels : QPolygonF();
    update();
}

void SurfaceOverlay::setDragOutline(const QRect &rect)
{
    if (rect == m_drag)
        return;
    m_drag = rect;
    update();
}

void SurfaceOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_shape.isEmpty()) {
        QPainterPath inside;
        inside.setFillRule(Qt::WindingFill);
        inside.addPolygon(m_shape);
        inside.closeSubpath();
        QPainterPath outside;
        outside.addRect(QRectF(rect()));
        // What the player's window leaves out is still editable, only dimmed.
        painter.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 120));
        painter.setRenderHint(QPainter::Antialiasing);
        for (const QPen &pen : {QPen(QColor(255, 255, 255, 170), 4), QPen(QColor(220, 0, 0), 2, Qt::DashLine)}) {
            painter.setPen(pen);
            painter.drawPath(inside);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (!m_drag.isNull()) {
        const QRectF frame = QRectF(m_drag).adjusted(1, 1, -1, -1);
        // Dark dashes over a light line: seen on any picture.
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
        painter.drawRect(frame);
    }
}
