#include "designer/ResourcesWindow.h"

#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

QMenu *popUp(QWidget *owner, const QString &name, const QStringList &entries)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(name);
    for (const QString &entry : entries) {
        if (entry == u"-"_s)
            menu->addSeparator();
        else
            menu->addAction(entry);
    }
    return menu;
}

} // namespace

ResourcesWindow::ResourcesWindow(QWidget *parent)
    : ToolWindow(u"Form13"_s, u"Ressources"_s, parent),
      m_transparency(popUp(this, u"transp"_s,
                           {u"Choisir une image..."_s, u"Voir l'image actuelle"_s, u"Ne pas utiliser la transparence"_s,
                            u"Informations"_s, u"-"_s, u"Annuler"_s}))
{
}
