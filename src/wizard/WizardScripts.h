#pragma once

#include "project/ButtonKind.h"
#include "wizard/WizardProject.h"

#include <QString>

// The scripts the wizard writes for the start-up action and the buttons. "¤" stands
// for a line break, as in a project file.
namespace wizardscripts {

QString quotesToApostrophes(QString text);
// Every "[R]", in any letter case, becomes a line break.
QString lineBreaks(QString text);

QString openCode(const QString &kind, const QString &target);
QString messageCode(const QString &title, const QString &message);

QString startupAction(const WizardProject &project);

struct KindAndCode
{
    ButtonKind kind;
    QString code;
};
KindAndCode kindAndCode(const WizardButton &button);

} // namespace wizardscripts
