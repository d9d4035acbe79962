#include "wizard/WizardButton.h"

using namespace Qt::StringLiterals;

QString WizardButton::caption() const
{
    const QString what = style == Style::Text ? text : u"(graphique)"_s;
    return u"n°"_s + QString::number(number) + u" : "_s + what;
}
