#include "wizard/WizardButton.h"

#include "common/Phrases.h"

using namespace Qt::StringLiterals;

QString WizardButton::caption() const
{
    const QString what = style == Style::Text ? text : Phrases::text(281);
    return Phrases::text(279) + QString::number(number) + Phrases::text(280) + what;
}
