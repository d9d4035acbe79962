#include "wizard/WizardPrompts.h"

#include "common/Phrases.h"
#include "prompt/Prompter.h"
#include "wizard/WizardScripts.h"

using namespace Qt::StringLiterals;

std::optional<WizardPrompts::Target> WizardPrompts::askTarget() const
{
    const Answer web =
        m_prompter.message(Phrases::text(Phrase::OpenWebPageQuestion), Phrases::text(Phrase::WizardTitle),
                           MessageIcon::Question, MessageButtons::YesNoCancel);
    Target result;
    if (web == Answer::Yes) {
        result = {m_prompter.input({Phrases::text(Phrase::EnterPageAddress), Phrases::text(Phrase::WizardTitle),
                                    Phrases::text(Phrase::WebAddressExamples)}),
                  u"SITE"_s};
    } else if (web == Answer::No) {
        const Answer onDisc =
            m_prompter.message(Phrases::text(Phrase::FileOnCdQuestion), Phrases::text(Phrase::WizardTitle),
                               MessageIcon::Question, MessageButtons::YesNo);
        if (onDisc == Answer::Yes)
            result = {m_prompter.input({Phrases::text(Phrase::CdFileNamePrompt), Phrases::text(Phrase::WizardTitle),
                                        u"[LECT]:\\..."_s}),
                      u"CD"_s};
        else
            result = {m_prompter.input(
                          {Phrases::text(Phrase::FilePathPrompt), Phrases::text(Phrase::WizardTitle), QString()}),
                      u"DISQUE"_s};
    }
    if (result.target.isEmpty())
        return std::nullopt;
    return result;
}

std::optional<WizardPrompts::Message> WizardPrompts::askMessage(const QString &title, const QString &text) const
{
    const QString newTitle =
        m_prompter.input({Phrases::text(Phrase::MessageTitlePrompt), Phrases::text(Phrase::WizardTitle), title});
    if (newTitle.isEmpty())
        return std::nullopt;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"[R]"_s);
    const QString newText =
        m_prompter.input({Phrases::text(Phrase::MessagePrompt), Phrases::text(Phrase::WizardTitle), shown});
    if (newText.isEmpty())
        return std::nullopt;
    return Message{wizardscripts::quotesToApostrophes(newTitle),
                   wizardscripts::lineBreaks(wizardscripts::quotesToApostrophes(newText))};
}
