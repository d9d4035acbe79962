#include "platform/SettingsStore.h"

#include <QStringList>

using namespace Qt::StringLiterals;

SettingsStore::SettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, u"ZEP"_s, u"ZEP"_s)
{
}

SettingsStore::SettingsStore(const QString &iniPath)
    : m_settings(iniPath, QSettings::IniFormat)
{
}

QString SettingsStore::storedKey(const QString &section, const QString &name) const
{
    m_settings.beginGroup(section);
    const QStringList keys = m_settings.childKeys();
    m_settings.endGroup();
    for (const QString &key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return key;
    }
    return {};
}

QString SettingsStore::value(const QString &section, const QString &name, const QString &fallback) const
{
    const QString key = storedKey(section, name);
    if (key.isEmpty())
        return fallback;
    return m_settings.value(section + u'/' + key).toString();
}

void SettingsStore::setValue(const QString &section, const QString &name, const QString &value)
{
    const QString existing = storedKey(section, name);
    m_settings.setValue(section + u'/' + (existing.isEmpty() ? name : existing), value);
}

void SettingsStore::remove(const QString &section, const QString &name)
{
    const QString key = storedKey(section, name);
    if (!key.isEmpty())
        m_settings.remove(section + u'/' + key);
}

bool SettingsStore::contains(const QString &section, const QString &name) const
{
    return !storedKey(section, name).isEmpty();
}
