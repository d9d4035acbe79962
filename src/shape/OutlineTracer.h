#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

// Proposes a window outline from a picture: pixels of the key colour (and fully
// transparent ones) are outside; the outer boundary of the largest connected region
// of the others is followed along pixel edges and simplified. A compressed picture
// never keeps its surround exactly one colour, so near colours count as the key.
class OutlineTracer
{
public:
    static constexpr double kTolerance = 1.0; // pixels
    static constexpr int kMaxVertices = 300;
    static constexpr int kColourTolerance = 24; // per channel, 0 to 255

    // The picture's top-left pixel, the colour a picture's surroundings usually have.
    static QRgb cornerColour(const QImage &image);

    // Pixel-corner coordinates, closed (the last point repeats the first); empty
    // when every pixel is outside.
    static QList<QPoint> trace(const QImage &image, QRgb key);
};
