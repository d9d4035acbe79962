#include "app/PluginMenu.h"

#include "prompt/Prompter.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

PluginMenu::PluginMenu(QMenu *menu, Prompter &prompter, PluginRunner::Actions actions, QObject *parent)
    : QObject(parent), m_menu(menu), m_prompter(prompter), m_runner(prompter, std::move(actions)),
      m_placeholder(menu->addAction(u"Aucun plugin installé"_s))
{
    m_placeholder->setObjectName(u"plugin_0"_s);
    connect(m_placeholder, &QAction::triggered, this, [this] { m_runner.runPlaceholder(m_placeholder->text()); });
}

void PluginMenu::load(const QString &path)
{
    const PluginList::Result list = PluginList::read(path);
    for (const PluginEntry &entry : list.entries) {
        QAction *action = m_menu->addAction(entry.caption);
        action->setObjectName(u"plugin_"_s + QString::number(m_entries.size() + 1));
        connect(action, &QAction::triggered, this, [this, entry] { m_runner.run(entry); });
        m_entries.append(action);
    }
    if (list.startFound)
        m_placeholder->setVisible(false);
    if (list.error.isError())
        m_prompter.message(PluginRunner::loadFailure(list.error.description));
}
