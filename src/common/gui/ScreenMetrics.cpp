#include "common/gui/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace screenmetrics {

TwipsPerPixel twipsPerPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return TwipsPerPixel::fromDpi(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

QRect availablePixels()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QSizeF screenSizeTwips()
{
    const TwipsPerPixel tpp = twipsPerPixel();
    const QRect screen = availablePixels();
    return {tpp.toTwipsX(screen.width()), tpp.toTwipsY(screen.height())};
}

QPoint centredTopLeft(const QSize &frame, const QPoint &centre)
{
    const QRect screen = availablePixels();
    QRect place(QPoint(), frame);
    place.moveCenter(centre);
    // The title bar stays reachable on the screen.
    place.moveLeft(
        std::clamp(place.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - frame.width())));
    place.moveTop(std::clamp(place.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - frame.height())));
    return place.topLeft();
}

QRect toPixels(const QRectF &twips, const TwipsPerPixel &tpp)
{
    return QRect(int(std::lround(tpp.toPixelsX(twips.left()))), int(std::lround(tpp.toPixelsY(twips.top()))),
                 int(std::lround(tpp.toPixelsX(twips.width()))), int(std::lround(tpp.toPixelsY(twips.height()))));
}

QSizeF toTwips(const QSize &pixels, const TwipsPerPixel &tpp)
{
    return {tpp.toTwipsX(pixels.width()), tpp.toTwipsY(pixels.height())};
}

} // namespace screenmetrics
