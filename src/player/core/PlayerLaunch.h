#pragma once

#include "player/core/MenuModel.h"
#include "player/core/PlayerMessages.h"

#include <optional>
#include <string_view>

// What the player program does for its command line ("", "infos" or "auteur", or a
// screen saver's "/s", "/p …" and "/c") and the menu data at the end of its own file:
// show one message and end, end at once, or show the menu.
struct PlayerLaunch
{
    std::optional<PlayerMessage> message; // none: show the menu unless endAtOnce
    bool endAtOnce = false; // a screen saver's preview or settings: nothing to show
    bool failed = false; // the message is an error
    int exitCode = 0;
    MenuModel menu;

    static PlayerLaunch decide(std::string_view argument, std::string_view programFile);
};
