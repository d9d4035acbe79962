#include "project/ProjectBlocks.h"

#include "common/Fold.h"
#include "common/FormatWords.h"
#include "common/LineWriter.h"
#include "common/NumberText.h"
#include "project/MenuButton.h"
#include "project/MenuText.h"
#include "project/ProjectSettings.h"
#include "project/ShapePoint.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

void flag(LineWriter &out, bool on)
{
    out.number(on ? 1 : 0);
}

} // namespace

namespace projectblocks {

void writeParamsPlus(LineWriter &out, const ProjectSettings &s, const Reference &reference)
{
    out.line(menuformat::word(menuformat::kParamsPlus))
        .line(fold::fold(s.startupAction))
        .number(s.backgroundColour)
        .number(s.contextMenu)
        .number(s.timerEnabled)
        .line(s.timerInterval)
        .line(fold::fold(s.timerCode))
        .line(fold::fold(s.globalCode))
        .number(s.handCursor)
        .line(reference(s.clickSound))
        .line(reference(s.hoverSound));
}

void writeOther(LineWriter &out, const ProjectSettings &s, const Reference &reference)
{
    out.line(menuformat::word(menuformat::kOther))
        .line(reference(s.transparencyImage))
        .line(fold::fold(s.windowHoverCode));
    for (int i = 3; i <= 15; ++i)
        out.line(u"'para"_s + QString::number(i));
}

void writeButton(LineWriter &out, const MenuButton &b, const Reference &image)
{
    out.line(menuformat::word(menuformat::kButton))
        .number(b.left)
        .number(b.top)
        .line(image(b.normalImage))
        .line(image(b.hoverImage))
        .line(image(b.clickImage))
        .line(b.kindWord())
        .line(fold::fold(b.code))
        .line(fold::fold(b.hoverCode));
    flag(out, b.transparent);
    out.number(b.transparentColour).line(u"'para4");
}

void writeText(LineWriter &out, const MenuText &t)
{
    out.line(menuformat::word(menuformat::kText)).line(fold::fold(t.text)).number(t.backColour).number(t.textColour);
    flag(out, t.bold);
    flag(out, t.italic);
    out.line(t.fontName).number(t.fontSize);
    flag(out, t.strikethrough);
    flag(out, t.underline);
    out.number(t.top)
        .number(t.left)
        .number(t.width)
        .number(t.height)
        .line(t.flags)
        .line(u"para1")
        .line(u"para2")
        .line(u"para3")
        .line(u"para4");
}

void writeShape(LineWriter &out, const QList<ShapePoint> &shape)
{
    if (shape.size() < 2)
        return;
    out.line(kShapeStart);
    for (qsizetype i = 1; i < shape.size(); ++i)
        out.line(u"X="_s + QString::number(shape[i].x)).line(u"Y="_s + QString::number(shape[i].y));
    out.line(kShapeEnd);
}

qint32 shapeCoordinate(QStringView line)
{
    const double value = std::clamp(numtext::val(line.mid(std::min<qsizetype>(2, line.size()))), -2147483648.0,
                                    2147483647.0);
    return qint32(std::nearbyint(value));
}

} // namespace projectblocks
