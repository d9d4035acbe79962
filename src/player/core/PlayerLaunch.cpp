#include "player/core/PlayerLaunch.h"

#include "player/core/MenuDataParser.h"

namespace {

// "/s", "-S", "/c:1234": the system's switch letter of a screen saver, or 0.
char screenSaverSwitch(std::string_view argument)
{
    if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-'))
        return 0;
    if (argument.size() > 2 && argument[2] != ':')
        return 0;
    const char letter = char(argument[1] | 0x20);
    return letter == 's' || letter == 'p' || letter == 'c' ? letter : 0;
}

} // namespace

PlayerLaunch PlayerLaunch::decide(std::string_view argument, std::string_view programFile)
{
    PlayerLaunch launch;
    // What made the menu needs no menu data.
    if (argument == "infos") {
        launch.message = playermessages::infos();
        return launch;
    }
    const char screenSaver = screenSaverSwitch(argument);
    if (screenSaver == 'p' || screenSaver == 'c') {
        launch.endAtOnce = true;
        return launch;
    }
    MenuDataParser parser;
    if (!parser.parseFile(programFile, launch.menu)) {
        launch.message = playermessages::badData(parser.error());
        launch.failed = true;
        launch.exitCode = 1;
    } else if (argument == "auteur") {
        launch.message = playermessages::author(launch.menu);
    } else if (screenSaver == 's') {
        launch.menu.fullScreen = true;
    }
    return launch;
}
