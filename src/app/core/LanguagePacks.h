#pragma once

#include "prompt/PromptTypes.h"

#include <QStringList>

class SettingsStore;

// The packs in the program folder's "langues" folder and the language chosen for the
// next start (value "langue" of section "General"; empty: the built-in French).
class LanguagePacks
{
public:
    explicit LanguagePacks(QString programFolder);

    // The pack folders in name order; none when there is no "langues" folder.
    QStringList available() const;
    QString packFolder(const QString &language) const;
    // The script of one window (its script name) or of the phrases ("phrases").
    QString scriptFile(const QString &language, const QString &name) const;

    static QString chosen(const SettingsStore &store);
    static void choose(SettingsStore &store, const QString &language);
    // Shown after a choice; the title is the caption of the language menu.
    static MessageRequest restartNotice(const QString &title);

private:
    QString m_programFolder;
};
