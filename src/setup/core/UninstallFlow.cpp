#include "setup/core/UninstallFlow.h"

#include "prompt/Prompter.h"
#include "setup/core/Uninstallation.h"

using namespace Qt::StringLiterals;

UninstallFlow::UninstallFlow(SetupPlaces places, QString folder, Prompter &prompter, StartScript startScript)
    : m_places(std::move(places)), m_folder(std::move(folder)), m_prompter(prompter),
      m_startScript(std::move(startScript))
{
}

QString UninstallFlow::caption()
{
    return u"Désinstallation de ZEP..."_s;
}

QString UninstallFlow::refusalText(const QString &folder)
{
    return u"ZEP ne peut pas être désinstallé de "_s + folder + u" : c'est la racine ou le dossier personnel.\r\n"_s +
           u"Aucun fichier n'a été supprimé."_s;
}

bool UninstallFlow::run()
{
    Uninstallation removal(m_places, m_folder);
    if (!removal.isAllowed()) {
        m_prompter.message(refusalText(m_folder), caption(), MessageIcon::Critical);
        return false;
    }
    MessageRequest question{u"Voulez-vous vraiment désinstaller ZEP ?"_s, caption(), MessageIcon::Question,
                            MessageButtons::YesNo};
    question.defaultButton = 2;
    if (m_prompter.message(question) != Answer::Yes)
        return false;

    removal.removeInstallation();
    if (const ZepError error = removal.writeCleanupScript(); error.isError()) {
        m_prompter.message(error.description, u"Erreur n°"_s + QString::number(error.number), MessageIcon::Critical);
        return true;
    }
    m_prompter.message(u"Désinstallation de ZEP terminée avec succès !"_s, caption(), MessageIcon::Information);
    m_startScript(removal.cleanupScriptPath());
    return true;
}
