#include "player/qt/QtPlayerPainter.h"

#include "player/qt/QtPictureCache.h"

#include <QPainter>

namespace {

QRect qRect(PixelRect rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

QColor qColour(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

} // namespace

QtPlayerPainter::QtPlayerPainter(QPainter &painter, QtPictureCache &pictures) : m_painter(painter), m_pictures(pictures)
{
}

void QtPlayerPainter::fill(PixelRect rect, Rgb colour)
{
    m_painter.fillRect(qRect(rect), qColour(colour));
}

void QtPlayerPainter::drawPicture(const std::string &path, PixelRect rect)
{
    const QImage image = m_pictures.picture(QString::fromStdString(path));
    if (image.isNull())
        return;
    if (image.size() == qRect(rect).size()) {
        m_painter.drawImage(QPoint(rect.x, rect.y), image);
        return;
    }
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(qRect(rect), image);
}

void QtPlayerPainter::drawOutline(Outline shape, PixelRect rect, Rgb colour, int width)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, shape != Outline::Rectangle);
    m_painter.setPen(QPen(qColour(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(Qt::NoBrush);
    const double inset = width / 2.0;
    const QRectF box = QRectF(qRect(rect)).adjusted(inset, inset, -inset, -inset);
    if (shape == Outline::Ellipse)
        m_painter.drawEllipse(box);
    else if (shape == Outline::RoundedRectangle)
        m_painter.drawRoundedRect(box, 15, 15, Qt::RelativeSize);
    else
        m_painter.drawRect(box);
    m_painter.restore();
}
