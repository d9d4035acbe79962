#include "app/RecentFilesMenu.h"

#include "app/core/RecentFiles.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

RecentFilesMenu::RecentFilesMenu(RecentFiles &recent, QMenu *menu, QAction *before, QObject *parent)
    : QObject(parent), m_recent(recent), m_menu(menu), m_before(before)
{
    connect(&m_recent, &RecentFiles::changed, this, &RecentFilesMenu::rebuild);
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    qDeleteAll(m_actions);
    m_actions.clear();
    const auto entries = m_recent.entries();
    if (entries.isEmpty()) {
        auto *placeholder = new QAction(RecentFiles::placeholderCaption(), m_menu);
        placeholder->setObjectName(u"fichier_recent_0"_s);
        placeholder->setEnabled(false);
        m_actions.append(placeholder);
    }
    for (const auto &entry : entries) {
        auto *action = new QAction(entry.caption, m_menu);
        action->setObjectName(u"fichier_recent_"_s + QString::number(entry.number));
        action->setData(entry.path);
        connect(action, &QAction::triggered, this, [this, path = entry.path] { emit chosen(path); });
        m_actions.append(action);
    }
    m_menu->insertActions(m_before, m_actions);
}
