#include "player/core/DiscPaths.h"

#include "player/core/AsciiCase.h"

#include <algorithm>
#include <cctype>

DiscPaths::DiscPaths(std::string discRoot, std::string menuFolder)
    : m_discRoot(std::move(discRoot)), m_menuFolder(std::move(menuFolder))
{
}

std::string DiscPaths::withSlash(std::string folder)
{
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder.push_back('/');
    return folder;
}

bool DiscPaths::isAbsolute(std::string_view path)
{
    if (!path.empty() && (path.front() == '/' || path.front() == '\\'))
        return true;
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
           (path[2] == '/' || path[2] == '\\');
}

std::string DiscPaths::menuFile(const std::string &name) const
{
    return withSlash(m_menuFolder) + name;
}

std::string DiscPaths::discFile(std::string_view reference) const
{
    std::string_view rest = reference;
    const bool onDisc = startsWithNoCase(rest, "[LECT]");
    if (onDisc)
        rest.remove_prefix(startsWithNoCase(rest, "[LECT]:") ? 7 : 6);
    std::string path(rest);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!onDisc && isAbsolute(path))
        return path;
    const auto first = path.find_first_not_of('/');
    return withSlash(m_discRoot) + (first == std::string::npos ? std::string() : path.substr(first));
}
