#include "designer/ResourcesWindow.h"

#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

// Entries are script name and French caption; an empty name is a separator.
QMenu *popUp(QWidget *owner, const QString &name, const QList<std::pair<QString, QString>> &entries)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(name);
    for (const auto &[entryName, caption] : entries) {
        if (entryName.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(caption);
        action->setObjectName(entryName);
        // The French caption stays the entry's key whatever a language pack shows.
        action->setData(caption);
    }
    return menu;
}

} // namespace

ResourcesWindow::ResourcesWindow(QWidget *parent)
    : ToolWindow(u"Form13"_s, u"Ressources"_s, parent),
      m_transparency(popUp(this, u"transp"_s,
                           {{u"transp_choisir"_s, u"Choisir une image..."_s},
                            {u"transp_voir"_s, u"Voir l'image actuelle"_s},
                            {u"transp_aucune"_s, u"Ne pas utiliser la transparence"_s},
                            {u"transp_infos"_s, u"Informations"_s},
                            {QString(), QString()},
                            {u"transp_annuler"_s, u"Annuler"_s}}))
{
}
