#pragma once

#include "common/Phrases.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class Prompter;
class SettingsStore;

// "&Manuel": opens the manual's "index.htm" from the folder kept in section "Manuel",
// asking for that folder first when it is not known. While nothing is kept, the manual
// installed with the program is used (and then kept).
class ManualLink
{
public:
    using OpenUrl = std::function<void(const QUrl &url)>;

    // The texts a language pack may replace.
    struct Texts
    {
        QString folderPrompt = Phrases::text(Phrase::ChooseManualFolder);
        QString wrongFolder = Phrases::text(Phrase::BadFolder);
        QString errorTitle = Phrases::text(Phrase::Error);
    };

    ManualLink(SettingsStore &store, Prompter &prompter, OpenUrl openUrl);

    // The program folder's "manuel/", or its "en/" when the English pack is in use and has one.
    static QString installedFolder(const QString &programFolder, const QString &language);

    void setTexts(const Texts &texts) { m_texts = texts; }
    void setDefaultFolder(const QString &folder) { m_defaultFolder = folder; }
    void open();

private:
    SettingsStore &m_store;
    Prompter &m_prompter;
    OpenUrl m_openUrl;
    QString m_defaultFolder;
    std::optional<Texts> m_texts; // none: the phrases at the time of asking
};
