#include "wizard/WizardPrompts.h"

#include "common/Fold.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"
#include "wizard/WizardScripts.h"

using namespace Qt::StringLiterals;

QString WizardPrompts::accepted(Prompter &prompter, const QString &answer)
{
    QString cleaned = answer;
    cleaned.removeIf(fold::isReserved);
    if (cleaned != answer)
        prompter.message(Phrases::text(Phrase::ForbiddenCharacter), Phrases::text(Phrase::ErrorBang),
                         MessageIcon::Critical);
    return cleaned;
}

QString WizardPrompts::ask(Phrase prompt, const QString &preset) const
{
    return accepted(m_prompter, m_prompter.input({Phrases::text(prompt), Phrases::text(Phrase::WizardTitle), preset}));
}

std::optional<WizardPrompts::Target> WizardPrompts::askTarget() const
{
    const Answer web =
        m_prompter.message(Phrases::text(Phrase::OpenWebPageQuestion), Phrases::text(Phrase::WizardTitle),
                           MessageIcon::Question, MessageButtons::YesNoCancel);
    Target result;
    if (web == Answer::Yes) {
        result = {ask(Phrase::EnterPageAddress, Phrases::text(Phrase::WebAddressExamples)), u"SITE"_s};
    } else if (web == Answer::No) {
        const Answer onDisc =
            m_prompter.message(Phrases::text(Phrase::FileOnCdQuestion), Phrases::text(Phrase::WizardTitle),
                               MessageIcon::Question, MessageButtons::YesNo);
        if (onDisc == Answer::Yes)
            result = {ask(Phrase::CdFileNamePrompt, u"[LECT]:\\..."_s), u"CD"_s};
        else
            result = {ask(Phrase::FilePathPrompt, QString()), u"DISQUE"_s};
    }
    if (result.target.isEmpty())
        return std::nullopt;
    return result;
}

std::optional<WizardPrompts::Message> WizardPrompts::askMessage(const QString &title, const QString &text) const
{
    const QString newTitle = ask(Phrase::MessageTitlePrompt, title);
    if (newTitle.isEmpty())
        return std::nullopt;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"[R]"_s);
    const QString newText = ask(Phrase::MessagePrompt, shown);
    if (newText.isEmpty())
        return std::nullopt;
    return Message{wizardscripts::quotesToApostrophes(newTitle),
                   wizardscripts::lineBreaks(wizardscripts::quotesToApostrophes(newText))};
}
