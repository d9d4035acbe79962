#pragma once

#include "common/Twips.h"
#include "shape/ShapeDrawing.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QLabel;

// Form16: a borderless copy of the worksheet's inner area on which the author draws
// the window's outline: left clicks add vertices, a right click closes the polygon.
class ShapeSurface : public QWidget
{
    Q_OBJECT

public:
    struct Look
    {
        QSize size;         // the worksheet's inner size, pixels
        QColor colour;      // the menu's background colour
        QPixmap background; // stretched over the whole surface, as the worksheet does
        TwipsPerPixel tpp;
        QList<ShapePoint> current; // the project's shape when the editor opens
        QPixmap items;             // the menu's buttons and texts, drawn over the background
    };

    explicit ShapeSurface(const Look &look, QWidget *parent = nullptr);

    const ShapeDrawing &drawing() const { return m_drawing; }
    QLabel *hint() const { return m_hint; }
    // The background as shown, pixel for pixel, for tracing its outline.
    QImage shownBackground() const;

    void replaceWith(const QList<ShapePoint> &vertices);
    // Shapes the window with the polygon; the vertices move to whole pixels.
    void preview();

signals:
    // The drawing changed state: a polygon was closed, loaded or previewed.
    void stateChanged();
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPoint twipsAt(const QPointF &position) const;
    QLineF toPixels(const QLine &twips) const;

    ShapeDrawing m_drawing;
    QColor m_colour;
    QPixmap m_background;
    QPixmap m_items;
    TwipsPerPixel m_tpp;
    QLabel *m_hint;
    QPoint m_dragOffset; // pointer position minus window position while dragging
};
