#include "shape/gui/ShapeSurface.h"

#include "shape/PolygonClip.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

ShapeSurface::ShapeSurface(const Look &look, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_drawing(look.current), m_colour(look.colour),
      m_background(look.background), m_items(look.items), m_tpp(look.tpp),
      m_hint(new QLabel(u"Bouton droit pour fermer le polygone"_s, this))
{
    setObjectName(u"Form16"_s);
    setFixedSize(look.size);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    m_hint->setObjectName(u"Label1"_s);
    m_hint->setAutoFillBackground(true);
    m_hint->setMargin(4);
    m_hint->adjustSize();
    m_hint->move(8, 8);
    m_hint->installEventFilter(this);
}

QImage ShapeSurface::shownBackground() const
{
    if (m_background.isNull())
        return {};
    return m_background.toImage().scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void ShapeSurface::replaceWith(const QList<ShapePoint> &vertices)
{
    m_drawing.replaceWith(vertices);
    update();
    emit stateChanged();
}

void ShapeSurface::preview()
{
    // Clipped just outside the surface: what lies beyond is never seen, and a region
    // spanning far-off vertices would take long to build.
    const QRegion region(clipToRect(m_drawing.preview(m_tpp), rect().adjusted(-2, -2, 2, 2)), Qt::WindingFill);
    // An outline without area would leave nothing to see or click.
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
    update();
    emit stateChanged();
}

bool ShapeSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_hint && event->type() == QEvent::Enter)
        m_hint->hide();
    return QWidget::eventFilter(watched, event);
}

void ShapeSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    // The author draws the outline around what the menu shows.
    if (!m_items.isNull())
        painter.drawPixmap(0, 0, m_items);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    // A pale halo keeps the lines visible over dark and light pictures alike.
    const auto lines = [&](const QList<QLine> &twips, const QColor &colour, Qt::PenStyle style) {
        for (const QPen &pen : {QPen(QColor(255, 255, 255, 150), 4), QPen(colour, 2, style)}) {
            painter.setPen(pen);
            for (const QLine &line : twips)
                painter.drawLine(toPixels(line));
        }
    };
    lines(m_drawing.existingLines(), QColor(0, 120, 215), Qt::DashLine);
    lines(m_drawing.edges(), QColor(220, 20, 20), Qt::SolidLine);
    if (m_drawing.isDrawing())
        lines({m_drawing.rubberBand()}, QColor(220, 20, 20), Qt::DashLine);
}

void ShapeSurface::mousePressEvent(QMouseEvent *event)
{
    if (m_drawing.isClosed()) {
        if (event->button() == Qt::LeftButton)
            m_dragOffset = event->globalPosition().toPoint() - pos();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_drawing.leftPress(twipsAt(event->position()));
    } else if (event->button() == Qt::RightButton) {
        m_drawing.rightPress();
        emit stateChanged();
    }
    update();
}

void ShapeSurface::mouseMoveEvent(QMouseEvent *event)
{
    const bool leftHeld = event->buttons() & Qt::LeftButton;
    if (!m_drawing.isClosed() && !leftHeld) {
        m_drawing.pointerMoved(twipsAt(event->position()));
        if (m_drawing.isDrawing())
            update();
    } else if (m_drawing.isClosed() && leftHeld) {
        move(event->globalPosition().toPoint() - m_dragOffset);
    }
}

void ShapeSurface::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

QPoint ShapeSurface::twipsAt(const QPointF &position) const
{
    return QPoint(int(std::lround(m_tpp.toTwipsX(position.x()))), int(std::lround(m_tpp.toTwipsY(position.y()))));
}

QLineF ShapeSurface::toPixels(const QLine &twips) const
{
    return QLineF(m_tpp.toPixelsX(twips.x1()), m_tpp.toPixelsY(twips.y1()), m_tpp.toPixelsX(twips.x2()),
                  m_tpp.toPixelsY(twips.y2()));
}
