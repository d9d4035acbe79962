#include "wizard/WizardButton.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

QString WizardButton::caption() const
{
    return Phrases::text(279) + QString::number(shownNumber()) + Phrases::text(style == Style::Text ? 280 : 281);
}
