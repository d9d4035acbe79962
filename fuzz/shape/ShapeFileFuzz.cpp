// Any bytes given to the shape file reader: no crash, no hang, no sanitizer report;
// what it accepts is written back and read again unchanged, and can be previewed.
#include "shape/PolygonClip.h"
#include "shape/ShapeDrawing.h"
#include "shape/ShapeFile.h"

#include <QRegion>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<ShapePoint> vertices;
    if (shapefile::fromBytes(bytes, &vertices).isError())
        return 0;
    QList<ShapePoint> again;
    if (shapefile::fromBytes(shapefile::toBytes(vertices), &again).isError() && !vertices.isEmpty())
        std::abort();
    if (!vertices.isEmpty() && again != vertices)
        std::abort();
    ShapeDrawing drawing;
    drawing.replaceWith(vertices);
    (void)QRegion(clipToRect(drawing.preview(TwipsPerPixel{15, 15}), QRect(-2, -2, 804, 604)), Qt::WindingFill)
        .boundingRect();
    return 0;
}
