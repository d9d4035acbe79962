#pragma once

#include <string>
#include <string_view>

// Where the menu's files are: the disc's root ([LECT]) and the folder of the running menu
// ([CHEMIN], zep/). Authors write Windows paths; what comes out has "/" between folders.
class DiscPaths
{
public:
    DiscPaths(std::string discRoot, std::string menuFolder);

    const std::string &discRoot() const { return m_discRoot; }
    const std::string &menuFolder() const { return m_menuFolder; }

    // A file named in the menu data: it lies beside the player.
    std::string menuFile(const std::string &name) const;
    // "[LECT]:\a\b" or "a\b" is a file of the disc; any other absolute path stays.
    std::string discFile(std::string_view reference) const;

    static bool isAbsolute(std::string_view path);
    static std::string withSlash(std::string folder);

private:
    std::string m_discRoot;
    std::string m_menuFolder;
};
