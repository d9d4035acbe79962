#include "wizard/WizardButton.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

QString WizardButton::caption() const
{
    const QString what = style == Style::Text ? text : Phrases::text(Phrase::GraphicCaption);
    return Phrases::text(Phrase::NumberSign) + QString::number(number) + Phrases::text(Phrase::SpacedColon) + what;
}
