#pragma once

#include "prompt/PromptTypes.h"

#include <QString>

// "¤" and "¬" may not appear in a script. Each change of the code box takes one step:
// when a message is due the window shows it and replaces the box text by the cleaned
// text, whose own change event takes the next step. Only a step with no message due
// lets the text be stored.
namespace reservedchars {

struct Step
{
    QString text;
    bool messageDue = false;
};

// Removes every "¤" when there is one, otherwise every "¬".
Step step(const QString &text);

// "Caratère interdit !", titled "Erreur !", critical icon.
MessageRequest message();

} // namespace reservedchars
