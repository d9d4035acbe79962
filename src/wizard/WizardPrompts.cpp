#include "wizard/WizardPrompts.h"

#include "common/Fold.h"
#include "common/Phrases.h"
#include "prompt/Prompter.h"
#include "wizard/WizardScripts.h"

using namespace Qt::StringLiterals;

QString WizardPrompts::accepted(Prompter &prompter, const QString &answer)
{
    const QString cleaned = fold::withoutReserved(answer);
    if (cleaned != answer)
        prompter.message(Phrases::text(149), Phrases::text(77), MessageIcon::Critical);
    return cleaned;
}

QString WizardPrompts::ask(const QString &prompt, const QString &preset) const
{
    return accepted(m_prompter, m_prompter.input({prompt, Phrases::text(258), preset}));
}

std::optional<WizardPrompts::Target> WizardPrompts::askTarget() const
{
    const Answer web =
        m_prompter.message(Phrases::text(260), Phrases::text(258), MessageIcon::Question, MessageButtons::YesNoCancel);
    Target result;
    if (web == Answer::Yes) {
        result = {ask(Phrases::text(261), Phrases::text(259)), u"SITE"_s};
    } else if (web == Answer::No) {
        const Answer onDisc =
            m_prompter.message(Phrases::text(262), Phrases::text(258), MessageIcon::Question, MessageButtons::YesNo);
        if (onDisc == Answer::Yes)
            result = {ask(Phrases::text(263), u"[LECT]:\\..."_s), u"CD"_s};
        else
            result = {ask(Phrases::text(264), QString()), u"DISQUE"_s};
    }
    if (result.target.isEmpty())
        return std::nullopt;
    return result;
}

std::optional<WizardPrompts::Message> WizardPrompts::askMessage(const QString &title, const QString &text) const
{
    const QString newTitle = ask(Phrases::text(265), title);
    if (newTitle.isEmpty())
        return std::nullopt;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"[R]"_s);
    const QString newText = ask(Phrases::text(266), shown);
    if (newText.isEmpty())
        return std::nullopt;
    return Message{wizardscripts::quotesToApostrophes(newTitle),
                   wizardscripts::lineBreaks(wizardscripts::quotesToApostrophes(newText))};
}
