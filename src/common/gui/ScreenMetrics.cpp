#include "common/gui/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

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
