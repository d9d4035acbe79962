#pragma once

#include "prompt/PromptTypes.h"

#include <functional>

class Prompter;

// The texts a language pack may replace (phrases 25, 26 and 27).
struct AskToSaveTexts
{
    QString unnamed = QStringLiteral("Voulez-vous enregistrer le fichier en cours ?");
    QString named = QStringLiteral("Voulez-vous enregistrer les modifications apportées au fichier");
    QString title = QStringLiteral("Enregistrement");
};

// The question asked before anything that would lose the open project. Its answer
// travels as "enr" (saved), "non" or "annule".
class AskToSave
{
public:
    using Texts = AskToSaveTexts;

    static QString saved();     // "enr"
    static QString notSaved();  // "non"
    static QString cancelled(); // "annule"

    static MessageRequest question(const QString &projectPath, bool systemModal, const Texts &texts = {});

    // Asks and, on Yes, runs save, which tells whether the project was written. A save
    // that did not happen (its dialog cancelled, a failed write) answers "annule", so
    // the caller does not go on to lose the project.
    static QString ask(Prompter &prompter, const QString &projectPath, bool systemModal,
                       const std::function<bool()> &save, const Texts &texts = {});
};
