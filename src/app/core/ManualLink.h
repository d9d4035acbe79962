#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class Prompter;
class SettingsStore;

// "&Manuel": opens the manual's "index.htm" from the folder kept in section "Manuel",
// asking for that folder first when it is not known.
class ManualLink
{
public:
    using OpenUrl = std::function<void(const QUrl &url)>;

    // The texts a language pack may replace.
    struct Texts
    {
        QString folderPrompt =
            QStringLiteral("Veuillez choisir le dossier dans lequel vous avez installé le manuel de ZEP :");
        QString wrongFolder = QStringLiteral("Répertoire incorrect !");
        QString errorTitle = QStringLiteral("Erreur");
    };

    ManualLink(SettingsStore &store, Prompter &prompter, OpenUrl openUrl);

    void setTexts(const Texts &texts) { m_texts = texts; }
    void open();

private:
    SettingsStore &m_store;
    Prompter &m_prompter;
    OpenUrl m_openUrl;
    Texts m_texts;
};
