#pragma once

#include "app/core/PluginRunner.h"

#include <QObject>

class QAction;
class QMenu;

// "&Divers": the placeholder entry, then one entry per plug-in of "plugins.ini".
class PluginMenu : public QObject
{
    Q_OBJECT

public:
    PluginMenu(QMenu *menu, Prompter &prompter, PluginRunner::Actions actions, QObject *parent = nullptr);

    // Reads the file once; a failure is reported and keeps the entries read before it.
    void load(const QString &path);

    QAction *placeholder() const { return m_placeholder; }
    const QList<QAction *> &entries() const { return m_entries; }

private:
    QMenu *m_menu;
    Prompter &m_prompter;
    PluginRunner m_runner;
    QAction *m_placeholder;
    QList<QAction *> m_entries;
};
