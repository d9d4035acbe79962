#include "designer/panel/PositionDialog.h"

#include "common/NumberText.h"
#include "common/Phrases.h"
#include "designer/panel/PanelRules.h"
#include "prompt/Prompter.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

std::optional<double> askAxis(Prompter &prompter, const QString &axis, const QString &noun, PositionUnit unit,
                              double current, double twipsPerUnit)
{
    InputRequest request;
    request.prompt =
        Phrases::text(Phrase::EnterNewPosition) + axis + Phrases::text(Phrase::OfThe) + noun +
        (unit == PositionUnit::Pixels ? Phrases::text(Phrase::InPixels) : Phrases::text(Phrase::SpaceColon));
    request.defaultText = numtext::format(current);
    const QString answer = prompter.input(request);
    if (answer.isEmpty())
        return std::nullopt;
    double value = 0;
    // The negated comparison also refuses infinity and NaN.
    if (!numtext::parse(answer, &value) || !(std::fabs(value * twipsPerUnit) <= panelrules::kLargestTwips)) {
        prompter.message(Phrases::text(Phrase::IncorrectValue), Phrases::text(Phrase::ErrorBang),
                         MessageIcon::Critical);
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<QPointF> askPosition(Prompter &prompter, const QString &noun, PositionUnit unit, QPointF current,
                                   TwipsPerPixel tpp)
{
    const bool pixels = unit == PositionUnit::Pixels;
    const std::optional<double> x = askAxis(prompter, u"X"_s, noun, unit,
                                            pixels ? tpp.toPixelsX(current.x()) : current.x(), pixels ? tpp.x : 1);
    if (!x)
        return std::nullopt;
    const std::optional<double> y = askAxis(prompter, u"Y"_s, noun, unit,
                                            pixels ? tpp.toPixelsY(current.y()) : current.y(), pixels ? tpp.y : 1);
    if (!y)
        return std::nullopt;
    return pixels ? QPointF(tpp.toTwipsX(*x), tpp.toTwipsY(*y)) : QPointF(*x, *y);
}
