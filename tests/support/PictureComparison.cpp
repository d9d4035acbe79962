#include "PictureComparison.h"

#include <algorithm>
#include <cstdlib>

namespace picturecomparison {

namespace {

struct Mean
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

Mean meanOf(const QImage &image, int left, int top, int block)
{
    long red = 0, green = 0, blue = 0, count = 0;
    for (int y = top; y < std::min(top + block, image.height()); ++y) {
        for (int x = left; x < std::min(left + block, image.width()); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    return {int(red / count), int(green / count), int(blue / count)};
}

} // namespace

int worstBlockDifference(const QImage &first, const QImage &second, int block)
{
    if (first.size() != second.size() || first.isNull())
        return 255;
    int worst = 0;
    for (int y = 0; y < first.height(); y += block) {
        for (int x = 0; x < first.width(); x += block) {
            const Mean a = meanOf(first, x, y, block);
            const Mean b = meanOf(second, x, y, block);
            worst = std::max({worst, std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
        }
    }
    return worst;
}

} // namespace picturecomparison
