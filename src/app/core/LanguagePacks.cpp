#include "app/core/LanguagePacks.h"

#include "common/Phrases.h"
#include "platform/SettingsStore.h"

#include <QCollator>
#include <QDir>

using namespace Qt::StringLiterals;

LanguagePacks::LanguagePacks(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QStringList LanguagePacks::available() const
{
    return QDir(m_programFolder + u"langues"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString LanguagePacks::packFolder(const QString &language) const
{
    return m_programFolder + u"langues/"_s + language + u'/';
}

QString LanguagePacks::scriptFile(const QString &language, const QString &name) const
{
    return packFolder(language) + name + u".lge"_s;
}

QString LanguagePacks::chosen(const SettingsStore &store)
{
    return store.value(u"General"_s, u"langue"_s);
}

void LanguagePacks::choose(SettingsStore &store, const QString &language)
{
    store.setValue(u"General"_s, u"Langue"_s, language);
}

MessageRequest LanguagePacks::restartNotice(const QString &title)
{
    return {Phrases::text(Phrase::LanguageChangedRestart), title, MessageIcon::Information};
}
