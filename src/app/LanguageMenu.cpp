#include "app/LanguageMenu.h"

#include "prompt/Prompter.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

LanguageMenu::LanguageMenu(QMenu *menu, QAction *french, const QString &programFolder, SettingsStore &store,
                           Prompter &prompter, QObject *parent)
    : QObject(parent), m_menu(menu), m_store(store), m_prompter(prompter), m_entries{french}
{
    const QString active = LanguagePacks::chosen(store);
    french->setCheckable(true);
    french->setChecked(true);
    connect(french, &QAction::triggered, this, [this, french] { choose(french, QString()); });
    for (const QString &language : LanguagePacks(programFolder).available()) {
        QAction *entry = menu->addAction(language);
        entry->setObjectName(u"langue_"_s + QString::number(m_entries.size()));
        entry->setCheckable(true);
        m_entries.append(entry);
        connect(entry, &QAction::triggered, this, [this, entry, language] { choose(entry, language); });
        if (language == active) {
            entry->setChecked(true);
            french->setChecked(false);
        }
    }
}

void LanguageMenu::choose(QAction *entry, const QString &language)
{
    entry->setChecked(!entry->isChecked());
    LanguagePacks::choose(m_store, language);
    m_prompter.message(LanguagePacks::restartNotice(m_menu->title()));
}
