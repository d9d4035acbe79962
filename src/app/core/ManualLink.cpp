#include "app/core/ManualLink.h"

#include "app/core/AppIdentity.h"
#include "common/NumberText.h"
#include "common/PathText.h"
#include "platform/SettingsStore.h"
#include "prompt/Prompter.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"Manuel"_s;
const QString kFolder = u"Chemin"_s;
const QString kOpenings = u"FoisDem"_s;
const QString kIndex = u"index.htm"_s;

// An empty value is no folder, rather than the current one.
bool holdsFiles(const QString &folder)
{
    return !folder.isEmpty() && !QDir(pathtext::toHost(folder)).entryList(QDir::Files).isEmpty();
}

bool holdsIndex(const QString &folder)
{
    return !folder.isEmpty() && QFile::exists(pathtext::toHost(appid::withTrailingSeparator(folder)) + kIndex);
}

} // namespace

QString ManualLink::installedFolder(const QString &programFolder, const QString &language)
{
    const QString french = appid::withTrailingSeparator(programFolder) + u"manuel/"_s;
    const QString english = french + u"en/"_s;
    return language.compare(u"English"_s, Qt::CaseInsensitive) == 0 && holdsIndex(english) ? english : french;
}

ManualLink::ManualLink(SettingsStore &store, Prompter &prompter, OpenUrl openUrl)
    : m_store(store), m_prompter(prompter), m_openUrl(std::move(openUrl))
{
}

void ManualLink::open()
{
    for (;;) {
        QString known = m_store.value(kSection, kFolder);
        if (known.isEmpty() && holdsIndex(m_defaultFolder)) {
            known = appid::withTrailingSeparator(m_defaultFolder);
            m_store.setValue(kSection, kFolder, known);
        }
        if (holdsFiles(known)) {
            const double openings = numtext::val(m_store.value(kSection, kOpenings));
            m_store.setValue(kSection, kOpenings, QString::number(qint64(openings) + 1));
            m_store.sync();
            m_openUrl(QUrl::fromLocalFile(pathtext::toHost(appid::withTrailingSeparator(known)) + kIndex));
            return;
        }
        const Texts texts = m_texts.value_or(Texts{});
        const QString chosen = m_prompter.folder({texts.folderPrompt});
        if (chosen.isEmpty())
            return;
        const QString folder = appid::withTrailingSeparator(chosen);
        if (!QFile::exists(pathtext::toHost(folder) + kIndex)) {
            m_prompter.message(texts.wrongFolder, texts.errorTitle, MessageIcon::Critical);
            return;
        }
        m_store.setValue(kSection, kFolder, folder);
        m_store.sync();
    }
}
