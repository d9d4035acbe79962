#pragma once

#include <QSettings>
#include <QString>

// The per-user settings of the application "ZEP": sections of named text values.
// Value names are compared without regard to case, as the registry does.
class SettingsStore
{
public:
    // The user's own store (an INI file under the user's config folder).
    SettingsStore();
    // A store in a given file, for tests and portable set-ups.
    explicit SettingsStore(const QString &iniPath);

    QString value(const QString &section, const QString &name, const QString &fallback = {}) const;
    void setValue(const QString &section, const QString &name, const QString &value);
    void remove(const QString &section, const QString &name);
    bool contains(const QString &section, const QString &name) const;

    void sync() { m_settings.sync(); }
    QString fileName() const { return m_settings.fileName(); }

private:
    // The stored key that matches name without regard to case, or empty.
    QString storedKey(const QString &section, const QString &name) const;

    mutable QSettings m_settings;
};
