#include "app/core/Appearance.h"

#include "common/NumberText.h"
#include "common/Phrases.h"

#include <QPalette>

using namespace Qt::StringLiterals;

Appearance Appearance::systemDefault(const QPalette &palette)
{
    Appearance a;
    a.name = defaultName();
    a.windowBackground = fromColor(palette.color(QPalette::Button));
    a.fieldBackground = fromColor(palette.color(QPalette::Base));
    a.textColour = fromColor(palette.color(QPalette::ButtonText));
    return a;
}

QString Appearance::defaultName()
{
    return Phrases::text(Phrase::Default);
}

QString Appearance::fallbackFont()
{
    return u"MS Sans Serif"_s;
}

QColor Appearance::toColor(int colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int Appearance::fromColor(const QColor &color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

int Appearance::colourFromLine(QStringView line)
{
    const double value = numtext::val(line);
    return value >= 0 && value <= 0xFFFFFF ? static_cast<int>(value) : 0;
}
