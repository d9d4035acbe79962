#pragma once

#include "common/Phrase.h"

#include <QString>

#include <optional>

class Prompter;

// The questions the wizard asks for a target to open and for a message to show.
class WizardPrompts
{
public:
    struct Target
    {
        QString target;
        QString kind; // "SITE", "DISQUE" or "CD"
    };
    struct Message
    {
        QString title;
        QString text; // line breaks already in place
    };

    explicit WizardPrompts(Prompter &prompter) : m_prompter(prompter) {}

    // The answer without "¤" and "¬", which would break the written scripts and the
    // menu data; when it held any, the author is told as everywhere in the designer.
    static QString accepted(Prompter &prompter, const QString &answer);

    // Nothing when the user cancels or gives an empty answer.
    std::optional<Target> askTarget() const;
    // Double quotes come back as apostrophes, "[R]" as line breaks.
    std::optional<Message> askMessage(const QString &title = {}, const QString &text = {}) const;

private:
    QString ask(Phrase prompt, const QString &preset) const;

    Prompter &m_prompter;
};
