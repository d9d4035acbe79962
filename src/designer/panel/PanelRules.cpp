#include "designer/panel/PanelRules.h"

#include "common/NumberText.h"
#include "common/PathText.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace panelrules {

std::optional<QString> checkedInterval(const QString &text)
{
    double value = 0;
    if (!numtext::parse(text, &value))
        return std::nullopt;
    const double whole = std::trunc(std::fabs(value));
    if (whole < 1 || whole > 60000)
        return std::nullopt;
    return QString::number(qint64(whole));
}

std::optional<QSizeF> parseSize(const QString &width, const QString &height)
{
    double w = 0;
    double h = 0;
    if (!numtext::parse(width, &w) || !numtext::parse(height, &h))
        return std::nullopt;
    // Also refuses infinity and NaN, which no comparison lets through.
    const auto possible = [](double v) { return v > 0 && v <= kLargestTwips; };
    if (!possible(w) || !possible(h))
        return std::nullopt;
    return QSizeF(w, h);
}

QString textFlags(bool scrollBar, bool locked)
{
    return QString(scrollBar ? u'1' : u'0') + QString(locked ? u'1' : u'0');
}

QSizeF fitPass(QSizeF outer, QSizeF image, QSizeF client)
{
    // A window without a client area cannot be measured: leave it as it is.
    if (client.width() <= 0 || client.height() <= 0)
        return outer;
    return {outer.width() * image.width() / client.width(), outer.height() * image.height() / client.height()};
}

QSizeF zoomed(QSizeF outer, bool grow)
{
    return grow ? outer / kZoomStep : outer * kZoomStep;
}

QString placedName(Placement placement, const QString &file, const QString &folders)
{
    switch (placement) {
    case Placement::Root:
        return pathtext::nameOf(file);
    case Placement::Folders: {
        QString prefix = folders;
        if (!prefix.isEmpty() && !pathtext::isSeparator(prefix.back()))
            prefix += u'\\';
        return prefix + pathtext::nameOf(file);
    }
    case Placement::AsIs:
        return file;
    }
    return file;
}

} // namespace panelrules

namespace panelscroll {

int maximum(double frameHeight)
{
    return int(std::trunc(frameHeight / kStep));
}

double frameTop(double scrollBarTop, int value)
{
    return scrollBarTop - kFrameOffset - kStep * value;
}

} // namespace panelscroll
