#include "designer/worksheet/SurfaceRules.h"

#include "common/Fold.h"
#include "common/NumberText.h"
#include "common/Phrases.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace surface {

QString displayNumber(double value)
{
    QString text = numtext::format(value);
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

QString caption(double widthTwips, double heightTwips, const TwipsPerPixel &tpp, bool fullScreen)
{
    const QString prefix = Phrases::text(Phrase::WorksheetTitle);
    if (fullScreen)
        return prefix + Phrases::text(Phrase::ShownFullScreen);
    return prefix + displayNumber(widthTwips) + u'x' + displayNumber(heightTwips) + u" - "_s +
           displayNumber(tpp.toPixelsX(widthTwips)) + u'x' + displayNumber(tpp.toPixelsY(heightTwips)) + u"px"_s;
}

QStringList positionTexts(double xTwips, double yTwips, const TwipsPerPixel &tpp)
{
    return {u"X="_s + displayNumber(xTwips), u"Y="_s + displayNumber(yTwips),
            u"X="_s + displayNumber(tpp.toPixelsX(xTwips)) + u"px"_s,
            u"Y="_s + displayNumber(tpp.toPixelsY(yTwips)) + u"px"_s};
}

QPointF dropPosition(const QPointF &dropTwips, const QPointF &heldAtTwips)
{
    return dropTwips - heldAtTwips;
}

QSizeF resizedText(const QSizeF &current, const QPointF &topLeftTwips, const QPointF &pointerTwips)
{
    const double width = pointerTwips.x() - topLeftTwips.x();
    const double height = pointerTwips.y() - topLeftTwips.y();
    return {width > 0 ? width : current.width(), height > 0 ? height : current.height()};
}

ReservedFilter removeReserved(const QString &text)
{
    ReservedFilter result{text, {}};
    for (const QChar reserved : fold::kReserved) {
        if (result.text.contains(reserved)) {
            result.text.remove(reserved);
            result.removed.append(reserved);
        }
    }
    return result;
}

QString stateLetter(ImageState state)
{
    switch (state) {
    case ImageState::Hover:
        return u"s"_s;
    case ImageState::Click:
        return u"c"_s;
    case ImageState::Normal:
        break;
    }
    return u"n"_s;
}

QImage withoutKeyColour(const QImage &image, int key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = qRgb(key & 0xFF, (key >> 8) & 0xFF, (key >> 16) & 0xFF) & 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == keyRgb)
                line[x] = 0;
        }
    }
    return result;
}

QPolygonF shapeInPixels(const QList<ShapePoint> &vertices, const TwipsPerPixel &tpp)
{
    QPolygonF pixels;
    for (const ShapePoint &p : vertices)
        pixels.append({tpp.toPixelsX(p.x), tpp.toPixelsY(p.y)});
    return pixels;
}

} // namespace surface
