#include "wizard/WizardButton.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

QString WizardButton::caption() const
{
    // Phrases 279 and 280: "Bouton " before the number, " (Texte)" after it.
    return Phrases::text(Phrase::NumberSign) + QString::number(shownNumber()) +
           Phrases::text(style == Style::Text ? Phrase::SpacedColon : Phrase::GraphicCaption);
}
