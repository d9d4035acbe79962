#include "wizard/WizardButton.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

QString WizardButton::caption() const
{
    return Phrases::text(Phrase::WizardButtonWord) + QString::number(shownNumber()) +
           Phrases::text(style == Style::Text ? Phrase::TextCaption : Phrase::GraphicCaption);
}
