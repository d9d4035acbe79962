#include "setup/gui/ProgressBox.h"

#include <QPainter>

ProgressBox::ProgressBox(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(22);
}

int ProgressBox::insideWidth() const
{
    return width() - 2;
}

void ProgressBox::setFilledWidth(int width)
{
    m_filled = qBound(0, width, insideWidth());
    update();
}

void ProgressBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.fillRect(QRect(1, 1, m_filled, height() - 2), QColor(0, 0, 128));
}
