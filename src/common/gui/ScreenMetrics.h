#pragma once

#include "common/Twips.h"

#include <QRect>
#include <QSizeF>

// The screen as the designer measures it: twips per pixel and sizes in twips.
namespace screenmetrics {

TwipsPerPixel twipsPerPixel();
QSizeF screenSizeTwips();
QRect availablePixels();

// Where a window of that frame goes to have its centre on centre, kept on the screen.
QPoint centredTopLeft(const QSize &frame, const QPoint &centre);

QRect toPixels(const QRectF &twips, const TwipsPerPixel &tpp);
QSizeF toTwips(const QSize &pixels, const TwipsPerPixel &tpp);

} // namespace screenmetrics
