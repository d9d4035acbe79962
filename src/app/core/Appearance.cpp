#include "app/core/Appearance.h"

#include "common/ColourValue.h"
#include "common/NumberText.h"
#include "common/Phrases.h"

#include <QPalette>

using namespace Qt::StringLiterals;

Appearance Appearance::systemDefault(const QPalette &palette)
{
    Appearance a;
    a.name = defaultName();
    a.windowBackground = colourvalue::fromColor(palette.color(QPalette::Button));
    a.fieldBackground = colourvalue::fromColor(palette.color(QPalette::Base));
    a.textColour = colourvalue::fromColor(palette.color(QPalette::ButtonText));
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

int Appearance::colourFromLine(QStringView line)
{
    const double value = numtext::val(line);
    return value >= 0 && value <= 0xFFFFFF ? static_cast<int>(value) : 0;
}
