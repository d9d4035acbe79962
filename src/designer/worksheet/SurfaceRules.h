#pragma once

#include "common/Twips.h"
#include "project/ShapePoint.h"

#include <QImage>
#include <QPolygonF>

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The worksheet's rules with a defined result, apart from any window.
namespace surface {

// A number as captions and labels show it: the user's decimal point.
QString displayNumber(double value);

// "Feuille de travail - 9600x7200 - 640x480px", or the full-screen wording.
QString caption(double widthTwips, double heightTwips, const TwipsPerPixel &tpp, bool fullScreen);

// "X=…", "Y=…" in twips, then "X=…px", "Y=…px".
QStringList positionTexts(double xTwips, double yTwips, const TwipsPerPixel &tpp);

// Where a dropped item's top-left goes: the drop point less the point it was held by.
QPointF dropPosition(const QPointF &dropTwips, const QPointF &heldAtTwips);

// The size a text takes while the pointer drags out its bottom-right corner; a
// dimension that would not be positive keeps its current value.
QSizeF resizedText(const QSizeF &current, const QPointF &topLeftTwips, const QPointF &pointerTwips);

// A text without the reserved characters, and which of them were found, in the order
// they are checked ("¤" first, then "¬"), each kind once.
struct ReservedFilter
{
    QString text;
    QList<QChar> removed;
};
ReservedFilter removeReserved(const QString &text);

// Which of a button's three images it shows: "n", "s" or "c".
enum class ImageState { Normal, Hover, Click };
QString stateLetter(ImageState state);

// A transparent button's image as the player shows it: the pixels of its key colour
// (0xBBGGRR) let what lies under the button through.
QImage withoutKeyColour(const QImage &image, int key);

// The window's outline in pixels of the worksheet's inside (the list has no entry 0).
QPolygonF shapeInPixels(const QList<ShapePoint> &vertices, const TwipsPerPixel &tpp);

} // namespace surface
