#include "player/core/PlayerMessages.h"

namespace playermessages {

namespace {

std::string projectAndAuthor(const MenuModel &menu)
{
    return "Projet : " + menu.projectName + "\nAuteur : " + menu.author;
}

} // namespace

PlayerMessage infos()
{
    return {"Ce menu a été créé avec ZEP, l'outil qui dessine le menu de démarrage de vos CD-ROM : "
            "fond, boutons, textes, sons et actions en VBScript.",
            "Qu'est-ce que ZEP ?"};
}

PlayerMessage author(const MenuModel &menu)
{
    return {projectAndAuthor(menu), "A propos de ZEP..."};
}

PlayerMessage aboutMenu(const MenuModel &menu)
{
    return {projectAndAuthor(menu), "A propos de ce menu"};
}

PlayerMessage badData(const std::string &error)
{
    return {"Ce menu ne peut pas être affiché : " + error + ".", "Erreur !"};
}

PlayerMessage cannotStart(const std::string &target)
{
    return {"Impossible de lancer « " + target + " ».", "Erreur !"};
}

} // namespace playermessages
