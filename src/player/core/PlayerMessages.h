#pragma once

#include "player/core/MenuModel.h"

#include <string>

struct PlayerMessage
{
    std::string text;
    std::string title;
};

// The player's own messages, in French as the menus are.
namespace playermessages {

// The "infos" argument: what made this menu.
PlayerMessage infos();
// The "auteur" argument.
PlayerMessage author(const MenuModel &menu);
// The right-click menu's about entry.
PlayerMessage aboutMenu(const MenuModel &menu);
// A player without menu data, or with damaged data.
PlayerMessage badData(const std::string &error);
// A program, document or address that the system could not start or open.
PlayerMessage cannotStart(const std::string &target);

} // namespace playermessages
