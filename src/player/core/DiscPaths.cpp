#include "player/core/DiscPaths.h"

#include <algorithm>
#include <cctype>

namespace {

bool startsWithToken(std::string_view text, std::string_view token)
{
    if (text.size() < token.size())
        return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != token[i])
            return false;
    }
    return true;
}

} // namespace

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
    const bool onDisc = startsWithToken(rest, "[LECT]");
    if (onDisc)
        rest.remove_prefix(startsWithToken(rest, "[LECT]:") ? 7 : 6);
    std::string path(rest);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!onDisc && isAbsolute(path))
        return path;
    const auto first = path.find_first_not_of('/');
    return withSlash(m_discRoot) + (first == std::string::npos ? std::string() : path.substr(first));
}
