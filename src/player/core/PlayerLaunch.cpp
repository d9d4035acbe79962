#include "player/core/PlayerLaunch.h"

#include "player/core/MenuDataParser.h"

PlayerLaunch PlayerLaunch::decide(std::string_view argument, std::string_view programFile)
{
    PlayerLaunch launch;
    // What made the menu needs no menu data.
    if (argument == "infos") {
        launch.message = playermessages::infos();
        return launch;
    }
    MenuDataParser parser;
    if (!parser.parseFile(programFile, launch.menu)) {
        launch.message = playermessages::badData(parser.error());
        launch.failed = true;
        launch.exitCode = 1;
    } else if (argument == "auteur") {
        launch.message = playermessages::author(launch.menu);
    }
    return launch;
}
