#pragma once

#include "app/core/LanguagePacks.h"

#include <QObject>

class Prompter;
class QAction;
class QMenu;
class SettingsStore;

// "Langue/Language": "Français" and one entry per pack folder. A choice is stored for
// the next start; nothing changes before it, not even the check marks.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QMenu *menu, QAction *french, const QString &programFolder, SettingsStore &store,
                 Prompter &prompter, QObject *parent = nullptr);

    const QList<QAction *> &entries() const { return m_entries; }

private:
    void choose(QAction *entry, const QString &language);

    QMenu *m_menu;
    SettingsStore &m_store;
    Prompter &m_prompter;
    QList<QAction *> m_entries; // "Français" first
};
