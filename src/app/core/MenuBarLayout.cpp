#include "app/core/MenuBarLayout.h"

using namespace Qt::StringLiterals;

namespace {

constexpr double kTop = 15;
constexpr double kHeight = 225;
constexpr double kPadding = 240;

} // namespace

QStringList MenuBarLayout::captions()
{
    return {u"Fichier"_s, u"Source"_s, u"Créer"_s, u"Divers"_s, u"Options"_s, u"?"_s};
}

QList<QRectF> MenuBarLayout::labels(const QList<double> &textWidths)
{
    QList<QRectF> rects;
    double left = 0;
    for (double width : textWidths) {
        rects.append(QRectF(left, kTop, width + kPadding, kHeight));
        left += width + kPadding;
    }
    return rects;
}
