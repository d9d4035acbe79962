#include "wizard/WizardPrompts.h"

#include "prompt/Prompter.h"
#include "wizard/WizardScripts.h"

using namespace Qt::StringLiterals;

std::optional<WizardPrompts::Target> WizardPrompts::askTarget() const
{
    const Answer web = m_prompter.message(
        u"Voulez-vous ouvrir une page internet ? (cliquez sur non si vous voulez ouvrir un document ou un programme)."_s,
        kCaption, MessageIcon::Question, MessageButtons::YesNoCancel);
    Target result;
    if (web == Answer::Yes) {
        result = {m_prompter.input({u"Entrez l'adresse de la page :"_s, kCaption, kSampleAddresses}), u"SITE"_s};
    } else if (web == Answer::No) {
        const Answer onDisc = m_prompter.message(u"Le fichier à ouvrir sera t'il sur le CD ?"_s, kCaption,
                                                 MessageIcon::Question, MessageButtons::YesNo);
        if (onDisc == Answer::Yes)
            result = {m_prompter.input({u"Entrez le nom de ce fichier (ex: [LECT]:\\mon_prog.exe, [LECT]:\\mon_doc.doc , "
                                        u"[LECT] sera alors automatiquement remplacé par la lettre du lecteur CD) :"_s,
                                        kCaption, u"[LECT]:\\..."_s}),
                      u"CD"_s};
        else
            result = {m_prompter.input({u"Entrez le chemin de ce fichier (ex: notepad.exe, c:\\prog.exe, "
                                        u"c:\\document.doc ...) :"_s,
                                        kCaption, QString()}),
                      u"DISQUE"_s};
    }
    if (result.target.isEmpty())
        return std::nullopt;
    return result;
}

std::optional<WizardPrompts::Message> WizardPrompts::askMessage(const QString &title, const QString &text) const
{
    const QString newTitle = m_prompter.input({u"Titre de message :"_s, kCaption, title});
    if (newTitle.isEmpty())
        return std::nullopt;
    QString shown = text;
    shown.replace(u"\r\n"_s, u"[R]"_s);
    const QString newText = m_prompter.input({u"Message (tapez [R] pour aller à la ligne) :"_s, kCaption, shown});
    if (newText.isEmpty())
        return std::nullopt;
    return Message{wizardscripts::quotesToApostrophes(newTitle),
                   wizardscripts::lineBreaks(wizardscripts::quotesToApostrophes(newText))};
}
