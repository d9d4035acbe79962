#pragma once

#include "common/Phrases.h"
#include "prompt/PromptTypes.h"

#include <functional>

class Prompter;

struct AskToSaveTexts
{
    QString unnamed = Phrases::text(Phrase::SaveCurrentFile);
    QString named = Phrases::text(Phrase::SaveChangesToFile);
    QString title = Phrases::text(Phrase::SaveTitle);
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
