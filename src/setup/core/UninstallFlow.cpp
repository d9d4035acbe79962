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

bool UninstallFlow::run()
{
    MessageRequest question{u"Voulez-vous vraiment désinstaller ZEP ?"_s, caption(), MessageIcon::Question,
                            MessageButtons::YesNo};
    question.defaultButton = 2;
    if (m_prompter.message(question) != Answer::Yes)
        return false;

    Uninstallation removal(m_places, m_folder);
    removal.removeInstallation();
    const bool scriptWritten = !removal.writeCleanupScript().isError();
    m_prompter.message(u"Désinstallation de ZEP terminée avec succès !"_s, caption(), MessageIcon::Information);
    if (scriptWritten)
        m_startScript(removal.cleanupScriptPath());
    return true;
}
