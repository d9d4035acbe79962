#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class RecentFiles;

// The recent files between the two separators of the "&Fichier" menu.
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    RecentFilesMenu(RecentFiles &recent, QMenu *menu, QAction *before, QObject *parent = nullptr);

    const QList<QAction *> &actions() const { return m_actions; }
    void rebuild();

signals:
    void chosen(const QString &path);

private:
    RecentFiles &m_recent;
    QMenu *m_menu;
    QAction *m_before;
    QList<QAction *> m_actions;
};
