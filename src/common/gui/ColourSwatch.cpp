#include "common/gui/ColourSwatch.h"

#include "common/ColourValue.h"

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
    p.setColor(QPalette::Window, colourvalue::toColor(colour));
    setPalette(p);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}
