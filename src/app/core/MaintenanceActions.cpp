#include "app/core/MaintenanceActions.h"

#include "app/core/AppIdentity.h"
#include "app/core/AppearanceFile.h"
#include "app/core/OptionsFile.h"
#include "common/NumberText.h"
#include "common/SaveFile.h"
#include "platform/SettingsStore.h"
#include "prompt/Prompter.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString kTitle = u"ZEP - Mode débogage"_s;
const QString kLineBreak = u"\r\n"_s;

MessageRequest notice(const QString &text)
{
    MessageRequest message;
    message.text = text;
    message.title = kTitle;
    message.icon = MessageIcon::Information;
    return message;
}

MessageRequest noticeUnlessFailed(const ZepError &error, const QString &text)
{
    if (!error.isError())
        return notice(text);
    MessageRequest message;
    message.text = u"Erreur : "_s + error.description;
    message.title = u"Erreur n°"_s + QString::number(error.number);
    message.icon = MessageIcon::Critical;
    return message;
}

} // namespace

MaintenanceActions::MaintenanceActions(const QString &programFolder, SettingsStore &store, Prompter &prompter)
    : m_programFolder(appid::withTrailingSeparator(programFolder)), m_store(store), m_prompter(prompter)
{
}

InputRequest MaintenanceActions::question()
{
    return {u"Code débogage ?"_s + kLineBreak + kLineBreak + u'#', kTitle, u"0"_s};
}

void MaintenanceActions::run()
{
    const double number = numtext::val(m_prompter.input(question()));
    // Fractions and numbers past the actions name none of them.
    if (number < 0 || number > 9 || number != std::trunc(number))
        return;
    if (const auto message = perform(static_cast<int>(number)))
        m_prompter.message(*message);
}

std::optional<MessageRequest> MaintenanceActions::perform(int action)
{
    switch (action) {
    case 1:
        m_store.setValue(u"Manuel"_s, u"Chemin"_s, QString());
        m_store.sync();
        return notice(u"Lien ZEP <-> Manuel re-initialisé !"_s);
    case 2:
        return noticeUnlessFailed(saveFileAtomically(m_programFolder + u"plugins.ini"_s, QByteArray()),
                                  u"Fichier plugins.ini vidé"_s);
    case 3:
        return noticeUnlessFailed(AppearanceFile(m_programFolder).writeDefaults(),
                                  u"Apparences personnalisées détruitres"_s + kLineBreak + kLineBreak +
                                      u"Apparences par défaut re-créés"_s);
    case 4:
        return noticeUnlessFailed(OptionsFile(m_programFolder).clear(), u"Fichier zep_options.ini vidé"_s);
    // No components to register here; the messages still tell the action ran.
    case 6:
        return notice(u"OCXs enregistrés !"_s);
    case 7:
        return notice(u"OCXs désenregistrés !"_s);
    default:
        return std::nullopt;
    }
}
