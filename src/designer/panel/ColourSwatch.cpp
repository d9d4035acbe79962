#include "designer/panel/ColourSwatch.h"

#include <QMouseEvent>

ColourSwatch::ColourSwatch(const QString &name, QWidget *parent) : QFrame(parent)
{
    setObjectName(name);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFixedSize(40, 18);
    setCursor(Qt::PointingHandCursor);
    setColour(0);
}

void ColourSwatch::setColour(int colour)
{
    m_colour = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    setPalette(p);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}
